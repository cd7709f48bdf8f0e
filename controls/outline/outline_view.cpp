// Row geometry, scrolling and the geometry functions of the outline list (see outline_view.h).

#include "controls/outline/outline_view.h"

#include <algorithm>

namespace tw {

namespace {

constexpr int kLineScrollPixels = 8;  // one step of the horizontal scroll bar
constexpr int kWheelLines = 3;
constexpr long kMaxLayoutValue = 0x7FFF;  // row heights, columns and column widths
constexpr long kMaxExtent = 0x3FFFFFFF;   // leaves room to add the client width
constexpr long kMaxTabStops = 1024;       // more would be a bad count, not a real table

RECT ClientRect(const OutlineState& s) {
    RECT client = {};
    GetClientRect(s.self, &client);
    return client;
}

int ClientWidth(const OutlineState& s) { return int(ClientRect(s).right); }
int ClientHeight(const OutlineState& s) { return int(ClientRect(s).bottom); }

long RowCount(const OutlineState& s) { return long(s.tree.RowCount()); }

int ColumnWidthOf(const OutlineState& s) {
    if (s.columnWidth > 0) return s.columnWidth;
    return std::max(1, ClientWidth(s) / std::max(1, s.columns));
}

// Lines the vertical scroll bar moves through: rows, or the lines of each column.
long ScrollLines(const OutlineState& s) {
    return IsMultiColumn(s) ? (RowCount(s) ? s.rowsPerColumn : 0) : RowCount(s);
}

// Top of `row` relative to the client area (rows of their own heights counted from the top).
int RowTop(const OutlineState& s, long row) {
    if (!IsVariableHeight(s)) return int(row - s.topIndex) * s.itemHeight;
    int y = 0;
    if (row >= s.topIndex) {
        for (uint32_t slot = s.tree.RowItem(s.topIndex); slot && s.tree.RowOf(slot) < row;
             slot = s.tree.Rows().Next(slot))
            y += RowHeightOf(s, slot);
    } else {
        for (uint32_t slot = s.tree.RowItem(row); slot && s.tree.RowOf(slot) < s.topIndex;
             slot = s.tree.Rows().Next(slot))
            y -= RowHeightOf(s, slot);
    }
    return y;
}

// The highest top row that still fills the client area, for rows of their own heights.
long MaxTopOfVariableRows(const OutlineState& s) {
    const int height = ClientHeight(s);
    int used = 0;
    long top = RowCount(s);
    for (uint32_t slot = s.tree.Rows().Last(); slot; slot = s.tree.Rows().Previous(slot)) {
        used += RowHeightOf(s, slot);
        if (used > height) break;
        --top;
    }
    return std::min(std::max(0L, top), std::max(0L, RowCount(s) - 1));
}

long MaxTop(const OutlineState& s) {
    if (IsVariableHeight(s) && !IsMultiColumn(s)) return MaxTopOfVariableRows(s);
    return std::max(0L, ScrollLines(s) - PageRows(s));
}

int ContentWidth(const OutlineState& s) {
    if (IsMultiColumn(s)) {
        const long rows = RowCount(s);
        const long used = rows ? (rows + s.rowsPerColumn - 1) / s.rowsPerColumn : 0;
        return int(used) * ColumnWidthOf(s);
    }
    return std::max(ClientWidth(s), s.horizontalExtent);
}

int MaxScrollX(const OutlineState& s) { return std::max(0, ContentWidth(s) - ClientWidth(s)); }

// Gives a scroll bar its range, page and position when they changed. The bar is drawn again
// with the next painting rather than at once: drawing it on every change makes adding many
// items slow.
void SetBar(OutlineState& s, int bar, int range, int page, int position) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    if (s.proportional) {
        info.nMax = std::max(0, range - 1);
        info.nPage = UINT(std::max(0, page));
    } else {
        info.nMax = std::max(0, range - page);
        info.nPage = 0;
    }
    info.nPos = position;
    SCROLLINFO& last = s.bars[bar == SB_VERT ? 1 : 0];
    if (last.cbSize && last.nMax == info.nMax && last.nPage == info.nPage && last.nPos == info.nPos)
        return;
    last = info;
    SetScrollInfo(s.self, bar, &info, FALSE);
    RedrawWindow(s.self, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
}

// The scroll bars follow the rows; while drawing is switched off they wait for it to return.
void UpdateScrollBars(OutlineState& s) {
    if (!s.redraw) return;
    const DWORD style = OutlineStyle(s);
    if (style & WS_VSCROLL) SetBar(s, SB_VERT, int(ScrollLines(s)), int(PageRows(s)), s.topIndex);
    if (style & WS_HSCROLL) SetBar(s, SB_HORZ, ContentWidth(s), ClientWidth(s), s.scrollX);
}

void ScrollToTop(OutlineState& s, long top) {
    top = std::clamp(top, 0L, MaxTop(s));
    if (top == s.topIndex) return;
    s.topIndex = top;
    UpdateScrollBars(s);
    InvalidateRect(s.self, nullptr, FALSE);
}

void ScrollToX(OutlineState& s, int x) {
    x = std::clamp(x, 0, MaxScrollX(s));
    if (x == s.scrollX) return;
    s.scrollX = x;
    UpdateScrollBars(s);
    InvalidateRect(s.self, nullptr, FALSE);
}

int TrackPosition(const OutlineState& s, int bar) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(s.self, bar, &info);
    return info.nTrackPos;
}

// Where a scroll bar code takes a position, given the line and page steps and the end.
long ScrolledPosition(int code, long position, long line, long page, long end, long track) {
    switch (code) {
        case SB_LINEUP: return position - line;
        case SB_LINEDOWN: return position + line;
        case SB_PAGEUP: return position - page;
        case SB_PAGEDOWN: return position + page;
        case SB_TOP: return 0;
        case SB_BOTTOM: return end;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: return track;
        default: return position;
    }
}

// Sets one number of the layout when it lies in `least`..`most`; 0, or -1 for a value refused.
LRESULT SetLayoutValue(OutlineState& s, int& field, long value, long least,
                       long most = kMaxLayoutValue) {
    if (value < least || value > most) return OLB_ERR;
    field = int(value);
    RefreshRows(s);
    return 0;
}

}  // namespace

