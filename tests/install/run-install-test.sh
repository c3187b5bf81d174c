#!/usr/bin/env bash
# Installs or packages a configured build into a temporary folder and runs
# what came out of it.
#
#   run-install-test.sh install BUILD-DIR CMAKE [EMULATOR...]
#                                                    cmake --install, then the installed program
#   run-install-test.sh deb BUILD-DIR CPACK [EMULATOR...]
#                                                    the .deb's contents and metadata, then its program
#   run-install-test.sh tarball BUILD-DIR CPACK [EMULATOR...]
#                                                    the static program's tarball, unpacked into a prefix
#   run-install-test.sh installer BUILD-DIR CPACK WINE WINESERVER
#                                                    the Windows installer, in a new Wine prefix
#   run-install-test.sh zip BUILD-DIR CPACK [EMULATOR...]
#                                                    the Windows zip's contents, its .exe's
#                                                    resources (WINDRES, OBJDUMP), then the .exe
#
# EMULATOR runs a program built for another machine (qemu-user, Wine).
# The program of an optimised build must also pass hardening-check.
set -u
. "$(dirname "$0")/../lib.sh"
what=$1 build=$2 tool=$3
shift 3
emulator=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The program answers 7 with its table and 0 with the end, with status 0: a
# program that printed the table and then crashed does not run.
runs() {
    local out
    out=$(printf '7\n0\n' | LC_ALL=C "$@") && [[ ${out//$'\r'/} == *$'\n7*9=63\n'* ]]
}

# Where a check's tool is missing: says so, and gives the check's result, a
# failure under CI and, elsewhere, 77: not tried, and not counted as passed.
without() {  # TOOL WHAT-GOES-UNCHECKED
    may_skip "$1 is not installed: $2 is not checked" || return 1
    return 77
}

# The English page, as groff sets it and as man shows it. It is set for any
# terminal, so even groff's default device must not warn.
man_page_is_clean() {
    command -v groff >/dev/null || { without groff "the English page"; return; }
    command -v man >/dev/null || { without man "the English page"; return; }
    [ -z "$(zcat -f "$1" | groff -k -ww -z -man 2>&1)" ] &&
        [ -z "$(MANWIDTH=80 man -l "$1" 2>&1 >/dev/null)" ] && [ -n "$(MANWIDTH=80 man -l "$1" 2>/dev/null)" ]
}

# The Korean page needs a UTF-8 device: groff's default one has no Hangul.
korean_page_is_clean() {
    command -v groff >/dev/null || { without groff "the Korean page"; return; }
    command -v man >/dev/null || { without man "the Korean page"; return; }
    local page
    [ -z "$(zcat -f "$1" | groff -Tutf8 -k -ww -z -man 2>&1)" ] &&
        page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>"$work/man-err") &&
        [ ! -s "$work/man-err" ] && [[ $page == *'1부터 9까지 정수 입력/몇단 :(0은 종료)'* ]]
}

# The files a prefix (or the package's root) must hold, and nothing else.
installed_files=(
    bin/times-table
    share/applications/times-table.desktop
    share/doc/times-table/changelog.gz
    share/doc/times-table/copyright
)
for size in 128 16 22 24 256 32 48 64; do
    installed_files+=("share/icons/hicolor/${size}x$size/apps/times-table.png")
done
installed_files+=(
    share/icons/hicolor/scalable/apps/times-table.svg
    share/man/ko/man1/times-table.1.gz
    share/man/man1/times-table.1.gz
    share/metainfo/invalid.times_table.times_table.metainfo.xml
)
# The static program's tarball, which unpacks into a prefix.
tarball_files=(
    bin/times-table
    share/doc/times-table/LICENSE
    share/doc/times-table/README.ko.md
    share/doc/times-table/README.md
    share/doc/times-table/THIRD-PARTY-NOTICES.txt
    share/doc/times-table/doc/{packaging,performance,testing,web,windows}.md
    share/man/ko/man1/times-table.1.gz
    share/man/man1/times-table.1.gz
)
holds_exactly_the_files() {  # FOLDER FILE...
    local folder=$1
    shift
    [ "$(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)" = "$(printf '%s\n' "$@")" ]
}

# Each page is found where man looks for it, the Korean one for Korean.
man_finds_the_pages() {
    command -v man >/dev/null || { without man "where man finds the pages"; return; }
    [ "$(MANPATH="$1/share/man" man -w times-table)" = "$1/share/man/man1/times-table.1.gz" ] &&
        [ "$(MANPATH="$1/share/man" man -L ko -w times-table)" = "$1/share/man/ko/man1/times-table.1.gz" ]
}

# A text as Notepad shows it on every Windows: CR LF line ends only, and
# with "bom", UTF-8 with a byte order mark.
is_windows_text() {  # FILE [bom]
    [ "$(grep -c $'\r$' "$1")" = "$(wc -l <"$1")" ] || return 1
    [ "${2:-}" != bom ] || [ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' ')" = efbbbf ]
}

# Debian's name and Linux's for the machine an ELF file is built for.
debian_architecture() {
    case $(file -b "$1") in
        *x86-64*) echo amd64 ;;
        *aarch64*) echo arm64 ;;
        *) echo unknown ;;
    esac
}
uname_architecture() {
    case $(debian_architecture "$1") in
        amd64) echo x86_64 ;;
        arm64) echo aarch64 ;;
        *) echo unknown ;;
    esac
}

