#include "app/entwurf.h"

#include <algorithm>
#include <cmath>

namespace Entwurf {

namespace {

// The start within [anfang, anfang + platz) for a length that should be
// centred, or that starts at the beginning where it does not fit.
int mitte(int anfang, int platz, int laenge)
{
    return anfang + std::max(0, (platz - laenge) / 2);
}

// Keeps a start so the length ends inside the space where it can, and never
// starts before it.
int innerhalb(int start, int anfang, int platz, int laenge)
{
    return std::max(anfang, std::min(start, anfang + platz - laenge));
}

}  // namespace

std::string vorlesetext(std::span<const Steuerelement* const> folge)
{
    std::string passage;
    for (const Steuerelement* e : folge) {
        const std::string_view text = e->text;
        if (text.empty())
            continue;
        if (!passage.empty())
            passage += ' ';
        passage += text;
        if (!text.ends_with('.'))
            passage += '.';
    }
    return passage;
}

namespace {

// Relative luminance as WCAG 2 defines it, from the sRGB channels.
double leuchtdichte(Farbe f)
{
    const auto linear = [](std::uint8_t kanal) {
        const double c = kanal / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(f.rot) + 0.7152 * linear(f.gruen) + 0.0722 * linear(f.blau);
}

}  // namespace

double kontrast(Farbe a, Farbe b)
{
    const double la = leuchtdichte(a), lb = leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Farbe textfarbe(const Steuerelement& e, Farbe hintergrund, Farbe systemtext, bool hoherKontrast)
{
    if (!e.textfarbe || hoherKontrast)
        return systemtext;
    return kontrast(*e.textfarbe, hintergrund) >= noetigerKontrast(e.schrift) ? *e.textfarbe : systemtext;
}

Punkt zentriert(Rechteck frei, int breite, int hoehe)
{
    return {mitte(frei.x, frei.breite, breite), mitte(frei.y, frei.hoehe, hoehe)};
}

Punkt nebenDemHauptfenster(Rechteck frei, Rechteck haupt, int knopfleisteUnten, int breite, int hoehe)
{
    constexpr int abstand = 8;
    const int oben = innerhalb(haupt.y, frei.y, frei.hoehe, hoehe);
    if (haupt.rechts() + abstand + breite <= frei.rechts())
        return {haupt.rechts() + abstand, oben};
    if (haupt.x - abstand - breite >= frei.x)
        return {haupt.x - abstand - breite, oben};
    // Over the main window's middle, below its top buttons.
    return {innerhalb(haupt.x + (haupt.breite - breite) / 2, frei.x, frei.breite, breite),
            std::max(frei.y, knopfleisteUnten + abstand)};
}

}  // namespace Entwurf
