#include "main_window/verbrauch_win32.h"

#include "about_window/frmabout_win32.h"
#include "app/anwendung_win32.h"
#include "app/gestaltung_win32.h"
#include "app/resource_ids.h"
#include "app/vorlesen_win32.h"
#include "main_window/verbrauch_entwurf.h"
#include "options_window/optionen_win32.h"

#include <commctrl.h>

#include <map>
#include <tuple>

namespace Tafel = VerbrauchEntwurf;
using Gestaltung::breit;

namespace {

constexpr const wchar_t* klasse = L"Verbrauch";

bool istKnopf(HWND s)
{
    wchar_t name[16] = {};
    GetClassNameW(s, name, 16);
    const LONG stil = GetWindowLongW(s, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiW(name, L"BUTTON") == 0 && (stil == BS_PUSHBUTTON || stil == BS_DEFPUSHBUTTON);
}

}  // namespace

Verbrauch::Verbrauch()
{
    // The frame's pictures are decoded on another core while the window and
    // its controls are made.
    std::vector<const char*> bilder;
    for (const Tafel::Bildkasten* b : Tafel::rahmen)
        if (b->datei)
            bilder.push_back(b->datei);
    Gestaltung::bilderVorladen(bilder);
    Fenster::klasseAnmelden(klasse, COLOR_BTNFACE);
    // Sizable frame with title bar, system menu and close box, and neither a
    // minimise nor a maximise box; owned by the hidden owner, so it has no
    // button in the task bar.
    constexpr DWORD stil = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
    constexpr DWORD exStil = WS_EX_CONTROLPARENT;
    erzeugen(klasse, Tafel::fenster, stil, exStil, Anwendung::besitzer());
    symboleSetzen();
    RECT frei{}, aussen{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &frei, 0);
    GetWindowRect(hwnd, &aussen);
    const Entwurf::Punkt ort = Entwurf::zentriert({frei.left, frei.top, frei.right - frei.left, frei.bottom - frei.top},
                                                  aussen.right - aussen.left, aussen.bottom - aussen.top);
    SetWindowPos(hwnd, nullptr, ort.x, ort.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // Created in the focus order of the design; labels hold their places in
    // it without ever taking the focus.
    txtKMalt = Gestaltung::textfeld(hwnd, Tafel::txtKMalt, ES_CENTER);
    txtKMneu = Gestaltung::textfeld(hwnd, Tafel::txtKMneu, ES_CENTER);
    txtLiter = Gestaltung::textfeld(hwnd, Tafel::txtLiter, ES_CENTER);
    txtPreis = Gestaltung::textfeld(hwnd, Tafel::txtPreis, ES_CENTER);
    Picture1 = bildfeld(Tafel::Picture1);
    Picture2 = bildfeld(Tafel::Picture2);
    Picture3 = bildfeld(Tafel::Picture3);
    Picture4 = bildfeld(Tafel::Picture4);
    Picture5 = bildfeld(Tafel::Picture5);
    Picture6 = bildfeld(Tafel::Picture6);
    Picture7 = bildfeld(Tafel::Picture7);
    Picture8 = bildfeld(Tafel::Picture8);
    Picture9 = bildfeld(Tafel::Picture9);
    Picture10 = bildfeld(Tafel::Picture10);
    Picture11 = bildfeld(Tafel::Picture11);
    Picture12 = bildfeld(Tafel::Picture12);
    Picture13 = bildfeld(Tafel::Picture13);
    Picture14 = bildfeld(Tafel::Picture14);
    Picture16 = bildfeld(Tafel::Picture16);
    Picture17 = bildfeld(Tafel::Picture17);
    Picture18 = bildfeld(Tafel::Picture18);
    Picture19 = bildfeld(Tafel::Picture19);
    Label1 = Gestaltung::bezeichnung(Picture7->hwnd, Tafel::Label1);
    Label2 = Gestaltung::bezeichnung(hwnd, Tafel::Label2);
    Label3 = Gestaltung::bezeichnung(hwnd, Tafel::Label3);
    Label4 = Gestaltung::bezeichnung(hwnd, Tafel::Label4);
    Label5 = Gestaltung::bezeichnung(hwnd, Tafel::Label5);
    Berechnen = Gestaltung::knopf(hwnd, Tafel::Berechnen, true);
    // Drawn by the window: disabled, its text is etched, centred line by line.
    lblAusgabe = Gestaltung::steuerelement(hwnd, Tafel::lblAusgabe, L"STATIC", SS_OWNERDRAW | WS_DISABLED);
    Label7 = Gestaltung::bezeichnung(hwnd, Tafel::Label7);
    Label6 = Gestaltung::bezeichnung(hwnd, Tafel::Label6);
    Label8 = Gestaltung::bezeichnung(hwnd, Tafel::Label8);
    Label9 = Gestaltung::bezeichnung(hwnd, Tafel::Label9);
    Label10 = Gestaltung::bezeichnung(hwnd, Tafel::Label10);
    cmdWeiter = Gestaltung::knopf(hwnd, Tafel::cmdWeiter);
    cmdOptionen = Gestaltung::knopf(hwnd, Tafel::cmdOptionen);
    cmdinfo = Gestaltung::knopf(hwnd, Tafel::cmdinfo);
    Picture15 = bildfeld(Tafel::Picture15);

    tooltips = Gestaltung::tooltips(hwnd);
    letzterFokus = txtKMalt;
}

void Verbrauch::symboleSetzen()
{
    // The petrol pump at the sizes the window's DPI asks for, each loaded
    // once: a later main window loads no second copy.
    static std::map<std::pair<int, int>, HICON> geladen;
    const UINT d = Gestaltung::dpi(hwnd);
    for (const auto& [art, breite, hoehe] :
         {std::tuple{ICON_BIG, SM_CXICON, SM_CYICON}, std::tuple{ICON_SMALL, SM_CXSMICON, SM_CYSMICON}}) {
        const int b = Gestaltung::systemmetrik(breite, d), h = Gestaltung::systemmetrik(hoehe, d);
        HICON& symbol = geladen[{b, h}];
        if (!symbol)
            symbol = HICON(LoadImageW(Anwendung::instanz(), MAKEINTRESOURCEW(IDI_TANKUMAT), IMAGE_ICON, b, h, 0));
        SendMessageW(hwnd, WM_SETICON, WPARAM(art), LPARAM(symbol));
    }
}

void Verbrauch::Form_Load()
{
    ShowWindow(cmdWeiter, SW_HIDE);
    währungAnwenden(rechnung::euro);
}

void Verbrauch::zeigen()
{
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    fokus(letzterFokus);
}

void Verbrauch::währungAnwenden(const rechnung::Waehrung& w)
{
    Währung = std::string(w.name);
    SetWindowTextW(Label9, breit(Währung).c_str());
    SetWindowTextW(txtPreis, breit(rechnung::preisText(w, Anwendung::zahlenformat())).c_str());
    // The price's unit changes with the currency; a screen reader hears it
    // as the description.
    Vorlesen::beschreibung(txtPreis, Währung);
}

void Verbrauch::Berechnen_Click()
{
    const std::string kmAlt = Gestaltung::utf8(Gestaltung::text(txtKMalt));
    const std::string kmNeu = Gestaltung::utf8(Gestaltung::text(txtKMneu));
    const std::string liter = Gestaltung::utf8(Gestaltung::text(txtLiter));
    const std::string preis = Gestaltung::utf8(Gestaltung::text(txtPreis));
    const rechnung::Berechnung b = rechnung::berechne({kmAlt, kmNeu, liter, preis, Währung}, Anwendung::zahlenformat());

    if (b.staende) {
        KilometerNeu = b.staende->kilometerNeu;
        KilometerAlt = b.staende->kilometerAlt;
    }
    if (const rechnung::Fehler* f = b.fehler()) {
        Anwendung::meldung(hwnd, f->meldung);
        fokus(feld(f->fokus));
        return;
    }
    const rechnung::Ergebnis& e = *b.ergebnis();
    LiterPreis = preis;
    Liter = liter;
    FahrKilometer = e.fahrKilometer;
    DurchVerbrauch = e.durchVerbrauch;
    SetWindowTextW(lblAusgabe, breit(e.satz).c_str());
    InvalidateRect(lblAusgabe, nullptr, TRUE);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, lblAusgabe, OBJID_CLIENT, CHILDID_SELF);
    // A screen reader speaks a focused button's description: the sentence,
    // which is the one thing the program exists to say.
    Vorlesen::beschreibung(cmdWeiter, e.satz);
    ShowWindow(cmdWeiter, SW_SHOW);
    fokus(cmdWeiter);
}

void Verbrauch::cmdWeiter_Click()
{
    SetWindowTextW(lblAusgabe, L"");
    InvalidateRect(lblAusgabe, nullptr, TRUE);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, lblAusgabe, OBJID_CLIENT, CHILDID_SELF);
    Vorlesen::beschreibung(cmdWeiter, "");
    ShowWindow(cmdWeiter, SW_HIDE);
    fokus(txtKMalt);
}

