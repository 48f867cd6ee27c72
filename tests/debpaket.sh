#!/usr/bin/env bash
# Builds the Debian package as Debian builds it: the source package made
# from the tree's files (those git tracks, and new ones it does not ignore),
# then dpkg-buildpackage on it. Its tests are left out (nocheck: the suite
# runs them) unless DEBPAKET_MIT_TESTS is set. On a Debian older than the one
# the package is made for, it is built as a backport for it, as Debian builds
# one. Prints the .changes it made.
# Usage: debpaket.sh SOURCE-DIR TARGET-DIR
set -euo pipefail
quelle=$1
ziel=$2
baum=$ziel/tankumat-quelle
mkdir -p "$baum"
(cd "$quelle" && git ls-files -z --cached --others --exclude-standard) |
    (cd "$quelle" && xargs -0 cp --parents -t "$baum")
"$quelle/packaging/rueckportieren.sh" "$baum" "$(. /etc/os-release && echo "$VERSION_CODENAME")"
version=$(dpkg-parsechangelog -l "$baum/debian/changelog" -S Version)
mv "$baum" "$ziel/tankumat-$version"
baum=$ziel/tankumat-$version
befehl=(env DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -Pnocheck)
[ -z "${DEBPAKET_MIT_TESTS:-}" ] || befehl=(dpkg-buildpackage)
# A backport's .changes carries every entry of the changelog, as Debian's
# backports have it.
[[ $version != *~bpo* ]] || befehl+=(-v0)
(cd "$baum" && "${befehl[@]}" -us -uc >"$ziel/bau.log" 2>&1) || {
    tail -30 "$ziel/bau.log" >&2
    echo "FAIL: dpkg-buildpackage in $baum" >&2
    exit 1
}
echo "$ziel/tankumat_${version}_$(dpkg --print-architecture).changes"
