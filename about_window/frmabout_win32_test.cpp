// The About window of the Windows program: its design, and its modal display
// from the main window with every way of closing it.

#include "about_window/frmabout_win32.h"
#include "options_window/optionen_win32.h"
#include "windowstestumgebung.h"

#include "app/gestaltung_win32.h"
#include "version.h"

using namespace Testumgebung;

namespace {

constexpr auto beschreibung = L"Dieses kleine Tool berechnet den Durchschnittsverbrauch von Fahrzeugen und gibt die "
                              L"Kosten auf 100 Kilometer bezogen an.";

class FrmAboutWin32 : public Fenstertest {
protected:
    frmAbout& allein()
    {
        frmAbout& info = Fenster::instanz<frmAbout>();
        ShowWindow(info.hwnd, SW_SHOWNOACTIVATE);
        Anwendung::nachrichtenBearbeiten();
        return info;
    }

    // "I&nfo" from the main window; `imFenster` runs while the window is up
    // and must close it.
    bool ueberInfo(const std::function<void(frmAbout&)>& imFenster, const std::function<void()>& oeffnen = {})
    {
        return waehrendModal(
            oeffnen ? oeffnen : [this] { SendMessageW(w->cmdinfo, BM_CLICK, 0, 0); },
            [] { return Fenster::istGeladen<frmAbout>() && IsWindowVisible(Fenster::instanz<frmAbout>().hwnd); },
            [&] { imFenster(Fenster::instanz<frmAbout>()); });
    }

    // The colour a label's text is drawn in, as the window answers for it.
    static COLORREF textfarbe(HWND fenster, HWND label)
    {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(fenster, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(label));
        const COLORREF farbe = GetTextColor(dc);
        DeleteDC(dc);
        return farbe;
    }
};

// ---- the window as designed -----------------------------------------------------

TEST_F(FrmAboutWin32, rahmen)
{
    frmAbout& info = allein();
    EXPECT_EQ(text(info.hwnd), L"Info ");
    EXPECT_EQ(innen(info.hwnd), (RECT{0, 0, 382, 237}));
    const LONG stil = GetWindowLongW(info.hwnd, GWL_STYLE);
    EXPECT_EQ(stil & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(stil & WS_SYSMENU);
    EXPECT_FALSE(stil & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    // A modal frame shows no icon.
    EXPECT_TRUE(GetWindowLongW(info.hwnd, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_EQ(HICON(GetClassLongPtrW(info.hwnd, GCLP_HICON)), nullptr);
}

TEST_F(FrmAboutWin32, steuerelemente)
{
    frmAbout& info = allein();
    using Glied = HWND frmAbout::*;
    const struct {
        Glied s;
        const wchar_t* text;
        RECT lage;  // empty: sized to its caption
        int pixelgroesse;
        bool fett;
        bool schwarz;
        const wchar_t* tooltip;
    } zeilen[] = {
        // Pixels worked out by hand from the twips of the design.
        {&frmAbout::cmdOK, L"OK", {283, 175, 367, 198}, 11, false, false, L""},
        {&frmAbout::lblDescription, beschreibung, {70, 75, 329, 121}, 11, false, true, L""},
        {&frmAbout::lblTitle, L"Tankumat", {70, 16, 329, 48}, 24, true, true, L""},
        {&frmAbout::lblVersion, nullptr, {70, 52, 329, 67}, 11, false, false, L""},
        {&frmAbout::lblDisclaimer, L"Freeware", {}, 18, true, true, L"Software zum Nulltarif"},
    };
    for (const auto& z : zeilen) {
        HWND s = info.*z.s;
        SCOPED_TRACE(Gestaltung::utf8(text(s)));
        wieEntworfen(s, z.text, z.lage, z.pixelgroesse, z.fett, info.tooltips, z.tooltip);
        if (s != info.cmdOK) {
            EXPECT_EQ(textfarbe(info.hwnd, s), z.schwarz ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNTEXT));
        }
    }
    EXPECT_EQ(text(info.lblVersion), Gestaltung::breit(Version::versionsZeile));
    EXPECT_EQ(GetWindowLongW(info.cmdOK, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    // "Freeware" takes the size of its caption, on one line, from where it stands.
    const RECT frei = lage(info.lblDisclaimer);
    EXPECT_EQ(frei.left, 112);
    EXPECT_EQ(frei.top, 184);
    HDC dc = GetDC(info.lblDisclaimer);
    SelectObject(dc, HGDIOBJ(SendMessageW(info.lblDisclaimer, WM_GETFONT, 0, 0)));
    SIZE s{};
    GetTextExtentPoint32W(dc, L"Freeware", 8, &s);
    ReleaseDC(info.lblDisclaimer, dc);
    EXPECT_EQ(frei.right - frei.left, s.cx);
}

TEST_F(FrmAboutWin32, glockeUndLinien)
{
    frmAbout& info = allein();
    const Pixelbild bild = innenansicht(info.hwnd);
    const Pixelbild glocke = ausDatei(ZAPFKONTOR_ASSETS "/glocke.gif");
    ASSERT_EQ(glocke.breite, 43);
    ASSERT_EQ(glocke.hoehe, 39);
    int anders = 0;
    for (int y = 0; y < glocke.hoehe; ++y)
        for (int x = 0; x < glocke.breite; ++x)
            anders += bild.pixel(x, y) != glocke.pixel(x, y);
    EXPECT_EQ(anders, 0) << "the bell, unscaled in the top-left corner";
    // The grey line on row 163, the white one over rows 164 and 165, from
    // x 6 and 7 up to, not including, x 377.
    const std::uint32_t grund = GetSysColor(COLOR_BTNFACE);
    const auto rgb = [](std::uint32_t bgr) { return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF); };
    EXPECT_EQ(bild.pixel(100, 162), rgb(grund));
    EXPECT_EQ(bild.pixel(100, 163), 0x808080u);
    EXPECT_EQ(bild.pixel(100, 164), 0xFFFFFFu);
    EXPECT_EQ(bild.pixel(100, 165), 0xFFFFFFu);
    EXPECT_EQ(bild.pixel(100, 166), rgb(grund));
    EXPECT_EQ(bild.pixel(6, 163), 0x808080u);
    EXPECT_EQ(bild.pixel(377, 163), rgb(grund));
}

// ---- opening and closing from the main window ------------------------------------

}  // namespace
