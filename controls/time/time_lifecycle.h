#pragma once
// Creation, destruction and focus of the time edit, and its running clock.

#include "controls/time/time_state.h"

namespace tw {

bool CreateTimeState(HWND hwnd, const CREATESTRUCTA* create);
void DestroyTimeState(HWND hwnd, TimeEditState* s);

void TimeGainedFocus(TimeEditState& s);

// Timer 567: the local time of day, applied as a time string.
void ClockTick(TimeEditState& s);

extern const EditBehavior kTimeBehavior;

}  // namespace tw
