// How the windows behave, written once: every case drives the program
// through the driver of the toolkit it is built with, so the Linux and the
// Windows program answer the same cases under the same names.

#include "treiber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

using namespace Verhalten;

namespace {

constexpr auto keineZahl = "      Bitte nur Zahlen Eingeben!";
constexpr auto keineZahlLiter = "       Bitte nur Zahlen Eingeben!";
constexpr auto eingabefehler = "              * Eingabefehler! * ";
constexpr auto beispielSatz = " Für die Fahrstrecke von \r\n754  Km wurden durchschnittlich \r\n"
                              "7,29 Liter verbraucht! Die Kosten auf 100 \r\nKilometer betragen 6,42 Euro !";
constexpr auto titel = "Zapfkontor V1.03";

// The main window's controls and the other windows' by their design names.
constexpr Ort txtKMalt{Fenster::Verbrauch, "txtKMalt"};
constexpr Ort txtKMneu{Fenster::Verbrauch, "txtKMneu"};
constexpr Ort txtLiter{Fenster::Verbrauch, "txtLiter"};
constexpr Ort txtPreis{Fenster::Verbrauch, "txtPreis"};
constexpr Ort Berechnen{Fenster::Verbrauch, "Berechnen"};
constexpr Ort lblAusgabe{Fenster::Verbrauch, "lblAusgabe"};
constexpr Ort cmdWeiter{Fenster::Verbrauch, "cmdWeiter"};
constexpr Ort cmdOptionen{Fenster::Verbrauch, "cmdOptionen"};
constexpr Ort cmdinfo{Fenster::Verbrauch, "cmdinfo"};
constexpr Ort Label9{Fenster::Verbrauch, "Label9"};
constexpr Ort Option1{Fenster::Optionen, "Option1"};
constexpr Ort Option2{Fenster::Optionen, "Option2"};
constexpr Ort OptLabel1{Fenster::Optionen, "Label1"};
constexpr Ort OptLabel2{Fenster::Optionen, "Label2"};
constexpr Ort cmdOptionOk{Fenster::Optionen, "cmdOptionOk"};
constexpr Ort Tafel{Fenster::Optionen, "Picture1"};
constexpr Ort cmdOK{Fenster::frmAbout, "cmdOK"};
constexpr Ort lblTitle{Fenster::frmAbout, "lblTitle"};

Treiber& t()
{
    return treiber();
}

// Every case starts from the main window, shown and active, and ends with
// every window unloaded.
class Fenstertest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t().region("de-DE");
        ASSERT_TRUE(t().hauptfensterZeigen());
    }
    void TearDown() override { t().alleEntladen(); }

    static void eingeben(const char* kmAlt, const char* kmNeu, const char* liter, const char* preis)
    {
        t().textSetzen(txtKMalt, kmAlt);
        t().textSetzen(txtKMneu, kmNeu);
        t().textSetzen(txtLiter, liter);
        t().textSetzen(txtPreis, preis);
    }

    static bool fokusIn(const char* wo)
    {
        return t().warteBis([wo] { return t().fokus() == wo; });
    }

    static bool ergebnisGezeigt() { return t().text(lblAusgabe) == beispielSatz && t().sichtbar(cmdWeiter); }
};

class Hauptfenster : public Fenstertest {};

// ---- the main window as it opens ----------------------------------------------------

TEST_F(Hauptfenster, startzustand)
{
    EXPECT_EQ(t().text(txtKMalt), "8211");
    EXPECT_EQ(t().text(txtKMneu), "8965");
    EXPECT_EQ(t().text(txtLiter), "55");
    EXPECT_EQ(t().text(txtPreis), "0,88");
    EXPECT_EQ(t().text(Label9), "Euro");
    EXPECT_EQ(t().variable("Währung"), "Euro");
    EXPECT_FALSE(t().sichtbar(cmdWeiter));
    EXPECT_EQ(t().text(lblAusgabe), "");
    EXPECT_FALSE(t().aktiviert(lblAusgabe));
    EXPECT_EQ(t().fokus(), "Verbrauch.txtKMalt");
    EXPECT_FALSE(t().geladen(Fenster::Optionen));
    EXPECT_FALSE(t().geladen(Fenster::frmAbout));
}

// ---- calculating ----------------------------------------------------------------------

class EnterAusJedemTextfeld : public Fenstertest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EnterAusJedemTextfeld, rechnetUndFokussiertWeiter)
{
    t().fokussieren({Fenster::Verbrauch, GetParam()});
    t().taste(Taste::Enter);
    EXPECT_TRUE(t().warteBis(ergebnisGezeigt));
    EXPECT_EQ(t().text(lblAusgabe), beispielSatz);
    EXPECT_EQ(t().fokus(), "Verbrauch.cmdWeiter");
}

