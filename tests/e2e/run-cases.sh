#!/usr/bin/env bash
# Runs the program end to end on the cases in ../cases.txt, comparing stdout byte
# for byte and the exit status, or runs the I/O failure cases.
#
#   run-cases.sh [--windows] --locale LOCALE -- PROGRAM [ARGS...]
#   run-cases.sh --env 'NAME=VALUE...' --texts utf8|cp949 -- PROGRAM [ARGS...]
#   run-cases.sh [--windows | --node] --io-failures -- PROGRAM [ARGS...]
#   run-cases.sh [--windows] --large-inputs -- PROGRAM [ARGS...]
#   run-cases.sh --nonblocking -- PROGRAM [ARGS...]
#   run-cases.sh --loads-nothing -- PROGRAM [ARGS...]
#
# --locale runs the cases under LC_ALL=LOCALE. --env runs them with no locale
# variable but those it names (none for ''), expecting the texts in the
# encoding --texts names (utf8, gb18030 or cp949). --loads-nothing runs a
# static program in several locales under strace.
# --windows expects each line break as CR LF, as a Windows text stream writes
# it, takes the C runtime's own words for the reason of a failure, and leaves
# out what only POSIX has (death by SIGPIPE). --node is for the web build's
# Node.js form, which Node.js cannot show a closed standard stream (it opens
# /dev/null there) nor SIGPIPE (which it ignores): those cases are left out.
set -u

here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib.sh"
mode=cases locale_env=(LC_ALL=C) texts=cp949 windows=0 node=0
while [ $# -gt 0 ]; do
    case $1 in
        --locale)
            locale_env=("LC_ALL=$2")
            case $2 in *UTF-8 | *utf8) texts=utf8 ;; *) texts=cp949 ;; esac
            shift 2 ;;
        --env) read -r -a locale_env <<<"$2"; shift 2 ;;
        --texts) texts=$2; shift 2 ;;
        --windows) windows=1; shift ;;
        --node) node=1; shift ;;
        --io-failures) mode=io; shift ;;
        --large-inputs) mode=large; shift ;;
        --nonblocking) mode=nonblocking; shift ;;
        --loads-nothing) mode=loads-nothing; shift ;;
        --) shift; break ;;
        *) echo "usage: $0 [--windows] --locale LOCALE | --env VARIABLES --texts ENCODING | --io-failures | --large-inputs -- PROGRAM..." >&2; exit 2 ;;
    esac
done
program=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The texts as the program must write them: the code page 949 bytes, their
# UTF-8 or their GB18030. The prompt includes the line break after it.
case $texts in
    utf8)
        prompt='\n1부터 9까지 정수 입력/몇단 :(0은 종료)\n'
        error='잘못 입력 하셨습니다' ;;
    gb18030)
        prompt=$(printf '\n1부터 9까지 정수 입력/몇단 :(0은 종료)' | iconv -f UTF-8 -t GB18030 | od -An -v -tx1 | tr -d '\n' | sed 's/ /\\x/g')'\n'
        error=$(printf '잘못 입력 하셨습니다' | iconv -f UTF-8 -t GB18030 | od -An -v -tx1 | tr -d '\n' | sed 's/ /\\x/g') ;;
    *)
        prompt='\n1\xBA\xCE\xC5\xCD 9\xB1\xEE\xC1\xF6 \xC1\xA4\xBC\xF6 \xC0\xD4\xB7\xC2/\xB8\xEE\xB4\xDC :(0\xC0\xBA \xC1\xBE\xB7\xE1)\n'
        error='\xC0\xDF\xB8\xF8 \xC0\xD4\xB7\xC2 \xC7\xCF\xBC\xCC\xBD\xC0\xB4\xCF\xB4\xD9' ;;
esac

# Writes the bytes that a string of answers stands for.
expand() {
    local answers=$1 i c m
    for ((i = 0; i < ${#answers}; i++)); do
        c=${answers:i:1}
        case $c in
            P) printf "$prompt" ;;
            E) printf "$error" ;;
            [1-9]) for m in 1 2 3 4 5 6 7 8 9; do printf '%d*%d=%2d\n' "$c" "$m" $((c * m)); done ;;
        esac
    done
}

to_crlf() { if [ "$windows" = 1 ]; then LC_ALL=C sed 's/$/\r/'; else cat; fi; }

# Whether $work/err holds the expected line; on Windows, any reason after the
# last colon will do.
stderr_is() {
    local got
    got=$(tr -d '\r' <"$work/err")
    if [ "$windows" = 0 ] || [ -z "$1" ]; then
        [ "$got" = "$1" ]
    else
        [[ $got == "${1%: *}: "?* ]]
    fi
}

