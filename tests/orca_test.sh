#!/usr/bin/env bash
# Runs orca_test.py on an X server of its own with openbox managing the
# windows, in a D-Bus session on which the accessibility bus starts on demand.
set -euo pipefail
source "$(dirname "$0")/xserver.sh"
eigener_xserver "$0" "$@"
fenstermanager
dbus-run-session -- /usr/bin/python3 -B "$(dirname "$0")/orca_test.py" "$@"
