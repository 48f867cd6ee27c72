"""What the tests that read the real program over AT-SPI share."""
import sys
import time

import pyatspi


def fehler(text):
    print("FAIL:", text)
    sys.exit(1)


def alle(knoten):
    """The node and everything below it."""
    yield knoten
    for i in range(knoten.childCount):
        kind = knoten.getChildAtIndex(i)
        if kind is not None:
            yield from alle(kind)


def warte_auf(pruefe, sekunden=10):
    """The first true answer of pruefe() within the time, or None."""
    ende = time.time() + sekunden
    while time.time() < ende:
        wert = pruefe()
        if wert:
            return wert
        time.sleep(0.1)
    return None


def fokussiert(titel, rolle, name):
    """A check for warte_auf: the control of that role and name in the
    application named titel has the keyboard focus."""
    def pruefe():
        app = programm(titel)
        return app is not None and any(k.getRole() == rolle and k.name == name and
                                       k.getState().contains(pyatspi.STATE_FOCUSED) for k in alle(app))
    return pruefe


def programm(titel):
    """The application named titel on the accessibility bus, or None."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == titel:
            return app
    return None
