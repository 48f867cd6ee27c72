#!/usr/bin/env bash
# The Windows installer as a user meets it, in a Wine prefix of its own: made
# by CPack beside the zip, it installs for the user alone without asking, puts
# the program, a Start-menu entry and an uninstall entry in place, the
# installed program starts, and uninstalling leaves nothing behind.
# Usage: msi_test.sh BUILD-DIR MSI-NAME TITLE VERSION PUBLISHER
set -euo pipefail
source "$(dirname "$0")/xserver.sh"
eigener_xserver "$0" "$@"
bau=$1
name=$2
titel=$3
version=$4
hersteller=$5
fenstermanager
arbeit=$(mktemp -d)
export WINEPREFIX=$arbeit/prefix WINEDEBUG=-all
# No menu entries or file associations for the machine the tests run on.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
aufraeumen() {
    wineserver -k 2>/dev/null || true
    [ -z "${FENSTERMANAGER:-}" ] || kill "$FENSTERMANAGER" 2>/dev/null || true
    rm -rf "$arbeit" "${FENSTERMANAGER_LOG:-}"
}
trap aufraeumen EXIT
fehler() { echo "FAIL: $*"; exit 1; }

(cd "$bau" && cpack -G ZIP -B "$arbeit/paket" >/dev/null) || fehler "cpack"
msi=$arbeit/paket/$name
[ -f "$msi" ] || fehler "no $name beside the zip: $(ls "$arbeit/paket")"
# The package itself: for the user alone, the program's icon in "Apps".
# Read whole first: grep -q would stop reading early, and under pipefail the
# writer's broken pipe would count as a failure.
eigenschaften=$(msiinfo export "$msi" Property)
grep -qP '^ARPPRODUCTICON\t' <<<"$eigenschaften" || fehler "no icon for the uninstall entry"
grep -qP "^ProductVersion\t$version\r?$" <<<"$eigenschaften" || fehler "product version"
grep -q 'WIX_UPGRADE_DETECTED' <<<"$(msiinfo export "$msi" Upgrade)" || fehler "an older version would stay"

wineboot -i >/dev/null 2>&1
# Wine names the profile after the user it runs as.
benutzer=$WINEPREFIX/drive_c/users/$(id -un)/AppData
[ -d "$benutzer" ] || fehler "no user profile in the prefix"
programme_vorher=$([ -d "$benutzer/Local/Programs" ] && echo ja || echo nein)
wine msiexec /i "$msi" /qn || fehler "msiexec /i: $?"

programm=$benutzer/Local/Programs/Zapfkontor/tankumat.exe
verknuepfung="$benutzer/Roaming/Microsoft/Windows/Start Menu/Programs/$titel.lnk"
eintraege() { wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r'; }
cmp -s "$programm" "$bau/bin/tankumat.exe" || fehler "tankumat.exe is not under %LOCALAPPDATA%\\Programs\\Zapfkontor"
[ -f "$verknuepfung" ] || fehler "no Start-menu entry '$titel'"
eintrag=$(grep -A30 "DisplayName    REG_SZ    $titel\$" <<<"$(eintraege)" || true)
[ -n "$eintrag" ] || fehler "no uninstall entry '$titel'"
grep -q "DisplayVersion    REG_SZ    $version\$" <<<"$eintrag" || fehler "uninstall entry without version $version"
grep -q "Publisher    REG_SZ    $hersteller\$" <<<"$eintrag" || fehler "uninstall entry without publisher $hersteller"

# The installed program starts and shows its main window, and ends with it.
wine "$programm" &
gestartet=$!
fenster=$(timeout 60 xdotool search --sync --name '^Tankumat Fenrold-Edition!$') || fehler "no main window"
fenster=${fenster%%$'\n'*}
xdotool windowactivate --sync "$fenster" key --clearmodifiers alt+F4
wait "$gestartet" || fehler "the program ended with $?"

wine msiexec /x "$msi" /qn || fehler "msiexec /x: $?"
reste=$(find "$WINEPREFIX/drive_c" -ipath '*zapfkontor*' -o -iname "$titel.lnk")
[ -z "$reste" ] || fehler "left behind: $reste"
! grep -q "$titel" <<<"$(eintraege)" || fehler "the uninstall entry is still there"
[ "$programme_vorher" = ja ] || [ ! -e "$benutzer/Local/Programs" ] || fehler "an empty Programs folder left behind"
! wine reg query 'HKCU\Software\Zapfkontor' >/dev/null 2>&1 || fehler "HKCU\\Software\\Zapfkontor left behind"
echo "PASS: $name installs for the user, starts and uninstalls cleanly"
