// The pictures of the main window's frame, painted, and the program's icon.
//
// Each scene is painted at the pixel size of its file. They are seen as
// thumbnails of which about 109 x 77 pixels show, so each is built from a few
// large shapes with the colours of its subject; no text, since fonts differ
// between machines.

#include "bilder.h"
#include "ico.h"
#include "main_window/verbrauch_entwurf.h"

#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <string_view>

namespace {

using Malen = void (*)(QPainter&, QSize);

// --- shapes several scenes share --------------------------------------------

void verlauf(QPainter& p, QRectF r, QColor oben, QColor unten)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, oben);
    g.setColorAt(1, unten);
    p.fillRect(r, g);
}

void leuchten(QPainter& p, QPointF mitte, qreal radius, QColor farbe)
{
    QRadialGradient g(mitte, radius);
    g.setColorAt(0, Qt::white);
    g.setColorAt(0.25, farbe);
    QColor aus = farbe;
    aus.setAlpha(0);
    g.setColorAt(1, aus);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(mitte, radius, radius);
}

void rad(QPainter& p, QPointF mitte, qreal r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(mitte, r, r);
    p.setBrush(QColor(150, 150, 155));
    p.drawEllipse(mitte, r * 0.5, r * 0.5);
}

// An estate car from the side, facing left, in the rectangle `r`.
void kombiSeite(QPainter& p, QRectF r, QColor lack, bool lichter = false)
{
    const qreal x = r.x(), y = r.y(), b = r.width(), h = r.height();
    QPainterPath karosserie;
    karosserie.moveTo(x, y + h * 0.78);
    karosserie.lineTo(x + b * 0.02, y + h * 0.50);
    karosserie.lineTo(x + b * 0.22, y + h * 0.42);
    karosserie.lineTo(x + b * 0.36, y + h * 0.08);
    karosserie.lineTo(x + b * 0.97, y + h * 0.06);
    karosserie.lineTo(x + b, y + h * 0.45);
    karosserie.lineTo(x + b, y + h * 0.78);
    karosserie.closeSubpath();
    QLinearGradient glanz(r.topLeft(), r.bottomLeft());
    glanz.setColorAt(0, lack.lighter(150));
    glanz.setColorAt(0.55, lack);
    glanz.setColorAt(1, lack.darker(170));
    p.setPen(QPen(lack.darker(220), 0.8));
    p.setBrush(glanz);
    p.drawPath(karosserie);
    // The long glasshouse of an estate.
    QPainterPath fenster;
    fenster.moveTo(x + b * 0.27, y + h * 0.42);
    fenster.lineTo(x + b * 0.39, y + h * 0.14);
    fenster.lineTo(x + b * 0.93, y + h * 0.13);
    fenster.lineTo(x + b * 0.95, y + h * 0.42);
    fenster.closeSubpath();
    p.setBrush(QColor(40, 48, 60));
    p.drawPath(fenster);
    p.setPen(QPen(lack.darker(130), 1.5));
    p.drawLine(QPointF(x + b * 0.55, y + h * 0.13), QPointF(x + b * 0.55, y + h * 0.42));
    p.drawLine(QPointF(x + b * 0.76, y + h * 0.13), QPointF(x + b * 0.76, y + h * 0.42));
    rad(p, {x + b * 0.2, y + h * 0.78}, h * 0.2);
    rad(p, {x + b * 0.8, y + h * 0.78}, h * 0.2);
    if (lichter) {
        leuchten(p, {x + b * 0.02, y + h * 0.55}, h * 0.25, QColor(255, 250, 200));
        leuchten(p, {x + b * 0.99, y + h * 0.52}, h * 0.12, QColor(255, 40, 30));
    }
}

