#!/usr/bin/env bash
# Configures (once) and builds one preset of CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="$1"
[ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
