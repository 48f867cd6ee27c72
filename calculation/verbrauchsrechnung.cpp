#include "verbrauchsrechnung.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace rechnung {

namespace {

bool istZiffer(char c) { return c >= '0' && c <= '9'; }

// Reads `zeichen` at `pos` and steps over it. An empty mark never matches, so a
// format without a grouping mark simply allows none.
bool liesZeichen(std::string_view text, std::size_t& pos, std::string_view zeichen) {
    if (zeichen.empty() || !text.substr(pos).starts_with(zeichen)) return false;
    pos += zeichen.size();
    return true;
}

// Leaves the conversion to from_chars, so every text gets the double nearest to
// what was written however many digits it has; from_chars only ever sees the
// plain form it cannot misread: an optional minus, digits, a point, digits.
std::optional<double> wertVon(bool negativ, std::string_view ganz, std::string_view bruch) {
    std::string klar;
    klar.reserve(ganz.size() + bruch.size() + 3);
    if (negativ) klar += '-';
    klar += ganz.empty() ? std::string_view("0") : ganz;
    if (!bruch.empty()) {
        klar += '.';
        klar += bruch;
    }
    double wert = 0;
    const auto [ende, fehler] =
        std::from_chars(klar.data(), klar.data() + klar.size(), wert, std::chars_format::fixed);
    // Too large as well as too small to be told from zero: both beyond a double.
    if (fehler != std::errc{} || ende != klar.data() + klar.size()) return std::nullopt;
    return wert;
}

// The two readings are only of use as whole kilometres.
std::optional<std::int32_t> ganzeKilometer(double stand) {
    const double gerundet = runden(stand, 0);
    if (gerundet < std::numeric_limits<std::int32_t>::min() ||
        gerundet > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(gerundet);
}

}  // namespace

std::optional<double> alsZahl(std::string_view text, const Zahlenformat& format) {
    const std::string_view dezimal = format.dezimaltrennzeichen;
    // With both marks alike a text cannot tell them apart; reading the mark as
    // the decimal separator keeps "8,5" meaning eight and a half.
    const std::string_view gruppe = format.gruppierungszeichen == format.dezimaltrennzeichen
        ? std::string_view()
        : format.gruppierungszeichen;
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;

    bool negativ = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negativ = text[pos++] == '-';

    // Digits are collected while reading, with the grouping marks left out.
    std::string ganz;
    bool hatDezimal = false;
    while (pos < text.size()) {
        if (istZiffer(text[pos])) {
            ganz += text[pos++];
        } else if (liesZeichen(text, pos, dezimal)) {
            hatDezimal = true;
            break;
        } else if (ganz.empty() || !liesZeichen(text, pos, gruppe)) {
            break;
        }
    }
    const std::size_t bruchAnfang = pos;
    if (hatDezimal)
        while (pos < text.size() && istZiffer(text[pos])) ++pos;
    const std::string_view bruch = text.substr(bruchAnfang, pos - bruchAnfang);

    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (pos != text.size() || (ganz.empty() && bruch.empty())) return std::nullopt;
    return wertVon(negativ, ganz, bruch);
}

double runden(double wert, int dezimalen) {
    // 1074 decimals hold every double exactly, so there is nothing left to round.
    constexpr int alleDezimalen = 1074;
    if (!std::isfinite(wert) || dezimalen >= alleDezimalen) return wert;

    // The exact decimal expansion: whether a value lies exactly halfway can be
    // read off its digits, with no binary approximation of 0.5 in between.
    char puffer[1 + 309 + 1 + alleDezimalen];
    const auto ende =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, alleDezimalen)
            .ptr;
    std::string_view exakt(puffer, static_cast<std::size_t>(ende - puffer));
    const bool negativ = exakt.front() == '-';
    if (negativ) exakt.remove_prefix(1);
    const std::size_t punkt = exakt.find('.');

    std::string ziffern(exakt.substr(0, punkt));
    ziffern += exakt.substr(punkt + 1, static_cast<std::size_t>(dezimalen));
    const std::string_view rest = exakt.substr(punkt + 1 + static_cast<std::size_t>(dezimalen));

    const char erste = rest.front();
    const bool genauHalb = erste == '5' && rest.find_first_not_of('0', 1) == std::string_view::npos;
    const bool ungerade = (ziffern.back() - '0') % 2 == 1;
    const bool aufrunden = erste > '5' || (erste == '5' && !genauHalb) || (genauHalb && ungerade);
    if (aufrunden) {
        std::size_t i = ziffern.size();
        while (i > 0 && ziffern[i - 1] == '9') ziffern[--i] = '0';
        if (i == 0)
            ziffern.insert(ziffern.begin(), '1');
        else
            ++ziffern[i - 1];
    }
    const std::size_t ganzLaenge = ziffern.size() - static_cast<std::size_t>(dezimalen);
    // Cannot fail: the rounded value is zero or within half a unit of the last
    // kept decimal of a double, which keeps it inside the range of doubles.
    return *wertVon(negativ,
                    std::string_view(ziffern).substr(0, ganzLaenge),
                    std::string_view(ziffern).substr(ganzLaenge));
}

