#!/usr/bin/env bash
# Start-up of the Windows program under Wine beside a bare Win32 dialog (bare_win32_dialog.exe) and
# beside the same dialog with the program's manifest and DLL imports (bare_win32_dialog_imports.exe):
# from starting `wine` to the window mapped on an X server with a window manager, with one Wine
# server and its desktop kept running, the three taken in turn; and the sizes of the executables
# and packages. Prints "name value" lines, times in milliseconds and sizes in bytes, for measure.sh.
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
imports="$build/bench/bare_win32_dialog_imports.exe"
declare -A exe=([program]="$program" [bare]="$bare" [imports]="$imports")
declare -A caption=([program]=Dornak-Schattwerk-Generator [bare]="Bare Win32 dialog"
    [imports]="Bare Win32 dialog")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
package="$build/package/schattwerk-generator-$version-x64"
# shellcheck source=scripts/wine-desktop.sh
source scripts/wine-desktop.sh
wine_desktop_need xev x11-utils
wine_desktop_need x86_64-w64-mingw32-objdump binutils-mingw-w64-x86-64
for file in "$program" "$bare" "$imports" "$package.msi" "$package.zip"; do
    [ -f "$file" ] || { echo "No $file: build the preset windows first" >&2; exit 1; }
done
# The DLLs an executable imports, one a line.
dlls() { x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ {print tolower($3)}' | sort; }
if [ "$(dlls "$program")" != "$(dlls "$imports")" ]; then
    echo "$imports must import the DLLs that $program imports:" >&2
    diff <(dlls "$program") <(dlls "$imports") >&2 || true
    exit 1
fi

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

all=(program bare imports)
for _ in $(seq "$warmups"); do
    for which in "${all[@]}"; do
        time_to_shown "$which" >/dev/null
    done
done
# In turn, each first every third time, so that what else the machine does weighs on all three.
for run in $(seq "$runs"); do
    first=$((run % 3))
    for which in "${all[@]:first}" "${all[@]:0:first}"; do
        time_to_shown "$which" >>"$wine_desktop_work/$which.ms"
    done
done

for which in "${all[@]}"; do
    statistics "$which" <"$wine_desktop_work/$which.ms"
done
echo "runs $runs"
echo "dlls_program $(dlls "$program" | wc -l)"
echo "dlls_bare $(dlls "$bare" | wc -l)"
echo "wine $(wine --version)"
echo "size_program_exe $(stat -c %s "$program")"
echo "size_cli_exe $(stat -c %s "$build/bin/schattwerk.exe")"
echo "size_bare_exe $(stat -c %s "$bare")"
echo "size_imports_exe $(stat -c %s "$imports")"
echo "size_msi $(stat -c %s "$package.msi")"
echo "size_zip $(stat -c %s "$package.zip")"
