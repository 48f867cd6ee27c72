// The behaviour tests' driver for the Qt program: its widgets in this
// process, on the offscreen platform, with input delivered through the
// windows as the window system delivers it, so a window blocked by a modal
// one drops it as it would drop the user's. The colour scheme tests run it on
// a real X server instead, in the desktop's colours that
// ZAPFKONTOR_FARBSCHEMA names (keins, kde or qt6ct), inside a D-Bus session.

#include "treiber.h"

#include "about_window/frmabout.h"
#include "app/anwendung.h"
#include "app/fenster.h"
#include "app/gestaltung.h"
#include "main_window/verbrauch.h"
#include "options_window/optionen.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string_view>

namespace Verhalten {

namespace {

// The colours KDE writes into kdeglobals for its schemes, as far as Qt
// reads them.
QByteArray kdeglobals(const char* flaeche, const char* text, const char* ansicht)
{
    QByteArray k;
    for (const char* gruppe : {"Window", "Button"})
        k += QByteArray("[Colors:") + gruppe + "]\nBackgroundNormal=" + flaeche + "\nForegroundNormal=" + text + "\n";
    k += QByteArray("[Colors:View]\nBackgroundNormal=") + ansicht + "\nForegroundNormal=" + text + "\n";
    k += "[Colors:Selection]\nBackgroundNormal=61,174,233\nForegroundNormal=252,252,252\n";
    return k;
}

// What each ZAPFKONTOR_FARBSCHEMA starts in and turns to, and how the desktop
// says it: the classic grey where no desktop sets colours; KDE's Breeze Dark,
// then Breeze as KDE tells its programs of a change; qt6ct's "darker".
struct Desktopschema {
    Farbschema schema;
    QByteArray kdeglobals;
};
const std::map<std::string, std::vector<Desktopschema>> desktopschemata{
    {"keins", {{{"keins", {212, 208, 200}, {0, 0, 0}}, {}}}},
    {"kde",
     {{{"BreezeDunkel", {49, 54, 59}, {239, 240, 241}}, kdeglobals("49,54,59", "239,240,241", "35,38,41")},
      {{"Breeze", {239, 240, 241}, {35, 38, 41}}, kdeglobals("239,240,241", "35,38,41", "252,252,252")}}},
    {"qt6ct", {{{"darker", {66, 66, 69}, {255, 255, 255}}, {}}}},
};

bool schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write(inhalt) == inhalt.size();
}

std::string farbschemaName()
{
    const char* name = std::getenv("ZAPFKONTOR_FARBSCHEMA");
    return name ? name : "";
}

// The desktop's settings of the colour scheme tests alone, never the
// caller's, written before the application reads them.
bool desktopEinrichten(const QString& konfiguration)
{
    const std::string name = farbschemaName();
    if (!desktopschemata.contains(name)) {
        std::fprintf(stderr, "ZAPFKONTOR_FARBSCHEMA: no scheme %s\n", name.c_str());
        return false;
    }
    qputenv("XDG_CONFIG_HOME", konfiguration.toLocal8Bit());
    for (const char* n : {"QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "KDE_FULL_SESSION", "KDE_SESSION_VERSION"})
        qunsetenv(n);
    if (name == "kde") {
        // As a Plasma session sets it up.
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
        qputenv("KDE_FULL_SESSION", "true");
        qputenv("KDE_SESSION_VERSION", "5");
        return schreiben(konfiguration + QStringLiteral("/kdeglobals"), desktopschemata.at(name).front().kdeglobals);
    }
    if (name == "qt6ct") {
        qputenv("QT_QPA_PLATFORMTHEME", "qt6ct");
        QDir(konfiguration).mkdir(QStringLiteral("qt6ct"));
        return schreiben(konfiguration + QStringLiteral("/qt6ct/qt6ct.conf"),
                         "[Appearance]\ncustom_palette=true\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\n");
    }
    return true;
}

QImage bildschirm(const QWidget& w)
{
    const QPoint ecke = w.mapToGlobal(QPoint(0, 0));
    return w.screen()
        ->grabWindow(0, ecke.x(), ecke.y(), w.width(), w.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

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

    std::vector<Farbschema> farbschemata() override
    {
        std::vector<Farbschema> schemata;
        if (const auto it = desktopschemata.find(farbschemaName()); it != desktopschemata.end())
            for (const Desktopschema& d : it->second)
                schemata.push_back(d.schema);
        return schemata;
    }

    void farbschemaSetzen(const Farbschema& s) override
    {
        // The program started in the first; KDE writes kdeglobals for a new
        // one and tells every program.
        const std::vector<Desktopschema>& schemata = desktopschemata.at(farbschemaName());
        const auto d = std::find_if(schemata.begin(), schemata.end(),
                                    [&](const Desktopschema& d) { return std::string_view(d.schema.name) == s.name; });
        if (d == schemata.begin() || d == schemata.end())
            return;
        if (!schreiben(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/kdeglobals"), d->kdeglobals))
            ADD_FAILURE() << "kdeglobals not written";
        QDBusMessage neu = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                      QStringLiteral("org.freedesktop.portal.Settings"),
                                                      QStringLiteral("SettingChanged"));
        neu << QStringLiteral("org.kde.kdeglobals.General") << QStringLiteral("ColorScheme")
            << QVariant::fromValue(QDBusVariant(QString::fromLatin1(s.name)));
        EXPECT_TRUE(QDBusConnection::sessionBus().send(neu));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return Gestaltung::farbe(QApplication::palette().color(QPalette::Button)) == s.knopfflaeche; }));
    }

    std::vector<Entwurf::Farbe> punkte(Ort o) override
    {
        // The label's window in front, and the label on the screen as it
        // paints itself: the X server may show the last picture for a moment.
        QWidget* s = steuerelement(o);
        QWidget* f = s->window();
        f->show();
        f->raise();
        f->activateWindow();
        QImage bild;
        if (!QTest::qWaitForWindowExposed(f) || !QTest::qWaitFor([&] {
                bild = bildschirm(*s);
                return bild == s->grab().toImage().convertToFormat(QImage::Format_RGB32);
            }))
            return {};
        std::vector<Entwurf::Farbe> farben;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                farben.push_back(Gestaltung::farbe(bild.pixelColor(x, y)));
        return farben;
    }

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
    // The colour scheme tests read a real X server's pixels.
    QTemporaryDir konfiguration;
    if (Verhalten::farbschemaName().empty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (qputenv("QT_QPA_PLATFORM", "xcb"); !Verhalten::desktopEinrichten(konfiguration.path()))
        return 2;
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
