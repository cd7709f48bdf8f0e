// The calendar's date and its notifications (see calendar_date.h).

#include "controls/calendar/calendar_date.h"

#include "controls/calendar/calendar_children.h"
#include "controls/calendar/tarn32_calendar.h"

namespace tw {

void SetCalendarDate(CalendarState& s, int month, int day, int year) {
    s.month = month;
    s.day = day;
    s.year = year;
    ShowDateInChildren(s);
    InvalidateRect(s.self, nullptr, FALSE);
    NotifyDateChanged(s);
}

void ChangeDateFromChild(CalendarState& s, int month, int year) {
    s.month = month;
    s.year = year;
    InvalidateRect(s.self, nullptr, FALSE);
    NotifyDateChanged(s);
    SendDateToOwner(s);
    TakeBackInput(s);
}

void NotifyDateChanged(CalendarState& s) {
    SendMessageA(s.self, CCM_CHANGED, 0, 0);
    if (!s.owner) NotifyParent(s, CCN_CHANGE);
}

void NotifyParent(CalendarState& s, int code) {
    HWND parent = GetParent(s.self);
    if (!parent || s.owner) return;
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(ControlId(s.self), code),
                 reinterpret_cast<LPARAM>(s.self));
}

void SendDateToOwner(CalendarState& s) {
    if (!s.owner || !IsWindow(s.owner)) return;
    WORD date[3] = {WORD(s.month), WORD(s.day), WORD(s.year)};
    SendMessageA(s.owner, CCM_OWNERSETDATE, 0, reinterpret_cast<LPARAM>(date));
}

LONG CAL_SetDatePart(CalendarState& s, DatePart part, LONG value) {
    int date[3] = {s.month, s.day, s.year};
    date[int(part)] = int(value);
    SetCalendarDate(s, date[0], date[1], date[2]);
    return 1;
}

LONG CAL_GetDatePart(const CalendarState& s, DatePart part) {
    const int date[3] = {s.month, s.day, s.year};
    return date[int(part)];
}

LONG CAL_SetDate(CalendarState& s, const DWORD* monthDayYear) {
    if (!monthDayYear) return 0;
    SetCalendarDate(s, int(monthDayYear[0]), int(monthDayYear[1]), int(monthDayYear[2]));
    return 1;
}

LONG CAL_GetDate(const CalendarState& s, DWORD* monthDayYear) {
    if (!monthDayYear) return 0;
    monthDayYear[0] = DWORD(s.month);
    monthDayYear[1] = DWORD(s.day);
    monthDayYear[2] = DWORD(s.year);
    return 1;
}

LONG CAL_SetDateString(CalendarState& s, const char* text) {
    int month = s.month, day = s.day, year = s.year;
    if (!ParseShortDate(s.dateFormat, text, &month, &day, &year)) return 0;
    SetCalendarDate(s, month, day, year);
    return 1;
}

LPSTR CAL_GetDateString(const CalendarState& s, LPSTR buffer) {
    if (buffer) FormatShortDate(s.dateFormat, s.month, s.day, s.year, buffer, CC_DATESTRING_SIZE);
    return buffer;
}

}  // namespace tw
