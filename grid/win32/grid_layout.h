// Geometry of the grid window: where the header, the row selectors, the columns and the
// visible rows lie, and what lies under a point.
#pragma once

#include "grid/win32/grid_state.h"

namespace tw {
namespace grid {

struct HitTest {
    int row = -1;         // row index, kHeaderRow for the header
    int column = -1;      // column index, kSelectorColumn for the row selectors
    bool inside = false;  // false: outside the rows and the header (empty area)
};

SIZE ClientSize(const GridState& state);
int RowHeightOf(const GridState& state, int row);
// Rows that fit in the client area below the header at the normal row height (at least 1).
int VisibleRowCapacity(const GridState& state);
// Total width of the visible data columns.
int DataWidth(const GridState& state);
// Left edge of column `col` in client coordinates (scrolling applied); -1 when hidden.
int ColumnLeft(const GridState& state, int col);
// Top of `row` in client coordinates, or -1 when it is above the first visible row or below
// the window.
int RowTop(const GridState& state, int row);
// Client rectangle of a cell; false when the cell is not on screen.
bool CellRect(const GridState& state, int row, int col, RECT& rect);
HitTest HitTestPoint(const GridState& state, POINT point);

}  // namespace grid
}  // namespace tw
