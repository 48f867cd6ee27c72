// What every in-process window test starts from: the offscreen platform, set
// before the QApplication exists; the program's own set-up; and German number
// conventions, pinned whatever the machine's regional settings are.
#pragma once

#include "app/anwendung.h"
#include "app/fenster.h"
#include "main_window/verbrauch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <utility>

namespace Testumgebung {

// What a message box showed before the test answered it.
struct Meldung {
    bool erschienen = false;
    QString titel;
    QString text;
    QStringList knoepfe;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QWidget* besitzer = nullptr;
};

// Runs `aktion`, answers the modal message box it opens with its OK button
// and returns what the box showed. `erschienen` is false when none opened.
template <class Aktion>
Meldung beantworteMeldung(Aktion&& aktion)
{
    Meldung m;
    QTimer antwort;
    antwort.setSingleShot(true);
    QObject::connect(&antwort, &QTimer::timeout, [&m] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        m.erschienen = true;
        m.titel = box->windowTitle();
        m.text = box->text();
        m.symbol = box->icon();
        m.besitzer = box->parentWidget();
        for (QAbstractButton* k : box->buttons())
            m.knoepfe << k->text();
        box->button(QMessageBox::Ok)->click();
    });
    antwort.start(0);
    std::forward<Aktion>(aktion)();
    return m;
}

// The main window, loaded, shown and active, as most tests begin; nullptr
// when it did not become active.
inline Verbrauch* hauptfensterZeigen()
{
    Verbrauch& w = Fenster::instanz<Verbrauch>();
    w.show();
    return QTest::qWaitForWindowActive(&w) ? &w : nullptr;
}

inline QString fokus()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// True when the control shows the designed text and stands at the designed
// rectangle (a null one: anywhere) with the designed font and tooltip; the
// first difference is reported as a failure at `datei`:`zeile`.
bool wieEntworfen(const QWidget* s, const QString& text, const QRect& lage, int pixelgroesse, bool fett,
                  const QString& tooltip, const char* datei, int zeile);

// Every window test starts from the main window, shown and active, and ends
// with every loaded window unloaded and the system colours as they were. A
// modal window a case forgot to answer is closed after a few seconds, and the
// case fails instead of hanging.
class Fenstertest : public QObject {
    Q_OBJECT

protected:
    Verbrauch* w = nullptr;

private slots:
    void init();
    void cleanup();

private:
    QTimer notbremse;
    QPointer<QWidget> zuletztModal;
    bool vergessen = false;
    QPalette systemfarben;
};

// Sets up the application as the program does, with German conventions
// pinned, and runs the test object; offscreen, unless a test needs the
// pixels of a real X server.
int starte(QObject& test, int argc, char** argv, const char* plattform = "offscreen");

}  // namespace Testumgebung

#define QCOMPARE_ENTWURF(s, text, lage, pixelgroesse, fett, tooltip)                                                   \
    do {                                                                                                               \
        if (!Testumgebung::wieEntworfen(s, text, lage, pixelgroesse, fett, tooltip, __FILE__, __LINE__))               \
            return;                                                                                                    \
    } while (false)

#define ZAPFKONTOR_TEST_MAIN(Klasse)                                                                                   \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        Klasse test;                                                                                                   \
        return Testumgebung::starte(test, argc, argv);                                                                 \
    }
