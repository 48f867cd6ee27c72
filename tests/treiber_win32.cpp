// The behaviour tests' driver for the Windows program: its windows in this
// process, under Wine, driven through the program's own message loop as the
// keyboard and mouse drive it, and read back as Windows and a screen reader
// (Active Accessibility) read them.

#include "treiber.h"

#include "about_window/frmabout_win32.h"
#include "app/anwendung_win32.h"
#include "app/fenster_win32.h"
#include "app/gestaltung_win32.h"
#include "main_window/verbrauch_win32.h"
#include "options_window/optionen_win32.h"
#include "windowstestumgebung.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace Verhalten {

namespace {

using Gestaltung::breit;
using Gestaltung::utf8;

::Fenster::Basis* geladenesFenster(Fenster f)
{
    switch (f) {
    case Fenster::Verbrauch: return ::Fenster::istGeladen<Verbrauch>() ? &::Fenster::instanz<Verbrauch>() : nullptr;
    case Fenster::Optionen: return ::Fenster::istGeladen<Optionen>() ? &::Fenster::instanz<Optionen>() : nullptr;
    case Fenster::frmAbout: return ::Fenster::istGeladen<frmAbout>() ? &::Fenster::instanz<frmAbout>() : nullptr;
    }
    return nullptr;
}

// Refers to the window as the program does: loaded if it is not.
HWND fenster(Fenster f)
{
    switch (f) {
    case Fenster::Verbrauch: return ::Fenster::instanz<Verbrauch>().hwnd;
    case Fenster::Optionen: return ::Fenster::instanz<Optionen>().hwnd;
    case Fenster::frmAbout: return ::Fenster::instanz<frmAbout>().hwnd;
    }
    return nullptr;
}

const char* fensterName(HWND oben)
{
    for (const auto& [f, name] : {std::pair{Fenster::Verbrauch, "Verbrauch"}, std::pair{Fenster::Optionen, "Optionen"},
                                  std::pair{Fenster::frmAbout, "frmAbout"}})
        if (::Fenster::Basis* b = geladenesFenster(f); b && b->hwnd == oben)
            return name;
    return "?";
}

struct Suche {
    const char* name;
    HWND gefunden;
};

BOOL CALLBACK vergleiche(HWND kind, LPARAM l)
{
    auto* s = reinterpret_cast<Suche*>(l);
    const Entwurf::Steuerelement* e = Gestaltung::entwurf(kind);
    if (e && std::string_view(e->name) == s->name) {
        s->gefunden = kind;
        return FALSE;
    }
    return TRUE;
}

HWND steuerelement(Ort o)
{
    Suche s{o.name, nullptr};
    EnumChildWindows(fenster(o.fenster), vergleiche, LPARAM(&s));
    if (!s.gefunden) {
        std::fprintf(stderr, "no control %s\n", o.name);
        std::abort();
    }
    return s.gefunden;
}

bool istKlasse(HWND h, const wchar_t* klasse)
{
    wchar_t name[32] = {};
    GetClassNameW(h, name, 32);
    return lstrcmpiW(name, klasse) == 0;
}

// Releases a COM interface when it goes.
struct Zugang {
    IAccessible* a = nullptr;
    ~Zugang()
    {
        if (a)
            a->Release();
    }
};

VARIANT selbst()
{
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}

std::string lies(HRESULT (STDMETHODCALLTYPE IAccessible::*frage)(VARIANT, BSTR*), HWND h)
{
    Zugang z;
    if (FAILED(AccessibleObjectFromWindow(h, DWORD(OBJID_CLIENT), IID_IAccessible, reinterpret_cast<void**>(&z.a))))
        return "<no accessible object>";
    BSTR text = nullptr;
    (z.a->*frage)(selbst(), &text);
    const std::string ergebnis = text ? utf8(text) : std::string();
    SysFreeString(text);
    return ergebnis;
}

// The system colours the windows are drawn in, as a scheme sets them: the
// buttons' face and text, the windows' face and text, grey text, the
// workspace, the light and the shadow edge.
const int farbelemente[] = {COLOR_BTNFACE,  COLOR_BTNTEXT,      COLOR_WINDOW,       COLOR_WINDOWTEXT,
                            COLOR_GRAYTEXT, COLOR_APPWORKSPACE, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};

// The schemes Windows users choose: the classic grey, Windows' default, High
// Contrast Black and White, and two of the user's own, a dark one and a light
// one with blue text, which the user then turns into a high-contrast scheme.
struct Systemschema {
    const char* name;
    bool hoherKontrast;
    COLORREF farben[std::size(farbelemente)];
};
// clang-format off
const Systemschema systemschemata[] = {
    {"klassisch", false, {RGB(212, 208, 200), RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(128, 128, 128), RGB(128, 128, 128), RGB(255, 255, 255), RGB(128, 128, 128)}},
    {"WindowsStandard", false, {RGB(240, 240, 240), RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(109, 109, 109), RGB(171, 171, 171), RGB(255, 255, 255), RGB(160, 160, 160)}},
    {"KontrastSchwarz", true, {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255), RGB(63, 242, 63), RGB(0, 0, 0), RGB(255, 255, 255), RGB(128, 128, 128)}},
    {"KontrastWeiss", true, {RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(96, 0, 0), RGB(128, 128, 128), RGB(0, 0, 0), RGB(128, 128, 128)}},
    {"dunkel", false, {RGB(32, 32, 32), RGB(240, 240, 240), RGB(25, 25, 25), RGB(240, 240, 240), RGB(128, 128, 128), RGB(43, 43, 43), RGB(64, 64, 64), RGB(16, 16, 16)}},
    {"hellBlau", false, {RGB(255, 255, 240), RGB(0, 0, 128), RGB(255, 255, 255), RGB(0, 0, 128), RGB(96, 96, 96), RGB(128, 128, 128), RGB(255, 255, 255), RGB(128, 128, 128)}},
    {"hellBlauKontrast", true, {RGB(255, 255, 240), RGB(0, 0, 128), RGB(255, 255, 255), RGB(0, 0, 128), RGB(96, 96, 96), RGB(128, 128, 128), RGB(255, 255, 255), RGB(128, 128, 128)}},
};
// clang-format on

