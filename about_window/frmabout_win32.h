// The About window of the Windows program: the title, version and
// description, a credit line and "Freeware", with the desk bell in its
// corner. Shown modally by the main window's "I&nfo".
#pragma once

#include "about_window/frmabout_entwurf.h"
#include "app/fenster_win32.h"
#include "app/gestaltung_win32.h"

#include <windows.h>

#include <array>
#include <vector>

class frmAbout : public Fenster::Basis {
public:
    frmAbout();

    void Form_Load() {}

    void cmdOK_Click();

    // Shows the window owned by `besitzer` and returns once it is gone;
    // meanwhile every other window of the program takes no input.
    void modalZeigen(HWND besitzer);

    // Controls, in the focus order of the design.
    HWND cmdOK = nullptr, Label1 = nullptr, lblDescription = nullptr, lblTitle = nullptr, lblVersion = nullptr,
         lblDisclaimer = nullptr;
    HWND tooltips = nullptr;

    // The etched separator, a control array: Line1[1] the grey line, Line1[0]
    // the white one below it.
    using Linie = frmAboutEntwurf::Linie;
    std::array<Linie, 2> Line1{};

protected:
    LRESULT nachricht(UINT n, WPARAM w, LPARAM l) override;

private:
    void linie(const Linie& entwurf);
    void malen(HDC dc) const;

    // The windows the modal display disabled, enabled again on closing.
    std::vector<HWND> gesperrt;
};
