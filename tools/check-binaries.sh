#!/usr/bin/env bash
# Checks the Windows binaries of a build folder: each must stand alone (no
# MinGW runtime DLL among its imports).
set -euo pipefail
build=${1:?usage: check-binaries.sh BUILD_FOLDER}
triple=$(sed -n 's/^CORVANE_MINGW_TRIPLE:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$triple" ] || { echo "$build is not a Windows build" >&2; exit 1; }
objdump="$triple-objdump"

failed=0
count=0
while IFS= read -r binary; do
    count=$((count + 1))
    if "$objdump" -p "$binary" | grep -iE 'DLL Name: *(libstdc\+\+|libgcc|libwinpthread)' >/dev/null; then
        echo "$binary imports a MinGW runtime DLL" >&2
        failed=1
    fi
done < <(find "$build" \( -path "$build/googletest" -o -path "$build/CMakeFiles" \) -prune -o \( -name '*.exe' -o -name '*.dll' \) -type f -print)

[ "$failed" -eq 0 ] || exit 1
echo "$count binaries in $build stand alone"
