#!/usr/bin/env bash
# How much CPU the game takes to put its window on screen, against a bare Qt
# window with the same controls: both quit at their first paint, under the
# offscreen platform, run in interleaved pairs (the order swapping from pair
# to pair). Prints the CPU time (user + system) of each, and as its last line
# "start cpu ratio R": the median over the pairs of game / bare.
#   scripts/bench-start.sh          configures and builds build-release/ (its preset)
#   scripts/bench-start.sh BUILD    takes a configured Release build folder
#   KVINT_BENCH_PAIRS=N             pairs to run (default 21, at least 15)
# Settings, statistics and caches go to a temporary folder, never the user's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
pairs=${KVINT_BENCH_PAIRS:-21}
if ((pairs < 15)); then
    echo "bench-start: at least 15 pairs make a median worth reading" >&2
    exit 2
fi

source "$root/scripts/release-build.sh"
release_build bench-start "${1:-}"
cmake --build "$build" -j "$(nproc)" --target kvint kvint-bench-bare kvint-cpu-time >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache

# Prints the CPU time of one run in microseconds.
cpu() {
    local times
    if ! times=$(timeout 60 "$build/kvint-cpu-time" "$@" 2>>"$work/log"); then
        echo "bench-start: $* failed:" >&2
        cat "$work/log" >&2
        exit 1
    fi
    awk 'END { print $1 + $2 }' <<<"$times"
}
bare() { cpu "$build/kvint-bench-bare"; }
game() { cpu "$build/kvint" --quit-after-first-paint; }

bare >/dev/null # the first runs fill the caches
game >/dev/null
for ((i = 0; i < pairs; ++i)); do
    if ((i % 2 == 0)); then
        b=$(bare)
        g=$(game)
    else
        g=$(game)
        b=$(bare)
    fi
    echo "$b $g"
done >"$work/pairs"

# Nearest-rank percentiles of one column.
stats() {
    sort -g | awk -v what="$1" -v scale="$2" -v digits="$3" '
        { v[NR] = $1 * scale }
        function at(p) { i = int(p * NR + 0.999999); return v[i < 1 ? 1 : i] }
        END { printf "%-18s p10 %." digits "f  median %." digits "f  p90 %." digits "f  (%d runs)\n",
                     what, at(0.1), at(0.5), at(0.9), NR }'
}
awk '{ print $1 }' "$work/pairs" | stats "bare window ms" 0.001 1
awk '{ print $2 }' "$work/pairs" | stats "kvint ms" 0.001 1
awk '{ print $2 / $1 }' "$work/pairs" | stats "ratio" 1 3
ratio=$(awk '{ print $2 / $1 }' "$work/pairs" | sort -g |
    awk '{ v[NR] = $1 } END { printf "%.3f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "start cpu ratio $ratio"
