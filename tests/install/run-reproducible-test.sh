#!/usr/bin/env bash
# Builds the packages twice, each from its own copy of this checkout in a
# folder of a different name, exactly as the README says, and compares them
# byte for byte. The first release build's .deb then gets the package checks.
#
#   run-reproducible-test.sh deb|deb-arm64|zip
set -u
what=$1
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

build() {  # FOLDER
    copy_checkout "$1"
    cd "$1" || exit 2
    case $what in
        deb)
            cmake --preset release -DTIMES_TABLE_TESTS=OFF >/dev/null &&
                cmake --build --preset release >/dev/null &&
                (cd build/release && cpack -G DEB >/dev/null)
            ;;
        deb-arm64)
            cmake --preset linux-arm64 -DTIMES_TABLE_TESTS=OFF >/dev/null &&
                cmake --build --preset linux-arm64 >/dev/null &&
                (cd build/linux-arm64 && cpack -G DEB >/dev/null)
            ;;
        zip)
            cmake --preset windows -DTIMES_TABLE_TESTS=OFF >/dev/null &&
                cmake --build --preset windows >/dev/null &&
                (cd build/windows && cpack >/dev/null)
            ;;
    esac || { echo "FAIL the build in $1"; exit 1; }
    cd "$source" || exit 2
}

build "$work/first"
build "$work/second-build-elsewhere"
case $what in
    deb) pattern='build/release/times-table_*.deb' ;;
    deb-arm64) pattern='build/linux-arm64/times-table_*_arm64.deb' ;;
    zip) pattern='build/windows/times-table-*-win64.zip' ;;
esac
# shellcheck disable=SC2086 # the pattern is meant to expand
first=$(ls "$work"/first/$pattern) second=$(ls "$work"/second-build-elsewhere/$pattern)
if ! cmp "$first" "$second"; then
    echo "FAIL two builds of one commit give different packages"
    exit 1
fi
echo "the two builds give the same $(basename "$first")"
case $what in
    deb) bash "$here/run-install-test.sh" deb "$work/first/build/release" cpack ;;
    deb-arm64)
        bash "$here/run-install-test.sh" deb "$work/first/build/linux-arm64" cpack \
            qemu-aarch64 -L /usr/aarch64-linux-gnu ;;
esac
