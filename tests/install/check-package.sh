#!/usr/bin/env bash
# The Debian package. `build` makes it with CPack in a folder of its own and checks that
# dpkg-shlibdeps found its libraries and that Qt's translations are among its dependencies;
# `lintian` checks it; `install` installs it with dpkg, starts both programs from PATH and purges
# it again, only on CI as root, where the machine is fresh.
# A missing tool skips the step with exit code 77.
# Usage: check-package.sh build <package folder> <cpack> <CPackConfig.cmake>
#        check-package.sh lintian|install <package folder>
set -euo pipefail
step="$1"
folder="$2"

skip() {
    echo "Skipped: $*"
    exit 77
}
need() {
    command -v "$1" >/dev/null ||
        skip "$1 is missing (Debian package $2; scripts/install-deps.sh test installs it)"
}
built_package() {
    local debs=("$folder"/*.deb)
    [ -f "${debs[0]}" ] || skip "there is no package in $folder (see the test package_build)"
    echo "${debs[0]}"
}

case "$step" in
build)
    rm -rf "$folder"
    need dpkg-shlibdeps dpkg-dev
    need file file
    if ! log=$("$3" --config "$4" -B "$folder" 2>&1); then
        echo "$log"
        exit 1
    fi
    debs=("$folder"/*.deb)
    [ ${#debs[@]} -eq 1 ] || { echo "expected one package, found: ${debs[*]}"; exit 1; }
    depends=$(dpkg-deb --field "${debs[0]}" Depends)
    echo "Depends: $depends"
    for dependency in libc6 libstdc++6 libqt6core6 libqt6widgets6 qt6-translations-l10n; do
        grep -qw "$dependency" <<<"$depends" || { echo "no dependency on $dependency"; exit 1; }
    done
    # The changelog and the metainfo name each release by hand; a new version needs both.
    name=$(dpkg-deb --field "${debs[0]}" Package)
    version=$(dpkg-deb --field "${debs[0]}" Version)
    changelog=$(dpkg-deb --fsys-tarfile "${debs[0]}" |
        tar -xO "./usr/share/doc/$name/changelog.gz" | gzip -dc | head -n 1)
    [[ "$changelog" == "$name ($version) "* ]] ||
        { echo "the changelog does not begin with version $version: $changelog"; exit 1; }
    dpkg-deb --fsys-tarfile "${debs[0]}" | tar -xO --wildcards './usr/share/metainfo/*.xml' |
        grep -q "<release version=\"$version\"" ||
        { echo "the metainfo has no release $version"; exit 1; }
    ;;
lintian)
    need lintian lintian
    lintian --fail-on error,warning --info "$(built_package)"
    ;;
install)
    [ -n "${CI:-}" ] && [ "$(id -u)" -eq 0 ] ||
        skip "installing the package on this machine runs only on CI (CI=1) as root"
    deb=$(built_package)
    name=$(dpkg-deb --field "$deb" Package)
    if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'ok installed'; then
        skip "$name is installed here already, and stays as it is"
    fi
    trap 'dpkg --purge "$name" >/dev/null' EXIT
    dpkg -i "$deb"
    cd /
    for program in schattwerk schattwerk-generator; do
        [ "$(command -v "$program")" = "/usr/bin/$program" ] || { echo "$program is not on PATH"; exit 1; }
    done
    schattwerk --version
    schattwerk generate --seed 1 --solution
    # The window program runs until its window closes: still running after a while means it started.
    status=0
    QT_QPA_PLATFORM=offscreen timeout 5 schattwerk-generator || status=$?
    [ "$status" -eq 124 ] || { echo "schattwerk-generator ended at start with $status"; exit 1; }
    trap - EXIT
    dpkg --purge "$name"
    ;;
*)
    echo "usage: $0 build|lintian|install <package folder> [<cpack> <CPackConfig.cmake>]" >&2
    exit 2
    ;;
esac
