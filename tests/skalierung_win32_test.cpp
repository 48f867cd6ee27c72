// The Windows program at a display's scale: run once per DPI, in a Wine
// prefix whose LogPixels is that DPI (ZAPFKONTOR_DPI says which). Every
// window's client area and every control stand at the design's twips at that
// DPI, fonts at its point sizes, pictures scaled smoothly; and a window moved
// to a display of another scale lays itself out again.

#include "about_window/frmabout_win32.h"
#include "options_window/optionen_win32.h"
#include "windowstestumgebung.h"

#include "about_window/frmabout_entwurf.h"
#include "app/gestaltung_win32.h"
#include "main_window/verbrauch_entwurf.h"
#include "options_window/optionen_entwurf.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using namespace Testumgebung;

namespace {

UINT erwarteteDpi()
{
    const char* d = std::getenv("ZAPFKONTOR_DPI");
    return d ? UINT(std::atoi(d)) : 96;
}

// Twips at a DPI, worked out here: 1440 twips an inch.
int bei(int twips, UINT dpi)
{
    return int(std::lround(twips * double(dpi) / 1440.0));
}

struct Pruefung {
    UINT dpi;
    std::vector<std::string> fehler;
};

BOOL CALLBACK steuerelementPruefen(HWND s, LPARAM l)
{
    auto* p = reinterpret_cast<Pruefung*>(l);
    const Entwurf::Steuerelement* e = Gestaltung::entwurf(s);
    if (!e)
        return TRUE;
    const RECT r = lage(s);
    const int links = bei(e->lage.links, p->dpi), oben = bei(e->lage.oben, p->dpi);
    const int breite = bei(e->lage.breite, p->dpi), hoehe = bei(e->lage.hoehe, p->dpi);
    if (r.left != links || r.top != oben)
        p->fehler.push_back(std::string(e->name) + ": place");
    // A label sized to its caption keeps only its designed place, and the
    // options panel, docked to the top, takes its window's width.
    const bool angedockt = Fenster::istGeladen<Optionen>() && s == Fenster::instanz<Optionen>().Picture1->hwnd;
    const bool eigeneBreite = e->groesseNachText || angedockt;
    if (!e->groesseNachText && r.bottom - r.top != hoehe)
        p->fehler.push_back(std::string(e->name) + ": height " + std::to_string(r.bottom - r.top));
    if (!eigeneBreite && r.right - r.left != breite)
        p->fehler.push_back(std::string(e->name) + ": width " + std::to_string(r.right - r.left));
    // A picture box shows no text and has no font.
    if (!SendMessageW(s, WM_GETFONT, 0, 0))
        return TRUE;
    const Schrift f = schrift(s);
    const int pixel = int(std::lround(Entwurf::schriftart(e->schrift).pixelgroesse * double(p->dpi) / 96.0));
    if (f.pixelgroesse != pixel)
        p->fehler.push_back(std::string(e->name) + ": font " + std::to_string(f.pixelgroesse));
    return TRUE;
}

// What is wrong with the window's layout at `dpi`; empty when nothing is.
std::vector<std::string> wieEntworfenBei(HWND fenster, const Entwurf::Fenster& entwurf, UINT dpi)
{
    Pruefung p{dpi, {}};
    const RECT innen = Testumgebung::innen(fenster);
    if (innen.right != bei(entwurf.breite, dpi) || innen.bottom != bei(entwurf.hoehe, dpi))
        p.fehler.push_back("client area " + std::to_string(innen.right) + " x " + std::to_string(innen.bottom));
    EnumChildWindows(fenster, steuerelementPruefen, LPARAM(&p));
    return p.fehler;
}

class Skalierung : public Fenstertest {};

TEST_F(Skalierung, dieDpiDesPrefix)
{
    // Otherwise every other case here would test 96 dpi again.
    EXPECT_EQ(GetDpiForWindow(w->hwnd), erwarteteDpi());
    EXPECT_EQ(Gestaltung::dpi(w->hwnd), erwarteteDpi());
}

TEST_F(Skalierung, clientflaechenBeiJederDpi)
{
    // Worked out by hand: 10215 x 7395 twips for the main window.
    const struct {
        UINT dpi;
        LONG breite, hoehe;
    } faelle[] = {{96, 681, 493}, {120, 851, 616}, {144, 1022, 740}, {192, 1362, 986}};
    for (const auto& f : faelle)
        if (f.dpi == erwarteteDpi()) {
            EXPECT_EQ(innen(w->hwnd), (RECT{0, 0, f.breite, f.hoehe}));
        }
}

TEST_F(Skalierung, jedesSteuerelementJedesFensters)
{
    const UINT dpi = erwarteteDpi();
    EXPECT_EQ(wieEntworfenBei(w->hwnd, VerbrauchEntwurf::fenster, dpi), std::vector<std::string>{});
    Optionen& o = Fenster::instanz<Optionen>();
    EXPECT_EQ(wieEntworfenBei(o.hwnd, OptionenEntwurf::fenster, dpi), std::vector<std::string>{});
    frmAbout& info = Fenster::instanz<frmAbout>();
    EXPECT_EQ(wieEntworfenBei(info.hwnd, frmAboutEntwurf::fenster, dpi), std::vector<std::string>{});
}

// Every rectangle of a window on the screen: its frame, its client area and
// each control made from a design row, by the row's name.
using Anordnung = std::map<std::string, RECT>;

BOOL CALLBACK steuerelementMerken(HWND s, LPARAM l)
{
    if (const Entwurf::Steuerelement* e = Gestaltung::entwurf(s))
        (*reinterpret_cast<Anordnung*>(l))[e->name] = lage(s);
    return TRUE;
}

Anordnung anordnung(HWND fenster)
{
    Anordnung a;
    GetWindowRect(fenster, &a["(Rahmen)"]);
    OffsetRect(&a["(Rahmen)"], -a["(Rahmen)"].left, -a["(Rahmen)"].top);
    a["(innen)"] = innen(fenster);
    EnumChildWindows(fenster, steuerelementMerken, LPARAM(&a));
    return a;
}

// Every window, made afresh and laid out as the program lays it out now.
std::vector<Anordnung> alleFenster()
{
    Fenster::alleEntladen();
    Anwendung::nachrichtenBearbeiten();
    std::vector<Anordnung> alle;
    alle.push_back(anordnung(Fenster::instanz<Verbrauch>().hwnd));
    alle.push_back(anordnung(Fenster::instanz<Optionen>().hwnd));
    alle.push_back(anordnung(Fenster::instanz<frmAbout>().hwnd));
    return alle;
}

TEST_F(Skalierung, ohneDieDpiFunktionenVonWindows10)
{
    // Windows 7 and 8.1 lack them: the program takes the system's DPI, its
    // metrics and frames from the older functions, and every window comes
    // out as it does with them.
    const std::vector<Anordnung> mit = alleFenster();
    const Gestaltung::DpiFunktionen gesichert = Gestaltung::dpiFunktionen();
    Gestaltung::dpiFunktionen() = {};
    const std::vector<Anordnung> ohne = alleFenster();
    const UINT dpi = Gestaltung::dpi(Fenster::instanz<Verbrauch>().hwnd);
    const int symbol = Gestaltung::systemmetrik(SM_CXICON, erwarteteDpi());
    Gestaltung::dpiFunktionen() = gesichert;
    EXPECT_EQ(dpi, erwarteteDpi());
    EXPECT_EQ(symbol, GetSystemMetricsForDpi(SM_CXICON, erwarteteDpi()));
    ASSERT_EQ(mit.size(), ohne.size());
    for (std::size_t i = 0; i < mit.size(); ++i) {
        EXPECT_GT(mit[i].size(), 2u);
        for (const auto& [name, rechteck] : mit[i]) {
            SCOPED_TRACE(name);
            ASSERT_TRUE(ohne[i].contains(name));
            EXPECT_EQ(ohne[i].at(name), rechteck);
        }
    }
}

// The window's small and big icon are of the sizes Windows wants at `dpi`.
void symboleBei(HWND fenster, UINT dpi)
{
    for (const auto& [art, breite] : {std::pair{ICON_SMALL, SM_CXSMICON}, std::pair{ICON_BIG, SM_CXICON}}) {
        const auto symbol = HICON(SendMessageW(fenster, WM_GETICON, WPARAM(art), 0));
        ASSERT_NE(symbol, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(symbol, &info));
        BITMAP maske{};
        GetObjectW(info.hbmMask, sizeof(maske), &maske);
        DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        EXPECT_EQ(maske.bmWidth, GetSystemMetricsForDpi(breite, dpi)) << "dpi " << dpi;
    }
}

TEST_F(Skalierung, symboleInDerGroesseDerDpi)
{
    symboleBei(w->hwnd, erwarteteDpi());
}

TEST_F(Skalierung, bildGlattSkaliert)
{
    const UINT dpi = erwarteteDpi();
    const Pixelbild datei = ausDatei(ZAPFKONTOR_ASSETS "/Picture1.jpg", dpi);
    const Pixelbild gezeigt = innenansicht(w->Picture1->hwnd);
    ASSERT_EQ(datei.breite, int(std::lround(115 * dpi / 96.0)));
    // The picture fills the inner area from its top-left corner.
    ASSERT_LE(gezeigt.breite, datei.breite);
    ASSERT_LE(gezeigt.hoehe, datei.hoehe);
    double abstand = 0;
    for (int y = 0; y < gezeigt.hoehe; ++y)
        for (int x = 0; x < gezeigt.breite; ++x)
            for (int kanal = 0; kanal < 24; kanal += 8)
                abstand +=
                    std::abs(int((gezeigt.pixel(x, y) >> kanal) & 0xFF) - int((datei.pixel(x, y) >> kanal) & 0xFF));
    abstand /= 3.0 * gezeigt.breite * gezeigt.hoehe;
    // The same picture at the same size; scalers differ in their filters.
    EXPECT_LE(abstand, dpi == 96 ? 0.0 : 8.0);
}

TEST_F(Skalierung, anzeigeMitAndererDpi)
{
    // Windows says so when the window moves to a display of another scale,
    // with a rectangle for it there: the design's client area at the new
    // DPI in the frame the window has (Wine keeps the frame as it is).
    const UINT neu = erwarteteDpi() == 144 ? 96 : 144;
    RECT aussen{};
    GetWindowRect(w->hwnd, &aussen);
    const RECT innen = Testumgebung::innen(w->hwnd);
    const int rahmenBreite = (aussen.right - aussen.left) - innen.right;
    const int rahmenHoehe = (aussen.bottom - aussen.top) - innen.bottom;
    RECT vorschlag{aussen.left, aussen.top, aussen.left + bei(VerbrauchEntwurf::fenster.breite, neu) + rahmenBreite,
                   aussen.top + bei(VerbrauchEntwurf::fenster.hoehe, neu) + rahmenHoehe};
    SendMessageW(w->hwnd, WM_DPICHANGED, MAKEWPARAM(neu, neu), LPARAM(&vorschlag));
    Anwendung::nachrichtenBearbeiten();
    EXPECT_EQ(Gestaltung::dpi(w->hwnd), neu);
    EXPECT_EQ(wieEntworfenBei(w->hwnd, VerbrauchEntwurf::fenster, neu), std::vector<std::string>{});
    // The heading sized to its caption again, in the new font.
    HDC dc = GetDC(w->Label2);
    SelectObject(dc, HGDIOBJ(SendMessageW(w->Label2, WM_GETFONT, 0, 0)));
    SIZE s{};
    GetTextExtentPoint32W(dc, L"Sprittafel", 10, &s);
    ReleaseDC(w->Label2, dc);
    EXPECT_EQ(lage(w->Label2).right - lage(w->Label2).left, s.cx);
    EXPECT_NE(w->Picture1->bild(), nullptr);
    symboleBei(w->hwnd, neu);
}

}  // namespace
