// Standard selection messages of the edit controls (see edit_selection.h).

#include "controls/common/edit_selection.h"

#include "controls/common/edit_caret.h"
#include "controls/common/edit_clipboard.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_notify.h"

namespace tw {

LRESULT EDIT_GetSel(const EditCore& core, DWORD* start, DWORD* end) {
    if (start) *start = core.selStart;
    if (end) *end = core.selEnd;
    return MAKELRESULT(core.selStart, core.selEnd);
}

LRESULT EDIT_SetSel(EditCore& core, int start, int end) {
    SetSelectionRange(core, start, end);
    FollowCaret(core);
    if (PlaceCaret(core)) InvalidateRect(core.hwnd, nullptr, FALSE);
    return 0;
}

LRESULT EDIT_ReplaceSel(EditCore& core, const char* text) {
    HWND hwnd = core.hwnd;  // typing may end in the control's destruction
    TypeString(core, text);
    PostMessageA(hwnd, kChangeHookMessage, 0, 0);
    return 0;
}

}  // namespace tw
