#!/usr/bin/env bash
# Runs each libFuzzer target of build/fuzz for the given number of seconds
# (default 10), from its seed corpus; a longer run: tools/fuzz.sh 600
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-10}
for target in "$root"/build/fuzz/tests/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$root/build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    cp -n "$root"/tests/fuzz/seeds/"${name#fuzz_}"/* "$corpus"/ 2>/dev/null || true
    echo "$name: ${seconds} s"
    "$target" -max_total_time="$seconds" -print_final_stats=0 "$corpus" 2>"$root/build/fuzz/$name.log" ||
        { tail -40 "$root/build/fuzz/$name.log"; exit 1; }
    grep -E '^#[0-9]+ +DONE' "$root/build/fuzz/$name.log" || tail -1 "$root/build/fuzz/$name.log"
done
