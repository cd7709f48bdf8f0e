// Keyboard input: moving the current cell, selecting with Shift and Ctrl, starting an edit,
// toggling marks.
#pragma once

#include "grid/win32/grid_state.h"

namespace tw {
namespace grid {

// True when the key was handled.
bool OnKeyDown(GridState& state, WPARAM key);
// A typed character other than Space starts an edit of the current cell with that character.
void OnChar(GridState& state, UINT ch);

}  // namespace grid
}  // namespace tw
