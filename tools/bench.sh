#!/usr/bin/env bash
# Builds the benchmarks optimised and without sanitizers and runs them in one
# go: the core benchmarks (arguments go to them), the schedule load as a ratio
# to only reading the same file, and, under Wine on a private X display in a
# prefix of its own (build/bench-prefix), corvane.exe's start-up time, idle
# working set and idle wake-ups beside a bare Win32 program's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh

cmake --preset bench >/dev/null
cmake --build --preset bench
results=build/bench/core_bench.json
build/bench/tests/bench/core_bench --benchmark_out="$results" --benchmark_out_format=json "$@"

# The schedule load against only reading the same bytes, in interleaved rounds
# so that both see the same load on the machine; each round's ratio counts.
load_rounds=${CORVANE_LOAD_ROUNDS:-40}
load_results=build/bench/load_ratio.json
build/bench/tests/bench/core_bench --benchmark_filter='^BM_(LoadScheduleFile|ReadScheduleFileBytes)/100000$' \
    --benchmark_repetitions="$load_rounds" --benchmark_enable_random_interleaving=true --benchmark_min_time=0.1 \
    --benchmark_out="$load_results" --benchmark_out_format=json >/dev/null
python3 - "$load_results" <<'PYTHON'
import json
import statistics
import sys

aim = 10.0
times = {}
for run in json.load(open(sys.argv[1]))["benchmarks"]:
    if run.get("run_type") == "iteration":
        times.setdefault(run["run_name"], []).append(run["real_time"])
load = times["BM_LoadScheduleFile/100000"]
read = times["BM_ReadScheduleFileBytes/100000"]
ratios = [l / r for l, r in zip(load, read)]

def spread(values, unit=""):
    return "min %.3f%s, median %.3f%s, max %.3f%s" % (min(values), unit, statistics.median(values), unit,
                                                      max(values), unit)

median = statistics.median(ratios)
print("\nLoading 100 000 schedules with catch-up (%d rounds): %s" % (len(load), spread(load, " ms")))
print("Only reading the same file's bytes: %s" % spread(read, " ms"))
print("Load ratio: %s; aim: within %g times: %s" % (spread(ratios), aim, "met" if median <= aim else "NOT met"))
PYTHON

# Start-up and working set under Wine: the x86_64 build, and the i686 build
# (the one users run) where this machine runs 32-bit programs.
i686=false
if tools/runs-i386.sh && [ -x /usr/lib/wine/wine ]; then i686=true; fi
cmake --preset win64 -B build/bench-win64 >/dev/null
cmake --build build/bench-win64 -j2 --target startup_bench >/dev/null
if $i686; then
    cmake --preset win32 -B build/bench-win32 >/dev/null
    cmake --build build/bench-win32 -j2 --target startup_bench >/dev/null
fi
export CORVANE_WINEPREFIX=${CORVANE_WINEPREFIX:-$root/build/bench-prefix}
# shellcheck source=tools/wine-session.sh
. tools/wine-session.sh
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
wine_session_start "$root"
rounds=${CORVANE_START_ROUNDS:-31}
echo
echo "Start-up under Wine, x86_64 build (build/bench-win64):"
/usr/lib/wine/wine64 build/bench-win64/bin/startup_bench.exe "$rounds"
if $i686; then
    echo
    echo "Start-up under 32-bit Wine, i686 build (build/bench-win32):"
    wine build/bench-win32/bin/startup_bench.exe "$rounds"
else
    echo "The i686 build's start-up is not measured: this machine's kernel refuses 32-bit programs."
fi

# Idle wake-ups under Wine: every context switch of each program's threads
# over a few minutes in which nothing is due (no schedules), per hour; under
# Wine one wake of a timer costs about 5. Each program is found among this
# session's processes by its command line. CORVANE_IDLE_SECONDS sets the time.
idle_seconds=${CORVANE_IDLE_SECONDS:-240}
session_pids() {
    local pid
    for pid in $(pgrep -f -- "$1"); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then echo "$pid"; fi
    done
}
context_switches() {
    local pid total=0
    for pid in "$@"; do
        total=$((total + $(cat /proc/"$pid"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { print n + 0 }')))
    done
    echo "$total"
}
idle_wakeups() {
    local line bare="" corvane="" bare_start=0 corvane_start=0
    "$@" idle "$idle_seconds" | while read -r line; do
        # shellcheck disable=SC2086
        case ${line%$'\r'} in
            idle-begin)
                bare=$(session_pids 'bare_window\.exe')
                corvane=$(session_pids 'Corvane Bench.corvane\.exe')
                bare_start=$(context_switches $bare)
                corvane_start=$(context_switches $corvane)
                ;;
            idle-end)
                awk -v b="$(($(context_switches $bare) - bare_start))" -v c="$(($(context_switches $corvane) - corvane_start))" \
                    -v s="$idle_seconds" 'BEGIN {
                        printf "  idle wake-ups per hour, as context switches over %d s with nothing due\n", s
                        printf "    bare     %.0f\n    corvane  %.0f; aim: at most 1: %s\n", b * 3600 / s, c * 3600 / s,
                               c * 3600 / s <= 1 ? "met" : "NOT met" }'
                ;;
        esac
    done
}
echo
echo "Idle under Wine, x86_64 build:"
idle_wakeups /usr/lib/wine/wine64 build/bench-win64/bin/startup_bench.exe