// An estate car from behind, in `r`.
void kombiHinten(QPainter& p, QRectF r, QColor lack)
{
    const qreal x = r.x(), y = r.y(), b = r.width(), h = r.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 15, 15));
    p.drawRoundedRect(QRectF(x + b * 0.06, y + h * 0.78, b * 0.2, h * 0.22), 2, 2);
    p.drawRoundedRect(QRectF(x + b * 0.74, y + h * 0.78, b * 0.2, h * 0.22), 2, 2);
    QLinearGradient glanz(r.topLeft(), r.bottomLeft());
    glanz.setColorAt(0, lack.lighter(140));
    glanz.setColorAt(1, lack.darker(160));
    p.setBrush(glanz);
    p.drawRoundedRect(QRectF(x + b * 0.08, y, b * 0.84, h * 0.5), b * 0.08, b * 0.08);
    p.drawRoundedRect(QRectF(x, y + h * 0.38, b, h * 0.46), b * 0.06, b * 0.06);
    p.setBrush(QColor(35, 40, 50));
    p.drawRoundedRect(QRectF(x + b * 0.16, y + h * 0.07, b * 0.68, h * 0.32), 3, 3);
    p.setBrush(QColor(220, 30, 25));
    p.drawRect(QRectF(x + b * 0.02, y + h * 0.42, b * 0.16, h * 0.18));
    p.drawRect(QRectF(x + b * 0.82, y + h * 0.42, b * 0.16, h * 0.18));
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(x + b * 0.02, y + h * 0.72, b * 0.96, h * 0.08));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(x + b * 0.4, y + h * 0.6, b * 0.2, h * 0.08));
}

void baeume(QPainter& p, QRectF r, QColor farbe, int anzahl)
{
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    for (int i = 0; i < anzahl; ++i) {
        const qreal t = anzahl == 1 ? 0.5 : qreal(i) / (anzahl - 1);
        const qreal cx = r.left() + t * r.width();
        const qreal rr = r.height() * (0.35 + 0.15 * std::sin(i * 2.3));
        p.drawEllipse(QPointF(cx, r.bottom() - rr), rr * 0.9, rr);
    }
}

