#!/usr/bin/env bash
# Installs what is missing, builds, and makes a new case with its solution.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh build
scripts/build.sh dev
exec build/dev/bin/schattwerk generate --solution
