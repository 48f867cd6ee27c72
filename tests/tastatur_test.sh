#!/usr/bin/env bash
# Runs tastatur_test.py on an X server of its own with openbox managing the
# windows, in a D-Bus session on which the accessibility bus starts on demand.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
source "$(dirname "$0")/fenstermanager.sh"
fenstermanager
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/tastatur_test.py" "$@"
