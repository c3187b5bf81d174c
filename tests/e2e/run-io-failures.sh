#!/usr/bin/env bash
# Failures of the standard streams, a full disk, closed and unreadable
# streams, a reader that goes away: status 1 and one line on standard error
# (options: common.sh).
. "$(dirname "$0")/common.sh"

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

run_io_failures
finish
