#!/usr/bin/env bash
# The zip a Windows user downloads: made by CPack, it holds tankumat.exe and
# LIESMICH.txt and nothing else, and the program needs no DLL but Windows' own.
# Usage: zip_test.sh BUILD-DIR ZIP-NAME
set -euo pipefail
bau=$1
name=$2
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
fehler() { echo "FAIL: $*"; exit 1; }

(cd "$bau" && cpack -G ZIP -B "$arbeit" >/dev/null) || fehler "cpack"
[ -f "$arbeit/$name" ] || fehler "no $name: $(ls "$arbeit")"
inhalt=$(python3 -B -c 'import sys, zipfile; print(" ".join(sorted(zipfile.ZipFile(sys.argv[1]).namelist())))' "$arbeit/$name")
[ "$inhalt" = "LIESMICH.txt tankumat.exe" ] || fehler "the zip holds: $inhalt"
# Written as every build writes it: no owners or other times beside each
# file's one time, and the permissions of a program and of a text.
eintraege=$(python3 -B -c '
import sys, zipfile
for i in sorted(zipfile.ZipFile(sys.argv[1]).infolist(), key=lambda i: i.filename):
    print(i.filename, oct(i.external_attr >> 16 & 0o777), len(i.extra))' "$arbeit/$name")
[ "$eintraege" = $'LIESMICH.txt 0o644 0\ntankumat.exe 0o755 0' ] || fehler "the zip's entries: $eintraege"

python3 -B -m zipfile -e "$arbeit/$name" "$arbeit/entpackt"
liesmich=$arbeit/entpackt/LIESMICH.txt
# As Notepad reads it right: UTF-8 with a byte-order mark, Windows line ends.
[ "$(head -c 3 "$liesmich" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] || fehler "LIESMICH.txt without a byte-order mark"
iconv -f UTF-8 -t UTF-8 "$liesmich" >/dev/null || fehler "LIESMICH.txt is not UTF-8"
[ "$(grep -c $'\r$' "$liesmich")" = "$(wc -l <"$liesmich")" ] || fehler "LIESMICH.txt without Windows line ends"
for wort in drücken Währung nötig; do
    grep -q "$wort" "$liesmich" || fehler "LIESMICH.txt does not say '$wort'"
done
grep -q 'tankumat.exe' "$liesmich" || fehler "LIESMICH.txt does not say how to start the program"
grep -q 'speichert nichts' "$liesmich" || fehler "LIESMICH.txt says nothing of settings"
[[ "$(tr -d '\r' <"$liesmich")" == *"$(cat "$(dirname "$0")/../packaging/bedingungen.txt")"* ]] ||
    fehler "LIESMICH.txt does not state the terms"

# Windows' own libraries only: the C++ runtime is linked in. advapi32 gives
# the stack protector its random guard.
kopf=$(x86_64-w64-mingw32-objdump -p "$arbeit/entpackt/tankumat.exe")
dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$kopf" | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
for dll in $dlls; do
    case "$dll" in
        kernel32.dll|user32.dll|gdi32.dll|msvcrt.dll|comctl32.dll|ole32.dll|oleaut32.dll|oleacc.dll|windowscodecs.dll|\
            advapi32.dll) ;;
        *) fehler "tankumat.exe needs $dll" ;;
    esac
done
# Hardened: loaded anywhere in a high-entropy address space (0x20, 0x40),
# its data never run (0x100), and a stack protector linked in.
merkmale=$(sed -n 's/^DllCharacteristics\s*//p' <<<"$kopf")
(( (0x$merkmale & 0x160) == 0x160 )) || fehler "DllCharacteristics $merkmale: no ASLR with high entropy, or no DEP"
grep -q 'stack smashing detected' <(strings "$arbeit/entpackt/tankumat.exe") || fehler "tankumat.exe has no stack protector"
# The read-me names Windows 7 as the oldest: every DLL above is there, and
# nothing is imported that came later. Windows' DPI functions of Windows 8.1
# and 10 (the ...ForDpi family and its kin) are looked up when the program
# runs; imported, they would keep it from starting on anything older.
grep -q 'Windows 7 oder neuer' "$liesmich" || fehler "LIESMICH.txt does not state the oldest Windows"
# Each DLL's functions stand below its "vma:" header, one a line, the name
# last (binutils 2.40 puts the hint before it, 2.44 an ordinal column too).
funktionen=$(awk '/^[ \t]*vma:/ { liste = 1; next } /^[ \t]*$/ { liste = 0 }
                  liste && $NF ~ /^[A-Za-z_][A-Za-z0-9_]*$/ { print $NF }' <<<"$kopf")
[ -n "$funktionen" ] || fehler "no imported function found in tankumat.exe"
spaeter=$(grep -E 'ForDpi$|^GetDpiFor|DpiAwareness|^GetSystemDpiForProcess|^GetAwarenessFromDpiAwarenessContext|^EnableNonClientDpiScaling|^GetPointer|^GetDpiForMonitor|^SetProcessDpiAwareness' <<<"$funktionen" || true)
[ -z "$spaeter" ] || fehler "tankumat.exe imports what Windows 7 lacks: $spaeter"
echo "PASS: $name holds tankumat.exe and LIESMICH.txt; imports: $dlls, $(wc -l <<<"$funktionen") functions of Windows 7"