INSTANTIATE_TEST_SUITE_P(Hauptfenster, EnterAusJedemTextfeld,
                         ::testing::Values("txtKMalt", "txtKMneu", "txtLiter", "txtPreis"),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(Hauptfenster, ergebnisUndVariablen)
{
    t().klicken(Berechnen);
    ASSERT_TRUE(t().warteBis(ergebnisGezeigt));
    EXPECT_EQ(t().variable("KilometerAlt"), "8211");
    EXPECT_EQ(t().variable("KilometerNeu"), "8965");
    EXPECT_EQ(t().variable("FahrKilometer"), "754");
    EXPECT_EQ(t().variable("DurchVerbrauch"), "7.29");
    EXPECT_EQ(t().variable("Liter"), "55");
    EXPECT_EQ(t().variable("LiterPreis"), "0,88");
}

TEST_F(Hauptfenster, waehrungImSatz)
{
    t().währungSetzen("DM");
    t().textSetzen(txtPreis, "1,76");
    t().klicken(Berechnen);
    ASSERT_TRUE(t().warteBis([] { return t().sichtbar(cmdWeiter); }));
    EXPECT_TRUE(t().text(lblAusgabe).ends_with("Kilometer betragen 12,84 DM !")) << t().text(lblAusgabe);
}

TEST_F(Hauptfenster, weiterLeertNurDasErgebnis)
{
    eingeben("100", "300", "12", "1,5");
    t().klicken(Berechnen);
    ASSERT_TRUE(t().warteBis([] { return t().fokus() == "Verbrauch.cmdWeiter"; }));
    EXPECT_NE(t().text(lblAusgabe), "");
    // Enter on the focused "&weiter?" presses it, not "&Berechnen".
    t().taste(Taste::Enter);
    EXPECT_TRUE(t().warteBis([] { return !t().sichtbar(cmdWeiter); }));
    EXPECT_EQ(t().text(lblAusgabe), "");
    EXPECT_EQ(t().fokus(), "Verbrauch.txtKMalt");
    EXPECT_EQ(t().text(txtKMalt), "100");
    EXPECT_EQ(t().text(txtKMneu), "300");
    EXPECT_EQ(t().text(txtLiter), "12");
    EXPECT_EQ(t().text(txtPreis), "1,5");
}

TEST_F(Hauptfenster, zugriffstasten)
{
    t().fokussieren(txtLiter);
    t().alt('b');
    EXPECT_TRUE(t().warteBis(ergebnisGezeigt));
    EXPECT_EQ(t().fokus(), "Verbrauch.cmdWeiter");
    t().alt('w');
    EXPECT_TRUE(t().warteBis([] { return !t().sichtbar(cmdWeiter); }));
    EXPECT_EQ(t().text(lblAusgabe), "");
    EXPECT_EQ(t().fokus(), "Verbrauch.txtKMalt");
}

class AltOhneSteuerelement : public Fenstertest, public ::testing::WithParamInterface<char> {};

TEST_P(AltOhneSteuerelement, tipptNichtsUndDruecktNichts)
{
    // W belongs to the hidden "&weiter?"; Q and 5 to no control at all.
    t().fokussieren(txtLiter);
    t().alt(GetParam());
    t().leerlauf();
    EXPECT_EQ(t().fokus(), "Verbrauch.txtLiter");
    EXPECT_EQ(t().text(txtLiter), "55");
    EXPECT_FALSE(t().sichtbar(cmdWeiter));
    EXPECT_EQ(t().text(lblAusgabe), "");
}

INSTANTIATE_TEST_SUITE_P(Hauptfenster, AltOhneSteuerelement, ::testing::Values('w', 'q', '5'),
                         [](const auto& info) { return std::string("Alt_") + info.param; });

TEST_F(Hauptfenster, escapeTutNichts)
{
    t().fokussieren(txtKMneu);
    t().taste(Taste::Escape);
    t().leerlauf();
    EXPECT_TRUE(t().sichtbar(Fenster::Verbrauch));
    EXPECT_TRUE(t().geladen(Fenster::Verbrauch));
    EXPECT_EQ(t().fokus(), "Verbrauch.txtKMneu");
}

TEST_F(Hauptfenster, tippenLandetImFeld)
{
    t().textSetzen(txtKMalt, "");
    t().fokussieren(txtKMalt);
    t().tippen("9000");
    EXPECT_EQ(t().text(txtKMalt), "9000");
}

struct Region {
    const char* name;
    const char* komma;
};

class BeispielInJederRegion : public Fenstertest, public ::testing::WithParamInterface<std::tuple<Region, bool>> {};

TEST_P(BeispielInJederRegion, liestDieEigenenPreiseZurueck)
{
    // The program's own prices read back as themselves wherever it runs.
    const auto [region, dm] = GetParam();
    const std::string k = region.komma;
    t().alleEntladen();
    t().region(region.name);
    ASSERT_TRUE(t().hauptfensterZeigen());
    if (dm) {
        t().klicken(cmdOptionen);
        ASSERT_TRUE(t().warteBis([] { return t().sichtbar(Fenster::Optionen); }));
        t().klicken(Option2);
    }
    EXPECT_EQ(t().text(txtPreis), (dm ? "1" : "0") + k + (dm ? "76" : "88"));
    const Meldung m = t().beantworteMeldung([] { t().klicken(Berechnen); });
    EXPECT_FALSE(m.erschienen) << m.text;
    EXPECT_TRUE(t().text(lblAusgabe)
                    .ends_with("754  Km wurden durchschnittlich \r\n7" + k +
                               "29 Liter verbraucht! Die Kosten auf 100 \r\nKilometer betragen " +
                               (dm ? "12" + k + "84 DM !" : "6" + k + "42 Euro !")))
        << t().text(lblAusgabe);
}

INSTANTIATE_TEST_SUITE_P(Hauptfenster, BeispielInJederRegion,
                         ::testing::Combine(::testing::Values(Region{"de-DE", ","}, Region{"de-AT", ","},
                                                              Region{"de-CH", "."}, Region{"en-US", "."},
                                                              Region{"fr-FR", ","}),
                                            ::testing::Bool()),
                         [](const auto& info) {
                             const Region r = std::get<0>(info.param);
                             std::string name = r.name;
                             name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                             return name + (std::get<1>(info.param) ? "_DM" : "_Euro");
                         });

// ---- bad input --------------------------------------------------------------------------

struct Fehlerfall {
    const char* tag;
    const char *kmAlt, *kmNeu, *liter, *preis, *meldung, *fokus;
};

class Meldungen : public Fenstertest, public ::testing::WithParamInterface<Fehlerfall> {};

TEST_P(Meldungen, meldetUndFokussiert)
{
    const Fehlerfall& f = GetParam();
    eingeben(f.kmAlt, f.kmNeu, f.liter, f.preis);
    t().fokussieren(txtLiter);
    const Meldung m = t().beantworteMeldung([] { t().taste(Taste::Enter); });
    ASSERT_TRUE(m.erschienen);
    EXPECT_EQ(m.text, f.meldung);
    EXPECT_EQ(m.titel, titel);
    EXPECT_EQ(m.knoepfe, std::vector<std::string>{"OK"});
    EXPECT_FALSE(m.symbol);
    EXPECT_TRUE(m.vomHauptfenster);
    // The box gives the keyboard back to the window on its way out.
    EXPECT_TRUE(fokusIn(f.fokus)) << t().fokus();
    EXPECT_TRUE(t().aktiv(Fenster::Verbrauch));
    EXPECT_EQ(t().text(lblAusgabe), "");
    EXPECT_FALSE(t().sichtbar(cmdWeiter));
    // The inputs are never touched.
    EXPECT_EQ(t().text(txtKMalt), f.kmAlt);
    EXPECT_EQ(t().text(txtPreis), f.preis);
}

INSTANTIATE_TEST_SUITE_P(
    Hauptfenster, Meldungen,
    ::testing::Values(Fehlerfall{"alleLeerNeuZuerst", "", "", "", "", keineZahl, "Verbrauch.txtKMneu"},
                      Fehlerfall{"altKeineZahl", "abc", "8965", "55", "0,88", keineZahl, "Verbrauch.txtKMalt"},
                      Fehlerfall{"preisVorLiter", "8211", "8965", "x", "y", keineZahl, "Verbrauch.txtPreis"},
                      Fehlerfall{"literSiebenLeerzeichen", "8211", "8965", "", "0,88", keineZahlLiter,
                                 "Verbrauch.txtLiter"},
                      Fehlerfall{"neuUnterAlt", "9000", "8965", "55", "0,88", eingabefehler, "Verbrauch.txtKMalt"},
                      Fehlerfall{"gleicheStaende", "8211", "8211", "55", "0,88", "Die Fahrstrecke ist 0 Kilometer!",
                                 "Verbrauch.txtKMneu"},
                      Fehlerfall{"standZuGross", "8211", "2147483648", "55", "0,88", "Der Kilometerstand ist zu groß!",
                                 "Verbrauch.txtKMneu"},
                      Fehlerfall{"fahrstreckeZuGross", "-2000000000", "2000000000", "55", "0,88",
                                 "Die Fahrstrecke ist zu groß!", "Verbrauch.txtKMneu"}),
    [](const auto& info) { return std::string(info.param.tag); });

TEST_F(Hauptfenster, fehlerBehaeltDasAlteErgebnis)
{
    t().klicken(Berechnen);
    ASSERT_TRUE(t().warteBis(ergebnisGezeigt));
    t().textSetzen(txtKMneu, "");
    const Meldung m = t().beantworteMeldung([] { t().klicken(Berechnen); });
    EXPECT_EQ(m.text, keineZahl);
    EXPECT_TRUE(fokusIn("Verbrauch.txtKMneu")) << t().fokus();
    EXPECT_EQ(t().text(lblAusgabe), beispielSatz);
    EXPECT_TRUE(t().sichtbar(cmdWeiter));
    EXPECT_EQ(t().variable("FahrKilometer"), "754");
}

TEST_F(Hauptfenster, reihenfolgeFehlerSpeichertDieStaende)
{
    eingeben("9000,5", "8965", "55", "0,88");
    const Meldung m = t().beantworteMeldung([] { t().klicken(Berechnen); });
    EXPECT_EQ(m.text, eingabefehler);
    EXPECT_EQ(t().variable("KilometerAlt"), "9000");
    EXPECT_EQ(t().variable("KilometerNeu"), "8965");
    EXPECT_EQ(t().variable("FahrKilometer"), "0");
}

// ---- the focus order ----------------------------------------------------------------------

class TabReihenfolge : public Fenstertest, public ::testing::WithParamInterface<bool> {};

TEST_P(TabReihenfolge, durchAlleUndZurueck)
{
    const bool mitErgebnis = GetParam();
    if (mitErgebnis) {
        t().klicken(Berechnen);
        ASSERT_TRUE(t().warteBis(ergebnisGezeigt));
    }
    // The boxes of the frame take their places after the inputs, the castle
    // last of all.
    std::vector<std::string> erwartet{"Verbrauch.txtKMneu", "Verbrauch.txtLiter", "Verbrauch.txtPreis"};
    for (int i = 1; i <= 19; ++i)
        if (i != 15)
            erwartet.push_back("Verbrauch.Picture" + std::to_string(i));
    erwartet.push_back("Verbrauch.Berechnen");
    if (mitErgebnis)
        erwartet.push_back("Verbrauch.cmdWeiter");
    for (const char* s : {"cmdOptionen", "cmdinfo", "Picture15", "txtKMalt"})
        erwartet.push_back(std::string("Verbrauch.") + s);
    t().fokussieren(txtKMalt);
    std::vector<std::string> gesehen;
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        t().taste(Taste::Tab);
        gesehen.push_back(t().fokus());
    }
    EXPECT_EQ(gesehen, erwartet);
}

