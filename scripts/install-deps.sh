#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when any is missing.
# Usage: scripts/install-deps.sh build|test|bench
set -euo pipefail

build_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libsqlite3-dev libcli11-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
)
# What the tests use beyond the build: the validators and packaging tools for the installed tree
# and the package, and clang with its sanitizer and fuzzer runtime.
test_packages=(desktop-file-utils appstream lintian dpkg-dev file clang libclang-rt-14-dev)
bench_packages=(hyperfine valgrind xvfb time)

case "${1:-build}" in
    build) wanted=("${build_packages[@]}") ;;
    test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
    bench) wanted=("${build_packages[@]}" "${bench_packages[@]}") ;;
    *) echo "usage: $0 build|test|bench" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
