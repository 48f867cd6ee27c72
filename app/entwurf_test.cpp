#include "app/entwurf.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace Entwurf {

void PrintTo(const Punkt& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}

namespace {

TEST(Twips, fuenfzehnJePixelAufsNaechsteGerundet)
{
    EXPECT_EQ(pixel(10215), 681);
    EXPECT_EQ(pixel(7395), 493);
    EXPECT_EQ(pixel(15), 1);
    EXPECT_EQ(pixel(7), 0);
    EXPECT_EQ(pixel(8), 1);
    EXPECT_EQ(pixel(-8), -1);
}

TEST(Vorlesetext, jederTextEinmalAlsSatzInDerGegebenenFolge)
{
    static constexpr Steuerelement titel{.name = "a", .text = "Tankumat"};
    static constexpr Steuerelement satz{.name = "b", .text = "Ein Satz."};
    static constexpr Steuerelement leer{.name = "c"};
    constexpr const Steuerelement* folge[] = {&titel, &leer, &satz, &titel};
    EXPECT_EQ(vorlesetext(folge), "Tankumat. Ein Satz. Tankumat.");
    EXPECT_EQ(vorlesetext({}), "");
}

TEST(Zentriert, woEsPasstSonstDieEckeAufDemBildschirm)
{
    const Rechteck frei{0, 0, 1280, 1024};
    EXPECT_EQ(zentriert(frei, 681, 493), (Punkt{299, 265}));
    // A task bar at the top moves the free area and the middle with it.
    EXPECT_EQ(zentriert({0, 30, 1280, 994}, 680, 494), (Punkt{300, 280}));
    // 681 x 493 at a scale of two on 1280 x 1024: 640 x 512 to place in.
    EXPECT_EQ(zentriert({0, 0, 640, 512}, 681, 493), (Punkt{0, 9}));
    EXPECT_EQ(zentriert({100, 50, 600, 400}, 700, 500), (Punkt{100, 50}));
}

TEST(NebenDemHauptfenster, rechtsLinksOderUnterDenKnoepfen)
{
    const Rechteck frei{0, 0, 1280, 1024};
    // Room on the right.
    EXPECT_EQ(nebenDemHauptfenster(frei, {299, 240, 683, 520}, 290, 283, 160), (Punkt{990, 240}));
    // Too little on the right, enough on the left.
    EXPECT_EQ(nebenDemHauptfenster(frei, {500, 240, 683, 520}, 290, 283, 160), (Punkt{209, 240}));
    // Room on neither side: over the middle, below the main window's top buttons.
    EXPECT_EQ(nebenDemHauptfenster({0, 0, 640, 512}, {0, 9, 683, 520}, 60, 283, 160), (Punkt{200, 68}));
    // Near the bottom the window is pulled up onto the screen beside the other.
    EXPECT_EQ(nebenDemHauptfenster(frei, {0, 950, 683, 520}, 1000, 283, 160), (Punkt{691, 864}));
}

TEST(Kontrast, wieWcag2IhnRechnet)
{
    EXPECT_NEAR(kontrast(schwarz, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(kontrast({255, 255, 255}, schwarz), 21.0, 1e-9);
    EXPECT_NEAR(kontrast({128, 128, 128}, {128, 128, 128}), 1.0, 1e-9);
    // Figures of WCAG's own examples and of schemes users have.
    EXPECT_NEAR(kontrast(schwarz, {32, 32, 32}), 1.29, 0.005);
    EXPECT_NEAR(kontrast(schwarz, {212, 208, 200}), 13.66, 0.005);
    EXPECT_NEAR(kontrast({118, 118, 118}, {255, 255, 255}), 4.54, 0.005);
    // Green weighs most, blue least.
    EXPECT_GT(kontrast(schwarz, {0, 255, 0}), kontrast(schwarz, {255, 0, 0}));
    EXPECT_GT(kontrast(schwarz, {255, 0, 0}), kontrast(schwarz, {0, 0, 255}));
}

TEST(GrosseSchrift, achtzehnPunktOderVierzehnFett)
{
    EXPECT_TRUE(grosseSchrift(Schrift::TitelFett));
    EXPECT_TRUE(grosseSchrift(Schrift::Ueberschrift));
    // 13.5 pt bold is short of 14.
    EXPECT_FALSE(grosseSchrift(Schrift::GrossFett));
    EXPECT_FALSE(grosseSchrift(Schrift::Fett));
    EXPECT_FALSE(grosseSchrift(Schrift::Standard));
}

TEST(Textfarbe, eigeneWoSieLesbarIstSonstDieDesSystems)
{
    static constexpr Steuerelement satz{.name = "satz", .textfarbe = schwarz};
    static constexpr Steuerelement titel{.name = "titel", .schrift = Schrift::TitelFett, .textfarbe = schwarz};
    static constexpr Steuerelement fett{.name = "fett", .schrift = Schrift::GrossFett, .textfarbe = schwarz};
    static constexpr Steuerelement ohne{.name = "ohne"};
    constexpr Farbe weiss{255, 255, 255}, hell{240, 240, 240};
    const struct {
        const char* name;
        const Steuerelement& e;
        Farbe hintergrund, systemtext;
        bool hoherKontrast;
        Farbe erwartet;
    } zeilen[] = {
        {"klassisch", satz, {212, 208, 200}, schwarz, false, schwarz},
        {"Windows-Standard", satz, {240, 240, 240}, {20, 20, 20}, false, schwarz},
        {"Kontrast Schwarz", satz, schwarz, weiss, true, weiss},
        {"Kontrast Schwarz, Titel", titel, schwarz, weiss, true, weiss},
        {"Kontrast Weiß", satz, weiss, schwarz, true, schwarz},
        // A high-contrast scheme of the user's own, light, with coloured text.
        {"eigener hoher Kontrast", satz, weiss, {0, 0, 160}, true, {0, 0, 160}},
        {"dunkel", satz, {32, 32, 32}, hell, false, hell},
        {"Breeze Dark", titel, {49, 54, 59}, {239, 240, 241}, false, {239, 240, 241}},
        // Mid grey: 4.1:1, enough for the large title, not for the rest.
        {"mittelgrau, Titel", titel, {110, 110, 110}, weiss, false, schwarz},
        {"mittelgrau, Satz", satz, {110, 110, 110}, weiss, false, weiss},
        {"mittelgrau, 13,5 pt fett", fett, {110, 110, 110}, weiss, false, weiss},
        // The limits themselves read: 3.0 and 4.5 or more.
        {"knapp 3:1, Titel", titel, {89, 89, 89}, weiss, false, weiss},
        {"3:1, Titel", titel, {90, 90, 90}, weiss, false, schwarz},
        {"knapp 4,5:1", satz, {116, 116, 116}, weiss, false, weiss},
        {"4,5:1", satz, {117, 117, 117}, weiss, false, schwarz},
        {"ohne eigene Farbe", ohne, {212, 208, 200}, {0, 0, 128}, false, {0, 0, 128}},
    };
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.name);
        const Farbe f = textfarbe(z.e, z.hintergrund, z.systemtext, z.hoherKontrast);
        EXPECT_EQ(f, z.erwartet) << int(f.rot) << ", " << int(f.gruen) << ", " << int(f.blau);
    }
}

}  // namespace
}  // namespace Entwurf
