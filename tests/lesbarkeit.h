// What the colour scheme tests of both programs read, free of any toolkit:
// every label a reader meets, and what a reader sees of a label's pixels.
#pragma once

#include "app/entwurf.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <span>

namespace Lesbarkeit {

struct Beschriftung {
    const char* fenster;
    const char* name;
    bool gross;    // 18 pt, or 14 pt bold: 3:1 is enough
    bool schwarz;  // black wherever black reads
};

// Every label a reader meets; the result sentence is drawn disabled on
// purpose, and Label1 of the main window is hidden.
// clang-format off
inline constexpr Beschriftung beschriftungen[] = {
    {"Verbrauch", "Label2", true, false},
    {"Verbrauch", "Label3", false, false},
    {"Verbrauch", "Label4", false, false},
    {"Verbrauch", "Label5", false, false},
    {"Verbrauch", "Label10", false, false},
    {"Verbrauch", "Label7", false, false},
    {"Verbrauch", "Label6", false, false},
    {"Verbrauch", "Label8", false, false},
    {"Verbrauch", "Label9", false, false},
    {"Optionen", "Label1", false, false},
    {"Optionen", "Label2", false, false},
    {"frmAbout", "lblTitle", true, true},
    {"frmAbout", "lblVersion", false, false},
    {"frmAbout", "lblDescription", false, true},
    {"frmAbout", "Label1", false, false},
    {"frmAbout", "lblDisclaimer", false, true},
};
// clang-format on

constexpr double noetig(const Beschriftung& b)
{
    return b.gross ? 3.0 : 4.5;
}

constexpr Entwurf::Farbe farbe(std::uint32_t rgb)
{
    return {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)};
}

// What a reader sees of a label: its background, the colour most of its
// pixels have, and its text, the colour that stands out most from it.
struct Gesehen {
    std::uint32_t grund = 0, schrift = 0;  // 0xRRGGBB
    double kontrast = 1;
};

inline Gesehen ansehen(std::span<const std::uint32_t> punkte)
{
    std::map<std::uint32_t, int> anzahl;
    for (const std::uint32_t p : punkte)
        ++anzahl[p & 0xFFFFFF];
    Gesehen g;
    if (anzahl.empty())
        return g;
    g.grund = std::max_element(anzahl.begin(), anzahl.end(), [](const auto& a, const auto& b) {
                  return a.second < b.second;
              })->first;
    g.schrift = g.grund;
    for (const auto& [p, n] : anzahl)
        if (const double k = Entwurf::kontrast(farbe(p), farbe(g.grund)); k > g.kontrast) {
            g.schrift = p;
            g.kontrast = k;
        }
    return g;
}

// Whether black, the colour the label has by design, reads on its
// background: then the label must be black.
inline bool schwarzLesbar(const Beschriftung& b, std::uint32_t grund)
{
    return b.schwarz && Entwurf::kontrast(Entwurf::schwarz, farbe(grund)) >= noetig(b);
}

}  // namespace Lesbarkeit
