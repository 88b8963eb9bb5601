#!/usr/bin/env bash
# Configures (once) and builds one preset of CMakePresets.json: everything, or the given targets.
# Usage: scripts/build.sh <preset> [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="$1"
shift
[ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
if [ $# -gt 0 ]; then
    cmake --build --preset "$preset" --target "$@"
else
    cmake --build --preset "$preset"
fi
