// libFuzzer harness over the calculation's entry point. An input is up to
// five lines: old reading, new reading, litres, price, currency; they go
// through the same path a press of "&Berechnen" takes, under German
// conventions and under conventions with a multi-byte grouping mark.

#include "verbrauchsrechnung.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string_view naechsteZeile(std::string_view& rest) {
    const auto ende = rest.find('\n');
    const std::string_view zeile = rest.substr(0, ende);
    rest.remove_prefix(ende == std::string_view::npos ? rest.size() : ende + 1);
    return zeile;
}

void pruefe(bool bedingung) {
    if (!bedingung) std::abort();
}

void rechne(const rechnung::Eingaben& e, const rechnung::Zahlenformat& format) {
    const rechnung::Berechnung b = rechnung::berechne(e, format);
    if (const rechnung::Ergebnis* r = b.ergebnis()) {
        pruefe(r->fahrKilometer > 0);
        pruefe(std::isfinite(r->durchVerbrauch) && std::isfinite(r->kosten));
        // Rounded figures stay put when rounded again.
        pruefe(rechnung::runden(r->kosten, 2) == r->kosten);
        pruefe(rechnung::runden(r->durchVerbrauch, 2) == r->durchVerbrauch);
        pruefe(r->satz.ends_with(std::string(e.waehrung) + " !"));
    } else {
        pruefe(!b.fehler()->meldung.empty());
    }
    // What the program writes without an exponent, it reads back as the same
    // number (to the 15 digits it writes). Input has no exponent form.
    if (const auto x = rechnung::alsZahl(e.liter, format)) {
        const std::string text = rechnung::alsText(*x, format);
        if (text.find('E') != std::string::npos) return;
        const auto zurueck = rechnung::alsZahl(text, format);
        pruefe(zurueck.has_value());
        pruefe(std::abs(*zurueck - *x) <= std::abs(*x) * 1e-14);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    std::string_view rest(reinterpret_cast<const char*>(daten), groesse);
    rechnung::Eingaben e;
    e.kmAlt = naechsteZeile(rest);
    e.kmNeu = naechsteZeile(rest);
    e.liter = naechsteZeile(rest);
    e.preis = naechsteZeile(rest);
    e.waehrung = naechsteZeile(rest);
    rechne(e, rechnung::deutschesZahlenformat());
    rechne(e, rechnung::Zahlenformat{".", "\u00a0"});
    return 0;
}
