#include "app/anwendung_win32.h"

#include "app/fenster_win32.h"
#include "app/gestaltung_win32.h"
#include "version.h"

#include <algorithm>
#include <commctrl.h>
#include <objbase.h>

namespace Anwendung {

namespace {

HINSTANCE programm = nullptr;
std::wstring gepinnteRegion;

LRESULT CALLBACK besitzerProzedur(HWND fenster, UINT n, WPARAM w, LPARAM l)
{
    if (n == Fenster::loeschen) {
        delete reinterpret_cast<Fenster::Basis*>(l);
        return 0;
    }
    return DefWindowProcW(fenster, n, w, l);
}

std::string markeVon(const std::wstring& region, LCTYPE art)
{
    wchar_t marke[8] = {};
    GetLocaleInfoEx(region.c_str(), art, marke, 8);
    return Gestaltung::utf8(marke);
}

}  // namespace

void einrichten(HINSTANCE instanz)
{
    programm = instanz;
    // The picture codecs are COM objects.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX steuerelemente{sizeof(steuerelemente), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&steuerelemente);

    WNDCLASSEXW klasse{};
    klasse.cbSize = sizeof(klasse);
    klasse.lpfnWndProc = besitzerProzedur;
    klasse.hInstance = instanz;
    klasse.lpszClassName = L"TankumatBesitzer";
    RegisterClassExW(&klasse);
}

HINSTANCE instanz()
{
    return programm;
}

HWND besitzer()
{
    static HWND fenster =
        CreateWindowExW(0, L"TankumatBesitzer", L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr, programm, nullptr);
    return fenster;
}

void bearbeite(MSG& m)
{
    // Each top-level window is treated as a dialog box: Tab and the arrow
    // keys move the focus, Enter presses the default button, Alt+letter the
    // button with that access key, and Escape goes to IDCANCEL.
    HWND oben = m.hwnd ? GetAncestor(m.hwnd, GA_ROOT) : nullptr;
    if (oben && (m.message == WM_KEYDOWN || m.message == WM_SYSCHAR) && SendMessageW(oben, tasteVorab, 0, LPARAM(&m)))
        return;
    if (oben && IsDialogMessageW(oben, &m))
        return;
    TranslateMessage(&m);
    DispatchMessageW(&m);
}

int nachrichtenschleife()
{
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0)
        bearbeite(m);
    return int(m.wParam);
}

void nachrichtenBearbeiten()
{
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            // The program is ending: that is for the loop that runs it, so
            // the quit goes back to wait behind every other message.
            PostQuitMessage(int(m.wParam));
            return;
        }
        bearbeite(m);
    }
}

HICON ohneSymbol()
{
    // Every pixel masked out: a title bar with nothing in the icon's place.
    static const HICON leer = [] {
        BYTE und[16 * 16 / 8];
        BYTE xoder[16 * 16 / 8] = {};
        std::fill(std::begin(und), std::end(und), BYTE(0xFF));
        return CreateIcon(programm, 16, 16, 1, 1, und, xoder);
    }();
    return leer;
}

void meldung(HWND besitzer, std::string_view text)
{
    MessageBoxW(besitzer, Gestaltung::breit(text).c_str(), Gestaltung::breit(Version::titel).c_str(), MB_OK);
}

void regionSetzen(std::wstring name)
{
    gepinnteRegion = std::move(name);
}

rechnung::Zahlenformat zahlenformat()
{
    std::wstring region = gepinnteRegion;
    if (region.empty()) {
        wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
        if (GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) > 0)
            region = name;
    }
    // A system that names no region (the invariant locale) would read "0,88"
    // as 88; the program is laid out for German conventions.
    if (region.empty())
        region = L"de-DE";
    return {markeVon(region, LOCALE_SDECIMAL), markeVon(region, LOCALE_STHOUSAND)};
}

}  // namespace Anwendung
