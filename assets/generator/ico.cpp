#include "ico.h"

#include "bilder.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// The standard 16-colour palette, in its usual order.
constexpr std::array<QRgb, 16> palette16 = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};
constexpr QRgb schwarz = palette16[0], grau = palette16[8], silber = palette16[7], weiss = palette16[15],
               rot = palette16[9], gelb = palette16[11];

int index(QRgb farbe)
{
    int bester = 0, abstand = 1 << 30;
    for (int i = 0; i < 16; ++i) {
        const int dr = qRed(farbe) - qRed(palette16[i]), dg = qGreen(farbe) - qGreen(palette16[i]),
                  db = qBlue(farbe) - qBlue(palette16[i]);
        const int d = dr * dr + dg * dg + db * db;
        if (d < abstand) {
            abstand = d;
            bester = i;
        }
    }
    return bester;
}

// Drawn on a 32-unit grid and scaled to the image: no antialiasing, so every
// pixel keeps one of the palette's colours.
QImage pumpe(int groesse)
{
    QImage bild(groesse, groesse, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    const qreal k = groesse / 32.0;
    const auto feld = [&](qreal x, qreal y, qreal b, qreal h, QRgb farbe) {
        p.fillRect(QRectF(x * k, y * k, b * k, h * k).toRect(), QColor(farbe));
    };
    feld(4, 27, 18, 3, grau);          // base
    feld(6, 3, 14, 25, schwarz);       // outline of the body
    feld(7, 4, 12, 23, silber);        // grey body
    feld(8, 14, 10, 12, weiss);        // white front panel
    feld(8, 6, 10, 7, schwarz);        // display
    for (int x = 9; x < 17; x += 3) {  // two rows of dashes
        feld(x, 7.5, 2, 1.5, weiss);
        feld(x, 10.5, 2, 1.5, weiss);
    }
    // The hose leaves the body low on the right and climbs to the nozzle.
    feld(19, 20, 5, 2, schwarz);
    feld(22, 10, 2, 12, schwarz);
    feld(22, 9, 4, 2, schwarz);
    feld(24, 5, 4, 8, rot);    // the nozzle's red grip
    feld(27, 12, 3, 3, gelb);  // and its yellow spout
    feld(28, 14, 2, 4, gelb);
    return bild;
}

// The same pump, smooth: true colours with alpha, edges antialiased, so it
// stays sharp at every size a display asks for.
QImage pumpeFarbig(int groesse)
{
    QImage bild(groesse, groesse, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse / 32.0, groesse / 32.0);
    p.setPen(Qt::NoPen);
    const auto feld = [&](qreal x, qreal y, qreal b, qreal h, QColor farbe, qreal rund = 0) {
        p.setBrush(farbe);
        p.drawRoundedRect(QRectF(x, y, b, h), rund, rund);
    };
    feld(4, 27, 18, 3, QColor(110, 110, 110), 0.8);  // base
    feld(6, 3, 14, 25, QColor(30, 30, 30), 1.2);     // outline of the body
    QLinearGradient koerper(7, 0, 19, 0);            // grey body, lit from the left
    koerper.setColorAt(0, QColor(225, 225, 225));
    koerper.setColorAt(1, QColor(160, 160, 160));
    p.setBrush(koerper);
    p.drawRoundedRect(QRectF(7, 4, 12, 23), 0.8, 0.8);
    feld(8, 14, 10, 12, QColor(250, 250, 250), 0.5);  // white front panel
    feld(8, 6, 10, 7, QColor(20, 20, 20), 0.5);       // display
    for (int x = 9; x < 17; x += 3) {                 // two rows of dashes
        feld(x, 7.5, 2, 1.5, QColor(255, 255, 255));
        feld(x, 10.5, 2, 1.5, QColor(255, 255, 255));
    }
    // The hose leaves the body low on the right and climbs to the nozzle.
    QPen schlauch(QColor(20, 20, 20), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(schlauch);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(19, 21), QPointF(23, 21), QPointF(23, 10), QPointF(25, 10)}));
    p.setPen(Qt::NoPen);
    feld(24, 5, 4, 8, QColor(220, 30, 30), 0.8);  // the nozzle's red grip
    feld(27, 12, 3, 3, QColor(250, 210, 0));      // and its yellow spout
    feld(28, 14, 2, 4, QColor(250, 210, 0), 0.5);
    return bild;
}

void schreibe16(QByteArray& aus, std::uint16_t wert)
{
    char b[2];
    qToLittleEndian(wert, b);
    aus.append(b, 2);
}

void schreibe32(QByteArray& aus, std::uint32_t wert)
{
    char b[4];
    qToLittleEndian(wert, b);
    aus.append(b, 4);
}

