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
#include <string_view>
#include <utility>

using namespace Testumgebung;

namespace {

struct Suche {
    const char* name;
    HWND gefunden = nullptr;
};

// A control of a window by the name of its design row.
HWND steuerelement(HWND fenster, const char* name)
{
    Suche suche{name};
    EnumChildWindows(
        fenster,
        [](HWND s, LPARAM l) {
            auto* suche = reinterpret_cast<Suche*>(l);
            const Entwurf::Steuerelement* e = Gestaltung::entwurf(s);
            if (e && std::string_view(e->name) == suche->name)
                suche->gefunden = s;
            return BOOL(!suche->gefunden);
        },
        LPARAM(&suche));
    return suche.gefunden;
}

using Farbwechsel = Fenstertest;

TEST_F(Farbwechsel, nurFarbenUndHoherKontrastZeichnenNeu)
{
    const std::pair<HWND, const char*> stichproben[] = {{w->hwnd, "Label3"},
                                                        {Fenster::instanz<Optionen>().hwnd, "Label1"},
                                                        {Fenster::instanz<frmAbout>().hwnd, "lblTitle"}};
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
    for (const auto& [f, name] : stichproben) {
        ShowWindow(f, SW_SHOWNOACTIVATE);
        HWND s = steuerelement(f, name);
        for (const auto& n : nachrichten) {
            SCOPED_TRACE(std::string(name) + ", " + n.was);
            Anwendung::nachrichtenBearbeiten();
            ASSERT_FALSE(GetUpdateRect(s, nullptr, FALSE)) << "painted before";
            SendMessageW(f, n.nachricht, n.einstellung, 0);
            EXPECT_EQ(bool(GetUpdateRect(s, nullptr, FALSE)), n.neuGezeichnet);
        }
    }
}

}  // namespace