QImage unscharf(const QImage& bild, qreal faktor, Qt::Orientations richtung = Qt::Horizontal | Qt::Vertical)
{
    const int b = richtung & Qt::Horizontal ? std::max(1, int(bild.width() / faktor)) : bild.width();
    const int h = richtung & Qt::Vertical ? std::max(1, int(bild.height() / faktor)) : bild.height();
    return bild.scaled(b, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(bild.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// --- the scenes --------------------------------------------------------------

void scheinwerferNachts(QPainter& p, QSize s)
{
    p.fillRect(QRect({}, s), QColor(8, 10, 18));
    const QPointF m(s.width() * 0.48, s.height() * 0.52);
    QRadialGradient chrom(m, 36);
    chrom.setColorAt(0.45, QColor(230, 232, 240));
    chrom.setColorAt(0.7, QColor(90, 95, 110));
    chrom.setColorAt(0.85, QColor(200, 205, 215));
    chrom.setColorAt(1, QColor(20, 22, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(chrom);
    p.drawEllipse(m, 36, 32);
    leuchten(p, m, 26, QColor(170, 200, 255));
}

void ruecklicht(QPainter& p, QSize s)
{
    verlauf(p, QRect({}, s), QColor(222, 223, 225), QColor(200, 201, 204));
    // The silver rear wing, curving round the corner of the car.
    QPainterPath blech;
    blech.moveTo(8, s.height());
    blech.quadTo(4, 30, 30, 4);
    blech.lineTo(s.width(), 0);
    blech.lineTo(s.width(), s.height());
    blech.closeSubpath();
    QLinearGradient silber(10, 10, 100, 80);
    silber.setColorAt(0, QColor(236, 238, 241));
    silber.setColorAt(0.4, QColor(182, 186, 192));
    silber.setColorAt(0.6, QColor(206, 209, 214));
    silber.setColorAt(1, QColor(128, 132, 139));
    p.fillPath(blech, silber);
    p.setPen(QPen(QColor(90, 94, 100), 1));
    p.drawLine(QPointF(103, 0), QPointF(100, s.height()));

    // The cluster in its dark rim: red glass above, clear glass below.
    QPainterPath leuchte;
    leuchte.moveTo(26, 14);
    leuchte.lineTo(90, 10);
    leuchte.quadTo(96, 10, 96, 16);
    leuchte.lineTo(95, 62);
    leuchte.quadTo(95, 68, 89, 68);
    leuchte.lineTo(24, 68);
    leuchte.quadTo(16, 42, 26, 14);
    p.setPen(QPen(QColor(40, 40, 44), 2));
    p.setBrush(QColor(60, 20, 20));
    p.drawPath(leuchte);
    p.save();
    p.setClipPath(leuchte);
    QLinearGradient rot(0, 10, 0, 46);
    rot.setColorAt(0, QColor(255, 70, 60));
    rot.setColorAt(0.5, QColor(220, 20, 20));
    rot.setColorAt(1, QColor(140, 0, 0));
    p.fillRect(QRectF(0, 0, s.width(), 46), rot);
    p.setPen(QPen(QColor(255, 140, 130, 110), 0.8));
    for (int x = 22; x < 100; x += 6)
        p.drawLine(QPointF(x, 10), QPointF(x - 3, 46));
    QLinearGradient klar(0, 46, 0, 68);
    klar.setColorAt(0, QColor(248, 248, 250));
    klar.setColorAt(1, QColor(170, 172, 178));
    p.fillRect(QRectF(0, 46, s.width(), 22), klar);
    // Chrome bowls of the reversing and indicator lamps behind the clear glass.
    for (qreal x : {42.0, 68.0}) {
        QRadialGradient schale(QPointF(x - 3, 54), 11);
        schale.setColorAt(0, Qt::white);
        schale.setColorAt(0.6, QColor(160, 164, 170));
        schale.setColorAt(1, QColor(90, 94, 100));
        p.setPen(Qt::NoPen);
        p.setBrush(schale);
        p.drawEllipse(QPointF(x, 57), 9, 8);
    }
    p.setPen(QPen(QColor(50, 30, 30), 1.5));
    p.drawLine(QPointF(0, 46), QPointF(s.width(), 46));
    p.restore();
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
    p.drawLine(QPointF(32, 15), QPointF(86, 12.5));
}

void roterKombiVorGebaeude(QPainter& p, QSize s)
{
    QImage hinten(s, QImage::Format_RGB32);
    {
        QPainter g(&hinten);
        g.fillRect(hinten.rect(), QColor(45, 45, 50));
        for (int x = 4; x < s.width(); x += 16)
            for (int y = 6; y < 50; y += 14)
                g.fillRect(x, y, 9, 8, QColor(80, 85, 95));
        g.fillRect(0, 52, s.width(), 30, QColor(70, 70, 72));
    }
    p.drawImage(0, 0, unscharf(hinten, 6));
    kombiHinten(p, QRectF(28, 20, 60, 50), QColor(190, 20, 25));
}

void silberKombiPromenade(QPainter& p, QSize s)
{
    verlauf(p, QRectF(0, 0, s.width(), 34), QColor(235, 190, 200), QColor(250, 220, 215));
    verlauf(p, QRectF(0, 34, s.width(), 14), QColor(120, 140, 160), QColor(90, 110, 130));
    p.fillRect(QRectF(0, 48, s.width(), 32), QColor(150, 145, 140));
    baeume(p, QRectF(-10, 6, 30, 50), QColor(25, 35, 25), 2);
    baeume(p, QRectF(92, 4, 32, 52), QColor(25, 35, 25), 2);
    kombiSeite(p, QRectF(24, 38, 68, 30), QColor(185, 188, 195));
}

void blechFugen(QPainter& p, QSize s)
{
    verlauf(p, QRect({}, s), QColor(120, 140, 160), QColor(80, 95, 115));
    p.setPen(QPen(QColor(30, 35, 45), 2));
    p.drawLine(QPointF(40, 0), QPointF(62, s.height()));
    p.drawLine(QPointF(52, 44), QPointF(s.width(), 30));
    p.setPen(QPen(QColor(170, 185, 200), 1));
    p.drawLine(QPointF(43, 0), QPointF(65, s.height()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 15, 20));
    p.drawEllipse(QPointF(-6, 56), 24, 32);
}

void kombiVorHaus(QPainter& p, QSize s)
{
    verlauf(p, QRectF(0, 0, s.width(), 20), QColor(170, 200, 230), QColor(210, 225, 240));
    p.fillRect(QRectF(0, 12, s.width(), 46), QColor(240, 225, 150));
    p.fillRect(QRectF(0, 8, s.width(), 6), QColor(150, 70, 50));
    p.fillRect(QRectF(62, 24, 44, 34), QColor(225, 225, 220));
    p.setPen(QPen(QColor(170, 170, 165), 1));
    for (int y = 29; y < 58; y += 5)
        p.drawLine(62, y, 105, y);
    p.fillRect(QRectF(16, 26, 16, 32), QColor(110, 70, 45));
    // The family at the front door.
    const QColor kleider[] = {QColor(40, 60, 150), QColor(200, 40, 40), QColor(60, 130, 60)};
    for (int i = 0; i < 3; ++i) {
        const qreal x = 12 + i * 8;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 190, 160));
        p.drawEllipse(QPointF(x + 2, 40 + i % 2 * 4), 2, 2);
        p.setBrush(kleider[i]);
        p.drawRect(QRectF(x, 42 + i % 2 * 4, 4, 14 - i % 2 * 4));
    }
    p.fillRect(QRectF(0, 58, s.width(), 22), QColor(160, 150, 140));
    p.setPen(QPen(QColor(130, 120, 112), 1));
    for (int x = -20; x < s.width(); x += 8)
        p.drawLine(x, 80, x + 14, 58);
    kombiSeite(p, QRectF(40, 44, 62, 28), QColor(190, 192, 198));
}

void blauerWagenImSchnee(QPainter& p, QSize s)
{
    QImage bild(s, QImage::Format_RGB32);
    {
        QPainter g(&bild);
        g.setRenderHint(QPainter::Antialiasing);
        verlauf(g, QRect({}, s), QColor(225, 230, 238), QColor(250, 250, 252));
        QPolygonF strasse{{40, 30}, {76, 30}, {116, 80}, {0, 80}};
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(165, 170, 178));
        g.drawPolygon(strasse);
        g.setBrush(QColor(20, 35, 90));
        g.drawRoundedRect(QRectF(36, 34, 44, 30), 6, 6);
        g.setBrush(QColor(50, 60, 80));
        g.drawRect(QRectF(42, 36, 32, 10));
        g.setBrush(QColor(10, 10, 10));
        g.drawRect(QRectF(38, 62, 8, 6));
        g.drawRect(QRectF(70, 62, 8, 6));
        leuchten(g, {42, 54}, 6, QColor(255, 255, 220));
        leuchten(g, {74, 54}, 6, QColor(255, 255, 220));
    }
    p.drawImage(0, 0, unscharf(unscharf(bild, 5, Qt::Horizontal), 1.6));
}

void innenraumDurchFenster(QPainter& p, QSize s)
{
    QImage bild(s, QImage::Format_RGB32);
    {
        QPainter g(&bild);
        g.fillRect(bild.rect(), QColor(130, 130, 135));
        g.fillRect(QRectF(50, 30, 60, 40), QColor(225, 195, 40));
        g.fillRect(QRectF(20, 48, 40, 30), QColor(95, 95, 100));
        g.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap));
        g.drawLine(QPointF(58, 22), QPointF(96, 18));
    }
    p.drawImage(0, 0, unscharf(bild, 4));
    // The window frame in front is sharp.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath rahmen;
    rahmen.addRect(QRectF(0, 0, s.width(), s.height()));
    rahmen.addRoundedRect(QRectF(12, 8, s.width() - 16, s.height() - 6), 14, 14);
    rahmen.setFillRule(Qt::OddEvenFill);
    p.drawPath(rahmen);
}

