#!/usr/bin/env bash
# Fails when a source file differs from what clang-format makes of it with the
# repository's .clang-format. `clang-format -i` on the named files mends them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
find game computer ui tools tests -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
    sort -z | xargs -0 clang-format --dry-run -Werror
echo "format: clean"
