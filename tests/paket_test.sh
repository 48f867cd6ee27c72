#!/usr/bin/env bash
# Checks what an installation and the Debian package put on a machine.
# Usage: paket_test.sh BUILD-DIR APP-ID VERSION TITLE
set -euo pipefail
bau=$1
id=$2
version=$3
titel=$4
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
fehler() { echo "FAIL: $*"; exit 1; }

desktop-file-validate "$bau/app/$id.desktop" || fehler "desktop entry"
appstreamcli validate --no-net --pedantic "$bau/app/$id.metainfo.xml" || fehler "metainfo"
grep -q "release version=\"$version\"" "$bau/app/$id.metainfo.xml" || fehler "metainfo release"
grep -qx "Name=$titel" "$bau/app/$id.desktop" || fehler "desktop entry name"

(cd "$bau" && cpack -G DEB -B "$arbeit/paket" >/dev/null) || fehler "cpack"
deb=$(ls "$arbeit"/paket/*.deb)
dpkg-deb -x "$deb" "$arbeit/inhalt"
for datei in usr/bin/tankumat \
             usr/share/man/man1/tankumat.1.gz \
             usr/share/doc/tankumat/copyright \
             usr/share/doc/tankumat/changelog.gz \
             "usr/share/applications/$id.desktop" \
             "usr/share/metainfo/$id.metainfo.xml" \
             "usr/share/icons/hicolor/16x16/apps/$id.png" \
             "usr/share/icons/hicolor/32x32/apps/$id.png"; do
    [ -e "$arbeit/inhalt/$datei" ] || fehler "$datei missing from the package"
done
file "$arbeit/inhalt/usr/share/icons/hicolor/32x32/apps/$id.png" | grep -q '32 x 32' || fehler "32 px icon size"
file "$arbeit/inhalt/usr/share/icons/hicolor/16x16/apps/$id.png" | grep -q '16 x 16' || fehler "16 px icon size"
abhaengig=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$abhaengig" || fehler "Depends lacks the Qt libraries: $abhaengig"
grep -q 'fonts-liberation2' <<<"$abhaengig" || fehler "Depends lacks the font: $abhaengig"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fehler "package version"
# The man page reads without a complaint from groff.
warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$arbeit/inhalt/usr/share/man/man1/tankumat.1.gz" 2>&1 >/dev/null)
[ -z "$warnungen" ] || fehler "man page: $warnungen"
grep -q '^\.SH RÜCKGABEWERT' <<<"$(zcat "$arbeit/inhalt/usr/share/man/man1/tankumat.1.gz")" || fehler "man page without exit status"

# Debian's own checker: no error and no warning (notes are fine). As root
# it only says so first.
befund=$(lintian --fail-on none "$deb" 2>&1 | grep -v 'running with root privileges' || true)
if grep -E '^[EW]: ' <<<"$befund"; then
    fehler "lintian finds the package wanting"
fi
echo "PASS: desktop entry, metainfo, man page and package (lintian: ${befund:-clean})"
