// Keys of the numeric edit (see numedit_keyboard.h).

#include "controls/numedit/numedit_keyboard.h"

#include "controls/common/edit_clipboard.h"
#include "controls/common/edit_keys.h"
#include "controls/common/edit_notify.h"
#include "controls/numedit/numedit_changes.h"
#include "controls/numedit/numedit_typing.h"

namespace tw {
namespace {

bool IsCaretKey(UINT vk) {
    return vk == VK_LEFT || vk == VK_RIGHT || vk == VK_HOME || vk == VK_END;
}

// The keys this handler takes with the modifiers held; the rest are characters or nothing.
bool IsEditingKey(UINT vk, bool ctrl, bool shift) {
    if (ctrl) return vk == VK_INSERT || vk == VK_DELETE;
    if (shift) return IsCaretKey(vk) || vk == VK_INSERT || vk == VK_DELETE || vk == VK_BACK;
    return IsCaretKey(vk) || vk == VK_DELETE || vk == VK_BACK;
}

void HandlePlainKey(NumEditState& s, UINT vk) {
    EditCore& core = s.core;
    switch (vk) {
        case VK_LEFT: MoveCaretBy(core, -1); break;
        case VK_RIGHT: MoveCaretBy(core, +1); break;
        case VK_HOME: MoveCaretToField(core, 0, 0); break;
        case VK_END: MoveCaretToField(core, TextLength(core), 0); break;
        case VK_DELETE: DeleteSelectionOrNext(s); break;
        case VK_BACK: DeleteSelectionOrPrevious(s); break;
        default: break;
    }
}

}  // namespace

bool NUM_KeyDown(NumEditState& s, UINT vk) {
    HWND hwnd = s.core.hwnd;
    const bool ctrl = KeyIsDown(VK_CONTROL);
    const bool alt = KeyIsDown(VK_MENU);
    const bool shift = KeyIsDown(VK_SHIFT);
    if (vk == VK_TAB && !ctrl && !alt) {
        FocusNextTabStop(hwnd, shift);
        return true;
    }
    if (IsPassThroughKey(vk) || !IsEditingKey(vk, ctrl, shift)) return false;
    if (!MayEdit(s)) return true;
    if (ctrl && vk == VK_INSERT)
        EDIT_Copy(s.core);
    else if (ctrl)
        DeleteSelectionOrNext(s);
    else if (shift)
        HandleShiftEditKey(s.core, vk);
    else
        HandlePlainKey(s, vk);
    if (NumEditAlive(hwnd, &s)) SendMessageA(hwnd, kChangeHookMessage, 0, 0);
    return true;
}

}  // namespace tw
