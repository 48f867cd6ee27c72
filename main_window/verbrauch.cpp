#include "main_window/verbrauch.h"

#include "about_window/frmabout.h"
#include "app/anwendung.h"
#include "app/fenster.h"
#include "app/gestaltung.h"
#include "main_window/bildfeld.h"
#include "main_window/verbrauch_entwurf.h"
#include "options_window/optionen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <future>
#include <vector>

namespace Tafel = VerbrauchEntwurf;

namespace {

// The frame's pictures, decoded one after the other on another core while
// the window's controls and fonts are made; the first paint is the first to
// wait for them. QImage and its readers may be used from another thread, a
// pixmap may not.
std::shared_future<std::vector<QImage>> rahmenBilder()
{
    return std::async(std::launch::async,
                      [] {
                          std::vector<QImage> bilder;
                          for (const Tafel::Bildkasten* b : Tafel::rahmen)
                              bilder.push_back(b->datei ? QImage(QStringLiteral(":/") + QString::fromLatin1(b->datei))
                                                        : QImage());
                          return bilder;
                      })
        .share();
}

Bildfeld* bildfeld(QWidget& fenster, const Tafel::Bildkasten& b, const std::shared_future<std::vector<QImage>>& bilder)
{
    std::shared_future<QImage> bild;
    if (b.datei) {
        const auto stelle =
            std::size_t(std::find(std::begin(Tafel::rahmen), std::end(Tafel::rahmen), &b) - Tafel::rahmen);
        bild = std::async(std::launch::deferred, [bilder, stelle] { return bilder.get()[stelle]; }).share();
    }
    return Gestaltung::platziere(fenster, b.kasten, new Bildfeld(nullptr, bild));
}

QLineEdit* eingabe(QWidget& fenster, const Entwurf::Steuerelement& e)
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
    // another one, which is how the tests pin conventions.
    QLocale region;
    // A system that names no region at all (the C or POSIX locale: a fresh
    // machine, a container, a remote shell) would read "0,88" as 88. The
    // program is laid out for German conventions, so those stand in.
    if (region.language() == QLocale::C)
        region = QLocale(QLocale::German, QLocale::Germany);
    return {region.decimalPoint().toStdString(), region.groupSeparator().toStdString()};
}

Verbrauch::Verbrauch()
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Verbrauch"));
    setWindowTitle(QString::fromUtf8(Tafel::fenster.titel));
    setBackgroundRole(QPalette::Button);

    const auto bilder = rahmenBilder();
    // Created in the focus order of the design; labels hold their places in
    // it without ever taking the focus.
    txtKMalt = eingabe(*this, Tafel::txtKMalt);
    txtKMneu = eingabe(*this, Tafel::txtKMneu);
    txtLiter = eingabe(*this, Tafel::txtLiter);
    txtPreis = eingabe(*this, Tafel::txtPreis);
    Picture1 = bildfeld(*this, Tafel::Picture1, bilder);
    Picture2 = bildfeld(*this, Tafel::Picture2, bilder);
    Picture3 = bildfeld(*this, Tafel::Picture3, bilder);
    Picture4 = bildfeld(*this, Tafel::Picture4, bilder);
    Picture5 = bildfeld(*this, Tafel::Picture5, bilder);
    Picture6 = bildfeld(*this, Tafel::Picture6, bilder);
    Picture7 = bildfeld(*this, Tafel::Picture7, bilder);
    Picture8 = bildfeld(*this, Tafel::Picture8, bilder);
    Picture9 = bildfeld(*this, Tafel::Picture9, bilder);
    Picture10 = bildfeld(*this, Tafel::Picture10, bilder);
    Picture11 = bildfeld(*this, Tafel::Picture11, bilder);
    Picture12 = bildfeld(*this, Tafel::Picture12, bilder);
    Picture13 = bildfeld(*this, Tafel::Picture13, bilder);
    Picture14 = bildfeld(*this, Tafel::Picture14, bilder);
    Picture16 = bildfeld(*this, Tafel::Picture16, bilder);
    Picture17 = bildfeld(*this, Tafel::Picture17, bilder);
    Picture18 = bildfeld(*this, Tafel::Picture18, bilder);
    Picture19 = bildfeld(*this, Tafel::Picture19, bilder);
    Label1 = Gestaltung::bezeichnung(*Picture7, Tafel::Label1);
    Label2 = Gestaltung::bezeichnung(*this, Tafel::Label2);
    Label3 = Gestaltung::bezeichnung(*this, Tafel::Label3);
    Label4 = Gestaltung::bezeichnung(*this, Tafel::Label4);
    Label5 = Gestaltung::bezeichnung(*this, Tafel::Label5);
    Berechnen = Gestaltung::knopf(*this, Tafel::Berechnen);
    lblAusgabe = Gestaltung::bezeichnung(*this, Tafel::lblAusgabe);
    Label7 = Gestaltung::bezeichnung(*this, Tafel::Label7);
    Label6 = Gestaltung::bezeichnung(*this, Tafel::Label6);
    Label8 = Gestaltung::bezeichnung(*this, Tafel::Label8);
    Label9 = Gestaltung::bezeichnung(*this, Tafel::Label9);
    Label10 = Gestaltung::bezeichnung(*this, Tafel::Label10);
    cmdWeiter = Gestaltung::knopf(*this, Tafel::cmdWeiter);
    cmdOptionen = Gestaltung::knopf(*this, Tafel::cmdOptionen);
    cmdinfo = Gestaltung::knopf(*this, Tafel::cmdinfo);
    Picture15 = bildfeld(*this, Tafel::Picture15, bilder);

    lblAusgabe->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblAusgabe->setEnabled(false);
    Berechnen->setDefault(true);

    connect(Berechnen, &QPushButton::clicked, this, &Verbrauch::Berechnen_Click);
    connect(cmdWeiter, &QPushButton::clicked, this, &Verbrauch::cmdWeiter_Click);
    connect(cmdinfo, &QPushButton::clicked, this, &Verbrauch::cmdinfo_Click);
    connect(cmdOptionen, &QPushButton::clicked, this, &Verbrauch::cmdOptionen_Click);

    resize(Gestaltung::groesse(Tafel::fenster));
    const Entwurf::Punkt ort =
        Entwurf::zentriert(Gestaltung::rechteck(screen()->availableGeometry()), width(), height());
    move(ort.x, ort.y);
    txtKMalt->setFocus();
}

