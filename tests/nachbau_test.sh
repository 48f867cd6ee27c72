#!/usr/bin/env bash
# Builds that anyone can repeat bit for bit: the program is built and packed
# twice from these sources with SOURCE_DATE_EPOCH set, in two folders, under
# two time zones, locales (C, and German) and umasks, and what is handed out must come out
# the same to the byte: the .deb (from the source package, as Debian builds
# it), or tankumat.exe, the zip and the installer.
# Usage: nachbau_test.sh SOURCE-DIR [TOOLCHAIN-FILE]  (with one: Windows)
set -euo pipefail
quelle=$1
werkzeug=${2:-}
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
fehler() { echo "FAIL: $*"; exit 1; }

# The commit's time, as Debian's checks take it; a fixed one outside git.
SOURCE_DATE_EPOCH=$(git -C "$quelle" log -1 --format=%ct 2>/dev/null || echo 1051783200)
export SOURCE_DATE_EPOCH

# Builds into $1 and packs into $1/pakete, in the environment the caller set.
bauen() {
    mkdir -p "$1"
    if [ -z "$werkzeug" ]; then
        "$(dirname "$0")/debpaket.sh" "$quelle" "$1/pakete" >/dev/null || fehler "the build in $1"
        return
    fi
    local optionen=(-DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_TOOLCHAIN_FILE="$werkzeug")
    cmake -S "$quelle" -B "$1" "${optionen[@]}" >"$1.log" 2>&1 &&
        cmake --build "$1" --parallel "$(nproc)" >>"$1.log" 2>&1 &&
        (cd "$1" && cpack -B "$1/pakete" >>"$1.log" 2>&1) || {
        tail -30 "$1.log"
        fehler "the build in $1"
    }
}
# The second build in German conventions, whatever the machine has
# generated: the locale compiled into a folder of the test's own.
export LOCPATH=$arbeit/locale
mkdir -p "$LOCPATH"
localedef -i de_DE -f UTF-8 "$LOCPATH/de_DE.UTF-8" 2>/dev/null || fehler "localedef could not make de_DE.UTF-8"
[ "$(LC_ALL=de_DE.UTF-8 locale decimal_point)" = "," ] || fehler "de_DE.UTF-8 is not in force"

# The first .deb with the package's own tests run, the second without them
# (nocheck): the same bytes either way.
(umask 022 && TZ=UTC LC_ALL=C DEBPAKET_MIT_TESTS=1 bauen "$arbeit/erster")
(umask 077 && TZ=Pacific/Auckland LC_ALL=de_DE.UTF-8 bauen "$arbeit/zweiter/ein/anderer/ordner")

if [ -z "$werkzeug" ]; then
    muster=('pakete/tankumat_*.deb')
else
    muster=('bin/tankumat.exe' 'pakete/*.zip' 'pakete/*.msi')
fi
# Each pattern expanded in the first build's folder, where the files are.
dateien=()
for m in "${muster[@]}"; do
    gefunden=$(cd "$arbeit/erster" && compgen -G "$m") || fehler "no $m in the first build"
    mapfile -t -O "${#dateien[@]}" dateien <<<"$gefunden"
done
verschieden=()
for eins in "${dateien[@]}"; do
    cmp -s "$arbeit/erster/$eins" "$arbeit/zweiter/ein/anderer/ordner/$eins" || verschieden+=("$eins")
done
if [ ${#verschieden[@]} -gt 0 ]; then
    for datei in "${verschieden[@]}"; do
        [[ $datei != *.deb ]] || diff <(dpkg-deb -c "$arbeit/erster/$datei") \
            <(dpkg-deb -c "$arbeit/zweiter/ein/anderer/ordner/$datei") || true
    done
    fehler "not the same in both builds: ${verschieden[*]}"
fi
# The installer says when it was made: at the sources' time, not a second
# later on a slow machine.
if [ -n "$werkzeug" ]; then
    erwartet=$(TZ=UTC LC_ALL=C date -d "@$SOURCE_DATE_EPOCH" '+%a %b %e %H:%M:%S %Y')
    msi=$(printf '%s\n' "${dateien[@]}" | grep '[.]msi$')
    zeiten=$(cd "$arbeit/erster" && TZ=UTC LC_ALL=C msiinfo suminfo "$msi" | grep -E '^(Created|Last saved):')
    [ "$zeiten" = "Created: $erwartet"$'\n'"Last saved: $erwartet" ] ||
        fehler "the installer's times are not $erwartet: $zeiten"
fi
echo "PASS: two builds give the same bytes: ${dateien[*]}"
