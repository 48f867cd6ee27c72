#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs a program under Wine on an X
# server with a window manager. Wine without one stalls for two seconds
# whenever the active window goes away. The caller sets WINEPREFIX.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
source "$(dirname "$0")/fenstermanager.sh"
fenstermanager
wine "$@"
