#!/usr/bin/env bash
# Renders the page's icons from the program's drawing (needs rsvg-convert and pngquant, Debian
# packages librsvg2-bin and pngquant). The maskable one puts the drawing inside the middle 80 %
# that every mask keeps, on the drawing's own dark blue.
set -euo pipefail
cd "$(dirname "$0")"
drawing=../../src/app/icons/schattwerk.svg
maskable="$(mktemp --suffix=.svg)"
trap 'rm -f "$maskable"' EXIT
{
    echo '<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">'
    echo '<rect width="48" height="48" fill="#1c2340"/><g transform="translate(9.6 9.6) scale(0.6)">'
    sed -e '1,/<svg /d' -e '/<\/svg>/d' "$drawing"
    echo '</g></svg>'
} >"$maskable"
render() {
    rsvg-convert -w "$2" -h "$2" "$1" | pngquant --strip --quality 70-95 - >"$3"
}
render "$drawing" 192 schattwerk-192.png
render "$drawing" 512 schattwerk-512.png
render "$maskable" 512 schattwerk-maskable-512.png