// Windows' own answer, and what a test turns high contrast on with.
const Gestaltung::HoherKontrast windowsKontrast = Gestaltung::hoherKontrast();
bool kontrastAn()
{
    return true;
}

// A modal window open for longer than any case needs was forgotten by it:
// closed, so the run goes on, and the case fails. A thread timer fires in
// every message loop of the thread, a message box's included.
void CALLBACK notbremse(HWND, UINT, UINT_PTR, DWORD)
{
    static HWND zuletzt = nullptr;
    static int sekunden = 0;
    HWND modal = GetActiveWindow();
    const bool istModal = modal && (istKlasse(modal, L"#32770") || istKlasse(modal, L"frmAbout"));
    sekunden = istModal && modal == zuletzt ? sekunden + 1 : 0;
    zuletzt = istModal ? modal : nullptr;
    if (sekunden < 20)
        return;
    ADD_FAILURE() << "a modal window was left open: " << utf8(Gestaltung::text(modal));
    PostMessageW(modal, WM_COMMAND, IDOK, 0);
    PostMessageW(modal, WM_CLOSE, 0, 0);
}

// Under Wine an X window manager puts up each window a little after Windows
// has shown it, and carries out a minimising then. A window restored before
// the manager has minimised it is minimised again when it has. A window of
// the driver's own, shown and hidden again, waits for the manager: Wine hides
// no window the manager has not put up yet, and the manager takes the
// requests in the order they came. On Windows the window comes and goes.
void fenstermanagerAbwarten()
{
    static const wchar_t* const klasse = [] {
        WNDCLASSW k{};
        k.lpfnWndProc = DefWindowProcW;
        k.hInstance = GetModuleHandleW(nullptr);
        k.lpszClassName = L"Fenstermanagerlot";
        RegisterClassW(&k);
        return k.lpszClassName;
    }();
    // A caption: Wine leaves a window without one that is not activated to
    // itself, unseen by the manager.
    HWND lot = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, klasse, L"", WS_CAPTION, 0, 0, 1, 1, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(lot, SW_SHOWNOACTIVATE);
    ShowWindow(lot, SW_HIDE);
    DestroyWindow(lot);
}

class Win32Treiber final : public Treiber {
public:
    Win32Treiber() { SetTimer(nullptr, 0, 1000, notbremse); }

    bool hauptfensterZeigen() override
    {
        Verbrauch& w = ::Fenster::instanz<Verbrauch>();
        w.zeigen();
        return warteBis([&] { return GetForegroundWindow() == w.hwnd; }, 5000);
    }

