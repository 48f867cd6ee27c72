// Every label of every window as a reader sees it, read from the windows'
// pixels, in the system colours of the schemes Windows users choose: the
// classic grey, Windows' default, High Contrast Black and White, and a dark
// scheme of the user's own; and the colours changed while the windows are
// open. Contrast as WCAG 2 defines it. Run in a Wine prefix of its own: the
// colours a test sets stay with the prefix's server.

#include "about_window/frmabout_win32.h"
#include "options_window/optionen_win32.h"
#include "windowstestumgebung.h"

#include "app/gestaltung_win32.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

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

struct Beschriftung {
    const char* fenster;
    const char* name;
    bool gross;    // 18 pt, or 14 pt bold: 3:1 is enough
    bool schwarz;  // black wherever black reads
};

// Every label a reader meets; the result sentence is drawn disabled on
// purpose, and Label1 of the main window is hidden.
constexpr Beschriftung beschriftungen[] = {
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

void setzen(const std::array<COLORREF, 8>& farben)
{
    SetSysColors(int(elemente.size()), elemente.data(), farben.data());
    Anwendung::nachrichtenBearbeiten();
}

Entwurf::Farbe farbe(std::uint32_t rgb)
{
    return {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)};
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

// What the control shows: the pixels of its window where it stands.
Pixelbild ansicht(HWND s)
{
    RECT r{};
    GetClientRect(s, &r);
    Pixelbild b;
    b.breite = r.right;
    b.hoehe = r.bottom;
    b.punkte.resize(std::size_t(b.breite) * std::size_t(b.hoehe));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), b.breite, -b.hoehe, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pixel = nullptr;
    HBITMAP ziel = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixel, nullptr, 0);
    HDC speicher = CreateCompatibleDC(nullptr);
    const HGDIOBJ vorher = SelectObject(speicher, ziel);
    HDC quelle = GetDC(s);
    BitBlt(speicher, 0, 0, b.breite, b.hoehe, quelle, 0, 0, SRCCOPY);
    ReleaseDC(s, quelle);
    GdiFlush();
    std::copy_n(static_cast<const std::uint32_t*>(pixel), b.punkte.size(), b.punkte.begin());
    SelectObject(speicher, vorher);
    DeleteDC(speicher);
    DeleteObject(ziel);
    return b;
}

// What a reader sees of a label: its background, the colour most of its
// pixels have, and its text, the colour that stands out most from it.
struct Gesehen {
    std::uint32_t grund = 0, schrift = 0;
    double kontrast = 1;
};

Gesehen ansehen(const Pixelbild& bild)
{
    std::map<std::uint32_t, int> anzahl;
    for (int y = 0; y < bild.hoehe; ++y)
        for (int x = 0; x < bild.breite; ++x)
            ++anzahl[bild.pixel(x, y)];
    Gesehen g;
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
        for (const Beschriftung& b : beschriftungen) {
            SCOPED_TRACE(std::string(b.fenster) + "." + b.name);
            HWND s = steuerelement(fenster(b.fenster), b.name);
            ASSERT_TRUE(s);
            Anwendung::nachrichtenBearbeiten();
            const Gesehen g = ansehen(ansicht(s));
            std::printf("%s.%s: #%06x on #%06x, %.2f:1\n", b.fenster, b.name, unsigned(g.schrift), unsigned(g.grund),
                        g.kontrast);
            const double noetig = b.gross ? 3.0 : 4.5;
            EXPECT_EQ(g.grund, rgb(grund));
            EXPECT_GE(g.kontrast, noetig);
            if (b.schwarz && Entwurf::kontrast(Entwurf::schwarz, farbe(rgb(grund))) >= noetig) {
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
    for (const Beschriftung& b : beschriftungen)
        fenster(b.fenster);
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
