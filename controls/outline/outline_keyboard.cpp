// Keyboard handling of the outline list (see outline_keyboard.h).

#include "controls/outline/outline_keyboard.h"

#include "controls/outline/caret_moves.h"
#include "controls/outline/outline_item_text.h"
#include "controls/outline/outline_opening.h"
#include "controls/outline/outline_selection.h"
#include "controls/outline/outline_view.h"

namespace tw {

namespace {

constexpr POINT kNoPoint = {0, 0};
constexpr LRESULT kKeyDone = -2;     // WM_VKEYTOITEM answer: the parent handled the key
constexpr LRESULT kKeyDefault = -1;  // WM_VKEYTOITEM answer: the control handles it

bool IsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

long CaretRow(const OutlineState& s) {
    const uint32_t caret = s.tree.Caret();
    return caret ? s.tree.RowOf(caret) : -1;
}

bool CaretKeyOf(const OutlineState& s, UINT key, CaretKey& move) {
    switch (key) {
        case VK_UP: move = CaretKey::Up; return true;
        case VK_DOWN: move = CaretKey::Down; return true;
        case VK_PRIOR: move = CaretKey::PageUp; return !IsMultiColumn(s);
        case VK_NEXT: move = CaretKey::PageDown; return !IsMultiColumn(s);
        case VK_HOME: move = CaretKey::Home; return true;
        case VK_END: move = CaretKey::End; return true;
        case VK_LEFT: move = CaretKey::Left; return IsMultiColumn(s);
        case VK_RIGHT: move = CaretKey::Right; return IsMultiColumn(s);
        default: return false;
    }
}

// Asks the parent first with the keyboard-input style. False when the key is done with
// (the parent handled it, or the control went away).
bool AskParentAboutKey(OutlineState& s, UINT key) {
    if (!(OutlineStyle(s) & OLBS_WANTKEYBOARDINPUT)) return true;
    const HWND self = s.self;
    const LRESULT answer =
        SendMessageA(GetParent(self), WM_VKEYTOITEM, MAKEWPARAM(key, WORD(CaretRow(s))),
                     reinterpret_cast<LPARAM>(self));
    if (!StillAlive(self, &s) || answer == kKeyDone) return false;
    if (answer != kKeyDefault) {
        const uint32_t slot = RowSlot(s, long(answer));
        if (slot != kBadSlot) MoveCaret(s, slot);
    }
    return true;
}

// Left and Right outside the multiple-column style: open or go to the first child; close or
// go to the parent.
bool OpenOrDescend(OutlineState& s, bool right) {
    const uint32_t caret = s.tree.Caret();
    if (!caret) return true;
    const OutlineItem& item = s.tree.Item(caret);
    const bool open = (item.flags & kItemOpen) != 0;
    if (right) {
        if (!open) return SetOpenByUser(s, caret, true, kNoPoint);
        if (item.firstChild)
            return MoveCaretByUser(s, s.tree.RowOf(item.firstChild), false, kNoPoint);
        return true;
    }
    if (open && item.firstChild) return SetOpenByUser(s, caret, false, kNoPoint);
    if (item.parent) return MoveCaretByUser(s, s.tree.RowOf(item.parent), false, kNoPoint);
    return true;
}

void OpenAllBelowCaret(OutlineState& s) {
    if (const uint32_t caret = s.tree.Caret()) {
        s.tree.OpenAll(caret);
        RefreshRows(s);
    }
}

}  // namespace

bool MoveCaretByUser(OutlineState& s, long row, bool extend, POINT point) {
    const uint32_t slot = RowSlot(s, row);
    if (slot == kBadSlot) return true;
    MoveCaret(s, slot);
    EnsureRowShown(s, row);
    if (IsMultipleSelection(s)) return true;
    const uint32_t anchor = s.tree.Anchor();
    if (extend && anchor && s.tree.IsRow(anchor))
        return SelectRows(s, s.tree.RowOf(anchor), row, true, point);
    s.tree.SetAnchor(slot);
    return SelectOnly(s, slot, point);
}

bool OLB_KeyDown(OutlineState& s, UINT key) {
    if (!AskParentAboutKey(s, key)) return true;
    CaretKey move;
    if (CaretKeyOf(s, key, move)) {
        const long target =
            CaretTarget(move, CaretRow(s), long(s.tree.RowCount()), PageRows(s), s.rowsPerColumn);
        MoveCaretByUser(s, target, IsDown(VK_SHIFT), kNoPoint);
        return true;
    }
    switch (key) {
        case VK_LEFT:
        case VK_RIGHT: OpenOrDescend(s, key == VK_RIGHT); return true;
        case VK_SPACE:
            if (IsMultipleSelection(s) && s.tree.Caret()) {
                const uint32_t caret = s.tree.Caret();
                SetItemSelected(s, caret, !s.tree.IsSelected(caret), kNoPoint);
            }
            return true;
        case VK_ADD:
        case VK_OEM_PLUS: OpenAllBelowCaret(s); return true;
        case VK_SUBTRACT:
            if (s.tree.Caret()) SetOpenByUser(s, s.tree.Caret(), false, kNoPoint);
            return true;
        default: return false;
    }
}

bool OLB_Char(OutlineState& s, char c) {
    if (!s.storesStrings || static_cast<unsigned char>(c) <= ' ') return false;
    if (c == '+' || c == '=' || c == '-') return false;  // the opening keys
    const char key[2] = {c, '\0'};
    const long row = OLB_FindRow(s, CaretRow(s), key, false);
    if (row >= 0) MoveCaretByUser(s, row, false, kNoPoint);
    return true;
}

LRESULT OLB_GetDlgCode(const OutlineState&) { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

}  // namespace tw
