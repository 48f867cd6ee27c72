#include "verbrauchsrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace rechnung {
namespace {

const Zahlenformat deutsch = deutschesZahlenformat();
const Zahlenformat englisch{".", ","};
const Zahlenformat geschuetztesLeerzeichen{",", "\u00A0"};
const Zahlenformat gleicheZeichen{",", ","};
const Zahlenformat arabisch{"\u066B", "\u066C"};

// The messages letter by letter, blanks counted, as the user reads them.
constexpr std::string_view keineZahl = "      Bitte nur Zahlen Eingeben!";        // six blanks
constexpr std::string_view keineZahlLiter = "       Bitte nur Zahlen Eingeben!";  // seven blanks
constexpr std::string_view eingabefehler = "              * Eingabefehler! * ";   // fourteen, one
constexpr std::string_view fahrstreckeNull = "Die Fahrstrecke ist 0 Kilometer!";
constexpr std::string_view kilometerstandZuGross = "Der Kilometerstand ist zu groß!";
constexpr std::string_view fahrstreckeZuGross = "Die Fahrstrecke ist zu groß!";
constexpr std::string_view ergebnisZuGross = "Das Ergebnis ist zu groß!";

const std::string megabyteEinsen(1'000'000, '1');
const std::string nullen307(307, '0');

template <typename Fall>
std::string fallName(const testing::TestParamInfo<Fall>& info) {
    return info.param.name;
}

// ---------------------------------------------------------------- alsZahl

struct ZahlFall {
    const char* name;
    std::string text;
    Zahlenformat format;
    std::optional<double> erwartet;
};
void PrintTo(const ZahlFall& fall, std::ostream* os) { *os << fall.name; }

class ZahlLesen : public testing::TestWithParam<ZahlFall> {};

TEST_P(ZahlLesen, liefertDenNaechstenDoubleOderKeineZahl) {
    const ZahlFall& fall = GetParam();
    const std::optional<double> wert = alsZahl(fall.text, fall.format);
    ASSERT_EQ(wert.has_value(), fall.erwartet.has_value());
    if (wert) {
        EXPECT_EQ(*wert, *fall.erwartet);
    }
}

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Gueltig, ZahlLesen,
    testing::Values(
        ZahlFall{"ganzeZahl", "55", deutsch, 55},
        ZahlFall{"leerzeichenDavorUndDanach", "  55  ", deutsch, 55},
        ZahlFall{"plus", "+55", deutsch, 55},
        ZahlFall{"minus", "-5", deutsch, -5},
        ZahlFall{"dezimalkomma", "0,88", deutsch, 0.88},
        ZahlFall{"zehntelNaechsterDouble", "0,1", deutsch, 0.1},
        ZahlFall{"nurGanzerTeil", "5,", deutsch, 5},
        ZahlFall{"nurBruchteil", ",5", deutsch, 0.5},
        ZahlFall{"minusNurBruchteil", "-,5", deutsch, -0.5},
        ZahlFall{"fuehrendeNullen", "00055", deutsch, 55},
        ZahlFall{"punktIstGruppenzeichen", "0.88", deutsch, 88},
        ZahlFall{"tausender", "1.234", deutsch, 1234},
        ZahlFall{"tausenderMitKomma", "8.211,5", deutsch, 8211.5},
        ZahlFall{"mehrereGruppen", "1.234.567,89", deutsch, 1234567.89},
        ZahlFall{"gruppenzeichenDoppelt", "1..2", deutsch, 12},
        ZahlFall{"gruppenzeichenVorKomma", "1.,5", deutsch, 1.5},
        ZahlFall{"gruppenzeichenAmEnde", "1. ", deutsch, 1},
        ZahlFall{"halbwegsZurGeradenMantisse", "9007199254740993", deutsch, 9007199254740992.0},
        ZahlFall{"einsMit307Nullen", "1" + nullen307, deutsch, 1e307}),
    fallName<ZahlFall>);