void Verbrauch::Form_Load()
{
    cmdWeiter->hide();
    währungAnwenden(rechnung::euro);
}

void Verbrauch::währungAnwenden(const rechnung::Waehrung& w)
{
    const QString name = QString::fromUtf8(w.name.data(), qsizetype(w.name.size()));
    Label9->setText(name);
    txtPreis->setText(QString::fromStdString(rechnung::preisText(w, zahlenformat())));
    Währung = name;
    // The price's unit changes with the currency; a screen reader hears it
    // as the description.
    txtPreis->setAccessibleDescription(name);
}

void Verbrauch::Berechnen_Click()
{
    const QByteArray kmAlt = txtKMalt->text().toUtf8();
    const QByteArray kmNeu = txtKMneu->text().toUtf8();
    const QByteArray liter = txtLiter->text().toUtf8();
    const QByteArray preis = txtPreis->text().toUtf8();
    const QByteArray waehrung = Währung.toUtf8();
    const rechnung::Berechnung b =
        rechnung::berechne({sicht(kmAlt), sicht(kmNeu), sicht(liter), sicht(preis), sicht(waehrung)}, zahlenformat());

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
    // A screen reader speaks a focused button's description: the sentence,
    // which is the one thing the program exists to say.
    cmdWeiter->setAccessibleDescription(lblAusgabe->text());
    cmdWeiter->show();
    cmdWeiter->setFocus();
}

void Verbrauch::cmdWeiter_Click()
{
    lblAusgabe->clear();
    cmdWeiter->setAccessibleDescription(QString());
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
        const QPoint unterDenKnoepfen = cmdOptionen->mapToGlobal(QPoint(0, cmdOptionen->height()));
        const Entwurf::Punkt ort = Entwurf::nebenDemHauptfenster(
            Gestaltung::rechteck(screen()->availableGeometry()), Gestaltung::rechteck(frameGeometry()),
            unterDenKnoepfen.y(), optionen.frameGeometry().width(), optionen.frameGeometry().height());
        optionen.move(ort.x, ort.y);
    }
    // An open window that the user minimised comes back as it was.
    optionen.setWindowState(optionen.windowState() & ~Qt::WindowMinimized);
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
    // Some window managers (openbox) give no focus to a new window that
    // keeps out of the task bar; ask for it, so typing works at once. Qt
    // sends the request once the window is mapped.
    activateWindow();
}

void Verbrauch::done(int ergebnis)
{
    // Closing by the frame ends here, through QDialog's reject().
    QDialog::done(ergebnis);
    Fenster::entladen(*this);
}
