#!/usr/bin/env bash
# Every test of the project, from a fresh Debian machine or a working tree:
#   native core tests under ASan and UBSan, a short fuzzing run of each file
#   loader, the i686 Windows build with its imports and exports checked, and
#   the x86_64 Windows tests under Wine on a private X display.
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

step "Fuzzing the file loaders (${fuzz_seconds} s each)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
tools/fuzz.sh "$fuzz_seconds"

step "Windows i686 build"
cmake --preset win32 >/dev/null
cmake --build --preset win32
tools/check-binaries.sh build/win32

step "Windows x86_64 build and tests under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64
tools/check-binaries.sh build/win64
# shellcheck source=tools/wine-session.sh
. tools/wine-session.sh
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
wine_session_start "$root"
ctest --preset win64
