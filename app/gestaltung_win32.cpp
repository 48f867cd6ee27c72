#include "app/gestaltung_win32.h"

#include "app/vorlesen_win32.h"

#include <commctrl.h>
#include <wincodec.h>

#include <algorithm>
#include <cmath>
#include <future>
#include <map>
#include <mutex>

namespace Gestaltung {

int pixel(int twips, UINT dpi)
{
    // To the nearest pixel; at 96 dpi, 15 twips make one.
    return MulDiv(twips, int(dpi), 1440);
}

RECT pixel(Twips t, UINT dpi)
{
    const int links = pixel(t.links, dpi), oben = pixel(t.oben, dpi);
    return {links, oben, links + pixel(t.breite, dpi), oben + pixel(t.hoehe, dpi)};
}

SIZE groesse(const Entwurf::Fenster& f, UINT dpi)
{
    return {pixel(f.breite, dpi), pixel(f.hoehe, dpi)};
}

int skaliert(int pixel96, UINT dpi)
{
    return MulDiv(pixel96, int(dpi), int(grundDpi));
}

namespace {

constexpr const wchar_t* dpiEigenschaft = L"Zapfkontor.Dpi";

// A function of user32 that older Windows lack, or null there.
template <class F>
F* neuere(const char* name)
{
    return reinterpret_cast<F*>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

DpiFunktionen& dpiFunktionen()
{
    static DpiFunktionen funktionen{
        neuere<decltype(GetDpiForSystem)>("GetDpiForSystem"),
        neuere<decltype(GetDpiForWindow)>("GetDpiForWindow"),
        neuere<decltype(GetSystemMetricsForDpi)>("GetSystemMetricsForDpi"),
        neuere<decltype(AdjustWindowRectExForDpi)>("AdjustWindowRectExForDpi"),
    };
    return funktionen;
}

UINT systemDpi()
{
    if (const auto neu = dpiFunktionen().system)
        return neu();
    HDC bildschirm = GetDC(nullptr);
    const int dpi = GetDeviceCaps(bildschirm, LOGPIXELSX);
    ReleaseDC(nullptr, bildschirm);
    return dpi > 0 ? UINT(dpi) : grundDpi;
}

UINT fensterDpi(HWND fenster)
{
    // Without it the program is aware of the system's DPI alone.
    const auto neu = dpiFunktionen().fenster;
    const UINT dpi = neu ? neu(fenster) : 0;
    return dpi ? dpi : systemDpi();
}

int systemmetrik(int index, UINT dpi)
{
    // Without it the program is aware of the system's DPI alone, which is
    // the one GetSystemMetrics answers for.
    const auto neu = dpiFunktionen().systemmetrik;
    return neu ? neu(index, dpi) : GetSystemMetrics(index);
}

void rahmenAnpassen(RECT& r, DWORD stil, DWORD exStil, UINT dpi)
{
    if (const auto neu = dpiFunktionen().rahmen)
        neu(&r, stil, FALSE, exStil, dpi);
    else
        AdjustWindowRectEx(&r, stil, FALSE, exStil);
}

UINT dpi(HWND fenster)
{
    HWND oben = GetAncestor(fenster, GA_ROOT);
    if (const auto gesetzt = UINT(UINT_PTR(GetPropW(oben, dpiEigenschaft))))
        return gesetzt;
    return fensterDpi(oben);
}

void dpiSetzen(HWND fenster, UINT dpi)
{
    SetPropW(fenster, dpiEigenschaft, HANDLE(UINT_PTR(dpi)));
}

SIZE aussen(const Entwurf::Fenster& f, DWORD stil, DWORD exStil, UINT dpi)
{
    const SIZE innen = groesse(f, dpi);
    RECT r{0, 0, innen.cx, innen.cy};
    rahmenAnpassen(r, stil, exStil, dpi);
    return {r.right - r.left, r.bottom - r.top};
}

HFONT schrift(Schrift art, UINT dpi)
{
    static std::map<std::pair<Schrift, UINT>, Gdi<HFONT>> schriften;
    Gdi<HFONT>& s = schriften[{art, dpi}];
    if (!s) {
        const Entwurf::Schriftart a = Entwurf::schriftart(art);
        // A negative height asks for the character height in pixels: the
        // design's point sizes are 11, 18 and 24 pixels at 96 dots per inch.
        s.reset(CreateFontW(-skaliert(a.pixelgroesse, dpi), 0, 0, 0, a.fett ? FW_BOLD : FW_NORMAL, FALSE,
                            a.unterstrichen, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, breit(Entwurf::schriftfamilie).c_str()));
    }
    return s.get();
}

std::wstring breit(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring ergebnis(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), ergebnis.data(), n);
    return ergebnis;
}

std::string utf8(std::wstring_view breit)
{
    if (breit.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, breit.data(), int(breit.size()), nullptr, 0, nullptr, nullptr);
    std::string ergebnis(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, breit.data(), int(breit.size()), ergebnis.data(), n, nullptr, nullptr);
    return ergebnis;
}

std::wstring text(HWND fenster)
{
    std::wstring t(std::size_t(GetWindowTextLengthW(fenster)) + 1, L'\0');
    t.resize(std::size_t(GetWindowTextW(fenster, t.data(), int(t.size()))));
    return t;
}

namespace {

constexpr const wchar_t* entwurfsEigenschaft = L"Zapfkontor.Entwurf";
constexpr const wchar_t* tooltipEigenschaft = L"Zapfkontor.Tooltips";

void tooltip(HWND steuerelement, const char* text)
{
    std::wstring t = breit(text);
    TTTOOLINFOW info{};
    // The size without the field comctl32 6 added: the program uses the
    // classic controls.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(steuerelement);
    info.uId = UINT_PTR(steuerelement);
    info.lpszText = t.data();
    SendMessageW(tooltips(steuerelement), TTM_ADDTOOLW, 0, LPARAM(&info));
}

}  // namespace

HWND steuerelement(HWND eltern, const Steuerelement& e, const wchar_t* klasse, DWORD stil, DWORD exStil)
{
    // A container's positions count from inside its border; a window's
    // client area has none, a picture box's sunken edge is outside its own.
    const UINT d = dpi(eltern);
    const RECT r = pixel(e.lage, d);
    int id = 100;
    for (HWND kind = GetWindow(eltern, GW_CHILD); kind; kind = GetWindow(kind, GW_HWNDNEXT))
        ++id;
    // A label sees the mouse only when asked to, and its tooltip needs it.
    if (e.tooltip && lstrcmpiW(klasse, L"STATIC") == 0)
        stil |= SS_NOTIFY;
    HWND s = CreateWindowExW(exStil, klasse, breit(e.text).c_str(), WS_CHILD | (e.sichtbar ? WS_VISIBLE : 0) | stil,
                             r.left, r.top, r.right - r.left, r.bottom - r.top, eltern,
                             reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SetPropW(s, entwurfsEigenschaft, HANDLE(&e));
    SendMessageW(s, WM_SETFONT, WPARAM(schrift(e.schrift, d)), FALSE);
    if (e.tooltip)
        tooltip(s, e.tooltip);
    if (e.groesseNachText)
        anTextAnpassen(s);
    // A label's tie to the control it names has no place in Active
    // Accessibility; the control's own name says what it holds.
    Vorlesen::anmelden(s, e);
    return s;
}

const Steuerelement* entwurf(HWND steuerelement)
{
    return static_cast<const Steuerelement*>(GetPropW(steuerelement, entwurfsEigenschaft));
}

namespace {

BOOL CALLBACK neuAnordnen(HWND s, LPARAM l)
{
    const Steuerelement* e = entwurf(s);
    if (!e)
        return TRUE;
    const auto d = UINT(l);
    const RECT r = pixel(e->lage, d);
    SetWindowPos(s, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(s, WM_SETFONT, WPARAM(schrift(e->schrift, d)), TRUE);
    if (e->groesseNachText)
        anTextAnpassen(s);
    return TRUE;
}

}  // namespace

void dpiGeaendert(HWND fenster, UINT dpi, const RECT& vorschlag)
{
    dpiSetzen(fenster, dpi);
    EnumChildWindows(fenster, neuAnordnen, LPARAM(dpi));
    SetWindowPos(fenster, nullptr, vorschlag.left, vorschlag.top, vorschlag.right - vorschlag.left,
                 vorschlag.bottom - vorschlag.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // A window that docks a control to its size does it again now.
    RECT innen{};
    GetClientRect(fenster, &innen);
    SendMessageW(fenster, WM_SIZE, SIZE_RESTORED, MAKELPARAM(innen.right, innen.bottom));
    InvalidateRect(fenster, nullptr, TRUE);
}

HWND bezeichnung(HWND eltern, const Steuerelement& e)
{
    // SS_NOPREFIX: a caption is never an access key.
    return steuerelement(eltern, e, L"STATIC", SS_LEFT | SS_NOPREFIX);
}

HWND textfeld(HWND eltern, const Steuerelement& e, DWORD stil)
{
    HWND t = steuerelement(eltern, e, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | stil, WS_EX_CLIENTEDGE);
    // Zero lifts the limit to the largest a single-line box takes.
    SendMessageW(t, EM_SETLIMITTEXT, 0, 0);
    return t;
}

HWND knopf(HWND eltern, const Steuerelement& e, bool standard)
{
    return steuerelement(eltern, e, L"BUTTON", WS_TABSTOP | (standard ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
}

HWND tooltips(HWND fenster)
{
    fenster = GetAncestor(fenster, GA_ROOT);
    if (HANDLE t = GetPropW(fenster, tooltipEigenschaft))
        return HWND(t);
    // Owned by the window, it goes with it.
    HWND t =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, fenster, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetPropW(fenster, tooltipEigenschaft, t);
    return t;
}

void anTextAnpassen(HWND bezeichnung)
{
    HDC dc = GetDC(bezeichnung);
    const HGDIOBJ vorher = SelectObject(dc, HGDIOBJ(SendMessageW(bezeichnung, WM_GETFONT, 0, 0)));
    const std::wstring t = text(bezeichnung);
    SIZE s{};
    GetTextExtentPoint32W(dc, t.c_str(), int(t.size()), &s);
    TEXTMETRICW m{};
    GetTextMetricsW(dc, &m);
    SelectObject(dc, vorher);
    ReleaseDC(bezeichnung, dc);
    SetWindowPos(bezeichnung, nullptr, 0, 0, s.cx, m.tmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

// Releases a COM interface when it goes.
template <class I>
struct Com {
    I* p = nullptr;
    ~Com()
    {
        if (p)
            p->Release();
    }
    I** operator&() { return &p; }
    I* operator->() const { return p; }
};

}  // namespace

namespace {

Gdi<HBITMAP> dekodieren(IWICImagingFactory* fabrik, const char* datei)
{
    HINSTANCE programm = GetModuleHandleW(nullptr);
    HRSRC quelle = FindResourceW(programm, breit(datei).c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL geladen = quelle ? LoadResource(programm, quelle) : nullptr;
    if (!geladen || !fabrik)
        return nullptr;
    auto* bytes = static_cast<BYTE*>(LockResource(geladen));
    const DWORD laenge = SizeofResource(programm, quelle);

    Com<IWICStream> strom;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> rahmen;
    Com<IWICBitmapSource> bgra;
    UINT breite = 0, hoehe = 0;
    if (FAILED(fabrik->CreateStream(&strom)) || FAILED(strom->InitializeFromMemory(bytes, laenge)) ||
        FAILED(fabrik->CreateDecoderFromStream(strom.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &rahmen)) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, rahmen.p, &bgra)) ||
        FAILED(bgra->GetSize(&breite, &hoehe)))
        return nullptr;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = LONG(breite);
    info.bmiHeader.biHeight = -LONG(hoehe);  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixel = nullptr;
    Gdi<HBITMAP> ergebnis(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixel, nullptr, 0));
    if (!ergebnis || FAILED(bgra->CopyPixels(nullptr, breite * 4, breite * 4 * hoehe, static_cast<BYTE*>(pixel))))
        return nullptr;
    return ergebnis;
}

using Bild = std::shared_ptr<std::remove_pointer_t<HBITMAP>>;

// Decodes on a thread of its own, with COM and a factory of its own.
std::vector<Bild> alleDekodieren(std::vector<const char*> dateien)
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    std::vector<Bild> bilder;
    {
        Com<IWICImagingFactory> fabrik;
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                         reinterpret_cast<void**>(&fabrik));
        for (const char* datei : dateien)
            bilder.emplace_back(dekodieren(fabrik.p, datei).release(), GdiLoeschen());
    }
    CoUninitialize();
    return bilder;
}

// Every picture decoded so far, or on its way, by file name: the decoding
// run it is part of, and its place there.
struct Unterwegs {
    std::shared_future<std::vector<Bild>> lauf;
    std::size_t stelle;
};

struct Bilder {
    std::mutex sperre;
    std::map<std::string, Unterwegs> nachName;
};

Bilder& bilder()
{
    static Bilder alle;
    return alle;
}

}  // namespace

void bilderVorladen(const std::vector<const char*>& dateien)
{
    Bilder& b = bilder();
    std::lock_guard<std::mutex> gesperrt(b.sperre);
    std::vector<const char*> neu;
    for (const char* datei : dateien)
        if (!b.nachName.contains(datei))
            neu.push_back(datei);
    if (neu.empty())
        return;
    const auto lauf = std::async(std::launch::async, alleDekodieren, neu).share();
    for (std::size_t i = 0; i < neu.size(); ++i)
        b.nachName[neu[i]] = {lauf, i};
}

namespace {

HBITMAP entschluesselt(const char* datei)
{
    bilderVorladen({datei});
    Unterwegs u;
    {
        std::lock_guard<std::mutex> gesperrt(bilder().sperre);
        u = bilder().nachName[datei];
    }
    return u.lauf.get()[u.stelle].get();
}

// The picture at another size, each pixel mixed from the four nearest of the
// original (bilinear), so a scaled picture stays smooth.
Gdi<HBITMAP> weichSkaliert(HBITMAP original, int breite, int hoehe)
{
    DIBSECTION quelle{};
    if (!GetObjectW(original, sizeof(quelle), &quelle) || !quelle.dsBm.bmBits)
        return nullptr;
    const int qb = quelle.dsBm.bmWidth, qh = quelle.dsBm.bmHeight;
    const auto* q = static_cast<const BYTE*>(quelle.dsBm.bmBits);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), breite, -hoehe, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pixel = nullptr;
    Gdi<HBITMAP> ergebnis(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixel, nullptr, 0));
    if (!ergebnis)
        return nullptr;
    auto* z = static_cast<BYTE*>(pixel);
    const auto wert = [&](int x, int y, int kanal) { return double(q[(std::size_t(y) * qb + x) * 4 + kanal]); };
    for (int y = 0; y < hoehe; ++y) {
        const double sy = std::clamp((y + 0.5) * qh / hoehe - 0.5, 0.0, double(qh - 1));
        const int y0 = int(sy), y1 = std::min(y0 + 1, qh - 1);
        const double fy = sy - y0;
        for (int x = 0; x < breite; ++x) {
            const double sx = std::clamp((x + 0.5) * qb / breite - 0.5, 0.0, double(qb - 1));
            const int x0 = int(sx), x1 = std::min(x0 + 1, qb - 1);
            const double fx = sx - x0;
            for (int k = 0; k < 4; ++k) {
                const double oben = wert(x0, y0, k) * (1 - fx) + wert(x1, y0, k) * fx;
                const double unten = wert(x0, y1, k) * (1 - fx) + wert(x1, y1, k) * fx;
                z[(std::size_t(y) * breite + x) * 4 + k] = BYTE(std::lround(oben * (1 - fy) + unten * fy));
            }
        }
    }
    return ergebnis;
}

}  // namespace

HBITMAP bild(const char* datei, UINT dpi)
{
    HBITMAP original = entschluesselt(datei);
    if (!original || dpi == grundDpi)
        return original;
    // Only the window's own thread asks for scaled pictures.
    static std::map<std::pair<std::string, UINT>, Gdi<HBITMAP>> skalierte;
    Gdi<HBITMAP>& b = skalierte[{datei, dpi}];
    if (!b) {
        BITMAP m{};
        GetObjectW(original, sizeof(m), &m);
        b = weichSkaliert(original, skaliert(int(m.bmWidth), dpi), skaliert(int(m.bmHeight), dpi));
    }
    return b.get();
}

void zeichne(HDC dc, HBITMAP bild, int x, int y)
{
    BITMAP b{};
    GetObjectW(bild, sizeof(b), &b);
    HDC speicher = CreateCompatibleDC(dc);
    const HGDIOBJ vorher = SelectObject(speicher, bild);
    BitBlt(dc, x, y, b.bmWidth, b.bmHeight, speicher, 0, 0, SRCCOPY);
    SelectObject(speicher, vorher);
    DeleteDC(speicher);
}

Entwurf::Farbe farbe(COLORREF c)
{
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

HoherKontrast& hoherKontrast()
{
    static HoherKontrast frage = [] {
        HIGHCONTRASTW hk{};
        hk.cbSize = sizeof(hk);
        return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(hk), &hk, 0) && (hk.dwFlags & HCF_HIGHCONTRASTON);
    };
    return frage;
}

LRESULT beschriftungsfarben(HDC dc, HWND steuerelement)
{
    const COLORREF grund = GetSysColor(COLOR_BTNFACE);
    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    if (const Steuerelement* e = entwurf(steuerelement); e && e->textfarbe) {
        const Entwurf::Farbe f = Entwurf::textfarbe(*e, farbe(grund), farbe(text), hoherKontrast()());
        text = RGB(f.rot, f.gruen, f.blau);
    }
    SetTextColor(dc, text);
    SetBkColor(dc, grund);
    return LRESULT(GetSysColorBrush(COLOR_BTNFACE));
}

void farbenGeaendert(HWND fenster, UINT nachricht, WPARAM was)
{
    if (nachricht == WM_SETTINGCHANGE && was != SPI_SETHIGHCONTRAST)
        return;
    // The program keeps no brush or colour of its own: every paint takes
    // the system's brushes and colours anew.
    RedrawWindow(fenster, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace Gestaltung
