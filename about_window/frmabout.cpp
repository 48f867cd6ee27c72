#include "about_window/frmabout.h"

#include "app/fenster.h"
#include "app/gestaltung.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

using Gestaltung::Schrift;
using Gestaltung::Steuerelement;

namespace {

// The window as designed: client area 5730 x 3555 twips.
constexpr Gestaltung::Twips fensterGroesse{0, 0, 5730, 3555};
constexpr auto fensterTitel = "Info ";

namespace Entwurf {
constexpr Steuerelement cmdOK{"cmdOK", "OK", {4245, 2625, 1260, 345}};
constexpr Steuerelement Label1{"Label1", "Programmiert vom Zapfkontor-Team im Mai 2003", {1080, 2040, 4095, 375}};
constexpr frmAbout::Linie Line1_1{90, 2445, 5654, 2445, qRgb(128, 128, 128), 1};
constexpr Steuerelement lblDescription{"lblDescription",
                                       "Dieses kleine Tool berechnet den Durchschnittsverbrauch von Fahrzeugen und "
                                       "gibt die Kosten auf 100 Kilometer bezogen an.",
                                       {1050, 1125, 3885, 690}};
constexpr Steuerelement lblTitle{"lblTitle", "Tankumat", {1050, 240, 3885, 480}, Schrift::TitelFett};
constexpr frmAbout::Linie Line1_0{105, 2460, 5654, 2460, qRgb(255, 255, 255), 2};
constexpr Steuerelement lblVersion{"lblVersion", "Version 1.03", {1050, 780, 3885, 225}};
constexpr Steuerelement lblDisclaimer{"lblDisclaimer", "Freeware", {1680, 2760, 1350, 360}, Schrift::GrossFett,
                                      "Software zum Nulltarif"};
}  // namespace Entwurf

// Black as the design fixes it, whatever colour the system gives to text.
void schwarz(QLabel& bezeichnung)
{
    QPalette p = bezeichnung.palette();
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::black);
    bezeichnung.setPalette(p);
}

}  // namespace

frmAbout::frmAbout()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(fensterTitel));
    Gestaltung::ohneSymbol(*this);
    setBackgroundRole(QPalette::Button);
    // Blocks the options window too, which has no owner.
    setWindowModality(Qt::ApplicationModal);

    // Created in the order of the design, which is also its focus order; the
    // lines are painted on the background, under every control.
    cmdOK = Gestaltung::knopf(*this, Entwurf::cmdOK);
    Label1 = Gestaltung::bezeichnung(*this, Entwurf::Label1);
    linie(1, Entwurf::Line1_1);
    lblDescription = Gestaltung::bezeichnung(*this, Entwurf::lblDescription);
    lblTitle = Gestaltung::bezeichnung(*this, Entwurf::lblTitle);
    linie(0, Entwurf::Line1_0);
    lblVersion = Gestaltung::bezeichnung(*this, Entwurf::lblVersion);
    lblDisclaimer = Gestaltung::bezeichnung(*this, Entwurf::lblDisclaimer);

    schwarz(*lblDescription);
    schwarz(*lblTitle);
    schwarz(*lblDisclaimer);
    Gestaltung::anTextAnpassen(*lblDisclaimer);
    // Enter presses it; Escape rejects the dialog, which closes it the same way.
    cmdOK->setDefault(true);

    glocke = QImage(QStringLiteral(":/glocke.gif"));

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    setFixedSize(Gestaltung::pixel(fensterGroesse).size());
}

void frmAbout::Form_Load()
{
    // Every text of the window is a designed caption: nothing to load.
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::linie(int index, const Linie& entwurf)
{
    Line1[std::size_t(index)] = entwurf;
    linienFolge[std::size_t(linienErstellt++)] = index;
}

void frmAbout::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.drawImage(0, 0, glocke);
    // Centred half a pen width below its own row, a line covers whole pixel
    // rows, which antialiasing then fills exactly.
    maler.setRenderHint(QPainter::Antialiasing);
    for (const int index : linienFolge) {
        const Linie& l = Line1[std::size_t(index)];
        maler.setPen(QPen(QColor(l.farbe), l.breite, Qt::SolidLine, Qt::FlatCap));
        const qreal mitte = l.breite / 2.0;
        maler.drawLine(QLineF(Gestaltung::pixel(l.x1), Gestaltung::pixel(l.y1) + mitte, Gestaltung::pixel(l.x2),
                              Gestaltung::pixel(l.y2) + mitte));
    }
}

void frmAbout::done(int ergebnis)
{
    // Every way of closing ends here: "OK", Enter, Escape and the frame.
    QDialog::done(ergebnis);
    Fenster::entladen(*this);
}
