#!/usr/bin/env bash
# Runs skalierung_xcb_test.py with an X server and a D-Bus session of its own,
# on which the accessibility bus starts on demand.
set -euo pipefail
source "$(dirname "$0")/xserver.sh"
eigener_xserver "$0" "$@"
exec dbus-run-session -- /usr/bin/python3 -B "$(dirname "$0")/skalierung_xcb_test.py" "$@"
