#!/usr/bin/env bash
# Runs vorlesen_test.py with an X server and a D-Bus session of its own, on
# which the accessibility bus starts on demand.
set -euo pipefail
source "$(dirname "$0")/xserver.sh"
eigener_xserver "$0" "$@"
exec dbus-run-session -- /usr/bin/python3 -B "$(dirname "$0")/vorlesen_test.py" "$@"
