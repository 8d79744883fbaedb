#!/usr/bin/env bash
# Builds everything and runs every test: the formatting and clang-tidy checks,
# the whole suite, the same suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded fuzz run of the script engine.
# Each build folder gets every option spelled out, so no cache left by an
# earlier configure (or by play.sh) can switch a stage's tests off.
#   KVINT_SOAK_GAMES=N     games per configuration in the whole-game soak (default 1000)
#   KVINT_FUZZ_SECONDS=N   length of the fuzz run (default 30)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== Formatting"
"$root/scripts/check-format.sh"

echo "== Build and test"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKVINT_BUILD_UI=ON -DKVINT_BUILD_TESTS=ON -DKVINT_SANITIZE=OFF -DKVINT_FUZZ=OFF \
    -DKVINT_WERROR=ON >/dev/null
cmake --build "$root/build" -j "$jobs"
ctest --test-dir "$root/build" --no-tests=error --output-on-failure -j "$jobs"

echo "== clang-tidy over the game core"
"$root/scripts/check-tidy.sh" "$root/build"

echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKVINT_BUILD_UI=ON -DKVINT_BUILD_TESTS=ON -DKVINT_SANITIZE=ON -DKVINT_FUZZ=OFF \
    -DKVINT_WERROR=OFF >/dev/null
cmake --build "$root/build-asan" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$root/build-asan" --no-tests=error --output-on-failure -j "$jobs"

echo "== Fuzzing the script engine for ${KVINT_FUZZ_SECONDS:-30} s"
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVINT_BUILD_UI=OFF -DKVINT_BUILD_TESTS=OFF \
    -DKVINT_SANITIZE=OFF -DKVINT_FUZZ=ON -DKVINT_WERROR=OFF >/dev/null
cmake --build "$root/build-fuzz" -j "$jobs" --target kvint-fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$root"/tests/golden/*.kvs "$work/corpus"/
if ! (cd "$work" && "$root/build-fuzz/kvint-fuzz" -max_total_time="${KVINT_FUZZ_SECONDS:-30}" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$root/build-fuzz/" \
    corpus >fuzz.log 2>&1); then
    tail -n 60 "$work/fuzz.log"
    echo "fuzz: 0 passed, 1 failed"
    exit 1
fi
grep -E '^(Done|stat::number_of_executed_units)' "$work/fuzz.log"
echo "fuzz: 1 passed, 0 failed"
