#!/usr/bin/python3
"""Keyboard-only use of the real program under a real window manager
(openbox): typed keys go through the X server (xdotool), what they did is read
back over AT-SPI, and the active window is asked of the window manager.

Usage: tastatur_test.py PATH/TO/tankumat TITLE  (inside a D-Bus session, with
DISPLAY and a window manager running)
"""
import os
import subprocess
import sys

import pyatspi

from atspi import alle, fehler, programm, warte_auf

PROGRAMM = sys.argv[2]  # the application title, as the build makes it
HAUPTFENSTER = "Tankumat Fenrold-Edition!"


def xdotool(*argumente):
    return subprocess.run(["xdotool", *argumente], capture_output=True, text=True).stdout.strip()


def aktives_fenster():
    return xdotool("getactivewindow", "getwindowname")


def fensterliste():
    """What the window manager knows, for a failure message."""
    verwalter = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK", "_NET_ACTIVE_WINDOW",
                                "_NET_CLIENT_LIST"], capture_output=True, text=True).stdout
    namen = xdotool("search", "--onlyvisible", "--name", ".")
    namen = [xdotool("getwindowname", f) for f in namen.split()]
    return f"{verwalter.strip()}; visible windows: {namen}"


def erwarte_aktiv(titel, wann, sekunden=10):
    if not warte_auf(lambda: aktives_fenster() == titel, sekunden):
        fehler(f"{wann}: active window is {aktives_fenster()!r}, not {titel!r} ({fensterliste()})")


def textfeld(name):
    def suche():
        app = programm(PROGRAMM)
        if app is not None:
            for k in alle(app):
                if k.name == name and k.getRole() == pyatspi.ROLE_TEXT:
                    return k
        return None
    feld = warte_auf(suche)
    if feld is None:
        fehler(f"no text box {name!r} on the accessibility bus")
    return feld


def text(feld):
    t = feld.queryText()
    return t.getText(0, t.characterCount)


def erwarte_text(feld, erwartet, wann):
    if not warte_auf(lambda: text(feld) == erwartet):
        fehler(f"{wann}: {feld.name!r} holds {text(feld)!r}, not {erwartet!r}")


def main():
    umgebung = dict(os.environ, QT_QPA_PLATFORM="xcb", LC_ALL="de_DE.UTF-8", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    prozess = subprocess.Popen([sys.argv[1]], env=umgebung)
    try:
        # Straight after the start the window has the keyboard, with the
        # focus in the old reading, and still no task-bar button.
        # A cold start with the sanitizers on a loaded machine takes a while.
        erwarte_aktiv(HAUPTFENSTER, "after the start", 30)
        zustand = subprocess.run(["xprop", "-id", xdotool("getactivewindow"), "_NET_WM_STATE"],
                                 capture_output=True, text=True).stdout
        if "_NET_WM_STATE_SKIP_TASKBAR" not in zustand:
            fehler(f"the main window has a task-bar button: {zustand.strip()}")
        alt = textfeld("Kilometerstand alt")
        neu = textfeld("Kilometerstand neu")
        xdotool("key", "ctrl+a")
        xdotool("type", "8300")
        erwarte_text(alt, "8300", "typed after the start")

        # The options window closed by the frame gives the keyboard back,
        # the focus where it was.
        xdotool("key", "alt+o")
        erwarte_aktiv("Optionen", "after Alt+O")
        xdotool("key", "alt+F4")
        erwarte_aktiv(HAUPTFENSTER, "after closing the options window by its frame")
        xdotool("key", "ctrl+a")
        xdotool("type", "8400")
        erwarte_text(alt, "8400", "typed after the options window")

        # A message box, answered with Enter, sends the user to the field to
        # correct, and the keys go there.
        xdotool("key", "Tab", "ctrl+a", "BackSpace", "Return")
        erwarte_aktiv(PROGRAMM, "after Enter with an empty new reading")
        xdotool("key", "Return")
        erwarte_aktiv(HAUPTFENSTER, "after the message box")
        xdotool("type", "9000")
        erwarte_text(neu, "9000", "typed after the message box")
        print("PASS: the keyboard reaches the main window at start, after the options window and after a message")
    finally:
        prozess.terminate()
        prozess.wait(timeout=10)


main()
