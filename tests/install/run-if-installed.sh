#!/usr/bin/env bash
# Runs a command when its program is installed; otherwise says which Debian package brings it and
# exits with 77, which CTest counts as skipped.
# Usage: run-if-installed.sh <Debian package> <program> [argument...]
set -euo pipefail
package="$1"
shift
if ! command -v "$1" >/dev/null; then
    echo "Skipped: $1 is missing (Debian package $package; scripts/install-deps.sh test installs it)"
    exit 77
fi
exec "$@"
