// Parent notifications and self-sent hooks (see edit_notify.h).

#include "controls/common/edit_notify.h"

#include "controls/common/edit_geometry.h"

namespace tw {

void NotifyParent(HWND hwnd, WORD code)
{
    HWND parent = GetParent(hwnd);
    if (!parent)
        return;
    const WORD id = static_cast<WORD>(GetWindowLongPtrA(hwnd, GWLP_ID));
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(hwnd));
}

bool ChangePermitted(HWND hwnd)
{
    return SendMessageA(hwnd, kPermissionMessage, 0, 0) != 0;
}

void RepaintTextArea(EditCore& core)
{
    RECT area = TextArea(core);
    InvalidateRect(core.hwnd, &area, FALSE);
    UpdateWindow(core.hwnd);
}

void ReportUserChange(EditCore& core)
{
    HWND hwnd = core.hwnd;
    SendMessageA(hwnd, kChangeHookMessage, 0, 0);
    NotifyParent(hwnd, EN_UPDATE);
    if (!IsWindow(hwnd))
        return;
    RepaintTextArea(core);
    NotifyParent(hwnd, EN_CHANGE);
}

}  // namespace tw
