#!/usr/bin/env bash
# Runs each libFuzzer target of build/fuzz from its seed corpus for the given
# number of seconds (default 10), or until the given number of executions:
#   tools/fuzz.sh               10 s each (the test command's run)
#   tools/fuzz.sh 600           a longer run
#   tools/fuzz.sh 0 10000000    ten million executions each, however long
# A third argument names one target (fuzz_settings). Each target's execution
# count is printed; a crash or sanitizer report ends the run with its log.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-10}
runs=${2:--1}
only=${3:-}
for target in "$root"/build/fuzz/tests/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    [ -z "$only" ] || [ "$only" = "$name" ] || continue
    corpus="$root/build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    cp -n "$root"/tests/fuzz/seeds/"${name#fuzz_}"/* "$corpus"/ 2>/dev/null || true
    log="$root/build/fuzz/$name.log"
    "$target" -max_total_time="$seconds" -runs="$runs" -print_final_stats=1 \
        -artifact_prefix="$root/build/fuzz/$name-" "$corpus" 2>"$log" ||
        { tail -40 "$log"; exit 1; }
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$name: ${executions:-?} executions in $(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log") s"
done
