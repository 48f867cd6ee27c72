#!/usr/bin/python3
"""The real program on xcb at a scale of 1.5, as on a 150 % display: the main
window and its controls stand at the design's rectangles times 1.5, every
picture fills its box, and the result sentence is whole. AT-SPI tells where
each control is in the design's own pixels (Qt reports those), the X server
the window's size, and the screen's pixels what is drawn where.

Usage: skalierung_xcb_test.py PATH/TO/tankumat TITLE  (inside a D-Bus session,
with DISPLAY)
"""
import os
import subprocess
import sys

import pyatspi
from Xlib import X, display

from atspi import alle, fehler, programm, warte_auf

TITEL = sys.argv[2]  # the application title, as the build makes it
FAKTOR = 1.5

# Pixels of the design at a scale of one, worked out by hand from its twips.
ENTWURF = {
    "Optionen": (0, 0, 337, 25),
    "Info": (336, 0, 345, 25),
    "Kilometerstand alt": (368, 160, 81, 19),
    "Preis je Liter": (368, 256, 81, 19),
    "Berechnen": (232, 288, 217, 25),
    "Scheinwerfer bei Nacht": (0, 24, 113, 81),
    "Schloss auf dem Berg": (568, 264, 113, 73),
    "Kühlergrill": (112, 416, 457, 81),
}
BILDER = ("Scheinwerfer bei Nacht", "Rücklicht", "roter Kombi von hinten", "Kombi an der Strandpromenade",
          "Karosseriefugen", "Kombi vor einem Haus", "Wagen im Schnee", "Innenraum", "Klarglasscheinwerfer",
          "Kombi bei Nacht vor einer Mauer", "Türgriff", "Lichter im Nebel", "Kombi in der Abenddämmerung",
          "Schloss auf dem Berg", "roter Kombi von oben", "Wagen in einer Kurve", "Kühlergrill")


def rechteck(knoten):
    """Where a control is, in the window's unscaled pixels."""
    e = knoten.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def fenster(titel):
    """The window's place and size on the screen, in the screen's pixels."""
    info = subprocess.run(["xwininfo", "-name", titel], capture_output=True, text=True).stdout
    werte = {}
    for zeile in info.splitlines():
        schluessel, _, wert = zeile.strip().partition(":")
        werte[schluessel] = wert.strip()
    return tuple(int(werte[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def skaliert(x, y, b, h, ursprung):
    """A rectangle of the window's unscaled pixels on the screen."""
    return (ursprung[0] + round(x * FAKTOR), ursprung[1] + round(y * FAKTOR), round(b * FAKTOR), round(h * FAKTOR))


class Bildschirm:
    """The screen's pixels as 0xRRGGBB, read once."""

    def __init__(self):
        d = display.Display()
        wurzel = d.screen().root
        geo = wurzel.get_geometry()
        self.breite = geo.width
        bild = wurzel.get_image(0, 0, geo.width, geo.height, X.ZPixmap, 0xFFFFFFFF)
        self.daten = bild.data
        self.zeile = len(self.daten) // geo.height

    def pixel(self, x, y):
        i = y * self.zeile + x * 4
        blau, gruen, rot = self.daten[i], self.daten[i + 1], self.daten[i + 2]
        return (rot << 16) | (gruen << 8) | blau


def main():
    umgebung = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR=str(FAKTOR), LC_ALL="de_DE.UTF-8",
                    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    prozess = subprocess.Popen([sys.argv[1]], env=umgebung)
    try:
        def steuerelemente():
            app = programm(TITEL)
            if app is None:
                return None
            gefunden = {k.name: k for k in alle(app) if k.getRole() != pyatspi.ROLE_LABEL and k.name}
            return gefunden if "Berechnen" in gefunden and "Kühlergrill" in gefunden else None

        namen = warte_auf(steuerelemente, 30)
        if namen is None:
            fehler("the main window did not appear on the accessibility bus")

        # The window at the design's size times 1.5, each control at its
        # designed place in it.
        haupt = next(k for k in alle(programm(TITEL)) if k.getRole() == pyatspi.ROLE_DIALOG)
        fx, fy, fb, fh = rechteck(haupt)
        ursprung = fenster("Tankumat Fenrold-Edition!")
        if abs(ursprung[2] - 681 * FAKTOR) > 1 or abs(ursprung[3] - 493 * FAKTOR) > 1:
            fehler(f"the window is {ursprung[2]} x {ursprung[3]}, the design times {FAKTOR} is 1021.5 x 739.5")
        for name, soll in ENTWURF.items():
            x, y, b, h = rechteck(namen[name])
            if (x - fx, y - fy, b, h) != soll:
                fehler(f"{name} at {(x - fx, y - fy, b, h)}, designed at {soll}")

        schirm = Bildschirm()

        def auf_dem_schirm(knoten):
            x, y, b, h = rechteck(knoten)
            return skaliert(x - fx, y - fy, b, h, ursprung)

        # The window's own background: the button face between the frame and
        # the heading.
        grund = schirm.pixel(*skaliert(140, 140, 0, 0, ursprung)[:2])
        # Drawn where the design puts them: the default button's frame and a
        # text box's edge start exactly at their scaled corners.
        for name in ("Berechnen", "Kilometerstand alt"):
            x, y, _, _ = auf_dem_schirm(namen[name])
            if schirm.pixel(x - 1, y + 5) != grund or schirm.pixel(x, y + 5) == grund:
                fehler(f"{name} is not drawn at the design's place times {FAKTOR}: at {(x, y)} "
                       f"{schirm.pixel(x - 1, y + 5):06x} {schirm.pixel(x, y + 5):06x}, background {grund:06x}")

        # Every picture reaches the inner bottom-right corner of its box.
        for name in BILDER:
            x, y, b, h = auf_dem_schirm(namen[name])
            ecke = [schirm.pixel(x + b - dx, y + h - dy) for dx in (5, 6, 7) for dy in (5, 6, 7)]
            if all(p == grund for p in ecke):
                fehler(f"the picture {name!r} does not fill its box")

        namen["Berechnen"].queryAction().doAction(0)
        ausgabe = warte_auf(lambda: next((k for k in alle(programm(TITEL)) if k.getRole() == pyatspi.ROLE_LABEL
                                          and k.name.startswith(" Für die Fahrstrecke")), None))
        if ausgabe is None:
            fehler("no result sentence")
        if not warte_auf(lambda: any(k.name == "weiter?" and k.getState().contains(pyatspi.STATE_SHOWING)
                                     for k in alle(programm(TITEL)))):
            fehler("'weiter?' did not show with the result")

        schirm = Bildschirm()
        # The sentence: four lines of text, none cut at an edge of the label.
        x, y, b, h = auf_dem_schirm(ausgabe)
        beschrieben = [any(schirm.pixel(x + i, y + j) != grund for i in range(b)) for j in range(h)]
        zeilen, vorher = 0, False
        for zeile in beschrieben:
            zeilen += zeile and not vorher
            vorher = zeile
        if zeilen != 4:
            fehler(f"the result shows {zeilen} lines of text, not 4")
        if beschrieben[-1]:
            fehler("the result's last line is cut off at the bottom")
        for spalte in (0, b - 1):
            if any(schirm.pixel(x + spalte, y + j) != grund for j in range(h)):
                fehler("the result is cut off at a side")
        print(f"PASS: at a scale of {FAKTOR} the controls stand at the design's rectangles, the pictures fill "
              "their boxes, the result is whole")
    finally:
        prozess.terminate()
        prozess.wait(timeout=10)


main()