INSTANTIATE_TEST_SUITE_P(Hauptfenster, TabReihenfolge, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "mitErgebnis" : "ohneErgebnis"); });

TEST_F(Hauptfenster, bildfeldNimmtDenFokusUndEnterRechnet)
{
    const Ort Picture4{Fenster::Verbrauch, "Picture4"};
    t().klicken(Picture4);
    EXPECT_EQ(t().fokus(), "Verbrauch.Picture4");
    t().taste(Taste::Enter);
    EXPECT_TRUE(t().warteBis(ergebnisGezeigt));
}

// ---- the currency window ------------------------------------------------------------------

class Optionsfenster : public Fenstertest {
protected:
    static bool oeffnen()
    {
        t().klicken(cmdOptionen);
        return t().warteBis([] { return t().sichtbar(Fenster::Optionen) && t().aktiv(Fenster::Optionen); });
    }
};

struct Oeffnen {
    const char* tag;
    const char* waehrung;
    const char* gewaehlt;
    const char* preis;
    const char* einheit;
};

class OeffnenMitWaehrung : public Optionsfenster, public ::testing::WithParamInterface<Oeffnen> {};

TEST_P(OeffnenMitWaehrung, waehltUndWendetSieAn)
{
    const Oeffnen& f = GetParam();
    t().währungSetzen(f.waehrung);
    t().textSetzen(txtPreis, "1,23");  // the user's own price
    ASSERT_TRUE(oeffnen());
    EXPECT_TRUE(t().gewaehlt({Fenster::Optionen, f.gewaehlt}));
    EXPECT_EQ(t().text(txtPreis), f.preis);
    EXPECT_EQ(t().text(Label9), f.einheit);
    // Modeless and without owner: the main window stays usable.
    EXPECT_FALSE(t().hatBesitzer(Fenster::Optionen, Fenster::Verbrauch));
    EXPECT_TRUE(t().bedienbar(Fenster::Verbrauch));
    EXPECT_EQ(t().fokus(), "Optionen.Picture1");
}

