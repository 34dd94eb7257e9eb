#!/usr/bin/env bash
# The packaging tests, in the Wine session that tools/test.sh started: makes
# the installer and the zip (tools/package.sh) and checks what they hold; then
# runs the installer's install, upgrade and uninstall tests under Wine. This
# machine may refuse 32-bit programs, so the same script is also built around
# the x86_64 build in the amd64 stub and tested under 64-bit Wine; the real
# x86 installer is tested too where 32-bit Wine runs.
#   run.sh [WIN32_BUILD [WIN64_BUILD [DIST_FOLDER]]]   (default build/win32, build/win64, dist)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
cd "$root"
win32=$(realpath -m "${1:-build/win32}")
win64=$(realpath -m "${2:-build/win64}")
dist=$(realpath -m "${3:-dist}")

tools/package.sh "$win32" "$dist" >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$win32/CMakeCache.txt")
"$here/check_packages.sh" "$dist" "$version"

cmake --build "$win64" -j2 --target corvane cvdata installer_fixture >/dev/null
fixture="$win64/bin/installer_fixture.exe"
test_setup="$win64/packaging-test/Corvane-$version-amd64-test-setup.exe"
mkdir -p "$(dirname "$test_setup")"
makensis -V2 -DARCH=amd64 -DBUILD="$win64" -DOUTFILE="$test_setup" packaging/corvane.nsi
"$here/test_installer.sh" "$test_setup" /usr/lib/wine/wine64 "$fixture"

if tools/runs-i386.sh && [ -x /usr/lib/wine/wine ]; then
    "$here/test_installer.sh" "$dist/Corvane-$version-setup.exe" wine "$fixture"
else
    echo "The x86 installer is not run: this machine's kernel refuses 32-bit programs."
fi
