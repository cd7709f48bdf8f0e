#pragma once
// The dial's keys and characters, each reported as a scroll message with the position.

#include "controls/dial/dial_state.h"

namespace tw {

// WM_KEYDOWN: Page Up SB_PAGEUP, Page Down SB_PAGEDOWN, End SB_TOP, Home SB_BOTTOM, Left and
// Down SB_LINEDOWN, Up and Right SB_LINEUP. False for other keys (default processing).
bool DIAL_KeyDown(DialState& s, UINT vk);

// WM_CHAR: '+' steps towards the maximum, '-' towards the minimum, while there is room. False
// for other characters.
bool DIAL_Char(DialState& s, char c);

}  // namespace tw
