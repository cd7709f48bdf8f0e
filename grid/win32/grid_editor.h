// The in-cell editor: opening it on the current cell, the typed-character protocol, committing
// the text into the cell, cancelling, and toggling mark cells, each with its notifications.
#pragma once

#include "grid/win32/grid_state.h"

namespace tw {
namespace grid {

// Message the editor posts to the grid when it loses the focus: commit if still open.
constexpr UINT kCommitPosted = WM_APP + 1;

// Opens the editor on the current cell (kNotifyEditBegin, then kNotifyEditorOpened).
// initialText replaces the cell's text (a character that started the edit), null keeps it.
// Returns 0 when the editor is open, -1 when the cell cannot be edited or the edit was refused.
int OpenEditor(GridState& state, const char* initialText);
// kNotifyEditEnd, then the text goes into the cell; kNotifyCellChanged and kNotifyDataChanged
// follow when the value changed. False when no editor was open.
bool CommitEditor(GridState& state);
// kNotifyEditEnd, then the editor closes and the cell keeps its value.
bool CancelEditor(GridState& state);
void CommitEditorIfOpen(GridState& state);
void SetEditorCaret(GridState& state, int position);
HWND EditorList(const GridState& state);
// Flips a mark cell of an editable mark column and reports it as a changed cell.
bool ToggleMark(GridState& state, int row, int col);

}  // namespace grid
}  // namespace tw