INSTANTIATE_TEST_SUITE_P(Optionsfenster, OeffnenMitWaehrung,
                         ::testing::Values(Oeffnen{"Euro", "Euro", "Option1", "0,88", "Euro"},
                                           Oeffnen{"DM", "DM", "Option2", "1,76", "DM"},
                                           // Compared exactly: anything but "Euro" counts as DM.
                                           Oeffnen{"euroKlein", "euro", "Option2", "1,76", "DM"}),
                         [](const auto& info) { return std::string(info.param.tag); });

TEST_F(Optionsfenster, zweitesOeffnenBringtDasOffeneNachVorn)
{
    ASSERT_TRUE(oeffnen());
    t().textSetzen(txtPreis, "0,95");
    t().aktivieren(Fenster::Verbrauch);
    ASSERT_TRUE(t().warteBis([] { return t().aktiv(Fenster::Verbrauch); }));
    EXPECT_TRUE(oeffnen());
    // The option already selected is not applied again.
    EXPECT_EQ(t().text(txtPreis), "0,95");
}

TEST_F(Optionsfenster, optionenHoltDasMinimierteZurueck)
{
    ASSERT_TRUE(oeffnen());
    t().minimieren(Fenster::Optionen);
    ASSERT_TRUE(t().warteBis([] { return t().minimiert(Fenster::Optionen); }));
    t().aktivieren(Fenster::Verbrauch);
    ASSERT_TRUE(t().warteBis([] { return t().aktiv(Fenster::Verbrauch); }));
    t().fokussieren(txtKMalt);
    t().alt('o');
    EXPECT_TRUE(t().warteBis([] { return !t().minimiert(Fenster::Optionen) && t().aktiv(Fenster::Optionen); }));
}

TEST_F(Optionsfenster, dmGiltSofortUndEuroZurueck)
{
    ASSERT_TRUE(oeffnen());
    t().klicken(Option2);
    EXPECT_TRUE(t().sichtbar(Fenster::Optionen));
    EXPECT_EQ(t().text(Label9), "DM");
    EXPECT_EQ(t().text(txtPreis), "1,76");
    EXPECT_EQ(t().variable("Währung"), "DM");
    t().klicken(Berechnen);
    ASSERT_TRUE(t().warteBis([] { return t().sichtbar(cmdWeiter); }));
    EXPECT_TRUE(t().text(lblAusgabe).ends_with("12,84 DM !"));

    t().klicken(Option1);
    EXPECT_EQ(t().text(Label9), "Euro");
    EXPECT_EQ(t().text(txtPreis), "0,88");
    EXPECT_EQ(t().variable("Währung"), "Euro");
}

