// The currency window of the Windows program: Euro or DM, written into the
// main window the moment the user picks one.
#pragma once

#include "app/fenster_win32.h"
#include "main_window/bildfeld_win32.h"

#include <windows.h>

#include <memory>

// A multiple-document frame that hosts no documents: its workspace shows
// wherever the panel Picture1, docked to the top, does not cover it.
class Optionen : public Fenster::Basis {
public:
    Optionen();

    void Form_Load() {}

    void Option1_Click();
    void Option2_Click();
    void cmdOptionOk_Click();

    // Selects an option from code, which runs its Click as the user's click
    // does; the option already selected does nothing.
    void wählen(HWND option);

    // Shows the window, restored if it was minimised, in front and active.
    void zeigen();

    // Controls, in the focus order of the design.
    Bildfeld* Picture1 = nullptr;
    HWND Option1 = nullptr, Option2 = nullptr, Label1 = nullptr, Label2 = nullptr, cmdOptionOk = nullptr;
    HWND mdiClient = nullptr;
    HWND tooltips = nullptr;

protected:
    LRESULT nachricht(UINT n, WPARAM w, LPARAM l) override;

private:
    bool tabulator(const MSG& taste);
    void fokus(HWND steuerelement);
    void angeklickt(HWND steuerelement);

    std::unique_ptr<Bildfeld> tafel;
    HWND gewaehlt = nullptr;
    HWND letzterFokus = nullptr;
};
