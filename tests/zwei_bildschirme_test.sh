#!/usr/bin/env bash
# Runs a Windows test program under Wine with two monitors side by side:
# Xephyr's two screens joined by Xinerama, without RandR, so that Wine takes
# the two Xinerama heads for its monitors (Xvfb puts both screens at 0, 0).
# Xephyr draws into an Xvfb of its own; the Wine prefix is made for the run.
# Usage: zwei_bildschirme_test.sh PROGRAM.exe
set -euo pipefail
source "$(dirname "$0")/xserver.sh"
if [ -z "${ZWEI_BILDSCHIRME_WIRT:-}" ]; then
    # Large enough to hold both screens.
    ZWEI_BILDSCHIRME_WIRT=1 exec xvfb-run -a -s "-screen 0 2600x1100x24 -noreset" "$0" "$@"
fi
arbeit=$(mktemp -d)
export WINEPREFIX=$arbeit/prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
aufraeumen() {
    wineserver -k 2>/dev/null || true
    for prozess in ${FENSTERMANAGER:-} ${XEPHYR:-}; do
        { kill "$prozess" && wait "$prozess"; } 2>/dev/null || true
    done
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
Xephyr -displayfd 3 -screen 1280x1024+0+0 -screen 1280x1024+1280+0 +xinerama -extension RANDR -noreset \
    3>"$arbeit/display" >"$arbeit/xephyr.log" 2>&1 &
XEPHYR=$!
for _ in $(seq 1 300); do
    [ -s "$arbeit/display" ] && break
    sleep 0.1
done
[ -s "$arbeit/display" ] || { echo "FAIL: Xephyr did not start:"; cat "$arbeit/xephyr.log"; exit 1; }
export DISPLAY=:$(cat "$arbeit/display")
openbox --sm-disable >"$arbeit/openbox.log" 2>&1 &
FENSTERMANAGER=$!
warte_auf_fenstermanager "$FENSTERMANAGER" "$arbeit/openbox.log"
mkdir -p "$WINEPREFIX"
# One server for the prefix's whole life (see wine.sh).
wineserver -p
wine wineboot -i >/dev/null 2>&1
wine "$@"
