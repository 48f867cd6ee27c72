// What assistive technology is told of a control: its standard accessible
// object, with the name, description and role its design row gives where the
// control's own kind would say nothing or the wrong thing (a text box, whose
// label comes after it; a picture box, a window of its own to Windows).
#pragma once

#include "app/entwurf.h"

#include <windows.h>

#include <string_view>

namespace Vorlesen {

// From now on the control answers screen readers as its row says. The row
// must outlive the control (design rows live as long as the program).
void anmelden(HWND steuerelement, const Entwurf::Steuerelement& e);

// A top-level window answers screen readers with this description (UTF-8):
// what it says when it opens.
void fensterAnmelden(HWND fenster, std::string_view beschreibung);

// A description that follows what the control shows (UTF-8), in place of the
// row's; screen readers listening are told it changed.
void beschreibung(HWND steuerelement, std::string_view text);

}  // namespace Vorlesen
