#!/usr/bin/env bash
# Starts the real program on the xcb platform and checks that its main window
# maps with the designed caption and client size, out of the task bar.
# Usage: programmstart_test.sh PATH/TO/tankumat  (with DISPLAY, and no window
# manager)
set -euo pipefail

programm=$1
titel='Tankumat Fenrold-Edition!'

QT_QPA_PLATFORM=xcb LC_ALL=de_DE.UTF-8 "$programm" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

info=""
for _ in $(seq 1 100); do
    if info=$(xwininfo -name "$titel" 2>/dev/null) && grep -q 'Map State: IsViewable' <<<"$info"; then
        break
    fi
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program ended before its window mapped"; exit 1; }
    sleep 0.1
done
grep -q 'Map State: IsViewable' <<<"$info" || { echo "FAIL: no window '$titel' mapped"; exit 1; }

breite=$(sed -n 's/^ *Width: *//p' <<<"$info")
hoehe=$(sed -n 's/^ *Height: *//p' <<<"$info")
[ "$breite x $hoehe" = "681 x 493" ] || { echo "FAIL: client area $breite x $hoehe, expected 681 x 493"; exit 1; }

# Centred on the screen (no window manager here, so no frame to allow for).
wurzel=$(xwininfo -root)
mitte_x=$(( ($(sed -n 's/^ *Width: *//p' <<<"$wurzel") - 681) / 2 ))
mitte_y=$(( ($(sed -n 's/^ *Height: *//p' <<<"$wurzel") - 493) / 2 ))
x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
if (( x - mitte_x > 1 || mitte_x - x > 1 || y - mitte_y > 1 || mitte_y - y > 1 )); then
    echo "FAIL: window at $x,$y, centred would be $mitte_x,$mitte_y"; exit 1
fi

id=$(sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$info")
zustand=$(xprop -id "$id" _NET_WM_STATE)
grep -q '_NET_WM_STATE_SKIP_TASKBAR' <<<"$zustand" || { echo "FAIL: no _NET_WM_STATE_SKIP_TASKBAR: $zustand"; exit 1; }

kill "$pid"
wait "$pid" 2>/dev/null || true
echo "PASS: '$titel' mapped centred at 681 x 493, out of the task bar"
