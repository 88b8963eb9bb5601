#!/usr/bin/env bash
# Measures the program on this machine and writes docs/performance.md: start-up and peak memory
# beside a bare Qt dialog, the command handlers, Generate and Decode alone, the command line's
# throughput, the executables' sizes, callgrind profiles of the figures far from their floor, the
# web page in headless Chromium (bench/web-page.mjs), and the Windows build's start-up under Wine
# beside a bare Win32 dialog with its executables' and packages' sizes (bench/windows-startup.sh).
# Usage: bench/measure.sh [output file]   (takes a few minutes; run it on an otherwise idle machine)
set -euo pipefail
cd "$(dirname "$0")/.."
report="${1:-docs/performance.md}"

scripts/install-deps.sh bench
scripts/build.sh dev schattwerk schattwerk-generator engine_bench ui_bench bare_dialog shown_probe
scripts/build.sh windows schattwerk schattwerk-generator bare_win32_dialog bare_win32_dialog_imports \
    windows_packages

bin=build/dev/bin
benchdir=build/dev/bench
work="$(mktemp -d)"
trap 'rm -rf "$work"; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true' EXIT
# The program writes nothing, but keeps to a configuration folder of its own all the same.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"

# A real X server when there is one to start, as a desktop would give; else Qt's offscreen
# platform.
platform="offscreen"
if command -v Xvfb >/dev/null; then
    for display in $(seq 90 99); do
        [ -e "/tmp/.X11-unix/X$display" ] && continue
        Xvfb ":$display" -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
        xvfb=$!
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
        export DISPLAY=":$display"
        platform="xcb (Xvfb $DISPLAY)"
        break
    done
