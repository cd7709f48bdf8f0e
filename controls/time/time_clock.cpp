// The time edit's running clock (see time_clock.h).

#include "controls/time/time_clock.h"

#include <cstdio>

#include "controls/time/time_value.h"

namespace tw {

int TIME_StartClock(TimeEditState& s) {
    if (!SetTimer(s.core.hwnd, kClockTimerId, kClockPeriodMs, nullptr)) return 0;
    s.clockRunning = TRUE;
    return 1;
}

int TIME_StopClock(TimeEditState& s) {
    KillTimer(s.core.hwnd, kClockTimerId);
    s.clockRunning = FALSE;
    return 1;
}

LRESULT TIME_Timer(TimeEditState& s, UINT_PTR timerId) {
    if (timerId != kClockTimerId) return 0;
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    // Joined with the control's own separator so that the time string splits into fields.
    sprintf(text, "%02u%c%02u%c%02u", now.wHour, s.separator, now.wMinute, s.separator,
            now.wSecond);
    TIME_SetTimeString(s, text);
    return 0;
}

}  // namespace tw