int RowHeightOf(const OutlineState& s, uint32_t slot) {
    if (IsVariableHeight(s) && IsItemSlot(slot) && s.tree.Item(slot).height > 0)
        return s.tree.Item(slot).height;
    return s.itemHeight;
}

int ColumnLeft(const OutlineState& s, long row) {
    if (!IsMultiColumn(s)) return -s.scrollX;
    return int(row / std::max(1, s.rowsPerColumn)) * ColumnWidthOf(s) - s.scrollX;
}

bool RowRectangle(const OutlineState& s, long row, RECT& rect) {
    if (row < 0 || row >= RowCount(s)) return false;
    rect.left = ColumnLeft(s, row);
    if (IsMultiColumn(s)) {
        const long line = row % std::max(1, s.rowsPerColumn);
        rect.right = rect.left + ColumnWidthOf(s);
        rect.top = int(line - s.topIndex) * s.itemHeight;
        rect.bottom = rect.top + s.itemHeight;
        return true;
    }
    rect.right = ContentWidth(s) - s.scrollX;
    rect.top = RowTop(s, row);
    rect.bottom = rect.top + RowHeightOf(s, s.tree.RowItem(row));
    return true;
}

long RowAtPoint(const OutlineState& s, int x, int y) {
    const RECT client = ClientRect(s);
    if (y < 0 || x < 0 || y >= client.bottom || x >= client.right || RowCount(s) == 0) return -1;
    long row;
    if (IsMultiColumn(s)) {
        const long line = s.topIndex + y / s.itemHeight;
        if (line >= s.rowsPerColumn) return -1;
        row = long((x + s.scrollX) / ColumnWidthOf(s)) * s.rowsPerColumn + line;
    } else if (!IsVariableHeight(s)) {
        row = s.topIndex + y / s.itemHeight;
    } else {
        int bottom = 0;
        for (uint32_t slot = s.tree.RowItem(s.topIndex); slot; slot = s.tree.Rows().Next(slot)) {
            bottom += RowHeightOf(s, slot);
            if (y < bottom) return s.tree.RowOf(slot);
        }
        return -1;
    }
    return row < RowCount(s) ? row : -1;
}

