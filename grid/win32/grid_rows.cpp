// Row messages: clearing, the current cell, writing, inserting, deleting and reading rows, and
// each row's font and height.
#include <algorithm>
#include <cstring>

#include "grid/win32/grid_editor.h"
#include "grid/win32/grid_handlers.h"
#include "grid/win32/grid_layout.h"
#include "grid/win32/grid_notify.h"
#include "grid/win32/grid_scroll.h"

namespace tw {
namespace grid {

namespace {

constexpr size_t kMaxRowFonts = 255;
constexpr int kMaxRowHeight = 1000;

// Rows were inserted or removed at `row`: the scroll bars are brought up to date when the
// grid next paints, and the window is repainted only when the change can be seen.
void RowsChanged(GridState& state, int row) {
    state.scrollBarsStale = true;
    if (row <= state.topRow + VisibleRowCapacity(state)) InvalidateRect(state.hwnd, nullptr, FALSE);
}

bool EditingRow(const GridState& state, int row) {
    return state.editing && state.model.Rows().Valid(row) &&
           state.model.Rows().SlotOf(row) == state.editor.slot;
}

}  // namespace

LRESULT Grid_ClearRows(GridState& state) {
    CancelEditor(state);
    state.model.ClearRows();
    state.topRow = 0;
    state.anchorRow = -1;
    RowsChanged(state, 0);
    return 0;
}

LRESULT Grid_SetCurrentCell(GridState& state, int col, int row) {
    const int oldRow = state.model.CurrentRow();
    if (!state.model.SetCurrentCell(col, row)) return kFailed;
    InvalidateRow(state, oldRow);
    InvalidateRow(state, state.model.CurrentRow());
    return 0;
}

LRESULT Grid_OverwriteRow(GridState& state, const void* record) {
    const int before = state.model.CurrentRow();
    const int row = state.model.OverwriteCurrent(record);
    if (row < 0) return row;
    // A row that kept its place repaints alone (nothing when it is out of sight); one that the
    // sort moved changes the rows between, so the whole window repaints.
    if (row == before) {
        InvalidateRow(state, row);
    } else {
        InvalidateRect(state.hwnd, nullptr, FALSE);
    }
    return row;
}

LRESULT Grid_InsertRow(GridState& state, const void* record) {
    const int row = state.model.InsertAtCurrent(record);
    if (row >= 0) RowsChanged(state, row);
    return row;
}

LRESULT Grid_DeleteRow(GridState& state) {
    if (EditingRow(state, state.model.CurrentRow())) CancelEditor(state);
    if (!state.model.DeleteCurrent()) return kFailed;
    state.anchorRow = -1;
    RowsChanged(state, state.model.CurrentRow());
    return 0;
}

LRESULT Grid_ReadCell(const GridState& state, void* buffer, int size) {
    return state.model.ReadCurrentCell(buffer, size) ? 0 : kFailed;
}

LRESULT Grid_SetRowFont(GridState& state, const LOGFONTA* font) {
    const int row = state.model.CurrentRow();
    if (font == nullptr || !state.model.Rows().Valid(row)) return kFailed;
    size_t index = 0;
    while (index < state.rowFontSpecs.size() &&
           std::memcmp(&state.rowFontSpecs[index], font, sizeof *font) != 0) {
        ++index;
    }
    if (index == state.rowFontSpecs.size()) {
        if (index >= kMaxRowFonts) return kFailed;
        HFONT created = CreateFontIndirectA(font);
        if (created == nullptr) return kFailed;
        state.rowFontSpecs.push_back(*font);
        state.rowFonts.push_back(created);
    }
    state.model.Rows().Attributes(row).font = static_cast<uint16_t>(index + 1);
    InvalidateRow(state, row);
    return 0;
}

LRESULT Grid_ResetRowFont(GridState& state) {
    const int row = state.model.CurrentRow();
    if (!state.model.Rows().Valid(row)) return kFailed;
    state.model.Rows().Attributes(row).font = 0;
    InvalidateRow(state, row);
    return 0;
}

LRESULT Grid_GetRowHeight(const GridState& state) {
    const int row = state.model.CurrentRow();
    if (!state.model.Rows().Valid(row)) return state.rowHeight;
    const int height = state.model.Rows().Attributes(row).height;
    return height ? height : state.rowHeight;
}

LRESULT Grid_SetRowHeight(GridState& state, int height) {
    const int row = state.model.CurrentRow();
    if (!state.model.Rows().Valid(row) || height < 1) return kFailed;
    height = std::min(height, kMaxRowHeight);
    state.model.Rows().Attributes(row).height =
        static_cast<uint16_t>(height == state.rowHeight ? 0 : height);
    InvalidateRect(state.hwnd, nullptr, FALSE);
    return 0;
}

LRESULT Grid_RedrawRow(GridState& state, int row) {
    if (!state.model.Rows().Valid(row)) return kFailed;
    InvalidateRow(state, row);
    return 0;
}

LRESULT Grid_FindKey(GridState& state, int32_t key) {
    state.model.EnsureSorted();
    return state.model.FindKey(key);
}

void MoveCurrentCell(GridState& state, int row, int col) {
    const RowStore& rows = state.model.Rows();
    if (!rows.Valid(row) || !state.model.Columns().Valid(col)) return;
    CommitEditorIfOpen(state);
    const int oldRow = state.model.CurrentRow();
    const int oldCol = state.model.CurrentColumn();
    Grid_SetCurrentCell(state, col, row);
    EnsureRowVisible(state, row, kPlaceNearest);
    EnsureColumnVisible(state, col);
    if (row != oldRow || col != oldCol) InvalidateRect(state.hwnd, nullptr, FALSE);
    if (row != oldRow) Notify(state, kNotifyCurrentRowChanged, row, col);
}

}  // namespace grid
}  // namespace tw
