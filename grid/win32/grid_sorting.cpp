// Sort-level messages. The rows are sorted lazily, before the next message that needs them.
#include "grid/win32/grid_editor.h"
#include "grid/win32/grid_handlers.h"

namespace tw {
namespace grid {

namespace {
LRESULT Changed(GridState& state, bool ok) {
    if (!ok) return kFailed;
    CommitEditorIfOpen(state);
    state.model.MarkUnsorted();
    InvalidateRect(state.hwnd, nullptr, FALSE);
    return 0;
}
}  // namespace

LRESULT Grid_SetSortColumn(GridState& state, unsigned col, int level) {
    SortOrder& sort = state.model.Sort();
    if (col == kClearSortLevel) return Changed(state, sort.Clear(level));
    if (!state.model.Columns().Valid(int(col))) return kFailed;
    return Changed(state, sort.SetColumn(level, int(col)));
}

LRESULT Grid_SetSortAscending(GridState& state, bool ascending, int level) {
    return Changed(state, state.model.Sort().SetAscending(level, ascending));
}

LRESULT Grid_SetSortNoCase(GridState& state, bool noCase, int level) {
    return Changed(state, state.model.Sort().SetNoCase(level, noCase));
}

}  // namespace grid
}  // namespace tw
