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

cmake --build "$win64" -j2 --target corvane cvdata installer_fixture program_remote >/dev/null
fixture="$win64/bin/installer_fixture.exe"
remote="$win64/bin/program_remote.exe"

# The same installer around a build whose main window has another caption, as
# the next release's will have: each must find and end the other's Corvane.
caption=$(sed -n 's/.*kMainCaption\[\] = "\(.*\)";/\1/p' resources/product.h)
other_caption_setup() { # ARCH BUILD OUTFILE
    local stage
    stage="$(dirname "$3")/other-caption-$1"
    rm -rf "$stage"
    mkdir -p "$stage/bin/cvdata" "$stage/resources"
    cp "$2/bin/cvdata/cvwkcond.dat" "$2/bin/cvdata/cvhelp.chm" "$stage/bin/cvdata/"
    cp "$2/resources/"*.nsh "$stage/resources/"
    CAPTION="$caption" perl -0777 -pe 's/\Q$ENV{CAPTION}\E\0/Corvane V9.8.7\0/g' "$2/bin/corvane.exe" >"$stage/bin/corvane.exe"
    ! cmp -s "$2/bin/corvane.exe" "$stage/bin/corvane.exe" || { echo "no caption to change in $2" >&2; exit 1; }
    makensis -V2 -DARCH="$1" -DBUILD="$stage" -DOUTFILE="$3" packaging/corvane.nsi
}

tests="$win64/packaging-test"
mkdir -p "$tests"
test_setup="$tests/Corvane-$version-amd64-test-setup.exe"
makensis -V2 -DARCH=amd64 -DBUILD="$win64" -DOUTFILE="$test_setup" packaging/corvane.nsi
other_caption_setup amd64 "$win64" "$tests/other-caption-amd64-setup.exe"
"$here/test_installer.sh" "$test_setup" /usr/lib/wine/wine64 "$fixture" "$remote" "$tests/other-caption-amd64-setup.exe"

if tools/runs-i386.sh && [ -x /usr/lib/wine/wine ]; then
    other_caption_setup x86 "$win32" "$tests/other-caption-x86-setup.exe"
    "$here/test_installer.sh" "$dist/Corvane-$version-setup.exe" wine "$fixture" "$remote" "$tests/other-caption-x86-setup.exe"
else
    echo "The x86 installer is not run: this machine's kernel refuses 32-bit programs."
fi
