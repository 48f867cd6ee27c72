#include "options_window/optionen.h"

#include "app/fenster.h"
#include "app/gestaltung.h"
#include "main_window/verbrauch.h"
#include "options_window/optionen_entwurf.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>

namespace Tafel = OptionenEntwurf;

namespace {

QRadioButton* auswahl(QWidget& behaelter, const Entwurf::Steuerelement& e)
{
    return Gestaltung::platziere(behaelter, e, new QRadioButton(QString::fromUtf8(e.text)));
}

}  // namespace

Optionen::Optionen()
{
    setObjectName(QStringLiteral("Optionen"));
    setWindowTitle(QString::fromUtf8(Tafel::fenster.titel));
    Gestaltung::ohneSymbol(*this);

    arbeitsbereich = new QMdiArea(this);
    arbeitsbereichFaerben();
    arbeitsbereich->setFocusPolicy(Qt::NoFocus);
    // Its own minimum size would keep the window from being made small.
    arbeitsbereich->setMinimumSize(1, 1);
    setCentralWidget(arbeitsbereich);

    Picture1 = Gestaltung::platziere(*this, Tafel::Picture1, new QFrame);
    Picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Picture1->setBackgroundRole(QPalette::Button);
    Picture1->setAutoFillBackground(true);
    Picture1->setFocusPolicy(Qt::StrongFocus);

    Option1 = auswahl(*Picture1, Tafel::Option1);
    Option2 = auswahl(*Picture1, Tafel::Option2);
    Label1 = Gestaltung::bezeichnung(*Picture1, Tafel::Label1);
    Label2 = Gestaltung::bezeichnung(*Picture1, Tafel::Label2);
    cmdOptionOk = Gestaltung::knopf(*Picture1, Tafel::cmdOptionOk);
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

    resize(Gestaltung::groesse(Tafel::fenster));
}

void Optionen::Option1_Click()
{
    Fenster::instanz<Verbrauch>().währungAnwenden(rechnung::euro);
}

void Optionen::Option2_Click()
{
    Fenster::instanz<Verbrauch>().währungAnwenden(rechnung::dm);
}

void Optionen::cmdOptionOk_Click()
{
    close();
    // With the main window closed meanwhile, this reference loads a fresh,
    // hidden one; it is not shown just to take the focus.
    Fenster::instanz<Verbrauch>().txtKMalt->setFocus();
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
    Picture1->setGeometry(0, 0, width(), Gestaltung::pixel(Tafel::Picture1.lage).height());
}

void Optionen::changeEvent(QEvent* ereignis)
{
    QMainWindow::changeEvent(ereignis);
    if (ereignis->type() == QEvent::PaletteChange && arbeitsbereich)
        arbeitsbereichFaerben();
}

void Optionen::arbeitsbereichFaerben()
{
    // QMdiArea keeps the brush it is given and follows no palette: it is
    // given the workspace colour of the palette in force now, and again
    // whenever the colours change.
    arbeitsbereich->setBackground(palette().brush(QPalette::Dark));
}

void Optionen::closeEvent(QCloseEvent* ereignis)
{
    ereignis->accept();
    Fenster::entladen(*this);
    // However this window closes, the main window takes the keyboard again,
    // with the focus where it was; no window manager has to decide that.
    if (Fenster::istGeladen<Verbrauch>()) {
        Verbrauch& haupt = Fenster::instanz<Verbrauch>();
        if (haupt.isVisible())
            haupt.activateWindow();
    }
}
