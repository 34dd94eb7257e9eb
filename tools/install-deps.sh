#!/usr/bin/env bash
# Installs the Debian packages that building, testing and packaging need; does
# nothing when they are all present already. The i686 build runs under Debian's
# 32-bit Wine (wine32, which needs the i386 architecture enabled first) on
# machines whose kernel runs 32-bit programs; elsewhere wine32 would only break
# plain `wine`, so it is left out.
set -euo pipefail

packages=(
    cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
    mingw-w64 binutils-mingw-w64 wine wine64 fonts-wine xvfb x11-apps x11-utils imagemagick python3
    nsis fp-utils libchm-bin zip unzip p7zip-full
)

here=$(cd "$(dirname "$0")" && pwd)
if "$here/runs-i386.sh"; then
    packages+=(wine32:i386)
fi

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Installing Debian packages needs root: run this command as root, or install sudo." >&2
        echo "The packages: ${missing[*]}" >&2
        exit 1
    fi
}

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [[ " ${missing[*]} " == *" wine32:i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