TEST_F(Optionsfenster, pfeiltastenWaehlenAuch)
{
    ASSERT_TRUE(oeffnen());
    t().fokussieren(Option1);
    t().taste(Taste::Runter);
    EXPECT_TRUE(t().warteBis([] { return t().gewaehlt(Option2); }));
    EXPECT_EQ(t().variable("Währung"), "DM");
    t().taste(Taste::Hoch);
    EXPECT_TRUE(t().warteBis([] { return t().gewaehlt(Option1); }));
    EXPECT_EQ(t().variable("Währung"), "Euro");
}

TEST_F(Optionsfenster, beschriftungenWaehlenNicht)
{
    ASSERT_TRUE(oeffnen());
    t().klicken(OptLabel2);
    t().leerlauf();
    EXPECT_TRUE(t().gewaehlt(Option1));
    EXPECT_EQ(t().variable("Währung"), "Euro");
    t().klicken(Option2);
    t().klicken(OptLabel1);
    t().leerlauf();
    EXPECT_EQ(t().variable("Währung"), "DM");
}

struct OkWeg {
    const char* tag;
    const char* fokusVorher;  // in the options window
    enum { Klick, Enter, Leertaste, AltO } wie;
};

class OkSchliesst : public Optionsfenster, public ::testing::WithParamInterface<OkWeg> {};

TEST_P(OkSchliesst, undFokussiertKilometerAlt)
{
    const OkWeg& f = GetParam();
    ASSERT_TRUE(oeffnen());
    t().klicken(Option2);
    t().fokussieren({Fenster::Optionen, f.fokusVorher});
    switch (f.wie) {
    case OkWeg::Klick: t().klicken(cmdOptionOk); break;
    case OkWeg::Enter: t().taste(Taste::Enter); break;
    case OkWeg::Leertaste: t().taste(Taste::Leertaste); break;
    case OkWeg::AltO: t().alt('o'); break;
    }
    EXPECT_TRUE(t().warteBis([] { return !t().geladen(Fenster::Optionen); }));
    EXPECT_TRUE(fokusIn("Verbrauch.txtKMalt")) << t().fokus();
    EXPECT_EQ(t().variable("Währung"), "DM");

    // The next opening loads a fresh window and applies DM again.
    t().textSetzen(txtPreis, "2,00");
    ASSERT_TRUE(oeffnen());
    EXPECT_TRUE(t().gewaehlt(Option2));
    EXPECT_EQ(t().text(txtPreis), "1,76");
}

INSTANTIATE_TEST_SUITE_P(Optionsfenster, OkSchliesst,
                         ::testing::Values(OkWeg{"Klick", "cmdOptionOk", OkWeg::Klick},
                                           OkWeg{"Enter", "cmdOptionOk", OkWeg::Enter},
                                           OkWeg{"Leertaste", "cmdOptionOk", OkWeg::Leertaste},
                                           OkWeg{"AltOvonDerTafel", "Picture1", OkWeg::AltO},
                                           OkWeg{"AltOvonDerOption", "Option2", OkWeg::AltO}),
                         [](const auto& info) { return std::string(info.param.tag); });

TEST_F(Optionsfenster, rahmenSchliesstOhneFokuswechsel)
{
    ASSERT_TRUE(oeffnen());
    t().klicken(Option2);
    // The main window's focus is elsewhere, the options window in front.
    t().aktivieren(Fenster::Verbrauch);
    ASSERT_TRUE(t().warteBis([] { return t().aktiv(Fenster::Verbrauch); }));
    t().fokussieren(txtLiter);
    t().aktivieren(Fenster::Optionen);
    ASSERT_TRUE(t().warteBis([] { return t().aktiv(Fenster::Optionen); }));
    t().rahmenSchliessen(Fenster::Optionen);
    EXPECT_TRUE(t().warteBis([] { return !t().geladen(Fenster::Optionen); }));
    // The main window takes the keyboard again, its focus where it was.
    EXPECT_TRUE(t().warteBis([] { return t().aktiv(Fenster::Verbrauch); }));
    EXPECT_EQ(t().fokus(), "Verbrauch.txtLiter");
    EXPECT_EQ(t().variable("Währung"), "DM");
}

TEST_F(Optionsfenster, beimLadenIstNichtsGewaehlt)
{
    // Referring to the window from code loads it, hidden, with nothing chosen.
    EXPECT_FALSE(t().gewaehlt(Option1));
    EXPECT_FALSE(t().gewaehlt(Option2));
    EXPECT_TRUE(t().geladen(Fenster::Optionen));
    EXPECT_FALSE(t().sichtbar(Fenster::Optionen));
    EXPECT_EQ(t().text(txtPreis), "0,88");
}

class OptionenTab : public Optionsfenster,
                    public ::testing::WithParamInterface<std::tuple<const char*, const char*>> {};

