#!/usr/bin/env bash
# Checks the Windows binaries of a build folder: each must stand alone (no
# MinGW runtime DLL among its imports), and the Palm Desktop stand-in's
# libraries must export their whole name tables under plain, undecorated names.
set -euo pipefail
build=${1:?usage: check-binaries.sh BUILD_FOLDER}
triple=$(sed -n 's/^CORVANE_MINGW_TRIPLE:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$triple" ] || { echo "$build is not a Windows build" >&2; exit 1; }
objdump="$triple-objdump"

# The oldest Windows the program supports is Windows 7 SP1 without its 2011
# loader update. These functions came later; a binary that imports one of them
# does not start there (the loader search functions are looked up at run time).
newer_than_windows_7=(
    AddDllDirectory RemoveDllDirectory SetDefaultDllDirectories
    GetSystemTimePreciseAsFileTime CreateFile2 GetCurrentThreadStackLimits GetOverlappedResultEx
    WaitOnAddress WakeByAddressSingle WakeByAddressAll PrefetchVirtualMemory DiscardVirtualMemory
    OfferVirtualMemory ReclaimVirtualMemory CreateFileMappingFromApp VirtualAlloc2 MapViewOfFile3
    SetThreadDescription GetThreadDescription GetCurrentPackageId GetPackageFamilyName
    GetDpiForWindow GetDpiForSystem GetSystemMetricsForDpi AdjustWindowRectExForDpi SystemParametersInfoForDpi
    SetThreadDpiAwarenessContext SetProcessDpiAwarenessContext EnableNonClientDpiScaling
    SetProcessDpiAwareness GetDpiForMonitor
)
newer_pattern="^\s+[0-9a-f]+\s+[0-9]+\s+($(IFS='|'; echo "${newer_than_windows_7[*]}"))\s*$"

failed=0
count=0
while IFS= read -r binary; do
    count=$((count + 1))
    imports=$("$objdump" -p "$binary")
    if grep -iE 'DLL Name: *(libstdc\+\+|libgcc|libwinpthread)' <<<"$imports" >/dev/null; then
        echo "$binary imports a MinGW runtime DLL" >&2
        failed=1
    fi
    if newer=$(grep -E "$newer_pattern" <<<"$imports"); then
        echo "$binary imports functions newer than Windows 7 SP1: $(awk '{print $3}' <<<"$newer" | tr '\n' ' ')" >&2
        failed=1
    fi
done < <(find "$build" \( -path "$build/googletest" -o -path "$build/CMakeFiles" \) -prune -o \( -name '*.exe' -o -name '*.dll' \) -type f -print)

exported_names() {
    "$objdump" -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *[0-9]*\] //p'
}

check_exports() {
    local file="$build/bin/palmsim/$1" expected=$2 names
    names=$(exported_names "$file")
    if [ "$(printf '%s\n' "$names" | grep -c .)" -ne "$expected" ]; then
        echo "$file exports $(printf '%s\n' "$names" | grep -c .) names, not $expected" >&2
        failed=1
    fi
    if printf '%s\n' "$names" | grep -q '@'; then
        echo "$file exports decorated names" >&2
        failed=1
    fi
}

if [ -d "$build/bin/palmsim" ]; then
    check_exports condmgr.dll 50
    check_exports UserData.dll 37
    check_exports variants/no-profile/UserData.dll 36
    check_exports HSAPI.DLL 3
    check_exports DateBook.dll 3
    check_exports NoInfo.dll 2
    check_exports CfgScripted.dll 4
fi

[ "$failed" -eq 0 ] || exit 1
echo "$count binaries in $build stand alone; the stand-in's exports are plain"
