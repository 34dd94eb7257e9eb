#!/usr/bin/env bash
# Checks what tools/package.sh made, without running it: the installer is an
# x86 NSIS installer holding exactly the program and its data files; the zip
# holds exactly the Corvane folder with the program, its data files and the
# read-me; every binary in either is a 32-bit executable that stands alone;
# the program carries its version, manifest and icon sizes; the help inside
# passes its own check.
#   check_packages.sh DIST_FOLDER VERSION
set -euo pipefail
dist=${1:?usage: check_packages.sh DIST_FOLDER VERSION}
version=${2:?usage: check_packages.sh DIST_FOLDER VERSION}
here=$(cd "$(dirname "$0")" && pwd)
setup="$dist/Corvane-$version-setup.exe"
portable="$dist/Corvane-$version-portable.zip"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }
expect_same() { # what, expected, actual
    [ "$2" = "$3" ] || fail "$1: expected [$2], found [$3]"
}

# A 32-bit Windows executable that needs no MinGW runtime DLL beside it.
check_binary() {
    local format
    format=$(i686-w64-mingw32-objdump -f "$1" | sed -n 's/.*file format //p')
    expect_same "format of $(basename "$1")" pei-i386 "$format"
    if i686-w64-mingw32-objdump -p "$1" | grep -iE 'DLL Name: *(libstdc\+\+|libgcc|libwinpthread)' >/dev/null; then
        fail "$(basename "$1") imports a MinGW runtime DLL"
    fi
}

# The installer: an x86 NSIS stub, its payload, and NSIS's own plug-ins.
listing=$(7z l -slt "$setup")
expect_same "installer kind" "NSIS-3 Unicode" "$(sed -n 's/^SubType = //p' <<<"$listing")"
payload=$(sed -n 's/^Path = //p' <<<"$listing" | grep -v '^\$PLUGINSDIR/' | tail -n +2 | sort | tr '\n' ' ')
expect_same "installer payload" "corvane.exe cvdata/cvhelp.chm cvdata/cvwkcond.dat uninstall.exe " "$payload"
check_binary "$setup"
7z x -y -o"$work/setup" "$setup" corvane.exe cvdata >/dev/null
check_binary "$work/setup/corvane.exe"

# The zip: one folder, unpacked as a user would.
unzip -q "$portable" -d "$work/zip"
files=$(cd "$work/zip" && find . -type f | sort | tr '\n' ' ')
expect_same "zip contents" \
    "./Corvane/README.txt ./Corvane/corvane.exe ./Corvane/cvdata/cvhelp.chm ./Corvane/cvdata/cvwkcond.dat " "$files"
while IFS= read -r binary; do check_binary "$binary"; done < <(find "$work/zip" -iname '*.exe' -o -iname '*.dll')
cmp -s "$work/zip/Corvane/corvane.exe" "$work/setup/corvane.exe" || fail "the zip and the installer hold different programs"
grep -q "^Corvane $version, portable" "$work/zip/Corvane/README.txt" || fail "README.txt does not name version $version"
grep -q $'\r$' "$work/zip/Corvane/README.txt" || fail "README.txt lacks Windows line ends"

# The program's version information, manifest and icon, as Explorer reads them.
resources=$(7z l -slt "$work/zip/Corvane/corvane.exe")
for field in "ProductName: Corvane" "CompanyName: Brightfen" "ProductVersion: $version" "FileVersion: $version"; do
    grep -qxF "$field" <<<"$resources" || fail "corvane.exe: no version field '$field'"
done
7z x -y -o"$work/res" "$work/zip/Corvane/corvane.exe" .rsrc/MANIFEST/1 .rsrc/GROUP_ICON/IDI_ICONMAIN >/dev/null
manifest="$work/res/.rsrc/MANIFEST/1"
for part in 'level="asInvoker"' 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
    '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' "version=\"$version.0\""; do
    grep -qF "$part" "$manifest" || fail "manifest lacks $part"
done
# System DPI awareness: the program scales itself, so Windows does not stretch it.
grep -qF '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>' "$manifest" ||
    fail "the manifest does not declare system DPI awareness"
# An icon group: 6 bytes of header, then 14 per image, whose first byte is its width (0 for 256).
sizes=$(od -An -v -tu1 -j6 -w14 "$work/res/.rsrc/GROUP_ICON/IDI_ICONMAIN" | awk '{print $1}' | tr '\n' ' ')
expect_same "IDI_ICONMAIN sizes" "16 20 24 32 48 0 " "$sizes"

python3 "$here/check_help.py" "$work/zip/Corvane/cvdata/cvhelp.chm" >/dev/null || fail "the help in the zip fails its check"

[ "$failed" -eq 0 ] || exit 1
echo "$(basename "$setup") and $(basename "$portable") hold what they should"
