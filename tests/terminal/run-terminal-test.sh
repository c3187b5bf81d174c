#!/usr/bin/env bash
# Drives the program in a real terminal (tmux) as a person would, and reads the
# screen and the raw bytes the terminal received.
#
#   run-terminal-test.sh [--term TERM [--no-terminfo]] [--windows [--no-vt] [--large-input]] -- PROGRAM [ARGS...]
#
# With a TERM that can clear, the screen must be cleared once at start, and
# where the terminal can clear its scrollback (terminfo's E3, or a terminal
# with no entry here, cleared by ECMA-48 sequences) that must hold nothing
# from before either; with TERM=dumb or unknown nothing is cleared and no
# escape byte is written. --no-terminfo runs the program where no terminfo
# entry can be found at all, whatever this machine has installed
# (tests/without-terminfo.sh), so that it must clear by ECMA-48 sequences.
# --windows is for a program under Wine, whose
# console writes escapes of its own; it must clear the terminal's scrollback
# too, as cls does behind ConPTY, but not where its console refuses virtual
# terminal sequences (--no-vt). There the console's end-of-input key is
# tried as well, and with --large-input a large input piped in must be
# answered on the console whole, every prompt legible.
set -u
. "$(dirname "$0")/../lib.sh"

term=xterm terminfo=1 windows=0 clears=1 vt=1 large_input=0
while [ $# -gt 0 ]; do
    case $1 in
        --term) term=$2; shift 2 ;;
        --no-terminfo) terminfo=0; shift ;;
        --windows) windows=1; shift ;;
        --no-vt) vt=0; shift ;;
        --large-input) large_input=1; shift ;;
        --) shift; break ;;
        *) echo "usage: $0 [--term TERM [--no-terminfo]] [--windows [--no-vt] [--large-input]] -- PROGRAM..." >&2; exit 2 ;;
    esac
done

command -v tmux >/dev/null || skip_test "tmux is not installed: the terminal is not tried"

case $term in '' | dumb | unknown) clears=0 ;; esac
# What clear(1) writes: the screen's clear sequence, then the scrollback's.
clear_bytes=$(tput -T"$term" clear 2>/dev/null)
clears_scrollback=0
if [ "$windows" = 1 ]; then
    clears_scrollback=$vt
elif infocmp -x "$term" 2>/dev/null | grep -q '[[:space:]]E3='; then
    clears_scrollback=1
fi
if [ "$windows" = 0 ] && [ "$clears" = 1 ] && { [ "$terminfo" = 0 ] || ! infocmp "$term" >/dev/null 2>&1; }; then
    # No entry for this terminal here: ECMA-48's home, erase display, erase scrollback.
    echo "no terminfo entry for $term: expecting the ECMA-48 clear"
    clear_bytes=$'\e[H\e[2J\e[3J' clears_scrollback=1
fi

if [ "$terminfo" = 0 ]; then
    set -- sh "$(dirname "$0")/../without-terminfo.sh" "$@"
    sh "$(dirname "$0")/../without-terminfo.sh" true
    status=$?
    [ "$status" = 0 ] || exit "$status"
fi

work=$(mktemp -d)
server=times-table-test-$$
# A server of its own, and none of the user's settings (~/.tmux.conf); a
# history that holds a large input's answers.
echo 'set-option -g history-limit 20000' >"$work/tmux.conf"
tmux_() { tmux -f "$work/tmux.conf" -L "$server" "$@"; }
trap 'tmux_ kill-server 2>/dev/null; rm -rf "$work"' EXIT

{
    printf '#!/bin/sh\nexec'
    printf ' %q' "$@"
    printf '\n'
} >"$work/launch"
chmod +x "$work/launch"

prompt='1부터 9까지 정수 입력/몇단 :(0은 종료)'
error='잘못 입력 하셨습니다'

screen() { tmux_ capture-pane -p -J -t test; }  # the visible screen, not its history
history_and_screen() { tmux_ capture-pane -p -J -S - -E - -t test; }

# Waits up to 20 seconds for text to be on screen.
wait_for() {
    local i
    for ((i = 0; i < 200; i++)); do
        screen | grep -qF -- "$1" && return 0
        sleep 0.1
    done
    return 1
}

