#include "main_window/verbrauch.h"
#include "options_window/optionen.h"
#include "testumgebung.h"

#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

using Testumgebung::beantworteMeldung;

namespace {

constexpr auto keineZahl = "      Bitte nur Zahlen Eingeben!";
constexpr auto keineZahlLiter = "       Bitte nur Zahlen Eingeben!";
constexpr auto eingabefehler = "              * Eingabefehler! * ";
constexpr auto beispielSatz = " Für die Fahrstrecke von \r\n754  Km wurden durchschnittlich \r\n"
                              "7,29 Liter verbraucht! Die Kosten auf 100 \r\nKilometer betragen 6,42 Euro !";

}  // namespace

using Testumgebung::fokus;

class VerbrauchTest : public Testumgebung::Fenstertest {
    Q_OBJECT

    template <class T = QWidget>
    T* steuerelement(const char* name) const
    {
        auto* s = w->findChild<T*>(QString::fromLatin1(name));
        if (!s)
            qFatal("no control %s", name);
        return s;
    }

    void eingeben(const char* kmAlt, const char* kmNeu, const char* liter, const char* preis)
    {
        w->txtKMalt->setText(QString::fromUtf8(kmAlt));
        w->txtKMneu->setText(QString::fromUtf8(kmNeu));
        w->txtLiter->setText(QString::fromUtf8(liter));
        w->txtPreis->setText(QString::fromUtf8(preis));
    }

private slots:
    // --- the window as it opens ---------------------------------------------

