#!/usr/bin/python3
"""What a blind user hears: Debian's Orca screen reader listening to the real
program while keys are typed as a user types them (xdotool), its speech read
from its debug log once it has ended. The log is written late, so each step's
utterances are found by their own time stamps.

Usage: orca_test.py PATH/TO/tankumat TITLE  (inside a D-Bus session, with
DISPLAY and a window manager running)
"""
import datetime
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

from atspi import alle, fehler, programm, warte_auf

TITEL = sys.argv[2]  # the application title, as the build makes it
SATZ = (" Für die Fahrstrecke von \r\n754  Km wurden durchschnittlich \r\n7,29 Liter verbraucht! "
        "Die Kosten auf 100 \r\nKilometer betragen 6,42 Euro !")
INFO = ("Tankumat. Version 1.03. Dieses kleine Tool berechnet den Durchschnittsverbrauch von Fahrzeugen und "
        "gibt die Kosten auf 100 Kilometer bezogen an. Programmiert vom Zapfkontor-Team im Mai 2003. Freeware.")
BILDER = ("Scheinwerfer bei Nacht", "Rücklicht", "Schloss auf dem Berg", "Kühlergrill")


def taste(*tasten):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *tasten], check=True)


def sekunden(uhrzeit):
    """Seconds since midnight of an 'HH:MM:SS.ffffff' time stamp."""
    stunde, minute, sekunde = uhrzeit.split(":")
    return int(stunde) * 3600 + int(minute) * 60 + float(sekunde)


def jetzt():
    return sekunden(datetime.datetime.now().strftime("%H:%M:%S.%f"))


def gesagt(protokoll):
    """Every utterance in Orca's debug log, with its time."""
    with open(protokoll, encoding="utf-8", errors="replace") as datei:
        text = datei.read()
    return [(sekunden(z), s) for z, s in
            re.findall(r"(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*?)' ?\{'established'", text, re.S)]


def knoten(rolle, name):
    def suche():
        app = programm(TITEL)
        if app is not None:
            for k in alle(app):
                if k.getRole() == rolle and k.name == name:
                    return k
        return None
    return suche


def fokussiert(rolle, name):
    def pruefe():
        k = knoten(rolle, name)()
        return k is not None and k.getState().contains(pyatspi.STATE_FOCUSED)
    return pruefe


