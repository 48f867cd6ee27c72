// The design vocabulary every window is built from: positions in twips, the
// handful of fonts, and the controls made from one row of a window's table of
// design constants.
#pragma once

#include <QFont>
#include <QRect>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace Gestaltung {

// Twips are 1/1440 inch: 15 make one pixel at 96 dots per inch. This is the
// only place where they are turned into pixels.
inline constexpr int twipsJePixel = 15;

constexpr int pixel(int twips)
{
    return (2 * twips + (twips < 0 ? -twipsJePixel : twipsJePixel)) / (2 * twipsJePixel);
}

struct Twips {
    int links, oben, breite, hoehe;
};

constexpr QRect pixel(Twips t)
{
    return QRect(pixel(t.links), pixel(t.oben), pixel(t.breite), pixel(t.hoehe));
}

// The fonts of the design, all "MS Sans Serif".
enum class Schrift {
    Standard,      // 8.25 pt
    Fett,          // 8.25 pt bold
    GrossFett,     // 13.5 pt bold
    TitelFett,     // 18 pt bold
    Ueberschrift,  // 18 pt bold, underlined
};

QFont schrift(Schrift art);

// "MS Sans Serif" is missing on most systems, and font matching would then
// pick any sans serif at all; an Arial-metric face keeps every caption at the
// width it was designed for.
void schriftenEinrichten();

// One control as a window's design table gives it. Texts are UTF-8.
struct Steuerelement {
    const char* name;
    const char* text;
    Twips lage;
    Schrift schrift = Schrift::Standard;
    const char* tooltip = nullptr;
    // What a screen reader calls the control where its text does not say it
    // (a text box, a picture).
    const char* vorleseName = nullptr;
};

// Makes `w` a child of `behaelter` and gives it the row's name, place, font,
// tooltip and name for screen readers; for controls of a window's own kind.
QWidget* platziere(QWidget& behaelter, const Steuerelement& e, QWidget* w);

template <class W>
W* platziere(QWidget& behaelter, const Steuerelement& e, W* w)
{
    platziere(behaelter, e, static_cast<QWidget*>(w));
    return w;
}

// Each makes the control as a child of `behaelter` and places it. Controls are
// made in the focus order of the design, since Qt tabs in creation order.
QLabel* bezeichnung(QWidget& behaelter, const Steuerelement& e);
QLineEdit* textfeld(QWidget& behaelter, const Steuerelement& e);
QPushButton* knopf(QWidget& behaelter, const Steuerelement& e);

// A window without an icon of its own. An empty icon would not do: Qt shows
// the program's icon in its place.
void ohneSymbol(QWidget& fenster);

// A label that takes the size of its caption on one line, from its position.
void anTextAnpassen(QLabel& bezeichnung);

}  // namespace Gestaltung
