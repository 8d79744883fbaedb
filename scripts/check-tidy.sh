#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over every folder it names
# (game/, computer/, coach/, ui/, tools/) and fails on any finding. Needs a
# configured build folder for its compile_commands.json (default build/, or
# the folder given as argument).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
if [[ ! -f $build/compile_commands.json ]]; then
    echo "check-tidy: no $build/compile_commands.json; configure that build first" >&2
    exit 1
fi
tidy=$(command -v run-clang-tidy || command -v run-clang-tidy-14 || true)
if [[ -z $tidy ]]; then
    echo "check-tidy: run-clang-tidy not found (package clang-tidy)" >&2
    exit 1
fi
"$tidy" -quiet -j "$(nproc)" -p "$build" "^$root/(game|computer|coach|ui|tools)/" >"$build/clang-tidy.log" 2>&1 || {
    grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u
    echo "check-tidy: findings above (full log: $build/clang-tidy.log)" >&2
    exit 1
}
echo "tidy: clean"
