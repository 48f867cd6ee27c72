// The main window of the Windows program, driven through its own message
// handling as the keyboard and mouse drive it.

#include "main_window/verbrauch_win32.h"
#include "windowstestumgebung.h"

#include "app/anwendung_win32.h"
#include "app/gestaltung_win32.h"
#include "version.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <map>

using namespace Testumgebung;

namespace {

constexpr auto keineZahl = L"      Bitte nur Zahlen Eingeben!";
constexpr auto keineZahlLiter = L"       Bitte nur Zahlen Eingeben!";
constexpr auto eingabefehler = L"              * Eingabefehler! * ";
constexpr auto beispielSatz = L" Für die Fahrstrecke von \r\n754  Km wurden durchschnittlich \r\n"
                              L"7,29 Liter verbraucht! Die Kosten auf 100 \r\nKilometer betragen 6,42 Euro !";

class VerbrauchWin32 : public Fenstertest {
protected:
    HWND steuerelement(const std::string& name) const
    {
        const std::map<std::string, HWND> alle{
            {"cmdOptionen", w->cmdOptionen}, {"cmdinfo", w->cmdinfo},       {"Label2", w->Label2},
            {"Label3", w->Label3},           {"txtKMalt", w->txtKMalt},     {"Label7", w->Label7},
            {"Label4", w->Label4},           {"txtKMneu", w->txtKMneu},     {"Label6", w->Label6},
            {"Label5", w->Label5},           {"txtLiter", w->txtLiter},     {"Label8", w->Label8},
            {"Label10", w->Label10},         {"txtPreis", w->txtPreis},     {"Label9", w->Label9},
            {"Berechnen", w->Berechnen},     {"lblAusgabe", w->lblAusgabe}, {"cmdWeiter", w->cmdWeiter},
        };
        return alle.at(name);
    }

    void eingeben(const wchar_t* kmAlt, const wchar_t* kmNeu, const wchar_t* liter, const wchar_t* preis)
    {
        SetWindowTextW(w->txtKMalt, kmAlt);
        SetWindowTextW(w->txtKMneu, kmNeu);
        SetWindowTextW(w->txtLiter, liter);
        SetWindowTextW(w->txtPreis, preis);
    }

    void fokusAuf(HWND s)
    {
        SetFocus(s);
        Anwendung::nachrichtenBearbeiten();
    }

