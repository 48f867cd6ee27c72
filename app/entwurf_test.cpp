#include "app/entwurf.h"

#include <gtest/gtest.h>

#include <ostream>

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

}  // namespace
}  // namespace Entwurf
