#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. CI sets CI=1 to turn warnings into errors.
set -euo pipefail
cd "$(dirname "$0")"
preset=dev
[ -n "${CI:-}" ] && preset=ci
scripts/install-deps.sh test
scripts/build.sh "$preset"
ctest --preset "$preset" --parallel "$(nproc)"
