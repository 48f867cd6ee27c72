#!/usr/bin/python3
"""What a blind user hears: Debian's Orca screen reader listening to the real
program while keys are typed as a user types them (xdotool). Orca speaks to
no synthesiser and makes no sound; it writes what it would say to its debug
log, which is read as Orca writes it, so each step goes on as soon as Orca
has said what the step waits for.

Usage: orca_test.py PATH/TO/tankumat TITLE  (inside a D-Bus session, with
DISPLAY and a window manager running)
"""
import codecs
import json
import os
import pty
import re
import subprocess
import sys
import tempfile
import threading
import time
import tty

import pyatspi

import atspi
from atspi import alle, fehler, programm, warte_auf

TITEL = sys.argv[2]  # the application title, as the build makes it
SATZ = (" Für die Fahrstrecke von \r\n754  Km wurden durchschnittlich \r\n7,29 Liter verbraucht! "
        "Die Kosten auf 100 \r\nKilometer betragen 6,42 Euro !")
INFO = ("Tankumat. Version 1.03. Dieses kleine Tool berechnet den Durchschnittsverbrauch von Fahrzeugen und "
        "gibt die Kosten auf 100 Kilometer bezogen an. Programmiert vom Zapfkontor-Team im Mai 2003. Freeware.")
BILDER = ("Scheinwerfer bei Nacht", "Rücklicht", "Schloss auf dem Berg", "Kühlergrill")
# Only a guard against a hang: a step goes on as soon as its words are said.
HOECHSTENS = 20

# Speech off, in the general settings and in the profile Orca loads: Orca
# then never asks a speech service (which, without a sound device, would
# never answer) and still logs every utterance.
EINSTELLUNGEN = {
    "general": {"enableSpeech": False},
    "pronunciations": {},
    "keybindings": {},
    "profiles": {"default": {"profile": ["Default", "default"], "enableSpeech": False}},
}


def einfach(text):
    # The log breaks long utterances over indented lines.
    return " ".join(text.split())


def knopf(name):
    # Orca 43 says "push button", Orca 48 "button".
    return (f"{name} push button", f"{name} button")


def gesagt(stueck, worte):
    """True when the piece, or one of a tuple of ways to say it, is among the words."""
    return any(einfach(s) in worte for s in (stueck if isinstance(stueck, tuple) else (stueck,)))


class Sprache:
    """Orca's utterances as it logs them. The log goes to a pseudo-terminal:
    Python writes a file that is a terminal line by line, where it would keep
    an ordinary file's lines in its buffer until the end."""

    MUSTER = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{'established'", re.S)

    def __init__(self):
        self._leser, schreiber = pty.openpty()
        tty.setraw(schreiber)  # the lines as written, no \r added
        self.pfad = os.ttyname(schreiber)
        self._schreiber = schreiber  # held open, so the reader never sees the end early
        self._text = ""
        self._gelesen = 0  # where the search for the next utterance starts
        self.gesagt = []
        self._neu = threading.Condition()
        threading.Thread(target=self._lesen, daemon=True).start()

    def _lesen(self):
        dekodierer = codecs.getincrementaldecoder("utf-8")(errors="replace")
        while True:
            try:
                block = os.read(self._leser, 65536)
            except OSError:
                return
            if not block:
                return
            with self._neu:
                self._text += dekodierer.decode(block)
                for treffer in self.MUSTER.finditer(self._text, self._gelesen):
                    self.gesagt.append(treffer.group(1))
                    self._gelesen = treffer.end()
                # Keep only what is not yet read: the log is large.
                self._text = self._text[self._gelesen:]
                self._gelesen = 0
                self._neu.notify_all()

    def seit(self, beginn):
        with self._neu:
            return self.gesagt[beginn:]

    def anzahl(self):
        with self._neu:
            return len(self.gesagt)

    def warte(self, beginn, stuecke):
        """True once every piece is among what was said since `beginn`."""
        ende = time.monotonic() + HOECHSTENS
        with self._neu:
            while True:
                worte = einfach(" | ".join(self.gesagt[beginn:]))
                if all(gesagt(s, worte) for s in stuecke):
                    return True
                rest = ende - time.monotonic()
                if rest <= 0:
                    return False
                self._neu.wait(rest)


def taste(*tasten):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *tasten], check=True)


def fokussiert(rolle, name):
    return atspi.fokussiert(TITEL, rolle, name)


