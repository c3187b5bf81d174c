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

# The preset each package is built with, the package's generator and name.
case $what in
    deb) preset=release generator=DEB package='times-table_*.deb' ;;
    deb-arm64) preset=linux-arm64 generator=DEB package='times-table_*_arm64.deb' ;;
    zip) preset=windows generator=ZIP package='times-table-*-win64.zip' ;;
    *) echo "usage: $0 deb|deb-arm64|zip" >&2; exit 2 ;;
esac

build() {  # FOLDER
    copy_checkout "$1"
    cd "$1" || exit 2
    cmake --preset "$preset" -DTIMES_TABLE_TESTS=OFF >/dev/null &&
        cmake --build --preset "$preset" >/dev/null &&
        (cd "build/$preset" && cpack -G "$generator" >/dev/null) ||
        { echo "FAIL the build in $1"; exit 1; }
    cd "$source" || exit 2
}

build "$work/first"
build "$work/second-build-elsewhere"
# shellcheck disable=SC2086 # the pattern is meant to expand
first=$(ls "$work"/first/build/$preset/$package) second=$(ls "$work"/second-build-elsewhere/build/$preset/$package)
if ! cmp "$first" "$second"; then
    echo "FAIL two builds of one commit give different packages"
    exit 1
fi
echo "the two builds give the same $(basename "$first")"
case $what in
    deb) bash "$here/run-install-test.sh" deb "$work/first/build/$preset" cpack ;;
    deb-arm64)
        bash "$here/run-install-test.sh" deb "$work/first/build/$preset" cpack qemu-aarch64 -L /usr/aarch64-linux-gnu ;;
esac
