// Two monitors side by side: the currency window opens on the monitor of the
// main window, wherever that is. Run on an X server whose two screens Xinerama
// joins side by side, which Wine takes for two monitors.

#include "options_window/optionen_win32.h"
#include "windowstestumgebung.h"

#include <vector>

using namespace Testumgebung;

namespace {

BOOL CALLBACK monitorMerken(HMONITOR m, HDC, LPRECT, LPARAM liste)
{
    reinterpret_cast<std::vector<HMONITOR>*>(liste)->push_back(m);
    return TRUE;
}

MONITORINFO monitorInfo(HMONITOR m)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(m, &info);
    return info;
}

using ZweiBildschirme = Fenstertest;

TEST_F(ZweiBildschirme, waehrungsfensterAufDemMonitorDesHauptfensters)
{
    std::vector<HMONITOR> monitore;
    EnumDisplayMonitors(nullptr, nullptr, monitorMerken, LPARAM(&monitore));
    ASSERT_EQ(monitore.size(), 2u) << "this test needs two monitors";
    // Wine 10 puts both Xinerama heads at 0, 0 and only their work areas
    // side by side: no window can then be on the second monitor.
    for (const HMONITOR m : monitore) {
        RECT innerhalb{};
        const MONITORINFO info = monitorInfo(m);
        IntersectRect(&innerhalb, &info.rcWork, &info.rcMonitor);
        if (!EqualRect(&innerhalb, &info.rcWork))
            GTEST_SKIP() << "Wine reports a work area outside its monitor (" << info.rcWork.left << " outside "
                         << info.rcMonitor.left << " to " << info.rcMonitor.right << ")";
    }
    // The main window on the second monitor, then back on the first.
    for (const HMONITOR ziel : {monitore[1], monitore[0]}) {
        const RECT bereich = monitorInfo(ziel).rcWork;
        SCOPED_TRACE(bereich.left);
        SetWindowPos(w->hwnd, nullptr, bereich.left + 40, bereich.top + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ASSERT_TRUE(warteBis([&] { return MonitorFromWindow(w->hwnd, MONITOR_DEFAULTTONULL) == ziel; }));
        w->cmdOptionen_Click();
        ASSERT_TRUE(Fenster::istGeladen<Optionen>());
        RECT optionen{}, innerhalb{};
        GetWindowRect(Fenster::instanz<Optionen>().hwnd, &optionen);
        IntersectRect(&innerhalb, &optionen, &bereich);
        EXPECT_TRUE(EqualRect(&innerhalb, &optionen)) << "currency window at " << optionen.left << ", " << optionen.top;
        Fenster::entladen(Fenster::instanz<Optionen>());
    }
}

}  // namespace
