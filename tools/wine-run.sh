#!/bin/sh
# Runs a Windows program under Wine in the test bench's prefix and display.
# tools/test.sh sets them up; run CTest of the win64 build through it.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    echo "wine-run.sh: WINEPREFIX and DISPLAY are not set; run the tests with tools/test.sh" >&2
    exit 2
fi
exec wine "$@"
