// The consumption calculation behind the main window's "&Berechnen" button.
//
// Everything here is free of the GUI toolkit: the window hands over its four
// texts, the currency name and the user's number conventions, and gets back
// either the figures with the finished sentence, or the message to show and
// the field to put the focus into.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace rechnung {

// How numbers are written in the user's region. Both marks are UTF-8 and may
// be longer than one byte (a non-breaking space as grouping mark, say).
struct Zahlenformat {
    std::string dezimaltrennzeichen = ",";
    std::string gruppierungszeichen = ".";
};

// German conventions: decimal comma, point as grouping mark.
inline Zahlenformat deutschesZahlenformat() { return {}; }

// Reads a text as a number. A text is a number when it is: optional blanks,
// an optional sign, digits (grouping marks allowed between and after them in
// the whole part), at most one decimal separator with digits, optional blanks;
// at least one digit in all. The value is the double nearest to the decimal
// number written. Anything else, or a value beyond the range of a double, is
// not a number.
std::optional<double> alsZahl(std::string_view text, const Zahlenformat& format);

// Rounds to the given number of decimals (0 for whole numbers; never negative),
// a value lying exactly halfway going to the even neighbour. "Exactly halfway"
// is decided on the double's exact binary value, so 0.125 rounds to 0.12 but
// 1.005 (really 1.00499999999999989...) rounds to 1. Non-finite values pass
// through unchanged.
double runden(double wert, int dezimalen);

// Writes a whole number: its digits, a minus sign before a negative one.
std::string alsText(std::int32_t zahl);

// Writes a double with the decimal separator of the format, no grouping, up to
// 15 significant digits and no trailing zeros (7,29; 7,3; 7). From 1E15 on and
// below 1E-4 in magnitude it is written in exponent form: 1,5E+15, 2E-05.
std::string alsText(double zahl, const Zahlenformat& format);

// The currencies a price per litre can be given in, with the price the
// program proposes for each. The first is the one the program starts with.
struct Waehrung {
    std::string_view name;
    double preis;  // per litre
};
inline constexpr Waehrung waehrungen[] = {
    {.name = "Euro", .preis = 0.88},
    {.name = "DM", .preis = 1.76},
};
inline constexpr const Waehrung& euro = waehrungen[0];
inline constexpr const Waehrung& dm = waehrungen[1];

// The proposed price as text, in the given conventions, written as results
// are, so it always reads back as itself: "0,88" in German, "0.88" in English.
std::string preisText(const Waehrung& waehrung, const Zahlenformat& format);

// The text box a message sends the user back to.
enum class Feld { KMalt, KMneu, Liter, Preis };

struct Fehler {
    std::string meldung;
    Feld fokus;
};

// The two readings as whole kilometres, once both have been converted.
struct Kilometerstaende {
    std::int32_t kilometerAlt;
    std::int32_t kilometerNeu;
};

struct Ergebnis {
    Kilometerstaende staende;
    std::int32_t fahrKilometer;
    double durchVerbrauch;  // litres per 100 km, rounded to two decimals
    double kosten;          // cost per 100 km, rounded to two decimals
    std::string satz;       // the four-line sentence, lines joined by CR LF
};

struct Eingaben {
    std::string_view kmAlt;
    std::string_view kmNeu;
    std::string_view liter;
    std::string_view preis;
    std::string_view waehrung;
};

// The outcome of one press of "&Berechnen". On a failed check `staende` holds
// the readings if they had been converted before the check failed (the main
// window keeps them, as it keeps every figure of a run).
struct Berechnung {
    std::variant<Ergebnis, Fehler> ausgang;
    std::optional<Kilometerstaende> staende;

    const Ergebnis* ergebnis() const { return std::get_if<Ergebnis>(&ausgang); }
    const Fehler* fehler() const { return std::get_if<Fehler>(&ausgang); }
};

// Runs the checks in their fixed order (new reading, old reading, price,
// litres, then the readings themselves) and, when all pass, the calculation.
Berechnung berechne(const Eingaben& eingaben, const Zahlenformat& format);

// The messages, exactly as the user reads them.
namespace meldungen {
inline constexpr std::string_view keineZahl = "      Bitte nur Zahlen Eingeben!";  // six blanks
inline constexpr std::string_view keineZahlLiter =
    "       Bitte nur Zahlen Eingeben!";  // seven blanks
inline constexpr std::string_view eingabefehler = "              * Eingabefehler! * ";
inline constexpr std::string_view fahrstreckeNull = "Die Fahrstrecke ist 0 Kilometer!";
inline constexpr std::string_view kilometerstandZuGross = "Der Kilometerstand ist zu groß!";
inline constexpr std::string_view fahrstreckeZuGross = "Die Fahrstrecke ist zu groß!";
inline constexpr std::string_view ergebnisZuGross = "Das Ergebnis ist zu groß!";
}  // namespace meldungen

}  // namespace rechnung
