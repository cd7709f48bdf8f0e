#pragma once
// Where the rows of the outline list lie in its window: row rectangles and hit testing (one
// column, or several in the multiple-column style; fixed rows, or each item's own height in
// variable owner-draw lists), scrolling and the scroll bars, and the geometry functions.

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

// The height of an item's row.
int RowHeightOf(const OutlineState& s, uint32_t slot);
// The rectangle of `row` in client coordinates (it may lie outside the client area); false
// when there is no such row.
bool RowRectangle(const OutlineState& s, long row, RECT& rect);
// The row under a client point; -1 when none.
long RowAtPoint(const OutlineState& s, int x, int y);
// Rows wholly shown from the top (at least 1).
long PageRows(const OutlineState& s);
// The last row at least partly shown; -1 without rows.
long BottomRow(const OutlineState& s);
// The left edge of the column that holds `row` (its indent counts from there).
int ColumnLeft(const OutlineState& s, long row);

// After a change of the rows: rows per column, the top index kept in range, the scroll bars.
void RelayoutRows(OutlineState& s);
// RelayoutRows, then a repaint unless the style or WM_SETREDRAW asks for none.
void RefreshRows(OutlineState& s);
// Repaints the row of an item when it is one.
void InvalidateItem(const OutlineState& s, uint32_t slot);
// Scrolls so that `row` is shown whole.
void EnsureRowShown(OutlineState& s, long row);

// Scroll bar and wheel messages.
LRESULT OLB_VScroll(OutlineState& s, int code);
LRESULT OLB_HScroll(OutlineState& s, int code);
LRESULT OLB_MouseWheel(OutlineState& s, int delta);

// The geometry functions (-1 for a missing row, 0 when done unless noted).
LRESULT OLB_SetTopIndex(OutlineState& s, long row);
LRESULT OLB_GetTopIndex(const OutlineState& s);
LRESULT OLB_GetBottomIndex(const OutlineState& s);
LRESULT OLB_EnsureVisible(OutlineState& s, long row);
LRESULT OLB_GetItemRect(const OutlineState& s, long row, RECT* rect);
LRESULT OLB_GetItemTextRect(const OutlineState& s, long row, RECT* rect);
LRESULT OLB_GetItemAtPoint(const OutlineState& s, int x, int y);
// The root slot sets the height of every row (a height of 1 to 32767 pixels).
LRESULT OLB_SetItemHeight(OutlineState& s, uint32_t slot, long height);
LRESULT OLB_GetItemHeight(const OutlineState& s, uint32_t slot);
LRESULT OLB_SetColumns(OutlineState& s, long columns);
LRESULT OLB_SetColumnWidth(OutlineState& s, long width);
LRESULT OLB_GetColumnWidth(const OutlineState& s);
LRESULT OLB_GetLinesPerColumn(const OutlineState& s);
LRESULT OLB_SetTabStops(OutlineState& s, long count, const LONG* stops);
LRESULT OLB_SetHorizontalExtent(OutlineState& s, long extent);
LRESULT OLB_GetHorizontalExtent(const OutlineState& s);

}  // namespace tw
