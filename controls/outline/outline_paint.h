#pragma once
// Painting of the outline list: the rows that meet the area to paint, owner drawn or drawn by
// the control (picture, lines, highlighted text, tabbed text, focus rectangle), and the
// background below and beside them.

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

LRESULT OLB_Paint(OutlineState& s);
LRESULT OLB_PrintClient(OutlineState& s, HDC dc);

// The rectangle the row's text highlight covers; -1 for a missing row.
LRESULT OLB_GetItemTextRect(const OutlineState& s, long row, RECT* rect);

}  // namespace tw
