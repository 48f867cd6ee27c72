#include "main_window/bildfeld_win32.h"

#include "app/fenster_win32.h"

namespace {

constexpr const wchar_t* klasse = L"Bildfeld";

}  // namespace

Bildfeld::Bildfeld(HWND eltern, const Entwurf::Steuerelement& kasten, const char* datei)
    : datei(datei)
{
    Fenster::klasseAnmelden(klasse, COLOR_BTNFACE, nullptr, nullptr, prozedur);
    hwnd = Gestaltung::steuerelement(eltern, kasten, klasse, WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CLIENTEDGE);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(this));
}

Bildfeld::~Bildfeld()
{
    // Its window may be gone already, with the window it lies in.
    if (hwnd)
        DestroyWindow(hwnd);
}

HBITMAP Bildfeld::bild() const
{
    return datei ? Gestaltung::bild(datei, Gestaltung::dpi(hwnd)) : nullptr;
}

void Bildfeld::malen(HDC dc) const
{
    // The client area is the inner area; drawing is clipped to it.
    if (HBITMAP b = bild())
        Gestaltung::zeichne(dc, b, 0, 0);
}

LRESULT CALLBACK Bildfeld::prozedur(HWND fenster, UINT n, WPARAM w, LPARAM l)
{
    auto* feld = reinterpret_cast<Bildfeld*>(GetWindowLongPtrW(fenster, GWLP_USERDATA));
    if (!feld)  // still being made, or gone
        return DefWindowProcW(fenster, n, w, l);
    switch (n) {
    case WM_NCDESTROY:
        SetWindowLongPtrW(fenster, GWLP_USERDATA, 0);
        feld->hwnd = nullptr;
        return DefWindowProcW(fenster, n, w, l);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(fenster, &ps);
        feld->malen(dc);
        EndPaint(fenster, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT r;
        GetClientRect(fenster, &r);
        FillRect(HDC(w), &r, GetSysColorBrush(COLOR_BTNFACE));
        feld->malen(HDC(w));
        return 0;
    }
    case WM_LBUTTONDOWN:
        // A click gives the box the focus, as Tab does.
        SetFocus(fenster);
        return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
        // What its controls say is for the window.
        return SendMessageW(GetParent(fenster), n, w, l);
    default: return DefWindowProcW(fenster, n, w, l);
    }
}
