#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DKVINT_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build" --target kvint assets
exec "$root/build/kvint"
