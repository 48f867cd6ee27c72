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

constexpr auto beispielSatz = " Für die Fahrstrecke von \r\n754  Km wurden durchschnittlich \r\n"
                              "7,29 Liter verbraucht! Die Kosten auf 100 \r\nKilometer betragen 6,42 Euro !";

}  // namespace

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

private slots:
    // --- the window as it opens ---------------------------------------------

    void rahmen()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Tankumat Fenrold-Edition!"));
        QCOMPARE(w->size(), QSize(681, 493));
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

    void beschriftungenGehoerenZuIhrenFeldern_data()
    {
        QTest::addColumn<QStringList>("beschriftungen");
        // The unit beside a field is its description: a screen reader takes
        // one label for a field.
        QTest::newRow("txtKMalt") << QStringList{"Label3"};
        QTest::newRow("txtKMneu") << QStringList{"Label4"};
        QTest::newRow("txtLiter") << QStringList{"Label5"};
        QTest::newRow("txtPreis") << QStringList{"Label10"};
    }

    void beschriftungenGehoerenZuIhrenFeldern()
    {
        // A screen reader reads the caption as the field's, not on its own
        // when the window becomes active.
        QFETCH(QStringList, beschriftungen);
        QAccessibleInterface* feld = QAccessible::queryAccessibleInterface(steuerelement(QTest::currentDataTag()));
        QStringList gefunden;
        for (const auto& [beschriftung, art] : feld->relations(QAccessible::Label))
            gefunden << beschriftung->object()->objectName();
        gefunden.sort();
        beschriftungen.sort();
        QCOMPARE(gefunden, beschriftungen);
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
            const QStringList zeilen = l == w->lblAusgabe
                ? QString::fromUtf8(beispielSatz).split(QStringLiteral("\r\n"))
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

    // --- Qt's own behaviour, where Windows behaves otherwise ------------------

    void umschaltF10OeffnetDasKontextmenue()
    {
        w->txtKMneu->setFocus();
        QTest::keyClick(w->txtKMneu, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QApplication::activePopupWidget()->close();
        QCOMPARE(w->txtKMneu->text(), QStringLiteral("8965"));
    }

    void ohneRegionDeutsch_data()
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
            // No region named at all: the German conventions stand in. The
            // named regions are the behaviour tests' rows.
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

    void ohneRegionDeutsch()
    {
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
};

ZAPFKONTOR_TEST_MAIN(VerbrauchTest)
#include "verbrauch_test.moc"