void klarglasScheinwerfer(QPainter& p, QSize s)
{
    verlauf(p, QRect({}, s), QColor(225, 228, 232), QColor(150, 155, 162));
    QPainterPath glas;
    glas.moveTo(8, 22);
    glas.cubicTo(40, 8, 90, 10, 112, 24);
    glas.lineTo(104, 62);
    glas.cubicTo(70, 70, 30, 66, 12, 58);
    glas.closeSubpath();
    p.setPen(QPen(QColor(100, 105, 112), 1.5));
    p.setBrush(QColor(205, 220, 235));
    p.drawPath(glas);
    p.setPen(Qt::NoPen);
    QRadialGradient linse(QPointF(40, 38), 16);
    linse.setColorAt(0, QColor(250, 252, 255));
    linse.setColorAt(0.4, QColor(70, 80, 100));
    linse.setColorAt(0.9, QColor(170, 180, 195));
    linse.setColorAt(1, QColor(90, 95, 105));
    p.setBrush(linse);
    p.drawEllipse(QPointF(40, 38), 16, 16);
    p.setBrush(QColor(175, 185, 198));
    p.drawEllipse(QPointF(76, 38), 12, 12);
    p.setBrush(QColor(245, 150, 30));
    p.drawRoundedRect(QRectF(16, 52, 80, 6), 3, 3);
}

