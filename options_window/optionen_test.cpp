#include "main_window/verbrauch.h"
#include "options_window/optionen.h"
#include "testumgebung.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>

using Testumgebung::fokus;

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

    static void anklicken(QWidget* w)
    {
        // On the selection circle, not somewhere in the widget.
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    }

private slots:
    // --- opening -------------------------------------------------------------

    void oeffnenWendetDieWaehrungAn_data()
    {
        QTest::addColumn<QString>("waehrung");
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("preis");
        QTest::addColumn<QString>("einheit");
        QTest::newRow("Euro") << "Euro" << "Option1" << "0,88" << "Euro";
        QTest::newRow("DM") << "DM" << "Option2" << "1,76" << "DM";
        // Compared exactly: anything but "Euro" counts as DM.
        QTest::newRow("euro klein") << "euro" << "Option2" << "1,76" << "DM";
    }

    void oeffnenWendetDieWaehrungAn()
    {
        QFETCH(QString, waehrung);
        QFETCH(QString, gewaehlt);
        QFETCH(QString, preis);
        QFETCH(QString, einheit);
        w->Währung = waehrung;
        w->txtPreis->setText(QStringLiteral("1,23"));  // the user's own price
        Optionen& o = oeffnen();
        QVERIFY(o.isVisible());
        QCOMPARE(o.findChild<QRadioButton*>(gewaehlt)->isChecked(), true);
        QCOMPARE(w->txtPreis->text(), preis);
        QCOMPARE(w->Label9->text(), einheit);
        // Modeless and without owner: the main window stays usable.
        QVERIFY(!o.parentWidget());
        QVERIFY(!o.isModal());
        QVERIFY(w->isEnabled());
        QCOMPARE(fokus(), QStringLiteral("Picture1"));
    }

    void beimLadenIstNichtsGewaehlt()
    {
        Optionen& o = Fenster::instanz<Optionen>();
        QVERIFY(!o.Option1->isChecked());
        QVERIFY(!o.Option2->isChecked());
        QCOMPARE(w->txtPreis->text(), QStringLiteral("0,88"));
    }

    void zweitesOeffnenBringtDasOffeneNachVorn()
    {
        Optionen* erstes = &oeffnen();
        w->txtPreis->setText(QStringLiteral("0,95"));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->cmdOptionen->click();
        QCOMPARE(&Fenster::instanz<Optionen>(), erstes);
        int offen = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            offen += qobject_cast<Optionen*>(w) && w->isVisible();
        QCOMPARE(offen, 1);
        QTRY_COMPARE(QApplication::activeWindow(), erstes);
        // The option already selected is not applied again.
        QCOMPARE(w->txtPreis->text(), QStringLiteral("0,95"));
    }

    void oeffnenHoltDasMinimierteZurueck()
    {
        Optionen* o = &oeffnen();
        o->showMinimized();
        QTRY_VERIFY(o->isMinimized());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w->txtKMalt, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(!o->isMinimized());
        QCOMPARE(&Fenster::instanz<Optionen>(), o);
        QTRY_COMPARE(QApplication::activeWindow(), o);
    }

    void rahmenSchliessenAktiviertDasHauptfenster()
    {
        Optionen& o = oeffnen();
        w->txtLiter->setFocus();
        QCOMPARE(QApplication::activeWindow(), &o);
        QVERIFY(o.close());
        QTRY_COMPARE(QApplication::activeWindow(), w);
        QCOMPARE(fokus(), QStringLiteral("txtLiter"));
    }

    void vorleseNamenDerOptionen()
    {
        // Their own captions are empty or out of sight; the labels beside them say it.
        Optionen& o = oeffnen();
        QCOMPARE(QAccessible::queryAccessibleInterface(o.Option1)->text(QAccessible::Name), QStringLiteral("Euro"));
        QCOMPARE(QAccessible::queryAccessibleInterface(o.Option2)->text(QAccessible::Name), QStringLiteral("DM"));
        QCOMPARE(o.Option1->text(), QString());
        QCOMPARE(o.Option2->text(), QStringLiteral("Option2"));
    }

    // --- choosing ------------------------------------------------------------

    void dmGiltSofort()
    {
        Optionen& o = oeffnen();
        anklicken(o.Option2);
        QVERIFY(o.isVisible());
        QCOMPARE(w->Label9->text(), QStringLiteral("DM"));
        QCOMPARE(w->txtPreis->text(), QStringLiteral("1,76"));
        QCOMPARE(w->Währung, QStringLiteral("DM"));
        QCOMPARE(w->txtPreis->accessibleDescription(), QStringLiteral("DM"));
        w->Berechnen->click();
        QVERIFY(w->lblAusgabe->text().endsWith(QStringLiteral("12,84 DM !")));

        anklicken(o.Option1);
        QCOMPARE(w->Label9->text(), QStringLiteral("Euro"));
        QCOMPARE(w->txtPreis->text(), QStringLiteral("0,88"));
        QCOMPARE(w->Währung, QStringLiteral("Euro"));
    }

    void pfeiltastenWaehlenAuch()
    {
        Optionen& o = oeffnen();
        o.Option1->setFocus();
        QTest::keyClick(o.Option1, Qt::Key_Down);
        QVERIFY(o.Option2->isChecked());
        QCOMPARE(w->Währung, QStringLiteral("DM"));
    }

    void beschriftungenWaehlenNicht()
    {
        Optionen& o = oeffnen();
        QTest::mouseClick(o.Label2, Qt::LeftButton);
        QTest::mouseClick(o.Label1, Qt::LeftButton);
        QVERIFY(o.Option1->isChecked());
        QCOMPARE(w->Währung, QStringLiteral("Euro"));
        anklicken(o.Option2);
        QTest::mouseClick(o.Label1, Qt::LeftButton);
        QCOMPARE(w->Währung, QStringLiteral("DM"));
    }

    // --- closing -------------------------------------------------------------

    void okSchliesstUndFokussiert_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<Qt::KeyboardModifiers>("umschalter");
        QTest::addColumn<QString>("fokusVorher");
        // No key: a mouse click.
        QTest::newRow("Klick") << 0 << Qt::KeyboardModifiers() << "cmdOptionOk";
        QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << "cmdOptionOk";
        QTest::newRow("Enter Ziffernblock") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                            << "cmdOptionOk";
        QTest::newRow("Leertaste") << int(Qt::Key_Space) << Qt::KeyboardModifiers() << "cmdOptionOk";
        QTest::newRow("Alt+O von der Tafel") << int(Qt::Key_O) << Qt::KeyboardModifiers(Qt::AltModifier) << "Picture1";
        QTest::newRow("Alt+O von der Option") << int(Qt::Key_O) << Qt::KeyboardModifiers(Qt::AltModifier) << "Option2";
    }

    void okSchliesstUndFokussiert()
    {
        QFETCH(int, taste);
        QFETCH(Qt::KeyboardModifiers, umschalter);
        QFETCH(QString, fokusVorher);
        Optionen* o = &oeffnen();
        anklicken(o->Option2);
        w->txtLiter->setFocus();  // the main window's focus is elsewhere
        o->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(o));
        QWidget* vorher = o->findChild<QWidget*>(fokusVorher);
        vorher->setFocus();
        if (taste == 0)
            QTest::mouseClick(o->cmdOptionOk, Qt::LeftButton);
        else
            QTest::keyClick(vorher, Qt::Key(taste), umschalter);
        QTRY_VERIFY(!Fenster::istGeladen<Optionen>());
        QTRY_COMPARE(fokus(), QStringLiteral("txtKMalt"));
        QCOMPARE(w->Währung, QStringLiteral("DM"));

        // The next opening loads a fresh window and applies DM again.
        w->txtPreis->setText(QStringLiteral("2,00"));
        Optionen& neu = oeffnen();
        QVERIFY(neu.Option2->isChecked());
        QCOMPARE(w->txtPreis->text(), QStringLiteral("1,76"));
    }

    void rahmenSchliesstOhneFokuswechsel()
    {
        Optionen& o = oeffnen();
        anklicken(o.Option2);
        w->txtLiter->setFocus();
        QVERIFY(o.close());
        QVERIFY(!Fenster::istGeladen<Optionen>());
        QCOMPARE(w->focusWidget(), w->txtLiter);
        QCOMPARE(w->Währung, QStringLiteral("DM"));
    }

    void hauptfensterSchonGeschlossen()
    {
        // The main window goes first; the options window writes into a fresh,
        // hidden one, and the program still ends with the options window.
        Optionen* o = &oeffnen();
        QVERIFY(w->close());
        QVERIFY(!Fenster::istGeladen<Verbrauch>());
        anklicken(o->Option2);
        QVERIFY(Fenster::istGeladen<Verbrauch>());
        Verbrauch& frisch = Fenster::instanz<Verbrauch>();
        QVERIFY(!frisch.isVisible());
        QCOMPARE(frisch.Währung, QStringLiteral("DM"));
        QCOMPARE(frisch.txtPreis->text(), QStringLiteral("1,76"));

        QTimer::singleShot(0, o->cmdOptionOk, &QPushButton::click);
        QTimer notbremse;
        notbremse.setSingleShot(true);
        connect(&notbremse, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        notbremse.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!Fenster::istGeladen<Optionen>());
        QVERIFY(!Fenster::instanz<Verbrauch>().isVisible());
    }

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
        o.resize(150, 60);
        QCOMPARE(o.Picture1->geometry(), QRect(0, 0, 150, 217));
    }

    void tabReihenfolge_data()
    {
        QTest::addColumn<QString>("waehrung");
        QTest::addColumn<QString>("klick");
        QTest::addColumn<QString>("gewaehlt");
        // Selected by "&Optionen" alone, without the option ever having had
        // the focus, and by the user.
        QTest::newRow("Euro beim Öffnen") << "Euro" << "" << "Option1";
        QTest::newRow("DM beim Öffnen") << "DM" << "" << "Option2";
        QTest::newRow("DM geklickt") << "Euro" << "Option2" << "Option2";
        QTest::newRow("Euro geklickt") << "DM" << "Option1" << "Option1";
    }

    void tabReihenfolge()
    {
        QFETCH(QString, waehrung);
        QFETCH(QString, klick);
        QFETCH(QString, gewaehlt);
        w->Währung = waehrung;
        Optionen& o = oeffnen();
        if (!klick.isEmpty())
            anklicken(o.findChild<QWidget*>(klick));
        o.Picture1->setFocus();
        QStringList vorwaerts;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            vorwaerts << fokus();
        }
        // The option group is one stop: the selected option.
        QCOMPARE(vorwaerts, (QStringList{gewaehlt, "cmdOptionOk", "Picture1"}));
        QStringList rueckwaerts;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            rueckwaerts << fokus();
        }
        QCOMPARE(rueckwaerts, (QStringList{"cmdOptionOk", gewaehlt, "Picture1"}));
    }

    void beschriftungenPassen()
    {
        Optionen& o = Fenster::instanz<Optionen>();
        for (QLabel* l : {o.Label1, o.Label2})
            QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
        QVERIFY(QFontMetrics(o.cmdOptionOk->font()).horizontalAdvance(QStringLiteral("Ok")) + 8 <= o.cmdOptionOk->width());
    }
};

ZAPFKONTOR_TEST_MAIN(OptionenTest)
#include "optionen_test.moc"