long PageRows(const OutlineState& s) {
    const int height = ClientHeight(s);
    if (!IsVariableHeight(s) || IsMultiColumn(s)) return std::max(1, height / s.itemHeight);
    long rows = 0;
    int used = 0;
    for (uint32_t slot = s.tree.RowItem(s.topIndex); slot; slot = s.tree.Rows().Next(slot)) {
        used += RowHeightOf(s, slot);
        if (used > height) break;
        ++rows;
    }
    return std::max(1L, rows);
}

long BottomRow(const OutlineState& s) {
    const long rows = RowCount(s);
    if (rows == 0) return -1;
    const int height = ClientHeight(s);
    if (IsMultiColumn(s)) {
        const long lastLine =
            std::min<long>(s.rowsPerColumn - 1, s.topIndex + (height - 1) / s.itemHeight);
        const long lastColumn = (ClientWidth(s) - 1 + s.scrollX) / ColumnWidthOf(s);
        return std::min(rows - 1, lastColumn * s.rowsPerColumn + lastLine);
    }
    if (!IsVariableHeight(s))
        return std::min(rows - 1, s.topIndex + std::max(0, height - 1) / s.itemHeight);
    long row = s.topIndex;
    int used = 0;
    for (uint32_t slot = s.tree.RowItem(s.topIndex); slot; slot = s.tree.Rows().Next(slot)) {
        used += RowHeightOf(s, slot);
        if (used >= height) break;
        ++row;
    }
    return std::min(row, rows - 1);
}

void RelayoutRows(OutlineState& s) {
    if (IsMultiColumn(s)) s.rowsPerColumn = RowsPerColumn(int(RowCount(s)), s.columns);
    s.topIndex = std::clamp(s.topIndex, 0L, MaxTop(s));
    s.scrollX = std::clamp(s.scrollX, 0, MaxScrollX(s));
    UpdateScrollBars(s);
}

void RefreshRows(OutlineState& s) {
    RelayoutRows(s);
    if (RepaintsAfterChanges(s)) InvalidateRect(s.self, nullptr, FALSE);
}

void InvalidateItem(const OutlineState& s, uint32_t slot) {
    RECT rect;
    if (IsItemSlot(slot) && RowRectangle(s, s.tree.RowOf(slot), rect) && s.redraw)
        InvalidateRect(s.self, &rect, FALSE);
}

void EnsureRowShown(OutlineState& s, long row) {
    if (row < 0 || row >= RowCount(s)) return;
    if (IsMultiColumn(s)) {
        const long line = row % s.rowsPerColumn;
        if (line < s.topIndex) ScrollToTop(s, line);
        if (line >= s.topIndex + PageRows(s)) ScrollToTop(s, line - PageRows(s) + 1);
        const int left = ColumnLeft(s, row);
        if (left < 0) ScrollToX(s, s.scrollX + left);
        if (left + ColumnWidthOf(s) > ClientWidth(s))
            ScrollToX(s, s.scrollX + left + ColumnWidthOf(s) - ClientWidth(s));
        return;
    }
    if (row < s.topIndex) return ScrollToTop(s, row);
    if (!IsVariableHeight(s)) {
        if (row >= s.topIndex + PageRows(s)) ScrollToTop(s, row - PageRows(s) + 1);
        return;
    }
    // Rows of their own heights: the highest top that still shows the row whole.
    const int height = ClientHeight(s);
    int used = 0;
    long top = row;
    for (uint32_t slot = s.tree.RowItem(row); slot; slot = s.tree.Rows().Previous(slot)) {
        used += RowHeightOf(s, slot);
        if (used > height) break;
        top = s.tree.RowOf(slot);
    }
    if (top > s.topIndex) ScrollToTop(s, top);
}

