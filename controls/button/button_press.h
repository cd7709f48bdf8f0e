#pragma once
// Pressing the button: mouse, keyboard, the repeat timers, the pushed state and the
// notifications to the parent. The parent may destroy the button while it handles a
// notification; after each one the handlers stop unless the button still lives.

#include "controls/button/button_state.h"

namespace tw {

LRESULT BTN_LeftButtonDown(ButtonState& s, POINT at);
LRESULT BTN_MouseMove(ButtonState& s, POINT at);
LRESULT BTN_LeftButtonUp(ButtonState& s);
// WM_CANCELMODE and an unexpected loss of the capture: a release without the click.
LRESULT BTN_CancelMode(ButtonState& s);
LRESULT BTN_CaptureChanged(ButtonState& s);
// True when the key was handled.
bool BTN_KeyDown(ButtonState& s, UINT key);
bool BTN_KeyUp(ButtonState& s, UINT key);
LRESULT BTN_Timer(ButtonState& s, UINT_PTR id);
LRESULT BTN_SetFocus(ButtonState& s);
LRESULT BTN_KillFocus(ButtonState& s);
// WM_ENABLE: disabling ends a press and its repeating.
LRESULT BTN_Enable(ButtonState& s, bool enabled);

// 4 when pushed, plus 8 with the focus.
LRESULT BTN_GetState(const ButtonState& s);
// Pushes or releases (codes 2 and 3 with the notify style); 1.
LRESULT BTN_SetState(ButtonState& s, bool pushed);
// Kills the running repeat timer of an auto-repeat button; 1.
LRESULT BTN_StopRepeat(ButtonState& s);

// Kills the running repeat timer, whatever the style.
void StopRepeating(ButtonState& s);

}  // namespace tw
