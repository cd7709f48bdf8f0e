#include "grid/win32/grid_scroll.h"

#include <algorithm>

#include "grid/win32/grid_editor.h"
#include "grid/win32/grid_layout.h"

namespace tw {
namespace grid {

namespace {

int ClientWidth(const GridState& state) { return ClientSize(state).cx; }

int MaxTopRow(const GridState& state) {
    return std::max(0, state.model.Rows().Count() - VisibleRowCapacity(state));
}

int MaxScrollX(const GridState& state) {
    return std::max(0, DataWidth(state) - (ClientWidth(state) - state.selectorWidth));
}

void SetBar(HWND hwnd, int bar, int max, int page, int pos) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = max;
    info.nPage = static_cast<UINT>(page);
    info.nPos = pos;
    SetScrollInfo(hwnd, bar, &info, TRUE);
}

int TrackPosition(HWND hwnd, int bar) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(hwnd, bar, &info);
    return info.nTrackPos;
}

}  // namespace

void UpdateScrollBars(GridState& state) {
    state.scrollBarsStale = false;
    state.topRow = std::clamp(state.topRow, 0, MaxTopRow(state));
    state.scrollX = std::clamp(state.scrollX, 0, MaxScrollX(state));
    SetBar(state.hwnd, SB_VERT, std::max(0, state.model.Rows().Count() - 1),
           VisibleRowCapacity(state), state.topRow);
    SetBar(state.hwnd, SB_HORZ, std::max(0, DataWidth(state) - 1),
           std::max(1, ClientWidth(state) - state.selectorWidth), state.scrollX);
}

namespace {
// Moves one scroll position (the first visible row or the horizontal offset) within 0..max.
void ScrollTo(GridState& state, int& position, int target, int max) {
    target = std::clamp(target, 0, max);
    if (target == position) return;
    CommitEditorIfOpen(state);
    position = target;
    UpdateScrollBars(state);
    InvalidateRect(state.hwnd, nullptr, FALSE);
}
}  // namespace

void ScrollToRow(GridState& state, int topRow) {
    ScrollTo(state, state.topRow, topRow, MaxTopRow(state));
}

void ScrollToX(GridState& state, int x) { ScrollTo(state, state.scrollX, x, MaxScrollX(state)); }

bool EnsureRowVisible(GridState& state, int row, unsigned placement) {
    if (!state.model.Rows().Valid(row)) return false;
    const int capacity = VisibleRowCapacity(state);
    if (placement == kPlaceTop) {
        ScrollToRow(state, row);
    } else if (placement == kPlaceCenter) {
        ScrollToRow(state, row - capacity / 2);
    } else if (row < state.topRow) {
        ScrollToRow(state, row);
    } else if (RowTop(state, row) < 0 || row >= state.topRow + capacity) {
        ScrollToRow(state, row - capacity + 1);
    }
    return true;
}

void EnsureColumnVisible(GridState& state, int col) {
    const int left = ColumnLeft(state, col);
    if (left < 0) return;
    const int width = state.model.Columns().At(col).width;
    const int viewWidth = ClientWidth(state) - state.selectorWidth;
    const int start = left + state.scrollX - state.selectorWidth;  // offset within the data
    if (start < state.scrollX) {
        ScrollToX(state, start);
    } else if (start + width > state.scrollX + viewWidth) {
        ScrollToX(state, std::min(start, start + width - viewWidth));
    }
}

namespace {
// New scroll position for a scroll-bar code, or `pos` when the code moves nothing.
int PositionForCode(HWND hwnd, int bar, int code, int pos, int line, int page, int max) {
    switch (code) {
        case SB_LINEUP: return pos - line;
        case SB_LINEDOWN: return pos + line;
        case SB_PAGEUP: return pos - page;
        case SB_PAGEDOWN: return pos + page;
        case SB_TOP: return 0;
        case SB_BOTTOM: return max;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: return TrackPosition(hwnd, bar);
        default: return pos;
    }
}
}  // namespace

void OnVScroll(GridState& state, int code) {
    const int page = std::max(1, VisibleRowCapacity(state) - 1);
    ScrollToRow(
        state, PositionForCode(state.hwnd, SB_VERT, code, state.topRow, 1, page, MaxTopRow(state)));
}

void OnHScroll(GridState& state, int code) {
    const int page = std::max(1, ClientWidth(state) - state.selectorWidth - 20);
    ScrollToX(state, PositionForCode(state.hwnd, SB_HORZ, code, state.scrollX, 20, page,
                                     MaxScrollX(state)));
}

void OnMouseWheel(GridState& state, int delta) {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    ScrollToRow(state, state.topRow - delta * static_cast<int>(lines) / WHEEL_DELTA);
}

void InvalidateRow(GridState& state, int row) {
    const int top = RowTop(state, row);
    if (top < 0) return;
    RECT client, rect;
    GetClientRect(state.hwnd, &client);
    SetRect(&rect, 0, top, client.right, top + RowHeightOf(state, row));
    InvalidateRect(state.hwnd, &rect, FALSE);
}

}  // namespace grid
}  // namespace tw
