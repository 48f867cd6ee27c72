#!/usr/bin/env bash
# The source package built as a distribution builds it, in a clean root of
# each release with pbuilder (nothing fetched during the build itself), then
# checked in a fresh root of the same release: lintian on the .changes and
# the autopkgtest against the installed package. As root, from a checkout.
#
# Usage: packaging/debian-bauen.sh [RELEASE ...]    (bookworm and trixie unless named)
# The roots are kept in ZAPFKONTOR_ROOTS (/var/cache/zapfkontor), the results
# go to ZAPFKONTOR_PAKETE (./build/debian/RELEASE).
set -euo pipefail
[ "$(id -u)" = 0 ] || { echo "debian-bauen.sh: pbuilder needs root" >&2; exit 2; }
cd "$(git rev-parse --show-toplevel)"
releases=("${@:-bookworm trixie}")
read -r -a releases <<<"${releases[*]}"
roots=${ZAPFKONTOR_ROOTS:-/var/cache/zapfkontor}
pakete=${ZAPFKONTOR_PAKETE:-$PWD/build/debian}
# The machine's own Debian mirror, as apt has it.
spiegel=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null ||
    awk '/^deb / { print $2; exit }' /etc/apt/sources.list)
command -v pbuilder >/dev/null || apt-get install -y -q --no-install-recommends pbuilder
mkdir -p "$roots" "$pakete"

# The source package for RELEASE, from the committed tree: for a release
# older than the one the package is made for, a backport, its .changes with
# every entry of the changelog. Sets dsc, and optionen for dpkg-buildpackage.
quellpaket() {
    local quelle=$pakete/quelle/$1 version
    rm -rf "$quelle"
    mkdir -p "$quelle"
    git archive --prefix=tankumat/ HEAD | tar -x -C "$quelle"
    packaging/rueckportieren.sh "$quelle/tankumat" "$1"
    version=$(dpkg-parsechangelog -l "$quelle/tankumat/debian/changelog" -S Version)
    mv "$quelle/tankumat" "$quelle/tankumat-$version"
    (cd "$quelle/tankumat-$version" && dpkg-source -b . >/dev/null)
    dsc=$quelle/tankumat_$version.dsc
    optionen=
    [[ $version != *~bpo* ]] || optionen=-v0
}

for release in "${releases[@]}"; do
    start=$(date +%s)
    quellpaket "$release"
    grund=$roots/$release.tgz
    ergebnis=$pakete/$release
    rm -rf "$ergebnis"
    mkdir -p "$ergebnis"
    if [ ! -f "$grund" ]; then
        pbuilder create --distribution "$release" --mirror "$spiegel" --basetgz "$grund" >"$ergebnis/root.log" 2>&1 ||
            { tail -20 "$ergebnis/root.log"; exit 1; }
    fi
    pbuilder update --basetgz "$grund" >"$ergebnis/root.log" 2>&1 || { tail -20 "$ergebnis/root.log"; exit 1; }
    pbuilder build --basetgz "$grund" --buildresult "$ergebnis" ${optionen:+--debbuildopts "$optionen"} "$dsc" \
        >"$ergebnis/bau.log" 2>&1 ||
        { tail -40 "$ergebnis/bau.log"; exit 1; }
    # lintian and the autopkgtest of this release, in a fresh root of it.
    cat >"$ergebnis/pruefen.sh" <<'PRUEFEN'
#!/bin/sh
set -e
cd "$1"
apt-get install -y -q --no-install-recommends lintian autopkgtest >/dev/null
aenderungen=$(ls ./*_"$(dpkg --print-architecture)".changes)
lintian --pedantic -I --fail-on none "$aenderungen" >lintian.txt 2>&1 || true
autopkgtest "$aenderungen" -- null >autopkgtest.log 2>&1
PRUEFEN
    chmod +x "$ergebnis/pruefen.sh"
    status=0
    pbuilder execute --basetgz "$grund" --use-network yes --bindmounts "$ergebnis" -- \
        "$ergebnis/pruefen.sh" "$ergebnis" >"$ergebnis/pruefen.log" 2>&1 || status=$?
    echo "== $release: $(cd "$ergebnis" && ls -- *.deb *.changes | tr '\n' ' ')"
    befund=$(grep -v 'running with root privileges' "$ergebnis/lintian.txt" 2>/dev/null | tr '\n' ' ' || true)
    echo "   lintian: ${befund:-nothing}"
    echo "   autopkgtest: $(grep -E '^benutzerpfad +[A-Z]+' "$ergebnis/autopkgtest.log" 2>/dev/null | tail -n 1 || echo failed)"
    echo "   $(( $(date +%s) - start )) s"
    [ "$status" = 0 ] || { tail -20 "$ergebnis/pruefen.log"; exit 1; }
done
