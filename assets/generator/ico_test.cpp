// The generator's ICO writer, read back by Qt's own ICO reader and by its
// directory as Windows reads it.

#include "ico.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstdlib>

namespace {

// Standard colours and clear pixels in a pattern that shows a pixel out of place.
QImage muster(int seite)
{
    constexpr QRgb farben[] = {qRgb(0, 0, 0),   qRgb(128, 0, 0),     qRgb(255, 255, 0),
                               qRgb(0, 0, 255), qRgb(192, 192, 192), qRgb(255, 255, 255)};
    QImage bild(seite, seite, QImage::Format_ARGB32);
    for (int y = 0; y < seite; ++y)
        for (int x = 0; x < seite; ++x)
            bild.setPixel(x, y, (x + 2 * y) % 7 == 6 ? qRgba(0, 0, 0, 0) : farben[(x * 3 + y) % 6]);
    return bild;
}

}  // namespace

class IcoTest : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;

private slots:
    void zweiBilderMitMaskeZurueckgelesen()
    {
        const std::vector<QImage> bilder{muster(32), muster(16)};
        const QString pfad = ordner.filePath(QStringLiteral("muster.ico"));
        QVERIFY(schreibeIco(bilder, pfad));
        QImageReader leser(pfad, "ico");
        QCOMPARE(leser.imageCount(), 2);
        for (const QImage& erwartet : bilder) {
            const QImage gelesen = leser.read().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(gelesen.size(), erwartet.size());
            for (int y = 0; y < erwartet.height(); ++y)
                for (int x = 0; x < erwartet.width(); ++x) {
                    const QRgb e = erwartet.pixel(x, y);
                    const QRgb g = gelesen.pixel(x, y);
                    QCOMPARE(qAlpha(g), qAlpha(e));
                    // Qt's reader goes through premultiplied colour: what
                    // little is left of a nearly clear pixel is lost.
                    if (qAlpha(e) >= 128)
                        QVERIFY(std::abs(qRed(g) - qRed(e)) <= 1 && std::abs(qGreen(g) - qGreen(e)) <= 1 &&
                                std::abs(qBlue(g) - qBlue(e)) <= 1);
                }
            leser.jumpToNextImage();
        }
    }

    void verzeichnisSagtSechzehnFarbenVierBit()
    {
        const QString pfad = ordner.filePath(QStringLiteral("verzeichnis.ico"));
        QVERIFY(schreibeIco({muster(32), muster(16)}, pfad));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray d = datei.readAll();
        QCOMPARE(qFromLittleEndian<quint16>(d.constData() + 2), quint16(1));  // an icon
        QCOMPARE(qFromLittleEndian<quint16>(d.constData() + 4), quint16(2));  // two images
        for (int i = 0; i < 2; ++i) {
            const char* eintrag = d.constData() + 6 + 16 * i;
            QCOMPARE(uchar(eintrag[0]), uchar(i == 0 ? 32 : 16));
            QCOMPARE(uchar(eintrag[2]), uchar(16));
            QCOMPARE(qFromLittleEndian<quint16>(eintrag + 6), quint16(4));
            // Each image's bytes lie inside the file.
            const auto groesse = qFromLittleEndian<quint32>(eintrag + 8);
            const auto versatz = qFromLittleEndian<quint32>(eintrag + 12);
            QVERIFY(versatz + groesse <= quint32(d.size()));
        }
    }

    // The sizes beyond the two 16-colour ones: 32 bits with alpha, and 256
    // pixels as PNG, each read back as written, half-clear pixels included.
    void farbigeBilderMitAlphaUndPng()
    {
        std::vector<QImage> bilder{muster(32), muster(16)};
        for (const int seite : {48, 256}) {
            QImage bild(seite, seite, QImage::Format_ARGB32);
            for (int y = 0; y < seite; ++y)
                for (int x = 0; x < seite; ++x)
                    bild.setPixel(x, y, qRgba(x % 256, y % 256, (x * y) % 256, (x + y) % 256));
            bilder.push_back(bild);
        }
        const QString pfad = ordner.filePath(QStringLiteral("farbig.ico"));
        QVERIFY(schreibeIco(bilder, pfad, 2));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray d = datei.readAll();
        QCOMPARE(qFromLittleEndian<quint16>(d.constData() + 4), quint16(4));
        const char* gross = d.constData() + 6 + 16 * 3;
        QCOMPARE(uchar(gross[0]), uchar(0));  // 256 is written as 0
        QCOMPARE(qFromLittleEndian<quint16>(gross + 6), quint16(32));
        QVERIFY(d.mid(int(qFromLittleEndian<quint32>(gross + 12)), 8) == QByteArray("\x89PNG\r\n\x1a\n", 8));
        QImageReader leser(pfad, "ico");
        QCOMPARE(leser.imageCount(), 4);
        for (std::size_t i = 0; i < bilder.size(); ++i) {
            const QImage gelesen = leser.read().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(gelesen.size(), bilder[i].size());
            for (int y = 0; i >= 2 && y < gelesen.height(); ++y)
                for (int x = 0; x < gelesen.width(); ++x) {
                    const QRgb e = bilder[i].pixel(x, y), g = gelesen.pixel(x, y);
                    QCOMPARE(qAlpha(g), qAlpha(e));
                    // Qt's reader goes through premultiplied colour: what
                    // little is left of a nearly clear pixel is lost.
                    if (qAlpha(e) >= 128)
                        QVERIFY(std::abs(qRed(g) - qRed(e)) <= 1 && std::abs(qGreen(g) - qGreen(e)) <= 1 &&
                                std::abs(qBlue(g) - qBlue(e)) <= 1);
                }
            leser.jumpToNextImage();
        }
    }

    void allesOderNichts()
    {
        QVERIFY(!schreibeIco({muster(32)}, ordner.filePath(QStringLiteral("fehlt/muster.ico"))));
        QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("fehlt"))));
    }
};

QTEST_GUILESS_MAIN(IcoTest)
#include "ico_test.moc"
