#!/usr/bin/env bash
# Draws the screenshots the metainfo lists into data/screenshots/VIEW.png: the
# main window in each view at one set position (tools/screenshot/position.kvs,
# played by kvint-script's engine), at 200 %, under the offscreen platform.
#   scripts/screenshots.sh          configures and builds build-play/ (its preset)
#   scripts/screenshots.sh BUILD    takes a configured build folder
#   KVINT_VIEWS="classic ..."       the views to draw (default: classic modern)
# Settings and statistics go to a temporary folder, never the user's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ -n ${1:-} ]]; then
    build=$(cd "$1" && pwd)
else
    (cd "$root" && cmake --preset play >/dev/null)
    build=$root/build-play
fi
cmake --build "$build" -j 2 --target kvint-screenshot >/dev/null
read -r -a views <<<"${KVINT_VIEWS:-classic modern}"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
mkdir -p "$root/data/screenshots"
for view in "${views[@]}"; do
    out=$root/data/screenshots/$view.png
    if ! QT_QPA_PLATFORM=offscreen "$build/kvint-screenshot" --assets "$build" --view "$view" \
        --zoom 200 --position "$root/tools/screenshot/position.kvs" --out "$out" 2>"$log"; then
        cat "$log" >&2
        exit 1
    fi
    echo "data/screenshots/$view.png $(stat -c %s "$out") bytes"
done
