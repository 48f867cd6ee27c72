#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source ./setup.sh

installiere_fehlende "${PAKETE[@]}"
baue

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built, but there is no display: Zapfkontor is a desktop program and needs a graphical" >&2
    echo "session (DISPLAY or WAYLAND_DISPLAY). To run the tests without one, use ./test.sh." >&2
    exit 1
fi
exec "$BUILD_DIR/app/tankumat"
