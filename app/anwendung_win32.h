// What the whole Windows program shares: its start, the message loop with the
// keyboard handling of dialog boxes, the hidden owner of its windows, the
// user's number conventions and the one message box every input error is
// answered with.
#pragma once

#include "verbrauchsrechnung.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace Anwendung {

// Registers the window classes and the common controls. Call once, first.
void einrichten(HINSTANCE instanz);

HINSTANCE instanz();

// A hidden top-level window that owns the program's windows: an owned window
// gets no button in the task bar. It also deletes unloaded windows once their
// own handlers have returned.
HWND besitzer();

// Runs until the last window of the program is gone; the exit code.
int nachrichtenschleife();

// Handles the messages waiting now, as the loop would, and returns; a quit
// stays waiting. For tests, which drive the windows between their checks.
void nachrichtenBearbeiten();

// Sends a message that arrives through the loop to the window it belongs to,
// with the keyboard handling of dialog boxes (Tab, Enter, Escape, Alt+key).
// A key or an Alt+letter goes first to the top-level window as `tasteVorab`
// (lParam: the MSG), which answers TRUE where it handles it itself.
void bearbeite(MSG& m);
inline constexpr UINT tasteVorab = WM_APP + 2;

// A window without an icon of its own shows this one, fully transparent:
// with none, Windows would show its default application icon.
HICON ohneSymbol();

// The modal message box of the program: the prompt, one "OK" button, no icon,
// the program's title. Returns when the user has dismissed it.
void meldung(HWND besitzer, std::string_view text);

// The number conventions of the user's region; where the system names none,
// the German ones the program is laid out for.
rechnung::Zahlenformat zahlenformat();

// Reads numbers by the conventions of this locale ("de-DE") instead of the
// user's, as tests pin them; an empty name goes back to the user's.
void regionSetzen(std::wstring name);

}  // namespace Anwendung
