#!/usr/bin/env bash
# Runs the colour scheme test on an X server and in a D-Bus session of its
# own, on which the desktop tells its programs of a new scheme.
# Usage: farbschema_test.sh PATH/TO/farbschema_test SCHEME
set -euo pipefail
source "$(dirname "$0")/xserver.sh"
eigener_xserver "$0" "$@"
exec dbus-run-session -- "$@"
