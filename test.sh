#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test suite headless, once:
# the Linux program's with AddressSanitizer and UndefinedBehaviorSanitizer
# watching, then the Windows program's under Wine. Each build ends with its
# own CTest summary.
set -euo pipefail
cd "$(dirname "$0")"
source ./setup.sh

installiere_fehlende "${PAKETE[@]}" "${TESTPAKETE[@]}" "${WINDOWSPAKETE[@]}"

# Every part runs, whatever an earlier one found; the script then fails and
# names each part that failed.
fehlgeschlagen=()
teil() {
    local name=$1
    shift
    "$@" || fehlgeschlagen+=("$name")
}

# One style for every C++ file, as .clang-format describes it, checked with
# clang-format 14 (Debian 12) and 19 (Debian 13), which agree on it.
stil() {
    local unformatiert=() datei
    while IFS= read -r -d '' datei; do
        clang-format --dry-run --Werror "$datei" 2>/dev/null || unformatiert+=("$datei")
    done < <(git ls-files -z --cached --others --exclude-standard '*.cpp' '*.h')
    [ ${#unformatiert[@]} -eq 0 ] && return 0
    echo "Not formatted as .clang-format says (clang-format -i FILE): ${unformatiert[*]}" >&2
    return 1
}

# The Linux program with the sanitizers; the calculation's fuzzer is built
# with clang on its own and run briefly. The window tests run offscreen; the
# start-up test needs a real X server.
linux() {
    CXX=clang++ cmake -S calculation/fuzz -B build/fuzz &&
        cmake --build build/fuzz --parallel "$(nproc)" &&
        cmake --preset sanitizer -DZAPFKONTOR_FUZZER="$PWD/build/fuzz/rechnung_fuzz" &&
        cmake --build --preset sanitizer --parallel "$(nproc)" &&
        tests/xserver.sh ctest --preset sanitizer --timeout 300 </dev/null
}

# The native Windows program, cross-built, its tests under Wine.
windows() {
    cmake --preset windows &&
        cmake --build --preset windows --parallel "$(nproc)" &&
        tests/xserver.sh ctest --preset windows </dev/null
}

# Both builds run the same behaviour cases: their names must match one by one.
verhaltensfaelle() { ctest --preset "$1" -N | grep -o 'verhalten\..*' | sort; }
gleiche_faelle() {
    diff <(verhaltensfaelle sanitizer) <(verhaltensfaelle windows) >&2 && return 0
    echo "The behaviour cases differ between the builds (<: Linux, >: Windows)." >&2
    return 1
}

teil "style" stil
teil "Linux" linux
teil "Windows" windows
teil "behaviour cases" gleiche_faelle
if [ ${#fehlgeschlagen[@]} -gt 0 ]; then
    echo "Failed: ${fehlgeschlagen[*]}" >&2
    exit 1
fi
