#!/usr/bin/env bash
# Runs vorlesen_test.py with an X server and a D-Bus session of its own, on
# which the accessibility bus starts on demand.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
exec dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/vorlesen_test.py" "$@"
