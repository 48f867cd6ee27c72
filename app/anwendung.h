// What the whole program shares: its name and version, its look, and the one
// message box every input error is answered with.
#pragma once

#include "version.h"

#include <QFont>
#include <QString>

class QApplication;
class QWidget;

namespace Anwendung {

// Both come from the build, which also writes them into the package, the
// desktop's metadata and the Windows version information.
inline constexpr auto titel = Version::titel;
inline constexpr auto version = Version::text;

// Where the session has an X server, XWayland in a Wayland session included,
// the program runs as its client: only X lets a window keep out of the task
// bar, go without minimise and maximise buttons and place itself, as the
// windows are designed to. A platform the user names (QT_QPA_PLATFORM, or
// Qt's -platform option) always wins; a Wayland-only session runs the program
// natively. Call before the QApplication exists.
void plattformWaehlen(int argc, char* argv[]);

// Name, version, the "Windows" style in the desktop's colours (its own grey
// where the desktop sets none) and the default font. Call once, right after
// the QApplication exists.
void einrichten(QApplication& app);

// The modal message box of the program: the prompt, one "OK" button, no icon,
// the program's title. Returns when the user has dismissed it.
void meldung(QWidget* besitzer, const QString& text);

// How wide a window must be to show `titel` whole in its frame, with the
// frame's icon and buttons beside it (the message box's own text may be
// narrower than its title).
int mindestbreite(QFont schrift, const QString& titel);

// Keeps a top-level window out of the task bar. Qt has no call for it, so on
// X11 the window's _NET_WM_STATE gets _NET_WM_STATE_SKIP_TASKBAR before it is
// mapped; call it from showEvent, since window managers drop the state when a
// window is hidden. Does nothing on other platforms.
void ohneTaskleistenknopf(QWidget& fenster);

}  // namespace Anwendung