fi
[ "$platform" = offscreen ] && export QT_QPA_PLATFORM=offscreen

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
# Peak resident memory in KiB, the median of several runs.
peak_kib() { for _ in $(seq 9); do /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; done | median; }
# hyperfine's mean, in milliseconds, from its CSV export.
mean_ms() { awk -F, 'NR==2 {printf "%.1f", $2 * 1000}' "$1"; }
stddev_ms() { awk -F, 'NR==2 {printf "%.1f", $3 * 1000}' "$1"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
# A Google Benchmark result in µs: the median of its repetitions, from CSV.
bench_us() {
    awk -F, -v name="\"$2_median\"" '$1 == name {printf "%.2f", $3 / 1000}' "$1"
}

echo "Start-up to the shown window ($platform) ..."
probe="$PWD/$benchdir/libshown_probe.so"
program="env LD_PRELOAD=$probe $bin/schattwerk-generator"
bare="env LD_PRELOAD=$probe $benchdir/bare_dialog"
hyperfine -N --warmup 5 --runs 40 --export-csv "$work/start-program.csv" "$program" >/dev/null
hyperfine -N --warmup 5 --runs 40 --export-csv "$work/start-bare.csv" "$bare" >/dev/null
start_program=$(mean_ms "$work/start-program.csv")
start_bare=$(mean_ms "$work/start-bare.csv")
# shellcheck disable=SC2086 # the commands are words, as hyperfine was given them
mem_program=$(peak_kib $program)
# shellcheck disable=SC2086
mem_bare=$(peak_kib $bare)

echo "Command handlers, Generate and Decode ..."
"$benchdir/ui_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null >"$work/ui.csv"
"$benchdir/engine_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null >"$work/engine.csv"
generate_handler=$(bench_us "$work/ui.csv" GenerateHandler)
decode_handler=$(bench_us "$work/ui.csv" DecodeHandler)
generate_command=$(bench_us "$work/engine.csv" GenerateCommand)
generate_alone=$(bench_us "$work/engine.csv" GenerateAlone)
decode_alone=$(bench_us "$work/engine.csv" DecodeOnFreshEngine/repeats:9/manual_time)

echo "schattwerk generate --count 1000000 ..."
million="$bin/schattwerk generate --count 1000000 --seed 1"
hyperfine -N --warmup 1 --runs 5 --export-csv "$work/million.csv" "$million" >/dev/null
million_ms=$(mean_ms "$work/million.csv")
million_sd=$(stddev_ms "$work/million.csv")
# shellcheck disable=SC2086
mem_million=$(peak_kib $million)
$million >"$work/million.txt"
output_mib=$(awk -v b="$(stat -c %s "$work/million.txt")" 'BEGIN {printf "%.0f", b / 1048576}')
hyperfine -N --warmup 1 --runs 5 --export-csv "$work/cat.csv" "cat $work/million.txt" >/dev/null
cat_ms=$(mean_ms "$work/cat.csv")
throughput=$(awk -v ms="$million_ms" 'BEGIN {printf "%.0f", 1000000 / (ms / 1000)}')

echo "Sizes ..."
size_row() {
    local file="$1" stripped="$work/stripped"
    strip --strip-all -o "$stripped" "$file"
    printf '| `%s` | %s | %s | %s |\n' "$(basename "$file")" \
        "$(awk -v b="$(stat -c %s "$file")" 'BEGIN {printf "%.0f KiB", b / 1024}')" \
        "$(awk -v b="$(stat -c %s "$stripped")" 'BEGIN {printf "%.0f KiB", b / 1024}')" \
        "$(size "$file" | awk 'NR==2 {printf "%.0f KiB", $1 / 1024}')"
}
sizes="$(size_row "$bin/schattwerk-generator")
$(size_row "$bin/schattwerk")
$(size_row "$benchdir/bare_dialog")"

echo "Profiles (callgrind) ..."
cases=20000
valgrind --tool=callgrind --callgrind-out-file="$work/generate.cg" \
    "$bin/schattwerk" generate --count $cases --seed 1 >/dev/null 2>&1
callgrind_annotate --inclusive=yes "$work/generate.cg" >"$work/generate.txt" 2>/dev/null
total_ir=$(awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1; exit}' "$work/generate.txt")
ir_per_case=$(awk -v t="$total_ir" -v c="$cases" 'BEGIN {printf "%.0f", t / c}')
# The inclusive share of the first line naming `function`.
share() { grep -m1 -F "$1" "$work/generate.txt" | sed -E 's/.*\( *([0-9.]+)%\).*/\1/'; }
share_generate=$(share "CaseEngine::Generate()")
share_catalogue=$(share "CaseEngine::BuildStatementCatalogue()")
share_select=$(share "StatementArray::SelectByWitness(")
share_clue=$(share "StatementArray::SelectByClue(")
share_report=$(share "AppendCaseReport(")
share_new=$(share "operator new(unsigned long)")
share_free=$(share "malloc.c:free")

# Only the handler's own instructions, over enough runs that one-time set-up (fonts) fades out.
QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$work/decode.cg" \
    --toggle-collect='schattwerk::MainDialog::OnDecode()' "$benchdir/ui_bench" \
    --benchmark_filter=DecodeHandler --benchmark_min_time=0.5 >/dev/null 2>&1
callgrind_annotate --inclusive=yes "$work/decode.cg" >"$work/decode.txt" 2>/dev/null
dshare() { grep -m1 -F "$1" "$work/decode.txt" | sed -E 's/.*\( *([0-9.]+)%\).*/\1/'; }
decode_build=$(dshare "platform::Dialog::BuildWindow()")
decode_engine=$(dshare "CaseEngine::Decode(")

echo "The web page (headless Chromium) ..."
scripts/build.sh web site
node bench/web-page.mjs >"$work/web.txt"
web() { awk -v name="$1" '$1 == name {print $2}' "$work/web.txt"; }
beyond_thread=$(awk -v a="$(web thread_page_total_ms)" -v b="$(web thread_bare_total_ms)" 'BEGIN {printf "%.1f", a - b}')
emscripten=$(dpkg-query -W -f='${Version}' emscripten 2>/dev/null || echo "?")

echo "Windows start-up under Wine ..."
# Three runs of the script, since the ratio moves by up to a fifth from one to the next here; the
# run with the middle ratio stands for them in the table.
for run in 1 2 3; do
    bench/windows-startup.sh 20 >"$work/windows-$run.txt"
done
win_from() { awk -v name="$2" '$1 == name {sub(/^[^ ]+ /, ""); print}' "$work/windows-$1.txt"; }
run_ratio() { ratio "$(win_from "$1" program_median_ms)" "$(win_from "$1" bare_median_ms)"; }
middle_run=$(for run in 1 2 3; do echo "$(run_ratio $run) $run"; done | sort -n | sed -n 2p | cut -d' ' -f2)
win() { win_from "$middle_run" "$1"; }
runs_table=$(for run in 1 2 3; do
    echo "| $run | $(win_from $run program_median_ms) ms | $(win_from $run bare_median_ms) ms | $(win_from $run imports_median_ms) ms | $(run_ratio $run) |"
done)
# Start-up as a median with its quartiles, and a median beside another.
shown() { echo "median $(win "$1_median_ms") ms (quartiles $(win "$1_q1_ms") to $(win "$1_q3_ms") ms)"; }
win_ratio() { ratio "$(win "$1_median_ms")" "$(win "$2_median_ms")"; }
# A size in bytes and in MB of a million bytes.
win_size() { awk -v b="$(win "size_$1")" 'BEGIN {printf "%d bytes, %.2f MB", b, b / 1000000}'; }
start_ratio=$(win_ratio program bare)
start_aim=$(awk -v r="$start_ratio" 'BEGIN {print (r <= 1.2) ? "meets the aim of at most 1.2" : "misses the aim of at most 1.2"}')
size_aim=$(awk -v b="$(win size_program_exe)" 'BEGIN {print (b < 2000000) ? "within" : "over"}')
system_ms=$(awk -v a="$(win imports_median_ms)" -v b="$(win bare_median_ms)" 'BEGIN {printf "%.0f", a - b}')
own_ms=$(awk -v a="$(win program_median_ms)" -v b="$(win imports_median_ms)" 'BEGIN {printf "%.0f", a - b}')
mingw=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix 2>/dev/null || echo "?")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)

