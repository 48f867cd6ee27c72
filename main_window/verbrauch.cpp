#include "main_window/verbrauch.h"

#include "about_window/frmabout.h"
#include "app/anwendung.h"
#include "app/fenster.h"
#include "app/gestaltung.h"
#include "main_window/bildfeld.h"
#include "options_window/optionen.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

using Gestaltung::Schrift;
using Gestaltung::Steuerelement;

namespace {

// The window as designed: client area 10215 x 7395 twips.
constexpr Gestaltung::Twips fensterGroesse{0, 0, 10215, 7395};
constexpr auto fensterTitel = "Tankumat Fenrold-Edition!";

namespace Entwurf {
constexpr Steuerelement txtKMalt{"txtKMalt", "8211", {5520, 2400, 1215, 285}, Schrift::Standard, nullptr,
    "Kilometerstand alt, in Kilometer"};
constexpr Steuerelement txtKMneu{"txtKMneu", "8965", {5520, 2880, 1215, 285}, Schrift::Standard, nullptr,
    "Kilometerstand neu, in Kilometer"};
constexpr Steuerelement txtLiter{"txtLiter", "55", {5520, 3360, 1215, 285}, Schrift::Standard, nullptr,
    "Kraftstoff, in Liter"};
constexpr Steuerelement txtPreis{"txtPreis", "0,88", {5520, 3840, 1215, 285}, Schrift::Standard, nullptr,
    "Preis je Liter"};
// The frame: the text is the box's picture.
constexpr Steuerelement Picture1{"Picture1", ":/Picture1.jpg", {0, 360, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: Scheinwerfer bei Nacht"};
constexpr Steuerelement Picture2{"Picture2", ":/Picture2.jpg", {0, 1560, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: Rücklicht"};
constexpr Steuerelement Picture3{"Picture3", ":/Picture3.jpg", {0, 2760, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: roter Kombi von hinten"};
constexpr Steuerelement Picture4{"Picture4", ":/Picture4.jpg", {0, 3960, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: Kombi an der Strandpromenade"};
constexpr Steuerelement Picture5{"Picture5", ":/Picture5.jpg", {0, 5160, 1695, 1095}, Schrift::Standard, nullptr,
    "Bild: Karosseriefugen"};
constexpr Steuerelement Picture6{"Picture6", ":/Picture6.jpg", {0, 6240, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: Kombi vor einem Haus"};
constexpr Steuerelement Picture7{"Picture7", ":/Picture7.jpg", {1680, 360, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: Wagen im Schnee"};
constexpr Steuerelement Picture8{"Picture8", ":/Picture8.jpg", {3360, 360, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: Innenraum"};
constexpr Steuerelement Picture9{"Picture9", "", {5160, 0, 15, 135}, Schrift::Standard, nullptr,
    "leeres Bildfeld"};
constexpr Steuerelement Picture10{"Picture10", ":/Picture10.jpg", {5040, 360, 1815, 1215}, Schrift::Standard, nullptr,
    "Bild: Klarglasscheinwerfer"};
constexpr Steuerelement Picture11{"Picture11", ":/Picture11.jpg", {6840, 360, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: Kombi bei Nacht vor einer Mauer"};
constexpr Steuerelement Picture12{"Picture12", ":/Picture12.jpg", {8520, 360, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: Türgriff"};
constexpr Steuerelement Picture13{"Picture13", ":/Picture13.jpg", {8520, 1560, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: Lichter im Nebel"};
constexpr Steuerelement Picture14{"Picture14", ":/Picture14.jpg", {8520, 2760, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: Kombi in der Abenddämmerung"};
constexpr Steuerelement Picture15{"Picture15", ":/Picture15.bmp", {8520, 3960, 1695, 1095}, Schrift::Standard, "Schloss Wernigerode",
    "Bild: Schloss auf dem Berg"};
constexpr Steuerelement Picture16{"Picture16", ":/Picture16.jpg", {8520, 5040, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: roter Kombi von oben"};
constexpr Steuerelement Picture17{"Picture17", "", {8520, 6000, 135, 15}, Schrift::Standard, nullptr,
    "leeres Bildfeld"};
constexpr Steuerelement Picture18{"Picture18", ":/Picture18.jpg", {8520, 6240, 1695, 1215}, Schrift::Standard, nullptr,
    "Bild: Wagen in einer Kurve"};
constexpr Steuerelement Picture19{"Picture19", ":/Picture19.bmp", {1680, 6240, 6855, 1215}, Schrift::Standard, "Kühlergrill mit Markenzeichen",
    "Bild: Kühlergrill"};
// Inside Picture7's inner area, below the 77 pixels of it that show.
constexpr Steuerelement Label1{"Label1", "Label1", {0, 1200, 1695, 15}};
constexpr Steuerelement Label2{"Label2", "Sprittafel", {2520, 1680, 5250, 435}, Schrift::Ueberschrift};
constexpr Steuerelement Label3{"Label3", "Kilometerstand alt", {2520, 2400, 2895, 375}, Schrift::GrossFett};
constexpr Steuerelement Label4{"Label4", "Kilometerstand neu", {2520, 2880, 2895, 375}, Schrift::GrossFett};
constexpr Steuerelement Label5{"Label5", "Kraftstoff ", {2520, 3360, 2895, 375}, Schrift::GrossFett};
constexpr Steuerelement Berechnen{"Berechnen", "&Berechnen", {3480, 4320, 3255, 375}, Schrift::Fett,
                                  "Hier klicken zum Berechnen!"};
constexpr Steuerelement lblAusgabe{"lblAusgabe", "", {2760, 4800, 4725, 795}};
constexpr Steuerelement Label7{"Label7", "Kilometer", {6840, 2520, 975, 255}, Schrift::Fett};
constexpr Steuerelement Label6{"Label6", "Kilometer", {6840, 3000, 975, 255}, Schrift::Fett};
constexpr Steuerelement Label8{"Label8", "Liter", {6840, 3480, 975, 255}, Schrift::Fett};
constexpr Steuerelement Label9{"Label9", "Euro", {6840, 3960, 975, 255}, Schrift::Fett};
constexpr Steuerelement Label10{"Label10", "Preis / Liter", {2520, 3840, 2895, 375}, Schrift::GrossFett};
constexpr Steuerelement cmdWeiter{"cmdWeiter", "&weiter?", {4440, 5760, 1215, 375}};
constexpr Steuerelement cmdOptionen{"cmdOptionen", "&Optionen", {0, 0, 5055, 375}, Schrift::Standard,
                                    "Euro oder DM?"};
constexpr Steuerelement cmdinfo{"cmdinfo", "I&nfo", {5040, 0, 5175, 375}, Schrift::Standard, "Informationen!"};
}  // namespace Entwurf

Bildfeld* bildfeld(QWidget& fenster, const Steuerelement& e)
{
    return Gestaltung::platziere(fenster, e, new Bildfeld(nullptr, QString::fromLatin1(e.text)));
}

QLineEdit* eingabe(QWidget& fenster, const Steuerelement& e)
{
    QLineEdit* feld = Gestaltung::textfeld(fenster, e);
    feld->setAlignment(Qt::AlignCenter);
    return feld;
}

std::string_view sicht(const QByteArray& utf8)
{
    return {utf8.constData(), std::size_t(utf8.size())};
}

}  // namespace

rechnung::Zahlenformat zahlenformat()
{
    // QLocale() is the user's regional setting unless the program chose
    // another one, which is how the tests pin German conventions.
    const QLocale region;
    return {region.decimalPoint().toStdString(), region.groupSeparator().toStdString()};
}

Verbrauch::Verbrauch()
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Verbrauch"));
    setWindowTitle(QString::fromUtf8(fensterTitel));
    setWindowIcon(QIcon(QStringLiteral(":/tankumat.ico")));
    setBackgroundRole(QPalette::Button);

    // Created in the focus order of the design; labels hold their places in
    // it without ever taking the focus.
    txtKMalt = eingabe(*this, Entwurf::txtKMalt);
    txtKMneu = eingabe(*this, Entwurf::txtKMneu);
    txtLiter = eingabe(*this, Entwurf::txtLiter);
    txtPreis = eingabe(*this, Entwurf::txtPreis);
    Picture1 = bildfeld(*this, Entwurf::Picture1);
    Picture2 = bildfeld(*this, Entwurf::Picture2);
    Picture3 = bildfeld(*this, Entwurf::Picture3);
    Picture4 = bildfeld(*this, Entwurf::Picture4);
    Picture5 = bildfeld(*this, Entwurf::Picture5);
    Picture6 = bildfeld(*this, Entwurf::Picture6);
    Picture7 = bildfeld(*this, Entwurf::Picture7);
    Picture8 = bildfeld(*this, Entwurf::Picture8);
    Picture9 = bildfeld(*this, Entwurf::Picture9);
    Picture10 = bildfeld(*this, Entwurf::Picture10);
    Picture11 = bildfeld(*this, Entwurf::Picture11);
    Picture12 = bildfeld(*this, Entwurf::Picture12);
    Picture13 = bildfeld(*this, Entwurf::Picture13);
    Picture14 = bildfeld(*this, Entwurf::Picture14);
    Picture16 = bildfeld(*this, Entwurf::Picture16);
    Picture17 = bildfeld(*this, Entwurf::Picture17);
    Picture18 = bildfeld(*this, Entwurf::Picture18);
    Picture19 = bildfeld(*this, Entwurf::Picture19);
    Label1 = Gestaltung::bezeichnung(*Picture7, Entwurf::Label1);
    Label2 = Gestaltung::bezeichnung(*this, Entwurf::Label2);
    Label3 = Gestaltung::bezeichnung(*this, Entwurf::Label3);
    Label4 = Gestaltung::bezeichnung(*this, Entwurf::Label4);
    Label5 = Gestaltung::bezeichnung(*this, Entwurf::Label5);
    Berechnen = Gestaltung::knopf(*this, Entwurf::Berechnen);
    lblAusgabe = Gestaltung::bezeichnung(*this, Entwurf::lblAusgabe);
    Label7 = Gestaltung::bezeichnung(*this, Entwurf::Label7);
    Label6 = Gestaltung::bezeichnung(*this, Entwurf::Label6);
    Label8 = Gestaltung::bezeichnung(*this, Entwurf::Label8);
    Label9 = Gestaltung::bezeichnung(*this, Entwurf::Label9);
    Label10 = Gestaltung::bezeichnung(*this, Entwurf::Label10);
    cmdWeiter = Gestaltung::knopf(*this, Entwurf::cmdWeiter);
    cmdOptionen = Gestaltung::knopf(*this, Entwurf::cmdOptionen);
    cmdinfo = Gestaltung::knopf(*this, Entwurf::cmdinfo);
    Picture15 = bildfeld(*this, Entwurf::Picture15);

    Gestaltung::anTextAnpassen(*Label2);
    // The price's unit changes with the currency; a screen reader hears it
    // as the description (the options window keeps it up to date).
    txtPreis->setAccessibleDescription(Label9->text());
    lblAusgabe->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblAusgabe->setEnabled(false);
    Berechnen->setDefault(true);

    connect(Berechnen, &QPushButton::clicked, this, &Verbrauch::Berechnen_Click);
    connect(cmdWeiter, &QPushButton::clicked, this, &Verbrauch::cmdWeiter_Click);
    connect(cmdinfo, &QPushButton::clicked, this, &Verbrauch::cmdinfo_Click);
    connect(cmdOptionen, &QPushButton::clicked, this, &Verbrauch::cmdOptionen_Click);

    resize(Gestaltung::pixel(fensterGroesse).size());
    move(screen()->availableGeometry().center() - rect().center());
    txtKMalt->setFocus();
}

void Verbrauch::Form_Load()
{
    cmdWeiter->hide();
    Währung = QStringLiteral("Euro");
}

void Verbrauch::Berechnen_Click()
{
    const QByteArray kmAlt = txtKMalt->text().toUtf8();
    const QByteArray kmNeu = txtKMneu->text().toUtf8();
    const QByteArray liter = txtLiter->text().toUtf8();
    const QByteArray preis = txtPreis->text().toUtf8();
    const QByteArray waehrung = Währung.toUtf8();
    const rechnung::Berechnung b = rechnung::berechne({sicht(kmAlt), sicht(kmNeu), sicht(liter), sicht(preis), sicht(waehrung)},
                                                      zahlenformat());

    if (b.staende) {
        KilometerNeu = b.staende->kilometerNeu;
        KilometerAlt = b.staende->kilometerAlt;
    }
    if (const rechnung::Fehler* f = b.fehler()) {
        Anwendung::meldung(this, QString::fromUtf8(f->meldung));
        feld(f->fokus)->setFocus();
        return;
    }
    const rechnung::Ergebnis& e = *b.ergebnis();
    LiterPreis = txtPreis->text();
    Liter = txtLiter->text();
    FahrKilometer = e.fahrKilometer;
    DurchVerbrauch = e.durchVerbrauch;
    lblAusgabe->setText(QString::fromUtf8(e.satz));
    cmdWeiter->show();
    cmdWeiter->setFocus();
}

void Verbrauch::cmdWeiter_Click()
{
    lblAusgabe->clear();
    cmdWeiter->hide();
    txtKMalt->setFocus();
}

void Verbrauch::cmdinfo_Click()
{
    frmAbout& info = Fenster::instanz<frmAbout>();
    // Owned by this window; the single instance is made without an owner,
    // and setParent would otherwise drop its dialog flags.
    info.setParent(this, info.windowFlags());
    info.exec();  // unloads itself however it is closed
    // Nothing hands the activation back when a modal window closes.
    activateWindow();
    txtKMalt->setFocus();
}

void Verbrauch::cmdOptionen_Click()
{
    const bool neu = !Fenster::istGeladen<Optionen>();
    Optionen& optionen = Fenster::instanz<Optionen>();
    // Selecting from code runs the option's Click as a user's click does: a
    // freshly loaded window applies the currency again, price included.
    (Währung == QLatin1String("Euro") ? optionen.Option1 : optionen.Option2)->setChecked(true);
    if (neu) {
        // Beside the main window where the screen has room, so both stay usable.
        const QRect frei = screen()->availableGeometry();
        const QPoint rechts = frameGeometry().topRight() + QPoint(8, 0);
        optionen.move(rechts.x() + optionen.frameGeometry().width() <= frei.right() ? rechts : frei.topLeft());
    }
    optionen.show();
    optionen.raise();
    optionen.activateWindow();
}

QLineEdit* Verbrauch::feld(rechnung::Feld f) const
{
    switch (f) {
    case rechnung::Feld::KMalt: return txtKMalt;
    case rechnung::Feld::KMneu: return txtKMneu;
    case rechnung::Feld::Liter: return txtLiter;
    case rechnung::Feld::Preis: return txtPreis;
    }
    return txtKMalt;
}

void Verbrauch::keyPressEvent(QKeyEvent* ereignis)
{
    // The window has no cancel button: Escape must not close it as it would
    // close a dialog.
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

void Verbrauch::showEvent(QShowEvent* ereignis)
{
    Anwendung::ohneTaskleistenknopf(*this);
    QDialog::showEvent(ereignis);
}

void Verbrauch::done(int ergebnis)
{
    // Closing by the frame ends here, through QDialog's reject().
    QDialog::done(ergebnis);
    Fenster::entladen(*this);
}
