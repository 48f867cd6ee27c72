// A picture box of the Windows program: the sunken two-pixel edge and a
// picture drawn as it is, from the top-left of the inner area, cut off where
// the box ends. It takes the focus like any box of the frame, shows no mark
// for it and does nothing with it. It can hold controls, whose messages it
// hands on to its window.
#pragma once

#include "app/entwurf.h"
#include "app/gestaltung_win32.h"

#include <windows.h>

class Bildfeld {
public:
    // A box at the row's place in `eltern`, showing the picture linked in
    // under `datei`; none for an empty box.
    Bildfeld(HWND eltern, const Entwurf::Steuerelement& kasten, const char* datei = nullptr);
    Bildfeld(const Bildfeld&) = delete;
    Bildfeld& operator=(const Bildfeld&) = delete;
    ~Bildfeld();

    HWND hwnd;

    // The decoded picture at the window's DPI; null for an empty box.
    HBITMAP bild() const;

private:
    static LRESULT CALLBACK prozedur(HWND fenster, UINT n, WPARAM w, LPARAM l);
    void malen(HDC dc) const;

    const char* datei;
};
