#!/bin/sh
# Runs a program where no terminfo entry can be found, whatever this machine
# has installed: ncurses searches its compiled-in folders (infocmp -D) even
# where TERMINFO and TERMINFO_DIRS name others, so each of them is covered
# by an empty folder, in a mount namespace of the program's own (a user
# namespace too, for anyone but root). Exits 77 (skipped) where no such
# namespace can be had, and under CI fails instead.
#
#   without-terminfo.sh PROGRAM [ARGS...]
. "$(dirname "$0")/lib.sh"
empty=$(mktemp -d) || exit 2
trap 'rm -rf "$empty"' EXIT
as_root=
[ "$(id -u)" = 0 ] || as_root=--map-root-user
unshare $as_root --mount true 2>/dev/null || skip_test "without-terminfo: no mount namespace can be had here"
folders=$(infocmp -D 2>/dev/null || echo /etc/terminfo /lib/terminfo /usr/share/terminfo)
# shellcheck disable=SC2016 # expanded by the inner shell
TERMINFO=$empty TERMINFO_DIRS=$empty HOME=$empty unshare $as_root --mount sh -c '
    empty=$1 folders=$2
    shift 2
    for folder in $folders; do
        [ -d "$folder" ] && { mount --bind "$empty" "$folder" || exit 2; }
    done
    exec "$@"' sh "$empty" "$folders" "$@"
