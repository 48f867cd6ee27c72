#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
source ./setup.sh

installiere_fehlende "${PAKETE[@]}" "${TESTPAKETE[@]}"
BUILD_DIR="$PWD/build"
# The calculation's fuzzer is built with clang on its own; CTest runs it briefly.
CXX=clang++ cmake -S calculation/fuzz -B "$BUILD_DIR/fuzz" &&
    cmake --build "$BUILD_DIR/fuzz" --parallel "$(nproc)"
baue -DZAPFKONTOR_FUZZER="$BUILD_DIR/fuzz/rechnung_fuzz"
# The window tests run offscreen; the start-up test needs a real X server.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 300 </dev/null
