// Shared caret and selection keys (see edit_keys.h).

#include "controls/common/edit_keys.h"

#include <algorithm>

#include "controls/common/edit_caret.h"
#include "controls/common/edit_clipboard.h"
#include "controls/common/edit_fields.h"

namespace tw {
namespace {

int Anchor(const EditCore& core) { return core.caret == core.selEnd ? core.selStart : core.selEnd; }

void SelectBetween(EditCore& core, int anchor, int caret) {
    core.selStart = static_cast<WORD>(std::min(anchor, caret));
    core.selEnd = static_cast<WORD>(std::max(anchor, caret));
    core.caret = static_cast<WORD>(caret);
}

}  // namespace

bool IsPassThroughKey(UINT vk) {
    switch (vk) {
        case VK_SHIFT:
        case VK_CONTROL:
        case VK_MENU:
        case VK_ESCAPE:
        case VK_SNAPSHOT:
        case VK_NUMLOCK:
        case VK_CAPITAL: return true;
        default: return false;
    }
}

bool KeyIsDown(int vk) { return GetKeyState(vk) < 0; }

void FocusNextTabStop(HWND hwnd, bool previous) {
    HWND dialog = GetParent(hwnd);
    HWND next = dialog ? GetNextDlgTabItem(dialog, hwnd, previous) : nullptr;
    if (next) SetFocus(next);
}

void MoveCaretBy(EditCore& core, int delta) {
    const int target = core.caret + delta;
    if (target < 0 || target > TextLength(core)) {
        MessageBeep(MB_ICONHAND);
        CollapseSelection(core, core.caret);
    } else {
        CollapseSelection(core, target);
    }
    FollowCaret(core);
    if (PlaceCaret(core)) InvalidateRect(core.hwnd, nullptr, FALSE);
}

void MoveCaretToField(EditCore& core, int pos, int field) {
    CollapseSelection(core, pos);
    core.currentField = field;
    if (PlaceCaret(core)) InvalidateRect(core.hwnd, nullptr, FALSE);
}

void ExtendSelectionInField(EditCore& core, int delta) {
    FieldSpan spans[kMaxFields];
    const int count = CurrentSpans(core, spans);
    if (count == 0) return;
    const FieldSpan& field = spans[std::clamp(core.currentField, 0, count - 1)];
    const int target = core.caret + delta;
    if (target < field.start || target > field.end) {
        MessageBeep(MB_ICONHAND);
        return;
    }
    SelectBetween(core, Anchor(core), target);
    if (PlaceCaret(core)) InvalidateRect(core.hwnd, nullptr, FALSE);
}

void ExtendSelectionTo(EditCore& core, int pos) {
    SelectBetween(core, Anchor(core), std::clamp(pos, 0, TextLength(core)));
    FollowCaret(core);
    if (PlaceCaret(core)) InvalidateRect(core.hwnd, nullptr, FALSE);
}

void HandleShiftEditKey(EditCore& core, UINT vk) {
    switch (vk) {
        case VK_LEFT: ExtendSelectionInField(core, -1); break;
        case VK_RIGHT: ExtendSelectionInField(core, +1); break;
        case VK_HOME: ExtendSelectionTo(core, 0); break;
        case VK_END: ExtendSelectionTo(core, TextLength(core)); break;
        case VK_INSERT: EDIT_Paste(core); break;
        case VK_DELETE: EDIT_Cut(core); break;
        case VK_BACK:
            EDIT_Copy(core);
            core.behavior->deleteAtCaret(core);
            break;
        default: break;
    }
}

int DigitOfKey(UINT vk) {
    if (vk >= '0' && vk <= '9') return static_cast<int>(vk - '0');
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return static_cast<int>(vk - VK_NUMPAD0);
    return -1;
}

}  // namespace tw
