#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when any is missing, and the
# browser tests' npm packages.
# Usage: scripts/install-deps.sh build|web|windows|test|bench
set -euo pipefail
cd "$(dirname "$0")/.."

build_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libsqlite3-dev libcli11-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
)
# What the tests use beyond the build: the validators and packaging tools for the installed tree
# and the package, clang with its sanitizer and fuzzer runtime, and for scripts/reproduce.sh the
# locales' sources (its second build runs in a German locale) and diffoscope, which tells how
# two builds differ.
test_packages=(
    desktop-file-utils appstream lintian dpkg-dev file clang libclang-rt-14-dev
    locales diffoscope-minimal
)
# The benchmarks, and the Windows build's start-up and screenshots on a desktop of their own: a
# window manager, xev to see windows mapped, xdotool to find and drive them, ImageMagick's import.
bench_packages=(hyperfine valgrind xvfb time openbox x11-utils xdotool imagemagick)
# The web page: emscripten builds it, brotli (with gzip, always there) compresses its files for
# the local server. Chromium, poppler's PDF tools, npm (unless node came with its own) and nginx
# with brotli, for the example configuration in docs/deploying.md, test it.
web_packages=(cmake ninja-build emscripten brotli)
browser_packages=(chromium poppler-utils nginx libnginx-mod-http-brotli-static)
command -v npm >/dev/null || browser_packages+=(npm)
# The Windows build: mingw-w64's posix-threads compilers (with windres and the Windows headers),
# the header-only libraries, Debian's GoogleTest source, which they build, Wine, which runs the tests
# on a virtual display (Xvfb) with Wine's own fonts for the dialogs, and msitools with wixl for the
# installer, whose test looks for the installed program's window (xwininfo, from x11-utils),
# and Python, which writes the zip.
windows_packages=(
    cmake ninja-build g++-mingw-w64-x86-64-posix libcli11-dev nlohmann-json3-dev googletest
    wine wine64 fonts-wine xvfb msitools wixl x11-utils python3
)

mode="${1:-build}"
case "$mode" in
    build) wanted=("${build_packages[@]}") ;;
    web) wanted=("${web_packages[@]}") ;;
    windows) wanted=("${windows_packages[@]}") ;;
    test) wanted=("${build_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}") ;;
    bench) wanted=("${build_packages[@]}" "${bench_packages[@]}" "${windows_packages[@]}") ;;
    *) echo "usage: $0 build|web|windows|test|bench" >&2; exit 2 ;;
esac
# Tests and benchmarks also build the web page and drive it in a browser.
browser_tests=""
if [[ "$mode" =~ ^(test|bench)$ ]]; then
    browser_tests=1
    wanted+=("${web_packages[@]}" "${browser_packages[@]}")
fi

# The browser tests' npm packages as package-lock.json pins them; again only when it changed.
install_browser_test_packages() {
    local lock=tests/web/package-lock.json installed=tests/web/node_modules/.installed-lock
    cmp -s "$lock" "$installed" && return 0
    echo "Installing the browser tests' npm packages"
    npm ci --prefix tests/web --no-audit --no-fund --loglevel=error >/dev/null
    cp "$lock" "$installed"
}

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if [ -n "$browser_tests" ]; then
    install_browser_test_packages
fi
