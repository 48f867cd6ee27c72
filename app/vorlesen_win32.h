// Names for screen readers where a control's own caption does not say what it
// is (an option button whose caption lies out of sight).
#pragma once

#include <windows.h>

namespace Vorlesen {

// From now on assistive technology reads `name` (UTF-8) as the control's
// name; everything else it reads of the control stays the standard.
void name(HWND steuerelement, const char* name);

}  // namespace Vorlesen