    bool weiterSichtbar() const { return IsWindowVisible(w->cmdWeiter); }
};

// ---- the window as it opens ---------------------------------------------------

TEST_F(VerbrauchWin32, rahmenOhneMinimierenUndTaskleistenknopf)
{
    const LONG stil = GetWindowLongW(w->hwnd, GWL_STYLE);
    EXPECT_TRUE(stil & WS_THICKFRAME);
    EXPECT_TRUE(stil & WS_SYSMENU);
    EXPECT_EQ(stil & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(stil & WS_MINIMIZEBOX);
    EXPECT_FALSE(stil & WS_MAXIMIZEBOX);
    // Owned by a hidden window: such a window gets no task-bar button.
    HWND besitzer = GetWindow(w->hwnd, GW_OWNER);
    ASSERT_NE(besitzer, nullptr);
    EXPECT_FALSE(IsWindowVisible(besitzer));
    EXPECT_FALSE(GetWindowLongW(w->hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_NE(HICON(SendMessageW(w->hwnd, WM_GETICON, ICON_BIG, 0)), nullptr);
    EXPECT_NE(HICON(SendMessageW(w->hwnd, WM_GETICON, ICON_SMALL, 0)), nullptr);
}

TEST_F(VerbrauchWin32, mittigImArbeitsbereich)
{
    RECT frei{}, aussen{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &frei, 0);
    GetWindowRect(w->hwnd, &aussen);
    EXPECT_LE(std::abs((aussen.left - frei.left) - (frei.right - aussen.right)), 1);
    EXPECT_LE(std::abs((aussen.top - frei.top) - (frei.bottom - aussen.bottom)), 1);
}

struct Zeile {
    const char* name;
    const wchar_t* text;
    RECT lage;
    int pixelgroesse;
    bool fett;
    const wchar_t* tooltip;
};

// Pixels worked out by hand from the twips of the design (15 to one).
const Zeile zeilen[] = {
    {"cmdOptionen", L"&Optionen", {0, 0, 337, 25}, 11, false, L"Euro oder DM?"},
    {"cmdinfo", L"I&nfo", {336, 0, 681, 25}, 11, false, L"Informationen!"},
    {"Label3", L"Kilometerstand alt", {168, 160, 361, 185}, 18, true, L""},
    {"txtKMalt", L"8211", {368, 160, 449, 179}, 11, false, L""},
    {"Label7", L"Kilometer", {456, 168, 521, 185}, 11, true, L""},
    {"Label4", L"Kilometerstand neu", {168, 192, 361, 217}, 18, true, L""},
    {"txtKMneu", L"8965", {368, 192, 449, 211}, 11, false, L""},
    {"Label6", L"Kilometer", {456, 200, 521, 217}, 11, true, L""},
    {"Label5", L"Kraftstoff ", {168, 224, 361, 249}, 18, true, L""},
    {"txtLiter", L"55", {368, 224, 449, 243}, 11, false, L""},
    {"Label8", L"Liter", {456, 232, 521, 249}, 11, true, L""},
    {"Label10", L"Preis / Liter", {168, 256, 361, 281}, 18, true, L""},
    {"txtPreis", L"0,88", {368, 256, 449, 275}, 11, false, L""},
    {"Label9", L"Euro", {456, 264, 521, 281}, 11, true, L""},
    {"Berechnen", L"&Berechnen", {232, 288, 449, 313}, 11, true, L"Hier klicken zum Berechnen!"},
    {"lblAusgabe", L"", {184, 320, 499, 373}, 11, false, L""},
    {"cmdWeiter", L"&weiter?", {296, 384, 377, 409}, 11, false, L""},
};

TEST_F(VerbrauchWin32, jedesSteuerelementWieEntworfen)
{
    for (const Zeile& z : zeilen) {
        SCOPED_TRACE(z.name);
        wieEntworfen(steuerelement(z.name), z.text, z.lage, z.pixelgroesse, z.fett, w->tooltips, z.tooltip);
    }
}

TEST_F(VerbrauchWin32, ueberschriftSoGrossWieIhrText)
{
    const Schrift f = schrift(w->Label2);
    EXPECT_EQ(f.pixelgroesse, 24);
    EXPECT_TRUE(f.fett && f.unterstrichen);
    const RECT r = lage(w->Label2);
    EXPECT_EQ(r.left, 168);
    EXPECT_EQ(r.top, 112);
    HDC dc = GetDC(w->Label2);
    SelectObject(dc, HGDIOBJ(SendMessageW(w->Label2, WM_GETFONT, 0, 0)));
    SIZE s{};
    GetTextExtentPoint32W(dc, L"Sprittafel", 10, &s);
    ReleaseDC(w->Label2, dc);
    EXPECT_EQ(r.right - r.left, s.cx);
}

TEST_F(VerbrauchWin32, klassenUndStile)
{
    for (HWND t : {w->txtKMalt, w->txtKMneu, w->txtLiter, w->txtPreis}) {
        EXPECT_TRUE(GetWindowLongW(t, GWL_STYLE) & ES_CENTER);
        EXPECT_TRUE(GetWindowLongW(t, GWL_STYLE) & ES_AUTOHSCROLL);
        EXPECT_FALSE(GetWindowLongW(t, GWL_STYLE) & ES_MULTILINE);
        EXPECT_GE(SendMessageW(t, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    }
    // Both default frames at once would be two default buttons.
    EXPECT_EQ(GetWindowLongW(w->Berechnen, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongW(w->cmdOptionen, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
}

TEST_F(VerbrauchWin32, schriftWirdLiberationSans)
{
    // Where "MS Sans Serif" is missing, an Arial-metric face stands in.
    HDC dc = GetDC(w->txtKMalt);
    SelectObject(dc, HGDIOBJ(SendMessageW(w->txtKMalt, WM_GETFONT, 0, 0)));
    wchar_t name[64] = {};
    GetTextFaceW(dc, 64, name);
    ReleaseDC(w->txtKMalt, dc);
    EXPECT_TRUE(std::wstring(name) == L"MS Sans Serif" || std::wstring(name) == L"Liberation Sans") << name;
}

// ---- keyboard -------------------------------------------------------------------

// ---- the picture frame ----------------------------------------------------------

using Bildglied = Bildfeld* Verbrauch::*;
struct Kasten {
    Bildglied feld;
    RECT lage;
    const char* datei;  // the file the box shows, written out: none for an empty box
};

TEST_F(VerbrauchWin32, bilderrahmen)
{
    // Pixels worked out by hand from the twips of the design.
    const Kasten kaesten[] = {
        {&Verbrauch::Picture1, {0, 24, 113, 105}, "Picture1.jpg"},
        {&Verbrauch::Picture2, {0, 104, 113, 185}, "Picture2.jpg"},
        {&Verbrauch::Picture3, {0, 184, 113, 265}, "Picture3.jpg"},
        {&Verbrauch::Picture4, {0, 264, 113, 345}, "Picture4.jpg"},
        {&Verbrauch::Picture5, {0, 344, 113, 417}, "Picture5.jpg"},
        {&Verbrauch::Picture6, {0, 416, 113, 497}, "Picture6.jpg"},
        {&Verbrauch::Picture7, {112, 24, 225, 105}, "Picture7.jpg"},
        {&Verbrauch::Picture8, {224, 24, 337, 105}, "Picture8.jpg"},
        {&Verbrauch::Picture9, {344, 0, 345, 9}, nullptr},
        {&Verbrauch::Picture10, {336, 24, 457, 105}, "Picture10.jpg"},
        {&Verbrauch::Picture11, {456, 24, 569, 105}, "Picture11.jpg"},
        {&Verbrauch::Picture12, {568, 24, 681, 105}, "Picture12.jpg"},
        {&Verbrauch::Picture13, {568, 104, 681, 185}, "Picture13.jpg"},
        {&Verbrauch::Picture14, {568, 184, 681, 265}, "Picture14.jpg"},
        {&Verbrauch::Picture15, {568, 264, 681, 337}, "Picture15.bmp"},
        {&Verbrauch::Picture16, {568, 336, 681, 417}, "Picture16.jpg"},
        {&Verbrauch::Picture17, {568, 400, 577, 401}, nullptr},
        {&Verbrauch::Picture18, {568, 416, 681, 497}, "Picture18.jpg"},
        {&Verbrauch::Picture19, {112, 416, 569, 497}, "Picture19.bmp"},
    };
    for (const Kasten& k : kaesten) {
        Bildfeld* b = w->*k.feld;
        SCOPED_TRACE(k.datei ? k.datei : "leer");
        EXPECT_EQ(lage(b->hwnd), k.lage);
        EXPECT_TRUE(GetWindowLongW(b->hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        EXPECT_TRUE(GetWindowLongW(b->hwnd, GWL_STYLE) & WS_TABSTOP);
        EXPECT_EQ(b->bild() != nullptr, k.datei != nullptr);
        if (!k.datei)
            continue;
        // The file's own pixels from the inner top-left on, as far as the
        // inner area reaches, unscaled.
        const Pixelbild datei = ausDatei(std::string(ZAPFKONTOR_ASSETS "/") + k.datei);
        const Pixelbild gezeigt = innenansicht(b->hwnd);
        ASSERT_GT(datei.breite, 0);
        EXPECT_EQ(gezeigt.breite, k.lage.right - k.lage.left - 4);
        EXPECT_EQ(gezeigt.hoehe, k.lage.bottom - k.lage.top - 4);
        int anders = 0;
        for (int y = 0; y < std::min(gezeigt.hoehe, datei.hoehe); ++y)
            for (int x = 0; x < std::min(gezeigt.breite, datei.breite); ++x)
                anders += gezeigt.pixel(x, y) != datei.pixel(x, y);
        EXPECT_EQ(anders, 0);
    }
}

TEST_F(VerbrauchWin32, verdecktesLabelUndTooltipsDesRahmens)
{
    EXPECT_EQ(GetParent(w->Label1), w->Picture7->hwnd);
    EXPECT_EQ(text(w->Label1), L"Label1");
    EXPECT_EQ(lage(w->Label1), (RECT{0, 80, 113, 81}));
    EXPECT_EQ(innen(w->Picture7->hwnd).bottom, 77);  // the label lies below it
    EXPECT_EQ(tooltip(w->tooltips, w->Picture15->hwnd), L"Schloss Wernigerode");
    EXPECT_NE(tooltip(w->tooltips, w->Picture19->hwnd), L"");
    EXPECT_EQ(tooltip(w->tooltips, w->Picture1->hwnd), L"");
}

TEST_F(VerbrauchWin32, bildfeldNimmtDenFokusOhneZeichen)
{
    const Pixelbild vorher = innenansicht(w->Picture4->hwnd);
    fokusAuf(w->Picture4->hwnd);
    EXPECT_EQ(GetFocus(), w->Picture4->hwnd);
    EXPECT_TRUE(innenansicht(w->Picture4->hwnd).punkte == vorher.punkte);
    // Enter there still calculates.
    taste(VK_RETURN);
    EXPECT_EQ(text(w->lblAusgabe), beispielSatz);
}

// ---- calculating ----------------------------------------------------------------

using Glied = HWND Verbrauch::*;
struct Fehlerfall {
    const wchar_t *kmAlt, *kmNeu, *liter, *preis, *meldung;
    Glied fokus;
};

}  // namespace
