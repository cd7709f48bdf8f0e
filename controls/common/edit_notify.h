#pragma once
// Notifications of the edit controls: to the parent (WM_COMMAND) and to themselves (the
// permission message and the change hook).

#include "controls/common/edit_core.h"

namespace tw {

constexpr UINT kPermissionMessage = 0x49F;
constexpr UINT kChangeHookMessage = 0x590;

// WM_COMMAND to the parent: identifier in the low word, `code` in the high word.
void NotifyParent(HWND hwnd, WORD code);

// Asks the control (through its permission message, which a host may subclass) whether
// its value may change.
bool ChangePermitted(HWND hwnd);

// After a user edit: sends the change hook, EN_UPDATE, repaints the text area, EN_CHANGE.
void ReportUserChange(EditCore& core);

// True while `hwnd` still holds `core` as its state: a parent may destroy the control while
// it handles a notification, after which the state must not be touched.
bool EditStillAlive(HWND hwnd, const EditCore* core);

// Repaints the text area now.
void RepaintTextArea(EditCore& core);

}  // namespace tw
