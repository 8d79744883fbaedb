#!/usr/bin/env bash
# The coach's duel once more, against a second model of the computer written on
# its own (tools/twin/computer_twin.py), the coach asked only through
# kvint-coach's queries in a pipe (tools/twin/duel.py). Prints
#   twin level L games N won W drawn D lost G score P %
# then kvint-coach's own `--duel L --games N --seed S` with its score, and how
# far apart the two scores are in standard errors of their difference.
# A drawn game counts half. Run the levels one after another: each takes minutes.
#   scripts/duel-twin.sh LEVEL GAMES SEED          configures and builds build-release/ (its preset)
#   scripts/duel-twin.sh LEVEL GAMES SEED BUILD    takes a configured Release build folder
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if (($# < 3)); then
    echo "usage: duel-twin.sh LEVEL GAMES SEED [BUILD]" >&2
    exit 2
fi
level=$1 games=$2 seed=$3
source "$root/scripts/release-build.sh"
release_build duel-twin "${4:-}"
cmake --build "$build" -j 2 --target kvint-coach >/dev/null

twin=$(python3 "$root/tools/twin/duel.py" "$build/kvint-coach" "$level" "$games" "$seed")
echo "$twin"
duel=$("$build/kvint-coach" --duel "$level" --games "$games" --seed "$seed")
# Each score is a mean of N results 1, 1/2 or 0; their spread gives the error.
awk -v twin="$twin" -v duel="$duel" 'BEGIN {
    split(twin, t, " "); split(duel, d, " ")
    n = d[5]; w = d[7]; dr = d[9]; l = d[11]
    p = (w + dr / 2) / n
    printf "%s score %.1f %%\n", duel, 100 * p
    m = t[5]; q = (t[7] + t[9] / 2) / m
    var = ((w + dr / 4) / n - p * p) / n + ((t[7] + t[9] / 4) / m - q * q) / m
    printf "twin - duel: %+.1f points, %.1f standard errors\n", 100 * (q - p), (q - p) / sqrt(var)
}'
