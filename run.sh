#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window. Without a display it says
# so and makes a new case with the command line instead.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh build
scripts/build.sh dev schattwerk-generator schattwerk help_pages
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here (DISPLAY is not set), so here is a new case from the command line:"
    exec build/dev/bin/schattwerk generate --solution
fi
exec build/dev/bin/schattwerk-generator
