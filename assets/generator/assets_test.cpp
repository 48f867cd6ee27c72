// The committed pictures are what the generator paints today: each asset is
// painted afresh into a temporary folder and compared with the file in
// assets/ by its decoded pixels. JPEG bytes differ between libjpeg versions,
// so its pixels may differ by a little; every other format must match exactly.

#include "bilder.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace {

// Every image of a file: an ICO holds one for each of its sizes.
QList<QImage> bilder(const QString& pfad)
{
    QList<QImage> alle;
    QImageReader leser(pfad);
    do {
        alle << leser.read().convertToFormat(QImage::Format_ARGB32);
    } while (leser.jumpToNextImage());
    return alle;
}

struct Abweichung {
    int groesste = 0;   // of any channel of any pixel
    double mittel = 0;  // over all channels of all pixels
};

Abweichung abweichung(const QImage& a, const QImage& b)
{
    Abweichung ab;
    long long summe = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)}) {
                ab.groesste = std::max(ab.groesste, std::abs(d));
                summe += std::abs(d);
            }
        }
    ab.mittel = double(summe) / (4.0 * a.width() * a.height());
    return ab;
}

}  // namespace

class AssetsTest : public QObject {
    Q_OBJECT

    QTemporaryDir neu;

private slots:
    void gemaltWieEingecheckt_data()
    {
        QTest::addColumn<QString>("datei");
        for (const Asset& a : alleAssets()) {
            QVERIFY2(a.schreiben(neu.filePath(a.datei)), qPrintable(a.datei));
            QTest::newRow(qPrintable(a.datei)) << a.datei;
        }
    }

    void gemaltWieEingecheckt()
    {
        QFETCH(QString, datei);
        const QList<QImage> eingecheckt = bilder(QStringLiteral(ZAPFKONTOR_ASSETS "/") + datei);
        const QList<QImage> gemalt = bilder(neu.filePath(datei));
        QCOMPARE(gemalt.size(), eingecheckt.size());
        const bool jpeg = datei.endsWith(QLatin1String(".jpg"));
        for (qsizetype i = 0; i < gemalt.size(); ++i) {
            QCOMPARE(gemalt[i].size(), eingecheckt[i].size());
            const Abweichung d = abweichung(gemalt[i], eingecheckt[i]);
            const QString wo = QStringLiteral("%1 differs (at most %2, on average %3): rebuild the 'assets' target")
                                   .arg(datei)
                                   .arg(d.groesste)
                                   .arg(d.mittel);
            // Another libjpeg rounds a little differently on average; a
            // changed scene moves far more.
            QVERIFY2(jpeg ? d.mittel <= 1.5 : d.groesste == 0, qPrintable(wo));
        }
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    AssetsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "assets_test.moc"
