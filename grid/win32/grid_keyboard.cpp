#include "grid/win32/grid_keyboard.h"

#include <algorithm>

#include "grid/win32/grid_editor.h"
#include "grid/win32/grid_handlers.h"
#include "grid/win32/grid_layout.h"

namespace tw {
namespace grid {

namespace {

bool Down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// Visible column `steps` positions from `col` (clamped to the first and last).
int StepColumn(const GridState& state, int col, int steps) {
    const std::vector<int> visible = state.model.Columns().VisibleColumns();
    if (visible.empty()) return col;
    auto it = std::find(visible.begin(), visible.end(), col);
    const int index = it == visible.end() ? 0 : int(it - visible.begin());
    return visible[size_t(std::clamp(index + steps, 0, int(visible.size()) - 1))];
}

// Target row of a vertical movement key, or -1 when the key is not one.
int TargetRow(const GridState& state, WPARAM key, int row) {
    const int last = state.model.Rows().Count() - 1;
    const int page = std::max(1, VisibleRowCapacity(state) - 1);
    switch (key) {
        case VK_UP: return std::max(0, row - 1);
        case VK_DOWN: return std::min(last, row + 1);
        case VK_PRIOR: return std::max(0, row - page);
        case VK_NEXT: return std::min(last, row + page);
        case VK_HOME: return Down(VK_CONTROL) ? 0 : -1;
        case VK_END: return Down(VK_CONTROL) ? last : -1;
        default: return -1;
    }
}

int TargetColumn(const GridState& state, WPARAM key, int col) {
    switch (key) {
        case VK_LEFT: return StepColumn(state, col, -1);
        case VK_RIGHT: return StepColumn(state, col, 1);
        case VK_HOME: return Down(VK_CONTROL) ? col : StepColumn(state, col, -100000);
        case VK_END: return Down(VK_CONTROL) ? col : StepColumn(state, col, 100000);
        case VK_TAB: return StepColumn(state, col, Down(VK_SHIFT) ? -1 : 1);
        default: return -1;
    }
}

bool MoveByKey(GridState& state, WPARAM key) {
    const int current = state.model.CurrentRow();
    const int row = std::max(current, 0);
    const int col = state.model.CurrentColumn();
    const int targetRow = TargetRow(state, key, row);
    if (targetRow >= 0) {
        MoveCurrentCell(state, targetRow, col);
        if (!Down(VK_CONTROL) || Down(VK_SHIFT))
            UserSelect(state, targetRow, false, Down(VK_SHIFT));
        return true;
    }
    const int targetCol = TargetColumn(state, key, col);
    if (targetCol < 0) return false;
    if (state.model.Rows().Valid(row)) MoveCurrentCell(state, row, targetCol);
    return true;
}

void OnSpace(GridState& state) {
    const int row = state.model.CurrentRow();
    if (!state.model.Rows().Valid(row)) return;
    if (Down(VK_CONTROL)) {
        UserSelect(state, row, true, false);
    } else if (!ToggleMark(state, row, state.model.CurrentColumn())) {
        UserSelect(state, row, false, Down(VK_SHIFT));
    }
}

}  // namespace

bool OnKeyDown(GridState& state, WPARAM key) {
    if (state.model.Rows().Count() == 0) return false;
    switch (key) {
        case VK_F2:
        case VK_RETURN: OpenEditor(state, nullptr); return true;
        case VK_SPACE: OnSpace(state); return true;
        case 'A':
            if (!Down(VK_CONTROL)) return false;
            UserSelectAll(state);
            return true;
        default: return MoveByKey(state, key);
    }
}

void OnChar(GridState& state, UINT ch) {
    // Control characters and Space (which selects the row) start no edit.
    if (ch <= ' ' || state.editing) return;
    if (OpenEditor(state, "") != 0) return;
    SendMessageA(state.editor.edit, WM_CHAR, ch, 0);
}

}  // namespace grid
}  // namespace tw