// clang-format on

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Ungueltig, ZahlLesen,
    testing::Values(
        ZahlFall{"leer", "", deutsch, std::nullopt},
        ZahlFall{"nurLeerzeichen", "   ", deutsch, std::nullopt},
        ZahlFall{"nurKomma", ",", deutsch, std::nullopt},
        ZahlFall{"nurMinus", "-", deutsch, std::nullopt},
        ZahlFall{"nurPlus", "+", deutsch, std::nullopt},
        ZahlFall{"leerzeichenNachVorzeichen", "- 5", deutsch, std::nullopt},
        ZahlFall{"vorzeichenZwischenLeerzeichen", " - 5", deutsch, std::nullopt},
        ZahlFall{"doppeltesMinus", "--5", deutsch, std::nullopt},
        ZahlFall{"plusMinus", "+-5", deutsch, std::nullopt},
        ZahlFall{"nachgestelltesMinus", "5-", deutsch, std::nullopt},
        ZahlFall{"buchstabeNachLeerzeichen", "5 a", deutsch, std::nullopt},
        ZahlFall{"buchstaben", "abc", deutsch, std::nullopt},
        ZahlFall{"leerzeichenInDerZahl", "5 5", deutsch, std::nullopt},
        ZahlFall{"zweiKommas", "1,2,3", deutsch, std::nullopt},
        ZahlFall{"gruppenzeichenNachKomma", "1,2.3", deutsch, std::nullopt},
        ZahlFall{"gruppenzeichenZuerst", ".5", deutsch, std::nullopt},
        ZahlFall{"gruppenzeichenNachVorzeichen", "-.5", deutsch, std::nullopt},
        ZahlFall{"exponentKlein", "1e5", deutsch, std::nullopt},
        ZahlFall{"exponentGross", "1E5", deutsch, std::nullopt},
        ZahlFall{"hexadezimal", "0x10", deutsch, std::nullopt},
        ZahlFall{"euroZeichenDanach", "5\u20AC", deutsch, std::nullopt},
        ZahlFall{"euroZeichenDavor", "\u20AC5", deutsch, std::nullopt},
        ZahlFall{"klammern", "(5)", deutsch, std::nullopt},
        ZahlFall{"vollbreiteZiffern", "\uFF15\uFF15", deutsch, std::nullopt},
        ZahlFall{"arabischIndischeZiffern", "\u0665\u0665", deutsch, std::nullopt},
        ZahlFall{"geschuetztesLeerzeichenDavor", "\u00A0" "55", deutsch, std::nullopt},
        ZahlFall{"geschuetztesLeerzeichenDanach", "55\u00A0", deutsch, std::nullopt},
        ZahlFall{"tabulatorDavor", "\t55", deutsch, std::nullopt},
        ZahlFall{"tabulatorDanach", "55\t", deutsch, std::nullopt},
        ZahlFall{"zeilenumbruch", "55\n", deutsch, std::nullopt},
        ZahlFall{"steuerzeichen", "\x01" "55", deutsch, std::nullopt},
        ZahlFall{"nullzeichen", std::string("5\0", 2), deutsch, std::nullopt},
        ZahlFall{"jenseitsDesDoubles", "1" + std::string(400, '0'), deutsch, std::nullopt},
        ZahlFall{"kleinerAlsJederDouble", "0," + std::string(400, '0') + "1", deutsch,
                 std::nullopt}),
    fallName<ZahlFall>);
// clang-format on

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AndereFormate, ZahlLesen,
    testing::Values(
        ZahlFall{"englischDezimalpunkt", "0.88", englisch, 0.88},
        ZahlFall{"englischKommaIstGruppenzeichen", "0,88", englisch, 88},
        ZahlFall{"englischTausender", "1,234.5", englisch, 1234.5},
        ZahlFall{"englischGruppenzeichenNachPunkt", "1.2,3", englisch, std::nullopt},
        ZahlFall{"nbspTausender", "1\u00A0" "234,5", geschuetztesLeerzeichen, 1234.5},
        ZahlFall{"nbspNurErstesByte", "1\xC2" "234", geschuetztesLeerzeichen, std::nullopt},
        ZahlFall{"nbspPunktIstFremd", "1.234", geschuetztesLeerzeichen, std::nullopt},
        ZahlFall{"gleicheZeichenKommaIstDezimal", "1,5", gleicheZeichen, 1.5},
        ZahlFall{"gleicheZeichenZweiKommas", "1,2,3", gleicheZeichen, std::nullopt},
        ZahlFall{"arabischeTrennzeichen", "1\u066C" "234\u066B" "5", arabisch, 1234.5}),
    fallName<ZahlFall>);
