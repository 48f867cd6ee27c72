// The single instances of the Windows program's windows, and the one window
// procedure that hands each message to the object of its window.
//
// Every window exists at most once and is known to all code by its class:
// Fenster::instanz<Verbrauch>() is the main window. A reference to a window
// that is not loaded loads it (constructs it and runs its Form_Load) without
// showing it. A window that closes unloads itself through entladen(), so the
// next reference makes a fresh one with the designed texts.
#pragma once

#include "app/entwurf.h"

#include <windows.h>

#include <typeindex>
#include <typeinfo>

namespace Fenster {

// A top-level window of the program: its handle, and its messages as calls
// of `nachricht`, which each window class answers with short handlers.
class Basis {
public:
    Basis() = default;
    Basis(const Basis&) = delete;
    Basis& operator=(const Basis&) = delete;
    virtual ~Basis();

    HWND hwnd = nullptr;

protected:
    // Makes the window of a class registered with `prozedur`, with the
    // design's caption and client size at the DPI of the display it lands on.
    // Where it goes is the caller's to say.
    void erzeugen(const wchar_t* klasse, const Entwurf::Fenster& entwurf, DWORD stil, DWORD exStil, HWND besitzer);
    virtual LRESULT nachricht(UINT n, WPARAM w, LPARAM l);

public:
    static LRESULT CALLBACK prozedur(HWND fenster, UINT n, WPARAM w, LPARAM l);
};

// Registers a window class of the program, once however often it is called:
// its background a system colour, its messages to `prozedur` (for top-level
// windows, Basis::prozedur).
void klasseAnmelden(const wchar_t* name, int hintergrund, HICON symbol = nullptr, HICON kleinesSymbol = nullptr,
                    WNDPROC prozedur = Basis::prozedur);

namespace detail {
Basis* geladen(std::type_index klasse);
void eintragen(std::type_index klasse, Basis* fenster);
}  // namespace detail

template <class W>
W& instanz()
{
    if (Basis* fenster = detail::geladen(typeid(W)))
        return static_cast<W&>(*fenster);
    auto* fenster = new W;
    // Registered before Form_Load, so a load handler that refers to its own
    // window finds this instance instead of loading a second one.
    detail::eintragen(typeid(W), fenster);
    fenster->Form_Load();
    return *fenster;
}

template <class W>
bool istGeladen()
{
    return detail::geladen(typeid(W)) != nullptr;
}

// Forgets the window at once, destroys it, and deletes the object once
// control is back in a message loop (it may be inside one of its own
// handlers). Ends the program when no window of it is left on the screen.
void entladen(Basis& fenster);

// Destroys and deletes every loaded window; for the end of the program and
// of each test.
void alleEntladen();

// The message the hidden owner deletes an unloaded window's object on.
inline constexpr UINT loeschen = WM_APP + 1;

}  // namespace Fenster
