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
#   wine.sh --anlegen    makes the prefix, for tests without a session
#   wine.sh PROGRAM ...  runs the program in the prefix's session, or on its
#                        own where there is none
#
# Why a session: started on its own, Wine brings up its server and services
# for every program (seconds), and Debian's server ends as soon as its last
# program has: a program that comes to it while it ends is killed with it,
# without a word.
set -euo pipefail
# The session's processes are recorded in the prefix (sitzung_starten), its
# programs' output goes to its log.
SITZUNG_STARTER=sitzung_starten
SITZUNG_PROTOKOLL=$WINEPREFIX.protokoll
FENSTERMANAGER_EINSTELLUNGEN=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/openbox_wine.xml
source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"

# The session of the prefix $WINEPREFIX: its X server in .sitzung beside
# it, and the processes it started in .prozesse, one a line with the time it
# started, written the moment each starts, so a start cut short halfway
# leaves nothing unseen; its programs' output in .protokoll.

# True when the prefix's session is up: its Wine server and X server alive.
sitzung_laeuft() {
    [ -f "$WINEPREFIX.sitzung" ] || return 1
    # shellcheck source=/dev/null
    source "$WINEPREFIX.sitzung"
    # -k0: signal 0, so only whether the prefix's server runs.
    wineserver -k0 2>/dev/null && xprop -root -display "$DISPLAY" >/dev/null 2>&1
}

# When process $1 started, in clock ticks since boot; empty when it is gone.
# (After the name in brackets, which may hold blanks, it is the 20th field.)
startzeit() {
    sed 's/^.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f20
}

# Starts a program of the session in the background, its output to the log,
# and records it.
sitzung_starten() {
    "$@" >>"$SITZUNG_PROTOKOLL" 2>&1 &
    echo "$! $(startzeit $!)" >>"$WINEPREFIX.prozesse"
}

# Ends the session: the prefix's Wine server, and each process it recorded
# that is still the one it started (a number may have gone to another by
# now), waited for a few seconds at most, so the next session finds no X
# server or window manager about to go.
sitzung_beenden() {
    wineserver -k 2>/dev/null || true
    if [ -f "$WINEPREFIX.prozesse" ]; then
        local prozess zeit
        while read -r prozess zeit; do
            [ -n "$zeit" ] && [ "$(startzeit "$prozess")" = "$zeit" ] || continue
            kill "$prozess" 2>/dev/null || continue
            for _ in $(seq 1 100); do
                [ "$(startzeit "$prozess")" = "$zeit" ] || break
                sleep 0.05
            done
        done < <(tac "$WINEPREFIX.prozesse")
    fi
    rm -f "$WINEPREFIX.sitzung" "$WINEPREFIX.prozesse"
}

# Brings the prefix up to date with Wine's services started, making it where
# it is new. On a new prefix Wine now and then fails halfway, before any
# program of ours runs ("could not load kernel32.dll"): that is tried once
# more, and said.
wineboot_mit_zweitem_versuch() {
    local versuch
    for versuch in 1 2; do
        wine wineboot -i >>"$WINEPREFIX.protokoll" 2>&1 && return 0
        echo "wine.sh: wineboot in $WINEPREFIX failed (try $versuch of 2); Wine said:" >&2
        tail -n 5 "$WINEPREFIX.protokoll" >&2
    done
    return 1
}

# Brings up a session for the prefix: an X server (the caller's, or an Xvfb
# of its own), a window manager, a Wine server that stays until
# sitzung_beenden, and Wine's own services, started once. A caller that needs
# another X server starts it first, with xserver_starten, and sets DISPLAY.
sitzung_beginnen() {
    # A server of a program started without a session: CTest lists the
    # cases under Wine before the first fixture, and that program may be
    # making the prefix. Killed halfway, it leaves a prefix wineboot cannot
    # finish; it ends by itself once its programs have.
    timeout 120 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
    if ! xprop -root >/dev/null 2>&1; then
        local nummer
        xserver_starten nummer || return 1
        export DISPLAY=:$nummer
    fi
    printf 'DISPLAY=%q\n' "$DISPLAY" >"$WINEPREFIX.sitzung"
    fenstermanager_starten || return 1
    mkdir -p "$WINEPREFIX"
    # -p: the server stays when its last program ends, until the session
    # ends. It returns once the server takes programs.
    wineserver -p >>"$WINEPREFIX.protokoll" 2>&1
    if ! wineboot_mit_zweitem_versuch; then
        echo "FAIL: wineboot in $WINEPREFIX; Wine said:" >&2
        cat "$WINEPREFIX.protokoll" >&2
        return 1
    fi
}

# Sourced by the tests that bring up a session of their own: the functions
# above, nothing run.
[ "${BASH_SOURCE[0]}" = "$0" ] || return 0

case "${1:-}" in
--beginnen)
    # A session of a run cut short.
    sitzung_beenden
    : >"$WINEPREFIX.protokoll"
    sitzung_beginnen
    exit 0
    ;;
--beenden)
    sitzung_beenden
    exit 0
    ;;
--anlegen)
    # A prefix of its own for tests without a session, made before they run.
    fenstermanager_laeuft || exec "$(dirname "$0")/xserver.sh" --fenstermanager "$0" "$@"
    wineserver -w
    wineboot_mit_zweitem_versuch
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
    fenstermanager_laeuft || exec "$(dirname "$0")/xserver.sh" --fenstermanager "$0" "$@"
    # Without a session every program brings up a server of its own: it
    # starts once the last one's server has gone. A new prefix is made
    # first, on its own (CTest's listing of the cases, in a fresh build).
    wineserver -w
    if [ ! -d "$WINEPREFIX" ]; then
        wineboot_mit_zweitem_versuch || exit 1
        wineserver -w
    fi
    status=0
    wine "$@" || status=$?
fi
# A program ended from outside may leave no word of its own: the status says
# at least that.
[ "$status" = 0 ] || echo "wine.sh: $1 ended with status $status" >&2
exit "$status"
