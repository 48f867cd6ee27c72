#include "app/anwendung.h"

#include "app/gestaltung.h"
#include "symbolgroessen.h"

#include <QApplication>
#include <QGridLayout>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTranslator>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

// Qt's own light palette, which its platform themes and its Fusion style
// start from; QtGui exports it for Qt's other modules. Asking for it builds
// no style.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT QPalette qt_fusionPalette();
QT_END_NAMESPACE

namespace Anwendung {

namespace {

// The classic "Windows" style in the desktop's colours where the desktop sets
// any, and in the style's own grey where it does not. Qt hands the style
// every palette it makes from the platform theme, at start and again when
// the theme changes, so a scheme changed while the program runs reaches
// every window.
class KlassischerStil : public QProxyStyle {
public:
    KlassischerStil()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows")))
    {
    }

    using QProxyStyle::polish;

    void polish(QPalette& palette) override
    {
        // A platform theme that sets no colours (a bare X server, openbox)
        // leaves Qt's own light palette, the one its Fusion style paints
        // with. Asked of Qt each time, not kept: a palette Qt makes later is
        // compared with Qt's palette of then.
        if (palette == qt_fusionPalette())
            palette = standardPalette();
        QProxyStyle::polish(palette);
    }
};

}  // namespace

void plattformWaehlen(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return;
    qputenv("QT_QPA_PLATFORM", "xcb");
}

void einrichten(QApplication& app)
{
    app.setApplicationName(titel);
    app.setApplicationVersion(version);
    // The pump at every size the program holds (assets/CMakeLists.txt
    // chooses them), so no title bar gets one scaled up. Named by the build:
    // a wildcard over the resources would cost a regular expression.
    QIcon symbol;
    for (const char* datei : fenstersymbole)
        symbol.addFile(QString::fromLatin1(datei));
    app.setWindowIcon(symbol);
    Gestaltung::schriftenEinrichten();
    app.setFont(Gestaltung::schrift(Gestaltung::Schrift::Standard));
    app.setStyle(new KlassischerStil);

    // The toolkit's own texts (a text box's context menu, standard buttons)
    // in German like the rest of the program. Where Qt's translations are not
    // installed they stay English: nothing else depends on them.
    auto* qtTexte = new QTranslator(&app);
    if (qtTexte->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qtTexte);
}

int mindestbreite(QFont schrift, const QString& titel)
{
    // Room for the frame's icon and its close, minimise and maximise buttons.
    constexpr int rahmenKnoepfe = 4 * 24 + 16;
    schrift.setBold(true);
    return QFontMetrics(schrift).horizontalAdvance(titel) + rahmenKnoepfe;
}

void meldung(QWidget* besitzer, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(titel), text, QMessageBox::Ok, besitzer);
    box.setTextFormat(Qt::PlainText);  // the prompts' leading blanks are part of them
    // Some platform themes give the button an access key ("&OK").
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    // The box is as wide as its short prompt, too narrow for the title in
    // the frame. A spacer across the box's grid keeps it wide enough for the
    // title, in a bold title font, beside the frame's icon and buttons.
    if (auto* raster = qobject_cast<QGridLayout*>(box.layout())) {
        const int breite = mindestbreite(box.font(), box.windowTitle());
        raster->addItem(new QSpacerItem(breite, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), raster->rowCount(), 0, 1,
                        raster->columnCount());
    }
    box.exec();
    // The focus goes back into the window the box came from; without a window
    // manager to hand the activation back, nothing else would do it.
    if (besitzer)
        besitzer->window()->activateWindow();
}

namespace {

xcb_atom_t atom(xcb_connection_t* verbindung, const char* name)
{
    const auto anfrage = xcb_intern_atom(verbindung, 0, std::strlen(name), name);
    xcb_intern_atom_reply_t* antwort = xcb_intern_atom_reply(verbindung, anfrage, nullptr);
    const xcb_atom_t ergebnis = antwort ? antwort->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(antwort);
    return ergebnis;
}

bool enthaelt(xcb_connection_t* verbindung, xcb_window_t fenster, xcb_atom_t eigenschaft, xcb_atom_t wert)
{
    const auto anfrage = xcb_get_property(verbindung, 0, fenster, eigenschaft, XCB_ATOM_ATOM, 0, 64);
    xcb_get_property_reply_t* antwort = xcb_get_property_reply(verbindung, anfrage, nullptr);
    bool gefunden = false;
    if (antwort && antwort->format == 32) {
        const auto* atome = static_cast<const xcb_atom_t*>(xcb_get_property_value(antwort));
        const int anzahl = xcb_get_property_value_length(antwort) / int(sizeof(xcb_atom_t));
        for (int i = 0; i < anzahl && !gefunden; ++i)
            gefunden = atome[i] == wert;
    }
    std::free(antwort);
    return gefunden;
}

}  // namespace

void ohneTaskleistenknopf(QWidget& fenster)
{
    // The offscreen platform answers for X11 too, without a connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* verbindung = x11 ? x11->connection() : nullptr;
    if (!verbindung)
        return;
    const auto id = static_cast<xcb_window_t>(fenster.winId());
    const xcb_atom_t zustand = atom(verbindung, "_NET_WM_STATE");
    const xcb_atom_t ohneTaskleiste = atom(verbindung, "_NET_WM_STATE_SKIP_TASKBAR");
    if (zustand == XCB_ATOM_NONE || ohneTaskleiste == XCB_ATOM_NONE)
        return;
    // Without a window manager nobody removes the state on hide, so look first.
    if (!enthaelt(verbindung, id, zustand, ohneTaskleiste))
        xcb_change_property(verbindung, XCB_PROP_MODE_APPEND, id, zustand, XCB_ATOM_ATOM, 32, 1, &ohneTaskleiste);
    xcb_flush(verbindung);
}

}  // namespace Anwendung
