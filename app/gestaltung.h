// The design vocabulary every window is built from: positions in twips, the
// handful of fonts, and the controls made from one row of a window's table of
// design constants.
#pragma once

#include "app/entwurf.h"

#include <QFont>
#include <QRect>

class QColor;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace Gestaltung {

using Entwurf::Schrift;
using Entwurf::Steuerelement;
using Entwurf::Twips;

// The only place where the Qt windows turn twips into pixels.
constexpr QRect pixel(Twips t)
{
    return QRect(Entwurf::pixel(t.links), Entwurf::pixel(t.oben), Entwurf::pixel(t.breite), Entwurf::pixel(t.hoehe));
}

// A window's client area as designed.
constexpr QSize groesse(const Entwurf::Fenster& f)
{
    return QSize(Entwurf::pixel(f.breite), Entwurf::pixel(f.hoehe));
}

constexpr Entwurf::Rechteck rechteck(QRect r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

QFont schrift(Schrift art);

// A colour of Qt's as the design's rules take it.
Entwurf::Farbe farbe(const QColor& c);

// "MS Sans Serif" is missing on most systems, and font matching would then
// pick any sans serif at all; an Arial-metric face keeps every caption at the
// width it was designed for.
void schriftenEinrichten();

// The one place where a row of a design table reaches a control: makes `w` a
// child of `behaelter` with the row's name, place, font, visibility and
// tooltip, and what a screen reader is told of it (name, description, role).
QWidget* platziere(QWidget& behaelter, const Steuerelement& e, QWidget* w);

template <class W>
W* platziere(QWidget& behaelter, const Steuerelement& e, W* w)
{
    platziere(behaelter, e, static_cast<QWidget*>(w));
    return w;
}

// Each makes the control as a child of `behaelter` and places it. Controls are
// made in the focus order of the design, since Qt tabs in creation order. A
// label is sized to its caption and tied to the control it names where its
// row says so.
QLabel* bezeichnung(QWidget& behaelter, const Steuerelement& e);
QLineEdit* textfeld(QWidget& behaelter, const Steuerelement& e);
QPushButton* knopf(QWidget& behaelter, const Steuerelement& e);

// A window without an icon of its own. An empty icon would not do: Qt shows
// the program's icon in its place.
void ohneSymbol(QWidget& fenster);

// A label that takes the size of its caption on one line, from its position.
void anTextAnpassen(QLabel& bezeichnung);

}  // namespace Gestaltung
