#!/bin/sh
# Runs a Windows program under Wine for CTest and test discovery, in the given Wine prefix (the
# build's own), made on first use and kept; the program's exit code is the script's.
# Usage: run-in-wine.sh <prefix folder> <program.exe> [argument...]
set -eu
prefix="$1"
shift
# No menu entries or file types of Windows programs in the user's home folder.
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe="
# The programs tested here are console programs; Wine must not look for a display.
unset DISPLAY WAYLAND_DISPLAY

# Runs a Wine tool with no test's output pipe (which CTest would wait on while a process Wine
# starts still holds it) and without the lock, logging into the prefix's log file.
quietly() {
    "$@" </dev/null >>"$prefix.log" 2>&1 9>&-
}

# Tests run in parallel: one of them makes the prefix and starts the server, the others wait.
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/.made" ]; then
    rm -rf "$prefix" "$prefix.log"
    # Without the installers of Mono and Gecko, which would ask on screen.
    if ! WINEDLLOVERRIDES="mscoree,mshtml,$WINEDLLOVERRIDES" quietly wineboot --init ||
        ! quietly wineserver -w; then
        cat "$prefix.log" >&2
        exit 1
    fi
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