std::string alsText(std::int32_t zahl) { return std::to_string(zahl); }

std::string alsText(double zahl, const Zahlenformat& format) {
    // A result that rounded to nothing from below reads as 0, not as -0.
    if (zahl == 0) zahl = 0;
    // The %g rules give exactly the wanted switch to exponent form (at 1E15 and
    // below 1E-4) and drop trailing zeros; inf and nan come out as they are.
    char puffer[32];
    const auto ende =
        std::to_chars(puffer, puffer + sizeof puffer, zahl, std::chars_format::general, 15).ptr;
    std::string text;
    for (const char c : std::string_view(puffer, static_cast<std::size_t>(ende - puffer))) {
        if (c == '.')
            text += format.dezimaltrennzeichen;
        else
            text += c == 'e' ? 'E' : c;
    }
    return text;
}

std::string preisText(const Waehrung& waehrung, const Zahlenformat& format) {
    return alsText(waehrung.preis, format);
}

Berechnung berechne(const Eingaben& eingaben, const Zahlenformat& format) {
    const auto abbruch = [](std::string_view meldung,
                            Feld fokus,
                            std::optional<Kilometerstaende> staende = std::nullopt) {
        return Berechnung{Fehler{std::string(meldung), fokus}, staende};
    };

    const auto kmNeu = alsZahl(eingaben.kmNeu, format);
    if (!kmNeu) return abbruch(meldungen::keineZahl, Feld::KMneu);
    const auto kmAlt = alsZahl(eingaben.kmAlt, format);
    if (!kmAlt) return abbruch(meldungen::keineZahl, Feld::KMalt);
    const auto preis = alsZahl(eingaben.preis, format);
    if (!preis) return abbruch(meldungen::keineZahl, Feld::Preis);
    const auto liter = alsZahl(eingaben.liter, format);
    if (!liter) return abbruch(meldungen::keineZahlLiter, Feld::Liter);

    const auto kilometerNeu = ganzeKilometer(*kmNeu);
    if (!kilometerNeu) return abbruch(meldungen::kilometerstandZuGross, Feld::KMneu);
    const auto kilometerAlt = ganzeKilometer(*kmAlt);
    if (!kilometerAlt) return abbruch(meldungen::kilometerstandZuGross, Feld::KMalt);

    const Kilometerstaende staende{*kilometerAlt, *kilometerNeu};
    if (staende.kilometerNeu < staende.kilometerAlt)
        return abbruch(meldungen::eingabefehler, Feld::KMalt, staende);

    // Far apart readings of opposite sign overflow 32 bits, hence the detour.
    const std::int64_t strecke =
        std::int64_t{staende.kilometerNeu} - std::int64_t{staende.kilometerAlt};
    if (strecke > std::numeric_limits<std::int32_t>::max())
        return abbruch(meldungen::fahrstreckeZuGross, Feld::KMneu, staende);
    if (strecke == 0) return abbruch(meldungen::fahrstreckeNull, Feld::KMneu, staende);
    const auto fahrKilometer = static_cast<std::int32_t>(strecke);

    // The cost is taken from the unrounded consumption; rounding that first
    // would let the rounding error grow with the price.
    double durchVerbrauch = (*liter / fahrKilometer) * 100;
    double kosten = durchVerbrauch * *preis;
    if (!std::isfinite(durchVerbrauch) || !std::isfinite(kosten))
        return abbruch(meldungen::ergebnisZuGross, Feld::Liter, staende);
    kosten = runden(kosten, 2);
    durchVerbrauch = runden(durchVerbrauch, 2);

    std::string satz = " Für die Fahrstrecke von ";
    satz += "\r\n";
    satz += alsText(fahrKilometer);
    satz += "  Km wurden durchschnittlich ";
    satz += "\r\n";
    satz += alsText(durchVerbrauch, format);
    satz += " Liter verbraucht! Die Kosten auf 100 ";
    satz += "\r\n";
    satz += "Kilometer betragen ";
    satz += alsText(kosten, format);
    satz += " ";
    satz += eingaben.waehrung;
    satz += " !";

    return Berechnung{Ergebnis{staende, fahrKilometer, durchVerbrauch, kosten, std::move(satz)},
                      staende};
}

}  // namespace rechnung
