#!/usr/bin/env bash
# A test's X session, opened one way for every test that needs one:
#
#   xserver.sh [--fenstermanager] [--dbus] COMMAND ...
#
# runs the command on the caller's X server, or on an Xvfb of its own where
# $DISPLAY names none; with --fenstermanager under a window manager (openbox,
# unless one runs), with --dbus in a D-Bus session of its own, on which the
# accessibility bus starts on demand. What it started ends with the command.
# Sourced (Wine's session, the two-monitor test), it gives the same steps as
# functions, and runs nothing.

# Xvfb as every test starts it. -noreset: by default the server resets when
# its last client goes, and turns away a client that connects meanwhile (a
# test's next program, straight after a short-lived xprop). XVFB_BILDSCHIRM
# asks for another screen size (a high-DPI one, say).
XVFB_SERVER=(-screen 0 "${XVFB_BILDSCHIRM:-1280x1024x24}" -noreset)

# How the session starts a process in the background: `im_hintergrund` unless
# the caller names another (Wine's session records its processes in its
# prefix, since it outlives the script that opens it).
SITZUNG_STARTER=${SITZUNG_STARTER:-im_hintergrund}
SITZUNG_PROTOKOLL=${SITZUNG_PROTOKOLL:-/dev/null}
hintergrund=()

im_hintergrund() {
    "$@" >>"$SITZUNG_PROTOKOLL" 2>&1 &
    hintergrund+=("$!")
}

# Ends what im_hintergrund started, last first, and waits for it, so the next
# test finds no X server or window manager about to go.
hintergrund_beenden() {
    local i
    for ((i = ${#hintergrund[@]} - 1; i >= 0; i--)); do
        { kill "${hintergrund[i]}" && wait "${hintergrund[i]}"; } 2>/dev/null || true
    done
    hintergrund=()
}

# Starts an X server (the command without -displayfd; Xvfb as above where
# none is given) on a free display, and sets the variable named $1 to the
# display's number.
xserver_starten() {
    local -n anzeige=$1
    shift
    local datei
    datei=$(mktemp)
    [ $# -gt 0 ] || set -- Xvfb "${XVFB_SERVER[@]}"
    "$SITZUNG_STARTER" "$@" -displayfd 3 3>"$datei"
    for _ in $(seq 1 300); do
        [ -s "$datei" ] && break
        sleep 0.1
    done
    if [ ! -s "$datei" ]; then
        echo "FAIL: $1 did not start" >&2
        rm -f "$datei"
        return 1
    fi
    anzeige=$(cat "$datei")
    rm -f "$datei"
}

# True when the root window names a window manager's check window that
# still exists (a killed manager can leave the root's property behind), and
# the manager has come far enough to publish its list of windows (openbox
# names its check window before it loads its theme and settings).
fenstermanager_laeuft() {
    local fenster
    fenster=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o '0x[0-9a-f]*') || return 1
    xprop -id "$fenster" _NET_WM_NAME >/dev/null 2>&1 &&
        xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q 'window id'
}

# Starts openbox on $DISPLAY unless a window manager runs, and waits for it;
# with the settings in the file $FENSTERMANAGER_EINSTELLUNGEN where set.
# A test that needs a window manager must not go on without one: it fails
# here, with what openbox said, rather than later with a puzzling message.
fenstermanager_starten() {
    fenstermanager_laeuft && return 0
    local protokoll=$SITZUNG_PROTOKOLL
    [ "$protokoll" != /dev/null ] || protokoll=$(mktemp)
    SITZUNG_PROTOKOLL=$protokoll "$SITZUNG_STARTER" openbox --sm-disable \
        ${FENSTERMANAGER_EINSTELLUNGEN:+--config-file "$FENSTERMANAGER_EINSTELLUNGEN"}
    # A loaded machine may take a while to start it.
    for _ in $(seq 1 300); do
        fenstermanager_laeuft && return 0
        sleep 0.1
    done
    echo "FAIL: no window manager on $DISPLAY; openbox said:" >&2
    cat "$protokoll" >&2
    return 1
}

# Sourced: the functions above, nothing run.
[ "${BASH_SOURCE[0]}" = "$0" ] || return 0

set -euo pipefail
fenstermanager=false
dbus=()
while [ $# -gt 0 ]; do
    case "$1" in
    --fenstermanager) fenstermanager=true ;;
    --dbus) dbus=(dbus-run-session --) ;;
    *) break ;;
    esac
    shift
done
trap hintergrund_beenden EXIT
if [ -z "${DISPLAY:-}" ] || ! xprop -root >/dev/null 2>&1; then
    xserver_starten nummer
    export DISPLAY=:$nummer
fi
! $fenstermanager || fenstermanager_starten
status=0
"${dbus[@]}" "$@" || status=$?
exit "$status"
