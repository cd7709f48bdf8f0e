#pragma once
// The time edit's running clock: window timer 567 shows the local time of day.

#include "controls/time/time_state.h"

namespace tw {

// tmStartClock (0x4A0): sets the timer; 0 when the system refuses it.
int TIME_StartClock(TimeEditState& s);
// tmStopClock (0x4A1): kills the timer.
int TIME_StopClock(TimeEditState& s);

// WM_TIMER: the clock's timer applies the local time of day as a time string.
LRESULT TIME_Timer(TimeEditState& s, UINT_PTR timerId);

}  // namespace tw
