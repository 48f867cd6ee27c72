#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs a program under Wine on an X
# server with a window manager. Wine without one stalls for two seconds
# whenever the active window goes away. The caller sets WINEPREFIX.
set -euo pipefail
source "$(dirname "$0")/xserver.sh"
eigener_xserver "$0" "$@"
fenstermanager
# Debian's Wine server shuts down as soon as its last program has ended. A
# program that comes to it meanwhile may be ended with it, without a word,
# so the next one starts once that server has gone.
wineserver -w
# A program ended from outside may leave no word of its own: the status says
# at least that.
status=0
wine "$@" || status=$?
[ "$status" = 0 ] || echo "wine.sh: $1 ended with status $status" >&2
exit "$status"