wait_for_gone() {
    local i
    for ((i = 0; i < 200; i++)); do
        screen | grep -qF -- "$1" || return 0
        sleep 0.1
    done
    return 1
}

# A plain sh, so that nothing but the program writes escape sequences.
tmux_ new-session -d -s test -x 100 -y 100 \
    env -i PATH="$PATH" HOME="${HOME:-/root}" LC_ALL=C.UTF-8 TERM="$term" WINEDEBUG=-all PS1='$ ' sh
# More than a screenful, so that some of it has scrolled into the history.
tmux_ send-keys -t test 'stty susp undef; i=0; while [ $i -lt 150 ]; do i=$((i+1)); echo left-from-before $i; done' Enter
wait_for 'left-from-before 150' || { echo "FAIL the terminal did not start"; exit 1; }

tmux_ pipe-pane -o -t test "cat >'$work/raw'"
tmux_ send-keys -t test "'$work/launch'; echo \"status=\$?\"" Enter

expect "the prompt is legible Korean" wait_for "$prompt"
if [ "$clears" = 0 ]; then
    expect "TERM=$term leaves the screen as it was" wait_for left-from-before
else
    expect "the screen is cleared at start" eval '! screen | grep -q left-from-before'
fi
if [ "$clears_scrollback" = 1 ]; then
    expect "TERM=$term: the scrollback holds nothing from before" eval '! history_and_screen | grep -q left-from-before'
fi

tmux_ send-keys -t test 7 Enter
expect "a table appears as soon as its number is typed" wait_for '7*9=63'

tmux_ send-keys -t test '3 5' Enter
expect "two numbers on a line give both tables" wait_for '5*9=45'
expect "the tables come in input order" \
    eval "screen | grep -E '^(3\*9=27|5\*1= 5)\$' | tr '\n' ' ' | grep -qx '3\*9=27 5\*1= 5 '"

tmux_ send-keys -t test abc Enter
expect "junk gets the legible error text" wait_for "$error"

tmux_ send-keys -t test 0 Enter
expect "0 ends the program with status 0" wait_for 'status=0'
expect "the screen is cleared only once" eval '[ "$(screen | grep -cF -- "$prompt")" = 5 ]'

tmux_ pipe-pane -t test
if [ "$windows" = 1 ]; then
    # A console's end of input: Ctrl+Z, then Enter (the terminal's own
    # suspend key was turned off above).
    tmux_ send-keys -t test clear Enter
    expect "the screen is cleared for the next run" wait_for_gone 'status=0'
    tmux_ send-keys -t test "'$work/launch'; echo \"status=\$?\"" Enter
    wait_for "$prompt"
    tmux_ send-keys -t test C-z Enter
    expect "Ctrl+Z, Enter ends the program with status 0" wait_for 'status=0'
    if [ "$large_input" = 1 ]; then
        # Written to the console in pieces that any console takes (1,000
        # tables are some 100 KiB), none ending inside a character.
        tmux_ send-keys -t test clear Enter
        wait_for_gone 'status=0'
        tmux_ send-keys -t test "awk 'BEGIN { for (i = 0; i < 1000; i++) print i % 9 + 1; print 0 }' | '$work/launch'; echo \"status=\$?\"" Enter
        expect "a large input piped in is answered with status 0" wait_for 'status=0'
        expect "all 1,001 prompts of a large input are legible on the console" \
            eval '[ "$(history_and_screen | grep -cx -- "$prompt") $(history_and_screen | grep -c 부터)" = "1001 1001" ]'
    fi
else
    if [ "$clears" = 0 ]; then
        expect "TERM=$term gets no escape byte" eval "! grep -q \$'\\e' '$work/raw'"
    else
        expect "TERM=$term: its clear sequence is written once" \
            eval '[ "$(grep -o -F -- "$clear_bytes" "$work/raw" | wc -l)" = 1 ]'
    fi
fi

if [ "$failures" != 0 ]; then
    echo "--- screen:"
    screen | grep -v '^$' | tail -40
fi
finish
