#!/usr/bin/env bash
# Takes the Windows program's windows under Wine, framed and captioned by a window manager, for the
# documentation: windows-main-solution.png, windows-hint-entry.png, windows-error-box.png and
# windows-about.png. Keys drive the program from the build as a player would; each case is new.
# Usage: tests/screenshots/windows-screenshots.sh [folder, docs/screenshots unless given]
#        (after cmake --build --preset windows and scripts/install-deps.sh bench)
set -euo pipefail
cd "$(dirname "$0")/../.."
folder="$(realpath "${1:-docs/screenshots}")"
build=build/windows
program="$build/bin/schattwerk-generator.exe"
# shellcheck source=scripts/wine-desktop.sh
source scripts/wine-desktop.sh
wine_desktop_need import imagemagick
[ -f "$program" ] || { echo "No $program: build the preset windows first" >&2; exit 1; }
mkdir -p "$folder"

wine_desktop_start "$build" "$build/screenshots"
trap wine_desktop_stop EXIT

# The shown window of this caption, once it had time to paint.
shown() {
    timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" ||
        { echo "No window \"$1\" within 30 s" >&2; exit 1; }
    sleep 1
}
# A window with its frame, in at most 256 colours and without a time stamp.
save() {
    import -window "$1" -frame -strip -define png:exclude-chunks=date,time \
        "PNG8:$folder/windows-$2.png"
    echo "Wrote $folder/windows-$2.png"
}
# Keys with time between them for the program to answer each.
keys() {
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.3
    done
}

wine "$program" </dev/null >>"$wine_desktop_log" 2>&1 &
main=$(shown Dornak-Schattwerk-Generator)
xdotool windowactivate --sync "$main"
# Aktion > Generieren, then "Anzeigen", one tab stop before "Generieren", which keeps the focus.
keys alt+a g shift+Tab space Tab
save "$main" main-solution

keys alt+a e
entry=$(shown "Hinweise eingeben")
for hint in 12 34 55 22 86 60 47 21; do
    xdotool type "$hint"
    keys Tab
done
save "$entry" hint-entry

# 12 is no statement of the first witness's.
keys Return
box=$(shown FEHLER)
save "$box" error-box
keys Return Escape

keys alt+h n
about=$(shown Info)
save "$about" about
keys Return Escape
