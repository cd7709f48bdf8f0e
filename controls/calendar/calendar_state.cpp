// Fetching the calendar's state, and the small facts it reads from the system (see
// calendar_state.h).

#include "controls/calendar/calendar_state.h"

#include "controls/control_state.h"

namespace tw {

namespace {

constexpr COLORREF kSystemColorFlag = 0x10000000;

}  // namespace

CalendarState* CalendarStateOf(HWND hwnd) {
    return FetchState<CalendarState>(hwnd, ControlClass::Calctl);
}

COLORREF ResolveCalendarColor(COLORREF value) {
    if (value & kSystemColorFlag) return GetSysColor(int(~value));
    return value;
}

int RunningWindowsMajor() { return int(GetVersion() & 0xFF); }

int ControlId(HWND hwnd) { return int(GetWindowLongPtrA(hwnd, GWLP_ID)); }

}  // namespace tw
