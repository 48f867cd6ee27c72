#include "about_window/frmabout_win32.h"

#include "app/anwendung_win32.h"
#include "app/vorlesen_win32.h"

namespace Tafel = frmAboutEntwurf;

namespace {

constexpr const wchar_t* klasse = L"frmAbout";

struct Sperre {
    HWND ausnahme;
    std::vector<HWND>* gesperrt;
};

BOOL CALLBACK sperren(HWND fenster, LPARAM l)
{
    auto* s = reinterpret_cast<Sperre*>(l);
    if (fenster != s->ausnahme && IsWindowVisible(fenster) && IsWindowEnabled(fenster)) {
        EnableWindow(fenster, FALSE);
        s->gesperrt->push_back(fenster);
    }
    return TRUE;
}

}  // namespace

frmAbout::frmAbout()
{
    Fenster::klasseAnmelden(klasse, COLOR_BTNFACE);
    // A fixed dialog frame: no sizing, no minimise or maximise box, no icon.
    constexpr DWORD stil = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    constexpr DWORD exStil = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    erzeugen(klasse, Tafel::fenster, stil, exStil, nullptr);
    // Opening it, a screen reader says every text once, in reading order.
    Vorlesen::fensterAnmelden(hwnd, Entwurf::vorlesetext(Tafel::vorleseFolge));

    // Created in the order of the design, which is also its focus order; the
    // lines are painted on the background, under every control.
    for (const Linie* l : Tafel::linien)
        linie(*l);
    cmdOK = Gestaltung::knopf(hwnd, Tafel::cmdOK, true);
    Label1 = Gestaltung::bezeichnung(hwnd, Tafel::Label1);
    lblDescription = Gestaltung::bezeichnung(hwnd, Tafel::lblDescription);
    lblTitle = Gestaltung::bezeichnung(hwnd, Tafel::lblTitle);
    lblVersion = Gestaltung::bezeichnung(hwnd, Tafel::lblVersion);
    lblDisclaimer = Gestaltung::bezeichnung(hwnd, Tafel::lblDisclaimer);

    tooltips = Gestaltung::tooltips(hwnd);
    // Decoded while the window is made; drawn at the window's DPI.
    Gestaltung::bilderVorladen({Tafel::glocke});
}

void frmAbout::linie(const Linie& entwurf)
{
    Line1[std::size_t(entwurf.index)] = entwurf;
}

void frmAbout::cmdOK_Click()
{
    // The owner must be usable again before this window goes, or Windows
    // would hand the activation to another program.
    for (HWND f : gesperrt)
        EnableWindow(f, TRUE);
    gesperrt.clear();
    Fenster::entladen(*this);
}

void frmAbout::modalZeigen(HWND besitzer)
{
    SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, LONG_PTR(besitzer));
    // Over the middle of its owner.
    RECT b{}, a{};
    GetWindowRect(besitzer, &b);
    GetWindowRect(hwnd, &a);
    SetWindowPos(hwnd, nullptr, b.left + ((b.right - b.left) - (a.right - a.left)) / 2,
                 b.top + ((b.bottom - b.top) - (a.bottom - a.top)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Sperre sperre{hwnd, &gesperrt};
    EnumThreadWindows(GetCurrentThreadId(), sperren, LPARAM(&sperre));
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    SetFocus(cmdOK);

    // Until the window is unloaded: it deletes itself, so ask the registry.
    MSG m;
    while (Fenster::istGeladen<frmAbout>()) {
        const BOOL r = GetMessageW(&m, nullptr, 0, 0);
        if (r <= 0) {
            // The program is ending: leave that to the outer loop.
            PostQuitMessage(int(m.wParam));
            break;
        }
        Anwendung::bearbeite(m);
    }
}

void frmAbout::malen(HDC dc) const
{
    const UINT d = Gestaltung::dpi(hwnd);
    if (HBITMAP glocke = Gestaltung::bild(Tafel::glocke, d))
        Gestaltung::zeichne(dc, glocke, 0, 0);
    // In the order the window creates them: a later line over an earlier one.
    for (const Linie* entworfen : Tafel::linien) {
        const Linie& l = Line1[std::size_t(entworfen->index)];
        const COLORREF farbe = RGB(l.rot, l.gruen, l.blau);
        // A pen wider than a pixel covers the rows from the line's own row
        // downwards; its end point stays uncovered.
        LOGBRUSH pinsel{BS_SOLID, farbe, 0};
        const int breite = Gestaltung::skaliert(l.breite, d);
        Gestaltung::Gdi<HPEN> stift(
            breite > 1 ? ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, DWORD(breite), &pinsel, 0, nullptr)
                       : CreatePen(PS_INSIDEFRAME, 1, farbe));
        const HGDIOBJ vorher = SelectObject(dc, stift.get());
        const int mitte = breite / 2;
        MoveToEx(dc, Gestaltung::pixel(l.x1, d), Gestaltung::pixel(l.y1, d) + mitte, nullptr);
        LineTo(dc, Gestaltung::pixel(l.x2, d), Gestaltung::pixel(l.y2, d) + mitte);
        SelectObject(dc, vorher);
    }
}

LRESULT frmAbout::nachricht(UINT n, WPARAM w, LPARAM l)
{
    switch (n) {
    case WM_COMMAND:
        // "OK" is both the default (Enter) and the cancel button (Escape).
        if ((HIWORD(w) == BN_CLICKED && HWND(l) == cmdOK) || LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)
            cmdOK_Click();
        return 0;
    case DM_GETDEFID: return MAKELRESULT(GetDlgCtrlID(cmdOK), DC_HASDEFID);
    case WM_CTLCOLORSTATIC: return Gestaltung::beschriftungsfarben(HDC(w), HWND(l));
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        malen(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(HDC(w), &r, GetSysColorBrush(COLOR_BTNFACE));
        malen(HDC(w));
        return 0;
    }
    case WM_CLOSE: cmdOK_Click(); return 0;
    default: return Fenster::Basis::nachricht(n, w, l);
    }
}