def main():
    arbeit = tempfile.mkdtemp()
    einstellungen = os.path.join(arbeit, "einstellungen")
    os.mkdir(einstellungen)
    with open(os.path.join(einstellungen, "user-settings.conf"), "w", encoding="utf-8") as datei:
        json.dump(EINSTELLUNGEN, datei)
    sprache = Sprache()
    # Orca in English, so its role words are known; the program in German.
    orca = subprocess.Popen(["orca", "-u", einstellungen, "--debug-file=" + sprache.pfad, "-r"],
                            env=dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8"),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    schritte = {}  # name: where its utterances begin among all said
    try:
        if not warte_auf(lambda: any(a is not None and a.name == "orca"
                                     for a in pyatspi.Registry.getDesktop(0)), 60):
            fehler("Orca did not come up")

        def schritt(name, tasten, fertig, *worte):
            """Types the keys (or runs what is given instead), waits until the
            program got where they lead and Orca has said every one of the words."""
            schritte[name] = sprache.anzahl()
            if callable(tasten):
                tasten()
            else:
                for t in tasten:
                    taste(t)
            if not warte_auf(fertig, HOECHSTENS):
                fehler(f"{name}: the program did not get there")
            if not sprache.warte(schritte[name], worte):
                bisher = einfach(" | ".join(sprache.seit(schritte[name])))
                fehlt = [w for w in worte if not gesagt(w, bisher)]
                fehler(f"{name}: Orca did not say {fehlt[0]!r}; it said: {bisher!r}")

        umgebung = dict(os.environ, QT_QPA_PLATFORM="xcb", LC_ALL="de_DE.UTF-8",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        prozess = None

        def starte():
            nonlocal prozess
            prozess = subprocess.Popen([sys.argv[1]], env=umgebung)

        try:
            schritt("Start", starte, fokussiert(pyatspi.ROLE_TEXT, "Kilometerstand alt"),
                    "Tankumat Fenrold-Edition!", "Kilometerstand alt")
            # One key a step: Orca speaks only where the focus came to rest.
            schritt("Kilometerstand neu", ["Tab"], fokussiert(pyatspi.ROLE_TEXT, "Kilometerstand neu"),
                    "Kilometerstand neu", "8965", "in Kilometer")
            schritt("Kraftstoff", ["Tab"], fokussiert(pyatspi.ROLE_TEXT, "Kraftstoff"), "Kraftstoff", "55", "in Liter")
            # Orca 43 says the caption as it stands, Orca 48 "Preis je Liter".
            schritt("Preis", ["Tab"], fokussiert(pyatspi.ROLE_TEXT, "Preis je Liter"), ("Preis / Liter", "Preis je Liter"),
                    "0,88", "Euro")
            schritt("Ergebnis", ["Return"], fokussiert(pyatspi.ROLE_PUSH_BUTTON, "weiter?"), knopf("weiter?"), SATZ)
            schritt("Weiter", ["Return"], fokussiert(pyatspi.ROLE_TEXT, "Kilometerstand alt"), "Kilometerstand alt")
            schritt("Meldung", ["ctrl+a", "BackSpace", "Return"],
                    lambda: any(k.getRole() == pyatspi.ROLE_ALERT for k in alle(programm(TITEL))),
                    "Bitte nur Zahlen Eingeben!")
            schritt("Meldung beantwortet", ["Return"], fokussiert(pyatspi.ROLE_TEXT, "Kilometerstand alt"),
                    "Kilometerstand alt")
            schritt("Optionen", ["alt+o"], fokussiert(pyatspi.ROLE_PANEL, "Währung"), "Optionen", "Währung")
            schritt("Euro", ["Tab"], fokussiert(pyatspi.ROLE_RADIO_BUTTON, "Euro"), "Euro", "radio button")
            schritt("DM", ["Down"], fokussiert(pyatspi.ROLE_RADIO_BUTTON, "DM"), "DM")
            schritt("Ok", ["alt+o"], fokussiert(pyatspi.ROLE_TEXT, "Kilometerstand alt"), "Kilometerstand alt")
            schritt("Info", ["alt+n"], fokussiert(pyatspi.ROLE_PUSH_BUTTON, "OK"), "Info", INFO, knopf("OK"))
            schritt("Info geschlossen", ["Escape"], fokussiert(pyatspi.ROLE_TEXT, "Kilometerstand alt"),
                    "Kilometerstand alt")
            schritt("Bild", ["Tab", "Tab", "Tab", "Tab"], fokussiert(pyatspi.ROLE_IMAGE, "Scheinwerfer bei Nacht"),
                    "Scheinwerfer bei Nacht image")
        finally:
            if prozess:
                prozess.terminate()
                prozess.wait(timeout=10)
    finally:
        orca.kill()
        orca.wait()

    # The About window's texts are said together in reading order, and none
    # again on its own, also not late, after the window closed. (Orca 48
    # says a dialog's description twice over, where Orca 43 said it once.)
    info = einfach(" | ".join(sprache.gesagt[schritte["Info"]:schritte["Bild"]]))
    rest = info.replace(einfach(INFO), "")
    for text in ("Tankumat.", "Version 1.03", "Freeware"):
        if text in rest:
            fehler(f"Info: {text!r} said on its own: {info!r}")
    # A picture is a picture, never a window frame.
    for s in sprache.gesagt:
        if any(b in s for b in BILDER) and "frame" in s:
            fehler(f"a picture announced as a frame: {s!r}")
    print(f"PASS: Orca said {len(sprache.gesagt)} things along the whole path, each step's text among them")


main()
