#!/usr/bin/env bash
# Builds the benchmarks optimised and without sanitizers and runs them in one
# go: the core benchmarks (arguments go to them), the schedule load as a ratio
# to only reading the same file, and, under Wine on a private X display in a
# prefix of its own (build/bench-prefix), corvane.exe's start-up time and idle
# working set beside a bare Win32 program's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh

cmake --preset bench >/dev/null
cmake --build --preset bench
results=build/bench/core_bench.json
build/bench/tests/bench/core_bench --benchmark_out="$results" --benchmark_out_format=json "$@"
python3 - "$results" <<'PYTHON'
import json
import sys

runs = {run["name"]: run for run in json.load(open(sys.argv[1]))["benchmarks"]}
load = runs.get("BM_LoadScheduleFile/100000")
read = runs.get("BM_ReadScheduleFileBytes/100000")
if load and read:
    print("\nLoading 100 000 schedules with catch-up: %.2f ms, %.2f times only reading the file's bytes (%.2f ms);"
          " aim: within 2 times" % (load["real_time"], load["real_time"] / read["real_time"], read["real_time"]))
PYTHON

echo
echo "Start-up under Wine (x86_64 build in build/bench-win64):"
cmake --preset win64 -B build/bench-win64 >/dev/null
cmake --build build/bench-win64 -j2 --target startup_bench >/dev/null
export CORVANE_WINEPREFIX=${CORVANE_WINEPREFIX:-$root/build/bench-prefix}
# shellcheck source=tools/wine-session.sh
. tools/wine-session.sh
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
wine_session_start "$root"
/usr/lib/wine/wine64 build/bench-win64/bin/startup_bench.exe 15
