// The saved-state values and settings: row and header heights, the first visible row, the
// current row, the horizontal offset, hidden grid lines, plain selectors and the placement used
// when a row is brought into view.
#include <algorithm>

#include "grid/win32/grid_handlers.h"
#include "grid/win32/grid_layout.h"
#include "grid/win32/grid_scroll.h"

namespace tw {
namespace grid {

namespace {
constexpr int kMinHeight = 4;
constexpr int kMaxHeight = 400;

void Relayout(GridState& state) {
    UpdateScrollBars(state);
    InvalidateRect(state.hwnd, nullptr, FALSE);
}
}  // namespace

LRESULT Grid_GetViewValue(const GridState& state, unsigned which) {
    switch (which) {
        case kViewTopRow: return state.topRow;
        case kViewCurrentRow: return state.model.CurrentRow();
        case kViewScrollX: return state.scrollX;
        default: return kFailed;
    }
}

LRESULT Grid_SetViewValue(GridState& state, unsigned which, LPARAM value) {
    const int v = static_cast<int>(value);
    switch (which) {
        case kViewTopRow: ScrollToRow(state, v); return 0;
        case kViewScrollX: ScrollToX(state, v); return 0;
        case kViewCurrentRow:
            if (!state.model.Rows().Valid(v)) return kFailed;
            state.model.SetCurrentCell(state.model.CurrentColumn(), v);
            EnsureRowVisible(state, v, kPlaceNearest);
            InvalidateRect(state.hwnd, nullptr, FALSE);
            return 0;
        default: return kFailed;
    }
}

LRESULT Grid_GetSetting(const GridState& state, unsigned which) {
    switch (which) {
        case kSettingHiddenLines: return state.hiddenLines;
        case kSettingPlainSelectors: return state.plainSelectors ? 1 : 0;
        case kSettingPlacement: return state.placement;
        default: return kFailed;
    }
}

LRESULT Grid_SetSetting(GridState& state, unsigned which, WPARAM value) {
    const unsigned v = static_cast<unsigned>(value & 0xFFFF);
    switch (which) {
        case kSettingHiddenLines:
            state.hiddenLines = v & (kHideHorizontalLines | kHideVerticalLines);
            break;
        case kSettingPlainSelectors: state.plainSelectors = v != 0; break;
        case kSettingPlacement: state.placement = std::min(v, unsigned(kPlaceCenter)); break;
        default: return kFailed;
    }
    InvalidateRect(state.hwnd, nullptr, FALSE);
    return 0;
}

LRESULT Grid_SetDefaultRowHeight(GridState& state, int height) {
    if (height < kMinHeight || height > kMaxHeight) return kFailed;
    state.rowHeight = height;
    Relayout(state);
    return 0;
}

LRESULT Grid_SetHeaderHeight(GridState& state, int height) {
    if (height < kMinHeight || height > kMaxHeight) return kFailed;
    state.headerHeight = height;
    Relayout(state);
    return 0;
}

LRESULT Grid_EnsureVisible(GridState& state, unsigned placement, int row) {
    return EnsureRowVisible(state, row, placement) ? 0 : kFailed;
}

LRESULT Grid_GetVisibleRows(const GridState& state) { return VisibleRowCapacity(state); }

}  // namespace grid
}  // namespace tw
