// The design vocabulary of the Windows program: positions in twips turned into
// pixels, the handful of fonts, and the controls made from one row of a
// window's table of design constants. Texts are UTF-8 inside the program and
// UTF-16 only where they meet the API.
#pragma once

#include "app/entwurf.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace Gestaltung {

using Entwurf::Schrift;
using Entwurf::Steuerelement;
using Entwurf::Twips;

// Lengths at the display's scale. The program is DPI aware per monitor: a
// window is laid out at its display's dots per inch, 1440 twips an inch, 96
// of them making the design's own pixels. This is the only place where the
// Windows program turns twips into pixels.
inline constexpr UINT grundDpi = 96;
int pixel(int twips, UINT dpi);
RECT pixel(Twips t, UINT dpi);
SIZE groesse(const Entwurf::Fenster& f, UINT dpi);
// A length in the design's pixels at 96 dpi (a line's width, a font's
// height), at `dpi`.
int skaliert(int pixel96, UINT dpi);

// The DPI a window is laid out at, kept by its top-level window: set when it
// is made, and again whenever it moves to a display of another scale.
UINT dpi(HWND fenster);

// Windows' DPI functions of Windows 10 1607 and later, looked up once when
// the program runs; null where they are missing (Windows 7 and 8.1), and the
// program is laid out at the system's DPI there. A test may empty the table
// to take that path.
struct DpiFunktionen {
    decltype(GetDpiForSystem)* system;
    decltype(GetDpiForWindow)* fenster;
    decltype(GetSystemMetricsForDpi)* systemmetrik;
    decltype(AdjustWindowRectExForDpi)* rahmen;
};
DpiFunktionen& dpiFunktionen();

UINT systemDpi();
// The DPI Windows gives a window; the system's where it cannot say.
UINT fensterDpi(HWND fenster);
int systemmetrik(int index, UINT dpi);
void rahmenAnpassen(RECT& r, DWORD stil, DWORD exStil, UINT dpi);

// The outer size of a top-level window whose client area is the design's.
SIZE aussen(const Entwurf::Fenster& f, DWORD stil, DWORD exStil, UINT dpi);

// WM_DPICHANGED: the window takes on the new DPI and the rectangle Windows
// suggests, and every control made from a design row is laid out again:
// place, font, size to its text.
void dpiGeaendert(HWND fenster, UINT dpi, const RECT& vorschlag);
// Sets the DPI of a window just made; for Fenster::Basis.
void dpiSetzen(HWND fenster, UINT dpi);

// Deletes a GDI object when it goes.
struct GdiLoeschen {
    void operator()(HGDIOBJ objekt) const { DeleteObject(objekt); }
};
template <class H>
using Gdi = std::unique_ptr<std::remove_pointer_t<H>, GdiLoeschen>;

// The fonts of the design at a DPI, each made once for the life of the
// program.
HFONT schrift(Schrift art, UINT dpi);

std::wstring breit(std::string_view utf8);
std::string utf8(std::wstring_view breit);
std::wstring text(HWND fenster);

// The one place where a row of a design table becomes a control: a child of
// `eltern` with the row's name, place (counted from the inside of its
// border), text, font, visibility and tooltip, and what a screen reader is
// told of it (name, description, role). Controls are made in the focus
// order of the design: Tab follows the order of creation.
HWND steuerelement(HWND eltern, const Steuerelement& e, const wchar_t* klasse, DWORD stil, DWORD exStil = 0);

// The row a control was made from; null for any other window.
const Steuerelement* entwurf(HWND steuerelement);

// A label: left-aligned, wrapping its caption, on the button face.
HWND bezeichnung(HWND eltern, const Steuerelement& e);
// A single-line text box with no length limit; `stil` adds its alignment,
// which an edit control takes only when it is made.
HWND textfeld(HWND eltern, const Steuerelement& e, DWORD stil = ES_LEFT);
// A command button; the access key is the "&" of its caption.
HWND knopf(HWND eltern, const Steuerelement& e, bool standard = false);

// The tooltip window of a top-level window, made with its first tooltip.
HWND tooltips(HWND fenster);

// Gives a label the size of its caption on one line, from its position.
void anTextAnpassen(HWND bezeichnung);

// A picture linked into the program as a resource named by its file name,
// decoded by Windows' own codecs (WIC) into a 32-bit bitmap, top-down, and
// scaled smoothly by dpi/96; null if there is no such resource or it cannot
// be decoded. Each picture is decoded once, and scaled once per DPI, and kept
// for the life of the program.
HBITMAP bild(const char* datei, UINT dpi = grundDpi);

// Starts decoding these pictures on another thread, so the window that
// shows them is made meanwhile; bild() then waits only for what is missing.
void bilderVorladen(const std::vector<const char*>& dateien);
// Draws a bitmap unscaled with its top-left corner at (x, y).
void zeichne(HDC dc, HBITMAP bild, int x, int y);

// A colour of Windows' as the design's rules take it.
Entwurf::Farbe farbe(COLORREF c);

// Whether a high-contrast scheme is on: Windows' answer, looked up on every
// paint. A test may put another question in its place.
using HoherKontrast = bool (*)();
HoherKontrast& hoherKontrast();

// The colours of a control on the button face, for WM_CTLCOLORSTATIC and
// WM_CTLCOLORBTN: the system's, or the text colour of the control's own row
// where that reads on the button face and no high-contrast scheme is on.
LRESULT beschriftungsfarben(HDC dc, HWND steuerelement);

// WM_SYSCOLORCHANGE, and WM_SETTINGCHANGE for high contrast: the user chose
// other colours, or turned high contrast on or off. The window and every
// control in it are drawn again; each paint asks for the colours in force.
// Any other setting leaves the windows as they are.
void farbenGeaendert(HWND fenster, UINT nachricht, WPARAM was);

}  // namespace Gestaltung