// clang-format on

// A megabyte must neither take long nor fool the syntax check at its far end.
// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    LangeTexte, ZahlLesen,
    testing::Values(
        ZahlFall{"megabyteZiffernJenseitsDesDoubles", megabyteEinsen, deutsch, std::nullopt},
        ZahlFall{"megabyteZiffernMitBuchstabe", megabyteEinsen + "a", deutsch, std::nullopt},
        ZahlFall{"megabyteNachkommastellen", "0," + megabyteEinsen, deutsch, 0.1111111111111111},
        ZahlFall{"megabyteFuehrendeNullen", std::string(1'000'000, '0') + "5", deutsch, 5},
        ZahlFall{"megabyteGruppenzeichen", "1" + std::string(1'000'000, '.'), deutsch, 1},
        ZahlFall{"megabyteLeerzeichen",
                 std::string(1'000'000, ' ') + "5" + std::string(1'000'000, ' '), deutsch, 5}),
    fallName<ZahlFall>);
// clang-format on

// ---------------------------------------------------------------- runden

struct RundenFall {
    const char* name;
    double wert;
    int dezimalen;
    double erwartet;
};
void PrintTo(const RundenFall& fall, std::ostream* os) { *os << fall.name; }

class Runden : public testing::TestWithParam<RundenFall> {};

TEST_P(Runden, rundetHalbeZurGeradenNachDemExaktenWert) {
    EXPECT_EQ(runden(GetParam().wert, GetParam().dezimalen), GetParam().erwartet);
}

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    GanzeZahlen, Runden,
    testing::Values(RundenFall{"halbeAbZurGeraden", 2.5, 0, 2},
                    RundenFall{"halbeAufZurGeraden", 3.5, 0, 4},
                    RundenFall{"nullKommaFuenf", 0.5, 0, 0},
                    RundenFall{"negativeHalbeAb", -2.5, 0, -2},
                    RundenFall{"negativeHalbeAuf", -3.5, 0, -4},
                    RundenFall{"kilometerHalbeAuf", 8211.5, 0, 8212},
                    RundenFall{"kilometerHalbeAb", 8210.5, 0, 8210},
                    RundenFall{"knappUeberHalb", 2.5000000000000004, 0, 3},
                    RundenFall{"knappUnterHalb", 3.4999999999999996, 0, 3},
                    RundenFall{"schonGanz", 754, 0, 754},
                    RundenFall{"jenseitsInt32", 4294967296.5, 0, 4294967296}),
    fallName<RundenFall>);
// clang-format on

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Dezimalen, Runden,
    testing::Values(RundenFall{"exaktHalbAbZurGeraden", 0.125, 2, 0.12},
                    RundenFall{"exaktHalbAufZurGeraden", 0.375, 2, 0.38},
                    RundenFall{"scheinbarHalbLiegtDarunter", 1.005, 2, 1},
                    RundenFall{"scheinbarHalbZweiKommaSechs", 2.675, 2, 2.67},
                    RundenFall{"kostenDesBeispiels", 6.4190981432360745, 2, 6.42},
                    RundenFall{"verbrauchDesBeispiels", 7.294429708222812, 2, 7.29},
                    RundenFall{"uebertragInsGanze", 99.999, 2, 100},
                    RundenFall{"negativNahNull", -0.001, 2, 0},
                    RundenFall{"riesigBleibt", 1e300, 2, 1e300},
                    RundenFall{"kleinsterDoubleWirdNull", 5e-324, 2, 0},
                    RundenFall{"vieleDezimalen", 0.1, 20, 0.1},
                    RundenFall{"kleinsterDoubleTiefGerundet", 5e-324, 400, 5e-324}),
    fallName<RundenFall>);
// clang-format on

