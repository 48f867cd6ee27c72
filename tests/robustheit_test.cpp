// Texts no one should type, and long use: whatever lands in a field is
// answered with the number message and the focus, and nothing gives way.

#include "main_window/verbrauch.h"
#include "testumgebung.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <fstream>

#include <unistd.h>

using Testumgebung::beantworteMeldung;

namespace {

// Resident memory of this process in KiB.
long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long gesamt = 0, resident = 0;
    statm >> gesamt >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

constexpr auto keineZahl = "      Bitte nur Zahlen Eingeben!";
constexpr auto keineZahlLiter = "       Bitte nur Zahlen Eingeben!";
}  // namespace

class RobustheitTest : public QObject {
    Q_OBJECT

    Verbrauch* w = nullptr;

private slots:
    void init()
    {
        QVERIFY(w = Testumgebung::hauptfensterZeigen());
    }

    void cleanup()
    {
        Fenster::alleEntladen();
        w = nullptr;
    }

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
        // A thousand calculations, every tenth answered by a message; memory
        // settles within the first hundred and then stays.
        long nachHundert = 0;
        for (int i = 1; i <= 1000; ++i) {
            w->txtKMneu->setText(i % 10 == 0 ? QStringLiteral("x") : QString::number(9000 + i));
            if (i % 10 == 0)
                QVERIFY(beantworteMeldung([&] { w->Berechnen->click(); }).erschienen);
            else
                w->Berechnen->click();
            QCoreApplication::processEvents();
            if (i == 100)
                nachHundert = residentKiB();
        }
        QVERIFY(w->lblAusgabe->text().startsWith(QStringLiteral(" Für die Fahrstrecke von \r\n1788  Km")));
        const long danach = residentKiB();
        QVERIFY2(danach - nachHundert <= 1024,
                 qPrintable(QStringLiteral("%1 KiB after 100, %2 KiB after 1000").arg(nachHundert).arg(danach)));
    }
};

ZAPFKONTOR_TEST_MAIN(RobustheitTest)
#include "robustheit_test.moc"
