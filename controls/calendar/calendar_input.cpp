// Keyboard and mouse of the calendar (see calendar_input.h).

#include "controls/calendar/calendar_input.h"

#include "controls/calendar/calendar_close.h"
#include "controls/calendar/calendar_date.h"
#include "controls/calendar/calendar_navigation.h"
#include "controls/calendar/tarn32_calendar.h"

namespace tw {

namespace {

bool MoveOf(UINT key, CalendarMove* move) {
    switch (key) {
        case VK_LEFT: *move = CalendarMove::DayBack; return true;
        case VK_RIGHT: *move = CalendarMove::DayForward; return true;
        case VK_UP: *move = CalendarMove::WeekBack; return true;
        case VK_DOWN: *move = CalendarMove::WeekForward; return true;
        case VK_PRIOR: *move = CalendarMove::MonthBack; return true;
        case VK_NEXT: *move = CalendarMove::MonthForward; return true;
        default: return false;
    }
}

void MoveChosenDay(CalendarState& s, CalendarMove move) {
    DayDate moved = MoveCalendarDate({s.month, s.day, s.year}, move);
    if (moved.month == s.month && moved.day == s.day && moved.year == s.year) return;
    SetCalendarDate(s, moved.month, moved.day, moved.year);
}

// Passes a click that lands on a child of a dropped popup on to that child.
bool ForwardClickToChild(CalendarState& s, POINT pt, WPARAM keys) {
    HWND child = ChildWindowFromPointEx(s.self, pt, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (!child || child == s.self) return false;
    MapWindowPoints(s.self, child, &pt, 1);
    ReleaseCapture();
    PostMessageA(child, WM_LBUTTONDOWN, keys, MAKELPARAM(pt.x, pt.y));
    return true;
}

bool InsideWindow(HWND hwnd, POINT clientPoint) {
    RECT window;
    GetWindowRect(hwnd, &window);
    ClientToScreen(hwnd, &clientPoint);
    return PtInRect(&window, clientPoint) != FALSE;
}

}  // namespace

LRESULT CAL_GetDlgCode(const CalendarState& s) {
    return DLGC_WANTARROWS | (s.owner ? DLGC_WANTALLKEYS : 0);
}

bool CAL_KeyDown(CalendarState& s, UINT key) {
    if (s.style & CCS_DISPLAYONLY) return false;
    CalendarMove move;
    if (MoveOf(key, &move)) {
        MoveChosenDay(s, move);
        return true;
    }
    if (key == VK_RETURN) return PickAndClose(s);
    if (key == VK_ESCAPE || key == VK_TAB) return CancelPopup(s);
    return false;
}

bool CAL_SysKeyDown(CalendarState& s, UINT key) {
    if (s.style & CCS_DISPLAYONLY) return false;
    return key == VK_UP && PickAndClose(s);
}

LRESULT CAL_LeftButtonDown(CalendarState& s, int x, int y, WPARAM keys) {
    POINT pt = {x, y};
    RECT client;
    GetClientRect(s.self, &client);
    if (s.dropped) {
        if (!InsideWindow(s.self, pt)) {
            CancelPopup(s);
            return 0;
        }
        if (!PtInRect(&client, pt) || ForwardClickToChild(s, pt, keys)) return 0;
    }
    if (s.style & CCS_DISPLAYONLY) return 0;
    CalendarHit hit = HitTestDay(s.view, s.metrics, s.month, s.year, x, y);
    if (!hit.month) return 0;
    if (!s.owner) SetFocus(s.self);
    SetCalendarDate(s, hit.month, hit.day, s.year);
    if (s.dropped) {
        UpdateWindow(s.self);
        PickAndClose(s);
    }
    return 0;
}

}  // namespace tw