// One image as the ICO stores it: header, palette, colour rows, mask rows,
// both bottom-up and padded to whole 32-bit words.
QByteArray eintrag(const QImage& bild)
{
    const int b = bild.width(), h = bild.height();
    const int farbZeile = ((b * 4 + 31) / 32) * 4, maskenZeile = ((b + 31) / 32) * 4;
    QByteArray d;
    schreibe32(d, 40);
    schreibe32(d, std::uint32_t(b));
    schreibe32(d, std::uint32_t(2 * h));  // colour and mask together
    schreibe16(d, 1);
    schreibe16(d, 4);
    schreibe32(d, 0);
    schreibe32(d, std::uint32_t((farbZeile + maskenZeile) * h));
    schreibe32(d, 0);
    schreibe32(d, 0);
    schreibe32(d, 16);
    schreibe32(d, 0);
    for (const QRgb farbe : palette16) {
        d.append(char(qBlue(farbe)));
        d.append(char(qGreen(farbe)));
        d.append(char(qRed(farbe)));
        d.append(char(0));
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray zeile(farbZeile, 0);
        for (int x = 0; x < b; ++x) {
            const QRgb px = bild.pixel(x, y);
            const int i = qAlpha(px) < 128 ? 0 : index(px);
            zeile[x / 2] = char(zeile[x / 2] | (x % 2 ? i : i << 4));
        }
        d.append(zeile);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray zeile(maskenZeile, 0);
        for (int x = 0; x < b; ++x)
            if (qAlpha(bild.pixel(x, y)) < 128)
                zeile[x / 8] = char(zeile[x / 8] | (0x80 >> (x % 8)));
        d.append(zeile);
    }
    return d;
}

// One image in 32 bits a pixel with alpha: header, BGRA rows and an empty
// mask (the alpha says what is clear), bottom-up; or, at 256 pixels, a PNG.
QByteArray eintragFarbig(const QImage& quelle)
{
    const QImage bild = quelle.convertToFormat(QImage::Format_ARGB32);
    const int b = bild.width(), h = bild.height();
    QByteArray d;
    if (b >= 256) {
        QBuffer puffer(&d);
        // Empty where the PNG could not be written: no entry of the icon is.
        if (!puffer.open(QIODevice::WriteOnly) || !bild.save(&puffer, "PNG"))
            return {};
        return d;
    }
    const int maskenZeile = ((b + 31) / 32) * 4;
    schreibe32(d, 40);
    schreibe32(d, std::uint32_t(b));
    schreibe32(d, std::uint32_t(2 * h));
    schreibe16(d, 1);
    schreibe16(d, 32);
    schreibe32(d, 0);
    schreibe32(d, std::uint32_t((b * 4 + maskenZeile) * h));
    for (int i = 0; i < 4; ++i)
        schreibe32(d, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < b; ++x) {
            const QRgb px = bild.pixel(x, y);
            d.append(char(qBlue(px)));
            d.append(char(qGreen(px)));
            d.append(char(qRed(px)));
            d.append(char(qAlpha(px)));
        }
    d.append(QByteArray(maskenZeile * h, 0));
    return d;
}

}  // namespace

std::vector<QImage> zapfsaeule()
{
    std::vector<QImage> bilder;
    for (const int groesse : sechzehnFarbenGroessen)
        bilder.push_back(pumpe(groesse));
    return bilder;
}

std::vector<QImage> zapfsaeuleFarbig()
{
    std::vector<QImage> bilder;
    for (const int groesse : symbolgroessen)
        if (std::ranges::find(sechzehnFarbenGroessen, groesse) == std::end(sechzehnFarbenGroessen))
            bilder.push_back(pumpeFarbig(groesse));
    return bilder;
}

bool schreibeIco(const std::vector<QImage>& bilder, const QString& pfad, std::size_t sechzehnFarben)
{
    QByteArray kopf;
    schreibe16(kopf, 0);
    schreibe16(kopf, 1);  // an icon, not a cursor
    schreibe16(kopf, std::uint16_t(bilder.size()));
    QByteArray daten;
    std::uint32_t versatz = 6 + 16 * std::uint32_t(bilder.size());
    for (std::size_t i = 0; i < bilder.size(); ++i) {
        const QImage& bild = bilder[i];
        const bool palette = i < sechzehnFarben;
        const QByteArray e = palette ? eintrag(bild) : eintragFarbig(bild);
        if (e.isEmpty())
            return false;
        // 256 pixels are written as 0.
        kopf.append(char(bild.width() & 0xFF));
        kopf.append(char(bild.height() & 0xFF));
        kopf.append(char(palette ? 16 : 0));  // colours, 0 for more than 256
        kopf.append(char(0));
        schreibe16(kopf, 1);                 // planes
        schreibe16(kopf, palette ? 4 : 32);  // bits a pixel
        schreibe32(kopf, std::uint32_t(e.size()));
        schreibe32(kopf, versatz + std::uint32_t(daten.size()));
        daten.append(e);
    }
    return speichern(pfad, [&](QIODevice& datei) { return datei.write(kopf + daten) == kopf.size() + daten.size(); });
}
