#include "grid/win32/grid_mouse.h"

#include <algorithm>

#include "grid/selection.h"
#include "grid/win32/grid_editor.h"
#include "grid/win32/grid_handlers.h"
#include "grid/win32/grid_layout.h"
#include "grid/win32/grid_notify.h"
#include "grid/win32/grid_scroll.h"

namespace tw {
namespace grid {

namespace {

constexpr int kDividerSlop = 3;
constexpr int kMinColumnWidth = 8;

// Column whose right edge in the header lies within a few pixels of x, or -1.
int DividerAt(const GridState& state, POINT point) {
    if (point.y >= state.headerHeight || point.x < state.selectorWidth) return -1;
    for (int col : state.model.Columns().VisibleColumns()) {
        const int right = ColumnLeft(state, col) + state.model.Columns().At(col).width;
        if (std::abs(point.x - right) <= kDividerSlop) return col;
    }
    return -1;
}

void ClickRow(GridState& state, const HitTest& hit, WPARAM keys) {
    const int col = hit.column >= 0 ? hit.column : state.model.CurrentColumn();
    MoveCurrentCell(state, hit.row, col);
    UserSelect(state, hit.row, (keys & MK_CONTROL) != 0, (keys & MK_SHIFT) != 0);
    state.dragSelecting = !(keys & (MK_CONTROL | MK_SHIFT));
    if (state.dragSelecting) SetCapture(state.hwnd);
    Notify(state, kNotifyClick, hit.row, hit.column);
    if (hit.column >= 0) ToggleMark(state, hit.row, hit.column);
}

}  // namespace

void OnLButtonDown(GridState& state, POINT point, WPARAM keys) {
    CommitEditorIfOpen(state);
    SetFocus(state.hwnd);
    const int divider = DividerAt(state, point);
    if (divider >= 0) {
        state.resizingColumn = divider;
        state.resizeOrigin = ColumnLeft(state, divider);
        SetCapture(state.hwnd);
        return;
    }
    const HitTest hit = HitTestPoint(state, point);
    if (!hit.inside) return;
    if (hit.row == kHeaderRow) {
        Notify(state, kNotifyClick, hit.row, hit.column);
        return;
    }
    ClickRow(state, hit, keys);
}

void OnLButtonDblClk(GridState& state, POINT point) {
    const HitTest hit = HitTestPoint(state, point);
    if (hit.inside && hit.row >= 0) Notify(state, kNotifyDoubleClick, hit.row, hit.column);
}

void OnMouseMove(GridState& state, POINT point) {
    if (state.resizingColumn >= 0 && state.model.Columns().Valid(state.resizingColumn)) {
        Grid_SetColumnWidth(state, unsigned(state.resizingColumn),
                            std::max<int>(kMinColumnWidth, point.x - state.resizeOrigin));
        UpdateWindow(state.hwnd);
        return;
    }
    if (!state.dragSelecting) return;
    const HitTest hit = HitTestPoint(state, point);
    if (hit.row < 0 || hit.row == state.model.CurrentRow()) return;
    if (SelectRange(state.model.Rows(), state.anchorRow, hit.row, false)) {
        Notify(state, kNotifySelectionChanged, hit.row, state.model.CurrentColumn());
    }
    MoveCurrentCell(state, hit.row, state.model.CurrentColumn());
    InvalidateRect(state.hwnd, nullptr, FALSE);
}

void OnLButtonUp(GridState& state) {
    state.resizingColumn = -1;
    state.dragSelecting = false;
    if (GetCapture() == state.hwnd) ReleaseCapture();
}

bool OnSetCursor(GridState& state) {
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(state.hwnd, &point);
    if (state.resizingColumn < 0 && DividerAt(state, point) < 0) return false;
    SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
    return true;
}

}  // namespace grid
}  // namespace tw
