#!/bin/sh
# Runs a Windows program under Wine for CTest and test discovery, in the given Wine prefix (the
# build's own), made on first use and kept, on a virtual display of the prefix's own; the
# program's exit code is the script's.
# Usage: run-in-wine.sh <prefix folder> <program.exe> [argument...]
set -eu
prefix="$1"
shift
# No menu entries or file types of Windows programs in the user's home folder.
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe="
unset WAYLAND_DISPLAY

# Runs a Wine tool with no test's output pipe (which CTest would wait on while a process Wine
# starts still holds it) and without the lock, logging into the prefix's log file.
quietly() {
    "$@" </dev/null >>"$prefix.log" 2>&1 9>&-
}

# The prefix's Xvfb, started by the first program that finds none; it ends by itself once Wine's
# last connection (the server's, 30 s after the last program) is gone.
use_display() {
    if [ -f "$prefix.display" ]; then
        number=$(cut -d' ' -f1 "$prefix.display")
        # The socket as well as the process: a process number is reused once its process ends.
        if kill -0 "$(cut -d' ' -f2 "$prefix.display")" 2>/dev/null &&
            [ -e "/tmp/.X11-unix/X$number" ]; then
            DISPLAY=":$number"
            export DISPLAY
            return
        fi
    fi
    number=90
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
        number=$((number + 1))
    done
    # Started directly, not through quietly: a shell in between would keep the test's output
    # pipe, for which CTest waits, open for as long as the display lives.
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -terminate \
        </dev/null >>"$prefix.log" 2>&1 9>&- &
    echo "$number $!" >"$prefix.display"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        sleep 0.1
    done
    DISPLAY=":$number"
    export DISPLAY
}

# Tests run in parallel: one of them makes the prefix and starts the server, the others wait.
exec 9>"$prefix.lock"
flock 9
use_display
if [ ! -f "$prefix/.made" ]; then
    rm -rf "$prefix" "$prefix.log"
    # Without the installers of Mono and Gecko, which would ask on screen.
    if ! WINEDLLOVERRIDES="mscoree,mshtml,$WINEDLLOVERRIDES" quietly wineboot --init ||
        ! quietly wineserver -w; then
        cat "$prefix.log" >&2
        exit 1
    fi
    # Wine's own fonts, among them "MS Sans Serif", which the dialogs name.
    cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
    touch "$prefix/.made"
fi
# A server that stays a while after its last program, so that each test need not start one,
# with the helper processes that Wine starts beside a server's first program.
if quietly wineserver -p30; then
    quietly wine cmd /c exit
fi
flock -u 9
exec 9>&-

exec wine "$@"
