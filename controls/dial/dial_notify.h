#pragma once
// What the dial tells its owner: WM_VSCROLL with a scroll code and a position.

#include "controls/dial/dial_state.h"

namespace tw {

// Sends WM_VSCROLL (code in the low word, `position` in the high word of wParam, the dial in
// lParam) to the parent, or to the dial itself when its notify-self word is nonzero. True while
// the dial still lives afterwards: the receiver may have destroyed it.
bool NotifyScroll(const DialState& s, int code, LONG position);

// The step a step button or a +/− character asks for: SB_LINEUP towards the minimum while the
// position is above it, SB_LINEDOWN towards the maximum while below it; -1 at that end.
int StepTowardsMinimum(const DialState& s);
int StepTowardsMaximum(const DialState& s);

// The step of a step button: the left one moves towards the minimum with direction 1, the
// right one with direction 0; -1 when there is nothing to step.
int StepOfButton(const DialState& s, DialPart button);

}  // namespace tw
