#!/usr/bin/env bash
# Renders the icon's images from its drawing (needs rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 128; do
    rsvg-convert -w "$size" -h "$size" schattwerk.svg -o "schattwerk-$size.png"
done
