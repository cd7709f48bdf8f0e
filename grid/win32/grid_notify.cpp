#include "grid/win32/grid_notify.h"

namespace tw {
namespace grid {

void Notify(GridState& state, unsigned code, int row, int column) {
    state.notifyRow = row;
    state.notifyColumn = column;
    HWND parent = GetParent(state.hwnd);
    if (parent == nullptr) return;
    const WORD id = static_cast<WORD>(GetDlgCtrlID(state.hwnd));
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(state.hwnd));
}

}  // namespace grid
}  // namespace tw
