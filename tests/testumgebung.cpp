#include "testumgebung.h"

#include <QDialog>

namespace Testumgebung {

bool wieEntworfen(const QWidget* s, const QString& text, const QRect& lage, int pixelgroesse, bool fett,
                  const QString& tooltip, const char* datei, int zeile)
{
    if (!QTest::qVerify(s != nullptr, "control", "no such control", datei, zeile))
        return false;
    const QString name = s->objectName();
    return QTest::qCompare(s->property("text").toString(), text, qPrintable(name + QStringLiteral(" text")), "text",
                           datei, zeile) &&
        (lage.isNull() ||
         QTest::qCompare(s->geometry(), lage, qPrintable(name + QStringLiteral(" geometry")), "lage", datei, zeile)) &&
        QTest::qCompare(s->font().pixelSize(), pixelgroesse, qPrintable(name + QStringLiteral(" font size")),
                        "pixelgroesse", datei, zeile) &&
        QTest::qCompare(s->font().bold(), fett, qPrintable(name + QStringLiteral(" bold")), "fett", datei, zeile) &&
        QTest::qCompare(s->toolTip(), tooltip, qPrintable(name + QStringLiteral(" tooltip")), "tooltip", datei, zeile);
}

void Fenstertest::init()
{
    systemfarben = QApplication::palette();
    vergessen = false;
    zuletztModal = nullptr;
    notbremse.setInterval(2500);
    notbremse.callOnTimeout(this, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal == zuletztModal) {
            vergessen = true;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
        zuletztModal = modal;
    });
    notbremse.start();
    QVERIFY(w = hauptfensterZeigen());
}

void Fenstertest::cleanup()
{
    notbremse.stop();
    notbremse.disconnect(this);
    Fenster::alleEntladen();
    QApplication::setPalette(systemfarben);
    w = nullptr;
    QVERIFY2(!vergessen, "a modal window was left open and had to be closed");
}

int starte(QObject& test, int argc, char** argv, const char* plattform)
{
    qputenv("QT_QPA_PLATFORM", plattform);
    QApplication app(argc, argv);
    Anwendung::einrichten(app);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const int ergebnis = QTest::qExec(&test, argc, argv);
    Fenster::alleEntladen();
    return ergebnis;
}

}  // namespace Testumgebung
