#!/usr/bin/env bash
# Makes every release artefact twice with tools/release, each time in its own
# copy of this checkout in a folder of a different name, and compares the two
# SHA256SUMS: every package must come out byte for byte the same. The checks
# of each package's contents run in the suite of its build.
#
#   run-reproducible-test.sh
set -u
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The checkout as it stands, uncommitted changes included, with its history
# (the packages' time stamps come from the last commit).
copy_checkout() {
    mkdir -p "$1"
    (cd "$source" && git ls-files -z --cached --others --exclude-standard |
        xargs -0 cp --parents -t "$1" && cp -a .git "$1/")
}

release() {  # FOLDER
    copy_checkout "$1"
    (cd "$1" && tools/release >/dev/null) || { echo "FAIL tools/release in $1"; exit 1; }
}

release "$work/first"
release "$work/second-release-elsewhere"
sums() { cat "$work/$1/dist/SHA256SUMS"; }
# Every artefact the release must hold, and nothing else.
artefacts=$(sums first | sed 's/^[0-9a-f]*  //' | sed -E 's/[0-9]+\.[0-9]+\.[0-9]+/VERSION/' | tr '\n' ' ')
expected="times-table-VERSION-linux-aarch64.tar.gz times-table-VERSION-linux-x86_64.tar.gz \
times-table-VERSION-win64-setup.exe times-table-VERSION-win64.zip times-table-VERSION.tar.gz times-table_VERSION_amd64.deb times-table_VERSION_arm64.deb "
failures=0
if [ "$artefacts" != "$expected" ]; then
    echo "FAIL the release holds $artefacts"
    failures=1
fi
if ! diff <(sums first) <(sums second-release-elsewhere); then
    echo "FAIL two releases of one commit differ"
    failures=1
fi
if ! (cd "$work/first/dist" && sha256sum --quiet -c SHA256SUMS); then
    echo "FAIL SHA256SUMS does not verify"
    failures=1
fi
[ "$failures" = 0 ] && echo "two releases in different folders give the same $(sums first | wc -l) artefacts"
exit "$failures"
