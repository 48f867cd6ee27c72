// The About window as designed. Every toolkit's class of the window is built
// from these rows; nothing here knows a toolkit.
#pragma once

#include "app/entwurf.h"

namespace frmAboutEntwurf {

// One control a line, as the design lists them.
// clang-format off

using Entwurf::Schrift;
using Entwurf::Steuerelement;

inline constexpr Entwurf::Fenster fenster{.titel = "Info ", .breite = 5730, .hoehe = 3555};

// A straight line on the window's background, in twips, a member of a
// control array. Its pen covers the pixel rows from its own row downwards and
// stops short of its end point.
struct Linie {
    const char* name;
    int index;
    int x1, y1, x2, y2;
    unsigned char rot, gruen, blau;
    int breite;  // pixels
};

// In the order the window creates them, which is also its focus order; a
// later line is painted over an earlier one. The labels of the window's own
// text are black, whatever colour the system gives to text, wherever black
// reads on the window's background.
inline constexpr Steuerelement cmdOK{.name = "cmdOK", .text = "OK", .lage = {4245, 2625, 1260, 345}};
inline constexpr Steuerelement Label1{.name = "Label1", .text = "Programmiert vom Zapfkontor-Team im Mai 2003", .lage = {1080, 2040, 4095, 375}, .beschriftet = "frmAbout"};
// The etched separator, a control array: Line1[1] the grey line, Line1[0]
// the white one below it.
inline constexpr Linie Line1_1{.name = "Line1", .index = 1, .x1 = 90, .y1 = 2445, .x2 = 5654, .y2 = 2445, .rot = 128, .gruen = 128, .blau = 128, .breite = 1};
inline constexpr Steuerelement lblDescription{
    .name = "lblDescription",
    .text = "Dieses kleine Tool berechnet den Durchschnittsverbrauch von Fahrzeugen und gibt die Kosten auf 100 Kilometer bezogen an.",
    .lage = {1050, 1125, 3885, 690}, .beschriftet = "frmAbout", .textfarbe = Entwurf::schwarz};
inline constexpr Steuerelement lblTitle{.name = "lblTitle", .text = "Tankumat", .lage = {1050, 240, 3885, 480}, .schrift = Schrift::TitelFett, .beschriftet = "frmAbout", .textfarbe = Entwurf::schwarz};
inline constexpr Linie Line1_0{.name = "Line1", .index = 0, .x1 = 105, .y1 = 2460, .x2 = 5654, .y2 = 2460, .rot = 255, .gruen = 255, .blau = 255, .breite = 2};
inline constexpr Steuerelement lblVersion{.name = "lblVersion", .text = Version::versionsZeile, .lage = {1050, 780, 3885, 225}, .beschriftet = "frmAbout"};
inline constexpr Steuerelement lblDisclaimer{.name = "lblDisclaimer", .text = "Freeware", .lage = {1680, 2760, 1350, 360},
                                             .schrift = Schrift::GrossFett, .tooltip = "Software zum Nulltarif", .groesseNachText = true, .beschriftet = "frmAbout",
                                             .textfarbe = Entwurf::schwarz};

// The lines in the order the window creates them: a later one is painted over
// an earlier one, and both under every control.
inline constexpr const Linie* linien[] = {&Line1_1, &Line1_0};

// What a screen reader says of the window when it opens: its texts in reading
// order, each once. The labels above are tied to the window, so it does not
// read them again on their own.
inline constexpr const Steuerelement* vorleseFolge[] = {&lblTitle, &lblVersion, &lblDescription, &Label1, &lblDisclaimer};

// The bell, drawn unscaled at the top-left of the client area.
inline constexpr const char* glocke = "glocke.gif";

// clang-format on

}  // namespace frmAboutEntwurf