void Verbrauch::cmdinfo_Click()
{
    // Returns once the About window is gone, however it was closed.
    Fenster::instanz<frmAbout>().modalZeigen(hwnd);
    SetForegroundWindow(hwnd);
    fokus(txtKMalt);
}

void Verbrauch::cmdOptionen_Click()
{
    const bool neu = !Fenster::istGeladen<Optionen>();
    Optionen& optionen = Fenster::instanz<Optionen>();
    // Selecting from code runs the option's Click as a user's click does: a
    // freshly loaded window applies the currency again, price included.
    optionen.wählen(Währung == "Euro" ? optionen.Option1 : optionen.Option2);
    if (!neu) {
        optionen.zeigen();
        return;
    }
    // Beside the main window where its monitor has room, so both stay usable.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& frei = monitor.rcWork;
    RECT haupt{}, knoepfe{}, aussen{};
    GetWindowRect(hwnd, &haupt);
    GetWindowRect(cmdOptionen, &knoepfe);
    GetWindowRect(optionen.hwnd, &aussen);
    const auto rechteck = [](const RECT& r) {
        return Entwurf::Rechteck{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    const Entwurf::Punkt ort = Entwurf::nebenDemHauptfenster(rechteck(frei), rechteck(haupt), knoepfe.bottom,
                                                             aussen.right - aussen.left, aussen.bottom - aussen.top);
    SetWindowPos(optionen.hwnd, nullptr, ort.x, ort.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    optionen.zeigen();
    // Once more when shown: an X window manager under Wine places a new
    // window by its own rules. On Windows this moves nothing.
    SetWindowPos(optionen.hwnd, nullptr, ort.x, ort.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND Verbrauch::feld(rechnung::Feld f) const
{
    switch (f) {
    case rechnung::Feld::KMalt: return txtKMalt;
    case rechnung::Feld::KMneu: return txtKMneu;
    case rechnung::Feld::Liter: return txtLiter;
    case rechnung::Feld::Preis: return txtPreis;
    }
    return txtKMalt;
}

void Verbrauch::fokus(HWND steuerelement)
{
    SetFocus(steuerelement);
    standardknopf(istKnopf(steuerelement) ? steuerelement : Berechnen);
}

void Verbrauch::standardknopf(HWND knopf)
{
    // As in a dialog box: the focused button is the one Enter presses and
    // shows the default frame; elsewhere that is "&Berechnen".
    for (HWND k : {Berechnen, cmdWeiter, cmdOptionen, cmdinfo})
        SendMessageW(k, BM_SETSTYLE, k == knopf ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Verbrauch::Knopf_Click(HWND knopf)
{
    if (knopf == Berechnen)
        Berechnen_Click();
    else if (knopf == cmdWeiter)
        cmdWeiter_Click();
    else if (knopf == cmdinfo)
        cmdinfo_Click();
    else if (knopf == cmdOptionen)
        cmdOptionen_Click();
}

void Verbrauch::ausgabeZeichnen(const DRAWITEMSTRUCT& d)
{
    FillRect(d.hDC, &d.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const std::wstring t = Gestaltung::text(d.hwndItem);
    const HGDIOBJ vorher = SelectObject(d.hDC, HGDIOBJ(SendMessageW(d.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(d.hDC, TRANSPARENT);
    RECT r = d.rcItem;
    constexpr UINT art = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    if (IsWindowEnabled(d.hwndItem)) {
        SetTextColor(d.hDC, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(d.hDC, t.c_str(), int(t.size()), &r, art);
    } else {
        // Etched: a light copy one pixel down and right, the grey text over it.
        OffsetRect(&r, 1, 1);
        SetTextColor(d.hDC, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(d.hDC, t.c_str(), int(t.size()), &r, art);
        OffsetRect(&r, -1, -1);
        SetTextColor(d.hDC, GetSysColor(COLOR_BTNSHADOW));
        DrawTextW(d.hDC, t.c_str(), int(t.size()), &r, art);
    }
    SelectObject(d.hDC, vorher);
}

LRESULT Verbrauch::nachricht(UINT n, WPARAM w, LPARAM l)
{
    switch (n) {
    case WM_COMMAND:
        // Escape arrives as IDCANCEL: the window has no cancel button.
        if (HIWORD(w) == BN_CLICKED && l && LOWORD(w) != IDCANCEL)
            Knopf_Click(HWND(l));
        return 0;
    case DM_GETDEFID:
        // Asked by the dialog keyboard handling: Enter presses "&Berechnen".
        return MAKELRESULT(GetDlgCtrlID(Berechnen), DC_HASDEFID);
    case WM_CTLCOLORSTATIC: return Gestaltung::beschriftungsfarben(HDC(w), HWND(l));
    case WM_DRAWITEM: ausgabeZeichnen(*reinterpret_cast<const DRAWITEMSTRUCT*>(l)); return TRUE;
    case WM_ACTIVATE:
        // The focus comes back to where it was when the window is activated.
        if (LOWORD(w) == WA_INACTIVE) {
            if (HWND f = GetFocus(); f && IsChild(hwnd, f))
                letzterFokus = f;
        } else {
            fokus(letzterFokus && IsWindowVisible(letzterFokus) ? letzterFokus : txtKMalt);
        }
        return 0;
    case WM_CLOSE: Fenster::entladen(*this); return 0;
    case WM_DPICHANGED:
        // Laid out again already; the icons at the sizes of the new DPI.
        symboleSetzen();
        return 0;

    default: return Fenster::Basis::nachricht(n, w, l);
    }
}
