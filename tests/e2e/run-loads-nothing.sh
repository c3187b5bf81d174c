#!/usr/bin/env bash
# A static program must load nothing of the host's C library, in any locale:
# strace sees every file it opens, and none may be a shared object or under
# gconv/, the converters' folder. A locale whose name declares no codeset is
# installed where only LOCPATH finds it; the others need not be installed,
# as their names say what the program needs. Options: common.sh.
. "$(dirname "$0")/common.sh"

run_loads_nothing() {
    local tool variables
    for tool in strace localedef; do
        command -v "$tool" >/dev/null || skip_test "$tool is not installed"
    done
    mkdir -p "$work/locales"
    localedef -i ko_KR -f EUC-KR "$work/locales/ko_KR" 2>/dev/null
    [ -f "$work/locales/ko_KR/LC_CTYPE" ] || { fail localedef "could not make the ko_KR locale"; return; }
    for variables in LANG=zh_CN.GB18030 LANG=ja_JP.EUC-JP LANG=ru_RU.KOI8-R "LOCPATH=$work/locales LANG=ko_KR" \
        LANG=ko_KR.UTF-8 LC_ALL=C ''; do
        # shellcheck disable=SC2086 # the variables are meant to split
        printf '7\n0\n' | env -i $variables strace -f -qq -e trace=%file -o "$work/trace" "${program[@]}" >/dev/null
        if grep -E '\.so[."]|/gconv/' "$work/trace"; then
            fail "loads-nothing '$variables'" "a shared object or converter was opened"
        elif ! grep -q . "$work/trace"; then
            fail "loads-nothing '$variables'" "strace saw nothing"
        else
            pass
        fi
    done
}

run_loads_nothing
finish