void kombiVorMauerNachts(QPainter& p, QSize s)
{
    verlauf(p, QRectF(0, 0, s.width(), 40), QColor(10, 20, 70), QColor(25, 45, 110));
    baeume(p, QRectF(-6, 2, s.width() + 12, 40), QColor(8, 14, 20), 5);
    p.fillRect(QRectF(0, 32, s.width(), 24), QColor(95, 92, 88));
    p.setPen(QPen(QColor(60, 58, 55), 1));
    for (int y = 36; y < 56; y += 6)
        for (int x = (y / 6) % 2 * 6; x < s.width(); x += 12)
            p.drawRect(x, y, 12, 6);
    p.fillRect(QRectF(0, 56, s.width(), 24), QColor(40, 40, 45));
    kombiSeite(p, QRectF(20, 40, 72, 32), QColor(175, 180, 190), true);
}

void tuergriff(QPainter& p, QSize s)
{
    verlauf(p, QRect({}, s), QColor(225, 228, 232), QColor(165, 170, 178));
    p.setPen(Qt::NoPen);
    QLinearGradient mulde(0, 22, 0, 58);
    mulde.setColorAt(0, QColor(70, 72, 78));
    mulde.setColorAt(1, QColor(185, 188, 194));
    p.setBrush(mulde);
    p.drawEllipse(QRectF(20, 24, 72, 34));
    QLinearGradient griff(0, 30, 0, 44);
    griff.setColorAt(0, QColor(250, 250, 252));
    griff.setColorAt(0.5, QColor(160, 165, 172));
    griff.setColorAt(1, QColor(215, 218, 222));
    p.setBrush(griff);
    p.drawRoundedRect(QRectF(12, 30, 90, 13), 6, 6);
}

