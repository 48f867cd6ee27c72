// The picture frame round the main window and the program's icon, read from
// the embedded files as the program reads them.

#include "main_window/bildfeld.h"
#include "main_window/verbrauch.h"
#include "testumgebung.h"

#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QtEndian>

#include <algorithm>

namespace {

QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A short or damaged file reads as zeros past its end, which the checks
// then refuse, rather than as whatever lies behind it.
bool drin(const QByteArray& d, qsizetype i, qsizetype n)
{
    return i >= 0 && i + n <= d.size();
}

uchar oktett(const QByteArray& d, qsizetype i)
{
    return drin(d, i, 1) ? uchar(d[i]) : 0;
}

std::uint16_t be16(const QByteArray& d, qsizetype i)
{
    return drin(d, i, 2) ? qFromBigEndian<std::uint16_t>(d.constData() + i) : 0;
}

template <class T>
T le(const QByteArray& d, qsizetype i)
{
    return drin(d, i, sizeof(T)) ? qFromLittleEndian<T>(d.constData() + i) : T{};
}

struct Jpeg {
    bool progressiv = false;
    QSize groesse;
    QList<int> abtastung;  // horizontal * 16 + vertical, a component each
};

// Walks the markers up to the first start of frame.
Jpeg leseJpeg(const QByteArray& d)
{
    Jpeg j;
    for (qsizetype i = 2; i + 4 < d.size();) {
        if (oktett(d, i) != 0xFF)
            break;
        const uchar marke = oktett(d, i + 1);
        const int laenge = be16(d, i + 2);
        if (marke == 0xC0 || marke == 0xC1 || marke == 0xC2) {
            j.progressiv = marke == 0xC2;
            j.groesse = QSize(be16(d, i + 7), be16(d, i + 5));
            for (int k = 0; k < oktett(d, i + 9); ++k)
                j.abtastung << oktett(d, i + 11 + 3 * k);
            break;
        }
        i += 2 + laenge;
    }
    return j;
}

}  // namespace

class RahmenTest : public Testumgebung::Fenstertest {
    Q_OBJECT

private slots:
    // --- the files -------------------------------------------------------------

    void jpegs_data()
    {
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("Picture1") << QSize(115, 80);
        QTest::newRow("Picture2") << QSize(115, 80);
        QTest::newRow("Picture3") << QSize(115, 80);
        QTest::newRow("Picture4") << QSize(117, 80);
        QTest::newRow("Picture5") << QSize(113, 80);
        QTest::newRow("Picture6") << QSize(116, 80);
        QTest::newRow("Picture7") << QSize(116, 80);
        QTest::newRow("Picture8") << QSize(118, 80);
        QTest::newRow("Picture10") << QSize(120, 80);
        QTest::newRow("Picture11") << QSize(116, 80);
        QTest::newRow("Picture12") << QSize(115, 80);
        QTest::newRow("Picture13") << QSize(116, 80);
        QTest::newRow("Picture14") << QSize(115, 80);
        QTest::newRow("Picture16") << QSize(114, 80);
        QTest::newRow("Picture18") << QSize(117, 80);
    }

    void jpegs()
    {
        QFETCH(QSize, groesse);
        const Jpeg j = leseJpeg(inhalt(QStringLiteral(":/%1.jpg").arg(QTest::currentDataTag())));
        QVERIFY(j.progressiv);
        QCOMPARE(j.groesse, groesse);
        QCOMPARE(j.abtastung, (QList<int>{0x22, 0x11, 0x11}));  // 4:2:0
    }

    void bmps_data()
    {
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("Picture15") << QSize(120, 75);
        QTest::newRow("Picture19") << QSize(511, 132);
    }

    void bmps()
    {
        QFETCH(QSize, groesse);
        const QByteArray d = inhalt(QStringLiteral(":/%1.bmp").arg(QTest::currentDataTag()));
        QVERIFY(d.startsWith("BM"));
        QCOMPARE(le<std::int32_t>(d, 18), groesse.width());
        QCOMPARE(le<std::int32_t>(d, 22), groesse.height());  // positive: stored bottom-up
        QCOMPARE(le<std::uint16_t>(d, 28), 24);
        QCOMPARE(le<std::uint32_t>(d, 30), 0u);  // uncompressed
        const int zeile = (groesse.width() * 3 + 3) / 4 * 4;
        QCOMPARE(d.size() - le<std::uint32_t>(d, 10), qsizetype(zeile) * groesse.height());
    }

