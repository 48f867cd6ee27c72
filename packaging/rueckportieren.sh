#!/usr/bin/env bash
# Makes the source tree TREE a backport for RELEASE where RELEASE is older than
# the Debian release the package is made for (Debian 13), as `dch --bpo`
# does: a changelog entry on top, version ~bpoNN+1, distribution
# RELEASE-backports. Debian's tools then hold the package to the release it
# is made for (its Standards-Version, say) rather than to RELEASE's. The entry
# is dated a second after the one below it (lintian asks for a later date),
# not by the clock, so the build stays the same to the byte.
# For RELEASE 13 or newer it changes nothing.
# Usage: rueckportieren.sh TREE RELEASE    (a codename: bookworm, trixie, ...)
set -euo pipefail
baum=$1
release=$2
declare -A nummer=([bookworm]=12)
[ -n "${nummer[$release]:-}" ] || exit 0
changelog=$baum/debian/changelog
feld() { dpkg-parsechangelog -l "$changelog" -S "$1"; }
version=$(feld Version)
[[ $version != *~bpo* ]] || exit 0
{
    printf '%s (%s~bpo%s+1) %s-backports; urgency=medium\n\n' "$(feld Source)" "$version" "${nummer[$release]}" "$release"
    printf '  * Rebuild for %s-backports.\n\n' "$release"
    printf ' -- %s  %s\n\n' "$(feld Maintainer)" "$(TZ=UTC date -R -d "@$(($(feld Timestamp) + 1))")"
    cat "$changelog"
} >"$changelog.neu"
mv "$changelog.neu" "$changelog"
