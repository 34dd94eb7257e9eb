#!/usr/bin/env bash
# Every test of the project, from a fresh Debian machine or a working tree:
#   native core tests under ASan and UBSan, a short fuzzing run of each reader
#   of outside bytes, the i686 and x86_64 Windows builds with their imports and exports
#   checked, and both builds' tests under Wine on a private X display (the
#   i686 build, the one users run, under 32-bit Wine); last, the installer and
#   the portable zip, their contents checked and the installer run under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

fuzz_seconds=${CORVANE_FUZZ_SECONDS:-10}

step() { printf '\n== %s\n' "$*"; }

step "Packages"
tools/install-deps.sh

step "Native core tests (ASan, UBSan)"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

step "Fuzzing every reader of outside bytes (${fuzz_seconds} s each)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
tools/fuzz.sh "$fuzz_seconds"

step "Windows i686 build"
cmake --preset win32 >/dev/null
cmake --build --preset win32
tools/check-binaries.sh build/win32

step "Windows x86_64 build"
cmake --preset win64 >/dev/null
cmake --build --preset win64
tools/check-binaries.sh build/win64

# shellcheck source=tools/wine-session.sh
. tools/wine-session.sh
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
wine_session_start "$root"

step "Windows x86_64 tests under Wine"
ctest --preset win64

step "Windows i686 tests under 32-bit Wine"
if tools/runs-i386.sh && [ -x /usr/lib/wine/wine ]; then
    ctest --preset win32
else
    echo "Not run: this machine's kernel refuses 32-bit programs, so 32-bit Wine cannot start here."
fi

step "Installer and portable zip: contents, and install, upgrade and uninstall under Wine"
tests/package/run.sh