void lichterImNebel(QPainter& p, QSize s)
{
    verlauf(p, QRect({}, s), QColor(35, 40, 50), QColor(80, 85, 95));
    leuchten(p, {30, 40}, 22, QColor(230, 235, 255));
    leuchten(p, {86, 40}, 22, QColor(230, 235, 255));
    leuchten(p, {34, 58}, 10, QColor(255, 240, 190));
    leuchten(p, {82, 58}, 10, QColor(255, 240, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (int x = 2; x < s.width(); x += 10) {
        QPolygonF latte{{qreal(x), 80}, {qreal(x), 34}, {x + 2.5, 29}, {x + 5.0, 34}, {x + 5.0, 80}};
        p.drawPolygon(latte);
    }
    p.drawRect(QRectF(0, 44, s.width(), 3));
    p.drawRect(QRectF(0, 68, s.width(), 3));
}

void kombiAmAbend(QPainter& p, QSize s)
{
    QLinearGradient himmel(0, 0, 0, 48);
    himmel.setColorAt(0, QColor(95, 60, 150));
    himmel.setColorAt(0.6, QColor(200, 110, 170));
    himmel.setColorAt(1, QColor(250, 170, 160));
    p.fillRect(QRectF(0, 0, s.width(), 48), himmel);
    p.fillRect(QRectF(0, 44, s.width(), 8), QColor(40, 35, 50));
    p.fillRect(QRectF(0, 52, s.width(), 28), QColor(60, 60, 66));
    p.fillRect(QRectF(0, 64, s.width(), 2), QColor(230, 230, 200));
    kombiSeite(p, QRectF(22, 34, 70, 30), QColor(180, 183, 190));
}

void schlossAufDemBerg(QPainter& p, QSize s)
{
    verlauf(p, QRect({}, s), QColor(120, 170, 225), QColor(200, 225, 245));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 95, 40));
    p.drawEllipse(QRectF(-20, 26, 160, 90));
    p.setBrush(QColor(30, 75, 30));
    for (int i = 0; i < 40; ++i) {
        const qreal x = std::fmod(i * 37.0, 130.0) - 5;
        const qreal y = 34 + std::fmod(i * 17.0, 30.0);
        p.drawEllipse(QPointF(x, y), 4, 3);
    }
    // The castle on the crown of the hill.
    const QColor mauer(230, 220, 200), dach(120, 50, 45);
    p.setBrush(mauer);
    p.drawRect(QRectF(40, 18, 40, 14));
    p.drawRect(QRectF(54, 8, 9, 24));
    p.drawRect(QRectF(36, 12, 7, 20));
    p.drawRect(QRectF(76, 14, 7, 18));
    p.setBrush(dach);
    p.drawPolygon(QPolygonF{{53, 8}, {58.5, -2}, {64, 8}});
    p.drawPolygon(QPolygonF{{35, 12}, {39.5, 4}, {44, 12}});
    p.drawPolygon(QPolygonF{{75, 14}, {79.5, 6}, {84, 14}});
    p.drawPolygon(QPolygonF{{40, 18}, {46, 13}, {74, 13}, {80, 18}});
    p.setBrush(QColor(60, 60, 70));
    for (qreal x = 45; x < 78; x += 6)
        p.drawRect(QRectF(x, 23, 2, 4));
    // The small town at its foot.
    for (int i = 0; i < 12; ++i) {
        const qreal x = i * 10.5 - 2;
        const qreal y = 58 + (i * 7) % 6;
        p.setBrush(QColor(235, 230, 215));
        p.drawRect(QRectF(x, y, 8, 10));
        p.setBrush(QColor(175, 70, 50));
        p.drawPolygon(QPolygonF{{x - 1, y}, {x + 4, y - 5}, {x + 9, y}});
    }
}

void roterKombiVonOben(QPainter& p, QSize s)
{
    QImage strasse(s, QImage::Format_RGB32);
    {
        QPainter g(&strasse);
        g.fillRect(strasse.rect(), QColor(110, 110, 112));
        for (int y = 0; y < s.height(); y += 7)
            g.fillRect(0, y, s.width(), 2, QColor(135, 135, 138));
        g.fillRect(0, 60, s.width(), 3, QColor(225, 225, 225));
    }
    p.drawImage(0, 0, unscharf(strasse, 6, Qt::Horizontal));
    p.save();
    p.translate(58, 38);
    p.rotate(-18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(185, 20, 25));
    p.drawRoundedRect(QRectF(-38, -16, 76, 32), 9, 9);
    p.setBrush(QColor(30, 35, 45));
    p.drawRoundedRect(QRectF(-18, -12, 12, 24), 3, 3);
    p.drawRoundedRect(QRectF(14, -12, 12, 24), 3, 3);
    p.setBrush(QColor(215, 40, 45));
    p.drawRoundedRect(QRectF(-6, -12, 20, 24), 2, 2);
    p.restore();
}

