# What the shell drivers of the tests share: counting their checks, and the
# rule for what this machine cannot try (skipped, but a failure under CI,
# which must try everything). Sourced by bash and sh scripts alike.

passed=0 failures=0 untried=0

pass() { passed=$((passed + 1)); }

fail() {  # NAME [REASON]
    echo "FAIL $1${2:+: $2}"
    failures=$((failures + 1))
}

# (COMMAND sees the caller's variables: this one's own have a name of its own.)
expect() {  # NAME COMMAND...: passes where COMMAND succeeds; 77 is a check not tried
    local expect_name=$1 expect_status
    shift
    "$@"
    expect_status=$?
    case $expect_status in 0) pass ;; 77) untried=$((untried + 1)) ;; *) fail "$expect_name" ;; esac
}

# True where a check may go untried for REASON; says so either way.
may_skip() {  # REASON
    if [ "${CI:-}" = true ]; then
        echo "$1, which CI must not skip" >&2
        return 1
    fi
    echo "SKIPPED: $1" >&2
}

# One check of several that cannot be tried.
not_tried() {  # NAME REASON
    may_skip "$1: $2" || fail "$1" "$2"
}

# A whole test that cannot run: CTest's skip status, 77, or a failure under CI.
skip_test() {  # REASON
    may_skip "$1" || exit 1
    exit 77
}

# The closing line the test runners read, and the status.
finish() {
    echo "$passed passed, $failures failed$([ "$untried" = 0 ] || echo ", $untried skipped")"
    [ "$failures" = 0 ]
}
