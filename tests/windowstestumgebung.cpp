#include "windowstestumgebung.h"

#include "app/gestaltung_win32.h"

#include <commctrl.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <ostream>

namespace Testumgebung {

bool warteBis(const std::function<bool()>& fertig, int ms)
{
    const ULONGLONG ende = GetTickCount64() + ULONGLONG(ms);
    for (;;) {
        Anwendung::nachrichtenBearbeiten();
        if (fertig && fertig())
            return true;
        if (GetTickCount64() >= ende)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void warte(int ms)
{
    warteBis(nullptr, ms);
}

namespace {

void schicke(UINT nachricht, WPARAM w, LPARAM l)
{
    PostMessageW(GetFocus(), nachricht, w, l);
    Anwendung::nachrichtenBearbeiten();
}

HHOOK haken = nullptr;
Verhalten::Meldung* laufend = nullptr;

BOOL CALLBACK kindLesen(HWND kind, LPARAM)
{
    wchar_t klasse[32] = {};
    GetClassNameW(kind, klasse, 32);
    const LONG stil = GetWindowLongW(kind, GWL_STYLE);
    if (lstrcmpiW(klasse, L"Button") == 0)
        laufend->knoepfe.push_back(Gestaltung::utf8(text(kind)));
    else if (lstrcmpiW(klasse, L"Static") == 0 && (stil & SS_TYPEMASK) == SS_ICON)
        // The box keeps an icon control, empty and hidden, when it shows none.
        laufend->symbol = laufend->symbol || (IsWindowVisible(kind) && SendMessageW(kind, STM_GETICON, 0, 0));
    else if (lstrcmpiW(klasse, L"Static") == 0 && !text(kind).empty())
        laufend->text = Gestaltung::utf8(text(kind));
    return TRUE;
}

LRESULT CALLBACK cbt(int code, WPARAM w, LPARAM l)
{
    if (code == HCBT_ACTIVATE && laufend && !laufend->erschienen) {
        HWND box = HWND(w);
        wchar_t klasse[32] = {};
        GetClassNameW(box, klasse, 32);
        if (lstrcmpW(klasse, L"#32770") == 0) {
            laufend->erschienen = true;
            laufend->titel = Gestaltung::utf8(text(box));
            laufend->vomHauptfenster =
                Fenster::istGeladen<Verbrauch>() && GetWindow(box, GW_OWNER) == Fenster::instanz<Verbrauch>().hwnd;
            EnumChildWindows(box, kindLesen, 0);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(haken, code, w, l);
}

}  // namespace

void taste(UINT vk)
{
    schicke(WM_KEYDOWN, vk, 1);
    schicke(WM_KEYUP, vk, LPARAM(0xC0000001));
}

void tippe(std::wstring_view text)
{
    for (const wchar_t z : text)
        schicke(WM_CHAR, z, 1);
}

void alt(wchar_t buchstabe)
{
    // Bit 29: the Alt key is down. The loop's TranslateMessage makes the
    // WM_SYSCHAR of it, as it does of a real key.
    constexpr LPARAM mitAlt = LPARAM(1) << 29 | 1;
    schicke(WM_SYSKEYDOWN, VkKeyScanW(buchstabe) & 0xFF, mitAlt);
    schicke(WM_SYSKEYUP, VkKeyScanW(buchstabe) & 0xFF, mitAlt | LPARAM(0xC0000000));
}

Verhalten::Meldung beantworteMeldung(const std::function<void()>& aktion)
{
    Verhalten::Meldung m;
    laufend = &m;
    haken = SetWindowsHookExW(WH_CBT, cbt, nullptr, GetCurrentThreadId());
    aktion();
    Anwendung::nachrichtenBearbeiten();
    UnhookWindowsHookEx(haken);
    laufend = nullptr;
    return m;
}

RECT lage(HWND steuerelement)
{
    RECT r{};
    GetWindowRect(steuerelement, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(steuerelement), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT innen(HWND fenster)
{
    RECT r{};
    GetClientRect(fenster, &r);
    return r;
}

std::wstring text(HWND fenster)
{
    return Gestaltung::text(fenster);
}

Schrift schrift(HWND steuerelement)
{
    LOGFONTW f{};
    GetObjectW(HGDIOBJ(SendMessageW(steuerelement, WM_GETFONT, 0, 0)), sizeof(f), &f);
    return {f.lfFaceName, -f.lfHeight, f.lfWeight == FW_BOLD, f.lfUnderline != 0};
}

std::wstring tooltip(HWND tooltips, HWND steuerelement)
{
    wchar_t puffer[256] = {};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = GetParent(steuerelement);
    info.uId = UINT_PTR(steuerelement);
    info.lpszText = puffer;
    SendMessageW(tooltips, TTM_GETTEXTW, 256, LPARAM(&info));
    return puffer;
}

Pixelbild ausDatei(const std::string& pfad, UINT dpi)
{
    Pixelbild b;
    IWICImagingFactory* fabrik = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* rahmen = nullptr;
    IWICBitmapScaler* skalierer = nullptr;
    IWICBitmapSource* bgr = nullptr;
    UINT breite = 0, hoehe = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&fabrik))) &&
        SUCCEEDED(fabrik->CreateDecoderFromFilename(Gestaltung::breit(pfad).c_str(), nullptr, GENERIC_READ,
                                                    WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &rahmen)) && SUCCEEDED(rahmen->GetSize(&breite, &hoehe)) &&
        SUCCEEDED(fabrik->CreateBitmapScaler(&skalierer)) &&
        SUCCEEDED(skalierer->Initialize(rahmen, MulDiv(int(breite), int(dpi), 96), MulDiv(int(hoehe), int(dpi), 96),
                                        WICBitmapInterpolationModeFant)) &&
        SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, skalierer, &bgr)) &&
        SUCCEEDED(bgr->GetSize(&breite, &hoehe))) {
        b.breite = int(breite);
        b.hoehe = int(hoehe);
        b.punkte.resize(std::size_t(breite) * hoehe);
        bgr->CopyPixels(nullptr, breite * 4, breite * 4 * hoehe, reinterpret_cast<BYTE*>(b.punkte.data()));
    }
    for (IUnknown* u : std::initializer_list<IUnknown*>{bgr, skalierer, rahmen, decoder, fabrik})
        if (u)
            u->Release();
    return b;
}

namespace {

// What `zeichnen` draws into a bitmap of that size.
Pixelbild aufnahme(int breite, int hoehe, const std::function<void(HDC)>& zeichnen)
{
    Pixelbild b;
    b.breite = breite;
    b.hoehe = hoehe;
    b.punkte.resize(std::size_t(b.breite) * std::size_t(b.hoehe));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), b.breite, -b.hoehe, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pixel = nullptr;
    HBITMAP ziel = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixel, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ vorher = SelectObject(dc, ziel);
    zeichnen(dc);
    GdiFlush();
    std::copy_n(static_cast<const std::uint32_t*>(pixel), b.punkte.size(), b.punkte.begin());
    SelectObject(dc, vorher);
    DeleteDC(dc);
    DeleteObject(ziel);
    return b;
}

}  // namespace