TEST_P(OptionenTab, dieGruppeIstEinHalt)
{
    // Selected by "&Optionen" alone, without the option ever having had the
    // focus, and by the user.
    const auto [waehrung, klick] = GetParam();
    t().währungSetzen(waehrung);
    ASSERT_TRUE(oeffnen());
    if (*klick)
        t().klicken({Fenster::Optionen, klick});
    const std::string option = t().gewaehlt(Option1) ? "Optionen.Option1" : "Optionen.Option2";
    EXPECT_EQ(option,
              *klick                                ? std::string("Optionen.") + klick
                  : std::string(waehrung) == "Euro" ? "Optionen.Option1"
                                                    : "Optionen.Option2");
    t().fokussieren(Tafel);
    std::vector<std::string> vor, zurueck;
    for (int i = 0; i < 3; ++i) {
        t().taste(Taste::Tab);
        vor.push_back(t().fokus());
    }
    EXPECT_EQ(vor, (std::vector<std::string>{option, "Optionen.cmdOptionOk", "Optionen.Picture1"}));
    for (int i = 0; i < 3; ++i) {
        t().taste(Taste::ShiftTab);
        zurueck.push_back(t().fokus());
    }
    EXPECT_EQ(zurueck, (std::vector<std::string>{"Optionen.cmdOptionOk", option, "Optionen.Picture1"}));
}

INSTANTIATE_TEST_SUITE_P(Optionsfenster, OptionenTab,
                         ::testing::Values(std::tuple{"Euro", ""}, std::tuple{"DM", ""}, std::tuple{"Euro", "Option2"},
                                           std::tuple{"DM", "Option1"}),
                         [](const auto& info) {
                             const char* k = std::get<1>(info.param);
                             return std::get<0>(info.param) + (*k ? std::string("_") + k : std::string("_beimOeffnen"));
                         });

// ---- the About window ---------------------------------------------------------------------

class Infofenster : public Fenstertest {
protected:
    static bool ueberInfo(const std::function<void()>& imFenster)
    {
        return t().waehrendInfo([] { t().klicken(cmdinfo); }, imFenster);
    }
};

struct Schliessweg {
    const char* tag;
    bool zugriffstaste;  // opened by Alt+N rather than a click
    enum { Ok, Leertaste, Enter, Escape, Rahmen } wie;
};

class InfoSchliessen : public Infofenster, public ::testing::WithParamInterface<Schliessweg> {};

TEST_P(InfoSchliessen, fokussiertDanachKilometerAlt)
{
    const Schliessweg& f = GetParam();
    t().fokussieren(txtPreis);
    std::string fokusImFenster;
    bool besitzer = false, modal = false;
    const bool zu = t().waehrendInfo(
        [&] {
            if (f.zugriffstaste)
                t().alt('n');
            else
                t().klicken(cmdinfo);
        },
        [&] {
            fokusImFenster = t().fokus();
            besitzer = t().hatBesitzer(Fenster::frmAbout, Fenster::Verbrauch);
            modal = !t().bedienbar(Fenster::Verbrauch);
            switch (f.wie) {
            case Schliessweg::Ok: t().klicken(cmdOK); break;
            case Schliessweg::Leertaste: t().taste(Taste::Leertaste); break;
            case Schliessweg::Enter: t().taste(Taste::Enter); break;
            case Schliessweg::Escape: t().taste(Taste::Escape); break;
            case Schliessweg::Rahmen: t().rahmenSchliessen(Fenster::frmAbout); break;
            }
        });
    EXPECT_TRUE(zu);
    EXPECT_EQ(fokusImFenster, "frmAbout.cmdOK");
    EXPECT_TRUE(besitzer);
    EXPECT_TRUE(modal);
    EXPECT_TRUE(fokusIn("Verbrauch.txtKMalt")) << t().fokus();
    EXPECT_TRUE(t().aktiv(Fenster::Verbrauch));
    EXPECT_TRUE(t().bedienbar(Fenster::Verbrauch));
}

INSTANTIATE_TEST_SUITE_P(Infofenster, InfoSchliessen,
                         ::testing::Values(Schliessweg{"OkGeklickt", false, Schliessweg::Ok},
                                           Schliessweg{"LeertasteAufOk", false, Schliessweg::Leertaste},
                                           Schliessweg{"Enter", false, Schliessweg::Enter},
                                           Schliessweg{"Escape", false, Schliessweg::Escape},
                                           Schliessweg{"Schliessknopf", false, Schliessweg::Rahmen},
                                           Schliessweg{"AltNdannEscape", true, Schliessweg::Escape}),
                         [](const auto& info) { return std::string(info.param.tag); });

TEST_F(Infofenster, festeTexteBeiJedemOeffnen)
{
    for (int mal = 1; mal <= 2; ++mal) {
        std::string gezeigt;
        EXPECT_TRUE(ueberInfo([&] {
            gezeigt = t().text(lblTitle);
            // What one opening changes must not show in the next.
            t().textSetzen(lblTitle, "geändert");
            t().klicken(cmdOK);
        }));
        EXPECT_EQ(gezeigt, "Tankumat");
    }
}

TEST_F(Infofenster, andereFensterNehmenNichtsAn)
{
    // The options window, open beside the main window, is blocked as well.
    t().klicken(cmdOptionen);
    ASSERT_TRUE(t().warteBis([] { return t().sichtbar(Fenster::Optionen); }));
    t().aktivieren(Fenster::Verbrauch);
    ASSERT_TRUE(t().warteBis([] { return t().aktiv(Fenster::Verbrauch); }));
    bool hauptGesperrt = false, optionenGesperrt = false;
    EXPECT_TRUE(ueberInfo([&] {
        hauptGesperrt = !t().bedienbar(Fenster::Verbrauch);
        optionenGesperrt = !t().bedienbar(Fenster::Optionen);
        t().klicken(Berechnen);
        t().klicken(Option2);
        t().leerlauf();
        t().klicken(cmdOK);
    }));
    EXPECT_TRUE(hauptGesperrt);
    EXPECT_TRUE(optionenGesperrt);
    EXPECT_EQ(t().text(lblAusgabe), "");
    EXPECT_EQ(t().variable("Währung"), "Euro");
    EXPECT_FALSE(t().gewaehlt(Option2));
    // The same clicks reach both windows once the About window is gone.
    EXPECT_TRUE(t().bedienbar(Fenster::Verbrauch));
    EXPECT_TRUE(t().bedienbar(Fenster::Optionen));
    t().klicken(Option2);
    EXPECT_EQ(t().variable("Währung"), "DM");
}

