#pragma once
// The spin buttons of the numeric edit: where they are, pressing and holding them (timer 1 for
// the first delay, then timer 2 repeating), the -901 notification, and the step by the delta.

#include "controls/numedit/numedit_state.h"

namespace tw {

constexpr UINT_PTR kSpinDelayTimer = 1;
constexpr UINT_PTR kSpinRepeatTimer = 2;
constexpr UINT kSpinFirstDelayMs = 1000;
constexpr UINT kSpinRepeatMs = 100;
constexpr UINT kSpinPressedCode = static_cast<UINT>(-901);

// The spin buttons' area: the right 5/8 of the client height in width; empty while hidden.
RECT SpinArea(const NumEditState& s);
// The half of the spin area that `button` takes.
RECT SpinButtonRect(const NumEditState& s, SpinButton button);

// Keeps the text area clear of the spin buttons (after a size or a show/hide).
void UpdateSpinReserve(NumEditState& s);

// WM_LBUTTONDOWN on a spin button (true when (x, y) was on one): captures the mouse, starts
// the first delay, sends WM_NOTIFY -901 to the parent and steps the value.
bool NUM_SpinPress(NumEditState& s, int x, int y);
// WM_MOUSEMOVE while a button is held: it is drawn pressed, and steps, only under the mouse.
void NUM_SpinTrack(NumEditState& s, int x, int y);
// WM_TIMER: the first delay ends in the repeat; each repeat steps while the mouse is over the
// held button.
LRESULT NUM_Timer(NumEditState& s, UINT_PTR id);
// Release, capture loss, WM_CANCELMODE, disabling, hiding and destruction: the timers stop,
// the capture goes, the button comes up.
void EndSpin(NumEditState& s);
bool SpinHeld(const NumEditState& s);

// Steps the value by the delta (up or down) as a user edit, within the range when it is on.
void StepValue(NumEditState& s, SpinButton button);

// nmEnableSpinButtons: shows or hides the buttons (style bit 0x0004); repaints.
int NUM_EnableSpinButtons(NumEditState& s, int enable);

}  // namespace tw
