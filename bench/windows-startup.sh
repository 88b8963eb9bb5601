#!/usr/bin/env bash
# Start-up of the Windows program under Wine beside a bare Win32 dialog (bare_win32_dialog.exe):
# from starting `wine` to the program's window mapped on an X server with a window manager, with
# one Wine server kept running, the two taken in turn; and the sizes of the executables and
# packages. Prints "name value" lines, times in milliseconds and sizes in bytes, for measure.sh.
# Usage: bench/windows-startup.sh [runs of each, 20 unless given]
#        (after cmake --build --preset windows and scripts/install-deps.sh bench)
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
runs="${1:-20}"
warmups=3
build=build/windows
program="$build/bin/schattwerk-generator.exe"
bare="$build/bench/bare_win32_dialog.exe"
declare -A exe=([program]="$program" [bare]="$bare")
declare -A caption=([program]=Dornak-Schattwerk-Generator [bare]="Bare Win32 dialog")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
package="$build/package/schattwerk-generator-$version-x64"
# shellcheck source=scripts/wine-desktop.sh
source scripts/wine-desktop.sh
wine_desktop_need xev x11-utils
for file in "$program" "$bare" "$package.msi" "$package.zip"; do
    [ -f "$file" ] || { echo "No $file: build the preset windows first" >&2; exit 1; }
done

wine_desktop_start "$build" "$build/bench/windows-startup"
finish() {
    [ -z "${xev:-}" ] || kill "$xev" 2>/dev/null || true
    wine_desktop_stop
}
trap finish EXIT
# Each window mapped on the screen, as it happens: xev's report of the root window's children,
# which are the window manager's frames.
mkfifo "$wine_desktop_work/events"
stdbuf -oL xev -root -event substructure >"$wine_desktop_work/events" &
xev=$!
exec 4<"$wine_desktop_work/events"

# The milliseconds from starting the program or the bare dialog to its window being mapped; it
# is then ended.
time_to_shown() {
    local line start shown pid
    # What the last run's end reported.
    while read -r -t 0.3 -u 4 line; do :; done
    start=$EPOCHREALTIME
    wine "${exe[$1]}" </dev/null >>"$wine_desktop_log" 2>&1 &
    pid=$!
    while :; do
        read -r -t 30 -u 4 line || { echo "No window of ${exe[$1]} within 30 s" >&2; exit 1; }
        [[ $line == MapNotify* ]] || continue
        shown=$EPOCHREALTIME
        xdotool search --onlyvisible --name "^${caption[$1]}\$" >/dev/null && break
    done
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v a="$start" -v b="$shown" 'BEGIN {printf "%.1f\n", (b - a) * 1000}'
}

# Median, quartiles and extremes of a list of numbers.
statistics() {
    sort -n | awk -v name="$1" '
        { v[NR] = $1 }
        function at(q,  i, f) { i = 1 + (NR - 1) * q; f = int(i); return v[f] + (i - f) * (v[f + 1] - v[f]) }
        END {
            printf "%s_median_ms %.1f\n%s_q1_ms %.1f\n%s_q3_ms %.1f\n", name, at(0.5), name, at(0.25), name, at(0.75)
            printf "%s_min_ms %.1f\n%s_max_ms %.1f\n", name, v[1], name, v[NR]
        }'
}

for _ in $(seq "$warmups"); do
    time_to_shown program >/dev/null
    time_to_shown bare >/dev/null
done
# In turn, and each first every other time, so that what else the machine does weighs on both.
for run in $(seq "$runs"); do
    pair=(program bare)
    ((run % 2)) || pair=(bare program)
    for which in "${pair[@]}"; do
        time_to_shown "$which" >>"$wine_desktop_work/$which.ms"
    done
done

statistics program <"$wine_desktop_work/program.ms"
statistics bare <"$wine_desktop_work/bare.ms"
echo "runs $runs"
echo "wine $(wine --version)"
echo "size_program_exe $(stat -c %s "$program")"
echo "size_cli_exe $(stat -c %s "$build/bin/schattwerk.exe")"
echo "size_bare_exe $(stat -c %s "$bare")"
echo "size_msi $(stat -c %s "$package.msi")"
echo "size_zip $(stat -c %s "$package.zip")"
