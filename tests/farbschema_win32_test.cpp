// Every label of every window as a reader sees it, read from the windows'
// pixels, in the system colours of the schemes Windows users choose: the
// classic grey, Windows' default, High Contrast Black and White, and a dark
// scheme of the user's own; and the colours changed while the windows are
// open. Contrast as WCAG 2 defines it. Run in a Wine prefix of its own: the
// colours a test sets stay with the prefix's server.

#include "about_window/frmabout_win32.h"
#include "lesbarkeit.h"
#include "options_window/optionen_win32.h"
#include "windowstestumgebung.h"

#include "app/gestaltung_win32.h"

#include <array>
#include <cstdio>

using namespace Testumgebung;

namespace {

// The system colours the windows are drawn in.
constexpr std::array<int, 8> elemente{COLOR_BTNFACE,  COLOR_BTNTEXT,      COLOR_WINDOW,       COLOR_WINDOWTEXT,
                                      COLOR_GRAYTEXT, COLOR_APPWORKSPACE, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};

struct Schema {
    const char* name;
    std::array<COLORREF, 8> farben;  // in the order of `elemente`
};

// clang-format off
const Schema schemata[] = {
    {"klassisch", {RGB(212, 208, 200), RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(128, 128, 128), RGB(128, 128, 128), RGB(255, 255, 255), RGB(128, 128, 128)}},
    {"WindowsStandard", {RGB(240, 240, 240), RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(109, 109, 109), RGB(171, 171, 171), RGB(255, 255, 255), RGB(160, 160, 160)}},
    {"KontrastSchwarz", {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255), RGB(63, 242, 63), RGB(0, 0, 0), RGB(255, 255, 255), RGB(128, 128, 128)}},
    {"KontrastWeiss", {RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(96, 0, 0), RGB(128, 128, 128), RGB(0, 0, 0), RGB(128, 128, 128)}},
    {"dunkel", {RGB(32, 32, 32), RGB(240, 240, 240), RGB(25, 25, 25), RGB(240, 240, 240), RGB(128, 128, 128), RGB(43, 43, 43), RGB(64, 64, 64), RGB(16, 16, 16)}},
};
// clang-format on

void setzen(const std::array<COLORREF, 8>& farben)
{
    SetSysColors(int(elemente.size()), elemente.data(), farben.data());
    Anwendung::nachrichtenBearbeiten();
}

std::uint32_t rgb(COLORREF c)
{
    return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

// The window of a label, open and in front of the others.
HWND fenster(const char* name)
{
    Fenster::Basis* f = &Fenster::instanz<Verbrauch>();
    if (std::string_view(name) == "Optionen")
        f = &Fenster::instanz<Optionen>();
    else if (std::string_view(name) == "frmAbout")
        f = &Fenster::instanz<frmAbout>();
    if (!IsWindowVisible(f->hwnd))
        ShowWindow(f->hwnd, SW_SHOWNOACTIVATE);
    return f->hwnd;
}

struct Suche {
    const char* name;
    HWND gefunden = nullptr;
};

BOOL CALLBACK finden(HWND s, LPARAM l)
{
    auto* suche = reinterpret_cast<Suche*>(l);
    const Entwurf::Steuerelement* e = Gestaltung::entwurf(s);
    if (e && std::string_view(e->name) == suche->name)
        suche->gefunden = s;
    return !suche->gefunden;
}

// A control of a window by the name of its design row.
HWND steuerelement(HWND fenster, const char* name)
{
    Suche suche{name};
    EnumChildWindows(fenster, finden, LPARAM(&suche));
    return suche.gefunden;
}

class Farbschema : public Fenstertest {
protected:
    void SetUp() override
    {
        for (std::size_t i = 0; i < elemente.size(); ++i)
            vorher[i] = GetSysColor(elemente[i]);
        Fenstertest::SetUp();
    }

    void TearDown() override
    {
        Fenstertest::TearDown();
        setzen(vorher);
    }

    // Every label on the button face `grund`, its text at the contrast it
    // needs; black where it is black by design and black reads.
    static void jedeLesbar(COLORREF grund)
    {
        for (const Lesbarkeit::Beschriftung& b : Lesbarkeit::beschriftungen) {
            SCOPED_TRACE(std::string(b.fenster) + "." + b.name);
            HWND s = steuerelement(fenster(b.fenster), b.name);
            ASSERT_TRUE(s);
            Anwendung::nachrichtenBearbeiten();
            const Lesbarkeit::Gesehen g = Lesbarkeit::ansehen(ansicht(s).punkte);
            std::printf("%s.%s: #%06x on #%06x, %.2f:1\n", b.fenster, b.name, unsigned(g.schrift), unsigned(g.grund),
                        g.kontrast);
            EXPECT_EQ(g.grund, rgb(grund));
            EXPECT_GE(g.kontrast, Lesbarkeit::noetig(b));
            if (Lesbarkeit::schwarzLesbar(b, g.grund)) {
                EXPECT_EQ(g.schrift, 0u) << "black by design";
            }
        }
    }

    std::array<COLORREF, 8> vorher{};
};

class JedesSchema : public Farbschema, public ::testing::WithParamInterface<Schema> {};

TEST_P(JedesSchema, jedeBeschriftungLesbar)
{
    setzen(GetParam().farben);
    jedeLesbar(GetParam().farben[0]);
}

INSTANTIATE_TEST_SUITE_P(Farben, JedesSchema, ::testing::ValuesIn(schemata),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Farbschema, imLaufGewechselt)
{
    // Every window open in the classic colours, then the user turns to High
    // Contrast Black.
    setzen(schemata[0].farben);
    for (const char* name : {"Verbrauch", "Optionen", "frmAbout"})
        fenster(name);
    jedeLesbar(schemata[0].farben[0]);
    setzen(schemata[2].farben);
    jedeLesbar(schemata[2].farben[0]);
}

TEST_F(Farbschema, neueFarbenUndHoherKontrastZeichnenNeu)
{
    // Windows tells every window of other colours, and of high contrast
    // turned on or off; each is drawn again, the About window's labels
    // choosing their colour anew.
    const std::pair<const char*, const char*> stichproben[] = {
        {"Verbrauch", "Label3"}, {"Optionen", "Label1"}, {"frmAbout", "lblTitle"}};
    for (const auto& [fensterName, name] : stichproben) {
        HWND f = fenster(fensterName);
        HWND s = steuerelement(f, name);
        for (const auto& [nachricht, was] : {std::pair{UINT(WM_SYSCOLORCHANGE), WPARAM(0)},
                                             std::pair{UINT(WM_SETTINGCHANGE), WPARAM(SPI_SETHIGHCONTRAST)}}) {
            SCOPED_TRACE(std::string(fensterName) + "." + name +
                         (nachricht == WM_SYSCOLORCHANGE ? ", colours" : ", contrast"));
            Anwendung::nachrichtenBearbeiten();
            ASSERT_FALSE(GetUpdateRect(s, nullptr, FALSE)) << "painted before";
            SendMessageW(f, nachricht, was, 0);
            EXPECT_TRUE(GetUpdateRect(s, nullptr, FALSE)) << "to be painted again";
        }
    }
}

}  // namespace
