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

TEST_F(OptionenWin32, oeffnenWendetDieWaehrungAn)
{
    const struct {
        const char* waehrung;
        HWND Optionen::*option;
        const wchar_t* preis;
        const wchar_t* einheit;
    } faelle[] = {
        {"Euro", &Optionen::Option1, L"0,88", L"Euro"},
        {"DM", &Optionen::Option2, L"1,76", L"DM"},
        // Compared exactly: anything but "Euro" counts as DM.
        {"euro", &Optionen::Option2, L"1,76", L"DM"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.waehrung);
        w->Währung = f.waehrung;
        SetWindowTextW(w->txtPreis, L"1,23");  // the user's own price
        Optionen& o = oeffnen();
        EXPECT_TRUE(IsWindowVisible(o.hwnd));
        EXPECT_TRUE(gewaehlt(o.*f.option));
        EXPECT_EQ(text(w->txtPreis), f.preis);
        EXPECT_EQ(text(w->Label9), f.einheit);
        // Modeless and without owner: the main window stays usable.
        EXPECT_EQ(GetWindow(o.hwnd, GW_OWNER), nullptr);
        EXPECT_TRUE(IsWindowEnabled(w->hwnd));
        EXPECT_EQ(GetFocus(), o.Picture1->hwnd);
        SendMessageW(o.hwnd, WM_CLOSE, 0, 0);
        Anwendung::nachrichtenBearbeiten();
    }
}

TEST_F(OptionenWin32, beimLadenIstNichtsGewaehlt)
{
    Optionen& o = Fenster::instanz<Optionen>();
    EXPECT_FALSE(gewaehlt(o.Option1));
    EXPECT_FALSE(gewaehlt(o.Option2));
    EXPECT_EQ(text(w->txtPreis), L"0,88");
}

TEST_F(OptionenWin32, zweitesOeffnenHoltDasOffeneNachVorn)
{
    Optionen* erstes = &oeffnen();
    SetWindowTextW(w->txtPreis, L"0,95");
    SetForegroundWindow(w->hwnd);
    Anwendung::nachrichtenBearbeiten();
    SendMessageW(w->cmdOptionen, BM_CLICK, 0, 0);
    EXPECT_EQ(&Fenster::instanz<Optionen>(), erstes);
    EXPECT_TRUE(warteBis([&] { return GetForegroundWindow() == erstes->hwnd; }));
    // The option already selected is not applied again.
    EXPECT_EQ(text(w->txtPreis), L"0,95");

    // Minimised, it comes back with Alt+O in the main window.
    ShowWindow(erstes->hwnd, SW_MINIMIZE);
    SetForegroundWindow(w->hwnd);
    w->fokus(w->txtKMalt);
    Anwendung::nachrichtenBearbeiten();
    alt(L'o');
    EXPECT_FALSE(IsIconic(erstes->hwnd));
    EXPECT_TRUE(warteBis([&] { return GetForegroundWindow() == erstes->hwnd; }));
    EXPECT_EQ(&Fenster::instanz<Optionen>(), erstes);
}

// ---- choosing -----------------------------------------------------------------------

TEST_F(OptionenWin32, dmGiltSofortUndEuroZurueck)
{
    Optionen& o = oeffnen();
    SendMessageW(o.Option2, BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowVisible(o.hwnd));
    EXPECT_EQ(text(w->Label9), L"DM");
    EXPECT_EQ(text(w->txtPreis), L"1,76");
    EXPECT_EQ(w->Währung, "DM");
    SendMessageW(w->Berechnen, BM_CLICK, 0, 0);
    EXPECT_TRUE(text(w->lblAusgabe).ends_with(L"12,84 DM !"));
    SendMessageW(o.Option1, BM_CLICK, 0, 0);
    EXPECT_EQ(text(w->Label9), L"Euro");
    EXPECT_EQ(text(w->txtPreis), L"0,88");
    EXPECT_EQ(w->Währung, "Euro");
}

