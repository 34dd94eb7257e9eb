#!/usr/bin/env bash
# Installs the Debian packages that building and testing need; does nothing
# when they are all present already.
set -euo pipefail

packages=(
    cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
    mingw-w64 wine wine64 xvfb x11-apps imagemagick binutils-mingw-w64 python3
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