void kurveInDerDaemmerung(QPainter& p, QSize s)
{
    QLinearGradient himmel(0, 0, 0, 42);
    himmel.setColorAt(0, QColor(54, 24, 86));
    himmel.setColorAt(0.55, QColor(120, 60, 130));
    himmel.setColorAt(1, QColor(200, 120, 150));
    p.fillRect(QRectF(0, 0, s.width(), 42), himmel);
    // Two ranges of hills, the nearer one darker.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 40, 86));
    p.drawPolygon(QPolygonF({QPointF(0, 36), QPointF(22, 24), QPointF(44, 32), QPointF(70, 20), QPointF(100, 30),
                             QPointF(s.width(), 26), QPointF(s.width(), 50), QPointF(0, 50)}));
    p.setBrush(QColor(34, 30, 40));
    p.drawPolygon(QPolygonF({QPointF(0, 46), QPointF(30, 36), QPointF(60, 42), QPointF(90, 34), QPointF(s.width(), 40),
                             QPointF(s.width(), s.height()), QPointF(0, s.height())}));
    // The road sweeping through the bend, lighter than the land.
    QPainterPath strasse;
    strasse.moveTo(-4, 80);
    strasse.cubicTo(10, 56, 60, 60, 80, 46);
    strasse.cubicTo(92, 40, 110, 40, 120, 40);
    strasse.lineTo(120, 45);
    strasse.cubicTo(110, 46, 100, 50, 92, 56);
    strasse.cubicTo(76, 68, 56, 70, 46, 80);
    strasse.closeSubpath();
    p.fillPath(strasse, QColor(110, 100, 116));
    QPainterPath mitte;
    mitte.moveTo(20, 80);
    mitte.cubicTo(32, 64, 68, 64, 86, 51);
    mitte.cubicTo(96, 45, 110, 42, 120, 42);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 220, 200), 0.9, Qt::DashLine));
    p.drawPath(mitte);

    // The dark car in the bend, heading left, its lamps on and its
    // roof catching the evening sky.
    p.save();
    p.translate(30, 50);
    p.rotate(-10);
    kombiSeite(p, QRectF(0, 0, 48, 17), QColor(34, 34, 46));
    p.restore();
    p.setPen(QPen(QColor(190, 130, 170), 1));
    p.drawLine(QPointF(46, 48.5), QPointF(72, 44));
    leuchten(p, {33, 58}, 8, QColor(255, 240, 180));
    leuchten(p, {78, 52}, 4, QColor(255, 40, 30));
}

void kuehlergrill(QPainter& p, QSize s)
{
    verlauf(p, QRect({}, s), QColor(235, 238, 242), QColor(120, 125, 132));
    QLinearGradient chrom(0, 8, 0, 124);
    chrom.setColorAt(0, QColor(250, 250, 252));
    chrom.setColorAt(0.5, QColor(140, 145, 152));
    chrom.setColorAt(1, QColor(225, 228, 232));
    p.setPen(Qt::NoPen);
    p.setBrush(chrom);
    p.drawRoundedRect(QRectF(4, 8, s.width() - 8, 116), 12, 12);
    p.setBrush(QColor(25, 28, 32));
    p.drawRoundedRect(QRectF(12, 16, s.width() - 24, 100), 8, 8);
    for (int x = 20; x < s.width() - 16; x += 12) {
        QLinearGradient lamelle(x, 0, x + 5, 0);
        lamelle.setColorAt(0, QColor(230, 232, 236));
        lamelle.setColorAt(1, QColor(120, 125, 130));
        p.setBrush(lamelle);
        p.drawRect(QRectF(x, 16, 5, 100));
    }
    // The maker's round badge at the left.
    const QPointF mitte(56, 62);
    QRadialGradient ring(mitte, 30);
    ring.setColorAt(0.75, QColor(240, 242, 245));
    ring.setColorAt(0.9, QColor(120, 125, 130));
    ring.setColorAt(1, QColor(200, 204, 210));
    p.setBrush(ring);
    p.drawEllipse(mitte, 30, 30);
    p.setBrush(QColor(120, 20, 30));
    p.drawEllipse(mitte, 21, 21);
    // The project's own mark: a chrome drop, as from a fuel nozzle.
    QPainterPath tropfen;
    tropfen.moveTo(mitte.x(), mitte.y() - 15);
    tropfen.cubicTo(mitte.x() + 4, mitte.y() - 5, mitte.x() + 11, mitte.y() + 2, mitte.x(), mitte.y() + 13);
    tropfen.cubicTo(mitte.x() - 11, mitte.y() + 2, mitte.x() - 4, mitte.y() - 5, mitte.x(), mitte.y() - 15);
    p.setBrush(QColor(230, 232, 236));
    p.drawPath(tropfen);
}