LRESULT OLB_VScroll(OutlineState& s, int code) {
    const long page = std::max(1L, PageRows(s) - 1);
    ScrollToTop(s,
                ScrolledPosition(code, s.topIndex, 1, page, MaxTop(s), TrackPosition(s, SB_VERT)));
    return 0;
}

LRESULT OLB_HScroll(OutlineState& s, int code) {
    const int line = IsMultiColumn(s) ? ColumnWidthOf(s) : kLineScrollPixels;
    ScrollToX(s, int(ScrolledPosition(code, s.scrollX, line, ClientWidth(s), MaxScrollX(s),
                                      TrackPosition(s, SB_HORZ))));
    return 0;
}

LRESULT OLB_MouseWheel(OutlineState& s, int delta) {
    ScrollToTop(s, s.topIndex - delta * kWheelLines / WHEEL_DELTA);
    return 0;
}

LRESULT OLB_SetTopIndex(OutlineState& s, long row) {
    if (row < 0 || row >= RowCount(s)) return OLB_ERR;
    if (IsMultiColumn(s)) {
        ScrollToTop(s, row % s.rowsPerColumn);
        ScrollToX(s, int(row / s.rowsPerColumn) * ColumnWidthOf(s));
    } else {
        ScrollToTop(s, row);
    }
    return 0;
}

LRESULT OLB_GetTopIndex(const OutlineState& s) {
    if (!IsMultiColumn(s)) return s.topIndex;
    return long(s.scrollX / ColumnWidthOf(s)) * s.rowsPerColumn + s.topIndex;
}

LRESULT OLB_GetBottomIndex(const OutlineState& s) { return BottomRow(s); }

LRESULT OLB_EnsureVisible(OutlineState& s, long row) {
    if (row < 0 || row >= RowCount(s)) return OLB_ERR;
    EnsureRowShown(s, row);
    return 0;
}

LRESULT OLB_GetItemRect(const OutlineState& s, long row, RECT* rect) {
    if (!rect) return OLB_ERR;
    return RowRectangle(s, row, *rect) ? 0 : OLB_ERR;
}

LRESULT OLB_GetItemAtPoint(const OutlineState& s, int x, int y) { return RowAtPoint(s, x, y); }

LRESULT OLB_SetItemHeight(OutlineState& s, uint32_t slot, long height) {
    if (slot == kBadSlot || height < 1 || height > kMaxLayoutValue) return OLB_ERR;
    if (IsItemSlot(slot) && IsVariableHeight(s)) {
        s.tree.Item(slot).height = uint16_t(height);
    } else {
        s.itemHeight = int(height);
        s.itemHeightSet = true;
    }
    RefreshRows(s);
    return 0;
}

LRESULT OLB_GetItemHeight(const OutlineState& s, uint32_t slot) {
    if (slot == kBadSlot) return OLB_ERR;
    return RowHeightOf(s, slot);
}

LRESULT OLB_SetColumns(OutlineState& s, long columns) {
    return SetLayoutValue(s, s.columns, columns, 1);
}

LRESULT OLB_SetColumnWidth(OutlineState& s, long width) {
    return SetLayoutValue(s, s.columnWidth, width, 1);
}

LRESULT OLB_GetColumnWidth(const OutlineState& s) { return ColumnWidthOf(s); }

LRESULT OLB_GetLinesPerColumn(const OutlineState& s) {
    return IsMultiColumn(s) ? s.rowsPerColumn : RowCount(s);
}

LRESULT OLB_SetTabStops(OutlineState& s, long count, const LONG* stops) {
    if (count < 0 || count > kMaxTabStops || (count > 0 && !stops)) return OLB_ERR;
    s.tabStops.assign(stops, stops + count);
    RefreshRows(s);
    return 0;
}

LRESULT OLB_SetHorizontalExtent(OutlineState& s, long extent) {
    return SetLayoutValue(s, s.horizontalExtent, extent, 0, kMaxExtent);
}

LRESULT OLB_GetHorizontalExtent(const OutlineState& s) { return s.horizontalExtent; }

}  // namespace tw
