// Typed handlers of the grid's private messages, one group per concern (and per file). Each
// returns the message's result.
#pragma once

#include "grid/win32/grid_state.h"

namespace tw {
namespace grid {

// Columns (grid_columns.cpp).
LRESULT Grid_SetColumnCount(GridState& state, int count);
LRESULT Grid_SetColumnType(GridState& state, int col, unsigned type);
LRESULT Grid_GetColumnFlags(const GridState& state, int col);
LRESULT Grid_SetColumnFlags(GridState& state, int col, unsigned flags);
LRESULT Grid_SetMaxLength(GridState& state, int col, int length);
LRESULT Grid_SetColumnWidth(GridState& state, unsigned col, int width);
LRESULT Grid_GetColumnWidth(const GridState& state, unsigned col);
// Which text of a column a set/get message addresses.
enum class ColumnText { kPicture, kTitle, kName, kChoices, kNullText };
LRESULT Grid_SetColumnText(GridState& state, int col, ColumnText which, const char* text);
LRESULT Grid_GetColumnText(const GridState& state, int col, ColumnText which, char* buffer);
LRESULT Grid_FindColumn(const GridState& state, const char* name);
LRESULT Grid_SetEditStyle(GridState& state, int col, unsigned style);

// Rows and the current cell (grid_rows.cpp).
LRESULT Grid_ClearRows(GridState& state);
LRESULT Grid_SetCurrentCell(GridState& state, int col, int row);
LRESULT Grid_OverwriteRow(GridState& state, const void* record);
LRESULT Grid_InsertRow(GridState& state, const void* record);
LRESULT Grid_DeleteRow(GridState& state);
LRESULT Grid_ReadCell(const GridState& state, void* buffer, int size);
LRESULT Grid_SetRowFont(GridState& state, const LOGFONTA* font);
LRESULT Grid_ResetRowFont(GridState& state);
LRESULT Grid_GetRowHeight(const GridState& state);
LRESULT Grid_SetRowHeight(GridState& state, int height);
LRESULT Grid_RedrawRow(GridState& state, int row);
LRESULT Grid_FindKey(GridState& state, int32_t key);
// The current cell moves by the user: commits an open editor, moves, brings the cell into view
// and reports kNotifyCurrentRowChanged when the row changed.
void MoveCurrentCell(GridState& state, int row, int col);

// Selection (grid_selection.cpp).
LRESULT Grid_SelectAll(GridState& state, bool on);
LRESULT Grid_SelectRow(GridState& state, bool on, int row);
LRESULT Grid_GetSelectedRows(const GridState& state, int* rows, int capacity);
LRESULT Grid_GetNextSelected(const GridState& state, int row);
// Selection by the user on `row` with the keyboard's modifier state; reports
// kNotifySelectionChanged when it changed.
void UserSelect(GridState& state, int row, bool control, bool shift);
void UserSelectAll(GridState& state);

// Sorting (grid_sorting.cpp).
LRESULT Grid_SetSortColumn(GridState& state, unsigned col, int level);
LRESULT Grid_SetSortAscending(GridState& state, bool ascending, int level);
LRESULT Grid_SetSortNoCase(GridState& state, bool noCase, int level);

// Saved state and settings (grid_saved_state.cpp).
LRESULT Grid_GetViewValue(const GridState& state, unsigned which);
LRESULT Grid_SetViewValue(GridState& state, unsigned which, LPARAM value);
LRESULT Grid_GetSetting(const GridState& state, unsigned which);
LRESULT Grid_SetSetting(GridState& state, unsigned which, WPARAM value);
LRESULT Grid_SetDefaultRowHeight(GridState& state, int height);
LRESULT Grid_SetHeaderHeight(GridState& state, int height);
LRESULT Grid_EnsureVisible(GridState& state, unsigned placement, int row);
LRESULT Grid_GetVisibleRows(const GridState& state);

// The private-message dispatcher (grid_messages.cpp): true when msg is one of ours.
bool DispatchGridMessage(GridState& state, UINT msg, WPARAM w, LPARAM l, LRESULT& result);
// The messages that change sort levels, which do not sort by themselves.
bool IsSortMessage(UINT msg);

}  // namespace grid
}  // namespace tw
