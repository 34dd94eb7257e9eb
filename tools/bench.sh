#!/usr/bin/env bash
# Builds the benchmarks optimised and without sanitizers, and runs them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench
build/bench/tests/bench/core_bench "$@"
