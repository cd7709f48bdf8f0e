#include "grid/win32/grid_layout.h"

#include <algorithm>

namespace tw {
namespace grid {

SIZE ClientSize(const GridState& state) {
    RECT client;
    GetClientRect(state.hwnd, &client);
    return SIZE{client.right, client.bottom};
}

namespace {
int ClientHeight(const GridState& state) { return ClientSize(state).cy; }
}  // namespace

int RowHeightOf(const GridState& state, int row) {
    const RowStore& rows = state.model.Rows();
    if (!rows.Valid(row) || rows.Attributes(row).height == 0) return state.rowHeight;
    return rows.Attributes(row).height;
}

int VisibleRowCapacity(const GridState& state) {
    return std::max(1, (ClientHeight(state) - state.headerHeight) / std::max(1, state.rowHeight));
}

int DataWidth(const GridState& state) {
    int width = 0;
    for (int col : state.model.Columns().VisibleColumns())
        width += state.model.Columns().At(col).width;
    return width;
}

int ColumnLeft(const GridState& state, int col) {
    const ColumnSet& columns = state.model.Columns();
    if (!columns.Valid(col) || (columns.At(col).flags & kFlagHidden)) return -1;
    int x = state.selectorWidth - state.scrollX;
    for (int c = 0; c < col; ++c) {
        if (!(columns.At(c).flags & kFlagHidden)) x += columns.At(c).width;
    }
    return x;
}

int RowTop(const GridState& state, int row) {
    if (row < state.topRow) return -1;
    const int bottom = ClientHeight(state);
    int y = state.headerHeight;
    for (int r = state.topRow; r < row; ++r) {
        y += RowHeightOf(state, r);
        if (y >= bottom) return -1;
    }
    return y < bottom ? y : -1;
}

bool CellRect(const GridState& state, int row, int col, RECT& rect) {
    const int left = ColumnLeft(state, col);
    const int top = RowTop(state, row);
    if (left < 0 && col >= 0) return false;
    if (top < 0) return false;
    rect.left = std::max(left, state.selectorWidth);
    rect.right = left + state.model.Columns().At(col).width;
    rect.top = top;
    rect.bottom = top + RowHeightOf(state, row);
    return rect.right > rect.left;
}

namespace {
int ColumnAt(const GridState& state, int x) {
    const ColumnSet& columns = state.model.Columns();
    int left = state.selectorWidth - state.scrollX;
    for (int c = 0; c < columns.Count(); ++c) {
        if (columns.At(c).flags & kFlagHidden) continue;
        if (x >= left && x < left + columns.At(c).width) return c;
        left += columns.At(c).width;
    }
    return -1;
}

int RowAt(const GridState& state, int y) {
    const int bottom = ClientHeight(state);
    int top = state.headerHeight;
    for (int r = state.topRow; r < state.model.Rows().Count() && top < bottom; ++r) {
        const int height = RowHeightOf(state, r);
        if (y >= top && y < top + height) return r;
        top += height;
    }
    return -1;
}
}  // namespace

HitTest HitTestPoint(const GridState& state, POINT point) {
    HitTest hit;
    hit.row = point.y < state.headerHeight ? kHeaderRow : RowAt(state, point.y);
    hit.column = point.x < state.selectorWidth ? kSelectorColumn : ColumnAt(state, point.x);
    hit.inside = hit.row != -1 && hit.column != -1;
    return hit;
}

}  // namespace grid
}  // namespace tw
