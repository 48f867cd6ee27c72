#!/usr/bin/env bash
# Checks what an installation and the Debian package put on a machine: the
# package as Debian builds it, from the source package (debpaket.sh).
# Usage: paket_test.sh SOURCE-DIR BUILD-DIR APP-ID VERSION TITLE
set -euo pipefail
quelle=$1
bau=$2
id=$3
version=$4
titel=$5
# The icon's sizes that the hicolor theme has folders for, 64 pixels and
# more among them for software centres.
symbolgroessen=(16 24 32 48 64 256)
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
fehler() { echo "FAIL: $*"; exit 1; }

desktop-file-validate "$bau/packaging/$id.desktop" || fehler "desktop entry"
# AppStream 1.0 asks for a homepage. The program has no web site, and an
# address made up for the validator would lead users nowhere: that one
# warning is accepted, nothing else.
if ! befund=$(appstreamcli validate --no-net --pedantic "$bau/packaging/$id.metainfo.xml" 2>&1) &&
    grep -E '^[EWIP]: ' <<<"$befund" | grep -qv ': url-homepage-missing$'; then
    fehler "metainfo: $befund"
fi
grep -q "release version=\"$version\"" "$bau/packaging/$id.metainfo.xml" || fehler "metainfo release"
grep -qx "Name=$titel" "$bau/packaging/$id.desktop" || fehler "desktop entry name"
# English first, German beside it: every text of the entry and the metainfo
# has a German translation that is not the text itself, and the metainfo
# says the interface speaks German alone.
for schluessel in GenericName Comment Keywords; do
    ohne=$(sed -n "s/^$schluessel=//p" "$bau/packaging/$id.desktop")
    uebersetzt=$(sed -n "s/^$schluessel\[de\]=//p" "$bau/packaging/$id.desktop")
    [ -n "$ohne" ] && [ -n "$uebersetzt" ] && [ "$ohne" != "$uebersetzt" ] ||
        fehler "desktop entry: $schluessel '$ohne', $schluessel[de] '$uebersetzt'"
done
metainfo() { python3 -B -c "import sys, xml.etree.ElementTree as E; print(E.parse(sys.argv[1]).getroot().findall(sys.argv[2])[int(sys.argv[3])].text.strip())" "$bau/packaging/$id.metainfo.xml" "$@"; }
xmlde='[@{http://www.w3.org/XML/1998/namespace}lang="de"]'
[ "$(metainfo "summary" 0)" != "$(metainfo "summary$xmlde" 0)" ] || fehler "metainfo: no German summary beside the English"
[ "$(metainfo "description/p" 0)" != "$(metainfo "description/p$xmlde" 0)" ] ||
    fehler "metainfo: no German description beside the English"
[ "$(metainfo "languages/lang" 0)" = "de" ] || fehler "metainfo: the interface's language is not German"

aenderungen=$("$(dirname "$0")/debpaket.sh" "$quelle" "$arbeit/paket") || fehler "dpkg-buildpackage"
deb=${aenderungen%.changes}.deb
dpkg-deb -x "$deb" "$arbeit/inhalt"
for datei in usr/bin/tankumat \
             usr/share/man/man1/tankumat.1.gz \
             usr/share/man/de/man1/tankumat.1.gz \
             usr/share/doc/tankumat/copyright \
             usr/share/doc/tankumat/changelog.gz \
             "usr/share/applications/$id.desktop" \
             "usr/share/metainfo/$id.metainfo.xml"; do
    [ -e "$arbeit/inhalt/$datei" ] || fehler "$datei missing from the package"
done
# The icon at each of those sizes and no other; and the metainfo names it, so
# software centres find it.
for groesse in "${symbolgroessen[@]}"; do
    symbol=$arbeit/inhalt/usr/share/icons/hicolor/${groesse}x$groesse/apps/$id.png
    file "$symbol" | grep -q "$groesse x $groesse" || fehler "no $groesse px icon"
done
[ "$(find "$arbeit/inhalt/usr/share/icons" -name '*.png' | wc -l)" = "${#symbolgroessen[@]}" ] ||
    fehler "other icons than the ${symbolgroessen[*]} px ones"
grep -q "<icon type=\"stock\">$id</icon>" "$bau/packaging/$id.metainfo.xml" || fehler "the metainfo names no icon"
abhaengig=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$abhaengig" || fehler "Depends lacks the Qt libraries: $abhaengig"
grep -q 'fonts-liberation2' <<<"$abhaengig" || fehler "Depends lacks the font: $abhaengig"
# On Debian 12 a backport of it (debpaket.sh).
case "$(dpkg-deb -f "$deb" Version)" in "$version" | "$version~bpo"*) ;; *) fehler "package version" ;; esac
# The man pages read without a complaint from groff, and man finds each
# where its language looks: the English one by default, the German one for
# a German locale.
handbuch=$arbeit/inhalt/usr/share/man
for seite in man1/tankumat.1.gz de/man1/tankumat.1.gz; do
    warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$handbuch/$seite" 2>&1 >/dev/null)
    [ -z "$warnungen" ] || fehler "man page $seite: $warnungen"
