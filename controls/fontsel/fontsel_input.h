#pragma once
// What the font selector does with its lists' commands and with the mouse.

#include "controls/fontsel/fontsel_state.h"

namespace tw {

// A user's change of a list's selection is posted to the parent: the family command code (or
// the control's identifier) with code 1, the size command code with code 2. True when handled.
bool FS_Command(FontSelState& s, int id, int code);
LRESULT FS_SetCommandCode(FontSelState& s, bool family, WORD code);
// In a designer a press or double click goes to the parent as a press at the same position;
// true when it went there.
bool FS_DesignerPress(FontSelState& s, WPARAM keys, LPARAM position);

}  // namespace tw
