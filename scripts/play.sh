#!/usr/bin/env bash
# Builds the game in its own folder and starts it. build-play/ is never the
# test build, so the options it needs cannot leak into the test command's cache.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build-play" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKVINT_BUILD_UI=ON -DKVINT_BUILD_TESTS=OFF -DKVINT_SANITIZE=OFF -DKVINT_FUZZ=OFF >/dev/null
cmake --build "$root/build-play" --target kvint assets
exec "$root/build-play/kvint"
