#pragma once
// Notifications of the edit controls: to the parent (WM_COMMAND) and to themselves (the
// permission message and the change hook).

#include "controls/common/edit_core.h"
#include "controls/control_state.h"

namespace tw {

constexpr UINT kPermissionMessage = 0x49F;
constexpr UINT kChangeHookMessage = 0x590;

// WM_COMMAND to the parent: identifier in the low word, `code` in the high word.
void NotifyParent(HWND hwnd, WORD code);

// Asks the control (through its permission message, which a host may subclass) whether
// its value may change.
bool ChangePermitted(HWND hwnd);

// After a user edit: sends the change hook, then notifies as NotifyUserChange.
void ReportUserChange(EditCore& core);

// After a user edit: EN_UPDATE, a repaint of the text area, EN_CHANGE (each only while the
// control lives on).
void NotifyUserChange(EditCore& core);

// True while `hwnd` still holds `core` as its state (in window word `stateWord`): a parent may
// destroy the control while it handles a notification, after which the state must not be
// touched.
bool EditStillAlive(HWND hwnd, const EditCore* core, int stateWord = kStateWordOffset);

// Repaints the text area now.
void RepaintTextArea(EditCore& core);

}  // namespace tw
