// Every label of every window as a reader sees it, read from the screen's
// pixels, in each colour scheme the driver puts in place while all three
// windows are open: the labels stand on the scheme's button face, their text
// reads at the contrast WCAG 2 asks of their font, and a label with a colour
// of its own keeps it wherever it reads and no high-contrast scheme is on.

#include "treiber.h"

#include "about_window/frmabout_entwurf.h"
#include "main_window/verbrauch_entwurf.h"
#include "options_window/optionen_entwurf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <utility>
#include <vector>

using namespace Verhalten;

namespace {

struct Beschriftung {
    Fenster fenster;
    const Entwurf::Steuerelement& zeile;
};

// Every label a reader meets; the result sentence is drawn disabled on
// purpose, and Label1 of the main window is hidden.
const Beschriftung beschriftungen[] = {
    {Fenster::Verbrauch, VerbrauchEntwurf::Label2},   {Fenster::Verbrauch, VerbrauchEntwurf::Label3},
    {Fenster::Verbrauch, VerbrauchEntwurf::Label4},   {Fenster::Verbrauch, VerbrauchEntwurf::Label5},
    {Fenster::Verbrauch, VerbrauchEntwurf::Label10},  {Fenster::Verbrauch, VerbrauchEntwurf::Label7},
    {Fenster::Verbrauch, VerbrauchEntwurf::Label6},   {Fenster::Verbrauch, VerbrauchEntwurf::Label8},
    {Fenster::Verbrauch, VerbrauchEntwurf::Label9},   {Fenster::Optionen, OptionenEntwurf::Label1},
    {Fenster::Optionen, OptionenEntwurf::Label2},     {Fenster::frmAbout, frmAboutEntwurf::lblTitle},
    {Fenster::frmAbout, frmAboutEntwurf::lblVersion}, {Fenster::frmAbout, frmAboutEntwurf::lblDescription},
    {Fenster::frmAbout, frmAboutEntwurf::Label1},     {Fenster::frmAbout, frmAboutEntwurf::lblDisclaimer},
};

// What a reader sees of a label: its background, the colour most of its
// pixels have, and its text, the colour that stands out most from it.
struct Gesehen {
    Entwurf::Farbe grund{}, schrift{};
    double kontrast = 1;
};

Gesehen ansehen(const std::vector<Entwurf::Farbe>& punkte)
{
    std::vector<std::pair<Entwurf::Farbe, int>> anzahl;
    for (const Entwurf::Farbe& p : punkte) {
        auto it = std::find_if(anzahl.begin(), anzahl.end(), [&](const auto& a) { return a.first == p; });
        if (it == anzahl.end())
            anzahl.emplace_back(p, 1);
        else
            ++it->second;
    }
    Gesehen g;
    if (anzahl.empty())
        return g;
    g.grund = std::max_element(anzahl.begin(), anzahl.end(), [](const auto& a, const auto& b) {
                  return a.second < b.second;
              })->first;
    g.schrift = g.grund;
    for (const auto& [p, n] : anzahl)
        if (const double k = Entwurf::kontrast(p, g.grund); k > g.kontrast) {
            g.schrift = p;
            g.kontrast = k;
        }
    return g;
}

void PrintTo(const Entwurf::Farbe& f, std::ostream* os)
{
    *os << "(" << int(f.rot) << ", " << int(f.gruen) << ", " << int(f.blau) << ")";
}

class Farbschemata : public ::testing::Test {
protected:
    void SetUp() override
    {
        treiber().region("de-DE");
        ASSERT_TRUE(treiber().hauptfensterZeigen());
    }
    void TearDown() override { treiber().alleEntladen(); }
};

TEST_F(Farbschemata, jedeBeschriftungLesbar)
{
    const std::vector<Farbschema> schemata = treiber().farbschemata();
    ASSERT_FALSE(schemata.empty());
    for (const Farbschema& s : schemata) {
        SCOPED_TRACE(s.name);
        treiber().farbschemaSetzen(s);
        for (const auto& [fenster, zeile] : beschriftungen) {
            SCOPED_TRACE(zeile.name);
            const Gesehen g = ansehen(treiber().punkte({fenster, zeile.name}));
            std::printf("%s, %s: (%d, %d, %d) on (%d, %d, %d), %.2f:1\n", s.name, zeile.name, g.schrift.rot,
                        g.schrift.gruen, g.schrift.blau, g.grund.rot, g.grund.gruen, g.grund.blau, g.kontrast);
            EXPECT_EQ(g.grund, s.knopfflaeche);
            const double noetig = Entwurf::noetigerKontrast(zeile.schrift);
            EXPECT_GE(g.kontrast, noetig);
            if (zeile.textfarbe) {
                const bool eigeneLiest = !s.hoherKontrast && Entwurf::kontrast(*zeile.textfarbe, g.grund) >= noetig;
                EXPECT_EQ(g.schrift, eigeneLiest ? *zeile.textfarbe : s.knopftext);
            }
        }
    }
}

}  // namespace