# The desktop entry and the AppStream metadata, as their validators read
# them: no error, no warning.
desktop_files_are_valid() {  # ROOT
    command -v desktop-file-validate >/dev/null || { without desktop-file-validate "the desktop entry"; return; }
    command -v appstreamcli >/dev/null || { without appstreamcli "the AppStream metadata"; return; }
    local report
    report=$(desktop-file-validate "$1/share/applications/times-table.desktop" 2>&1) && [ -z "$report" ] &&
        report=$(appstreamcli validate --no-net "$1"/share/metainfo/*.metainfo.xml 2>&1) &&
        ! grep -Eq '^[EW]:' <<<"$report" || { echo "$report"; return 1; }
}

# hardening-check, for an optimised build (debug builds are not fortified):
# PIE, stack protector, fortify, read-only relocations, immediate binding.
# Control-flow protection is not asked: Debian 12's C library start files
# carry no such marking, so the linker drops it.
is_hardened() {
    if ! grep -Eq '^CMAKE_BUILD_TYPE:STRING=(Release|RelWithDebInfo|MinSizeRel)$' "$build/CMakeCache.txt"; then
        echo "SKIPPED: not an optimised build: hardening is not checked" >&2
        return 77
    fi
    command -v hardening-check >/dev/null || { without hardening-check "hardening"; return; }
    hardening-check --nocfprotection --quiet "$1"
}

# A static program: position-independent, with no interpreter and no shared
# library, and read-only relocations bound at start. (hardening-check takes
# such a program for a shared library and looks for what it imports.)
is_static_and_hardened() {
    local headers
    headers=$(readelf -hlWd "$1") &&
        [[ $headers == *"DYN (Position-Independent Executable file)"* ]] &&
        [[ $headers != *INTERP* && $headers != *"(NEEDED)"* ]] &&
        [[ $headers == *GNU_RELRO* && $headers == *BIND_NOW* ]]
}

links_resolve() {  # FOLDER: every link of its READMEs but to the web names a file there
    local link
    for link in $(cd "$1" && grep -oh '](\([^)#]*\)' README*.md | cut -c3-); do
        [[ $link == *:* ]] || [ -e "$1/$link" ] || { echo "no $link beside the READMEs"; return 1; }
    done
}

# lintian, where it is installed (it must be under CI): no error, no warning.
lintian_is_content() {
    command -v lintian >/dev/null || { without lintian "the package"; return; }
    local report status
    report=$(lintian --fail-on error,warning "$1" 2>&1)
    status=$?
    if [ "$status" != 0 ] || grep -q '^[EW]:' <<<"$report"; then
        echo "$report"
        return 1
    fi
}

case $what in
    install)
        "$tool" --install "$build" --prefix "$work/prefix" >/dev/null
        expect "the program, its pages, copyright and changelog are installed" holds_exactly_the_files "$work/prefix" "${installed_files[@]}"
        expect "bin/times-table is installed and runs" runs "${emulator[@]}" "$work/prefix/bin/times-table"
        expect "bin/times-table is hardened" is_hardened "$work/prefix/bin/times-table"
        expect "the manual page renders without warnings" man_page_is_clean "$work/prefix/share/man/man1/times-table.1.gz"
        expect "the Korean manual page renders without warnings" \
            korean_page_is_clean "$work/prefix/share/man/ko/man1/times-table.1.gz"
        expect "man finds each page for its language" man_finds_the_pages "$work/prefix"
        ;;
    deb)
        (cd "$build" && "$tool" -G DEB -B "$work/out" >/dev/null)
        deb=$(ls "$work"/out/times-table_*.deb)
        dpkg-deb -x "$deb" "$work/root"
        expect "the package holds the program, its pages, copyright and changelog" \
            holds_exactly_the_files "$work/root/usr" "${installed_files[@]}"
        expect "the program is stripped" eval '[[ $(file -b "$work/root/usr/bin/times-table") == *", stripped"* ]]'
        expect "the package's dependencies are computed: glibc and terminfo" \
            eval '[[ $(dpkg-deb -f "$deb" Depends) =~ ^libc6\ \(.*\),\ libtinfo6\ \(.*\)$ ]]'
        expect "the package has its section" eval '[ "$(dpkg-deb -f "$deb" Section)" = education ]'
        expect "lintian finds no error and no warning" lintian_is_content "$deb"
        expect "the desktop entry and the AppStream metadata are valid" desktop_files_are_valid "$work/root/usr"
        expect "the package is for the machine the program was built for" \
            eval '[ "$(dpkg-deb -f "$deb" Architecture)" = "$(debian_architecture "$work/root/usr/bin/times-table")" ]'
        expect "the packaged program runs" runs "${emulator[@]}" "$work/root/usr/bin/times-table"
        expect "the packaged program is hardened" is_hardened "$work/root/usr/bin/times-table"
        expect "the packaged program converts nothing with iconv" \
            eval '! readelf -W --dyn-syms "$work/root/usr/bin/times-table" | grep -w UND | grep -q iconv'
        expect "the packaged Korean page renders" korean_page_is_clean "$work/root/usr/share/man/ko/man1/times-table.1.gz"
        ;;
    tarball)
        (cd "$build" && "$tool" -G TGZ -B "$work/out" >/dev/null)
        tarball=$(ls "$work"/out/times-table-*-linux-*.tar.gz)
        mkdir "$work/prefix" && tar -xzf "$tarball" -C "$work/prefix"
        program=$work/prefix/bin/times-table
        expect "the tarball holds the program, its pages, READMEs, guides, licence and notices" \
            holds_exactly_the_files "$work/prefix" "${tarball_files[@]}"
        expect "every link of its READMEs names a file it holds" links_resolve "$work/prefix/share/doc/times-table"
        expect "it holds files alone, owned by root, none writable but by root" \
            eval '[ -z "$(tar -tvzf "$tarball" | grep -Ev "^-r[-w][-x]r-[-x]r-[-x] (0/0|root/root) ")" ]'
        expect "the tarball is named for the program's machine" \
            eval '[ "${tarball##*-linux-}" = "$(uname_architecture "$program").tar.gz" ]'
        expect "the program is stripped" eval '[[ $(file -b "$program") == *", stripped"* ]]'
        expect "the program is static, position-independent, with RELRO and bind-now" is_static_and_hardened "$program"
        expect "the unpacked program runs" runs "${emulator[@]}" "$program"
        expect "man finds each page for its language" man_finds_the_pages "$work/prefix"
        expect "the manual page renders without warnings" man_page_is_clean "$work/prefix/share/man/man1/times-table.1.gz"
        for name in "GNU C Library" "What static linking means" "GCC RUNTIME LIBRARY EXCEPTION" ncurses "LESSER GENERAL PUBLIC LICENSE"; do
            expect "the notices cover $name" grep -qF "$name" "$work/prefix/share/doc/times-table/THIRD-PARTY-NOTICES.txt"
        done
        ;;
    zip)
        (cd "$build" && "$tool" -G ZIP -B "$work/out" >/dev/null)
        zip=$(ls "$work"/out/times-table-*-win64.zip)
        version=${zip##*/times-table-} version=${version%-win64.zip}
        mkdir "$work/unpacked" && (cd "$work/unpacked" && cmake -E tar xf "$zip")
        top=$(ls "$work/unpacked")
        exe=$work/unpacked/$top/times-table.exe
        expect "the zip holds the program, its README, the licence and the runtime's notices" \
            eval '[ "$(cd "$work/unpacked/$top" && ls | LC_ALL=C sort | tr "\n" " ")" = "LICENSE.txt README.txt THIRD-PARTY-NOTICES.txt times-table.exe " ]'
        for text in README.txt:bom LICENSE.txt THIRD-PARTY-NOTICES.txt:bom; do
            expect "$text has CR LF line ends (and a byte order mark, for its Korean)" \
                is_windows_text "$work/unpacked/$top/${text%:bom}" "${text#*:}"
        done
        expect "the README says how to start and remove the program, in Korean first" \
            eval 'grep -q "^실행하기" "$work/unpacked/$top/README.txt" && grep -q "^Removing it" "$work/unpacked/$top/README.txt"'
        for name in "MinGW-w64 runtime" winpthreads "GCC RUNTIME LIBRARY EXCEPTION"; do
            expect "the notices cover $name" grep -qF "$name" "$work/unpacked/$top/THIRD-PARTY-NOTICES.txt"
        done
        expect "the program is stripped" eval '"$OBJDUMP" -t "$exe" | grep -qx "no symbols"'
        # The resources, as the resource compiler reads them back.
        "$WINDRES" -i "$exe" -O rc >"$work/resources.rc" 2>&1
        for value in "ProductName\", \"times-table\"" "FileVersion\", \"$version\"" "ProductVersion\", \"$version\"" \
            "OriginalFilename\", \"times-table.exe\"" 'LegalCopyright", L"Copyright \251 2026 times-table developers. MIT License.'; do
            expect "the version resource gives $value" grep -qF -- "$value" "$work/resources.rc"
        done
        expect "the version resource is in Korean and English" grep -qF 'VALUE "Translation", 0x412, 1200, 0x409, 1200' "$work/resources.rc"
        expect "the manifest runs the program as its invoker" grep -qF 'level=""asInvoker""' "$work/resources.rc"
        expect "the manifest declares Windows 7 to 11" eval '[ "$(grep -c "<supportedOS Id=" "$work/resources.rc")" = 4 ]'
        expect "the program carries its icon" grep -qF "RT_GROUP_ICON" "$work/resources.rc"
        expect "the zipped program runs" runs "${emulator[@]}" "$exe"
        ;;
    installer)
        command -v makensis >/dev/null || skip_test "makensis is not installed (nsis): the installer is not tried"
        # In a new Wine prefix of the test's own, under a wineserver of its own.
        (cd "$build" && "$tool" -G NSIS -B "$work/out" >/dev/null)
        setup=$(ls "$work"/out/times-table-*-win64-setup.exe)
        # The same installer as a later version, to install over.
        (cd "$build" && "$tool" -G NSIS -D CPACK_PACKAGE_VERSION=99.0.0 -B "$work/newer" >/dev/null)
        newer_setup=$(ls "$work"/newer/times-table-*-win64-setup.exe)
        wine=${emulator[0]} wineserver=${emulator[1]}
        # Wine names files in the locale's codeset, and the shortcut 구구단.lnk
        # needs one that holds Hangul, which a machine with no locale set lacks.
        export WINEPREFIX=$work/prefix WINEDLLOVERRIDES=winemenubuilder.exe=d WINEDEBUG=-all LC_ALL=C.UTF-8
        trap '"$wineserver" -k 2>/dev/null; rm -rf "$work"' EXIT
        # Runs a Windows program and waits for every process it started, as
        # an uninstaller runs from a copy of itself.
        run() { "$wine" "$@"; local status=$?; "$wineserver" -w; return "$status"; }
        run wineboot --init >/dev/null 2>&1
        drive=$WINEPREFIX/drive_c
        user=$(cd "$drive/users" && ls | grep -vx Public)
        # The files of the prefix, but for Wine's own and the temporary ones.
        files() { (cd "$drive" && find . -path ./windows -prune -o -path "*/AppData/Local/Temp" -prune -o -type f -print | sort); }
        value() {  # HIVE KEY NAME: a value of HIVE\Software\Microsoft\Windows\CurrentVersion\KEY
            "$wine" reg query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\$2" /v "$3" 2>/dev/null | tr -d '\r' |
                sed -n "s/^ *$3 *REG_[A-Z_]* *//p"
        }
        entry_is_complete() {  # HIVE
            local name values
            values=$("$wine" reg query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\times-table")
            for name in DisplayName DisplayVersion Publisher DisplayIcon InstallLocation UninstallString \
                QuietUninstallString EstimatedSize NoModify NoRepair; do
                grep -Eq "^ +$name +REG_[A-Z_]+ +[^ ]" <<<"$values" || { echo "no $name in $1"; return 1; }
            done
        }
        count() { find "$drive" -name "$1" | wc -l; }
        # What Apps & features runs to uninstall without a word: "PROGRAM" ARGUMENTS.
        quiet_uninstall() {
            local command program
            command=$(value "$1" 'Uninstall\times-table' QuietUninstallString)
            program=${command#\"} program=${program%%\"*}
            # shellcheck disable=SC2086 # the arguments are meant to split
            run "$program" ${command##*\"}
        }
        # 7, then 0: the table and two prompts, code page 949 bytes with CR LF line ends.
        prompt='\r\n1\xBA\xCE\xC5\xCD 9\xB1\xEE\xC1\xF6 \xC1\xA4\xBC\xF6 \xC0\xD4\xB7\xC2/\xB8\xEE\xB4\xDC :(0\xC0\xBA \xC1\xBE\xB7\xE1)\r\n'
        { printf "$prompt"; for m in 1 2 3 4 5 6 7 8 9; do printf '7*%d=%2d\r\n' "$m" $((7 * m)); done; printf "$prompt"; } >"$work/seven"
        answers_seven() { printf '7\n0\n' | "$wine" "$1" 2>/dev/null >"$work/answer" && cmp -s "$work/answer" "$work/seven"; }

        # A user PATH longer than NSIS's strings hold, which must come through.
        long_path=$(p=''; for ((i = 0; ${#p} < 3000; i++)); do p+="C:\\Tools\\tool-$i;"; done; printf '%s' "${p:0:3000}")
        "$wine" reg add 'HKCU\Environment' /v PATH /t REG_EXPAND_SZ /d "$long_path" /f >/dev/null
        path_is_unchanged() { [ "$("$wine" reg query 'HKCU\Environment' /v PATH | tr -d '\r' | sed -n 's/^ *PATH *REG_EXPAND_SZ *//p')" = "$long_path" ]; }
        files >"$work/files-before"

        run "$setup" /S /CurrentUser
        user_programs=$drive/users/$user/AppData/Local/Programs/times-table
        expect "for the current user: the program in %LOCALAPPDATA%\\Programs" test -f "$user_programs/times-table.exe"
        expect "for the current user: a complete Apps & features entry in HKCU" entry_is_complete HKCU
        expect "for the current user: an App Paths entry in HKCU" \
            eval '[ -n "$(value HKCU "App Paths\\times-table.exe" Path)" ]'
        expect "for the current user: a Start-menu shortcut named 구구단" \
            test -f "$drive/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/구구단.lnk"
        expect "the installed program answers 7, then 0, byte for byte" \
            answers_seven "C:\\users\\$user\\AppData\\Local\\Programs\\times-table\\times-table.exe"
        run "$setup" /S /CurrentUser
        expect "installed again: one program, one shortcut" \
            eval '[ "$(count times-table.exe) $(count "*구구단*")" = "1 1" ]'

        run "$setup" /S /AllUsers
        expect "for all users: the program in Program Files" test -f "$drive/Program Files/times-table/times-table.exe"
        expect "for all users: a complete Apps & features entry in HKLM" entry_is_complete HKLM
        expect "for all users: a Start-menu shortcut named 구구단" \
            test -f "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/구구단.lnk"
        expect "one program and one shortcut in each mode" eval '[ "$(count times-table.exe) $(count "*구구단*")" = "2 2" ]'
        expect "the 3,000-character user PATH is as it was" path_is_unchanged

        # The all-users copy's uninstaller, started as from its folder, with no mode.
        user_copy() { find "$user_programs" -type f -exec md5sum {} + | sort; value HKCU 'Uninstall\times-table' InstallLocation; }
        user_copy >"$work/user-copy"
        run "C:\\Program Files\\times-table\\uninstall.exe" /S
        expect "uninstall.exe /S with no mode removes its own copy, the one for all users" \
            eval '[ ! -e "$drive/Program Files/times-table" ] && [ -z "$(value HKLM "Uninstall\\times-table" DisplayName)" ] && [ ! -e "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/구구단.lnk" ]'
        expect "the copy for the user alone stays as it was" eval 'user_copy | cmp -s - "$work/user-copy"'

        run "$newer_setup" /S /CurrentUser
        run "$setup" /S /CurrentUser
        status=$?
        # Windows' exit code 1638, of which a POSIX status holds the low 8 bits.
        expect "installed over a newer copy, it refuses under /S with exit code 1638" eval '[ "$status" = $((1638 % 256)) ]'
        expect "the newer copy stays" eval '[ "$(value HKCU "Uninstall\\times-table" DisplayVersion)" = 99.0.0 ] && test -f "$user_programs/uninstall.exe"'

        quiet_uninstall HKCU
        expect "removed for the user: no file, folder, shortcut or entry is left" \
            eval '[ "$(count "*times-table*") $(count "*구구단*")" = "0 0" ] && [ -z "$(value HKCU "Uninstall\\times-table" DisplayName)$(value HKCU "App Paths\\times-table.exe" Path)" ]'
        expect "every other file is as it was" eval 'files | cmp -s - "$work/files-before"'
        expect "the user PATH is still as it was" path_is_unchanged
        ;;
esac
finish
