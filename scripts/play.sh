#!/usr/bin/env bash
# Builds the game in its own folder and starts it. build-play/ is never the
# test build: its preset (CMakePresets.json) spells out every option.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"
cmake --preset play >/dev/null
cmake --build --preset play
exec "$root/build-play/kvint"
