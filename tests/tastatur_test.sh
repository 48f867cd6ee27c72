#!/usr/bin/env bash
# Runs tastatur_test.py on an X server of its own with openbox managing the
# windows, in a D-Bus session on which the accessibility bus starts on demand.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/tastatur_test.py" "$@"