    void startzustand()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Tankumat Fenrold-Edition!"));
        QCOMPARE(w->size(), QSize(681, 493));
        QCOMPARE(w->Währung, QStringLiteral("Euro"));
        QVERIFY(!w->cmdWeiter->isVisible());
        QVERIFY(w->lblAusgabe->text().isEmpty());
        QVERIFY(!w->lblAusgabe->isEnabled());
        QCOMPARE(fokus(), QStringLiteral("txtKMalt"));
    }

    void rahmen()
    {
        const Qt::WindowFlags f = w->windowFlags();
        QVERIFY(f.testFlag(Qt::WindowTitleHint));
        QVERIFY(f.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(f.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowContextHelpButtonHint));
        QCOMPARE(w->windowType(), Qt::Window);
    }

    void steuerelemente_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("lage");
        QTest::addColumn<int>("pixelgroesse");
        QTest::addColumn<bool>("fett");
        QTest::addColumn<QString>("tooltip");
        // Pixels worked out by hand from the twips of the design (15 to one).
        QTest::newRow("cmdOptionen") << "&Optionen" << QRect(0, 0, 337, 25) << 11 << false << "Euro oder DM?";
        QTest::newRow("cmdinfo") << "I&nfo" << QRect(336, 0, 345, 25) << 11 << false << "Informationen!";
        QTest::newRow("Label3") << "Kilometerstand alt" << QRect(168, 160, 193, 25) << 18 << true << "";
        QTest::newRow("txtKMalt") << "8211" << QRect(368, 160, 81, 19) << 11 << false << "";
        QTest::newRow("Label7") << "Kilometer" << QRect(456, 168, 65, 17) << 11 << true << "";
        QTest::newRow("Label4") << "Kilometerstand neu" << QRect(168, 192, 193, 25) << 18 << true << "";
        QTest::newRow("txtKMneu") << "8965" << QRect(368, 192, 81, 19) << 11 << false << "";
        QTest::newRow("Label6") << "Kilometer" << QRect(456, 200, 65, 17) << 11 << true << "";
        QTest::newRow("Label5") << "Kraftstoff " << QRect(168, 224, 193, 25) << 18 << true << "";
        QTest::newRow("txtLiter") << "55" << QRect(368, 224, 81, 19) << 11 << false << "";
        QTest::newRow("Label8") << "Liter" << QRect(456, 232, 65, 17) << 11 << true << "";
        QTest::newRow("Label10") << "Preis / Liter" << QRect(168, 256, 193, 25) << 18 << true << "";
        QTest::newRow("txtPreis") << "0,88" << QRect(368, 256, 81, 19) << 11 << false << "";
        QTest::newRow("Label9") << "Euro" << QRect(456, 264, 65, 17) << 11 << true << "";
        QTest::newRow("Berechnen") << "&Berechnen" << QRect(232, 288, 217, 25) << 11 << true
                                   << "Hier klicken zum Berechnen!";
        QTest::newRow("lblAusgabe") << "" << QRect(184, 320, 315, 53) << 11 << false << "";
        QTest::newRow("cmdWeiter") << "&weiter?" << QRect(296, 384, 81, 25) << 11 << false << "";
    }

    void steuerelemente()
    {
        QFETCH(QString, text);
        QFETCH(QRect, lage);
        QFETCH(int, pixelgroesse);
        QFETCH(bool, fett);
        QFETCH(QString, tooltip);
        QCOMPARE_ENTWURF(steuerelement(QTest::currentDataTag()), text, lage, pixelgroesse, fett, tooltip);
    }

    void ueberschrift()
    {
        // The heading takes the size of its caption, on one line, from where it stands.
        QLabel* l = w->Label2;
        QCOMPARE(l->text(), QStringLiteral("Sprittafel"));
        QCOMPARE(l->pos(), QPoint(168, 112));
        QCOMPARE(l->font().pixelSize(), 24);
        QVERIFY(l->font().bold() && l->font().underline());
        QCOMPARE(l->width(), QFontMetrics(l->font()).horizontalAdvance(l->text()));
        QCOMPARE(l->height(), QFontMetrics(l->font()).height());
    }

    void vorleseNamen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("beschreibung");
        QTest::newRow("txtKMalt") << "Kilometerstand alt, in Kilometer" << "";
        QTest::newRow("txtLiter") << "Kraftstoff, in Liter" << "";
        QTest::newRow("txtPreis") << "Preis je Liter" << "Euro";
        QTest::newRow("Berechnen") << "Berechnen" << "Hier klicken zum Berechnen!";
        QTest::newRow("cmdOptionen") << "Optionen" << "Euro oder DM?";
        QTest::newRow("Picture15") << "Bild: Schloss auf dem Berg" << "Schloss Wernigerode";
        QTest::newRow("Picture9") << "leeres Bildfeld" << "";
    }

    void vorleseNamen()
    {
        // What a screen reader is told of each control.
        QFETCH(QString, name);
        QFETCH(QString, beschreibung);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(steuerelement(QTest::currentDataTag()));
        QVERIFY(a);
        QCOMPARE(a->text(QAccessible::Name), name);
        QCOMPARE(a->text(QAccessible::Description), beschreibung);
    }

    void schriftErsatz()
    {
        // Without it, "MS Sans Serif" silently turns into a face of other widths.
        QCOMPARE(QFontInfo(w->Label3->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(w->txtKMalt->font()).family(), QStringLiteral("Liberation Sans"));
    }

    void beschriftungenPassen()
    {
        // No caption may wrap or be cut off in the control it stands in.
        for (QLabel* l : w->findChildren<QLabel*>()) {
            if (l == w->Label1)
                continue;  // lies out of sight inside its picture box, by design
            const QFontMetrics fm(l->font());
            const QStringList zeilen = l == w->lblAusgabe ? QString::fromUtf8(beispielSatz).split(QStringLiteral("\r\n"))
                                                          : QStringList{l->text()};
            for (const QString& zeile : zeilen)
                QVERIFY2(fm.horizontalAdvance(zeile) <= l->width(), qPrintable(l->objectName() + ": " + zeile));
            QVERIFY2(zeilen.size() * fm.lineSpacing() <= l->height() + fm.leading(), qPrintable(l->objectName()));
        }
        for (QPushButton* k : w->findChildren<QPushButton*>()) {
            const QSize noetig = k->sizeHint();
            QVERIFY2(QFontMetrics(k->font()).horizontalAdvance(k->text().remove(u'&')) + 8 <= k->width(),
                     qPrintable(k->objectName()));
            QVERIFY2(noetig.height() <= k->height() + 2, qPrintable(k->objectName()));
        }
    }

    void nichtsBewegtSichBeimVergroessern()
    {
        const QRect vorher = w->Berechnen->geometry();
        w->resize(1000, 800);
        QCOMPARE(w->Berechnen->geometry(), vorher);
        w->resize(300, 200);
        QCOMPARE(w->Berechnen->geometry(), vorher);
        QCOMPARE(w->lblAusgabe->geometry(), QRect(184, 320, 315, 53));
    }

    // --- calculating -------------------------------------------------------

    void enterAusJedemTextfeld_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::newRow("txtKMalt") << "txtKMalt";
        QTest::newRow("txtKMneu") << "txtKMneu";
        QTest::newRow("txtLiter") << "txtLiter";
        QTest::newRow("txtPreis") << "txtPreis";
    }

    void enterAusJedemTextfeld()
    {
        QFETCH(QString, feld);
        QWidget* f = steuerelement(qPrintable(feld));
        f->setFocus();
        QTest::keyClick(f, Qt::Key_Return);
        QCOMPARE(w->lblAusgabe->text(), QString::fromUtf8(beispielSatz));
        QVERIFY(w->cmdWeiter->isVisible());
        QCOMPARE(fokus(), QStringLiteral("cmdWeiter"));
    }

    void ergebnisUndVariablen()
    {
        QTest::mouseClick(w->Berechnen, Qt::LeftButton);
        QCOMPARE(w->lblAusgabe->text(), QString::fromUtf8(beispielSatz));
        QCOMPARE(w->KilometerAlt, 8211);
        QCOMPARE(w->KilometerNeu, 8965);
        QCOMPARE(w->FahrKilometer, 754);
        QCOMPARE(w->DurchVerbrauch, 7.29);
        QCOMPARE(w->Liter, QStringLiteral("55"));
        QCOMPARE(w->LiterPreis, QStringLiteral("0,88"));
    }

    void waehrungImSatz()
    {
        w->Währung = QStringLiteral("DM");
        w->txtPreis->setText(QStringLiteral("1,76"));
        QTest::mouseClick(w->Berechnen, Qt::LeftButton);
        QVERIFY(w->lblAusgabe->text().endsWith(QStringLiteral("Kilometer betragen 12,84 DM !")));
    }

    void weiterLeertDasErgebnis()
    {
        eingeben("100", "300", "12", "1,5");
        QTest::mouseClick(w->Berechnen, Qt::LeftButton);
        QVERIFY(!w->lblAusgabe->text().isEmpty());
        // Enter on the focused "&weiter?" presses it, not "&Berechnen".
        QTest::keyClick(w->cmdWeiter, Qt::Key_Return);
        QVERIFY(w->lblAusgabe->text().isEmpty());
        QVERIFY(!w->cmdWeiter->isVisible());
        QCOMPARE(fokus(), QStringLiteral("txtKMalt"));
        QCOMPARE(w->txtKMalt->text(), QStringLiteral("100"));
        QCOMPARE(w->txtKMneu->text(), QStringLiteral("300"));
        QCOMPARE(w->txtLiter->text(), QStringLiteral("12"));
        QCOMPARE(w->txtPreis->text(), QStringLiteral("1,5"));
    }

    void zugriffstasten()
    {
        // An access key presses its button the way a click does, a moment later.
        w->txtLiter->setFocus();
        QTest::keyClick(w->txtLiter, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(w->cmdWeiter->isVisible());
        QCOMPARE(w->lblAusgabe->text(), QString::fromUtf8(beispielSatz));
        QTest::keyClick(w->cmdWeiter, Qt::Key_W, Qt::AltModifier);
        QTRY_VERIFY(!w->cmdWeiter->isVisible());
        QVERIFY(w->lblAusgabe->text().isEmpty());
        QCOMPARE(fokus(), QStringLiteral("txtKMalt"));
        // A hidden "&weiter?" does not answer its key.
        w->txtLiter->setFocus();
        QTest::keyClick(w->txtLiter, Qt::Key_W, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(fokus(), QStringLiteral("txtLiter"));
    }

    void altMitFremdemBuchstabenTipptNichts_data()
    {
        QTest::addColumn<int>("taste");
        // W belongs to the hidden "&weiter?"; Q and 5 to no control at all.
        QTest::newRow("Alt+W ohne Ergebnis") << int(Qt::Key_W);
        QTest::newRow("Alt+Q") << int(Qt::Key_Q);
        QTest::newRow("Alt+5") << int(Qt::Key_5);
    }

    void altMitFremdemBuchstabenTipptNichts()
    {
        QFETCH(int, taste);
        w->txtKMalt->setFocus();
        w->txtKMalt->end(false);
        QTest::keyClick(w->txtKMalt, Qt::Key(taste), Qt::AltModifier);
        QCOMPARE(w->txtKMalt->text(), QStringLiteral("8211"));
        // Without Alt the same key types as ever.
        QTest::keyClick(w->txtKMalt, Qt::Key_5);
        QCOMPARE(w->txtKMalt->text(), QStringLiteral("82115"));
    }

    void umschaltF10OeffnetDasKontextmenue()
    {
        w->txtKMneu->setFocus();
        QTest::keyClick(w->txtKMneu, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QApplication::activePopupWidget()->close();
        QCOMPARE(w->txtKMneu->text(), QStringLiteral("8965"));
    }

    void escapeTutNichts()
    {
        w->txtKMneu->setFocus();
        QTest::keyClick(w->txtKMneu, Qt::Key_Escape);
        QVERIFY(w->isVisible());
        QVERIFY(Fenster::istGeladen<Verbrauch>());
        QCOMPARE(fokus(), QStringLiteral("txtKMneu"));
    }

    void beispielInJederRegion_data()
    {
        QTest::addColumn<QLocale>("region");
        QTest::addColumn<bool>("dm");
        QTest::addColumn<QString>("preis");
        QTest::addColumn<QString>("satzEnde");
        const struct {
            const char* name;
            QLocale region;
            const char* komma;
        } regionen[] = {
            {"de_DE", QLocale(QLocale::German, QLocale::Germany), ","},
            {"de_AT", QLocale(QLocale::German, QLocale::Austria), ","},
            {"de_CH", QLocale(QLocale::German, QLocale::Switzerland), "."},
            {"en_US", QLocale(QLocale::English, QLocale::UnitedStates), "."},
            {"fr_FR", QLocale(QLocale::French, QLocale::France), ","},
            // No region named at all: the German conventions stand in.
            {"C", QLocale::c(), ","},
            {"POSIX", QLocale(QStringLiteral("POSIX")), ","},
        };
        for (const auto& r : regionen) {
            const QString k = QString::fromLatin1(r.komma);
            const QString anfang = QStringLiteral("754  Km wurden durchschnittlich \r\n7") + k +
                                   QStringLiteral("29 Liter verbraucht! Die Kosten auf 100 \r\nKilometer betragen ");
            QTest::addRow("%s Euro", r.name) << r.region << false << QStringLiteral("0") + k + QStringLiteral("88")
                                             << anfang + QStringLiteral("6") + k + QStringLiteral("42 Euro !");
            QTest::addRow("%s DM", r.name) << r.region << true << QStringLiteral("1") + k + QStringLiteral("76")
                                           << anfang + QStringLiteral("12") + k + QStringLiteral("84 DM !");
        }
    }

    void beispielInJederRegion()
    {
        // The program's own prices read back as themselves wherever it runs.
        QFETCH(QLocale, region);
        QFETCH(bool, dm);
        QFETCH(QString, preis);
        QFETCH(QString, satzEnde);
        Fenster::alleEntladen();
        QLocale::setDefault(region);
        const auto deutsch = qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); });
        QVERIFY(w = Testumgebung::hauptfensterZeigen());
        if (dm) {
            w->cmdOptionen->click();
            Fenster::instanz<Optionen>().Option2->click();
        }
        QCOMPARE(w->txtPreis->text(), preis);
        const auto m = beantworteMeldung([&] { QTest::mouseClick(w->Berechnen, Qt::LeftButton); });
        QVERIFY2(!m.erschienen, qPrintable(m.text));
        QVERIFY2(w->lblAusgabe->text().endsWith(satzEnde), qPrintable(w->lblAusgabe->text()));
    }

    // --- bad input ---------------------------------------------------------

    void meldungUndFokus_data()
    {
        QTest::addColumn<QString>("kmAlt");
        QTest::addColumn<QString>("kmNeu");
        QTest::addColumn<QString>("liter");
        QTest::addColumn<QString>("preis");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("fokus");
        QTest::newRow("alle leer: neu zuerst") << "" << "" << "" << "" << keineZahl << "txtKMneu";
        QTest::newRow("alt kein Wert") << "abc" << "8965" << "55" << "0,88" << keineZahl << "txtKMalt";
        QTest::newRow("Preis vor Liter") << "8211" << "8965" << "x" << "y" << keineZahl << "txtPreis";
        QTest::newRow("Liter: sieben Leerzeichen") << "8211" << "8965" << "" << "0,88" << keineZahlLiter << "txtLiter";
        QTest::newRow("neu unter alt") << "9000" << "8965" << "55" << "0,88" << eingabefehler << "txtKMalt";
        QTest::newRow("gleiche Stände") << "8211" << "8211" << "55" << "0,88"
                                        << "Die Fahrstrecke ist 0 Kilometer!" << "txtKMneu";
        QTest::newRow("Stand zu groß") << "8211" << "2147483648" << "55" << "0,88"
                                       << "Der Kilometerstand ist zu groß!" << "txtKMneu";
        QTest::newRow("Fahrstrecke zu groß") << "-2000000000" << "2000000000" << "55" << "0,88"
                                             << "Die Fahrstrecke ist zu groß!" << "txtKMneu";
    }

    void meldungUndFokus()
    {
        QFETCH(QString, kmAlt);
        QFETCH(QString, kmNeu);
        QFETCH(QString, liter);
        QFETCH(QString, preis);
        QFETCH(QString, meldung);
        QFETCH(QString, fokus);
        eingeben(qPrintable(kmAlt), qPrintable(kmNeu), qPrintable(liter), qPrintable(preis));
        w->txtLiter->setFocus();
        const auto m = beantworteMeldung([&] { QTest::keyClick(w->txtLiter, Qt::Key_Return); });
        QVERIFY(m.erschienen);
        QCOMPARE(m.text, meldung);
        QCOMPARE(m.titel, QString::fromUtf8(Anwendung::titel));
        QCOMPARE(m.knoepfe, QStringList{QStringLiteral("OK")});
        QCOMPARE(m.symbol, QMessageBox::NoIcon);
        QCOMPARE(m.besitzer, w);
        // The box gives the activation back to the window on its way out.
        QTRY_COMPARE(Testumgebung::fokus(), fokus);
        QVERIFY(w->lblAusgabe->text().isEmpty());
        QVERIFY(!w->cmdWeiter->isVisible());
        // The inputs are never touched.
        QCOMPARE(w->txtKMalt->text(), kmAlt);
        QCOMPARE(w->txtPreis->text(), preis);
    }

    void meldungZeigtIhrenTitelGanz()
    {
        w->txtKMneu->clear();
        int breite = 0;
        QTimer::singleShot(0, [&breite] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                breite = box->width();
                box->close();
            }
        });
        QTest::mouseClick(w->Berechnen, Qt::LeftButton);
        QFont titelschrift = QApplication::font();
        titelschrift.setBold(true);
        // The title in a bold frame font, and at least three frame buttons of 20 px.
        QVERIFY2(breite >= QFontMetrics(titelschrift).horizontalAdvance(QString::fromUtf8(Anwendung::titel)) + 60,
                 qPrintable(QString::number(breite)));
    }

    void fehlerBehaeltDasAlteErgebnis()
    {
        QTest::mouseClick(w->Berechnen, Qt::LeftButton);
        w->txtKMneu->clear();
        const auto m = beantworteMeldung([&] { QTest::mouseClick(w->Berechnen, Qt::LeftButton); });
        QCOMPARE(m.text, QString::fromLatin1(keineZahl));
        QCOMPARE(w->lblAusgabe->text(), QString::fromUtf8(beispielSatz));
        QVERIFY(w->cmdWeiter->isVisible());
        QTRY_COMPARE(fokus(), QStringLiteral("txtKMneu"));
        QCOMPARE(w->FahrKilometer, 754);
    }

    void reihenfolgeFehlerSpeichertDieStaende()
    {
        eingeben("9000,5", "8965", "55", "0,88");
        beantworteMeldung([&] { QTest::mouseClick(w->Berechnen, Qt::LeftButton); });
        QCOMPARE(w->KilometerAlt, 9000);
        QCOMPARE(w->KilometerNeu, 8965);
        QCOMPARE(w->FahrKilometer, 0);
    }

    // --- keyboard ------------------------------------------------------------

    void tabReihenfolge_data()
    {
        QTest::addColumn<bool>("mitWeiter");
        QTest::addColumn<QStringList>("reihe");
        // The boxes of the frame take their places after the inputs, the
        // castle last of all.
        QStringList vorn{"txtKMneu", "txtLiter", "txtPreis"};
        for (int i = 1; i <= 19; ++i)
            if (i != 15)
                vorn << QStringLiteral("Picture%1").arg(i);
        vorn << "Berechnen";
        const QStringList hinten{"cmdOptionen", "cmdinfo", "Picture15", "txtKMalt"};
        QTest::newRow("ohne Ergebnis") << false << vorn + hinten;
        QTest::newRow("mit Ergebnis") << true << vorn + QStringList{"cmdWeiter"} + hinten;
    }

    void tabReihenfolge()
    {
        QFETCH(bool, mitWeiter);
        QFETCH(QStringList, reihe);
        w->cmdWeiter->setVisible(mitWeiter);
        w->txtKMalt->setFocus();
        QStringList gesehen;
        for (int i = 0; i < reihe.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            gesehen << fokus();
        }
        QCOMPARE(gesehen, reihe);
    }
};

ZAPFKONTOR_TEST_MAIN(VerbrauchTest)
#include "verbrauch_test.moc"