done
# col needs the locale too: in C it drops the umlauts of "RÜCKGABEWERT".
gefunden() (
    export LC_ALL=C.UTF-8
    MANWIDTH=80 MANPATH=$handbuch man -L "$1" tankumat 2>/dev/null | col -b
)
englisch=$(gefunden C)
deutsch=$(gefunden de)
grep -q '^EXIT STATUS' <<<"$englisch" || fehler "man tankumat in English: no exit status"
grep -q '^RÜCKGABEWERT' <<<"$deutsch" || fehler "man tankumat under de_DE: not the German page"
# Both say what the command line does: nothing of the program's own, Qt's
# standard options read before it starts.
grep -q -- '-platform' <<<"$englisch" || fehler "the English man page does not name Qt's options"
grep -q -- '-platform' <<<"$deutsch" || fehler "the German man page does not name Qt's options"
# The Freeware terms, as the copyright file grants them: in German, and in
# English beside them; the English man page and the metainfo carry both.
einzeilig() { tr '\n' ' ' | tr -s ' ' | sed 's/^ //; s/ $//'; }
bedingungen=$(einzeilig <"$(dirname "$0")/../packaging/bedingungen.txt")
terms=$(einzeilig <"$(dirname "$0")/../packaging/bedingungen.en.txt")
lizenz=$(awk '/^License: Freeware$/ { n++; next } n == 2' "$arbeit/inhalt/usr/share/doc/tankumat/copyright")
kopie=$(awk '/^ \.$/ { exit } { print }' <<<"$lizenz" | einzeilig)
[ "$kopie" = "$bedingungen" ] || fehler "the copyright file's terms: '$kopie'"
kopie=$(awk '/^ \.$/ { n++; next } n == 2' <<<"$lizenz" | einzeilig)
[ "$kopie" = "$terms" ] || fehler "the copyright file's terms in English: '$kopie'"
[[ "$(zcat "$handbuch/man1/tankumat.1.gz" | einzeilig)" == *"$bedingungen"*"$terms"* ]] ||
    fehler "the English man page's terms"
[[ "$(einzeilig <"$bau/packaging/$id.metainfo.xml")" == *"$bedingungen"*"$terms"* ]] || fehler "the metainfo's terms"

# Built as Debian builds: hardened as this release asks, and without the
# compilers' names. The program's only fortifiable calls take sizes unknown
# when it is compiled, so hardening-check finds nothing fortified to report.
programm=$arbeit/inhalt/usr/bin/tankumat
ohne=(--nofortify)
flaggen=" $(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS) "
# Branch protection is arm64's: where the release asks for none, it is not
# checked (Debian 12's hardening-check knows nothing of it).
if [[ "$flaggen" != *" -mbranch-protection"* ]] && grep -q -- --nobranchprotection <<<"$(hardening-check --help)"; then
    ohne+=(--nobranchprotection)
fi
# Control-flow protection: Debian 13 compiles with it on amd64, but its C
# library's start files carry no mark of it, so no program linked there (nor
# Debian's own) is marked as protected, and Debian 12 compiles without it.
# Where the release asks for it, the program's own code has its landing pads
# (endbr64: a handful come from the start files of a program without it).
ohne+=(--nocfprotection)
if [[ "$flaggen" == *" -fcf-protection"* ]] && [ "$(uname -m)" = x86_64 ]; then
    landeplaetze=$(objdump -d "$programm" | grep -c endbr64 || true)
    [ "$landeplaetze" -ge 100 ] || fehler "control-flow protection asked for, $landeplaetze landing pads found"
fi
haertung=$(hardening-check "${ohne[@]}" "$programm") || fehler "the program is not hardened: $haertung"
for merkmal in 'Position Independent Executable' 'Stack protected' 'Read-only relocations' 'Immediate binding'; do
    grep -q "$merkmal: yes" <<<"$haertung" || fehler "hardening-check: $merkmal: $haertung"
done
if readelf -S -W "$programm" | grep -qE ' \.comment | \.note '; then
    fehler "the program keeps .comment or .note"
fi

# The package's autopkgtest, where it can run here: the user's path through
# the package's program, unpacked rather than installed.
"$(dirname "$0")/xserver.sh" --fenstermanager --dbus /usr/bin/python3 -B "$quelle/debian/tests/benutzerpfad.py" \
    "$programm" >"$arbeit/pfad.log" 2>&1 || { cat "$arbeit/pfad.log"; fehler "the package's autopkgtest"; }

# Debian's own checker, pedantic, on the source and the binary package
# together: nothing at all. As root lintian only says so first.
befund=$(lintian -I --pedantic --fail-on none "$aenderungen" 2>&1 | grep -v 'running with root privileges' || true)
if grep -E '^[EWIPX]: ' <<<"$befund"; then
    fehler "lintian finds the package wanting"
fi
echo "PASS: desktop entry, metainfo, man page and package (lintian: ${befund:-clean})"
