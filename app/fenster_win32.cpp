#include "app/fenster_win32.h"

#include "app/anwendung_win32.h"
#include "app/gestaltung_win32.h"

#include <map>

namespace Fenster {

namespace {

std::map<std::type_index, Basis*>& geladene()
{
    static std::map<std::type_index, Basis*> fenster;
    return fenster;
}

}  // namespace

Basis::~Basis()
{
    if (hwnd)
        DestroyWindow(hwnd);
}

void Basis::erzeugen(const wchar_t* klasse, const Entwurf::Fenster& entwurf, DWORD stil, DWORD exStil, HWND besitzer)
{
    const UINT system = Gestaltung::systemDpi();
    SIZE s = Gestaltung::aussen(entwurf, stil, exStil, system);
    CreateWindowExW(exStil, klasse, Gestaltung::breit(entwurf.titel).c_str(), stil, CW_USEDEFAULT, CW_USEDEFAULT, s.cx,
                    s.cy, besitzer, nullptr, Anwendung::instanz(), this);
    // A display of another scale than the system's.
    const UINT eigene = Gestaltung::fensterDpi(hwnd);
    Gestaltung::dpiSetzen(hwnd, eigene);
    if (eigene != system) {
        s = Gestaltung::aussen(entwurf, stil, exStil, eigene);
        SetWindowPos(hwnd, nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LRESULT Basis::nachricht(UINT n, WPARAM w, LPARAM l)
{
    return DefWindowProcW(hwnd, n, w, l);
}

LRESULT CALLBACK Basis::prozedur(HWND fenster, UINT n, WPARAM w, LPARAM l)
{
    if (n == WM_NCCREATE) {
        auto* objekt = static_cast<Basis*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        objekt->hwnd = fenster;
        SetWindowLongPtrW(fenster, GWLP_USERDATA, LONG_PTR(objekt));
    }
    auto* objekt = reinterpret_cast<Basis*>(GetWindowLongPtrW(fenster, GWLP_USERDATA));
    if (!objekt)
        return DefWindowProcW(fenster, n, w, l);
    // Moved to a display of another scale: laid out again for it, then the
    // window's own handler sees it too.
    if (n == WM_DPICHANGED)
        Gestaltung::dpiGeaendert(fenster, LOWORD(w), *reinterpret_cast<const RECT*>(l));
    // Other colours, or high contrast on or off: drawn again in them.
    if (n == WM_SYSCOLORCHANGE || n == WM_SETTINGCHANGE)
        Gestaltung::farbenGeaendert(fenster, n, w);
    const LRESULT ergebnis = objekt->nachricht(n, w, l);
    if (n == WM_NCDESTROY) {
        SetWindowLongPtrW(fenster, GWLP_USERDATA, 0);
        objekt->hwnd = nullptr;
    }
    return ergebnis;
}

void klasseAnmelden(const wchar_t* name, int hintergrund, HICON symbol, HICON kleinesSymbol, WNDPROC prozedur)
{
    WNDCLASSEXW k{};
    k.cbSize = sizeof(k);
    if (GetClassInfoExW(Anwendung::instanz(), name, &k))
        return;
    k.lpfnWndProc = prozedur;
    k.hInstance = Anwendung::instanz();
    k.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    k.hbrBackground = HBRUSH(INT_PTR(hintergrund + 1));
    k.hIcon = symbol;
    k.hIconSm = kleinesSymbol;
    k.lpszClassName = name;
    RegisterClassExW(&k);
}

namespace detail {

Basis* geladen(std::type_index klasse)
{
    const auto it = geladene().find(klasse);
    return it == geladene().end() ? nullptr : it->second;
}

void eintragen(std::type_index klasse, Basis* fenster)
{
    geladene()[klasse] = fenster;
}

}  // namespace detail

void entladen(Basis& fenster)
{
    auto& alle = geladene();
    for (auto it = alle.begin(); it != alle.end();)
        it = it->second == &fenster ? alle.erase(it) : std::next(it);
    if (fenster.hwnd)
        DestroyWindow(fenster.hwnd);
    PostMessageW(Anwendung::besitzer(), loeschen, 0, LPARAM(&fenster));

    bool sichtbar = false;
    for (const auto& [klasse, f] : alle)
        sichtbar = sichtbar || (f->hwnd && IsWindowVisible(f->hwnd));
    if (!sichtbar)
        PostQuitMessage(0);
}

void alleEntladen()
{
    auto alle = std::move(geladene());
    geladene().clear();
    for (const auto& [klasse, fenster] : alle)
        delete fenster;
}

}  // namespace Fenster
