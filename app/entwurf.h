// The design vocabulary shared by every toolkit's windows: lengths in twips,
// the handful of fonts, one row of a window's table of controls, and where a
// window goes on the screen. Nothing here knows a toolkit.
#pragma once

#include "version.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace Entwurf {

// Twips are 1/1440 inch: 15 make one pixel at 96 dots per inch.
inline constexpr int twipsJePixel = 15;

// Twips to pixels at 96 dots per inch, to the nearest pixel. Each toolkit
// turns twips into its own pixels with this and nothing else.
constexpr int pixel(int twips)
{
    return (2 * twips + (twips < 0 ? -twipsJePixel : twipsJePixel)) / (2 * twipsJePixel);
}

// Left, top, width and height in twips, within the container's client area.
struct Twips {
    int links, oben, breite, hoehe;
};

// The fonts of the design, all "MS Sans Serif".
inline constexpr const char* schriftfamilie = "MS Sans Serif";

enum class Schrift {
    Standard,      // 8.25 pt
    Fett,          // 8.25 pt bold
    GrossFett,     // 13.5 pt bold
    TitelFett,     // 18 pt bold
    Ueberschrift,  // 18 pt bold, underlined
};

struct Schriftart {
    int pixelgroesse;  // at 96 dots per inch
    bool fett;         // weight 700
    bool unterstrichen;
};

// Point sizes of the design at 96 dpi: 8.25 pt = 11 px, 13.5 pt = 18 px,
// 18 pt = 24 px.
constexpr Schriftart schriftart(Schrift art)
{
    switch (art) {
    case Schrift::Standard: return {11, false, false};
    case Schrift::Fett: return {11, true, false};
    case Schrift::GrossFett: return {18, true, false};
    case Schrift::TitelFett: return {24, true, false};
    case Schrift::Ueberschrift: return {24, true, true};
    }
    return {11, false, false};
}

// Large text as WCAG 2 counts it: 18 point, or 14 point bold. Large text
// reads at a lower contrast.
constexpr bool grosseSchrift(Schrift art)
{
    const Schriftart a = schriftart(art);
    // At 96 dpi a point is 4/3 of a pixel: 18 pt = 24 px, 14 pt = 18.67 px.
    return 3 * a.pixelgroesse >= 4 * 18 || (a.fett && 3 * a.pixelgroesse >= 4 * 14);
}

// The contrast text in this font needs to read, as WCAG 2 asks: 4.5:1, and
// 3:1 for large text.
constexpr double noetigerKontrast(Schrift art)
{
    return grosseSchrift(art) ? 3.0 : 4.5;
}

struct Farbe {
    std::uint8_t rot, gruen, blau;
    friend constexpr bool operator==(const Farbe&, const Farbe&) = default;
};

inline constexpr Farbe schwarz{0, 0, 0};

// The contrast of two colours as WCAG 2 defines it, from their relative
// luminance: 1 (the same) to 21 (black on white).
double kontrast(Farbe a, Farbe b);

// What a screen reader announces a control as, where the control's own kind
// would say it wrong: a picture box is a window of its own to the toolkits,
// which a screen reader calls a frame.
enum class Rolle {
    Eigene,  // what the toolkit's control is
    Bild,    // a picture
    Gruppe,  // a group of controls that belong together
};

// One row of a window's table of controls. Texts are UTF-8.
struct Steuerelement {
    const char* name;
    const char* text = "";
    Twips lage{};
    Schrift schrift = Schrift::Standard;
    const char* tooltip = nullptr;
    // What a screen reader calls the control where its text does not say it
    // (a text box, a picture, an option whose caption lies out of sight).
    const char* vorleseName = nullptr;
    // What a screen reader adds to the name; the tooltip where there is none.
    const char* beschreibung = nullptr;
    Rolle rolle = Rolle::Eigene;
    bool sichtbar = true;
    // A label that takes the size of its caption on one line, from its place.
    bool groesseNachText = false;
    // The control a label names: a screen reader reads the label as that
    // control's, not on its own.
    const char* beschriftet = nullptr;
    // A text colour of its own, whatever colour the system gives to text,
    // wherever it reads (textfarbe() below).
    std::optional<Farbe> textfarbe{};
};

// The colour a control's text is drawn in on `hintergrund`: its own colour
// where that reads at WCAG 2's contrast (4.5:1, large text 3:1) and no
// high-contrast scheme is on; the system's text colour otherwise, which the
// scheme chose to read on its own background.
Farbe textfarbe(const Steuerelement& e, Farbe hintergrund, Farbe systemtext, bool hoherKontrast);

// The texts of these rows as one passage for a screen reader: each once, in
// the order given, each ending a sentence.
std::string vorlesetext(std::span<const Steuerelement* const> folge);

// A window's caption and the size of its client area.
struct Fenster {
    const char* titel;
    int breite, hoehe;  // twips
};

// A rectangle on the screen, in pixels.
struct Rechteck {
    int x, y, breite, hoehe;

    constexpr int rechts() const { return x + breite; }
    constexpr int unten() const { return y + hoehe; }
    friend constexpr bool operator==(const Rechteck&, const Rechteck&) = default;
};

struct Punkt {
    int x, y;
    friend constexpr bool operator==(const Punkt&, const Punkt&) = default;
};

// Where a window of this outer size goes: centred on the free part of the
// screen where it fits, otherwise as far up and left as needed to keep its
// top-left corner, and with it the title bar and its buttons, on the screen.
Punkt zentriert(Rechteck frei, int breite, int hoehe);

// Where the options window goes: to the right of the main window, or else to
// its left, where the screen has room; otherwise below the main window's row
// of buttons (`knopfleisteUnten`, a screen y), so it never covers the main
// window's title bar and top buttons. `haupt` is the main window's outer
// rectangle, `breite` and `hoehe` the options window's outer size.
Punkt nebenDemHauptfenster(Rechteck frei, Rechteck haupt, int knopfleisteUnten, int breite, int hoehe);

}  // namespace Entwurf