Pixelbild innenansicht(HWND fenster)
{
    const RECT r = innen(fenster);
    return aufnahme(r.right, r.bottom,
                    [&](HDC dc) { SendMessageW(fenster, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT | PRF_ERASEBKGND); });
}

Pixelbild ansicht(HWND fenster)
{
    const RECT r = innen(fenster);
    return aufnahme(r.right, r.bottom, [&](HDC dc) {
        HDC quelle = GetDC(fenster);
        BitBlt(dc, 0, 0, r.right, r.bottom, quelle, 0, 0, SRCCOPY);
        ReleaseDC(fenster, quelle);
    });
}

namespace {
std::function<bool()> modalOffen;
std::function<void()> modalAktion;
bool modalGesehen = false;

void CALLBACK modalPruefen(HWND, UINT, UINT_PTR id, DWORD)
{
    if (!modalOffen())
        return;
    KillTimer(nullptr, id);
    modalGesehen = true;
    modalAktion();
}
}  // namespace

bool waehrendModal(const std::function<void()>& oeffnen, const std::function<bool()>& offen,
                   const std::function<void()>& imFenster)
{
    modalOffen = offen;
    modalAktion = imFenster;
    modalGesehen = false;
    const UINT_PTR uhr = SetTimer(nullptr, 0, 20, modalPruefen);
    oeffnen();
    KillTimer(nullptr, uhr);
    return modalGesehen && !offen();
}

void wieEntworfen(HWND s, const wchar_t* text, const RECT& lage, int pixelgroesse, bool fett, HWND tooltips,
                  const wchar_t* tooltip)
{
    if (text) {
        EXPECT_EQ(Testumgebung::text(s), text);
    }
    if (!IsRectEmpty(&lage)) {
        EXPECT_EQ(Testumgebung::lage(s), lage);
    }
    const Schrift f = schrift(s);
    EXPECT_EQ(f.name, L"MS Sans Serif");
    EXPECT_EQ(f.pixelgroesse, pixelgroesse);
    EXPECT_EQ(f.fett, fett);
    EXPECT_FALSE(f.unterstrichen);
    EXPECT_EQ(Testumgebung::tooltip(tooltips, s), tooltip);
}

void Fenstertest::SetUp()
{
    w = &Fenster::instanz<Verbrauch>();
    w->zeigen();
    ASSERT_TRUE(warteBis([this] { return GetForegroundWindow() == w->hwnd; }));
}

void Fenstertest::TearDown()
{
    Fenster::alleEntladen();
    Anwendung::nachrichtenBearbeiten();
    // A case that ended the program leaves its quit waiting.
    MSG m;
    while (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    w = nullptr;
}

}  // namespace Testumgebung

bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b);
}

void PrintTo(const RECT& r, std::ostream* os)
{
    *os << "{" << r.left << ", " << r.top << ", " << r.right - r.left << " x " << r.bottom - r.top << "}";
}

int wmain(int argc, wchar_t** argv)
{
    // Unbuffered, so that a run ended from outside still shows how far it came.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    ::testing::InitGoogleTest(&argc, argv);
    Anwendung::einrichten(GetModuleHandleW(nullptr));
    Anwendung::regionSetzen(L"de-DE");
    return RUN_ALL_TESTS();
}
