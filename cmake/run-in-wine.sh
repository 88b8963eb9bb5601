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

# When process $1 started, in clock ticks since boot: a later process of the same number started
# later.
started() {
    sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f20
}

# Keeps a connection to display :$1 open until this run ends, since the display ends with its
# last connection; false when the display does not answer. xprop names what it looks for as soon
# as it is connected, and then waits for changes.
hold=""
hold_display() {
    hold_log="$prefix.hold-$$"
    xprop -display ":$1" -root -spy WM_NAME </dev/null >"$hold_log" 2>&1 9>&- &
    hold=$!
    until [ -s "$hold_log" ] || ! kill -0 "$hold" 2>/dev/null; do
        sleep 0.05
    done
    if grep -q '^WM_NAME' "$hold_log" && kill -0 "$hold" 2>/dev/null; then
        return 0
    fi
    release_display
    return 1
}
release_display() {
    if [ -n "$hold" ]; then
        kill "$hold" 2>/dev/null || true
        wait "$hold" 2>/dev/null || true
    fi
    hold=""
    rm -f "$prefix.hold-$$"
}
trap release_display EXIT

# The prefix's Xvfb: it picks a free display number itself (-displayfd), so that Xvfbs of other
# prefixes starting at the same time cannot take the same one, and it ends once its last
# connection goes (Wine's desktop process, which lives as long as the Wine server, and the one of
# each run). "number process start" in $prefix.display names it.
use_display() {
    if [ -f "$prefix.display" ]; then
        read -r number pid start <"$prefix.display"
        if [ -n "$start" ] && [ "$(started "$pid")" = "$start" ] && hold_display "$number"; then
            DISPLAY=":$number"
            export DISPLAY
            return
        fi
    fi
    rm -f "$prefix.display" "$prefix.display-number"
    # Started directly, not through quietly: a shell in between would keep the test's output
    # pipe, for which CTest waits, open for as long as the display lives.
    Xvfb -displayfd 8 -screen 0 1280x1024x24 -nolisten tcp -terminate \
        8>"$prefix.display-number" </dev/null >>"$prefix.log" 2>&1 9>&- &
    pid=$!
    until [ -s "$prefix.display-number" ]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "Xvfb did not start; $prefix.log says why" >&2
            exit 1
        fi
        sleep 0.05
    done
    number=$(cat "$prefix.display-number")
    echo "$number $pid $(started "$pid")" >"$prefix.display"
    if ! hold_display "$number"; then
        echo "Xvfb on :$number does not answer; $prefix.log says why" >&2
        exit 1
    fi
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

status=0
wine "$@" || status=$?
exit "$status"