TEST(RundenNichtEndlich, gehtUnveraendertDurch) {
    EXPECT_EQ(runden(std::numeric_limits<double>::infinity(), 2),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(runden(-std::numeric_limits<double>::infinity(), 0),
              -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(runden(std::numeric_limits<double>::quiet_NaN(), 2)));
}

// ---------------------------------------------------------------- alsText

struct TextFall {
    const char* name;
    double zahl;
    Zahlenformat format;
    const char* erwartet;
};
void PrintTo(const TextFall& fall, std::ostream* os) { *os << fall.name; }

class KommazahlSchreiben : public testing::TestWithParam<TextFall> {};

TEST_P(KommazahlSchreiben, schreibtHoechstensFuenfzehnStellen) {
    EXPECT_EQ(alsText(GetParam().zahl, GetParam().format), GetParam().erwartet);
}

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Festkomma, KommazahlSchreiben,
    testing::Values(TextFall{"zweiStellen", 7.29, deutsch, "7,29"},
                    TextFall{"eineStelle", 7.3, deutsch, "7,3"},
                    TextFall{"ohneNachkomma", 7.0, deutsch, "7"},
                    TextFall{"kostenDM", 12.84, deutsch, "12,84"},
                    TextFall{"summeMitRundungsfehler", 0.1 + 0.2, deutsch, "0,3"},
                    TextFall{"negativ", -7.29, deutsch, "-7,29"},
                    TextFall{"null", 0.0, deutsch, "0"},
                    TextFall{"negativeNull", -0.0, deutsch, "0"},
                    TextFall{"fuenfzehnStellen", 123456789.123456789, deutsch, "123456789,123457"},
                    TextFall{"keineGruppierung", 1234567.5, deutsch, "1234567,5"},
                    TextFall{"groessteOhneExponent", 999999999999999.0, deutsch, "999999999999999"},
                    TextFall{"kleinsteOhneExponent", 0.0001, deutsch, "0,0001"},
                    TextFall{"englisch", 7.29, englisch, "7.29"},
                    TextFall{"mehrbyteDezimaltrenner", 7.29, arabisch, "7\u066B" "29"}),
    fallName<TextFall>);
// clang-format on

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Exponent, KommazahlSchreiben,
    testing::Values(TextFall{"abEinsE15", 1e15, deutsch, "1E+15"},
                    TextFall{"mantisseMitKomma", 1.5e15, deutsch, "1,5E+15"},
                    TextFall{"aufgerundetAufE15", 999999999999999.9, deutsch, "1E+15"},
                    TextFall{"dreistellig", 1e100, deutsch, "1E+100"},
                    TextFall{"klein", 0.00002, deutsch, "2E-05"},
                    TextFall{"kleinNegativ", -0.00002, deutsch, "-2E-05"},
                    TextFall{"kleinsterDouble", 5e-324, deutsch, "4,94065645841247E-324"},
                    TextFall{"englisch", 1.5e15, englisch, "1.5E+15"}),
    fallName<TextFall>);
// clang-format on

