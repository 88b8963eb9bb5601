#!/usr/bin/env bash
# Builds the release artifacts of one commit twice and compares them file by file: both Linux
# executables and the .deb, both Windows executables, the installer and the zip, and the web site.
# Each build starts from a clone of its own in a folder of another name, with another time zone,
# locale and umask, the second after the first. Names every file that differs, with diffoscope's
# account of how. When all agree, keeps the artifacts in build/reproduce/artifacts and their
# digests in build/reproduce/SHA256SUMS, to check against those a release publishes.
# Usage: scripts/reproduce.sh [commit]     (HEAD unless given)
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
repository=$(git rev-parse --path-format=absolute --git-common-dir)
work="$PWD/build/reproduce"

# build <folder> <TZ> <locale> <umask>: a clone of the commit in <folder>/source, its artifacts
# built and copied to <folder>/artifacts. Only the targets that make them, no tests.
build() {
    local folder="$1" zone="$2" locale="$3" mask="$4"
    local source="$folder/source" artifacts="$folder/artifacts" started=$SECONDS
    echo "Building in $source (TZ=$zone, LC_ALL=$locale, umask $mask)"
    (
        umask "$mask"
        export TZ="$zone" LC_ALL="$locale" LOCPATH="$work/locales"
        git clone --quiet --shared --no-checkout "$repository" "$source"
        git -C "$source" checkout --quiet --detach "$commit"
        cd "$source"
        cmake --preset dev -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
        cmake --build --preset dev --target schattwerk schattwerk-generator help_pages \
            package_documents
        cpack --preset dev
        cmake --preset windows
        cmake --build --preset windows --target windows_packages
        cmake --preset web
        cmake --build --preset web --target site
    ) >"$folder.log" 2>&1 || { tail -n 40 "$folder.log"; echo "The build failed: $folder.log"; exit 1; }
    mkdir -p "$artifacts/linux" "$artifacts/windows"
    cp "$source"/build/dev/bin/{schattwerk,schattwerk-generator} "$source"/build/dev/package/*.deb \
        "$artifacts/linux/"
    cp "$source"/build/windows/bin/*.exe "$source"/build/windows/package/*.{msi,zip} \
        "$artifacts/windows/"
    cp -r "$source/build/web/site" "$artifacts/site"
    echo "Built in $((SECONDS - started)) s"
}

digests() {
    (cd "$1" && find . -type f -printf '%P\n' | LC_ALL=C sort | xargs -d '\n' sha256sum)
}

rm -rf "$work"
mkdir -p "$work/locales"
# A German locale of the script's own, from Debian's locales package, which need not be set up.
localedef --no-archive -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8"
first="$work/first" second="$work/second-build"
build "$first" UTC0 C.UTF-8 0022
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
