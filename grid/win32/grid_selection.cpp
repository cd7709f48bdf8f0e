// Selection messages and selection by the user (click, Ctrl+click, Shift+click, keys).
#include <algorithm>

#include "grid/selection.h"
#include "grid/win32/grid_handlers.h"
#include "grid/win32/grid_notify.h"
#include "grid/win32/grid_scroll.h"

namespace tw {
namespace grid {

LRESULT Grid_SelectAll(GridState& state, bool on) {
    if (SelectAllRows(state.model.Rows(), on)) InvalidateRect(state.hwnd, nullptr, FALSE);
    return 0;
}

LRESULT Grid_SelectRow(GridState& state, bool on, int row) {
    if (!state.model.Rows().Valid(row)) return kFailed;
    if (state.model.Rows().SetSelected(row, on)) InvalidateRow(state, row);
    return 0;
}

LRESULT Grid_GetSelectedRows(const GridState& state, int* rows, int capacity) {
    if (rows == nullptr) return kFailed;
    const std::vector<int> selected = SelectedRows(state.model.Rows());
    const size_t count =
        capacity > 0 ? std::min(selected.size(), size_t(capacity)) : selected.size();
    std::copy(selected.begin(), selected.begin() + count, rows);
    return LRESULT(count);
}

LRESULT Grid_GetNextSelected(const GridState& state, int row) {
    return NextSelected(state.model.Rows(), row);
}

void UserSelect(GridState& state, int row, bool control, bool shift) {
    RowStore& rows = state.model.Rows();
    if (!rows.Valid(row)) return;
    bool changed;
    if (shift && rows.Valid(state.anchorRow)) {
        changed = SelectRange(rows, state.anchorRow, row, control);
    } else if (control) {
        changed = rows.SetSelected(row, !rows.Attributes(row).selected);
        state.anchorRow = row;
    } else {
        changed = SelectOnly(rows, row);
        state.anchorRow = row;
    }
    if (!changed) return;
    InvalidateRect(state.hwnd, nullptr, FALSE);
    Notify(state, kNotifySelectionChanged, row, state.model.CurrentColumn());
}

void UserSelectAll(GridState& state) {
    if (!SelectAllRows(state.model.Rows(), true)) return;
    InvalidateRect(state.hwnd, nullptr, FALSE);
    Notify(state, kNotifySelectionChanged, state.model.CurrentRow(), state.model.CurrentColumn());
}

}  // namespace grid
}  // namespace tw