// ---- the program as a whole ---------------------------------------------------------------

class Programm : public Fenstertest {};

TEST_F(Programm, endetMitDemHauptfenster)
{
    EXPECT_TRUE(t().endetNach([] { t().rahmenSchliessen(Fenster::Verbrauch); }));
    EXPECT_FALSE(t().geladen(Fenster::Verbrauch));
}

TEST_F(Programm, endetMitDemLetztenFenster)
{
    // The main window goes first; the options window writes into a fresh,
    // hidden one, and the program ends with the options window.
    t().klicken(cmdOptionen);
    ASSERT_TRUE(t().warteBis([] { return t().sichtbar(Fenster::Optionen); }));
    t().rahmenSchliessen(Fenster::Verbrauch);
    ASSERT_TRUE(t().warteBis([] { return !t().geladen(Fenster::Verbrauch); }));
    t().klicken(Option2);
    ASSERT_TRUE(t().geladen(Fenster::Verbrauch));
    EXPECT_FALSE(t().sichtbar(Fenster::Verbrauch));
    EXPECT_EQ(t().variable("Währung"), "DM");
    EXPECT_EQ(t().text(txtPreis), "1,76");
    EXPECT_TRUE(t().endetNach([] { t().klicken(cmdOptionOk); }));
    EXPECT_FALSE(t().geladen(Fenster::Optionen));
    EXPECT_FALSE(t().sichtbar(Fenster::Verbrauch));
}

// ---- what a screen reader is told ---------------------------------------------------------

struct Vorgelesen {
    Ort ort;
    Rolle rolle;
    const char* name;
    const char* beschreibung;
};

std::string tag(const Ort& o)
{
    static const char* fenster[] = {"Verbrauch", "Optionen", "frmAbout"};
    return std::string(fenster[int(o.fenster)]) + "_" + o.name;
}

class Vorlesen : public Fenstertest, public ::testing::WithParamInterface<Vorgelesen> {};

TEST_P(Vorlesen, nameRolleUndBeschreibung)
{
    const Vorgelesen& v = GetParam();
    EXPECT_EQ(t().vorleseName(v.ort), v.name);
    EXPECT_EQ(t().vorleseRolle(v.ort), v.rolle);
    EXPECT_EQ(t().vorleseBeschreibung(v.ort), v.beschreibung);
}

constexpr Fenster V = Fenster::Verbrauch, O = Fenster::Optionen, A = Fenster::frmAbout;