TEST_F(OptionenWin32, pfeiltastenWaehlenBeschriftungenNicht)
{
    Optionen& o = oeffnen();
    // A click on a caption beside the circles selects nothing.
    SendMessageW(o.Label2, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(o.Label2, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Anwendung::nachrichtenBearbeiten();
    EXPECT_EQ(w->Währung, "Euro");
    SetFocus(o.Option1);
    taste(VK_DOWN);
    EXPECT_TRUE(gewaehlt(o.Option2));
    EXPECT_EQ(w->Währung, "DM");
}

// ---- closing ------------------------------------------------------------------------

TEST_F(OptionenWin32, okSchliesstUndFokussiert)
{
    const struct {
        const char* wie;
        std::function<void(Optionen&)> druecken;
    } faelle[] = {
        {"Klick", [](Optionen& o) { SendMessageW(o.cmdOptionOk, BM_CLICK, 0, 0); }},
        {"Enter", [](Optionen& o) { SetFocus(o.Option2); taste(VK_TAB); taste(VK_RETURN); }},
        {"Leertaste", [](Optionen& o) { SetFocus(o.Option2); taste(VK_TAB); taste(VK_SPACE); }},
        {"Alt+O von der Tafel", [](Optionen& o) { SetFocus(o.Picture1->hwnd); alt(L'o'); }},
        {"Alt+O von der Option", [](Optionen& o) { SetFocus(o.Option2); alt(L'o'); }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wie);
        Optionen& o = oeffnen();
        SendMessageW(o.Option2, BM_CLICK, 0, 0);
        f.druecken(o);
        Anwendung::nachrichtenBearbeiten();
        EXPECT_FALSE(Fenster::istGeladen<Optionen>());
        EXPECT_TRUE(warteBis([&] { return GetFocus() == w->txtKMalt; }));
        EXPECT_EQ(w->Währung, "DM");
        // The next opening loads a fresh window and applies DM again.
        SetWindowTextW(w->txtPreis, L"2,00");
        Optionen& neu = oeffnen();
        EXPECT_TRUE(gewaehlt(neu.Option2));
        EXPECT_EQ(text(w->txtPreis), L"1,76");
        SendMessageW(neu.Option1, BM_CLICK, 0, 0);
        SendMessageW(neu.hwnd, WM_CLOSE, 0, 0);
        Anwendung::nachrichtenBearbeiten();
    }
}

TEST_F(OptionenWin32, rahmenSchliesstOhneFokuswechsel)
{
    // The main window's focus is elsewhere, the options window in front.
    Optionen& o = oeffnen();
    w->fokus(w->txtLiter);
    SetForegroundWindow(o.hwnd);
    ASSERT_TRUE(warteBis([&] { return GetForegroundWindow() == o.hwnd; }));
    SendMessageW(o.Option2, BM_CLICK, 0, 0);
    SendMessageW(o.hwnd, WM_CLOSE, 0, 0);
    Anwendung::nachrichtenBearbeiten();
    EXPECT_FALSE(Fenster::istGeladen<Optionen>());
    EXPECT_TRUE(warteBis([&] { return GetForegroundWindow() == w->hwnd; }));
    EXPECT_EQ(GetFocus(), w->txtLiter);
    EXPECT_EQ(w->Währung, "DM");
}

TEST_F(OptionenWin32, hauptfensterSchonGeschlossen)
{
    // The main window goes first; the options window writes into a fresh,
    // hidden one, and the program ends with the options window.
    Optionen& o = oeffnen();
    SendMessageW(w->hwnd, WM_CLOSE, 0, 0);
    Anwendung::nachrichtenBearbeiten();
    EXPECT_FALSE(Fenster::istGeladen<Verbrauch>());
    SendMessageW(o.Option2, BM_CLICK, 0, 0);
    ASSERT_TRUE(Fenster::istGeladen<Verbrauch>());
    Verbrauch& frisch = Fenster::instanz<Verbrauch>();
    EXPECT_FALSE(IsWindowVisible(frisch.hwnd));
    EXPECT_EQ(frisch.Währung, "DM");
    EXPECT_EQ(text(frisch.txtPreis), L"1,76");

    SendMessageW(o.cmdOptionOk, BM_CLICK, 0, 0);
    EXPECT_FALSE(Fenster::istGeladen<Optionen>());
    EXPECT_FALSE(IsWindowVisible(Fenster::instanz<Verbrauch>().hwnd));
    MSG m;
    EXPECT_TRUE(PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program does not end";
    EXPECT_EQ(m.wParam, 0u);
}

// ---- the window as designed -----------------------------------------------------------

TEST_F(OptionenWin32, steuerelementeInDerTafel)
{
    Optionen& o = Fenster::instanz<Optionen>();
    const struct {
        HWND Optionen::*s;
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

TEST_F(OptionenWin32, tabReihenfolge)
{
    for (const bool dm : {false, true}) {
        SCOPED_TRACE(dm);
        w->Währung = dm ? "DM" : "Euro";
        Optionen& o = oeffnen();
        const HWND option = dm ? o.Option2 : o.Option1;
        SetFocus(o.Picture1->hwnd);
        std::vector<HWND> vor, zurueck;
        for (int i = 0; i < 3; ++i) {
            taste(VK_TAB);
            vor.push_back(GetFocus());
        }
        // The option group is one stop: the selected option.
        EXPECT_EQ(vor, (std::vector<HWND>{option, o.cmdOptionOk, o.Picture1->hwnd}));
        for (int i = 0; i < 3; ++i) {
            BYTE tasten[256];
            GetKeyboardState(tasten);
            tasten[VK_SHIFT] = 0x80;
            SetKeyboardState(tasten);
            taste(VK_TAB);
            tasten[VK_SHIFT] = 0;
            SetKeyboardState(tasten);
            zurueck.push_back(GetFocus());
        }
        EXPECT_EQ(zurueck, (std::vector<HWND>{o.cmdOptionOk, option, o.Picture1->hwnd}));
        SendMessageW(o.hwnd, WM_CLOSE, 0, 0);
        Anwendung::nachrichtenBearbeiten();
    }
}

TEST_F(OptionenWin32, vorleseNamenDerOptionen)
{
    // Their own captions are empty or out of sight; the labels beside them say it.
    Optionen& o = oeffnen();
    const struct {
        HWND option;
        const wchar_t* name;
    } faelle[] = {{o.Option1, L"Euro"}, {o.Option2, L"DM"}};
    for (const auto& f : faelle) {
        IAccessible* a = nullptr;
        ASSERT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(f.option, DWORD(OBJID_CLIENT), IID_IAccessible,
                                                         reinterpret_cast<void**>(&a))));
        VARIANT selbst;
        selbst.vt = VT_I4;
        selbst.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        EXPECT_EQ(a->get_accName(selbst, &name), S_OK);
        EXPECT_EQ(std::wstring(name ? name : L""), f.name);
        SysFreeString(name);
        a->Release();
    }
}

}  // namespace
