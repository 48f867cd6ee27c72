#include "about_window/frmabout.h"

#include "about_window/frmabout_entwurf.h"
#include "app/fenster.h"
#include "app/gestaltung.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace Tafel = frmAboutEntwurf;

frmAbout::frmAbout()
    : QDialog(nullptr,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                  Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(Tafel::fenster.titel));
    Gestaltung::ohneSymbol(*this);
    setBackgroundRole(QPalette::Button);
    // Blocks the options window too, which has no owner.
    setWindowModality(Qt::ApplicationModal);
    // Opening it, a screen reader says every text once, in reading order.
    setAccessibleDescription(QString::fromStdString(Entwurf::vorlesetext(Tafel::vorleseFolge)));

    // Created in the order of the design, which is also its focus order; the
    // lines are painted on the background, under every control.
    for (const Linie* l : Tafel::linien)
        linie(*l);
    cmdOK = Gestaltung::knopf(*this, Tafel::cmdOK);
    Label1 = Gestaltung::bezeichnung(*this, Tafel::Label1);
    lblDescription = Gestaltung::bezeichnung(*this, Tafel::lblDescription);
    lblTitle = Gestaltung::bezeichnung(*this, Tafel::lblTitle);
    lblVersion = Gestaltung::bezeichnung(*this, Tafel::lblVersion);
    lblDisclaimer = Gestaltung::bezeichnung(*this, Tafel::lblDisclaimer);

    // Enter presses it; Escape rejects the dialog, which closes it the same way.
    cmdOK->setDefault(true);

    glocke = QImage(QStringLiteral(":/") + QString::fromLatin1(Tafel::glocke));

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    setFixedSize(Gestaltung::groesse(Tafel::fenster));
}

void frmAbout::Form_Load()
{
    // Every text of the window is a designed caption: nothing to load.
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::linie(const Linie& entwurf)
{
    Line1[std::size_t(entwurf.index)] = entwurf;
}

void frmAbout::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.drawImage(0, 0, glocke);
    // Centred half a pen width below its own row, a line covers whole pixel
    // rows, which antialiasing then fills exactly.
    maler.setRenderHint(QPainter::Antialiasing);
    // In the order the window creates them: a later line over an earlier one.
    for (const Linie* entworfen : Tafel::linien) {
        const Linie& l = Line1[std::size_t(entworfen->index)];
        maler.setPen(QPen(QColor(l.rot, l.gruen, l.blau), l.breite, Qt::SolidLine, Qt::FlatCap));
        const qreal mitte = l.breite / 2.0;
        maler.drawLine(QLineF(Entwurf::pixel(l.x1), Entwurf::pixel(l.y1) + mitte, Entwurf::pixel(l.x2),
                              Entwurf::pixel(l.y2) + mitte));
    }
}

void frmAbout::done(int ergebnis)
{
    // Every way of closing ends here: "OK", Enter, Escape and the frame.
    QDialog::done(ergebnis);
    Fenster::entladen(*this);
}
