// The generator's GIF writer, read back by Qt's own GIF reader.

#include "gif.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

QImage rauschen(int breite, int hoehe, int farben, quint32 startwert)
{
    QRandomGenerator zufall(startwert);
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x) {
            const int i = int(zufall.bounded(farben));
            bild.setPixel(x, y, qRgb(i, 255 - i, (i * 37) % 256));
        }
    return bild;
}

QImage einfarbig(int breite, int hoehe, QRgb farbe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(farbe);
    return bild;
}

// Every row a colour of its own, so a row out of place shows.
QImage streifen(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb(y * 20 % 256, x % 2 ? 255 : 0, 128));
    return bild;
}

QImage gelesen(const QByteArray& gif)
{
    return QImage::fromData(gif, "GIF").convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class GifTest : public QObject {
    Q_OBJECT

private slots:
    void unverfaelscht_data()
    {
        QTest::addColumn<QImage>("bild");
        QTest::addColumn<bool>("interlaced");
        QTest::newRow("ein Punkt") << einfarbig(1, 1, qRgb(10, 20, 30)) << true;
        QTest::newRow("eine Farbe, lange Läufe") << einfarbig(300, 300, qRgb(200, 100, 0)) << false;
        QTest::newRow("zwei Farben") << rauschen(17, 5, 2, 1) << false;
        QTest::newRow("drei Farben, Tabelle mit vier") << rauschen(31, 13, 3, 2) << true;
        QTest::newRow("Zeilen, nicht interlaced") << streifen(3, 13) << false;
        QTest::newRow("Zeilen, interlaced, 13 hoch") << streifen(3, 13) << true;
        QTest::newRow("Zeilen, interlaced, 2 hoch") << streifen(5, 2) << true;
        QTest::newRow("Zeilen, interlaced, 9 hoch") << streifen(4, 9) << true;
        // Far more codes than an LZW table holds, and codes that grow wider:
        // what giflib's compression does at its limits still reads back.
        QTest::newRow("256 Farben, Tabelle läuft über") << rauschen(200, 150, 256, 3) << false;
        QTest::newRow("256 Farben, interlaced") << rauschen(97, 61, 256, 4) << true;
        QTest::newRow("17 Farben, Codes wachsen") << rauschen(120, 90, 17, 5) << true;
    }

    void unverfaelscht()
    {
        // Up to 256 colours every pixel comes back as it was.
        QFETCH(QImage, bild);
        QFETCH(bool, interlaced);
        const QByteArray gif = gifDaten(bild, interlaced);
        QCOMPARE(gelesen(gif), bild);
    }

    void kopf_data()
    {
        QTest::addColumn<bool>("interlaced");
        QTest::newRow("interlaced") << true;
        QTest::newRow("zeilenweise") << false;
    }

    void kopf()
    {
        QFETCH(bool, interlaced);
        const QByteArray gif = gifDaten(rauschen(43, 39, 3, 6), interlaced);
        QVERIFY(gif.startsWith("GIF89a"));
        QCOMPARE(qFromLittleEndian<quint16>(gif.constData() + 6), 43);
        QCOMPARE(qFromLittleEndian<quint16>(gif.constData() + 8), 39);
        const quint8 bildschirm = quint8(gif[10]);
        QVERIFY(bildschirm & 0x80);   // global colour table
        QCOMPARE(bildschirm & 7, 1);  // of 4 entries for 3 colours
        const qsizetype beschreibung = 13 + 3 * 4;
        QCOMPARE(gif[beschreibung], ',');
        QCOMPARE(qFromLittleEndian<quint16>(gif.constData() + beschreibung + 5), 43);
        QCOMPARE(qFromLittleEndian<quint16>(gif.constData() + beschreibung + 7), 39);
        QCOMPARE(bool(gif[beschreibung + 9] & 0x40), interlaced);
        QVERIFY(gif.endsWith(';'));
    }

    void vieleFarbenWerdenZweihundertsechsundfuenfzig()
    {
        // 4096 colours in smooth ramps; each pixel must come back close.
        QImage bild(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                bild.setPixel(x, y, qRgb(x * 4, y * 4, 255 - x * 2));
        const QImage zurueck = gelesen(gifDaten(bild, true));
        QCOMPARE(zurueck.size(), bild.size());
        QSet<QRgb> farben;
        int groessterFehler = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const QRgb a = bild.pixel(x, y), b = zurueck.pixel(x, y);
                farben.insert(b);
                groessterFehler = std::max({groessterFehler, std::abs(qRed(a) - qRed(b)),
                                            std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
            }
        QVERIFY(farben.size() <= 256);
        QVERIFY(farben.size() > 128);
        QVERIFY2(groessterFehler <= 16, qPrintable(QString::number(groessterFehler)));
    }

    void durchsichtigesAufWeiss()
    {
        QImage bild(2, 1, QImage::Format_ARGB32);
        bild.setPixel(0, 0, qRgba(0, 0, 0, 0));
        bild.setPixel(1, 0, qRgba(0, 0, 255, 255));
        const QImage zurueck = gelesen(gifDaten(bild, false));
        QCOMPARE(zurueck.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(zurueck.pixel(1, 0), qRgb(0, 0, 255));
    }

    void schreiben()
    {
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        const QImage bild = rauschen(8, 8, 4, 8);
        const QString pfad = ordner.filePath(QStringLiteral("bild.gif"));
        QVERIFY(schreibeGif(bild, pfad, true));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), gifDaten(bild, true));

        QVERIFY(!schreibeGif(bild, ordner.filePath(QStringLiteral("fehlt/bild.gif")), true));
        QVERIFY(!schreibeGif(QImage(), ordner.filePath(QStringLiteral("leer.gif")), true));
        QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("leer.gif"))));
    }
};

QTEST_GUILESS_MAIN(GifTest)
#include "gif_test.moc"
