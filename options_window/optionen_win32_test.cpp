// The currency window of the Windows program, opened and closed from the main
// window as the user does it.

#include "options_window/optionen_win32.h"
#include "windowstestumgebung.h"

#include "app/gestaltung_win32.h"

#include <oleacc.h>

using namespace Testumgebung;

namespace {

class OptionenWin32 : public Fenstertest {
protected:
    Optionen& oeffnen()
    {
        SendMessageW(w->cmdOptionen, BM_CLICK, 0, 0);
        Optionen& o = Fenster::instanz<Optionen>();
        warteBis([&] { return GetForegroundWindow() == o.hwnd; });
        return o;
    }

    bool gewaehlt(HWND option) const { return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED; }
};

// ---- opening ----------------------------------------------------------------------

// ---- choosing -----------------------------------------------------------------------

// ---- closing ------------------------------------------------------------------------

// ---- the window as designed -----------------------------------------------------------

TEST_F(OptionenWin32, steuerelementeInDerTafel)
{
    Optionen& o = Fenster::instanz<Optionen>();
    using Glied = HWND Optionen::*;
    const struct {
        Glied s;
        const wchar_t* text;
        RECT lage;
        int pixelgroesse;
        bool fett;
        const wchar_t* tooltip;
    } zeilen[] = {
        // Inside Picture1's inner area.
        {&Optionen::Option1, L"", {24, 16, 41, 49}, 11, false, L""},
        {&Optionen::Option2, L"Option2", {24, 64, 41, 89}, 11, false, L""},
        {&Optionen::Label1, L" EURO", {56, 24, 129, 49}, 18, true, L"Euro als Währung"},
        {&Optionen::Label2, L"DM", {64, 64, 113, 97}, 18, true, L"DM als Währung"},
        {&Optionen::cmdOptionOk, L"&Ok", {152, 72, 257, 105}, 11, false, L""},
    };
    for (const auto& z : zeilen) {
        HWND s = o.*z.s;
        SCOPED_TRACE(Gestaltung::utf8(text(s)));
        EXPECT_EQ(GetParent(s), o.Picture1->hwnd);
        wieEntworfen(s, z.text, z.lage, z.pixelgroesse, z.fett, o.tooltips, z.tooltip);
    }
    for (HWND option : {o.Option1, o.Option2})
        EXPECT_EQ(GetWindowLongW(option, GWL_STYLE) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
}

TEST_F(OptionenWin32, fensterUndTafel)
{
    Optionen& o = oeffnen();
    EXPECT_EQ(text(o.hwnd), L"Optionen");
    EXPECT_EQ(innen(o.hwnd), (RECT{0, 0, 281, 129}));
    const LONG stil = GetWindowLongW(o.hwnd, GWL_STYLE);
    EXPECT_TRUE((stil & WS_MINIMIZEBOX) && (stil & WS_MAXIMIZEBOX) && (stil & WS_THICKFRAME) && (stil & WS_SYSMENU));
    // No icon of its own, and not the program's pump either.
    EXPECT_EQ(HICON(GetClassLongPtrW(o.hwnd, GCLP_HICON)), Anwendung::ohneSymbol());
    wchar_t klasse[16] = {};
    GetClassNameW(o.mdiClient, klasse, 16);
    EXPECT_EQ(std::wstring(klasse), L"MDIClient");
    EXPECT_EQ(GetWindow(o.mdiClient, GW_CHILD), nullptr);
    EXPECT_EQ(lage(o.Picture1->hwnd), (RECT{0, 0, 281, 217}));
    EXPECT_EQ(lage(o.mdiClient), innen(o.hwnd));
    // Taller than the panel: the workspace shows below it. Narrower: the
    // panel follows the width, its height stays.
    SetWindowPos(o.hwnd, nullptr, 0, 0, 420, 340, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(lage(o.Picture1->hwnd), (RECT{0, 0, innen(o.hwnd).right, 217}));
    EXPECT_EQ(lage(o.mdiClient), innen(o.hwnd));
    SetWindowPos(o.hwnd, nullptr, 0, 0, 160, 90, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(lage(o.Picture1->hwnd), (RECT{0, 0, innen(o.hwnd).right, 217}));
}

}  // namespace