def main():
    arbeit = tempfile.mkdtemp()
    protokoll = os.path.join(arbeit, "orca.log")
    os.mkdir(os.path.join(arbeit, "einstellungen"))
    # Orca in English, so its role words are known; the program in German.
    orca = subprocess.Popen(["orca", "-u", os.path.join(arbeit, "einstellungen"), "--debug-file=" + protokoll, "-r"],
                            env=dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8"),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    schritte = []  # (name, start time)
    try:
        if not warte_auf(lambda: any(a is not None and a.name == "orca"
                                     for a in pyatspi.Registry.getDesktop(0)), 60):
            fehler("Orca did not come up")
        umgebung = dict(os.environ, QT_QPA_PLATFORM="xcb", LC_ALL="de_DE.UTF-8",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        schritte.append(("Start", jetzt()))
        prozess = subprocess.Popen([sys.argv[1]], env=umgebung)
        try:
            def schritt(name, tasten, fertig):
                # Orca speaks from the events of a step after the program
                # has taken it; it is given a moment for that before the next,
                # generous for a busy machine.
                time.sleep(2.5)
                schritte.append((name, jetzt()))
                for t in tasten:
                    taste(t)
                if not warte_auf(fertig, 20):
                    fehler(f"{name}: the program did not get there")

            if not warte_auf(fokussiert(pyatspi.ROLE_TEXT, "Kilometerstand alt"), 30):
                fehler("the main window did not start with the focus in 'Kilometerstand alt'")
            # One key a step: Orca speaks only where the focus came to rest.
            schritt("Kilometerstand neu", ["Tab"], fokussiert(pyatspi.ROLE_TEXT, "Kilometerstand neu"))
            schritt("Kraftstoff", ["Tab"], fokussiert(pyatspi.ROLE_TEXT, "Kraftstoff"))
            schritt("Preis", ["Tab"], fokussiert(pyatspi.ROLE_TEXT, "Preis je Liter"))
            schritt("Ergebnis", ["Return"], fokussiert(pyatspi.ROLE_PUSH_BUTTON, "weiter?"))
            schritt("Weiter", ["Return"], fokussiert(pyatspi.ROLE_TEXT, "Kilometerstand alt"))
            schritt("Meldung", ["ctrl+a", "BackSpace", "Return"],
                    lambda: any(k.getRole() == pyatspi.ROLE_ALERT for k in alle(programm(TITEL))))
            schritt("Meldung beantwortet", ["Return"], fokussiert(pyatspi.ROLE_TEXT, "Kilometerstand alt"))
            schritt("Optionen", ["alt+o"], fokussiert(pyatspi.ROLE_PANEL, "Währung"))
            schritt("Euro", ["Tab"], fokussiert(pyatspi.ROLE_RADIO_BUTTON, "Euro"))
            schritt("DM", ["Down"], fokussiert(pyatspi.ROLE_RADIO_BUTTON, "DM"))
            schritt("Ok", ["alt+o"], fokussiert(pyatspi.ROLE_TEXT, "Kilometerstand alt"))
            schritt("Info", ["alt+n"], fokussiert(pyatspi.ROLE_PUSH_BUTTON, "OK"))
            schritt("Info geschlossen", ["Escape"], fokussiert(pyatspi.ROLE_TEXT, "Kilometerstand alt"))
            schritt("Bild", ["Tab", "Tab", "Tab", "Tab"], fokussiert(pyatspi.ROLE_IMAGE, "Scheinwerfer bei Nacht"))
            time.sleep(2.5)
            schritte.append(("Ende", jetzt()))
        finally:
            prozess.terminate()
            prozess.wait(timeout=10)
    finally:
        # Orca writes out its log as it ends.
        orca.send_signal(signal.SIGTERM)
        try:
            orca.wait(timeout=20)
        except subprocess.TimeoutExpired:
            orca.kill()

    alles = gesagt(protokoll)
    if not alles:
        fehler("Orca said nothing at all")

    def im_schritt(name):
        namen = [n for n, _ in schritte]
        i = namen.index(name)
        von, bis = schritte[i][1], schritte[i + 1][1]
        return [s for z, s in alles if von <= z < bis]

    def einfach(text):
        # The log breaks long utterances over indented lines.
        return " ".join(text.split())

    def erwarte(name, *stuecke):
        worte = einfach(" | ".join(im_schritt(name)))
        for stueck in stuecke:
            if einfach(stueck) not in worte:
                fehler(f"{name}: Orca did not say {stueck!r}; it said: {worte!r}")

    erwarte("Start", "Tankumat Fenrold-Edition!", "Kilometerstand alt")
    erwarte("Kilometerstand neu", "Kilometerstand neu", "8965", "in Kilometer")
    erwarte("Kraftstoff", "Kraftstoff", "55", "in Liter")
    erwarte("Preis", "Preis / Liter", "0,88", "Euro")
    erwarte("Ergebnis", "weiter? push button", SATZ)
    erwarte("Meldung", "Bitte nur Zahlen Eingeben!")
    erwarte("Optionen", "Optionen", "Währung panel")
    erwarte("Euro", "Euro", "radio button")
    erwarte("DM", "DM")
    erwarte("Info", "Info", INFO, "OK push button")
    erwarte("Bild", "Scheinwerfer bei Nacht image")
    # The About window's texts are said once each, not again on their own.
    info = " | ".join(im_schritt("Info"))
    for text in ("Tankumat.", "Version 1.03", "Freeware"):
        if info.count(text) != 1:
            fehler(f"Info: {text!r} said {info.count(text)} times: {info!r}")
    # A picture is a picture, never a window frame.
    for _, s in alles:
        if any(b in s for b in BILDER) and "frame" in s:
            fehler(f"a picture announced as a frame: {s!r}")
    print(f"PASS: Orca said {len(alles)} things along the whole path, each step's text among them")


main()
