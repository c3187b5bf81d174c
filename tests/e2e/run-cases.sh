#!/usr/bin/env bash
# Runs the program on every case of ../cases.txt, comparing its output byte
# for byte, and its exit status (options: common.sh).
. "$(dirname "$0")/common.sh"

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

run_cases
finish
