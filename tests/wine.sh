#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs a program under Wine on an X
# server with a window manager. Wine without one stalls for two seconds
# whenever the active window goes away. The caller sets WINEPREFIX.
#
#   wine.sh --beginnen   brings up a session for the prefix: an X server (the
#                        caller's, or one of its own), a window manager and a
#                        Wine server that stays until --beenden, with Wine's
#                        own services started once
#   wine.sh --beenden    ends that session and everything it started
#   wine.sh PROGRAM ...  runs the program in the prefix's session, or on its
#                        own where there is none
#
# Why a session: started on its own, Wine brings up its server and services
# for every program (seconds), and Debian's server ends as soon as its last
# program has: a program that comes to it while it ends is killed with it,
# without a word.
set -euo pipefail
source "$(dirname "$0")/xserver.sh"
sitzung=$WINEPREFIX.sitzung

# True when the prefix's session is up: its Wine server and X server alive.
sitzung_laeuft() {
    [ -f "$sitzung" ] || return 1
    # shellcheck source=/dev/null
    source "$sitzung"
    # -k0: signal 0, so only whether the prefix's server runs.
    wineserver -k0 2>/dev/null && xprop -root -display "$DISPLAY" >/dev/null 2>&1
}

beenden() {
    [ -f "$sitzung" ] || return 0
    # shellcheck source=/dev/null
    source "$sitzung"
    wineserver -k 2>/dev/null || true
    # Each waited for (a few seconds at most), so the next session finds
    # no X server or window manager about to go.
    for prozess in $SITZUNG_PROZESSE; do
        kill "$prozess" 2>/dev/null || continue
        for _ in $(seq 1 100); do
            kill -0 "$prozess" 2>/dev/null || break
            sleep 0.05
        done
    done
    rm -f "$sitzung"
}

beginnen() {
    # A session of a run cut short.
    beenden
    # A server of a program started without a session: CTest lists the
    # cases under Wine before the first fixture, and that program may be
    # making the prefix. Killed halfway, it leaves a prefix wineboot cannot
    # finish; it ends by itself once its programs have.
    timeout 120 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
    local protokoll=$WINEPREFIX.protokoll prozesse=""
    : >"$protokoll"
    # Started in the background, each writing to the log rather than to
    # CTest's output: CTest would otherwise wait for them to end.
    if ! xprop -root >/dev/null 2>&1; then
        # Xvfb picks a free display and writes its number to the file.
        local nummer=$WINEPREFIX.display
        : >"$nummer"
        Xvfb -displayfd 3 -screen 0 "${XVFB_BILDSCHIRM:-1280x1024x24}" -noreset 3>"$nummer" >>"$protokoll" 2>&1 &
        prozesse="$!"
        for _ in $(seq 1 300); do
            [ -s "$nummer" ] && break
            sleep 0.1
        done
        [ -s "$nummer" ] || { echo "FAIL: Xvfb did not start:" >&2; cat "$protokoll" >&2; exit 1; }
        export DISPLAY=:$(cat "$nummer")
        rm -f "$nummer"
    fi
    if ! fenstermanager_laeuft; then
        openbox --sm-disable >>"$protokoll" 2>&1 &
        prozesse="$prozesse $!"
        warte_auf_fenstermanager "$!" "$protokoll"
    fi
    mkdir -p "$WINEPREFIX"
    # -p: the server stays when its last program ends, until --beenden. It
    # returns once the server takes programs.
    wineserver -p >>"$protokoll" 2>&1
    printf 'DISPLAY=%q\nSITZUNG_PROZESSE=%q\n' "$DISPLAY" "$prozesse" >"$sitzung"
    if ! wine wineboot -i >>"$protokoll" 2>&1; then
        echo "FAIL: wineboot in $WINEPREFIX; Wine said:" >&2
        cat "$protokoll" >&2
        exit 1
    fi
}

case "${1:-}" in
--beginnen)
    beginnen
    exit 0
    ;;
--beenden)
    beenden
    exit 0
    ;;
esac

if sitzung_laeuft; then
    export DISPLAY
    # What the program writes goes to a file first, since the services it may
    # start on the way inherit its output and outlive it.
    ausgabe=$(mktemp)
    trap 'cat "$ausgabe"; rm -f "$ausgabe"' EXIT
    status=0
    wine "$@" >"$ausgabe" 2>&1 || status=$?
    cat "$ausgabe"
    rm -f "$ausgabe"
    trap - EXIT
else
    eigener_xserver "$0" "$@"
    fenstermanager
    # Without a session every program brings up a server of its own: it
    # starts once the last one's server has gone.
    wineserver -w
    status=0
    wine "$@" || status=$?
fi
# A program ended from outside may leave no word of its own: the status says
# at least that.
[ "$status" = 0 ] || echo "wine.sh: $1 ended with status $status" >&2
exit "$status"
