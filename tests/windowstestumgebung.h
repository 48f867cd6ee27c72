// What every in-process test of the Windows program starts from: the program's
// own set-up with German conventions pinned, the main window shown and
// active, and helpers that drive the windows through the program's own
// message handling (Tab, Enter, Escape, Alt+key) and read back what they show.
#pragma once

#include "app/anwendung_win32.h"
#include "app/fenster_win32.h"
#include "main_window/verbrauch_win32.h"
#include "treiber.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Testumgebung {

// Handles messages for `ms` milliseconds, or until `fertig` holds.
bool warteBis(const std::function<bool()>& fertig, int ms = 2000);
void warte(int ms);

// Keys as the message loop gets them, to the control with the focus.
void taste(UINT vk);
void tippe(std::wstring_view text);
void alt(wchar_t buchstabe);

// Runs `aktion`, answers the message box it opens with OK and returns what
// the box showed; `erschienen` is false when none opened.
Verhalten::Meldung beantworteMeldung(const std::function<void()>& aktion);

// A control's rectangle in the client area of its parent.
RECT lage(HWND steuerelement);
// A window's client area, from 0, 0.
RECT innen(HWND fenster);
std::wstring text(HWND fenster);

struct Schrift {
    std::wstring name;
    int pixelgroesse;
    bool fett;
    bool unterstrichen;
};
Schrift schrift(HWND steuerelement);

// The tooltip a tooltip window shows for a control; empty if none.
std::wstring tooltip(HWND tooltips, HWND steuerelement);

// Checks that a control shows the designed text (null: not checked) at the
// designed rectangle in its parent (empty: anywhere), in "MS Sans Serif" of
// the designed size and weight, not underlined, with the designed tooltip.
void wieEntworfen(HWND s, const wchar_t* text, const RECT& lage, int pixelgroesse, bool fett, HWND tooltips,
                  const wchar_t* tooltip);

// The pixels of a picture, 0x00RRGGBB, row by row from the top.
struct Pixelbild {
    int breite = 0, hoehe = 0;
    std::vector<std::uint32_t> punkte;
    std::uint32_t pixel(int x, int y) const { return punkte[std::size_t(y * breite + x)] & 0xFFFFFF; }
};

// A picture file decoded by Windows' codecs, straight from the file, and
// scaled by them by dpi/96 (at 96: as it is).
Pixelbild ausDatei(const std::string& pfad, UINT dpi = 96);
// What a window draws into its client area (WM_PRINTCLIENT).
Pixelbild innenansicht(HWND fenster);
// What a window shows: the pixels of its client area as they were drawn
// on the screen, its controls and all.
Pixelbild ansicht(HWND fenster);

// Starts each case from the main window, shown and active, and unloads every
// window after it.
class Fenstertest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Verbrauch* w = nullptr;
};

}  // namespace Testumgebung

bool operator==(const RECT& a, const RECT& b);
void PrintTo(const RECT& r, std::ostream* os);

namespace Testumgebung {

// Runs `oeffnen`, which shows a modal window and waits in it; once `offen`
// holds, `imFenster` runs inside the window's modal loop and must close it.
// True when the window appeared and is gone again.
bool waehrendModal(const std::function<void()>& oeffnen, const std::function<bool()>& offen,
                   const std::function<void()>& imFenster);

}  // namespace Testumgebung