    void alleEntladen() override
    {
        ::Fenster::alleEntladen();
        Anwendung::nachrichtenBearbeiten();
        // A case that ended the program leaves its quit in the queue.
        MSG m;
        while (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    }

    void region(const char* name) override { Anwendung::regionSetzen(breit(name)); }

    bool geladen(Fenster f) override { return geladenesFenster(f) != nullptr; }
    bool sichtbar(Fenster f) override { return geladen(f) && IsWindowVisible(fenster(f)); }
    bool aktiv(Fenster f) override { return geladen(f) && GetForegroundWindow() == fenster(f); }
    bool bedienbar(Fenster f) override { return IsWindowEnabled(fenster(f)); }
    bool minimiert(Fenster f) override { return IsIconic(fenster(f)); }

    bool hatBesitzer(Fenster f, Fenster besitzer) override
    {
        return geladen(besitzer) && GetWindow(fenster(f), GW_OWNER) == fenster(besitzer);
    }

    void aktivieren(Fenster f) override
    {
        // The window manager may still be answering an earlier activation
        // (a window just opened) and take the foreground back: asked again,
        // now and then, until the window has it, as a user clicks again.
        const HWND h = fenster(f);
        ULONGLONG gefragt = 0;
        Testumgebung::warteBis(
            [h, &gefragt] {
                if (GetForegroundWindow() == h)
                    return true;
                if (GetTickCount64() - gefragt >= 250) {
                    SetForegroundWindow(h);
                    gefragt = GetTickCount64();
                }
                return false;
            },
            5000);
    }

    void minimieren(Fenster f) override
    {
        ShowWindow(fenster(f), SW_MINIMIZE);
        fenstermanagerAbwarten();
        Anwendung::nachrichtenBearbeiten();
    }

    void rahmenSchliessen(Fenster f) override
    {
        // As the frame's close button does.
        PostMessageW(fenster(f), WM_SYSCOMMAND, SC_CLOSE, 0);
        Anwendung::nachrichtenBearbeiten();
    }

    std::string text(Ort o) override { return utf8(Gestaltung::text(steuerelement(o))); }

    void textSetzen(Ort o, const std::string& text) override { SetWindowTextW(steuerelement(o), breit(text).c_str()); }

    bool sichtbar(Ort o) override { return IsWindowVisible(steuerelement(o)); }
    bool aktiviert(Ort o) override { return IsWindowEnabled(steuerelement(o)); }
    bool gewaehlt(Ort o) override { return SendMessageW(steuerelement(o), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    std::string fokus() override
    {
        HWND f = GetFocus();
        const Entwurf::Steuerelement* e = f ? Gestaltung::entwurf(f) : nullptr;
        return e ? std::string(fensterName(GetAncestor(f, GA_ROOT))) + "." + e->name : std::string();
    }

    void fokussieren(Ort o) override
    {
        HWND s = steuerelement(o);
        // The main window moves its default button with the focus.
        if (o.fenster == Fenster::Verbrauch)
            ::Fenster::instanz<Verbrauch>().fokus(s);
        else
            SetFocus(s);
        Anwendung::nachrichtenBearbeiten();
    }

    void klicken(Ort o) override
    {
        HWND s = steuerelement(o);
        // Windows delivers no mouse input to a disabled window: a modal
        // window has disabled the others.
        if (!IsWindowEnabled(GetAncestor(s, GA_ROOT)))
            return;
        if (istKlasse(s, L"Button")) {
            SendMessageW(s, BM_CLICK, 0, 0);
        } else {
            RECT r{};
            GetClientRect(s, &r);
            const LPARAM mitte = MAKELPARAM(r.right / 2, r.bottom / 2);
            SendMessageW(s, WM_LBUTTONDOWN, MK_LBUTTON, mitte);
            SendMessageW(s, WM_LBUTTONUP, 0, mitte);
        }
        Anwendung::nachrichtenBearbeiten();
    }

    void taste(Taste t) override
    {
        switch (t) {
        case Taste::Enter: return Testumgebung::taste(VK_RETURN);
        case Taste::Escape: return Testumgebung::taste(VK_ESCAPE);
        case Taste::Tab: return Testumgebung::taste(VK_TAB);
        case Taste::ShiftTab: {
            BYTE tasten[256];
            GetKeyboardState(tasten);
            tasten[VK_SHIFT] = 0x80;
            SetKeyboardState(tasten);
            Testumgebung::taste(VK_TAB);
            tasten[VK_SHIFT] = 0;
            SetKeyboardState(tasten);
            return;
        }
        case Taste::Hoch: return Testumgebung::taste(VK_UP);
        case Taste::Runter: return Testumgebung::taste(VK_DOWN);
        case Taste::Leertaste: return Testumgebung::taste(VK_SPACE);
        }
    }

    void tippen(const std::string& text) override { Testumgebung::tippe(breit(text)); }
    void alt(char buchstabe) override { Testumgebung::alt(wchar_t(buchstabe)); }

    std::string vorleseName(Ort o) override { return lies(&IAccessible::get_accName, steuerelement(o)); }
    std::string vorleseBeschreibung(Ort o) override { return lies(&IAccessible::get_accDescription, steuerelement(o)); }

    std::string fensterBeschreibung(Fenster f) override { return lies(&IAccessible::get_accDescription, fenster(f)); }

    Rolle vorleseRolle(Ort o) override
    {
        Zugang z;
        VARIANT rolle{};
        if (FAILED(AccessibleObjectFromWindow(steuerelement(o), DWORD(OBJID_CLIENT), IID_IAccessible,
                                              reinterpret_cast<void**>(&z.a))) ||
            FAILED(z.a->get_accRole(selbst(), &rolle)) || rolle.vt != VT_I4)
            return Rolle::Andere;
        switch (rolle.lVal) {
        case ROLE_SYSTEM_PUSHBUTTON: return Rolle::Knopf;
        case ROLE_SYSTEM_TEXT: return Rolle::Textfeld;
        case ROLE_SYSTEM_STATICTEXT: return Rolle::Text;
        case ROLE_SYSTEM_GRAPHIC: return Rolle::Bild;
        case ROLE_SYSTEM_GROUPING: return Rolle::Gruppe;
        case ROLE_SYSTEM_RADIOBUTTON: return Rolle::Auswahl;
        default: return Rolle::Andere;
        }
    }

    std::vector<Farbschema> farbschemata() override
    {
        std::vector<Farbschema> schemata;
        for (const Systemschema& s : systemschemata)
            schemata.push_back(
                {s.name, Gestaltung::farbe(s.farben[0]), Gestaltung::farbe(s.farben[1]), s.hoherKontrast});
        return schemata;
    }

    void farbschemaSetzen(const Farbschema& s) override
    {
        const auto* neu = std::find_if(std::begin(systemschemata), std::end(systemschemata),
                                       [&](const Systemschema& e) { return std::string_view(e.name) == s.name; });
        ASSERT_NE(neu, std::end(systemschemata));
        // Windows tells every window of new colours itself; the same colours
        // again are no change, and nothing is told.
        if (!std::equal(std::begin(farbelemente), std::end(farbelemente), neu->farben,
                        [](int element, COLORREF farbe) { return GetSysColor(element) == farbe; }))
            SetSysColors(int(std::size(farbelemente)), farbelemente, neu->farben);
        // High contrast turned on or off: Windows tells every top-level window.
        const Gestaltung::HoherKontrast kontrast = s.hoherKontrast ? kontrastAn : windowsKontrast;
        if (std::exchange(Gestaltung::hoherKontrast(), kontrast) != kontrast)
            EnumThreadWindows(
                GetCurrentThreadId(),
                [](HWND h, LPARAM) {
                    SendMessageW(h, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
                    return TRUE;
                },
                0);
        Anwendung::nachrichtenBearbeiten();
    }

    std::vector<Entwurf::Farbe> punkte(Ort o) override
    {
        // Its window shown; Wine keeps a picture of each window of its own,
        // which the window's device context reads.
        HWND s = steuerelement(o);
        HWND f = GetAncestor(s, GA_ROOT);
        ShowWindow(f, SW_SHOWNOACTIVATE);
        Anwendung::nachrichtenBearbeiten();
        std::vector<Entwurf::Farbe> farben;
        for (const std::uint32_t p : Testumgebung::ansicht(s).punkte)
            farben.push_back(Gestaltung::farbe(RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF)));
        return farben;
    }

    std::string variable(const std::string& name) override
    {
        return variableVon(::Fenster::instanz<Verbrauch>(), name, [](const std::string& t) { return t; });
    }

    void währungSetzen(const std::string& w) override { ::Fenster::instanz<Verbrauch>().Währung = w; }

    bool warteBis(const std::function<bool()>& fertig, int ms) override { return Testumgebung::warteBis(fertig, ms); }

    void leerlauf() override
    {
        Anwendung::nachrichtenBearbeiten();
        Anwendung::nachrichtenBearbeiten();
    }

    Meldung beantworteMeldung(const std::function<void()>& aktion) override
    {
        return Testumgebung::beantworteMeldung(aktion);
    }

    bool waehrendInfo(const std::function<void()>& oeffnen, const std::function<void()>& imFenster) override
    {
        return Testumgebung::waehrendModal(
            oeffnen,
            [] {
                return ::Fenster::istGeladen<frmAbout>() && IsWindowVisible(::Fenster::instanz<frmAbout>().hwnd) &&
                    GetForegroundWindow() == ::Fenster::instanz<frmAbout>().hwnd;
            },
            imFenster);
    }

    bool endetNach(const std::function<void()>& aktion) override
    {
        aktion();
        Anwendung::nachrichtenBearbeiten();
        // The quit the program posts waits behind every other message.
        MSG m;
        const bool endet = PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        return endet && m.wParam == 0;
    }
};

}  // namespace

Treiber& treiber()
{
    static Win32Treiber t;
    return t;
}

}  // namespace Verhalten
