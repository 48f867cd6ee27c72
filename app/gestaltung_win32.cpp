#include "app/gestaltung_win32.h"

#include "app/vorlesen_win32.h"

#include <commctrl.h>
#include <wincodec.h>

#include <array>
#include <future>
#include <map>
#include <mutex>

namespace Gestaltung {

RECT pixel(Twips t)
{
    const int links = Entwurf::pixel(t.links), oben = Entwurf::pixel(t.oben);
    return {links, oben, links + Entwurf::pixel(t.breite), oben + Entwurf::pixel(t.hoehe)};
}

SIZE groesse(const Entwurf::Fenster& f)
{
    return {Entwurf::pixel(f.breite), Entwurf::pixel(f.hoehe)};
}

HFONT schrift(Schrift art)
{
    static std::array<Gdi<HFONT>, 5> schriften;
    Gdi<HFONT>& s = schriften[std::size_t(art)];
    if (!s) {
        const Entwurf::Schriftart a = Entwurf::schriftart(art);
        // A negative height asks for the character height in pixels, as the
        // design's point sizes are at 96 dots per inch.
        s.reset(CreateFontW(-a.pixelgroesse, 0, 0, 0, a.fett ? FW_BOLD : FW_NORMAL, FALSE, a.unterstrichen, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_SWISS, breit(Entwurf::schriftfamilie).c_str()));
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
    const RECT r = pixel(e.lage);
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
    SendMessageW(s, WM_SETFONT, WPARAM(schrift(e.schrift)), FALSE);
    if (e.tooltip)
        tooltip(s, e.tooltip);
    Vorlesen::anmelden(s, e);
    return s;
}

const Steuerelement* entwurf(HWND steuerelement)
{
    return static_cast<const Steuerelement*>(GetPropW(steuerelement, entwurfsEigenschaft));
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

HBITMAP bild(const char* datei)
{
    bilderVorladen({datei});
    Unterwegs u;
    {
        std::lock_guard<std::mutex> gesperrt(bilder().sperre);
        u = bilder().nachName[datei];
    }
    return u.lauf.get()[u.stelle].get();
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

LRESULT beschriftungsfarben(HDC dc)
{
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return LRESULT(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace Gestaltung
