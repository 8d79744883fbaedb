#!/usr/bin/env bash
# Sets the computer's turn as kvint-script plays it against a second model of
# it written on its own (tools/twin/computer_twin.py): N random turns (random
# strength, columns, dice and queued random values, from the whole turn or a
# single check of the chain) through both, comparing the computer's column,
# its dice, the dice on view and the sounds. Prints
# "agreement: N scenarios, M differ" and the first differences; exit 1 when
# any differ, 77 when there is no python3.
#   scripts/twin-agreement.sh N          configures and builds build-release/ (its preset)
#   scripts/twin-agreement.sh N BUILD    takes a build folder holding kvint-script
#   KVINT_TWIN_SEED=S                    the scenarios' seed (default 1)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if (($# < 1)); then
    echo "usage: twin-agreement.sh N [BUILD]" >&2
    exit 2
fi
if ! command -v python3 >/dev/null; then
    echo "twin-agreement: no python3" >&2
    exit 77
fi
# Agreement is the same in any build, so a given folder is taken as it is,
# Release or not.
if (($# < 2)); then
    source "$root/scripts/release-build.sh"
    release_build twin-agreement
    cmake --build "$build" -j 2 --target kvint-script >/dev/null
else
    build=$(cd "$2" && pwd)
fi
exec python3 "$root/tools/twin/agreement.py" "$build/kvint-script" "$1" "${KVINT_TWIN_SEED:-1}"
