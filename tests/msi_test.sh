#!/usr/bin/env bash
# The Windows installer as a user meets it, in a Wine prefix of its own: made
# by CPack beside the zip, it installs for the user alone without asking, puts
# the program, a Start-menu entry and an uninstall entry in place, and the
# installed program starts. The next release (the last number one higher)
# replaces it, leaving one program and one entry; the older one is refused
# over the newer; uninstalling leaves nothing behind.
# Usage: msi_test.sh BUILD-DIR MSI-NAME TITLE VERSION PUBLISHER TERMS-FILE
set -euo pipefail
bau=$1
name=$2
titel=$3
version=$4
hersteller=$5
bedingungen=$(tr '\n' ' ' <"$6" | tr -s ' ' | sed 's/ $//')
arbeit=$(mktemp -d)
export WINEPREFIX=$arbeit/prefix WINEDEBUG=-all
# No menu entries or file associations for the machine the tests run on.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
source "$(dirname "$0")/wine.sh"
trap 'sitzung_beenden; rm -rf "$arbeit"' EXIT
fehler() { echo "FAIL: $*"; exit 1; }

(cd "$bau" && cpack -G ZIP -B "$arbeit/paket" >/dev/null) || fehler "cpack"
msi=$arbeit/paket/$name
[ -f "$msi" ] || fehler "no $name beside the zip: $(ls "$arbeit/paket")"
# Windows Installer reads three fields of a version: major, minor, revision.
IFS=. read -r haupt neben _ revision <<<"$version"
msi_version=$haupt.$neben.$revision
# The package itself: for the user alone, the program's icon in "Apps", the
# terms beside the entry, and a German word where an older one is refused.
# Read whole first: grep -q would stop reading early, and under pipefail the
# writer's broken pipe would count as a failure.
eigenschaften=$(msiinfo export "$msi" Property)
grep -qP '^ARPPRODUCTICON\t' <<<"$eigenschaften" || fehler "no icon for the uninstall entry"
grep -qP "^ProductVersion\t$msi_version\r?$" <<<"$eigenschaften" || fehler "product version, not $msi_version"
grep -qF "ARPCOMMENTS	$bedingungen" <<<"$eigenschaften" || fehler "the terms are not beside the uninstall entry"
grep -q 'Eine neuere Version ist schon installiert.' <<<"$(msiinfo export "$msi" LaunchCondition)" ||
    fehler "no German word for a refused older version"
# German throughout: the language of the product and of the package's own
# summary, which Windows reads first.
grep -qP '^ProductLanguage\t1031\r?$' <<<"$eigenschaften" || fehler "the product's language is not German"
summe=$(msiinfo suminfo "$msi") || fehler "msiinfo cannot read the summary"
grep -qx 'Template: x64;1031' <<<"$summe" || fehler "the summary's template: $(grep Template <<<"$summe")"

