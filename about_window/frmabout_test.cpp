#include "about_window/frmabout.h"
#include "main_window/verbrauch.h"
#include "testumgebung.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QWindow>
#include <QtEndian>

namespace {

constexpr auto beschreibung = "Dieses kleine Tool berechnet den Durchschnittsverbrauch von Fahrzeugen und gibt die "
                              "Kosten auf 100 Kilometer bezogen an.";

}  // namespace

class FrmAboutTest : public Testumgebung::Fenstertest {
    Q_OBJECT

    // A system text colour of its own shows which labels follow it.
    void systemtextRot()
    {
        QPalette rot = QApplication::palette();
        rot.setColor(QPalette::ButtonText, Qt::red);
        rot.setColor(QPalette::WindowText, Qt::red);
        QApplication::setPalette(rot);
    }

    frmAbout& zeigeAllein()
    {
        frmAbout& info = Fenster::instanz<frmAbout>();
        info.show();
        if (!QTest::qWaitForWindowExposed(&info))
            qWarning("the About window was not exposed");
        return info;
    }

private slots:
    // --- the window as designed ---------------------------------------------

    void rahmen()
    {
        frmAbout& info = zeigeAllein();
        QCOMPARE(info.windowTitle(), QStringLiteral("Info "));
        QCOMPARE(info.size(), QSize(382, 237));
        QCOMPARE(info.windowType(), Qt::Dialog);
        const Qt::WindowFlags f = info.windowFlags();
        QVERIFY(f.testFlag(Qt::WindowTitleHint));
        QVERIFY(f.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(f.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowContextHelpButtonHint));
        // No icon: not even the program's, which a window without one would show.
        const QImage symbol = info.windowIcon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < symbol.height(); ++y)
            for (int x = 0; x < symbol.width(); ++x)
                QCOMPARE(qAlpha(symbol.pixel(x, y)), 0);
    }

    void nichtVeraenderbar_data()
    {
        QTest::addColumn<QSize>("versucht");
        QTest::newRow("größer") << QSize(600, 400);
        QTest::newRow("kleiner") << QSize(100, 80);
    }

    void nichtVeraenderbar()
    {
        QFETCH(QSize, versucht);
        frmAbout& info = zeigeAllein();
        info.resize(versucht);
        QCOMPARE(info.size(), QSize(382, 237));
        // The limits the window manager holds the frame to.
        QCOMPARE(info.windowHandle()->minimumSize(), QSize(382, 237));
        QCOMPARE(info.windowHandle()->maximumSize(), QSize(382, 237));
    }

    void steuerelemente_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("lage");
        QTest::addColumn<int>("pixelgroesse");
        QTest::addColumn<bool>("fett");
        QTest::addColumn<bool>("schwarz");
        QTest::addColumn<QString>("tooltip");
        // Pixels worked out by hand from the twips of the design (15 to one).
        QTest::newRow("cmdOK") << "OK" << QRect(283, 175, 84, 23) << 11 << false << false << "";
        QTest::newRow("lblDescription") << beschreibung << QRect(70, 75, 259, 46) << 11 << false << true << "";
        QTest::newRow("lblTitle") << "Tankumat" << QRect(70, 16, 259, 32) << 24 << true << true << "";
        QTest::newRow("lblVersion") << Version::versionsZeile << QRect(70, 52, 259, 15) << 11 << false << false << "";
        QTest::newRow("lblDisclaimer") << "Freeware" << QRect() << 18 << true << true << "Software zum Nulltarif";
    }

    void steuerelemente()
    {
        QFETCH(QString, text);
        QFETCH(QRect, lage);
        QFETCH(int, pixelgroesse);
        QFETCH(bool, fett);
        QFETCH(bool, schwarz);
        QFETCH(QString, tooltip);
        systemtextRot();
        frmAbout& info = zeigeAllein();
        auto* s = info.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE_ENTWURF(s, text, lage, pixelgroesse, fett, tooltip);
        QCOMPARE(s->palette().color(s->foregroundRole()), schwarz ? QColor(Qt::black) : QColor(Qt::red));
    }

    void freewarePasstSichAn()
    {
        // The label takes the size of its caption, on one line, from where it stands.
        QLabel* l = zeigeAllein().lblDisclaimer;
        QCOMPARE(l->pos(), QPoint(112, 184));
        QCOMPARE(l->width(), QFontMetrics(l->font()).horizontalAdvance(l->text()));
        const QFontMetrics fm(l->font());
        QVERIFY(l->height() >= fm.height() && l->height() <= fm.lineSpacing());
    }

    void danksagung()
    {
        // One line that credits the author with a month and a year.
        systemtextRot();
        QLabel* l = zeigeAllein().Label1;
        QCOMPARE(l->geometry(), QRect(72, 136, 273, 25));
        QVERIFY(!l->text().contains(u'\n'));
        QVERIFY2(l->text().contains(QRegularExpression(QStringLiteral(
                     "(Januar|Februar|März|April|Mai|Juni|Juli|August|September|Oktober|November|Dezember) \\d{4}$"))),
                 qPrintable(l->text()));
        QCOMPARE(l->palette().color(l->foregroundRole()), QColor(Qt::red));
    }

    void beschriftungenPassen()
    {
        // No caption may be cut off; only the description wraps.
        frmAbout& info = zeigeAllein();
        for (QLabel* l : info.findChildren<QLabel*>()) {
            const QFontMetrics fm(l->font());
            const QRect noetig = l == info.lblDescription
                ? fm.boundingRect(QRect(0, 0, l->width(), 1000), Qt::TextWordWrap, l->text())
                : QRect(0, 0, fm.horizontalAdvance(l->text()), fm.lineSpacing() - fm.leading());
            QVERIFY2(noetig.width() <= l->width(), qPrintable(l->objectName()));
            QVERIFY2(noetig.height() <= l->height(), qPrintable(l->objectName()));
        }
        QPushButton* k = info.cmdOK;
        QVERIFY(QFontMetrics(k->font()).horizontalAdvance(k->text()) + 8 <= k->width());
        QVERIFY(k->sizeHint().height() <= k->height() + 2);
    }

    void hintergrund_data()
    {
        QTest::addColumn<QPoint>("punkt");
        QTest::addColumn<QString>("farbe");
        // The etched rule: one grey row from x 6, two white rows from x 7
        // under it, both ending before x 377.
        QTest::newRow("über der Linie") << QPoint(100, 162) << "Hintergrund";
        QTest::newRow("grau, erster Punkt") << QPoint(6, 163) << "grau";
        QTest::newRow("grau, letzter Punkt") << QPoint(376, 163) << "grau";
        QTest::newRow("vor grau") << QPoint(5, 163) << "Hintergrund";
        QTest::newRow("hinter grau") << QPoint(377, 163) << "Hintergrund";
        QTest::newRow("weiß, erster Punkt") << QPoint(7, 164) << "weiß";
        QTest::newRow("weiß, zweite Reihe") << QPoint(7, 165) << "weiß";
        QTest::newRow("weiß, letzter Punkt") << QPoint(376, 165) << "weiß";
        QTest::newRow("vor weiß") << QPoint(6, 164) << "Hintergrund";
        QTest::newRow("hinter weiß") << QPoint(377, 164) << "Hintergrund";
        QTest::newRow("unter der Linie") << QPoint(100, 166) << "Hintergrund";
        QTest::newRow("neben der Glocke") << QPoint(50, 10) << "Hintergrund";
    }

    void hintergrund()
    {
        QFETCH(QPoint, punkt);
        QFETCH(QString, farbe);
        frmAbout& info = zeigeAllein();
        const QImage bild = info.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QColor erwartet = farbe == QStringLiteral("grau") ? QColor(128, 128, 128)
            : farbe == QStringLiteral("weiß")                   ? QColor(Qt::white)
                                                                : QApplication::palette().color(QPalette::Button);
        QCOMPARE(bild.pixelColor(punkt), erwartet);
    }

    void glockeUnskaliertInDerEcke()
    {
        const QImage glocke = QImage(QStringLiteral(":/glocke.gif")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!glocke.isNull());
        const QImage bild = zeigeAllein().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(bild.copy(0, 0, 43, 39), glocke);
    }

    void glockenDatei()
    {
        QFile datei(QStringLiteral(":/glocke.gif"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray gif = datei.readAll();
        QVERIFY(gif.startsWith("GIF89a"));
        QCOMPARE(qFromLittleEndian<quint16>(gif.constData() + 6), 43);  // logical screen
        QCOMPARE(qFromLittleEndian<quint16>(gif.constData() + 8), 39);
        qsizetype stelle = 13;
        if (gif[10] & 0x80)  // global colour table
            stelle += 3 << ((gif[10] & 7) + 1);
        // Extensions may come before the image.
        while (stelle < gif.size() && gif[stelle] == '!') {
            stelle += 2;
            while (stelle < gif.size() && gif[stelle] != 0)
                stelle += 1 + quint8(gif[stelle]);
            ++stelle;
        }
        QVERIFY(stelle + 10 <= gif.size());
        QCOMPARE(gif[stelle], ',');  // image descriptor
        QCOMPARE(qFromLittleEndian<quint16>(gif.constData() + stelle + 5), 43);
        QCOMPARE(qFromLittleEndian<quint16>(gif.constData() + stelle + 7), 39);
        QVERIFY2(gif[stelle + 9] & 0x40, "not interlaced");

        const QImage bild = QImage::fromData(gif, "GIF");
        QCOMPARE(bild.size(), QSize(43, 39));
        // A bell on white: white corners, brass in the middle of the dome.
        for (const QPoint ecke : {QPoint(0, 0), QPoint(42, 0), QPoint(0, 38), QPoint(42, 38)})
            QCOMPARE(bild.pixelColor(ecke), QColor(Qt::white));
        const QColor kuppel = bild.pixelColor(24, 24);
        QVERIFY2(kuppel.red() > kuppel.blue() + 80 && kuppel.green() > kuppel.blue() + 40, qPrintable(kuppel.name()));
    }
};

ZAPFKONTOR_TEST_MAIN(FrmAboutTest)
#include "frmabout_test.moc"
