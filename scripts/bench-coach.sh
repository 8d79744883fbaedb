#!/usr/bin/env bash
# How fast the coach answers and how much memory it takes, on a fixed set of
# positions from duel-like games (tools/bench/coach_positions.cpp, the same
# on every machine). Prints the time to build the coach, the answers per
# second and the median, 99th percentile and largest answer time, each answer
# timed on its own (tools/bench/coach_timing.cpp); then the whole kvint-coach
# over the same queries under /usr/bin/time: its queries per second and its
# peak memory. The budgets are: an answer in 2 ms at the median and 20 ms at
# the 99th percentile, the coach built in 2 s, 64 MB of memory.
#   scripts/bench-coach.sh          configures and builds build-release/ (its preset)
#   scripts/bench-coach.sh BUILD    takes a configured Release build folder
#   KVINT_BENCH_POSITIONS=N         positions to ask about (default 20000)
#   KVINT_BENCH_SEED=S              the positions' seed (default 1)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
count=${KVINT_BENCH_POSITIONS:-20000}
seed=${KVINT_BENCH_SEED:-1}

source "$root/scripts/release-build.sh"
release_build bench-coach "${1:-}"
cmake --build "$build" -j "$(nproc)" --target kvint-coach coach-positions coach-timing >/dev/null
if [[ ! -x /usr/bin/time ]]; then
    echo "bench-coach: /usr/bin/time not found (package time)" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/coach-positions" "$count" "$seed" >"$work/positions.kvc"
echo "positions: $count from coach-positions $count $seed"
"$build/coach-timing" "$work/positions.kvc"

start=$(date +%s%N)
/usr/bin/time -v -o "$work/time" "$build/kvint-coach" "$work/positions.kvc" >"$work/answers"
end=$(date +%s%N)
answers=$(wc -l <"$work/answers")
if ((answers != count)); then
    echo "bench-coach: $answers answers to $count queries" >&2
    exit 1
fi
awk -v n="$count" -v ns=$((end - start)) \
    'BEGIN { printf "kvint-coach: %d answers in %.2f s, %.0f queries per second\n", n, ns / 1e9, n / (ns / 1e9) }'
awk -F': ' '/Maximum resident set size/ { printf "kvint-coach peak memory %.1f MB\n", $2 / 1024 }' "$work/time"
