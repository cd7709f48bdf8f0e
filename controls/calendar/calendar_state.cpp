#include "controls/calendar/calendar_state.h"

#include <cstring>

#include "controls/calendar/tarn32_calendar.h"

namespace tw {

namespace {

constexpr COLORREF kSystemColorFlag = 0x10000000;

bool IsCalendarWindow(HWND hwnd) {
    char name[32];
    if (!hwnd || !IsWindow(hwnd)) return false;
    if (!GetClassNameA(hwnd, name, sizeof name)) return false;
    return lstrcmpiA(name, TARN_CALENDAR_CLASS) == 0;
}

}  // namespace

CalendarState* CalendarStateOf(HWND hwnd) {
    if (!IsCalendarWindow(hwnd)) return nullptr;
    return reinterpret_cast<CalendarState*>(GetWindowLongPtrA(hwnd, kCalendarStateOffset));
}

CalendarState* AttachCalendarState(HWND hwnd) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(CalendarState));
    if (!memory) return nullptr;
    auto* state = static_cast<CalendarState*>(GlobalLock(memory));
    if (!state) {
        GlobalFree(memory);
        return nullptr;
    }
    state->memory = memory;
    state->self = hwnd;
    SetWindowLongPtrA(hwnd, kCalendarStateOffset, reinterpret_cast<LONG_PTR>(state));
    return state;
}

void DetachCalendarState(HWND hwnd) {
    auto* state = reinterpret_cast<CalendarState*>(GetWindowLongPtrA(hwnd, kCalendarStateOffset));
    SetWindowLongPtrA(hwnd, kCalendarStateOffset, 0);
    if (!state) return;
    if (state->digitFont) DeleteObject(state->digitFont);
    HGLOBAL memory = state->memory;
    GlobalUnlock(memory);
    GlobalFree(memory);
}

COLORREF ResolveCalendarColor(COLORREF value) {
    if (value & kSystemColorFlag) return GetSysColor(int(~value));
    return value;
}

int RunningWindowsMajor() { return int(GetVersion() & 0xFF); }

int ControlId(HWND hwnd) { return int(GetWindowLongPtrA(hwnd, GWLP_ID)); }

}  // namespace tw
