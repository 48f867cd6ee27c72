// Texts no one should type, and long use: whatever lands in a field is
// answered with the number message and the focus, and nothing gives way.

#include "about_window/frmabout.h"
#include "main_window/verbrauch.h"
#include "options_window/optionen.h"
#include "testumgebung.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstddef>
#include <fstream>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime; g++ ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using Testumgebung::beantworteMeldung;

namespace {

// The memory the program holds, in KiB: its resident size, or under
// AddressSanitizer, whose own bookkeeping grows the resident size with every
// allocation it watches, the heap still allocated.
long speicherKiB()
{
#if defined(__SANITIZE_ADDRESS__)
    return long(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    std::ifstream statm("/proc/self/statm");
    long gesamt = 0, resident = 0;
    statm >> gesamt >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
#endif
}

constexpr auto keineZahl = "      Bitte nur Zahlen Eingeben!";
constexpr auto keineZahlLiter = "       Bitte nur Zahlen Eingeben!";
}  // namespace

class RobustheitTest : public Testumgebung::Fenstertest {
    Q_OBJECT

private slots:
    void seltsameTexte_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("text");
        const QString megabyte(1 << 20, u'9');
        const QList<std::pair<QString, QString>> texte = {
            {QStringLiteral("1 MB Ziffern"), megabyte},
            {QStringLiteral("1 MB Ziffern und ein Buchstabe"), megabyte + u'x'},
            {QStringLiteral("breite Ziffern"), QStringLiteral("\uFF15\uFF15")},
            {QStringLiteral("arabisch-indische Ziffern"), QStringLiteral("\u0665\u0665")},
            {QStringLiteral("Devanagari-Ziffern"), QStringLiteral("\u096B\u096B")},
            {QStringLiteral("geschütztes Leerzeichen"), QStringLiteral("\u00A055")},
            {QStringLiteral("schmales Leerzeichen"), QStringLiteral("5\u20095")},
            {QStringLiteral("Tabulator"), QStringLiteral("5\t5")},
            {QStringLiteral("Steuerzeichen"), QStringLiteral("5\u00015")},
            {QStringLiteral("Nullzeichen"), QString(QChar(u'5')) + QChar(0) + QChar(u'5')},
            {QStringLiteral("Zeilenumbruch"), QStringLiteral("55\n")},
            {QStringLiteral("Exponent"), QStringLiteral("5E3")},
            {QStringLiteral("Währungszeichen"), QStringLiteral("0,88 €")},
        };
        for (const QString& feld : {QStringLiteral("txtKMneu"), QStringLiteral("txtKMalt"), QStringLiteral("txtPreis"),
                                    QStringLiteral("txtLiter")})
            for (const auto& [name, text] : texte)
                QTest::newRow(qPrintable(feld + QStringLiteral(": ") + name)) << feld << text;
    }

    void seltsameTexte()
    {
        QFETCH(QString, feld);
        QFETCH(QString, text);
        auto* f = w->findChild<QLineEdit*>(feld);
        QApplication::clipboard()->setText(text);
        f->setFocus();
        f->selectAll();
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->text().size(), text.size());  // pasted whole, not cut

        const auto m = beantworteMeldung([&] { QTest::keyClick(f, Qt::Key_Return); });
        QVERIFY(m.erschienen);
        QCOMPARE(m.text, QString::fromLatin1(feld == QLatin1String("txtLiter") ? keineZahlLiter : keineZahl));
        QTRY_COMPARE(QApplication::focusWidget(), f);
        QVERIFY(w->lblAusgabe->text().isEmpty());
    }

    void dauerbetrieb()
    {
        // A thousand calculations, every tenth answered by a message, and five
        // hundred openings of the options and of the About window: memory
        // settles within the first hundred of each and then stays.
        const auto rechnen = [this](int i) {
            w->txtKMneu->setText(i % 10 == 0 ? QStringLiteral("x") : QString::number(9000 + i));
            if (i % 10 == 0)
                QVERIFY(beantworteMeldung([&] { w->Berechnen->click(); }).erschienen);
            else
                w->Berechnen->click();
        };
        const auto optionen = [this] {
            w->cmdOptionen->click();
            Fenster::instanz<Optionen>().cmdOptionOk->click();
        };
        int infoGeschlossen = 0;
        const auto info = [&] {
            QTimer::singleShot(0, [&] {
                if (auto* a = qobject_cast<frmAbout*>(QApplication::activeModalWidget())) {
                    a->cmdOK->click();
                    ++infoGeschlossen;
                }
            });
            w->cmdinfo->click();
        };
        const auto runde = [&](int i) {
            rechnen(i);
            if (i % 2 == 0) {
                optionen();
                info();
            }
            // Unloaded windows are deleted once control is back in the loop.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        };
        for (int i = 1; i <= 200; ++i)
            runde(i);
        const long eingeschwungen = speicherKiB();
        for (int i = 201; i <= 1000; ++i)
            runde(i);
        const long danach = speicherKiB();

        QVERIFY(w->lblAusgabe->text().startsWith(QStringLiteral(" Für die Fahrstrecke von \r\n1788  Km")));
        QCOMPARE(infoGeschlossen, 500);
        QVERIFY(!Fenster::istGeladen<Optionen>());
        QVERIFY(!Fenster::istGeladen<frmAbout>());
        QVERIFY2(danach - eingeschwungen <= 1024,
                 qPrintable(QStringLiteral("%1 KiB settled, %2 KiB at the end").arg(eingeschwungen).arg(danach)));
    }
};

ZAPFKONTOR_TEST_MAIN(RobustheitTest)
#include "robustheit_test.moc"
