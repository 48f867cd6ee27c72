// The behaviour tests' driver for the Qt program: its widgets in this
// process, on the offscreen platform, with input delivered through the
// windows as the window system delivers it, so a window blocked by a modal
// one drops it as it would drop the user's.

#include "treiber.h"

#include "about_window/frmabout.h"
#include "app/anwendung.h"
#include "app/fenster.h"
#include "main_window/verbrauch.h"
#include "options_window/optionen.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace Verhalten {

namespace {

QWidget* fenster(Fenster f)
{
    switch (f) {
    case Fenster::Verbrauch: return &::Fenster::instanz<Verbrauch>();
    case Fenster::Optionen: return &::Fenster::instanz<Optionen>();
    case Fenster::frmAbout: return &::Fenster::instanz<frmAbout>();
    }
    return nullptr;
}

QString qt(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

// A modal window open for longer than any case needs was forgotten by it:
// closed, so the run goes on, and the case fails. Generous, for the
// sanitizer build on a busy machine.
class Notbremse : public QObject {
public:
    Notbremse()
    {
        uhr.setInterval(1000);
        uhr.callOnTimeout(this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            sekunden = modal && modal == zuletzt ? sekunden + 1 : 0;
            zuletzt = modal;
            if (sekunden < 20)
                return;
            ADD_FAILURE() << "a modal window was left open: " << utf8(modal->windowTitle());
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
        uhr.start();
    }

private:
    QTimer uhr;
    QPointer<QWidget> zuletzt;
    int sekunden = 0;
};

class QtTreiber final : public Treiber {
public:
    bool hauptfensterZeigen() override
    {
        Verbrauch& w = ::Fenster::instanz<Verbrauch>();
        w.show();
        return QTest::qWaitForWindowActive(&w);
    }

    void alleEntladen() override
    {
        ::Fenster::alleEntladen();
        QApplication::processEvents();
    }

    void region(const char* name) override { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }

    bool geladen(Fenster f) override
    {
        switch (f) {
        case Fenster::Verbrauch: return ::Fenster::istGeladen<Verbrauch>();
        case Fenster::Optionen: return ::Fenster::istGeladen<Optionen>();
        case Fenster::frmAbout: return ::Fenster::istGeladen<frmAbout>();
        }
        return false;
    }

    bool sichtbar(Fenster f) override { return geladen(f) && fenster(f)->isVisible(); }
    bool aktiv(Fenster f) override { return geladen(f) && QApplication::activeWindow() == fenster(f); }

    bool bedienbar(Fenster f) override
    {
        QWidget* w = fenster(f);
        QWidget* modal = QApplication::activeModalWidget();
        return w->isEnabled() && (!modal || modal == w);
    }

    bool minimiert(Fenster f) override { return fenster(f)->isMinimized(); }

    bool hatBesitzer(Fenster f, Fenster besitzer) override
    {
        return geladen(besitzer) && fenster(f)->parentWidget() == fenster(besitzer);
    }

    void aktivieren(Fenster f) override
    {
        fenster(f)->raise();
        fenster(f)->activateWindow();
    }

    void minimieren(Fenster f) override { fenster(f)->showMinimized(); }

    void rahmenSchliessen(Fenster f) override
    {
        QWidget* w = fenster(f);
        // As the window manager's close button does.
        if (QWindow* h = w->windowHandle())
            h->close();
        else
            w->close();
        QApplication::processEvents();
    }

    std::string text(Ort o) override { return utf8(steuerelement(o)->property("text").toString()); }

    void textSetzen(Ort o, const std::string& text) override { steuerelement(o)->setProperty("text", qt(text)); }

    bool sichtbar(Ort o) override { return steuerelement(o)->isVisible(); }
    bool aktiviert(Ort o) override { return steuerelement(o)->isEnabled(); }

    bool gewaehlt(Ort o) override
    {
        auto* knopf = qobject_cast<QAbstractButton*>(steuerelement(o));
        return knopf && knopf->isChecked();
    }

    std::string fokus() override
    {
        QWidget* f = QApplication::focusWidget();
        return f ? utf8(f->window()->objectName() + u'.' + f->objectName()) : std::string();
    }

    void fokussieren(Ort o) override { steuerelement(o)->setFocus(Qt::OtherFocusReason); }

    void klicken(Ort o) override
    {
        QWidget* s = steuerelement(o);
        QWidget* w = s->window();
        // An option button takes the click on its circle only.
        const QPoint punkt = qobject_cast<QRadioButton*>(s) ? QPoint(6, s->height() / 2) : s->rect().center();
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, s->mapTo(w, punkt));
    }

    void taste(Taste t) override
    {
        switch (t) {
        case Taste::Enter: return senden(Qt::Key_Return);
        case Taste::Escape: return senden(Qt::Key_Escape);
        case Taste::Tab: return senden(Qt::Key_Tab);
        case Taste::ShiftTab: return senden(Qt::Key_Backtab, Qt::ShiftModifier);
        case Taste::Hoch: return senden(Qt::Key_Up);
        case Taste::Runter: return senden(Qt::Key_Down);
        case Taste::Leertaste: return senden(Qt::Key_Space);
        }
    }

    void tippen(const std::string& text) override { QTest::keyClicks(ziel(), qt(text)); }

    void alt(char buchstabe) override
    {
        const char gross = char(std::toupper(static_cast<unsigned char>(buchstabe)));
        senden(Qt::Key(gross), Qt::AltModifier);
    }

    std::string vorleseName(Ort o) override { return utf8(zugang(o)->text(QAccessible::Name)); }
    std::string vorleseBeschreibung(Ort o) override { return utf8(zugang(o)->text(QAccessible::Description)); }

    std::string fensterBeschreibung(Fenster f) override
    {
        return utf8(QAccessible::queryAccessibleInterface(fenster(f))->text(QAccessible::Description));
    }

    Rolle vorleseRolle(Ort o) override
    {
        switch (zugang(o)->role()) {
        case QAccessible::PushButton: return Rolle::Knopf;
        case QAccessible::EditableText: return Rolle::Textfeld;
        case QAccessible::StaticText: return Rolle::Text;
        case QAccessible::Graphic: return Rolle::Bild;
        case QAccessible::Grouping: return Rolle::Gruppe;
        case QAccessible::RadioButton: return Rolle::Auswahl;
        default: return Rolle::Andere;
        }
    }

    std::string variable(const std::string& name) override
    {
        return variableVon(::Fenster::instanz<Verbrauch>(), name, [](const QString& t) { return utf8(t); });
    }

    void währungSetzen(const std::string& w) override { ::Fenster::instanz<Verbrauch>().Währung = qt(w); }

    bool warteBis(const std::function<bool()>& fertig, int ms) override { return QTest::qWaitFor(fertig, ms); }

    void leerlauf() override
    {
        // Until nothing is left to do: what one round posts (a deferred
        // delete) runs in the next, and an access key presses its button as
        // an animated click, which lets go of it on a timer.
        const auto gedrueckt = [] {
            const QWidgetList alle = QApplication::allWidgets();
            return std::any_of(alle.begin(), alle.end(), [](QWidget* w) {
                auto* knopf = qobject_cast<QAbstractButton*>(w);
                return knopf && knopf->isDown();
            });
        };
        for (int runde = 0; runde < 2 || (gedrueckt() && runde < 200); ++runde) {
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            // A button held down waits for its timer: sleep until it fires.
            QApplication::processEvents(gedrueckt() ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
        }
    }

    Meldung beantworteMeldung(const std::function<void()>& aktion) override
    {
        Meldung m;
        QTimer antwort;
        antwort.setInterval(10);
        QObject::connect(&antwort, &QTimer::timeout, [&m, &antwort] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            antwort.stop();
            m.erschienen = true;
            m.titel = utf8(box->windowTitle());
            m.text = utf8(box->text());
            m.symbol = box->icon() != QMessageBox::NoIcon;
            m.vomHauptfenster =
                ::Fenster::istGeladen<Verbrauch>() && box->parentWidget() == &::Fenster::instanz<Verbrauch>();
            for (QAbstractButton* k : box->buttons())
                m.knoepfe.push_back(utf8(k->text()));
            box->button(QMessageBox::Ok)->click();
        });
        antwort.start();
        aktion();
        // A box opened later than the action's own return would be too late.
        antwort.stop();
        return m;
    }

    bool waehrendInfo(const std::function<void()>& oeffnen, const std::function<void()>& imFenster) override
    {
        bool erschienen = false;
        QTimer warten;
        warten.setInterval(10);
        QObject::connect(&warten, &QTimer::timeout, [&] {
            auto* info = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            if (!info || QApplication::activeWindow() != info)
                return;
            warten.stop();
            erschienen = true;
            imFenster();
        });
        warten.start();
        oeffnen();
        return QTest::qWaitFor([&] { return erschienen && !::Fenster::istGeladen<frmAbout>(); }, 5000);
    }

    bool endetNach(const std::function<void()>& aktion) override
    {
        QTimer::singleShot(0, qApp, aktion);
        QTimer notbremse;
        notbremse.setSingleShot(true);
        QObject::connect(&notbremse, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        notbremse.start(10000);
        return QApplication::exec() == 0;
    }

private:
    QWidget* steuerelement(Ort o)
    {
        QWidget* w = fenster(o.fenster);
        auto* s = w->findChild<QWidget*>(QString::fromLatin1(o.name));
        if (!s) {
            std::fprintf(stderr, "no control %s in %s\n", o.name, qPrintable(w->objectName()));
            std::abort();
        }
        return s;
    }

    QAccessibleInterface* zugang(Ort o)
    {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(steuerelement(o));
        if (!a)
            std::abort();
        return a;
    }

    static QWidget* ziel()
    {
        QWidget* f = QApplication::focusWidget();
        return f ? f : QApplication::activeWindow();
    }

    static void senden(Qt::Key taste, Qt::KeyboardModifiers umschalter = {})
    {
        QTest::keyClick(ziel(), taste, umschalter);
    }
};

}  // namespace

Treiber& treiber()
{
    static QtTreiber t;
    return t;
}

}  // namespace Verhalten

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // CTest asks for the list at build time: no windows needed for that.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    Anwendung::einrichten(app);
    Verhalten::Notbremse notbremse;
    const int ergebnis = RUN_ALL_TESTS();
    Fenster::alleEntladen();
    return ergebnis;
}
