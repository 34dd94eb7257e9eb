#!/usr/bin/env bash
# Builds what a Windows user downloads, into dist/: the per-user installer
# Corvane-<version>-setup.exe (the i686 build in NSIS's x86 stub, for 32-bit
# and 64-bit Windows) and Corvane-<version>-portable.zip. The version is the
# project's, from CMakeLists.txt.
#   tools/package.sh [BUILD_FOLDER [DIST_FOLDER]]   (default build/win32, dist)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$(realpath -m "${1:-build/win32}")
dist=$(realpath -m "${2:-dist}")

tools/install-deps.sh
cmake --preset win32 -B "$build" >/dev/null
cmake --build "$build" -j2 --target corvane cvdata
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
mkdir -p "$dist"

setup="$dist/Corvane-$version-setup.exe"
makensis -V2 -DARCH=x86 -DBUILD="$build" -DOUTFILE="$setup" packaging/corvane.nsi
echo "$setup"

# The zip holds one folder, Corvane: unzipping a newer one over it keeps the
# settings and schedules, which are not in the zip.
stage="$build/portable"
rm -rf "$stage"
mkdir -p "$stage/Corvane/cvdata"
cp "$build/bin/corvane.exe" "$stage/Corvane/"
cp "$build/bin/cvdata/cvwkcond.dat" "$build/bin/cvdata/cvhelp.chm" "$stage/Corvane/cvdata/"
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' packaging/README-portable.txt >"$stage/Corvane/README.txt"
portable="$dist/Corvane-$version-portable.zip"
rm -f "$portable"
(cd "$stage" && zip -q -X -r "$portable" Corvane)
echo "$portable"
