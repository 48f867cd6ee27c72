#!/usr/bin/python3
"""The path a blind user takes: the real program on xcb, read and driven
through the accessibility bus (AT-SPI) as a screen reader does it.

Usage: vorlesen_test.py PATH/TO/tankumat TITLE  (inside a D-Bus session, with DISPLAY)
"""
import os
import subprocess
import sys

import pyatspi

from atspi import alle, fehler, programm, warte_auf

TITEL = sys.argv[2]  # the application title, as the build makes it


def main():
    umgebung = dict(os.environ, QT_QPA_PLATFORM="xcb", LC_ALL="de_DE.UTF-8", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    prozess = subprocess.Popen([sys.argv[1]], env=umgebung)
    try:
        app = warte_auf(lambda: programm(TITEL))
        if app is None:
            fehler("the program did not appear on the accessibility bus")
        knoten = warte_auf(lambda: [k for k in alle(app)] if any(
            k.name == "Berechnen" for k in alle(app)) else None)
        if knoten is None:
            fehler("no button 'Berechnen' in the accessibility tree")
        # The captions beside the fields say the same as their names.
        namen = {k.name: k for k in knoten if k.getRole() != pyatspi.ROLE_LABEL}

        # Every text box has a name that says what goes in it.
        felder = {"Kilometerstand alt": "1000", "Kilometerstand neu": "1500",
                  "Kraftstoff": "40", "Preis je Liter": "1,5"}
        for name, text in felder.items():
            feld = namen.get(name)
            if feld is None or feld.getRole() != pyatspi.ROLE_TEXT:
                fehler(f"no text box named {name!r}: " + repr(sorted((k.name, k.getRoleName()) for k in knoten)[:60]))
            feld.queryEditableText().setTextContents(text)
        if namen["Preis je Liter"].description != "Euro":
            fehler("the price's unit is not its description")
        for name in ("Optionen", "Info", "Schloss auf dem Berg"):
            if name not in namen:
                fehler(f"nothing named '{name}'")
        # A picture box is a picture, not a window frame.
        if namen["Schloss auf dem Berg"].getRole() != pyatspi.ROLE_IMAGE:
            fehler(f"the castle is announced as {namen['Schloss auf dem Berg'].getRoleName()!r}")
        if namen["Berechnen"].description != "Hier klicken zum Berechnen!":
            fehler("the button's tooltip is not its description")

        knopf = namen["Berechnen"].queryAction()
        knopf.doAction(0)

        def satz():
            for k in alle(app):
                if k.getRole() == pyatspi.ROLE_LABEL and k.name.startswith(" Für die Fahrstrecke von"):
                    return k.name
            return None

        gelesen = warte_auf(satz)
        if gelesen is None:
            fehler("no result sentence to read")
        erwartet = " Für die Fahrstrecke von \r\n500  Km wurden durchschnittlich \r\n8 Liter verbraucht! " \
                   "Die Kosten auf 100 \r\nKilometer betragen 12 Euro !"
        if gelesen != erwartet:
            fehler(f"read {gelesen!r}")
        # The focused "weiter?" carries the sentence, which a screen reader
        # speaks with the button.
        weiter = [k for k in alle(app) if k.name == "weiter?"]
        if not weiter or weiter[0].description != erwartet:
            fehler("the sentence is not the description of 'weiter?'")

        # The currency options are told by the currency beside them.
        namen["Optionen"].queryAction().doAction(0)

        def optionen():
            gefunden = {k.name: k for k in alle(app) if k.getRole() == pyatspi.ROLE_RADIO_BUTTON}
            return gefunden if len(gefunden) == 2 else None

        knoepfe = warte_auf(optionen)
        if knoepfe is None or set(knoepfe) != {"Euro", "DM"}:
            fehler(f"option buttons named {sorted(knoepfe or {})!r}, not Euro and DM")
        if not knoepfe["Euro"].getState().contains(pyatspi.STATE_CHECKED):
            fehler("Euro is not announced as chosen")
        print("PASS: names read, fields typed into, result and currency options read through AT-SPI")
    finally:
        prozess.terminate()
        prozess.wait(timeout=10)


main()
