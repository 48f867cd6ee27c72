// What the behaviour tests know of a program: its windows and controls by the
// names of the design, and what a user does to them and sees of them. One
// driver per toolkit answers it in the program's own process (Qt offscreen,
// Win32 under Wine), so every behaviour is written once and runs on both.
// Texts are UTF-8.
#pragma once

#include "app/entwurf.h"

#include <charconv>
#include <functional>
#include <string>
#include <vector>

namespace Verhalten {

enum class Fenster { Verbrauch, Optionen, frmAbout };

// A control of a window, by the name the design gives it.
struct Ort {
    Fenster fenster;
    const char* name;
};

enum class Taste { Enter, Escape, Tab, ShiftTab, Hoch, Runter, Leertaste };

// What a screen reader announces a control as.
enum class Rolle { Knopf, Textfeld, Text, Bild, Gruppe, Auswahl, Andere };

// What a message box showed before the driver answered it with OK.
struct Meldung {
    bool erschienen = false;
    std::string titel;
    std::string text;
    std::vector<std::string> knoepfe;
    bool symbol = false;
    bool vomHauptfenster = false;  // owned by the main window
};

// A colour scheme as the user picks it: the button face the labels stand on,
// the system's text colour on it, and whether it is a high-contrast scheme.
struct Farbschema {
    const char* name;
    Entwurf::Farbe knopfflaeche, knopftext;
    bool hoherKontrast = false;
};

class Treiber {
public:
    virtual ~Treiber() = default;

    // The main window loaded, shown and active, as every case begins; false
    // when it did not become active.
    virtual bool hauptfensterZeigen() = 0;
    // Unloads every window, as every case ends.
    virtual void alleEntladen() = 0;
    // Reads and writes numbers by this region's conventions ("de-DE").
    virtual void region(const char* name) = 0;

    // ---- windows
    virtual bool geladen(Fenster f) = 0;
    virtual bool sichtbar(Fenster f) = 0;
    virtual bool aktiv(Fenster f) = 0;      // the window that takes the keyboard
    virtual bool bedienbar(Fenster f) = 0;  // not blocked by a modal window
    virtual bool minimiert(Fenster f) = 0;
    virtual bool hatBesitzer(Fenster f, Fenster besitzer) = 0;
    virtual void aktivieren(Fenster f) = 0;
    virtual void minimieren(Fenster f) = 0;
    // As the frame's close button does.
    virtual void rahmenSchliessen(Fenster f) = 0;

    // ---- controls
    virtual std::string text(Ort o) = 0;
    virtual void textSetzen(Ort o, const std::string& text) = 0;
    virtual bool sichtbar(Ort o) = 0;
    virtual bool aktiviert(Ort o) = 0;
    virtual bool gewaehlt(Ort o) = 0;  // an option button's check
    // The control with the keyboard focus as "Fenster.name", or "" for none.
    virtual std::string fokus() = 0;
    virtual void fokussieren(Ort o) = 0;
    // A left click in the middle of the control (an option: on its circle).
    virtual void klicken(Ort o) = 0;
    // A key to the control with the focus, as the user types it.
    virtual void taste(Taste t) = 0;
    virtual void tippen(const std::string& text) = 0;
    virtual void alt(char buchstabe) = 0;

    // ---- what a screen reader is told
    virtual std::string vorleseName(Ort o) = 0;
    virtual std::string vorleseBeschreibung(Ort o) = 0;
    virtual Rolle vorleseRolle(Ort o) = 0;
    virtual std::string fensterBeschreibung(Fenster f) = 0;

    // ---- colour schemes
    // The schemes this driver puts in place one after the other while the
    // windows are open, as the desktop does when the user picks one; the
    // first is the one the program started in.
    virtual std::vector<Farbschema> farbschemata() = 0;
    virtual void farbschemaSetzen(const Farbschema& s) = 0;
    // The control's pixels as a reader sees them on the screen, row by row,
    // its window shown in front; none where the screen never showed what the
    // control paints.
    virtual std::vector<Entwurf::Farbe> punkte(Ort o) = 0;

    // ---- the main window's public variables, by name: whole numbers in
    // digits, DurchVerbrauch in the shortest form that reads back ("7.29"),
    // texts as they are
    virtual std::string variable(const std::string& name) = 0;
    virtual void währungSetzen(const std::string& w) = 0;

    // ---- waiting
    // Handles events until `fertig` holds or `ms` have passed; whether it holds.
    virtual bool warteBis(const std::function<bool()>& fertig, int ms = 5000) = 0;
    // Handles every event waiting now, and what they post in turn.
    virtual void leerlauf() = 0;

    // ---- modal windows
    // Runs `aktion`, answers the message box it opens with OK, and returns
    // what the box showed.
    virtual Meldung beantworteMeldung(const std::function<void()>& aktion) = 0;
    // Runs `oeffnen`, which shows the About window modally and waits in it;
    // once it is up and active, `imFenster` runs inside its modal loop and
    // must close it. True when it appeared and is gone again.
    virtual bool waehrendInfo(const std::function<void()>& oeffnen, const std::function<void()>& imFenster) = 0;
    // Runs `aktion` from the program's own event loop; true when the
    // program then ends on its own, with exit status 0.
    virtual bool endetNach(const std::function<void()>& aktion) = 0;
};

// The driver of the toolkit this test program is built with.
Treiber& treiber();

// Treiber::variable for either toolkit's main window; `utf8` turns the
// toolkit's text into UTF-8.
template <class Hauptfenster, class Utf8>
std::string variableVon(const Hauptfenster& w, const std::string& name, Utf8 utf8)
{
    if (name == "KilometerAlt")
        return std::to_string(w.KilometerAlt);
    if (name == "KilometerNeu")
        return std::to_string(w.KilometerNeu);
    if (name == "FahrKilometer")
        return std::to_string(w.FahrKilometer);
    if (name == "DurchVerbrauch") {
        char puffer[32];
        return std::string(puffer, std::to_chars(puffer, puffer + sizeof puffer, w.DurchVerbrauch).ptr);
    }
    if (name == "Liter")
        return utf8(w.Liter);
    if (name == "LiterPreis")
        return utf8(w.LiterPreis);
    if (name == "Währung")
        return utf8(w.Währung);
    return "<no variable " + name + ">";
}

}  // namespace Verhalten
