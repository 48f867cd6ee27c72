#!/usr/bin/env bash
# The Wine session's bookkeeping: every process it starts is recorded the
# moment it starts, and its end ends those and nothing else, not even a
# process that has come to a recorded number since (a stale session's).
set -euo pipefail
arbeit=$(mktemp -d)
export WINEPREFIX=$arbeit/prefix
source "$(dirname "$0")/wine.sh"
fremd=""
trap '[ -z "$fremd" ] || kill "$fremd" 2>/dev/null; rm -rf "$arbeit"' EXIT
fehler() { echo "FAIL: $*"; exit 1; }

sitzung_starten sleep 300
sitzung_starten sleep 301
eigene=$(cut -d' ' -f1 "$WINEPREFIX.prozesse" | tr '\n' ' ')
[ "$(wc -l <"$WINEPREFIX.prozesse")" = 2 ] || fehler "not both recorded: $(cat "$WINEPREFIX.prozesse")"
# A process of somebody else's under a number the session recorded, with
# the start time the number had then.
sleep 302 &
fremd=$!
echo "$fremd 1" >>"$WINEPREFIX.prozesse"

sitzung_beenden
for prozess in $eigene; do
    ! kill -0 "$prozess" 2>/dev/null || fehler "process $prozess of the session still runs"
done
kill -0 "$fremd" 2>/dev/null || fehler "the session ended a process not its own"
[ ! -e "$WINEPREFIX.prozesse" ] || fehler "the session's record is left behind"
echo "PASS: the session ends the processes it started, and only those"
