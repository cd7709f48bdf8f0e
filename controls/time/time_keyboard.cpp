// Key handling of the time edit: Tab, modifiers, caret keys, digits, stepping, deleting.

#include "controls/time/time_keyboard.h"

#include "controls/common/edit_caret.h"
#include "controls/common/edit_clipboard.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_keys.h"
#include "controls/common/edit_notify.h"
#include "controls/time/time_edits.h"

namespace tw {
namespace {

void MoveFocusToNextTabStop(HWND hwnd, bool previous) {
    HWND dialog = GetParent(hwnd);
    HWND next = dialog ? GetNextDlgTabItem(dialog, hwnd, previous) : nullptr;
    if (next) SetFocus(next);
}

// End: the designator when one is shown, else the last numeric field.
int LastField(const TimeEditState& s) {
    FieldSpan spans[kMaxFields];
    return CurrentSpans(s.core, spans) - 1;
}

void HandlePlainKey(TimeEditState& s, UINT vk) {
    EditCore& core = s.core;
    const int digit = DigitOfKey(vk);
    if (digit >= 0) {
        TypeTimeDigit(s, digit);
        return;
    }
    switch (vk) {
        case VK_UP: StepCurrentTimeField(s, +1); break;
        case VK_DOWN: StepCurrentTimeField(s, -1); break;
        case VK_LEFT: MoveCaretBy(core, -1); break;
        case VK_RIGHT:
        case VK_SPACE: MoveCaretBy(core, +1); break;
        case VK_HOME: MoveCaretToField(core, 0, 0); break;
        case VK_END: MoveCaretToField(core, TextLength(core), LastField(s)); break;
        case VK_DELETE: DeleteTimeAtCaret(s); break;
        case VK_BACK: BackspaceTime(s); break;
        default: DesignatorKey(s, vk); break;
    }
}

}  // namespace

bool TIME_KeyDown(TimeEditState& s, UINT vk) {
    HWND hwnd = s.core.hwnd;
    const bool ctrl = KeyIsDown(VK_CONTROL);
    const bool alt = KeyIsDown(VK_MENU);
    if (vk == VK_TAB && !ctrl && !alt) {
        MoveFocusToNextTabStop(hwnd, KeyIsDown(VK_SHIFT));
        return true;
    }
    if (IsPassThroughKey(vk) || (vk == VK_INSERT && !ctrl && !KeyIsDown(VK_SHIFT))) return false;
    if (s.core.readOnly || alt || !ChangePermitted(hwnd)) return true;
    if (ctrl) {
        if (vk == VK_INSERT)
            EDIT_Copy(s.core);
        else if (vk == VK_DELETE)
            DeleteTimeAtCaret(s);
    } else if (KeyIsDown(VK_SHIFT)) {
        HandleShiftEditKey(s.core, vk);
    } else {
        HandlePlainKey(s, vk);
    }
    PostMessageA(hwnd, kChangeHookMessage, 0, 0);
    return true;
}

}  // namespace tw
