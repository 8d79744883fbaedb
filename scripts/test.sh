#!/usr/bin/env bash
# Builds everything and runs every test: the formatting and clang-tidy checks,
# the whole suite, the same suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded fuzz run of the script engine.
# Each build folder is configured from its preset in CMakePresets.json, which
# spells out every option, so no cache left by an earlier configure (or by
# play.sh) can switch a stage's tests off.
#   --quick                only the formatting check and the whole suite in build/
#   KVINT_SOAK_GAMES=N     games per configuration in the whole-game soak (default 1000)
#   KVINT_FUZZ_SECONDS=N   length of the fuzz run (default 30)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

quick=false
case ${1:-} in
'') ;;
--quick) quick=true ;;
*)
    echo "usage: $0 [--quick]" >&2
    exit 2
    ;;
esac

"$root/scripts/setup.sh"
cd "$root"
jobs=$(nproc)
times=()
work=$(mktemp -d)
tidy_pid=
cleanup() {
    if [[ -n $tidy_pid ]]; then
        kill -- "-$tidy_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# stage NAME COMMAND...: runs one stage and keeps its time for the summary.
stage() {
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    "$@"
    times+=("$(printf '%5d s  %s' $((SECONDS - start)) "$name")")
}

suite() {
    local preset=$1
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
}

fuzz() {
    local seconds=${KVINT_FUZZ_SECONDS:-30}
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz -j "$jobs"
    mkdir "$work/corpus"
    cp "$root"/tests/golden/*.kvs "$work/corpus"/
    if ! (cd "$work" && "$root/build-fuzz/kvint-fuzz" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$root/build-fuzz/" \
        corpus >fuzz.log 2>&1); then
        tail -n 60 "$work/fuzz.log"
        echo "fuzz: 0 passed, 1 failed"
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$work/fuzz.log"
    echo "fuzz: 1 passed, 0 failed"
}

# clang-tidy needs only build/'s compile commands, so it runs beside the
# sanitizer and fuzz stages at a lower priority and takes up the cores they
# leave idle (links, the fuzzer's single thread); its own process group lets
# a failing stage stop it.
tidy_wait() {
    local status=0
    wait "$tidy_pid" || status=$?
    tidy_pid=
    cat "$work/tidy.log"
    return "$status"
}

stage "Formatting" "$root/scripts/check-format.sh"
stage "Build and test" suite test
if ! $quick; then
    # A session of its own is also a scheduling group of its own where the
    # kernel groups by session, and there nice alone weighs nothing against
    # the build: the group is niced as well.
    setsid bash -c 'echo 10 >/proc/self/autogroup 2>/dev/null; exec nice -n 10 "$@"' tidy \
        "$root/scripts/check-tidy.sh" "$root/build" >"$work/tidy.log" 2>&1 &
    tidy_pid=$!
    stage "The same tests under AddressSanitizer and UndefinedBehaviorSanitizer" suite asan
    stage "Fuzzing the script engine for ${KVINT_FUZZ_SECONDS:-30} s" fuzz
    stage "clang-tidy (the rest of it, begun with the sanitizer stage)" tidy_wait
fi
echo "== Times"
printf '%s\n' "${times[@]}"
echo "stages: ${#times[@]} passed, 0 failed"