TEST(GanzzahlSchreiben, ziffernUndMinus) {
    const struct {
        const char* name;
        std::int32_t zahl;
        const char* erwartet;
    } faelle[] = {
        {"null", 0, "0"},
        {"positiv", 754, "754"},
        {"negativ", -5, "-5"},
        {"groesste", std::numeric_limits<std::int32_t>::max(), "2147483647"},
        {"kleinste", std::numeric_limits<std::int32_t>::min(), "-2147483648"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        EXPECT_EQ(alsText(fall.zahl), fall.erwartet);
    }
}

// ---------------------------------------------------------------- berechne

Eingaben eingaben(std::string_view kmAlt, std::string_view kmNeu, std::string_view liter,
                  std::string_view preis, std::string_view waehrung = "Euro") {
    return Eingaben{kmAlt, kmNeu, liter, preis, waehrung};
}

void erwarteStaende(const std::optional<Kilometerstaende>& staende,
                    std::optional<std::pair<std::int32_t, std::int32_t>> altNeu) {
    ASSERT_EQ(staende.has_value(), altNeu.has_value());
    if (!staende) return;
    EXPECT_EQ(staende->kilometerAlt, altNeu->first);
    EXPECT_EQ(staende->kilometerNeu, altNeu->second);
}

struct FehlerFall {
    const char* name;
    std::string kmAlt, kmNeu, liter, preis;
    std::string_view meldung;
    Feld fokus;
    std::optional<std::pair<std::int32_t, std::int32_t>> staende;
};
void PrintTo(const FehlerFall& fall, std::ostream* os) { *os << fall.name; }

class BerechnenFehler : public testing::TestWithParam<FehlerFall> {};

TEST_P(BerechnenFehler, meldetDenErstenFehlerMitFokus) {
    const FehlerFall& fall = GetParam();
    const Berechnung b =
        berechne(eingaben(fall.kmAlt, fall.kmNeu, fall.liter, fall.preis), deutsch);
    ASSERT_NE(b.fehler(), nullptr);
    EXPECT_EQ(b.fehler()->meldung, fall.meldung);
    EXPECT_EQ(b.fehler()->fokus, fall.fokus);
    erwarteStaende(b.staende, fall.staende);
}

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Reihenfolge, BerechnenFehler,
    testing::Values(
        FehlerFall{"allesLeerNeuerStandZuerst", "", "", "", "", keineZahl, Feld::KMneu,
                   std::nullopt},
        FehlerFall{"nurNeuerStandGueltig", "", "8965", "", "", keineZahl, Feld::KMalt,
                   std::nullopt},
        FehlerFall{"preisVorLiter", "8211", "8965", "x", "x", keineZahl, Feld::Preis,
                   std::nullopt},
        FehlerFall{"nurLiterLeerSiebenLeerzeichen", "8211", "8965", "", "0,88",
                   keineZahlLiter, Feld::Liter, std::nullopt},
        FehlerFall{"zahlVorGroesse", "abc", "2147483648", "55", "0,88", keineZahl,
                   Feld::KMalt, std::nullopt},
        FehlerFall{"zahlVorReihenfolge", "10", "5", "55", "x", keineZahl, Feld::Preis,
                   std::nullopt},
        FehlerFall{"neuerStandMegabyteZiffern", "0", megabyteEinsen, "55", "0,88",
                   keineZahl, Feld::KMneu, std::nullopt}),
    fallName<FehlerFall>);
// clang-format on

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Kilometerstaende, BerechnenFehler,
    testing::Values(
        FehlerFall{"neuerStandZuGross", "0", "2147483648", "55", "0,88",
                   kilometerstandZuGross, Feld::KMneu, std::nullopt},
        FehlerFall{"neuerStandHalbAufZuGross", "0", "2147483647,5", "55", "0,88",
                   kilometerstandZuGross, Feld::KMneu, std::nullopt},
        FehlerFall{"alterStandZuKlein", "-2147483649", "0", "55", "0,88",
                   kilometerstandZuGross, Feld::KMalt, std::nullopt},
        FehlerFall{"beideZuGrossNeuerZuerst", "-2147483649", "2147483648", "55", "0,88",
                   kilometerstandZuGross, Feld::KMneu, std::nullopt},
        FehlerFall{"neuKleinerAlt", "8965", "8211", "55", "0,88", eingabefehler,
                   Feld::KMalt, std::pair{8965, 8211}},
        FehlerFall{"neuKleinerAltNachRunden", "8211,5", "8210,5", "55", "0,88",
                   eingabefehler, Feld::KMalt, std::pair{8212, 8210}},
        FehlerFall{"gleicheStaende", "8211", "8211", "55", "0,88", fahrstreckeNull,
                   Feld::KMneu, std::pair{8211, 8211}},
        FehlerFall{"gleichNachRunden", "8210,6", "8211,4", "55", "0,88",
                   fahrstreckeNull, Feld::KMneu, std::pair{8211, 8211}},
        FehlerFall{"fahrstreckeZuGross", "-2000000000", "2000000000", "55", "0,88",
                   fahrstreckeZuGross, Feld::KMneu,
                   std::pair{-2000000000, 2000000000}},
        FehlerFall{"fahrstreckeUmEinsZuGross", "-2147483648,5", "0", "55", "0,88",
                   fahrstreckeZuGross, Feld::KMneu,
                   std::pair{std::numeric_limits<std::int32_t>::min(), 0}}),
    fallName<FehlerFall>);
