// What Windows tells the windows of a change of colours, and what they draw
// again for it: other colours, or high contrast turned on or off, repaint
// every window; any other setting repaints nothing. (Wine's SetSysColors
// repaints every window by itself, so only the messages show a missing
// handler for new colours.)

#include "about_window/frmabout_win32.h"
#include "options_window/optionen_win32.h"
#include "windowstestumgebung.h"

#include "app/gestaltung_win32.h"

#include <string>
#include <utility>

using namespace Testumgebung;

namespace {

using Farbwechsel = Fenstertest;

TEST_F(Farbwechsel, nurFarbenUndHoherKontrastZeichnenNeu)
{
    Optionen& optionen = Fenster::instanz<Optionen>();
    frmAbout& info = Fenster::instanz<frmAbout>();
    const std::pair<HWND, HWND> stichproben[] = {
        {w->hwnd, w->Label3}, {optionen.hwnd, optionen.Label1}, {info.hwnd, info.lblTitle}};
    const struct {
        const char* was;
        UINT nachricht;
        WPARAM einstellung;
        bool neuGezeichnet;
    } nachrichten[] = {
        {"colours", WM_SYSCOLORCHANGE, 0, true},
        {"high contrast", WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, true},
        {"work area", WM_SETTINGCHANGE, SPI_SETWORKAREA, false},
        {"environment or regional settings", WM_SETTINGCHANGE, 0, false},
    };
    for (const auto& [f, s] : stichproben) {
        ShowWindow(f, SW_SHOWNOACTIVATE);
        for (const auto& n : nachrichten) {
            SCOPED_TRACE(Gestaltung::entwurf(s)->name + std::string(", ") + n.was);
            Anwendung::nachrichtenBearbeiten();
            ASSERT_FALSE(GetUpdateRect(s, nullptr, FALSE)) << "painted before";
            SendMessageW(f, n.nachricht, n.einstellung, 0);
            EXPECT_EQ(bool(GetUpdateRect(s, nullptr, FALSE)), n.neuGezeichnet);
        }
    }
}

}  // namespace
