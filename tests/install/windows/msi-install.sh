#!/usr/bin/env bash
# The Windows installer under Wine, in a prefix of the test's own copied from the build's: installs
# the MSI without a dialog, checks the folder in Program Files against the portable zip, the
# Start-menu shortcut and the entry in the installed programs; starts the program from the
# shortcut and waits for its window on an X server of the test's own; uninstalls it and checks
# that nothing of it is left.
# Usage: msi-install.sh <run-in-wine.sh> <build's Wine prefix> <work folder> <cmake>
#                       <package path without .msi or .zip> <product name> <version> <publisher>
set -euo pipefail
run_in_wine="$1" build_prefix="$2" work="$3" cmake="$4" package="$5"
product="$6" version="$7" publisher="$8"

fail() {
    echo "FAILED: $*"
    exit 1
}
need() {
    command -v "$1" >/dev/null && return
    echo "Skipped: $1 is missing (Debian package $2; scripts/install-deps.sh windows installs it)"
    exit 77
}
# Waits up to 30 s for a command to succeed.
wait_for() {
    for _ in $(seq 60); do
        "$@" && return 0
        sleep 0.5
    done
    return 1
}

need msiinfo msitools
need Xvfb xvfb
need xwininfo x11-utils

rm -rf "$work"
mkdir -p "$work"
# The build's prefix is made on first use, under a lock, which the copy also takes.
"$run_in_wine" "$build_prefix" cmd /c exit
flock "$build_prefix.lock" cp -a "$build_prefix" "$work/prefix"
rm -f "$work/prefix/.made"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe="
# Wine's output goes to a log, and no process that Wine starts keeps CTest's output pipe.
quietly() {
    "$@" </dev/null >>"$work/wine.log" 2>&1
}
Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" </dev/null >"$work/xvfb.log" 2>&1 &
xvfb=$!
finish() {
    quietly wineserver -k || true
    kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT
wait_for test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"
quietly wineserver -p

msi="Z:${package//\//\\}.msi"
drive_c="$WINEPREFIX/drive_c"
folder="$drive_c/Program Files/$product"
# The Start menu's shortcut: the machine's, which Wine's installer puts in the user's menu.
shortcut_pattern="*/Start Menu/Programs/$product.lnk"
code=$(msiinfo export "$package.msi" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p')
[ -n "$code" ] || fail "the installer has no product code"
entry="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$code"

# What bears its names before it is installed: the copied prefix holds the scratch folders of the
# tests that ran in the build's prefix meanwhile.
traces() {
    find "$drive_c" -iname "*schattwerk*" -o -iname "*$code*" | sort
}
before=$(traces)

quietly wine msiexec /i "$msi" /qn || fail "msiexec /i failed: $(tail -n 20 "$work/wine.log")"

mkdir "$work/zip"
(cd "$work/zip" && "$cmake" -E tar xf "$package.zip")
diff -r "$work/zip" "$folder" || fail "the installed folder is not what the portable zip holds"
shortcut=$(find "$drive_c" -path "$shortcut_pattern")
[ -f "$shortcut" ] || fail "no single shortcut $shortcut_pattern: $shortcut"
values=$(wine reg query "$entry" </dev/null 2>>"$work/wine.log" | tr -d '\r') ||
    fail "no uninstall entry $entry"
for expected in "DisplayName REG_SZ $product" "DisplayVersion REG_SZ $version" \
    "Publisher REG_SZ $publisher"; do
    tr -s ' ' <<<"$values" | grep -qxF " $expected" || fail "the uninstall entry lacks $expected"
done

# The shortcut opens the installed program, whose window shows and stays.
quietly wine start /unix "$shortcut" || fail "the shortcut opens nothing"
window() {
    xwininfo -root -tree | grep -qF "\"$product\""
}
# A process of this prefix, not of another one on the machine.
installed_program_runs() {
    local process
    for process in /proc/[0-9]*; do
        grep -qaF "Program Files\\$product\\schattwerk-generator.exe" "$process/cmdline" &&
            tr '\0' '\n' <"$process/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
    done 2>/dev/null
    return 1
}
wait_for window || fail "the program's window did not show"
installed_program_runs || fail "the window is not the installed program's"
sleep 2
window || fail "the program's window closed by itself"
quietly wineserver -k
quietly wineserver -w || true

quietly wine msiexec /x "$msi" /qn || fail "msiexec /x failed: $(tail -n 20 "$work/wine.log")"
[ ! -e "$folder" ] || fail "$folder is left after uninstalling"
[ ! -e "$shortcut" ] || fail "the shortcut is left after uninstalling"
left=$(comm -13 <(echo "$before") <(traces))
[ -z "$left" ] || fail "left after uninstalling: $left"
# The machine's registry, written out as the server ends: no uninstall entry, nothing else of it.
quietly wineserver -k
quietly wineserver -w
left=$(grep -iF -e "$product" -e "$code" "$WINEPREFIX/system.reg") &&
    fail "left in the machine's registry after uninstalling: $left"
finish
trap - EXIT
rm -rf "$work"
echo "Installed, started and uninstalled $package.msi"