INSTANTIATE_TEST_SUITE_P(
    Alle, Vorlesen,
    ::testing::Values(
        // The main window. Text boxes are named by what they hold and
        // described by its unit, the price by its currency.
        Vorgelesen{{V, "txtKMalt"}, Rolle::Textfeld, "Kilometerstand alt", "in Kilometer"},
        Vorgelesen{{V, "txtKMneu"}, Rolle::Textfeld, "Kilometerstand neu", "in Kilometer"},
        Vorgelesen{{V, "txtLiter"}, Rolle::Textfeld, "Kraftstoff", "in Liter"},
        Vorgelesen{{V, "txtPreis"}, Rolle::Textfeld, "Preis je Liter", "Euro"},
        Vorgelesen{{V, "Picture1"}, Rolle::Bild, "Scheinwerfer bei Nacht", ""},
        Vorgelesen{{V, "Picture2"}, Rolle::Bild, "Rücklicht", ""},
        Vorgelesen{{V, "Picture3"}, Rolle::Bild, "roter Kombi von hinten", ""},
        Vorgelesen{{V, "Picture4"}, Rolle::Bild, "Kombi an der Strandpromenade", ""},
        Vorgelesen{{V, "Picture5"}, Rolle::Bild, "Karosseriefugen", ""},
        Vorgelesen{{V, "Picture6"}, Rolle::Bild, "Kombi vor einem Haus", ""},
        Vorgelesen{{V, "Picture7"}, Rolle::Bild, "Wagen im Schnee", ""},
        Vorgelesen{{V, "Picture8"}, Rolle::Bild, "Innenraum", ""},
        Vorgelesen{{V, "Picture9"}, Rolle::Bild, "leeres Bildfeld", ""},
        Vorgelesen{{V, "Picture10"}, Rolle::Bild, "Klarglasscheinwerfer", ""},
        Vorgelesen{{V, "Picture11"}, Rolle::Bild, "Kombi bei Nacht vor einer Mauer", ""},
        Vorgelesen{{V, "Picture12"}, Rolle::Bild, "Türgriff", ""},
        Vorgelesen{{V, "Picture13"}, Rolle::Bild, "Lichter im Nebel", ""},
        Vorgelesen{{V, "Picture14"}, Rolle::Bild, "Kombi in der Abenddämmerung", ""},
        Vorgelesen{{V, "Picture15"}, Rolle::Bild, "Schloss auf dem Berg", "Schloss Wernigerode"},
        Vorgelesen{{V, "Picture16"}, Rolle::Bild, "roter Kombi von oben", ""},
        Vorgelesen{{V, "Picture17"}, Rolle::Bild, "leeres Bildfeld", ""},
        Vorgelesen{{V, "Picture18"}, Rolle::Bild, "Wagen in einer Kurve", ""},
        Vorgelesen{{V, "Picture19"}, Rolle::Bild, "Kühlergrill", "Kühlergrill mit Markenzeichen"},
        Vorgelesen{{V, "Label1"}, Rolle::Text, "Label1", ""}, Vorgelesen{{V, "Label2"}, Rolle::Text, "Sprittafel", ""},
        Vorgelesen{{V, "Label3"}, Rolle::Text, "Kilometerstand alt", ""},
        Vorgelesen{{V, "Label4"}, Rolle::Text, "Kilometerstand neu", ""},
        Vorgelesen{{V, "Label5"}, Rolle::Text, "Kraftstoff ", ""},
        Vorgelesen{{V, "Berechnen"}, Rolle::Knopf, "Berechnen", "Hier klicken zum Berechnen!"},
        Vorgelesen{{V, "lblAusgabe"}, Rolle::Text, "", ""}, Vorgelesen{{V, "Label7"}, Rolle::Text, "Kilometer", ""},
        Vorgelesen{{V, "Label6"}, Rolle::Text, "Kilometer", ""}, Vorgelesen{{V, "Label8"}, Rolle::Text, "Liter", ""},
        Vorgelesen{{V, "Label9"}, Rolle::Text, "Euro", ""},
        Vorgelesen{{V, "Label10"}, Rolle::Text, "Preis / Liter", ""},
        Vorgelesen{{V, "cmdWeiter"}, Rolle::Knopf, "weiter?", ""},
        Vorgelesen{{V, "cmdOptionen"}, Rolle::Knopf, "Optionen", "Euro oder DM?"},
        Vorgelesen{{V, "cmdinfo"}, Rolle::Knopf, "Info", "Informationen!"},
        // The currency window: the panel is the currency choice, the options'
        // own captions are empty or out of sight.
        Vorgelesen{{O, "Picture1"}, Rolle::Gruppe, "Währung", ""},
        Vorgelesen{{O, "Option1"}, Rolle::Auswahl, "Euro", ""}, Vorgelesen{{O, "Option2"}, Rolle::Auswahl, "DM", ""},
        Vorgelesen{{O, "Label1"}, Rolle::Text, " EURO", "Euro als Währung"},
        Vorgelesen{{O, "Label2"}, Rolle::Text, "DM", "DM als Währung"},
        Vorgelesen{{O, "cmdOptionOk"}, Rolle::Knopf, "Ok", ""},
        // The About window.
        Vorgelesen{{A, "cmdOK"}, Rolle::Knopf, "OK", ""},
        Vorgelesen{{A, "Label1"}, Rolle::Text, "Programmiert vom Zapfkontor-Team im Mai 2003", ""},
        Vorgelesen{{A, "lblDescription"},
                   Rolle::Text,
                   "Dieses kleine Tool berechnet den Durchschnittsverbrauch von Fahrzeugen und gibt die Kosten auf "
                   "100 Kilometer bezogen an.",
                   ""},
        Vorgelesen{{A, "lblTitle"}, Rolle::Text, "Tankumat", ""},
        Vorgelesen{{A, "lblVersion"}, Rolle::Text, "Version 1.03", ""},
        Vorgelesen{{A, "lblDisclaimer"}, Rolle::Text, "Freeware", "Software zum Nulltarif"}),
    [](const auto& info) { return tag(info.param.ort); });

TEST_F(Hauptfenster, ergebnisIstDieBeschreibungVonWeiter)
{
    // A screen reader speaks the focused button's description: the sentence.
    t().klicken(Berechnen);
    ASSERT_TRUE(t().warteBis(ergebnisGezeigt));
    EXPECT_EQ(t().fokus(), "Verbrauch.cmdWeiter");
    EXPECT_EQ(t().vorleseBeschreibung(cmdWeiter), beispielSatz);
    EXPECT_EQ(t().vorleseName(lblAusgabe), beispielSatz);
    t().klicken(cmdWeiter);
    EXPECT_EQ(t().vorleseBeschreibung(cmdWeiter), "");
}

TEST_F(Infofenster, oeffnenSagtJedenTextEinmalInLeserichtung)
{
    std::string gesagt;
    EXPECT_TRUE(ueberInfo([&] {
        gesagt = t().fensterBeschreibung(Fenster::frmAbout);
        t().klicken(cmdOK);
    }));
    EXPECT_EQ(gesagt,
              "Tankumat. Version 1.03. Dieses kleine Tool berechnet den Durchschnittsverbrauch von Fahrzeugen "
              "und gibt die Kosten auf 100 Kilometer bezogen an. Programmiert vom Zapfkontor-Team im Mai "
              "2003. Freeware.");
}

TEST_F(Hauptfenster, preisBeschreibtDieWaehrung)
{
    t().klicken(cmdOptionen);
    ASSERT_TRUE(t().warteBis([] { return t().sichtbar(Fenster::Optionen); }));
    t().klicken(Option2);
    EXPECT_EQ(t().vorleseBeschreibung(txtPreis), "DM");
}

}  // namespace
