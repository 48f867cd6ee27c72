#!/usr/bin/env bash
# The real program in a Wayland session as Debian 13's desktops have one:
# Weston, headless, with XWayland beside it. Runs wayland_test.py there, in a
# D-Bus session on which the accessibility bus starts on demand.
# Usage: wayland_test.sh PATH/TO/tankumat TITLE
set -euo pipefail
arbeit=$(mktemp -d)
export XDG_RUNTIME_DIR=$arbeit
# XWayland's sockets; a bare machine may not have the folder yet.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
weston --backend=headless-backend.so --use-pixman --xwayland --socket=wayland-zapfkontor >"$arbeit/weston.log" 2>&1 &
weston=$!
trap '{ kill "$weston" && wait "$weston"; } 2>/dev/null || true; rm -rf "$arbeit"' EXIT
anzeige=""
for _ in $(seq 1 300); do
    anzeige=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$arbeit/weston.log")
    [ -n "$anzeige" ] || ! kill -0 "$weston" 2>/dev/null && break
    sleep 0.1
done
[ -n "$anzeige" ] || { echo "FAIL: Weston brought up no XWayland:"; cat "$arbeit/weston.log"; exit 1; }
env -u QT_QPA_PLATFORM DISPLAY="$anzeige" WAYLAND_DISPLAY=wayland-zapfkontor \
    dbus-run-session -- /usr/bin/python3 -B "$(dirname "$0")/wayland_test.py" "$@"
