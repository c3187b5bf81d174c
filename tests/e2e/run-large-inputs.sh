#!/usr/bin/env bash
# Inputs of 256 MiB and random bytes (options: common.sh).
. "$(dirname "$0")/common.sh"

# Runs the program (or with $3..., another command) on what the command $1
# prints, into $work/out and $status; with $2 = measure, its peak resident
# set size in KiB goes to $peak.
run_on() {
    local generator=$1 measure=$2
    shift 2
    [ $# -gt 0 ] || set -- "${program[@]}"
    if [ "$measure" = measure ]; then
        "$generator" | LC_ALL=C /usr/bin/time -f %M -o "$work/rss" "$@" >"$work/out" 2>"$work/err"
        status=${PIPESTATUS[1]}
        peak=$(tail -n 1 "$work/rss")
    else
        "$generator" | LC_ALL=C "$@" >"$work/out" 2>"$work/err"
        status=${PIPESTATUS[1]}
    fi
}

# A runtime's own growth on a large input is not the program's: for the
# Node.js form it is measured on a script of the same Node.js that reads
# its input as the form does, in 64 KiB reads, and keeps none of it.
runtime=()
if [ "$node" = 1 ]; then
    runtime=(node -e 'const fs = require("fs"), b = Buffer.alloc(65536);
        for (let n; (n = fs.readSync(0, b, 0, b.length, null)) > 0;) b.subarray(0, n);')
fi

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
    local measure=measure base generator peak=0 allowed=4096
    if [ ! -x /usr/bin/time ]; then
        measure=''
        not_tried constant-memory "/usr/bin/time is not installed (time)"
    elif [ ${#runtime[@]} -gt 0 ]; then
        run_on small_number measure "${runtime[@]}"
        base=$peak
        run_on huge_number measure "${runtime[@]}"
        allowed=$((allowed + (peak > base ? peak - base : 0)))
    fi
    expand PEP | to_crlf >"$work/want-error"
    expand P | to_crlf >"$work/want-end"
    run_on small_number "$measure"
    base=$peak
    for generator in huge_number huge_word huge_zero; do
        run_on "$generator" "$measure"
        if [ $((peak - base)) -gt "$allowed" ]; then
            fail "$generator" "peak memory ${peak} KiB against ${base} KiB for a 16 MiB number (at most $allowed KiB more)"
        elif [ "$generator" = huge_zero ]; then
            check "$generator" 0 "$work/want-end" ""
        else
            check "$generator" 0 "$work/want-error" ""
        fi
    done

    run_on noise ""
    if [ "$status" = 0 ] && [ ! -s "$work/err" ]; then
        pass
    else
        fail random-bytes "status $status, standard error '$(cat "$work/err")'"
    fi
}

run_large_inputs
finish
