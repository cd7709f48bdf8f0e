// Scrolling: the scroll bars, the first visible row, the horizontal offset and bringing a row
// into view.
#pragma once

#include "grid/win32/grid_state.h"

namespace tw {
namespace grid {

void UpdateScrollBars(GridState& state);
// Sets the first visible row / the horizontal offset, kept within range, and repaints.
void ScrollToRow(GridState& state, int topRow);
void ScrollToX(GridState& state, int x);
// Scrolls so that `row` is visible, placed as `placement` says; false for a bad row.
bool EnsureRowVisible(GridState& state, int row, unsigned placement);
// Scrolls horizontally so that column `col` is visible.
void EnsureColumnVisible(GridState& state, int col);
void OnVScroll(GridState& state, int code);
void OnHScroll(GridState& state, int code);
void OnMouseWheel(GridState& state, int delta);
void InvalidateRow(GridState& state, int row);

}  // namespace grid
}  // namespace tw
