// Mouse input: clicks on cells, row selectors, the header and the corner; double-clicks;
// drag selection; resizing columns by their header dividers.
#pragma once

#include "grid/win32/grid_state.h"

namespace tw {
namespace grid {

void OnLButtonDown(GridState& state, POINT point, WPARAM keys);
void OnLButtonDblClk(GridState& state, POINT point);
void OnMouseMove(GridState& state, POINT point);
void OnLButtonUp(GridState& state);
// True when the cursor was set (over a column divider).
bool OnSetCursor(GridState& state);

}  // namespace grid
}  // namespace tw