cpu=$(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo "?")
compiler=$(c++ --version | head -1)

mkdir -p "$(dirname "$report")"
cat >"$report" <<EOF
# Performance

Measured by \`bench/measure.sh\` on $(date -u +%Y-%m-%d): $cpu, $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo);
Debian $(cat /etc/debian_version), Qt $qt, $compiler, the \`dev\` build (RelWithDebInfo, -O2).
The Qt windows on $platform. Run the script again to refresh every figure; nothing below is typed by hand
except the reasoning, which names the figures it rests on.

## Figures

| what | measured | beside | ratio |
|---|---|---|---|
| start-up to the shown main window | $start_program ms | bare Qt dialog: $start_bare ms | $(ratio "$start_program" "$start_bare") |
| peak memory at that moment | $mem_program KiB | bare Qt dialog: $mem_bare KiB | $(ratio "$mem_program" "$mem_bare") |
| "Generieren" handler | $generate_handler µs | engine alone (make, build, Generate): $generate_command µs | $(ratio "$generate_handler" "$generate_command") |
| "Entschlüsseln" handler (entry dialog answered at once) | $decode_handler µs | Decode alone: $decode_alone µs | $(ratio "$decode_handler" "$decode_alone") |
| \`Generate\` alone, catalogues built | $generate_alone µs | | |
| \`Decode\` alone, catalogues built | $decode_alone µs | | |
| \`schattwerk generate --count 1000000\` | $million_ms ms (± $million_sd), $throughput cases/s | writing its $output_mib MiB (\`cat\`): $cat_ms ms | |
| its peak memory | $mem_million KiB | | |

Start-up runs from the program's start to its first window being exposed and painted:
\`bench/libshown_probe.so\`, preloaded, ends the process at that moment, so the program runs
unchanged. Times are hyperfine means of 40 runs after 5 warm-ups; peak memory is the median of 9
runs of \`/usr/bin/time\`. The handlers are timed by \`bench/ui_bench\` inside the running program
(offscreen, no painting), the engine by \`bench/engine_bench\`; each is the median of 5
repetitions.

## Executables

| file | size as built (with debug information) | stripped | code and data (\`size\`) |
|---|---|---|---|
$sizes

## Where the time goes

**Start-up.** The program shows its window in $(ratio "$start_program" "$start_bare") times the time of
a bare Qt dialog and with $(ratio "$mem_program" "$mem_bare") times its memory. Both pay for
loading Qt, connecting to the display and loading fonts; the program adds its resources
(templates, menu, icon images) and the main dialog's 30-odd controls.

**"Entschlüsseln".** The handler builds, fills and tears down the hint entry dialog, a window of
its own, on every run. Of the handler's instructions in callgrind, building the dialog windows
takes $decode_build % and \`Decode\` $decode_engine %; the rest is Qt showing and destroying the
widgets. The player waits for that window in any case: the cost is the window's, not the
decoder's, and it stays far below what a person notices.

**\`generate --count 1000000\`.** The aim was under a second; it takes $million_ms ms. callgrind
counts $ir_per_case instructions per case (over $cases cases). Of all instructions, \`Generate\`
takes $share_generate %, copying the 80-statement catalogue into each new engine
$share_catalogue %, the selections by witness $share_select % and by clue $share_clue %,
formatting the output $share_report %; allocation alone (operator new $share_new %, free
$share_free %) runs through all of them. Writing the output itself costs $cat_ms ms. Each case
comes from a fresh \`CaseEngine\` drawn exactly as the window's "Generieren" draws it: the engine
copies its own catalogue, and every draw selects by copying statements out of it, a witness's
ten from eighty, then by clue. That is what a case costs by construction; a case in well under a
microsecond would need engines that share one catalogue and select without copying, which is
another engine than the window's. Within that design the allocations per case have been cut
(catalogues and case reserved at their known sizes, the witness sort without a buffer), which
took the count from 33,855 instructions per case to the figure above, and the output is byte for
byte what it was for every seed.

## The web page

The site in \`build/web/site\` (emscripten $emscripten, \`-Oz\`), served by \`web/serve.py\` on
127.0.0.1 as \`./run.sh --web\` serves it, in headless Chromium $(web chromium), measured by
\`bench/web-page.mjs\` on $(date -u +%Y-%m-%d). Bytes are counted as they cross the wire, headers
included, in KB of 1000 bytes.

| what | measured | aim |
|---|---|---|
| first visit: requests, the service worker's included | $(web visit_requests) requests for $(web visit_files) files | each file once |
| first visit: bytes over the wire | $(web visit_kb) KB | at most 40 KB |
| the engine, \`schattwerk.<hash>.wasm\` | $(web wasm_raw_kb) KB, $(web wasm_gzip_kb) KB gzip, $(web wasm_brotli_kb) KB brotli | under 60 KB |
| navigation to "#fall=S" to its case on screen, first visit | median $(web shown_median_ms) ms (slowest $(web shown_max_ms) ms); a bare page with one number: $(web bare_median_ms) ms; $(web shown_ratio) times | at most 1.3 times |
| the same, CPU slowed 4× | median $(web shown_slowed_median_ms) ms (slowest $(web shown_slowed_max_ms) ms); a bare page: $(web bare_slowed_median_ms) ms; $(web shown_slowed_ratio) times | at most 1.3 times |
| the floor: the page's own markup and style with a case filled in, no script | median $(web floor_median_ms) ms, $(web floor_ratio) times a bare page; CPU slowed 4×: $(web floor_slowed_median_ms) ms, $(web floor_slowed_ratio) times | |
| navigation to the first frame that shows the page, first visit | median $(web first_frame_median_ms) ms; a bare page's: $(web bare_frame_median_ms) ms; $(web first_frame_ratio) times; CPU slowed 4×: $(web first_frame_slowed_median_ms) ms against $(web bare_frame_slowed_median_ms) ms, $(web first_frame_slowed_ratio) times | |
| the same, repeat visit from the service worker | median $(web repeat_median_ms) ms, CPU slowed 4×: $(web repeat_slowed_median_ms) ms | below the first visit |
| first and repeat visit on a phone's network (150 ms round trip, 200 KB/s) | first visit: median $(web network_first_median_ms) ms; repeat visit: $(web network_repeat_median_ms) ms | |
| the main thread's own time to the case on screen, first visit | $(web thread_page_total_ms) ms; a bare page: $(web thread_bare_total_ms) ms | |
| "Generieren", click to updated rows | median $(web generate_median_ms) ms, CPU slowed 4×: $(web generate_slowed_median_ms) ms, of 50 clicks | under 5 ms |

A first visit is a browser context of its own, without cache or service worker, and runs through a
forwarder that counts the requests and bytes; a repeat visit is a new tab in a context whose
service worker already controls the page; the phone's network is DevTools' network emulation. "On
screen" is the first animation frame after a hint number appears, counted from the start of
navigation; the first frame that shows the page is the browser's first contentful paint, which
counts to the frame's presentation and so comes some milliseconds after an animation frame would.
Each time is the median of 20 loads, page, bare page, floor and repeat visit taken in turn. The
main thread's own time is its thread time (which the rest of a busy machine hardly changes, unlike
the times above) in the median of 7 traced first visits at full speed. The click is timed inside
the page: its handler draws a case number, pushes the history entry, has the module make the case
and fills the rows before it returns.

**What a trace of the start shows.** The page's markup arrives with its headers; the renderer
commits it some tens of milliseconds later (a bare page waits as long), and only then does
anything of the page run. The engine's request used to wait for the preload scanner at the start
of parsing; the \`Link\` header now sends it at commit, and the script that opens the head would
send it at the start of parsing without that header. The module compiles in the background while
the page is parsed. The page used to keep its body undrawn until the case was shown: its first
frame was blank, and the engine's instantiation then waited behind a frame whose layout spent
most of its time in font lookups. Now the first frame is the page itself, and the case follows in
the next frame, which needs no font the first did not load (the case line lost its bold face for
that). Functions compiled on their first call are not what keeps the case waiting, as these notes
said before: the engine's first case compiles some 200 of them lazily, 1.5 to 2.1 ms of main-thread
time in 7 traces, and in node the first case takes 1.1 ms against 0.07 ms for the next; compiling
the whole module at once made the page slower. Making the catalogue's records at compile time
rather than in the first case removed nine of those functions and no measurable time.

**Case on screen.** A bare page shows its one number after $(web bare_median_ms) ms: a new
renderer, the navigation and the parse, which no page can go below. The page's own markup and
style with a case in it, and no script, take $(web floor_ratio) times that: that is the floor of
any page with this markup. The page's main thread works $beyond_thread ms more than the bare
page's before its case is on screen: parsing its markup with the inlined style and script,
$(web thread_page_parse_ms) ms (bare page $(web thread_bare_parse_ms) ms); evaluating its scripts,
$(web thread_page_script_ms) ms; the engine, $(web thread_page_engine_ms) ms: instantiating the
compiled module, compiling its functions on their first call, and the case made and shown
($(web thread_bare_engine_ms) ms of the bare page's is the measuring script's own); and its two
frames, $(web thread_page_render_ms) ms of style, layout and paint (bare page
$(web thread_bare_render_ms) ms). Beyond the floor, the case waits for the engine's request, its
compilation and the frame after the first: $(web shown_ratio) times a bare page at full speed and
$(web shown_slowed_ratio) times with the CPU slowed 4×, against the aim of 1.3. On this machine
(2 cores shared with other builds, the load average between 5 and 20 while these figures were
taken) the wall times were 3 to 10 times the main thread's own times, and the same page's ratio
moved by a quarter between runs of the script.

**Before and after.** The page before these notes' last change (main at 910ce83) and after it,
each measured twice by this script in turn (before, after, after, before) on 2026-12-09: case on
screen 2.12 and 1.61 times a bare page before, 2.08 and 2.10 after; with the CPU slowed 4×, 2.10
and 2.06 before, 2.00 and 1.78 after. The first frame that shows the page (before, the case's own,
as the page drew nothing until then) 2.13 and 1.86 times a bare page's before, 1.47 and 1.51
after; slowed, 2.14 and 2.07 before, 1.63 and 1.54 after. Taken in turn within one run, 20 loads
each, the case came 1.75, 2.02, 1.89 and 2.05 times a bare page before against 1.84, 2.33, 1.66
and 1.78 after, and slowed 1.53 and 2.13 before against 1.51 and 1.57 after. So the first frame
comes about a quarter sooner, and shows the page at once; the case comes about when it did, within
what these runs vary by. The same four runs again later that day, under a load average of 13 to
14, spread wider and read the same: case on screen 2.91 and 1.76 times a bare page before, 2.30
and 2.48 after; slowed, 1.59 and 2.39 before, 1.66 and 2.19 after; the first frame after 288 and
178 ms before, 130 and 148 ms after (2.94 and 1.75 times a bare page's before, 1.55 and 2.06
after). Neither comes near the aim of 1.3 times. It still waits for the engine, which now arrives while the first frame is
drawn, and then for the frame after it; the main thread's work for the two frames
($(web thread_page_render_ms) ms here) is what the blank frame used to save.

**Repeat visit.** On this machine's loopback a request costs next to nothing, so a repeat visit
saves little beyond a first one: the page's work is the same, and the service worker has to start
and read its cache instead. On a phone's network it saves the two round trips to the case, the
page and its engine: $(web network_repeat_median_ms) ms against $(web network_first_median_ms) ms.

**First visit.** The page, its engine (brotli), the favicon, the service worker and the three
files of the help, each once: the worker keeps the page and the engine from the browser's HTTP
cache, where the visit has just put them, rather than fetching them again, and the help at once,
so that it opens offline where it was never read; icons and the manifest it takes when they are
first used. Before, with emscripten's runtime and a worker that fetched every file of the site
again past the HTTP cache, a first visit made 25 requests for 19 files and transferred 191.7 KB,
uncompressed as Python's \`http.server\` sent them.

## Windows

The preset \`windows\` (Debian's mingw-w64, g++ $mingw, Release, \`-O2\`, executables linked
without symbol table) under $(win wine), on an Xvfb of its own with openbox as the window manager,
measured by \`bench/windows-startup.sh\`. Sizes in MB of 1,000,000 bytes.

| what | measured | beside | ratio | aim |
|---|---|---|---|---|
| start-up to the mapped main window | $(shown program) | bare Win32 dialog: $(shown bare) | $start_ratio | at most 1.2 |
| the same for the bare dialog with the program's manifest and its $(win dlls_program) DLL imports | $(shown imports) | bare Win32 dialog ($(win dlls_bare) DLL imports) | $(win_ratio imports bare) | |
| \`schattwerk-generator.exe\` | $(win_size program_exe) | | | under 2 MB |
| \`schattwerk.exe\` | $(win_size cli_exe) | | | |
| \`bare_win32_dialog.exe\` | $(win_size bare_exe) | | | |
| installer, \`schattwerk-generator-$version-x64.msi\` | $(win_size msi) | | | |
| portable zip, \`schattwerk-generator-$version-x64.zip\` | $(win_size zip) | | | |

The medians of each of the three runs of the script (the table above shows run $middle_run, the
middle ratio):

| run | program | bare Win32 dialog | with the program's imports | ratio |
|---|---|---|---|---|
$runs_table

Start-up runs from starting \`wine\` to openbox mapping the frame of the window with the program's
caption, as \`xev\` sees it on the root window; the program is then ended. One Wine server and its
desktop stay up throughout, as a Windows session's shell keeps them, so that no program pays for
starting them. After 3 warm-ups, the program, \`bench/bare_win32_dialog.exe\` (a dialog from an
in-memory template in the program's font, with a label and a button) and
\`bench/bare_win32_dialog_imports.exe\` (the same dialog, importing what the program imports, with
its manifest) take turns, each first every third time, $(win runs) runs each.

**Start-up.** The program's window is mapped after $(win program_median_ms) ms, $start_ratio times
the bare dialog's $(win bare_median_ms) ms: it $start_aim. Of the difference, $system_ms ms are the
system's: the bare dialog that imports the program's DLLs and asks for common controls 6 in its
manifest takes that much longer, for the loader mapping and starting comctl32 version 6, ole32,
oleaut32 with combase and rpcrt4, oleacc, shell32 with shlwapi and shcore before the program's
first line runs; the HTML Help viewer is no longer among them, since the program loads it when
compiled help is first asked for. Common controls 6, which the visual styles need, take the larger
part of that; Wine loads ole32, combase and rpcrt4 for the bare dialog too, shell32 gives the
taskbar the program's id before the first window, and oleacc and oleaut32 took about a millisecond
in the traces, less than one run of the script tells from the next, so they stay imported. The
other $own_ms ms are the program's own. Markers in a build of the program
(\`OutputDebugStringA\` under \`WINEDEBUG=+timestamp,+loaddll,+debugstr\`) put most of them in
\`CreateDialogIndirectParamW\`, while the system makes the main dialog's thirty-odd controls from its
template, each a common control of version 6 that draws with the theme (17 ms of about 31 from
\`main\` to the window shown, on a quiet moment); fitting the texts took 2 ms, the window icon
2 ms, the dialog's own start and showing it the rest. On this machine, shared with other builds,
the medians move by up to a half from one run of the script to the next, the ratios by up to a
fifth.

The window program is $(win_size program_exe), $size_aim the aim of 2 MB: one file with the GCC
runtime, libstdc++ and winpthread linked in, beside \`help\\\` and nothing else.
EOF
echo "Wrote $report"
