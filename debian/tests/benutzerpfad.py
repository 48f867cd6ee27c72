#!/usr/bin/python3
"""The sample path a user takes through the installed program, by keyboard
(xdotool, through the X server and the window manager), and what a screen
reader reads of it (AT-SPI): the focus in the old reading at the start, the
result sentence after Enter, the About window's texts after Alt+N, and the
main window back after Escape, the focus in the old reading again.

Usage: benutzerpfad.py PATH/TO/tankumat  (with DISPLAY, a window manager and
a D-Bus session)
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests"))

import pyatspi  # noqa: E402

from atspi import alle, fehler, programm, warte_auf  # noqa: E402

TITEL = "Zapfkontor V1.03"
SATZ = (" Für die Fahrstrecke von \r\n754  Km wurden durchschnittlich \r\n7,29 Liter verbraucht! "
        "Die Kosten auf 100 \r\nKilometer betragen 6,42 Euro !")
INFO = ("Tankumat. Version 1.03. Dieses kleine Tool berechnet den Durchschnittsverbrauch von Fahrzeugen und "
        "gibt die Kosten auf 100 Kilometer bezogen an. Programmiert vom Zapfkontor-Team im Mai 2003. Freeware.")


def fokus():
    """The focused control's role and name, and the description of its window."""
    app = programm(TITEL)
    for k in alle(app) if app else ():
        if k.getState().contains(pyatspi.STATE_FOCUSED):
            fenster = k
            while fenster.parent is not None and fenster.parent.getRole() != pyatspi.ROLE_APPLICATION:
                fenster = fenster.parent
            return k.getRole(), k.name, k.description, fenster.description
    return None


def schritt(wann, tasten, rolle, name):
    if tasten:
        subprocess.run(["xdotool", "key", "--clearmodifiers", *tasten], check=True)
    gefunden = warte_auf(lambda: (f := fokus()) and f[:2] == (rolle, name) and f, 30)
    if not gefunden:
        fehler(f"{wann}: the focus is on {fokus()!r}, not on {name!r}")
    return gefunden


def main():
    umgebung = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    umgebung.pop("QT_QPA_PLATFORM", None)
    prozess = subprocess.Popen([sys.argv[1]], env=umgebung)
    try:
        schritt("at the start", [], pyatspi.ROLE_TEXT, "Kilometerstand alt")
        _, _, satz, _ = schritt("after Enter", ["Return"], pyatspi.ROLE_PUSH_BUTTON, "weiter?")
        if satz != SATZ:
            fehler(f"the result reads {satz!r}")
        _, _, _, info = schritt("after Alt+N", ["alt+n"], pyatspi.ROLE_PUSH_BUTTON, "OK")
        if info != INFO:
            fehler(f"the About window reads {info!r}")
        schritt("after Escape", ["Escape"], pyatspi.ROLE_TEXT, "Kilometerstand alt")
    finally:
        prozess.terminate()
        prozess.wait(timeout=10)
    print("PASS: started with the focus in the old reading, computed by Enter, the About window read and closed")


main()