// --- writing -----------------------------------------------------------------

QImage gemalt(QSize s, Malen malen)
{
    QImage bild(s, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    malen(p, s);
    return bild;
}

// The scene each box of the frame shows, by the box's name.
struct Szene {
    const char* kasten;
    Malen malen;
};
constexpr Szene szenen[] = {
    {"Picture1", scheinwerferNachts},
    {"Picture2", ruecklicht},
    {"Picture3", roterKombiVorGebaeude},
    {"Picture4", silberKombiPromenade},
    {"Picture5", blechFugen},
    {"Picture6", kombiVorHaus},
    {"Picture7", blauerWagenImSchnee},
    {"Picture8", innenraumDurchFenster},
    {"Picture10", klarglasScheinwerfer},
    {"Picture11", kombiVorMauerNachts},
    {"Picture12", tuergriff},
    {"Picture13", lichterImNebel},
    {"Picture14", kombiAmAbend},
    {"Picture15", schlossAufDemBerg},
    {"Picture16", roterKombiVonOben},
    {"Picture18", kurveInDerDaemmerung},
    {"Picture19", kuehlergrill},
};

Malen szeneFuer(std::string_view kasten)
{
    for (const Szene& s : szenen)
        if (kasten == s.kasten)
            return s.malen;
    return nullptr;
}

bool schreibeBild(const VerbrauchEntwurf::Bildkasten& b, Malen malen, const QString& pfad)
{
    const QImage bild = gemalt(QSize(b.breite, b.hoehe), malen);
    return speichern(pfad, [&](QIODevice& datei) {
        if (b.format == VerbrauchEntwurf::Bildformat::Bmp) {
            // 24 bits a pixel, uncompressed, rows stored bottom-up: what Qt's
            // BMP writer makes of an image without alpha.
            return bild.convertToFormat(QImage::Format_RGB888).save(&datei, "BMP");
        }
        QImageWriter w(&datei, "jpeg");
        w.setQuality(85);
        w.setProgressiveScanWrite(true);
        w.setOptimizedWrite(true);
        return w.write(bild);
    });
}

}  // namespace

std::vector<Asset> rahmenAssets()
{
    std::vector<Asset> alle;
    // File, format and size come from the main window's table of the frame.
    for (const VerbrauchEntwurf::Bildkasten* b : VerbrauchEntwurf::rahmen) {
        if (!b->datei)
            continue;
        const Malen malen = szeneFuer(b->kasten.name);
        alle.push_back({QString::fromLatin1(b->datei),
                        [b, malen](const QString& pfad) { return malen && schreibeBild(*b, malen, pfad); }});
    }
    auto png = [](QImage bild) {
        return [bild](const QString& pfad) {
            return speichern(pfad, [&bild](QIODevice& datei) { return bild.save(&datei, "PNG"); });
        };
    };
    // The icon: the two 16-colour images first, then the smooth ones.
    alle.push_back({QStringLiteral("tankumat.ico"), [](const QString& pfad) {
                        std::vector<QImage> bilder = zapfsaeule();
                        const std::size_t sechzehnFarben = bilder.size();
                        for (const QImage& b : zapfsaeuleFarbig())
                            bilder.push_back(b);
                        return schreibeIco(bilder, pfad, sechzehnFarben);
                    }});
    for (const QImage& b : zapfsaeule())
        alle.push_back({QStringLiteral("tankumat-%1.png").arg(b.width()), png(b)});
    for (const QImage& b : zapfsaeuleFarbig())
        alle.push_back({QStringLiteral("tankumat-%1.png").arg(b.width()), png(b)});
    return alle;
}