// clang-format on

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Ergebnis, BerechnenFehler,
    testing::Values(
        FehlerFall{"literJenseitsDesDoubles", "0", "1", "1" + std::string(400, '0'), "1",
                   keineZahlLiter, Feld::Liter, std::nullopt},
        FehlerFall{"verbrauchUnendlich", "0", "1", "1" + nullen307, "1",
                   ergebnisZuGross, Feld::Liter, std::pair{0, 1}},
        FehlerFall{"nurKostenUnendlich", "0", "1", "1" + std::string(306, '0'), "10",
                   ergebnisZuGross, Feld::Liter, std::pair{0, 1}}),
    fallName<FehlerFall>);
// clang-format on

struct ErgebnisFall {
    const char* name;
    std::string kmAlt, kmNeu, liter, preis;
    Zahlenformat format;
    std::pair<std::int32_t, std::int32_t> staende;
    std::int32_t fahrKilometer;
    double durchVerbrauch;
    double kosten;
};
void PrintTo(const ErgebnisFall& fall, std::ostream* os) { *os << fall.name; }

class BerechnenErgebnis : public testing::TestWithParam<ErgebnisFall> {};

TEST_P(BerechnenErgebnis, liefertGerundeteWerte) {
    const ErgebnisFall& fall = GetParam();
    const Berechnung b =
        berechne(eingaben(fall.kmAlt, fall.kmNeu, fall.liter, fall.preis), fall.format);
    ASSERT_NE(b.ergebnis(), nullptr) << b.fehler()->meldung;
    const Ergebnis& e = *b.ergebnis();
    erwarteStaende(e.staende, fall.staende);
    erwarteStaende(b.staende, fall.staende);
    EXPECT_EQ(e.fahrKilometer, fall.fahrKilometer);
    EXPECT_EQ(e.durchVerbrauch, fall.durchVerbrauch);
    EXPECT_EQ(e.kosten, fall.kosten);
}

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Beispiele, BerechnenErgebnis,
    testing::Values(
        ErgebnisFall{"euro", "8211", "8965", "55", "0,88", deutsch, {8211, 8965}, 754, 7.29, 6.42},
        ErgebnisFall{"dm", "8211", "8965", "55", "1,76", deutsch, {8211, 8965}, 754, 7.29, 12.84},
        ErgebnisFall{"preisMitGruppenzeichenHundertfach", "8211", "8965", "55", "0.88", deutsch,
                     {8211, 8965}, 754, 7.29, 641.91},
        ErgebnisFall{"englischesFormat", "8,211", "8,965", "55", "0.88", englisch, {8211, 8965},
                     754, 7.29, 6.42},
        ErgebnisFall{"leerzeichenUndPlus", " 8211 ", "+8965", "  55  ", "0,88 ", deutsch,
                     {8211, 8965}, 754, 7.29, 6.42}),
    fallName<ErgebnisFall>);
// clang-format on

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rundung, BerechnenErgebnis,
    testing::Values(
        ErgebnisFall{"alterStandHalbAuf", "8211,5", "8965", "55", "0,88", deutsch, {8212, 8965},
                     753, 7.3, 6.43},
        ErgebnisFall{"alterStandHalbAb", "8210,5", "8965", "55", "0,88", deutsch, {8210, 8965},
                     755, 7.28, 6.41},
        ErgebnisFall{"verbrauchExaktHalbAb", "0", "100", "0,125", "1", deutsch, {0, 100}, 100,
                     0.12, 0.12},
        ErgebnisFall{"verbrauchExaktHalbAuf", "0", "100", "0,375", "1", deutsch, {0, 100}, 100,
                     0.38, 0.38},
        ErgebnisFall{"verbrauchScheinbarHalb", "0", "100", "1,005", "1", deutsch, {0, 100}, 100,
                     1, 1},
        // Rounded first, 33,33 would give 99,99 and 33330.
        ErgebnisFall{"kostenAusUngerundetemVerbrauch", "0", "3", "1", "3", deutsch, {0, 3}, 3,
                     33.33, 100},
        ErgebnisFall{"kostenAusUngerundetemVerbrauchHoherPreis", "0", "3", "1", "1000", deutsch,
                     {0, 3}, 3, 33.33, 33333.33}),
    fallName<ErgebnisFall>);
