#!/bin/sh
# Runs a Windows program under Wine in the test bench's prefix and display:
#   wine-run.sh win64|win32 PROGRAM [ARGUMENTS...]
# 64-bit programs start through Wine's 64-bit loader directly (plain `wine`
# would go through the 32-bit one first when wine32 is installed).
# tools/test.sh sets the prefix and display up; CTest runs the tests through it.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    echo "wine-run.sh: WINEPREFIX and DISPLAY are not set; run the tests with tools/test.sh" >&2
    exit 2
fi
arch=$1
shift
case "$arch" in
    win64) exec /usr/lib/wine/wine64 "$@" ;;
    win32) exec wine "$@" ;;
    *) echo "wine-run.sh: the first argument is win64 or win32" >&2; exit 2 ;;
esac
