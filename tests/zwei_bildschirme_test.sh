#!/usr/bin/env bash
# Runs a Windows test program under Wine with two monitors side by side:
# Xephyr's two screens joined by Xinerama, without RandR, so that Wine takes
# the two Xinerama heads for its monitors (Xvfb puts both screens at 0, 0).
# Xephyr draws into an Xvfb of its own; the Wine prefix is made for the run.
# Usage: zwei_bildschirme_test.sh PROGRAM.exe
set -euo pipefail
arbeit=$(mktemp -d)
export WINEPREFIX=$arbeit/prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
# The screen Xephyr draws into, large enough to hold both of its screens.
XVFB_BILDSCHIRM=2600x1100x24
source "$(dirname "$0")/wine.sh"
trap 'sitzung_beenden; rm -rf "$arbeit"' EXIT
xserver_starten wirt
DISPLAY=:$wirt xserver_starten zwei Xephyr -screen 1280x1024+0+0 -screen 1280x1024+1280+0 +xinerama \
    -extension RANDR -noreset
export DISPLAY=:$zwei
# On Xephyr, the window manager, the Wine server and Wine's services.
sitzung_beginnen
wine "$@"
