// Key handling of the date edit: modifiers, caret keys, digits, stepping and deleting.

#include "controls/date/date_keyboard.h"

#include "controls/common/edit_caret.h"
#include "controls/common/edit_clipboard.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_keys.h"
#include "controls/common/edit_notify.h"
#include "controls/date/date_dropdown.h"
#include "controls/date/date_edits.h"

namespace tw {
namespace {

void Beep() { MessageBeep(MB_ICONHAND); }

void HandleCtrlKey(DateEditState& s, UINT vk) {
    if (vk == VK_INSERT)
        EDIT_Copy(s.core);
    else if (vk == VK_DELETE)
        DeleteDateAtCaret(s);
    else
        Beep();
}

void Backspace(DateEditState& s) {
    EditCore& core = s.core;
    HWND hwnd = core.hwnd;
    if (HasSelection(core)) {
        DeleteDateAtCaret(s);
        return;
    }
    if (core.caret > 0) {
        CollapseSelection(core, core.caret - 1);
        DeleteDateAtCaret(s);
    }
    if (EditStillAlive(hwnd, &core)) FollowCaret(core);
}

void HandlePlainKey(DateEditState& s, UINT vk) {
    EditCore& core = s.core;
    const int digit = DigitOfKey(vk);
    if (digit >= 0) {
        TypeDateDigit(s, digit);
        return;
    }
    switch (vk) {
        case VK_UP:
        case VK_ADD: StepCurrentDateField(s, +1); break;
        case VK_DOWN:
        case VK_SUBTRACT: StepCurrentDateField(s, -1); break;
        case VK_LEFT: MoveCaretBy(core, -1); break;
        case VK_RIGHT: MoveCaretBy(core, +1); break;
        case VK_HOME: MoveCaretToField(core, core.firstVisible, 0); break;
        case VK_END: MoveCaretToField(core, TextLength(core), 2); break;
        case VK_SPACE: EmptyCurrentDateField(s); break;
        case VK_DELETE: DeleteDateAtCaret(s); break;
        case VK_BACK: Backspace(s); break;
        default:
            if (core.caret < TextLength(core) && core.text[core.caret] == s.format.separator)
                MoveCaretBy(core, +1);
            break;
    }
}

bool HandleKey(DateEditState& s, UINT vk, bool altDown) {
    if (IsPassThroughKey(vk) || (vk == VK_INSERT && !KeyIsDown(VK_SHIFT) && !KeyIsDown(VK_CONTROL)))
        return false;
    HWND hwnd = s.core.hwnd;
    if (altDown) {
        if (vk == VK_DOWN && s.calendarButton) DATE_DropDownCalendar(s);
        return true;
    }
    if (s.core.readOnly || !ChangePermitted(hwnd)) {
        Beep();
        return true;
    }
    if (KeyIsDown(VK_CONTROL))
        HandleCtrlKey(s, vk);
    else if (KeyIsDown(VK_SHIFT))
        HandleShiftEditKey(s.core, vk);
    else
        HandlePlainKey(s, vk);
    PostMessageA(hwnd, kChangeHookMessage, 0, 0);
    return true;
}

}  // namespace

bool DATE_KeyDown(DateEditState& s, UINT vk) { return HandleKey(s, vk, KeyIsDown(VK_MENU)); }

bool DATE_SysKeyDown(DateEditState& s, UINT vk, LPARAM keyData) {
    const bool altContext = (keyData & (1L << 29)) != 0;
    return HandleKey(s, vk, altContext || KeyIsDown(VK_MENU));
}

}  // namespace tw
