#!/usr/bin/env bash
# Standard streams made non-blocking by another process (options: common.sh).
. "$(dirname "$0")/common.sh"

# Runs a command with its standard input (0) or output (1) non-blocking. The
# flag is set on the open file, which the command shares, as a parent written
# in an event-loop runtime would leave it.
nonblocking=(perl -MFcntl -e '$h = shift() ? *STDOUT : *STDIN; fcntl($h, F_SETFL, fcntl($h, F_GETFL, 0) | O_NONBLOCK)
                             or die; exec { $ARGV[0] } @ARGV or die')

# The processor time, in seconds, of the program on stdin made non-blocking,
# with its input sent after DELAY seconds.
waiting_cpu() {  # DELAY
    { sleep "$1"; cat "$work/in"; } |
        LC_ALL=C /usr/bin/time -f '%U %S' -o "$work/cpu" "${nonblocking[@]}" 0 "${program[@]}" >"$work/out" 2>"$work/err"
    status=${PIPESTATUS[1]}
    tail -n 1 "$work/cpu" | awk '{ print $1 + $2 }'
}

# Streams made non-blocking by another process are waited for: nothing is
# lost or repeated, and a second of waiting costs no processor time beyond
# what the same run costs with its input ready (a runtime's start-up).
run_nonblocking() {
    local ready waiting
    awk 'BEGIN { for (i = 0; i < 20000; i++) print i % 10 + 1; print 0 }' >"$work/in"  # megabytes of output
    LC_ALL=C "${program[@]}" <"$work/in" >"$work/want"
    # The reader starts late and reads slowly, so the pipe is full again and again.
    LC_ALL=C "${nonblocking[@]}" 1 "${program[@]}" <"$work/in" 2>"$work/err" |
        { sleep 0.3; perl -e 'while (sysread(STDIN, $b, 8192)) { print $b; select(undef, undef, undef, 0.001) }'; } >"$work/out"
    status=${PIPESTATUS[0]}
    check stdout-nonblocking 0 "$work/want" ""

    printf '7\n12\n3 0\n' >"$work/in"
    LC_ALL=C "${program[@]}" <"$work/in" >"$work/want"
    ready=$(waiting_cpu 0)
    waiting=$(waiting_cpu 1)
    check stdin-nonblocking 0 "$work/want" ""
    if awk -v w="$waiting" -v r="$ready" 'BEGIN { exit !(w - r >= 0.2) }'; then
        fail stdin-nonblocking-waits "$waiting s of processor time while input was awaited for a second, $ready s with it ready"
    fi
}

run_nonblocking
finish
