// Every label of every window as a reader sees it, read from the X server's
// pixels, in the colours a desktop sets: none at all (the classic grey stays),
// KDE's Breeze Dark, and a dark scheme chosen in qt6ct; under KDE also a
// scheme changed while the program runs. Contrast as WCAG 2 defines it.
//
// Usage: farbschema_test keins|kde|qt6ct [QtTest's arguments]
// (with DISPLAY, inside a D-Bus session)

#include "about_window/frmabout.h"
#include "lesbarkeit.h"
#include "options_window/optionen.h"
#include "testumgebung.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QScreen>
#include <QTemporaryDir>

#include <map>

namespace {

// The colours KDE writes into kdeglobals for its schemes, as far as Qt
// reads them.
QByteArray kdeglobals(const char* fenster, const char* text, const char* ansicht)
{
    QByteArray k;
    for (const char* gruppe : {"Window", "Button"})
        k += QByteArray("[Colors:") + gruppe + "]\nBackgroundNormal=" + fenster + "\nForegroundNormal=" + text + "\n";
    k += QByteArray("[Colors:View]\nBackgroundNormal=") + ansicht + "\nForegroundNormal=" + text + "\n";
    k += "[Colors:Selection]\nBackgroundNormal=61,174,233\nForegroundNormal=252,252,252\n";
    return k;
}
const QByteArray breezeDunkel = kdeglobals("49,54,59", "239,240,241", "35,38,41");
const QByteArray breezeHell = kdeglobals("239,240,241", "35,38,41", "252,252,252");

// Set in main, before the application reads the desktop's settings.
QString schema;
QString konfiguration;

// The button face the labels of each scheme stand on.
QColor knopfflaeche()
{
    static const std::map<QString, QColor> farben{
        {QStringLiteral("keins"), QColor(212, 208, 200)},  // the classic style's own grey
        {QStringLiteral("kde"), QColor(49, 54, 59)},
        {QStringLiteral("qt6ct"), QColor(66, 66, 69)},  // qt6ct's "darker"
    };
    return farben.at(schema);
}

QWidget& fenster(const QString& name)
{
    if (name == QLatin1String("Optionen"))
        return Fenster::instanz<Optionen>();
    if (name == QLatin1String("frmAbout"))
        return Fenster::instanz<frmAbout>();
    return Fenster::instanz<Verbrauch>();
}

QImage bildschirm(const QWidget& w)
{
    const QPoint ecke = w.mapToGlobal(QPoint(0, 0));
    return w.screen()
        ->grabWindow(0, ecke.x(), ecke.y(), w.width(), w.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The label's window in front, and the label on the screen as it paints
// itself: the X server may show the last picture for a moment.
bool vorne(QLabel& l)
{
    QWidget* f = l.window();
    f->show();
    f->raise();
    f->activateWindow();
    if (!QTest::qWaitForWindowExposed(f))
        return false;
    return QTest::qWaitFor([&] { return bildschirm(l) == l.grab().toImage().convertToFormat(QImage::Format_RGB32); });
}

}  // namespace

class FarbschemaTest : public Testumgebung::Fenstertest {
    Q_OBJECT

    // Reads the label from the screen: on `grund`, its text at the contrast
    // it needs; where it is black by design and black reads, black.
    void lesbar(const Lesbarkeit::Beschriftung& b, const QColor& grund)
    {
        auto* l = fenster(QString::fromLatin1(b.fenster)).findChild<QLabel*>(QString::fromLatin1(b.name));
        QVERIFY(l);
        QVERIFY2(vorne(*l), "the screen never showed the label as it paints itself");
        const QImage bild = bildschirm(*l);
        const Lesbarkeit::Gesehen g = Lesbarkeit::ansehen(
            {reinterpret_cast<const std::uint32_t*>(bild.constBits()), std::size_t(bild.sizeInBytes() / 4)});
        qInfo("%s.%s: #%06x on #%06x, %.2f:1", b.fenster, b.name, g.schrift, g.grund, g.kontrast);
        QCOMPARE(QColor(g.grund), grund);
        QVERIFY2(g.kontrast >= Lesbarkeit::noetig(b), qPrintable(QString::number(g.kontrast, 'f', 2)));
        if (Lesbarkeit::schwarzLesbar(b, g.grund))
            QCOMPARE(QColor(g.schrift), QColor(Qt::black));
    }

private slots:
    void jedeBeschriftungLesbar_data()
    {
        QTest::addColumn<int>("zeile");
        for (int i = 0; i < int(std::size(Lesbarkeit::beschriftungen)); ++i)
            QTest::addRow("%s.%s", Lesbarkeit::beschriftungen[i].fenster, Lesbarkeit::beschriftungen[i].name) << i;
    }

    void jedeBeschriftungLesbar()
    {
        QFETCH(int, zeile);
        // The desktop's colours, or the classic grey where it sets none.
        QCOMPARE(QApplication::palette().color(QPalette::Button), knopfflaeche());
        lesbar(Lesbarkeit::beschriftungen[zeile], knopfflaeche());
    }

    void schwarzNurWoEsLesbarIst()
    {
        // The About window's own texts: black on the classic grey, the
        // desktop's text colour on a dark face.
        frmAbout& info = Fenster::instanz<frmAbout>();
        const QColor text = QApplication::palette().color(QPalette::ButtonText);
        for (QLabel* l : {info.lblTitle, info.lblDescription, info.lblDisclaimer})
            QCOMPARE(l->palette().color(l->foregroundRole()),
                     schema == QLatin1String("keins") ? QColor(Qt::black) : text);
    }

    void schemaWechseltImLauf()
    {
        if (schema != QLatin1String("kde"))
            QSKIP("KDE tells its programs of a new scheme over D-Bus");
        Fenster::instanz<Optionen>().show();
        Fenster::instanz<frmAbout>().show();
        // The user picks Breeze (light) in KDE's settings: KDE writes
        // kdeglobals and tells every program.
        QFile datei(konfiguration + QStringLiteral("/kdeglobals"));
        QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        datei.write(breezeHell);
        datei.close();
        QDBusMessage neu = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                      QStringLiteral("org.freedesktop.portal.Settings"),
                                                      QStringLiteral("SettingChanged"));
        neu << QStringLiteral("org.kde.kdeglobals.General") << QStringLiteral("ColorScheme")
            << QVariant::fromValue(QDBusVariant(QStringLiteral("BreezeLight")));
        QVERIFY(QDBusConnection::sessionBus().send(neu));

        const QColor hell(239, 240, 241);
        QTRY_COMPARE(QApplication::palette().color(QPalette::Button), hell);
        // Every open window, in the new colours; black is back where it reads.
        for (const Lesbarkeit::Beschriftung& b : Lesbarkeit::beschriftungen) {
            lesbar(b, hell);
            if (QTest::currentTestFailed())
                return;
        }
        // The currency window's workspace too, which keeps a brush of its own.
        auto* arbeitsbereich = Fenster::instanz<Optionen>().findChild<QMdiArea*>();
        QVERIFY(arbeitsbereich);
        QCOMPARE(arbeitsbereich->background().color(), QApplication::palette().color(QPalette::Dark));
    }
};

int main(int argc, char** argv)
{
    if (argc < 2) {
        qCritical("usage: farbschema_test keins|kde|qt6ct [QtTest's arguments]");
        return 2;
    }
    schema = QString::fromLatin1(argv[1]);
    std::copy(argv + 2, argv + argc + 1, argv + 1);
    --argc;

    // The desktop's settings of this test alone, never the caller's.
    QTemporaryDir ordner;
    konfiguration = ordner.path();
    qputenv("XDG_CONFIG_HOME", konfiguration.toLocal8Bit());
    for (const char* name : {"QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "KDE_FULL_SESSION", "KDE_SESSION_VERSION"})
        qunsetenv(name);
    if (schema == QLatin1String("kde")) {
        // As a Plasma session sets it up.
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
        qputenv("KDE_FULL_SESSION", "true");
        qputenv("KDE_SESSION_VERSION", "5");
        QFile datei(konfiguration + QStringLiteral("/kdeglobals"));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(breezeDunkel) < 0)
            return 2;
    } else if (schema == QLatin1String("qt6ct")) {
        qputenv("QT_QPA_PLATFORMTHEME", "qt6ct");
        QDir(konfiguration).mkdir(QStringLiteral("qt6ct"));
        QFile datei(konfiguration + QStringLiteral("/qt6ct/qt6ct.conf"));
        if (!datei.open(QIODevice::WriteOnly) ||
            datei.write("[Appearance]\ncustom_palette=true\n"
                        "color_scheme_path=/usr/share/qt6ct/colors/darker.conf\n") < 0)
            return 2;
    } else if (schema != QLatin1String("keins")) {
        qCritical("unknown scheme %s", argv[1]);
        return 2;
    }
    FarbschemaTest test;
    return Testumgebung::starte(test, argc, argv, "xcb");
}
#include "farbschema_test.moc"
