// Painting the grid: header, row selectors, cells of the visible rows, grid lines, selection
// and the current cell, drawn into a memory bitmap and copied to the window at once.
#pragma once

#include "grid/win32/grid_state.h"

namespace tw {
namespace grid {

void OnPaint(GridState& state);
// The whole client area drawn into a device context the caller owns (WM_PRINTCLIENT).
void OnPrintClient(GridState& state, HDC dc);
// The font of a row: its own font when one was set, else the normal font.
HFONT RowFont(const GridState& state, int row);

}  // namespace grid
}  // namespace tw
