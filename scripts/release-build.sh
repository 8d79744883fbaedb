# shellcheck shell=bash
# Sourced by the scripts that time the program or play it out at length: sets
# `build` to the Release folder they work in, the one given on their command
# line or build-release/ configured from its preset.
#   release_build NAME [BUILD]
release_build() {
    local name=$1 given=${2:-} type
    if [[ -z $given ]]; then
        (cd "${root:?}" && cmake --preset release >/dev/null)
        build=$root/build-release
        return
    fi
    build=$(cd "$given" && pwd)
    type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
    if [[ $type != Release ]]; then
        echo "$name: $build is a '$type' build, not Release: it runs slower" >&2
    fi
}
