#!/usr/bin/python3
"""The real program in a Wayland session with XWayland: the platform it
chooses, the window it asks the desktop for there, and the keyboard path.
What the window manager makes of the asking is the X tests' matter; Weston's
own X window manager drops the task-bar state and places windows itself.

Usage: wayland_test.py PATH/TO/tankumat TITLE  (inside a D-Bus session, with
WAYLAND_DISPLAY and DISPLAY naming the session's Wayland socket and XWayland)
"""
import os
import re
import subprocess
import sys

import pyatspi

import atspi
from atspi import alle, fehler, programm, warte_auf

TITEL = sys.argv[2]  # the application title, as the build makes it
HAUPTFENSTER = "Tankumat Fenrold-Edition!"

# Whatever the session offers, a platform the user names wins.
FAELLE = [
    # tag, environment (None: unset), arguments, Qt's platform plugin
    ("XWayland offered", {}, [], "xcb"),
    ("QT_QPA_PLATFORM named", {"QT_QPA_PLATFORM": "wayland"}, [], "wayland"),
    ("-platform named", {}, ["-platform", "wayland"], "wayland"),
    ("Wayland alone", {"DISPLAY": None}, [], "wayland"),
]


def x(*befehl):
    return subprocess.run(befehl, capture_output=True, text=True).stdout


def plattform(pid):
    with open(f"/proc/{pid}/maps", encoding="utf-8") as karte:
        treffer = re.search(r"/platforms/libq(xcb|wayland)", karte.read())
    return treffer and treffer.group(1)


def x_fenster(name):
    info = x("xwininfo", "-name", name)
    treffer = re.search(r"Window id: (0x[0-9a-f]+)", info)
    return treffer and treffer.group(1)


def x_client(tag):
    """What only an X client is asked for: the designed frame and place."""
    fenster = warte_auf(lambda: x_fenster(HAUPTFENSTER))
    if not fenster:
        fehler(f"{tag}: no X window {HAUPTFENSTER!r} on XWayland")
    # Motif hints: functions and decorations, neither minimise nor maximise.
    motif = re.search(r"= (0x[0-9a-f]+), (0x[0-9a-f]+), (0x[0-9a-f]+)", x("xprop", "-id", fenster, "_MOTIF_WM_HINTS"))
    if not motif or int(motif[1], 16) & 3 != 3 or int(motif[2], 16) & 0x18 or int(motif[3], 16) & 0x60:
        fehler(f"{tag}: the frame may be minimised or maximised: {motif and motif[0]}")
    # Asked for the middle of the screen, at its own size.
    def groesse(*wo):
        info = x("xwininfo", *wo)
        return [int(re.search(rf"{m}: *(\d+)", info)[1]) for m in ("Width", "Height")]
    lage = re.search(r"user specified location: (-?\d+), (-?\d+)", x("xprop", "-id", fenster, "WM_NORMAL_HINTS"))
    mitte = tuple((b - f) // 2 for b, f in zip(groesse("-root"), groesse("-id", fenster)))
    if not lage or abs(int(lage[1]) - mitte[0]) > 1 or abs(int(lage[2]) - mitte[1]) > 1:
        fehler(f"{tag}: asked for {lage and lage[0]}, centred would be {mitte}")
    # Enter computes.
    subprocess.run(["xdotool", "key", "Return"], check=True)
    if not warte_auf(atspi.fokussiert(TITEL, pyatspi.ROLE_PUSH_BUTTON, "weiter?")):
        fehler(f"{tag}: Enter did not compute")


def main():
    for tag, aenderung, argumente, erwartet in FAELLE:
        umgebung = dict(os.environ, LC_ALL="de_DE.UTF-8", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        for name, wert in aenderung.items():
            umgebung.pop(name, None) if wert is None else umgebung.update({name: wert})
        prozess = subprocess.Popen([sys.argv[1], *argumente], env=umgebung)
        try:
            # The window is up; where the session has a keyboard (XWayland's;
            # headless Weston gives its Wayland clients none), with the
            # focus in the old reading.
            if not warte_auf(lambda: programm(TITEL) and any(
                    k.name == HAUPTFENSTER and
                    k.getState().contains(pyatspi.STATE_SHOWING) for k in alle(programm(TITEL))), 30):
                fehler(f"{tag}: the main window did not show")
            if erwartet == "xcb" and not warte_auf(atspi.fokussiert(TITEL, pyatspi.ROLE_TEXT, "Kilometerstand alt")):
                fehler(f"{tag}: no focus in 'Kilometerstand alt' after the start")
            if plattform(prozess.pid) != erwartet:
                fehler(f"{tag}: runs on {plattform(prozess.pid)}, not on {erwartet}")
            if erwartet == "xcb":
                x_client(tag)
        finally:
            prozess.terminate()
            prozess.wait(timeout=10)
    print(f"PASS: {', '.join(f'{t}: {e}' for t, _, _, e in FAELLE)}; as an X client centred, without minimise or"
          " maximise, Enter computes")


main()