# check NAME EXPECTED-STATUS EXPECTED-STDOUT-FILE EXPECTED-STDERR: compares
# $work/out, $work/err and $status.
check() {
    local name=$1 want_status=$2 want_out=$3 want_err=$4
    if [ "$status" = 77 ]; then
        # The program never exits so; a wrapper that cannot run it does.
        echo "SKIPPED: $(cat "$work/err")"
        exit 77
    elif [ "$status" != "$want_status" ]; then
        fail "$name" "exit status $status, expected $want_status; standard error '$(cat "$work/err")'"
    elif ! cmp -s "$want_out" "$work/out"; then
        fail "$name" "output differs"
        echo "  expected:"; od -An -c "$want_out" | head -8
        echo "  actual:"; od -An -c "$work/out" | head -8
    elif ! stderr_is "$want_err"; then
        fail "$name" "standard error: '$(cat "$work/err")', expected '$want_err'"
    else
        pass
    fi
}

trim() { local s=$1; s=${s#"${s%%[![:space:]]*}"}; printf '%s' "${s%"${s##*[![:space:]]}"}"; }

run_cases() {
    local name input answers args
    while IFS='|' read -r name input answers args; do
        name=$(trim "$name")
        case $name in '' | '#'*) continue ;; esac
        input=$(trim "$input") answers=$(trim "$answers") args=$(trim "${args:-}")
        printf -- "$input" >"$work/in"
        expand "$answers" | to_crlf >"$work/want"
        # shellcheck disable=SC2086 # the arguments are meant to split
        env -u LC_ALL -u LC_CTYPE -u LANG "${locale_env[@]}" "${program[@]}" $args \
            <"$work/in" >"$work/out" 2>"$work/err"
        status=$?
        check "$name" 0 "$work/want" ""
    done <"$here/../cases.txt"
    if [ "$windows" = 1 ]; then
        # As for every Windows console program, a Ctrl+Z byte ends redirected input.
        printf '7\n\032\n3\n' >"$work/in"
        expand P7P | to_crlf >"$work/want"
        env "${locale_env[@]}" "${program[@]}" <"$work/in" >"$work/out" 2>"$work/err"
        status=$?
        check ctrl-z-ends-input 0 "$work/want" ""
    fi
}

# Failures of the standard streams: status 1 and one line on standard error.
run_io_failures() {
    printf '7\n0\n' >"$work/in"
    : >"$work/empty"
    expand P | to_crlf >"$work/prompt"

    if [ -w /dev/full ]; then
        LC_ALL=C "${program[@]}" <"$work/in" >/dev/full 2>"$work/err"
        status=$? && : >"$work/out"
        check stdout-full 1 "$work/empty" "times-table: write error: No space left on device"
    else
        not_tried stdout-full "/dev/full cannot be written"
    fi

    if [ "$node" = 0 ]; then
        LC_ALL=C "${program[@]}" <"$work/in" 2>"$work/err" >&-
        status=$? && : >"$work/out"
        check stdout-closed 1 "$work/empty" "times-table: write error: Bad file descriptor"
    fi

    LC_ALL=C "${program[@]}" </ >"$work/out" 2>"$work/err"
    status=$?
    check stdin-directory 1 "$work/prompt" "times-table: read error: Is a directory"

    if [ "$node" = 0 ]; then
        LC_ALL=C "${program[@]}" <&- >"$work/out" 2>"$work/err"
        status=$?
        check stdin-closed 1 "$work/prompt" "times-table: read error: Bad file descriptor"
    fi

    # A reader that goes away must stop the program, whether SIGPIPE kills it
    # or, ignored, turns into a failed write; endless input must not keep it.
    if [ "$windows" = 0 ] && [ "$node" = 0 ]; then
        LC_ALL=C timeout 10 bash -c '"$@" | head -c 100 >/dev/null; exit "${PIPESTATUS[0]}"' _ \
            bash -c 'yes 7 | "$@"; exit "${PIPESTATUS[1]}"' _ "${program[@]}" 2>"$work/err"
        status=$?
        [ "$status" = 141 ] && pass || fail reader-gone "status $status, expected death by SIGPIPE (141)"
    fi

    LC_ALL=C timeout 10 bash -c '"$@" | head -c 100 >/dev/null; exit "${PIPESTATUS[0]}"' _ \
        bash -c 'trap "" PIPE; yes 7 2>/dev/null | "$@"; exit "${PIPESTATUS[1]}"' _ "${program[@]}" 2>"$work/err"
    status=$? && : >"$work/out"
    check reader-gone-sigpipe-ignored 1 "$work/empty" "times-table: write error: Broken pipe"
}

# Runs the program on what the command $1 prints, into $work/out and $status;
# with $2 = measure, its peak resident set size in KiB goes to $peak.
run_on() {
    if [ "${2:-}" = measure ]; then
        "$1" | LC_ALL=C /usr/bin/time -f %M -o "$work/rss" "${program[@]}" >"$work/out" 2>"$work/err"
        status=${PIPESTATUS[1]}
        peak=$(tail -n 1 "$work/rss")
    else
        "$1" | LC_ALL=C "${program[@]}" >"$work/out" 2>"$work/err"
        status=${PIPESTATUS[1]}
    fi
}

huge=$((256 << 20))
# What 256 MiB are measured against: 16 MiB, after which a runtime with a
# compiler of its own (Node.js) has settled too.
small_number() { head -c $((16 << 20)) /dev/zero | tr '\0' 9; printf '\n0\n'; }
huge_number() { head -c "$huge" /dev/zero | tr '\0' 9; printf '\n0\n'; }
huge_word() { head -c "$huge" /dev/zero | tr '\0' x; printf '\n0\n'; }
huge_zero() { head -c "$huge" /dev/zero | tr '\0' 0; printf '\n7\n'; }
# The same bytes on every run, so that a failure can be repeated.
noise() {
    local i hex bytes=''
    RANDOM=20261208
    for ((i = 0; i < 4096; i++)); do
        printf -v hex '\\x%02x' $((RANDOM % 256))
        bytes+=$hex
    done
    printf "$bytes"
}

# Inputs far larger than memory would allow to keep: read in constant memory,
# and answered as small ones are. Random bytes end cleanly.
run_large_inputs() {
    local measure=measure base generator peak=0
    if [ ! -x /usr/bin/time ]; then
        measure=''
        not_tried constant-memory "/usr/bin/time is not installed (time)"
    fi
    expand PEP | to_crlf >"$work/want-error"
    expand P | to_crlf >"$work/want-end"
    run_on small_number "$measure"
    base=$peak
    for generator in huge_number huge_word huge_zero; do
        run_on "$generator" "$measure"
        if [ $((peak - base)) -gt 4096 ]; then
            fail "$generator" "peak memory ${peak} KiB against ${base} KiB for a 16 MiB number"
        elif [ "$generator" = huge_zero ]; then
            check "$generator" 0 "$work/want-end" ""
        else
            check "$generator" 0 "$work/want-error" ""
        fi
    done

    run_on noise
    if [ "$status" = 0 ] && [ ! -s "$work/err" ]; then
        pass
    else
        fail random-bytes "status $status, standard error '$(cat "$work/err")'"
    fi
}

# Runs a command with its standard input (0) or output (1) non-blocking. The
# flag is set on the open file, which the command shares, as a parent written
# in an event-loop runtime would leave it.
nonblocking=(perl -MFcntl -e '$h = shift() ? *STDOUT : *STDIN; fcntl($h, F_SETFL, fcntl($h, F_GETFL, 0) | O_NONBLOCK)
                             or die; exec { $ARGV[0] } @ARGV or die')

# Streams made non-blocking by another process are waited for: nothing is
# lost or repeated, and the wait costs no processor time.
run_nonblocking() {
    local cpu
    awk 'BEGIN { for (i = 0; i < 20000; i++) print i % 10 + 1; print 0 }' >"$work/in"  # megabytes of output
    LC_ALL=C "${program[@]}" <"$work/in" >"$work/want"
    # The reader starts late and reads slowly, so the pipe is full again and again.
    LC_ALL=C "${nonblocking[@]}" 1 "${program[@]}" <"$work/in" 2>"$work/err" |
        { sleep 0.3; perl -e 'while (sysread(STDIN, $b, 8192)) { print $b; select(undef, undef, undef, 0.001) }'; } >"$work/out"
    status=${PIPESTATUS[0]}
    check stdout-nonblocking 0 "$work/want" ""

    printf '7\n12\n3 0\n' >"$work/in"
    LC_ALL=C "${program[@]}" <"$work/in" >"$work/want"
    { sleep 1; cat "$work/in"; } |
        LC_ALL=C /usr/bin/time -f '%U %S' -o "$work/cpu" "${nonblocking[@]}" 0 "${program[@]}" >"$work/out" 2>"$work/err"
    status=${PIPESTATUS[1]}
    check stdin-nonblocking 0 "$work/want" ""
    cpu=$(tail -n 1 "$work/cpu" | awk '{ print $1 + $2 }')
    if awk -v s="$cpu" 'BEGIN { exit !(s >= 0.2) }'; then
        fail stdin-nonblocking-waits "$cpu s of processor time while input was awaited for a second"
    fi
}

# A static program must load nothing of the host's C library, in any locale:
# strace sees every file it opens, and none may be a shared object or under
# gconv/, the converters' folder. A locale whose name declares no codeset is
# installed where only LOCPATH finds it; the others need not be installed,
# as their names say what the program needs.
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

case $mode in
    io) run_io_failures ;;
    loads-nothing) run_loads_nothing ;;
    large) run_large_inputs ;;
    nonblocking) run_nonblocking ;;
    *) run_cases ;;
esac
finish
