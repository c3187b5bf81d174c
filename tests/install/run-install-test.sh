#!/usr/bin/env bash
# Installs or packages a configured build into a temporary folder and runs
# what came out of it.
#
#   run-install-test.sh install BUILD-DIR CMAKE      cmake --install, then the installed program
#   run-install-test.sh deb BUILD-DIR CPACK          the .deb's contents and metadata, then its program
#   run-install-test.sh zip BUILD-DIR CPACK [EMULATOR...]
#                                                    the Windows zip's contents, then its .exe
set -u
what=$1 build=$2 tool=$3
shift 3
emulator=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 passed=0

expect() {  # NAME CONDITION...
    local name=$1
    shift
    if "$@"; then passed=$((passed + 1)); else echo "FAIL $name"; failures=$((failures + 1)); fi
}

# The program answers 7 with its table and 0 with the end.
runs() {
    local out
    out=$(printf '7\n0\n' | LC_ALL=C "$@" | tr -d '\r') && [[ $out == *$'\n7*9=63\n'* ]]
}

# Checked with whichever of groff and man-db are installed.
man_page_is_clean() {
    if command -v groff >/dev/null; then
        [ -z "$(groff -k -ww -z -man "$1" 2>&1)" ] || return 1
    fi
    if command -v man >/dev/null; then
        [ -z "$(MANWIDTH=80 man -l "$1" 2>&1 >/dev/null)" ] && [ -n "$(MANWIDTH=80 man -l "$1" 2>/dev/null)" ]
    fi
}

case $what in
    install)
        "$tool" --install "$build" --prefix "$work/prefix" >/dev/null
        expect "bin/times-table is installed and runs" runs "$work/prefix/bin/times-table"
        expect "the manual page is installed" test -f "$work/prefix/share/man/man1/times-table.1"
        expect "the manual page renders without warnings" man_page_is_clean "$work/prefix/share/man/man1/times-table.1"
        ;;
    deb)
        (cd "$build" && "$tool" -G DEB -B "$work/out" >/dev/null)
        deb=$(ls "$work"/out/times-table_*.deb)
        dpkg-deb -c "$deb" | awk '{ print $NF }' >"$work/contents"
        expect "the package holds the program" grep -qx './usr/bin/times-table' "$work/contents"
        expect "the package holds the manual page" grep -qx './usr/share/man/man1/times-table.1' "$work/contents"
        expect "the package depends on libc6 alone" eval '[[ $(dpkg-deb -f "$deb" Depends) == "libc6 ("*")" ]]'
        expect "the package has its section" eval '[ "$(dpkg-deb -f "$deb" Section)" = education ]'
        dpkg-deb -x "$deb" "$work/root"
        expect "the packaged program runs" runs "$work/root/usr/bin/times-table"
        ;;
    zip)
        (cd "$build" && "$tool" -G ZIP -B "$work/out" >/dev/null)
        zip=$(ls "$work"/out/times-table-*-win64.zip)
        mkdir "$work/unpacked" && (cd "$work/unpacked" && cmake -E tar xf "$zip")
        top=$(ls "$work/unpacked")
        expect "the zip holds the program" test -f "$work/unpacked/$top/times-table.exe"
        expect "the zip holds the README" test -f "$work/unpacked/$top/README.md"
        expect "the zipped program runs" runs "${emulator[@]}" "$work/unpacked/$top/times-table.exe"
        ;;
esac
echo "$passed passed, $failures failed"
[ "$failures" = 0 ]
