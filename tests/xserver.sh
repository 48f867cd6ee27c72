# Sourced by the scripts that need an X server, and a window manager on it.

# Xvfb as every script starts it, itself or through xvfb-run. -noreset: by
# default the server resets when its last client goes, and turns away a
# client that connects meanwhile (a test's next program, straight after a
# short-lived xprop). XVFB_BILDSCHIRM asks for another screen size (a
# high-DPI one, say).
XVFB_SERVER=(-screen 0 "${XVFB_BILDSCHIRM:-1280x1024x24}" -noreset)
XVFB_ARGUMENTE=(-a -s "${XVFB_SERVER[*]}")

# Runs the command (the calling script again, as a rule) on an Xvfb of its
# own where $DISPLAY names no X server.
eigener_xserver() {
    [ -n "${DISPLAY:-}" ] || exec xvfb-run "${XVFB_ARGUMENTE[@]}" "$@"
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

# Starts openbox unless a window manager runs, stops it when the script ends.
# A test that needs a window manager must not go on without one: it fails
# here, with what openbox said, rather than later with a puzzling message.
fenstermanager() {
    fenstermanager_laeuft && return 0
    FENSTERMANAGER_LOG=$(mktemp)
    openbox --sm-disable >"$FENSTERMANAGER_LOG" 2>&1 &
    FENSTERMANAGER=$!
    # Waited for, so that the next script finds no manager about to go.
    trap '{ kill "$FENSTERMANAGER" && wait "$FENSTERMANAGER"; } 2>/dev/null || true; rm -f "$FENSTERMANAGER_LOG"' EXIT
    warte_auf_fenstermanager "$FENSTERMANAGER" "$FENSTERMANAGER_LOG"
}

# Waits for the window manager started as process $1, which logs to $2.
warte_auf_fenstermanager() {
    # A loaded machine may take a while to start it.
    for _ in $(seq 1 300); do
        fenstermanager_laeuft && return 0
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    echo "FAIL: no window manager on $DISPLAY; openbox said:" >&2
    cat "$2" >&2
    return 1
}
