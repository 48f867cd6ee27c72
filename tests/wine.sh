#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs a program under Wine on an X
# server with a window manager. Wine without one stalls for two seconds
# whenever the active window goes away. The caller sets WINEPREFIX.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    trap 'kill "$wm" 2>/dev/null || true' EXIT
    for _ in $(seq 1 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi
wine "$@"
