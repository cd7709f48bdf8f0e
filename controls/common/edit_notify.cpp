// Parent notifications and self-sent hooks (see edit_notify.h).

#include "controls/common/edit_notify.h"

#include "controls/common/edit_geometry.h"
#include "controls/control_state.h"

namespace tw {

void NotifyParent(HWND hwnd, WORD code) {
    HWND parent = GetParent(hwnd);
    if (!parent) return;
    const WORD id = static_cast<WORD>(GetWindowLongPtrA(hwnd, GWLP_ID));
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(hwnd));
}

bool ChangePermitted(HWND hwnd) { return SendMessageA(hwnd, kPermissionMessage, 0, 0) != 0; }

bool EditStillAlive(HWND hwnd, const EditCore* core, int stateWord) {
    return IsWindow(hwnd) &&
           reinterpret_cast<const EditCore*>(GetWindowLongPtrA(hwnd, stateWord)) == core;
}

void RepaintTextArea(EditCore& core) {
    RECT area = TextArea(core);
    InvalidateRect(core.hwnd, &area, FALSE);
    UpdateWindow(core.hwnd);
}

void ReportUserChange(EditCore& core) {
    HWND hwnd = core.hwnd;
    const int stateWord = core.stateWord;
    SendMessageA(hwnd, kChangeHookMessage, 0, 0);
    if (EditStillAlive(hwnd, &core, stateWord)) NotifyUserChange(core);
}

void NotifyUserChange(EditCore& core) {
    HWND hwnd = core.hwnd;
    const int stateWord = core.stateWord;
    NotifyParent(hwnd, EN_UPDATE);
    if (!EditStillAlive(hwnd, &core, stateWord)) return;
    RepaintTextArea(core);
    NotifyParent(hwnd, EN_CHANGE);
}

}  // namespace tw
