#!/usr/bin/env bash
# Keeps one wineserver up for a whole run of the Windows tests, in the build
# folder's own Wine prefix, which it makes when missing. Left to itself the
# server stops a few seconds after its last client goes, and a client that
# connects just as it stops fails with "wine client error:0: recvmsg:
# Connection reset by peer"; tests that pause between two runs of the program
# (making large inputs, say) met that now and then. Only this prefix's server
# is started and stopped: a user's own Wine goes on undisturbed.
#
#   wine-session.sh start|stop PREFIX WINESERVER WINE...
set -u
what=$1 server=$3
export WINEPREFIX=$2
shift 3
wine=("$@")

case $what in
    start)
        # The server runs in the prefix folder: it must be there first.
        mkdir -p "$WINEPREFIX" || exit 1
        # A server that an interrupted run left behind in this prefix.
        "$server" -k 2>/dev/null
        "$server" -w
        # It stays until stopped: its standard streams must not be the test's,
        # or the test would wait on them until then.
        "$server" -p </dev/null >/dev/null 2>&1 || { echo "wine-session: cannot start $server in $WINEPREFIX" >&2; exit 1; }
        # A new prefix announces itself on standard error: made here, before
        # any test reads that. The services it starts stay with the server.
        log=$(mktemp)
        trap 'rm -f "$log"' EXIT
        "${wine[@]}" wineboot --init </dev/null >"$log" 2>&1 || { cat "$log"; exit 1; }
        ;;
    stop)
        "$server" -k
        "$server" -w
        ;;
    *) echo "usage: $0 start|stop PREFIX WINESERVER WINE..." >&2; exit 2 ;;
esac