# The next release: the same package, its version's last field one higher
# and with that version's product code, as the build makes them.
naechste=$haupt.$neben.$((revision + 1))
produktcode() {
    echo "string(UUID u NAMESPACE $1 NAME $2 TYPE SHA1 UPPER)
message(\"\${u}\")" >"$arbeit/code.cmake"
    cmake -P "$arbeit/code.cmake" 2>&1
}
mkdir "$arbeit/naechste"
cp "$bau/packaging/tankumat.wxs" "$bau/bin/tankumat.exe" "$(dirname "$0")/../assets/tankumat.ico" "$arbeit/naechste"
upgrade=$(grep -o 'UpgradeCode="[^"]*"' "$bau/packaging/tankumat.wxs" | cut -d'"' -f2)
[ "$(grep -o '<Product Id="[^"]*"' "$bau/packaging/tankumat.wxs" | cut -d'"' -f2)" = "$(produktcode "$upgrade" "$msi_version")" ] ||
    fehler "the product code is not the one of version $msi_version"
sed -i -e "s/Version=\"$msi_version\"/Version=\"$naechste\"/" \
    -e "s/<Product Id=\"[^\"]*\"/<Product Id=\"$(produktcode "$upgrade" "$naechste")\"/" "$arbeit/naechste/tankumat.wxs"
(cd "$arbeit/naechste" && wixl -a x64 -o naechste.msi tankumat.wxs) || fehler "wixl for the next version"
naechstes_msi=$arbeit/naechste/naechste.msi

# A session of the prefix's own for its whole life (see wine.sh).
sitzung_beginnen || fehler "no Wine session"
# Wine names the profile after the user it runs as.
benutzer=$WINEPREFIX/drive_c/users/$(id -un)/AppData
[ -d "$benutzer" ] || fehler "no user profile in the prefix"
programme_vorher=$([ -d "$benutzer/Local/Programs" ] && echo ja || echo nein)
wine msiexec /i "$msi" /qn || fehler "msiexec /i: $?"

programm=$benutzer/Local/Programs/Zapfkontor/tankumat.exe
verknuepfung="$benutzer/Roaming/Microsoft/Windows/Start Menu/Programs/$titel.lnk"
eintraege() { wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r'; }
# The one uninstall entry of the program: it has exactly that version.
einziger_eintrag() {
    local alle
    alle=$(eintraege)
    [ "$(grep -c "DisplayName    REG_SZ    $titel\$" <<<"$alle")" = 1 ] ||
        fehler "not one uninstall entry '$titel' $2: $(grep -c "DisplayName    REG_SZ    $titel\$" <<<"$alle")"
    eintrag=$(grep -A30 "DisplayName    REG_SZ    $titel\$" <<<"$alle" || true)
    grep -q "DisplayVersion    REG_SZ    $1\$" <<<"$eintrag" || fehler "uninstall entry $2 without version $1"
    [ "$(find "$WINEPREFIX/drive_c" -iname tankumat.exe | wc -l)" = 1 ] || fehler "not one tankumat.exe $2"
}
cmp -s "$programm" "$bau/bin/tankumat.exe" || fehler "tankumat.exe is not under %LOCALAPPDATA%\\Programs\\Zapfkontor"
[ -f "$verknuepfung" ] || fehler "no Start-menu entry '$titel'"
einziger_eintrag "$msi_version" "after installing"
grep -q "Publisher    REG_SZ    $hersteller\$" <<<"$eintrag" || fehler "uninstall entry without publisher $hersteller"

# The installed program starts and shows its main window, and ends with it.
wine "$programm" &
gestartet=$!
fenster=$(timeout 60 xdotool search --sync --name '^Tankumat Fenrold-Edition!$') || fehler "no main window"
fenster=${fenster%%$'\n'*}
# A window may show before its program reads keys: Alt+F4 again until it
# ends, or a minute has passed.
for _ in $(seq 1 60); do
    xdotool windowactivate --sync "$fenster" key --clearmodifiers alt+F4 2>/dev/null || true
    for _ in $(seq 1 10); do
        kill -0 "$gestartet" 2>/dev/null || break 2
        sleep 0.1
    done
done
! kill -0 "$gestartet" 2>/dev/null || fehler "the program did not end on Alt+F4"
wait "$gestartet" || fehler "the program ended with $?"

# The next release replaces this one; this one is refused over it.
wine msiexec /i "$naechstes_msi" /qn || fehler "msiexec /i of the next version: $?"
einziger_eintrag "$naechste" "after the upgrade"
! wine msiexec /i "$msi" /qn || fehler "the older version installed over the newer"
einziger_eintrag "$naechste" "after the refused downgrade"

wine msiexec /x "$naechstes_msi" /qn || fehler "msiexec /x: $?"
reste=$(find "$WINEPREFIX/drive_c" -ipath '*zapfkontor*' -o -iname "$titel.lnk")
[ -z "$reste" ] || fehler "left behind: $reste"
! grep -q "$titel" <<<"$(eintraege)" || fehler "the uninstall entry is still there"
[ "$programme_vorher" = ja ] || [ ! -e "$benutzer/Local/Programs" ] || fehler "an empty Programs folder left behind"
! wine reg query 'HKCU\Software\Zapfkontor' >/dev/null 2>&1 || fehler "HKCU\\Software\\Zapfkontor left behind"
echo "PASS: $name installs for the user and starts; $naechste replaces $msi_version, which is then refused; uninstalls cleanly"