    void icon()
    {
        const QByteArray d = inhalt(QStringLiteral(":/tankumat.ico"));
        QCOMPARE(le<std::uint16_t>(d, 2), 1);  // an icon
        // The two 16-colour images first, then the true-colour ones.
        QCOMPARE(le<std::uint16_t>(d, 4), 8);
        for (int i = 0; i < 2; ++i) {
            const qsizetype e = 6 + 16 * i;
            const int kante = i == 0 ? 32 : 16;
            QCOMPARE(int(oktett(d, e)), kante);
            QCOMPARE(int(oktett(d, e + 1)), kante);
            QCOMPARE(int(oktett(d, e + 2)), 16);
            QCOMPARE(le<std::uint16_t>(d, e + 6), 4);
            const std::uint32_t groesse = le<std::uint32_t>(d, e + 8), versatz = le<std::uint32_t>(d, e + 12);
            QCOMPARE(le<std::int32_t>(d, versatz + 8), 2 * kante);  // colours and mask
            QCOMPARE(le<std::uint16_t>(d, versatz + 14), 4);
            const int farbZeile = (kante * 4 + 31) / 32 * 4, maskenZeile = (kante + 31) / 32 * 4;
            QCOMPARE(groesse, std::uint32_t(40 + 16 * 4 + (farbZeile + maskenZeile) * kante));
        }
        // The corners are transparent, the pump is not.
        QImageReader leser(QStringLiteral(":/tankumat.ico"));
        const QImage gross = leser.read();
        QCOMPARE(gross.size(), QSize(32, 32));
        QCOMPARE(qAlpha(gross.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(gross.pixel(12, 20)), 255);
        QVERIFY(leser.jumpToNextImage());
        QCOMPARE(leser.read().size(), QSize(16, 16));
        QVERIFY(!w->windowIcon().isNull());
        // The window icon: every size the program holds, a title bar's and a
        // task switcher's among them, up to 48 pixels; the larger ones the
        // desktop takes from the icon theme.
        QList<int> seiten;
        for (const QSize& s : QApplication::windowIcon().availableSizes())
            seiten << s.width();
        std::sort(seiten.begin(), seiten.end());
        QCOMPARE(seiten, QList<int>({16, 20, 24, 32, 40, 48}));
    }

    // --- the frame -------------------------------------------------------------

    void kaesten_data()
    {
        QTest::addColumn<QRect>("lage");
        QTest::addColumn<bool>("mitBild");
        // Pixels worked out by hand from the twips of the design.
        QTest::newRow("Picture1") << QRect(0, 24, 113, 81) << true;
        QTest::newRow("Picture5") << QRect(0, 344, 113, 73) << true;
        QTest::newRow("Picture6") << QRect(0, 416, 113, 81) << true;
        QTest::newRow("Picture9") << QRect(344, 0, 1, 9) << false;
        QTest::newRow("Picture10") << QRect(336, 24, 121, 81) << true;
        QTest::newRow("Picture11") << QRect(456, 24, 113, 81) << true;
        QTest::newRow("Picture15") << QRect(568, 264, 113, 73) << true;
        QTest::newRow("Picture17") << QRect(568, 400, 9, 1) << false;
        QTest::newRow("Picture18") << QRect(568, 416, 113, 81) << true;
        QTest::newRow("Picture19") << QRect(112, 416, 457, 81) << true;
    }

    void kaesten()
    {
        QFETCH(QRect, lage);
        QFETCH(bool, mitBild);
        auto* b = w->findChild<Bildfeld*>(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(b->geometry(), lage);
        QCOMPARE(b->frameWidth(), 2);
        QCOMPARE(!b->bild().isNull(), mitBild);
    }

    void bilderUngestreckt_data()
    {
        // Each box shows the file of its own name; written out here, so two
        // pictures swapped in the window's table show up.
        QTest::addColumn<QString>("datei");
        for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 16, 18})
            QTest::addRow("Picture%d", i) << QStringLiteral(":/Picture%1.jpg").arg(i);
        QTest::newRow("Picture15") << ":/Picture15.bmp";
        QTest::newRow("Picture19") << ":/Picture19.bmp";
    }

    void bilderUngestreckt()
    {
        // The file's pixels from the box's inner top-left on, as far as the
        // inner area reaches; one step outside it is border, not picture.
        QFETCH(QString, datei);
        auto* b = w->findChild<Bildfeld*>(QString::fromLatin1(QTest::currentDataTag()));
        const QImage bild(datei);
        QVERIFY(!bild.isNull());
        const QImage fenster = w->grab().toImage();
        const QRect innen = b->contentsRect().translated(b->pos()).intersected(fenster.rect());
        for (int y = 0; y < innen.height(); y += 5)
            for (int x = 0; x < innen.width(); x += 5)
                QCOMPARE(fenster.pixel(innen.topLeft() + QPoint(x, y)), bild.pixel(x, y));
        QCOMPARE(fenster.pixelColor(innen.topLeft() - QPoint(1, 1)), b->palette().color(QPalette::Shadow));
        const QImage kasten = b->grab().toImage();
        QCOMPARE(kasten.pixel(b->width() - 3, b->height() - 3), bild.pixel(b->width() - 5, b->height() - 5));
        QCOMPARE(kasten.pixelColor(b->width() - 2, b->height() - 2), b->palette().color(QPalette::Midlight));
    }

    void verdecktesLabel()
    {
        QCOMPARE(w->Label1->parentWidget(), w->Picture7);
        QCOMPARE(w->Label1->text(), QStringLiteral("Label1"));
        QCOMPARE(w->Label1->geometry(), QRect(2, 82, 113, 1));
        QVERIFY(!w->Picture7->contentsRect().intersects(w->Label1->geometry()));
    }

    void tooltips()
    {
        QCOMPARE(w->Picture15->toolTip(), QStringLiteral("Schloss Wernigerode"));
        QVERIFY(!w->Picture19->toolTip().isEmpty());
        QVERIFY(w->Picture1->toolTip().isEmpty());
    }

    void kleineresFensterSchneidetAb()
    {
        const QRect vorher = w->Picture18->geometry();
        w->resize(400, 300);
        QCOMPARE(w->Picture18->geometry(), vorher);
        QCOMPARE(w->Picture1->size(), QSize(113, 81));
    }
};

ZAPFKONTOR_TEST_MAIN(RahmenTest)
#include "rahmen_test.moc"
