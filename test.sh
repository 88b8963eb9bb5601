#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, the Windows build's under Wine and the
# web page's in headless Chromium included. CI sets CI=1 to turn warnings into errors and to add
# the sanitizer build and the bounded fuzz runs, which `./test.sh --hardening` adds too.
set -euo pipefail
cd "$(dirname "$0")"
preset=dev
hardening=""
[ -n "${CI:-}" ] && preset=ci && hardening=1
[ "${1:-}" = "--hardening" ] && hardening=1
scripts/install-deps.sh test
scripts/build.sh "$preset"
ctest --preset "$preset" --parallel "$(nproc)"
if [ -n "${CI:-}" ]; then
    # The command line alone configures and builds where neither Qt nor SQLite can be found.
    scripts/build.sh cli-only schattwerk
fi
# The suites again, built for Windows and run under Wine, with the installer and the zip.
scripts/build.sh windows
SCHATTWERK_CLI="$PWD/build/$preset/bin/schattwerk" ctest --preset windows --parallel "$(nproc)"
# The page's cases must be those of this build's command line.
scripts/build.sh web
SCHATTWERK_CLI="$PWD/build/$preset/bin/schattwerk" ctest --preset web --parallel "$(nproc)"
if [ -n "$hardening" ]; then
    scripts/build.sh sanitize
    ctest --preset sanitize --parallel "$(nproc)"
    scripts/build.sh fuzz
    ctest --preset fuzz --parallel "$(nproc)"
fi
