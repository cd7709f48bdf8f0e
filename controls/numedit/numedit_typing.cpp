// Typing and deleting in the numeric edit (see numedit_typing.h).

#include "controls/numedit/numedit_typing.h"

#include "controls/common/edit_caret.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_keys.h"
#include "controls/common/edit_notify.h"
#include "controls/numedit/numedit_changes.h"

namespace tw {
namespace {

void Beep() { MessageBeep(MB_ICONHAND); }

// The Insert key's toggle: on inserts, off overwrites.
bool InsertMode() { return (GetKeyState(VK_INSERT) & 1) != 0; }

// Characters that are keys of their own (Shift, Ctrl, Alt, Caps Lock, Escape).
bool IsPassThroughChar(char c) {
    switch (static_cast<unsigned char>(c)) {
        case VK_SHIFT:
        case VK_CONTROL:
        case VK_MENU:
        case VK_CAPITAL:
        case VK_ESCAPE: return true;
        default: return false;
    }
}

// The text a character goes into: a null control starts from nothing.
NumberEditBuffer TypingBuffer(const NumEditState& s) {
    return s.core.isNull ? NumberEditBuffer() : BufferOf(s);
}

TypingOutcome ApplyChar(NumEditState& s, char c) {
    NumberEditBuffer buffer = TypingBuffer(s);
    const TypingResult result = TypeNumberChar(buffer, TypingRulesOf(s), c, InsertMode());
    switch (result.outcome) {
        case TypingOutcome::Ignored: break;
        case TypingOutcome::Refused: Beep(); break;
        case TypingOutcome::Moved:
            CollapseSelection(s.core, buffer.caret);
            if (PlaceCaret(s.core)) InvalidateRect(s.core.hwnd, nullptr, FALSE);
            break;
        case TypingOutcome::Changed:
            if (result.clamped) Beep();
            StoreUserText(s, buffer, result.cutAtLimit);
            break;
    }
    return result.outcome;
}

void DeleteWith(NumEditState& s, bool (*remove)(NumberEditBuffer&)) {
    if (s.core.isNull) return;
    NumberEditBuffer buffer = BufferOf(s);
    if (remove(buffer)) {
        StoreUserText(s, buffer, false);
        return;
    }
    CollapseSelection(s.core, buffer.caret);
    PlaceCaret(s.core);
}

}  // namespace

bool MayEdit(NumEditState& s) {
    if (s.core.readOnly) {
        Beep();
        return false;
    }
    if (KeyIsDown(VK_MENU)) return false;
    if (!ChangePermitted(s.core.hwnd)) {
        Beep();
        return false;
    }
    return true;
}

bool NUM_Char(NumEditState& s, char c) {
    HWND hwnd = s.core.hwnd;
    if (c == '\t' && !KeyIsDown(VK_CONTROL) && !KeyIsDown(VK_MENU)) {
        FocusNextTabStop(hwnd, KeyIsDown(VK_SHIFT));
        return true;
    }
    if (IsPassThroughChar(c)) return false;
    if (c == '\b' || !MayEdit(s)) return true;  // Backspace works on its key (WM_KEYDOWN)
    if (ApplyChar(s, c) != TypingOutcome::Ignored && NumEditAlive(hwnd, &s))
        SendMessageA(hwnd, kChangeHookMessage, 0, 0);
    return true;
}

void TypeCharAsKeyed(NumEditState& s, char c) { ApplyChar(s, c); }

void DeleteSelectionOrNext(NumEditState& s) { DeleteWith(s, DeleteForward); }
void DeleteSelectionOrPrevious(NumEditState& s) { DeleteWith(s, DeleteBackward); }

}  // namespace tw
