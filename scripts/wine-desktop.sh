# shellcheck shell=bash
# Sourced by the scripts that show the Windows build's programs as on a desktop: an X server of
# their own with a window manager (openbox), so that windows have frames and captions, and Wine
# in a copy of the build's prefix with one server kept running.
#   wine_desktop_start <build folder> <work folder>   exports DISPLAY and WINEPREFIX, and sets
#                                     wine_desktop_log, the file for the output of Wine's programs
#   wine_desktop_stop                 ends Wine, the window manager and the X server; removes the work

wine_desktop_need() {
    command -v "$1" >/dev/null && return
    echo "$1 is missing (Debian package $2; scripts/install-deps.sh bench installs it)" >&2
    exit 1
}

wine_desktop_start() {
    local prefix
    prefix="$(realpath "$1")/wine-prefix"
    wine_desktop_need Xvfb xvfb
    wine_desktop_need openbox openbox
    wine_desktop_need xdotool xdotool
    wine_desktop_need xprop x11-utils
    rm -rf "$2"
    mkdir -p "$2"
    wine_desktop_work="$(realpath "$2")"
    wine_desktop_log="$wine_desktop_work/wine.log"

    # The build's prefix, with Wine's fonts, is made on first use under a lock that the copy also
    # takes. In a copy, these windows, their server and the settings they write stay apart from
    # the tests', which may run meanwhile.
    "$(dirname "${BASH_SOURCE[0]}")/../cmake/run-in-wine.sh" "$prefix" cmd /c exit
    flock "$prefix.lock" cp -a "$prefix" "$wine_desktop_work/prefix"
    export WINEPREFIX="$wine_desktop_work/prefix" WINEDEBUG=-all
    export WINEDLLOVERRIDES="winemenubuilder.exe="
    unset WAYLAND_DISPLAY

    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$wine_desktop_work/display" \
        </dev/null >"$wine_desktop_work/xvfb.log" 2>&1 &
    wine_desktop_xvfb=$!
    for _ in $(seq 50); do
        [ -s "$wine_desktop_work/display" ] && break
        sleep 0.1
    done
    DISPLAY=":$(cat "$wine_desktop_work/display")"
    export DISPLAY

    # The system's configuration with the close box only: the dialogs can be neither minimised
    # nor maximised, and a narrow one's caption keeps its room.
    sed 's|<titleLayout>[A-Z]*</titleLayout>|<titleLayout>NLC</titleLayout>|' \
        /etc/xdg/openbox/rc.xml >"$wine_desktop_work/openbox.xml"
    openbox --config-file "$wine_desktop_work/openbox.xml" </dev/null \
        >"$wine_desktop_work/openbox.log" 2>&1 &
    wine_desktop_wm=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done

    # One server for every program that follows, and a desktop that stays up between them, as
    # Windows' shell keeps it: Wine ends its desktop process a second after the last program on it,
    # and starting it again would count in the next program's start-up. A command prompt that
    # waits on a pipe holds the desktop; its answer tells that it and the desktop are up.
    wineserver -p
    mkfifo "$wine_desktop_work/keeper"
    exec {wine_desktop_keeper}<>"$wine_desktop_work/keeper"
    wine cmd <"$wine_desktop_work/keeper" >"$wine_desktop_work/keeper.log" 2>&1 &
    echo "echo desktop-up" >&"$wine_desktop_keeper"
    for _ in $(seq 300); do
        grep -q '^desktop-up' "$wine_desktop_work/keeper.log" && break
        sleep 0.1
    done
    wine rundll32.exe user32.dll,GetDesktopWindow </dev/null >>"$wine_desktop_log" 2>&1
}

wine_desktop_stop() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    [ -z "${wine_desktop_keeper:-}" ] || exec {wine_desktop_keeper}>&-
    kill "$wine_desktop_wm" "$wine_desktop_xvfb" 2>/dev/null || true
    wait "$wine_desktop_wm" "$wine_desktop_xvfb" 2>/dev/null || true
    rm -rf "$wine_desktop_work"
}