// clang-format on

// One case a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Grenzen, BerechnenErgebnis,
    testing::Values(
        ErgebnisFall{"negativeLiter", "0", "100", "-5", "1", deutsch, {0, 100}, 100, -5, -5},
        ErgebnisFall{"nullLiter", "0", "100", "0", "1", deutsch, {0, 100}, 100, 0, 0},
        ErgebnisFall{"negativerPreis", "0", "100", "5", "-2", deutsch, {0, 100}, 100, 5, -10},
        ErgebnisFall{"groessteFahrstrecke", "0", "2147483647", "2147483647", "1", deutsch,
                     {0, 2147483647}, 2147483647, 100, 100},
        ErgebnisFall{"groessteFahrstreckeNegativ", "-2147483648", "-1", "2147483647", "1",
                     deutsch, {std::numeric_limits<std::int32_t>::min(), -1}, 2147483647, 100,
                     100},
        ErgebnisFall{"standKnappUnterGrenze", "2147483547", "2147483647,4", "5", "1", deutsch,
                     {2147483547, 2147483647}, 100, 5, 5}),
    fallName<ErgebnisFall>);
// clang-format on

TEST(BerechnenSatz, vierZeilenMitZahlenUndWaehrung) {
    const struct {
        const char* name;
        Eingaben eingaben;
        Zahlenformat format;
        const char* satz;
    } faelle[] = {
        {"euro",
         eingaben("8211", "8965", "55", "0,88", "Euro"),
         deutsch,
         " Für die Fahrstrecke von \r\n754  Km wurden durchschnittlich \r\n7,29 Liter verbraucht! "
         "Die Kosten auf 100 \r\nKilometer betragen 6,42 Euro !"},
        {"dm",
         eingaben("8211", "8965", "55", "1,76", "DM"),
         deutsch,
         " Für die Fahrstrecke von \r\n754  Km wurden durchschnittlich \r\n7,29 Liter verbraucht! "
         "Die Kosten auf 100 \r\nKilometer betragen 12,84 DM !"},
        {"englisch",
         eingaben("8211", "8965", "55", "0.88", "Euro"),
         englisch,
         " Für die Fahrstrecke von \r\n754  Km wurden durchschnittlich \r\n7.29 Liter verbraucht! "
         "Die Kosten auf 100 \r\nKilometer betragen 6.42 Euro !"},
        {"negativeNullAlsNull",
         eingaben("0", "100", "-0,001", "1", "Euro"),
         deutsch,
         " Für die Fahrstrecke von \r\n100  Km wurden durchschnittlich \r\n0 Liter verbraucht! "
         "Die Kosten auf 100 \r\nKilometer betragen 0 Euro !"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Berechnung b = berechne(fall.eingaben, fall.format);
        ASSERT_NE(b.ergebnis(), nullptr);
        EXPECT_EQ(b.ergebnis()->satz, fall.satz);
    }
}

TEST(Preise, inDenDeutschenKonventionenWieEntworfen) {
    EXPECT_EQ(euro.name, "Euro");
    EXPECT_EQ(dm.name, "DM");
    EXPECT_EQ(preisText(euro, deutsch), "0,88");
    EXPECT_EQ(preisText(dm, deutsch), "1,76");
    EXPECT_EQ(preisText(euro, englisch), "0.88");
}

TEST(Preise, lesenSichInJedenKonventionenAlsSieSelbst) {
    const Zahlenformat schweiz{".", "\u2019"};
    for (const Zahlenformat& format :
         {deutsch, englisch, schweiz, geschuetztesLeerzeichen, arabisch}) {
        for (const Waehrung& w : waehrungen) {
            SCOPED_TRACE(preisText(w, format));
            EXPECT_EQ(alsZahl(preisText(w, format), format), w.preis);
        }
    }
}

}  // namespace
}  // namespace rechnung
