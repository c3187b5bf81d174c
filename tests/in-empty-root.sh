#!/bin/sh
# Runs a static program in a root that holds nothing but the program: no
# C library, no locales, no terminfo. Root gets there with chroot; anyone
# else in a user namespace of their own. Exits 77 (skipped) where neither
# can be had, and under CI fails instead.
#
#   in-empty-root.sh PROGRAM [ARGS...]
. "$(dirname "$0")/lib.sh"
root=$(mktemp -d) || exit 2
trap 'rm -rf "$root"' EXIT
cp "$1" "$root/times-table" || exit 2
shift
as_root=
if [ "$(id -u)" != 0 ]; then
    as_root='unshare --map-root-user'
    unshare --map-root-user true 2>/dev/null ||
        skip_test "in-empty-root: neither root nor a user namespace to chroot in"
fi
# Only the arguments are the program's; its environment is the caller's.
$as_root chroot "$root" /times-table "$@"
