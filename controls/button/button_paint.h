#pragma once
// Painting of the button: face, 3-D frame (pressed while down, thicker for the default
// button), caption, picture or swatch, grey rendering when disabled, focus rectangle.

#include "controls/button/button_state.h"

namespace tw {

// WM_PAINT, drawn into an off-screen bitmap first.
LRESULT BTN_Paint(ButtonState& s);
// WM_PRINTCLIENT: the same drawing into the given DC.
LRESULT BTN_PrintClient(ButtonState& s, HDC dc);

}  // namespace tw
