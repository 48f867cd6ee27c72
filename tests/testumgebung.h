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

inline int starte(QObject& test, int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Anwendung::einrichten(app);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const int ergebnis = QTest::qExec(&test, argc, argv);
    Fenster::alleEntladen();
    return ergebnis;
}

}  // namespace Testumgebung

#define ZAPFKONTOR_TEST_MAIN(Klasse)                      \
    int main(int argc, char** argv)                       \
    {                                                     \
        Klasse test;                                      \
        return Testumgebung::starte(test, argc, argv);    \
    }
