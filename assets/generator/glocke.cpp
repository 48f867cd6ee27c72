// The small desk bell in the top-left corner of the About window.

#include "about_window/frmabout_entwurf.h"
#include "bilder.h"
#include "gif.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int breite = 43;
constexpr int hoehe = 39;

// Brass, from the light that catches the dome to its shaded edge.
const QColor glanz(255, 246, 196);
const QColor messingHell(236, 190, 72);
const QColor messing(196, 146, 36);
const QColor messingDunkel(120, 82, 14);

QImage glocke()
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);

    // A faint shadow on the desk.
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(214, 214, 214));
    maler.drawEllipse(QRectF(3, 34.5, 37, 4));

    // The dark wooden base.
    QLinearGradient holz(0, 30, 0, 37);
    holz.setColorAt(0, QColor(92, 70, 58));
    holz.setColorAt(1, QColor(34, 24, 20));
    maler.setBrush(holz);
    maler.setPen(QPen(QColor(24, 16, 12), 1));
    maler.drawRoundedRect(QRectF(4.5, 30.5, 34, 6), 2, 2);

    // The plunger: a steel stem with a round knob, standing out of the dome.
    QLinearGradient stahl(19, 0, 24, 0);
    stahl.setColorAt(0, QColor(90, 90, 96));
    stahl.setColorAt(0.4, QColor(220, 220, 226));
    stahl.setColorAt(1, QColor(70, 70, 76));
    maler.setPen(Qt::NoPen);
    maler.setBrush(stahl);
    maler.drawRect(QRectF(20, 6, 3, 9));
    QRadialGradient knopfLicht(QPointF(20.3, 3.6), 4.5);
    knopfLicht.setColorAt(0, Qt::white);
    knopfLicht.setColorAt(0.5, QColor(170, 170, 178));
    knopfLicht.setColorAt(1, QColor(56, 56, 62));
    maler.setBrush(knopfLicht);
    maler.setPen(QPen(QColor(48, 48, 54), 0.8));
    maler.drawEllipse(QRectF(17.5, 1.5, 8, 5.5));

    // The dome, lit from the upper left.
    QPainterPath kuppel;
    kuppel.moveTo(7, 30);
    kuppel.cubicTo(7, 17, 13, 12.5, 21.5, 12.5);
    kuppel.cubicTo(30, 12.5, 36, 17, 36, 30);
    kuppel.closeSubpath();
    QRadialGradient licht(QPointF(16, 18), 19, QPointF(15, 17));
    licht.setColorAt(0, glanz);
    licht.setColorAt(0.25, messingHell);
    licht.setColorAt(0.7, messing);
    licht.setColorAt(1, messingDunkel);
    maler.setBrush(licht);
    maler.setPen(QPen(messingDunkel, 1));
    maler.drawPath(kuppel);

    // Its rolled rim where it sits on the base.
    QLinearGradient rand(0, 28, 0, 32);
    rand.setColorAt(0, messingHell);
    rand.setColorAt(1, messingDunkel);
    maler.setBrush(rand);
    maler.setPen(QPen(messingDunkel, 0.8));
    maler.drawRoundedRect(QRectF(5.5, 28.5, 32, 3), 1.5, 1.5);

    // A glint on the dome.
    maler.setPen(QPen(QColor(255, 252, 232), 1.4, Qt::SolidLine, Qt::RoundCap));
    maler.setBrush(Qt::NoBrush);
    maler.drawArc(QRectF(11, 16, 12, 16), 100 * 16, 60 * 16);
    return bild;
}

}  // namespace

std::vector<Asset> glockenAssets()
{
    return {{QString::fromLatin1(frmAboutEntwurf::glocke),
             [](const QString& pfad) { return schreibeGif(glocke(), pfad, /*interlaced=*/true); }}};
}
