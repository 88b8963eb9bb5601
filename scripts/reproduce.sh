#!/usr/bin/env bash
# Builds the release artifacts of one commit twice and compares them file by file: both Linux
# executables and the .deb, both Windows executables, the installer and the zip, and the web site.
# Each build starts from a clone of its own in a folder of another name, with another time zone,
# locale and umask, the second after the first. Names every file that differs, with diffoscope's
# account of how. When all agree, keeps the artifacts in build/reproduce/artifacts and their
# digests in build/reproduce/SHA256SUMS, to check against those a release publishes.
# With --this-build (CI, after test.sh), this clone's own build folders, which must be of HEAD
# with nothing changed, are the first build: they were built earlier, here, in the environment
# of the one who built them, and the second build varies all that as before.
# Usage: scripts/reproduce.sh [commit]     (HEAD unless given)
#        scripts/reproduce.sh --this-build
set -euo pipefail
cd "$(dirname "$0")/.."
this_build=""
[ "${1:-}" = --this-build ] && this_build=1 && shift
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
repository=$(git rev-parse --path-format=absolute --git-common-dir)
work="$PWD/build/reproduce"
# The Linux artifacts come from the ci preset, which CI builds: the dev build with warnings as
# errors, the same bytes.
linux_preset=ci

# make_artifacts <source> <artifacts>: in the clone <source>, the targets that make the artifacts,
# configured where not yet, without tests; their files copied to <artifacts>.
make_artifacts() {
    local source="$1" artifacts="$2"
    (
        cd "$source"
        configure() {
            [ -f "build/$1/CMakeCache.txt" ] || cmake --preset "$@"
        }
        configure "$linux_preset" -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
        cmake --build --preset "$linux_preset" --target schattwerk schattwerk-generator help_pages \
            package_documents
        cpack --preset "$linux_preset"
        configure windows
        cmake --build --preset windows --target windows_packages
        configure web
        cmake --build --preset web --target site
    )
    mkdir -p "$artifacts/linux" "$artifacts/windows"
    cp "$source/build/$linux_preset"/bin/{schattwerk,schattwerk-generator} \
        "$source/build/$linux_preset"/package/*.deb "$artifacts/linux/"
    cp "$source"/build/windows/bin/*.exe "$source"/build/windows/package/*.{msi,zip} \
        "$artifacts/windows/"
    cp -r "$source/build/web/site" "$artifacts/site"
}

# The Windows build runs the version block's check under Wine, whose server and display belong
# to the clone's prefix and go with it.
end_wine() {
    local prefix="$1/build/windows/wine-prefix" display
    [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    [ -f "$prefix.display" ] || return 0
    # Only while the number is still that display's, not another process's by now.
    display=$(cut -d' ' -f2 "$prefix.display")
    [ "$(ps -o comm= -p "$display")" != Xvfb ] || kill "$display"
}

# logged <log> <command...>: the command in a subshell that stops at its first failure, with its
# output in <log>; status is its exit code. (A subshell tested with || would not stop.)
logged() {
    local log="$1"
    shift
    set +e
    (
        set -e
        "$@"
    ) >"$log" 2>&1
    status=$?
    set -e
    [ "$status" -eq 0 ] || { tail -n 40 "$log"; echo "The build failed: $log"; }
}

# build <folder> <TZ> <locale> <umask>: a clone of the commit in <folder>/source, its artifacts
# built and copied to <folder>/artifacts.
build() {
    local folder="$1" zone="$2" locale="$3" mask="$4" started=$SECONDS
    echo "Building in $folder/source (TZ=$zone, LC_ALL=$locale, umask $mask)"
    logged "$folder.log" build_clone "$@"
    end_wine "$folder/source"
    [ "$status" -eq 0 ] || exit 1
    echo "Built in $((SECONDS - started)) s"
}
build_clone() {
    local folder="$1" zone="$2" locale="$3" mask="$4"
    umask "$mask"
    export LOCPATH="$work/locales"
    export TZ="$zone" LC_ALL="$locale"
    # A locale that is not there would leave the build in C's.
    [ -z "$(locale 2>&1 >/dev/null)" ] || { echo "No locale $locale"; exit 1; }
    git clone --quiet --shared --no-checkout "$repository" "$folder/source"
    git -C "$folder/source" checkout --quiet --detach "$commit"
    make_artifacts "$folder/source" "$folder/artifacts"
}

digests() {
    (cd "$1" && find . -type f -printf '%P\n' | LC_ALL=C sort | xargs -d '\n' sha256sum)
}

rm -rf "$work"
mkdir -p "$work/locales"
# A German locale of the script's own, from Debian's locales package, which need not be set up.
localedef --no-archive -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8"
first="$work/first" second="$work/second-build"
if [ -n "$this_build" ]; then
    [ "$commit" = "$(git rev-parse HEAD)" ] && [ -z "$(git status --porcelain --untracked-files=no)" ] ||
        { echo "--this-build needs the build of HEAD with nothing changed"; exit 1; }
    echo "Taking the artifacts of this clone's builds, $PWD/build"
    logged "$first.log" make_artifacts "$PWD" "$first/artifacts"
    [ "$status" -eq 0 ] || exit 1
else
    build "$first" UTC0 C.UTF-8 0022
fi
build "$second" '<+1345>-13:45' de_DE.UTF-8 0002

digests "$first/artifacts" >"$work/SHA256SUMS"
digests "$second/artifacts" >"$work/second.sha256"
if cmp -s "$work/SHA256SUMS" "$work/second.sha256"; then
    mv "$first/artifacts" "$work/artifacts"
    rm -rf "$first" "$second" "$work/second.sha256"
    echo "Reproducible: all $(wc -l <"$work/SHA256SUMS") files identical, in $work/artifacts;"
    echo "their digests in $work/SHA256SUMS"
    exit 0
fi
echo "NOT reproducible. Files that differ:"
diff "$work/SHA256SUMS" "$work/second.sha256" | sed -n 's/^[<>] [0-9a-f]*  //p' | sort -u |
    while read -r file; do
        echo "  $file: $(cmp "$first/artifacts/$file" "$second/artifacts/$file" 2>&1 |
            sed -e 's/.* differ: byte \([0-9]*\),.*/differs from byte \1 on/' -e 's/^cmp: //')"
    done
if command -v diffoscope >/dev/null; then
    diffoscope --exclude-directory-metadata=recursive --text "$work/diffoscope.txt" \
        "$first/artifacts" "$second/artifacts" >/dev/null || true
    echo "How they differ ($work/diffoscope.txt):"
    head -n 200 "$work/diffoscope.txt"
fi
exit 1
