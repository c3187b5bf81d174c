# What the end-to-end drivers share: their options, the texts the program
# must write, and the comparison of its output, standard error and status.
# Sourced by run-*.sh, which take:
#
#   [--windows | --node] [--locale LOCALE | --env 'NAME=VALUE...' --texts ENCODING] -- PROGRAM [ARGS...]
#
# --locale runs the program under LC_ALL=LOCALE. --env runs it with no locale
# variable but those it names (none for ''), expecting the texts in the
# encoding --texts names (utf8, gb18030 or cp949).
# --windows expects each line break as CR LF, as a Windows text stream writes
# it, takes the C runtime's own words for the reason of a failure, and leaves
# out what only POSIX has (death by SIGPIPE). --node is for the web build's
# Node.js form, which Node.js cannot show a closed standard stream (it opens
# /dev/null there) nor SIGPIPE (which it ignores): those cases are left out.
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../lib.sh"
locale_env=(LC_ALL=C) texts=cp949 windows=0 node=0
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
        --) shift; break ;;
        *) echo "usage: $0 [--windows | --node] [--locale LOCALE | --env VARIABLES --texts ENCODING] -- PROGRAM..." >&2; exit 2 ;;
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
