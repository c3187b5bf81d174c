#!/usr/bin/env bash
# Keeps one wineserver up for a whole run of the Windows tests. Left to
# itself the server stops a few seconds after its last client goes, and a
# client that connects just as it stops fails with "wine client error:0:
# recvmsg: Connection reset by peer"; tests that pause between two runs of
# the program (making large inputs, say) met that now and then.
#
#   wine-session.sh start|stop WINESERVER WINE...
set -u
what=$1 server=$2
shift 2
wine=("$@")

case $what in
    start)
        "$server" -k 2>/dev/null
        "$server" -w
        # It stays until stopped: its standard streams must not be the test's,
        # or the test would wait on them until then.
        "$server" -p </dev/null >/dev/null 2>&1 || { echo "wine-session: cannot start $server" >&2; exit 1; }
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
    *) echo "usage: $0 start|stop WINESERVER WINE..." >&2; exit 2 ;;
esac
