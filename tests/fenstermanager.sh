# Sourced by the scripts that need a window manager on the X server in
# $DISPLAY: starts openbox unless one runs, stops it when the script ends.
fenstermanager() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    openbox --sm-disable >/dev/null 2>&1 &
    FENSTERMANAGER=$!
    trap 'kill "$FENSTERMANAGER" 2>/dev/null || true' EXIT
    for _ in $(seq 1 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
}
