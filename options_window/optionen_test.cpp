#include "main_window/verbrauch.h"
#include "options_window/optionen.h"
#include "testumgebung.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class OptionenTest : public Testumgebung::Fenstertest {
    Q_OBJECT

    Optionen& oeffnen()
    {
        w->cmdOptionen->click();
        Optionen& o = Fenster::instanz<Optionen>();
        if (!QTest::qWaitForWindowActive(&o))
            qWarning("options window not active");
        return o;
    }

private slots:
    // --- the window as designed ------------------------------------------------

    void gestaltung_data()
    {
        QTest::addColumn<QRect>("lage");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pixelgroesse");
        QTest::addColumn<bool>("fett");
        QTest::addColumn<QString>("tooltip");
        // Inside Picture1, 2 px of border before the inner area begins.
        QTest::newRow("Option1") << QRect(26, 18, 17, 33) << "" << 11 << false << "";
        QTest::newRow("Option2") << QRect(26, 66, 17, 25) << "Option2" << 11 << false << "";
        QTest::newRow("Label1") << QRect(58, 26, 73, 25) << " EURO" << 18 << true << "Euro als Währung";
        QTest::newRow("Label2") << QRect(66, 66, 49, 33) << "DM" << 18 << true << "DM als Währung";
        QTest::newRow("cmdOptionOk") << QRect(154, 74, 105, 33) << "&Ok" << 11 << false << "";
    }

    void gestaltung()
    {
        QFETCH(QRect, lage);
        QFETCH(QString, text);
        QFETCH(int, pixelgroesse);
        QFETCH(bool, fett);
        QFETCH(QString, tooltip);
        Optionen& o = Fenster::instanz<Optionen>();
        auto* s = o.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE_ENTWURF(s, text, lage, pixelgroesse, fett, tooltip);
        QCOMPARE(s->parentWidget(), o.Picture1);
    }

    void fensterUndTafel()
    {
        Optionen& o = oeffnen();
        QCOMPARE(o.windowTitle(), QStringLiteral("Optionen"));
        QCOMPARE(o.size(), QSize(281, 129));
        const Qt::WindowFlags f = o.windowFlags();
        QVERIFY(f.testFlag(Qt::WindowMinimizeButtonHint) && f.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(f.testFlag(Qt::WindowCloseButtonHint));
        // No icon of its own, so not the program's pump either.
        const QImage symbol = o.windowIcon().pixmap(16, 16).toImage();
        QVERIFY(!QApplication::windowIcon().isNull());
        QVERIFY(!symbol.isNull());
        for (int y = 0; y < symbol.height(); ++y)
            for (int x = 0; x < symbol.width(); ++x)
                QCOMPARE(qAlpha(symbol.pixel(x, y)), 0);
        QCOMPARE(o.Picture1->geometry(), QRect(0, 0, 281, 217));
        // Taller than the panel: the workspace shows below it. Narrower: the
        // panel follows the width, its height stays.
        o.resize(400, 300);
        QCOMPARE(o.Picture1->geometry(), QRect(0, 0, 400, 217));
        const QImage bild = o.grab().toImage();
        QCOMPARE(bild.pixelColor(200, 260), o.palette().color(QPalette::Dark));
        QCOMPARE(bild.pixelColor(200, 100), o.palette().color(QPalette::Button));
        // Colours changed while the window is open reach the workspace too,
        // which keeps a brush of its own.
        const QPalette vorher = QApplication::palette();
        QPalette neu = vorher;
        neu.setColor(QPalette::Dark, QColor(10, 20, 30));
        QApplication::setPalette(neu);
        QTRY_COMPARE(o.grab().toImage().pixelColor(200, 260), QColor(10, 20, 30));
        QApplication::setPalette(vorher);
        o.resize(150, 60);
        QCOMPARE(o.Picture1->geometry(), QRect(0, 0, 150, 217));
    }

    void beschriftungenPassen()
    {
        Optionen& o = Fenster::instanz<Optionen>();
        for (QLabel* l : {o.Label1, o.Label2})
            QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
        QVERIFY(QFontMetrics(o.cmdOptionOk->font()).horizontalAdvance(QStringLiteral("Ok")) + 8 <=
                o.cmdOptionOk->width());
    }
};

ZAPFKONTOR_TEST_MAIN(OptionenTest)
#include "optionen_test.moc"
