#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window. Without a display it says
# so and makes a new case with the command line instead. With --web it builds the web page and
# serves it on this machine alone.
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--web" ]; then
    scripts/install-deps.sh web
    scripts/build.sh web site
    echo "The page is at http://127.0.0.1:8080/ (Ctrl+C stops the server)"
    # As docs/deploying.md asks of any host: types, compressed forms, security and cache headers.
    exec /usr/bin/python3 web/serve.py build/web/site 8080
fi
scripts/install-deps.sh build
scripts/build.sh dev schattwerk-generator schattwerk help_pages
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here (DISPLAY is not set), so here is a new case from the command line:"
    exec build/dev/bin/schattwerk generate --solution
fi
exec build/dev/bin/schattwerk-generator
