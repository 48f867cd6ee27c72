#include "options_window/optionen.h"

#include "app/fenster.h"
#include "app/gestaltung.h"
#include "main_window/verbrauch.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>

using Gestaltung::Schrift;
using Gestaltung::Steuerelement;

namespace {

constexpr Gestaltung::Twips fensterGroesse{0, 0, 4215, 1935};

namespace Entwurf {
// The panel keeps its height; its width follows the window's.
constexpr Steuerelement Picture1{"Picture1", "", {0, 0, 4215, 3255}};
// Inside Picture1, from the top-left of its inner area.
constexpr Steuerelement Option1{"Option1", "", {360, 240, 255, 495}};
constexpr Steuerelement Option2{"Option2", "Option2", {360, 960, 255, 375}};
constexpr Steuerelement Label1{"Label1", " EURO", {840, 360, 1095, 375}, Schrift::GrossFett, "Euro als Währung"};
constexpr Steuerelement Label2{"Label2", "DM", {960, 960, 735, 495}, Schrift::GrossFett, "DM als Währung"};
constexpr Steuerelement cmdOptionOk{"cmdOptionOk", "&Ok", {2280, 1080, 1575, 495}};
}  // namespace Entwurf

// What choosing a currency writes into the main window.
struct Waehrung {
    const char* name;
    const char* preis;
};
constexpr Waehrung euro{"Euro", "0,88"};
constexpr Waehrung dm{"DM", "1,76"};

void anwenden(const Waehrung& w)
{
    Verbrauch& haupt = Fenster::instanz<Verbrauch>();
    haupt.Label9->setText(QString::fromLatin1(w.name));
    haupt.txtPreis->setText(QString::fromLatin1(w.preis));
    haupt.Währung = QString::fromLatin1(w.name);
    haupt.txtPreis->setAccessibleDescription(haupt.Label9->text());
}

QRadioButton* auswahl(QWidget& behaelter, const Steuerelement& e)
{
    return Gestaltung::platziere(behaelter, e, new QRadioButton(QString::fromUtf8(e.text)));
}

}  // namespace

Optionen::Optionen()
{
    setObjectName(QStringLiteral("Optionen"));
    setWindowTitle(QStringLiteral("Optionen"));
    Gestaltung::ohneSymbol(*this);

    arbeitsbereich = new QMdiArea(this);
    // QMdiArea takes its brush once, when it is made; name it, so it is the
    // workspace colour of the palette in force now.
    arbeitsbereich->setBackground(palette().brush(QPalette::Dark));
    arbeitsbereich->setFocusPolicy(Qt::NoFocus);
    // Its own minimum size would keep the window from being made small.
    arbeitsbereich->setMinimumSize(1, 1);
    setCentralWidget(arbeitsbereich);

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QString::fromLatin1(Entwurf::Picture1.name));
    Picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Picture1->setBackgroundRole(QPalette::Button);
    Picture1->setAutoFillBackground(true);
    Picture1->setFocusPolicy(Qt::StrongFocus);

    Option1 = auswahl(*Picture1, Entwurf::Option1);
    Option2 = auswahl(*Picture1, Entwurf::Option2);
    Label1 = Gestaltung::bezeichnung(*Picture1, Entwurf::Label1);
    Label2 = Gestaltung::bezeichnung(*Picture1, Entwurf::Label2);
    cmdOptionOk = Gestaltung::knopf(*Picture1, Entwurf::cmdOptionOk);
    // Outside a dialog a push button takes Enter only when told to.
    cmdOptionOk->setAutoDefault(true);

    // Toggled, not clicked: a selection made from code or with the arrow keys
    // must run the handler exactly as a click does, and toggled(true) comes
    // only when the option was not selected before.
    connect(Option1, &QRadioButton::toggled, this, [this](bool gewaehlt) {
        if (!gewaehlt)
            return;
        auswahlIstTabstopp();
        Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool gewaehlt) {
        if (!gewaehlt)
            return;
        auswahlIstTabstopp();
        Option2_Click();
    });
    connect(cmdOptionOk, &QPushButton::clicked, this, &Optionen::cmdOptionOk_Click);

    resize(Gestaltung::pixel(fensterGroesse).size());
}

void Optionen::Option1_Click()
{
    anwenden(euro);
}

void Optionen::Option2_Click()
{
    anwenden(dm);
}

void Optionen::cmdOptionOk_Click()
{
    close();
    // With the main window closed meanwhile, this reference loads a fresh,
    // hidden one; it is not shown just to take the focus.
    Verbrauch& haupt = Fenster::instanz<Verbrauch>();
    if (haupt.isVisible())
        haupt.activateWindow();
    haupt.txtKMalt->setFocus();
}

void Optionen::auswahlIstTabstopp()
{
    // Qt moves the group's one tab stop only to an option that receives the
    // focus; one selected from code ("&Optionen" with DM) would leave Tab
    // landing on Option1.
    for (QRadioButton* option : {Option1, Option2})
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void Optionen::resizeEvent(QResizeEvent* ereignis)
{
    QMainWindow::resizeEvent(ereignis);
    // Docked to the top by hand: in a layout the panel's height would become
    // the window's minimum height.
    Picture1->setGeometry(0, 0, width(), Gestaltung::pixel(Entwurf::Picture1.lage).height());
}

void Optionen::closeEvent(QCloseEvent* ereignis)
{
    ereignis->accept();
    Fenster::entladen(*this);
}
