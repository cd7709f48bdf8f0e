// The calendar's exported functions: fetch the state, check it, call the handler.

#include <cstring>

#include "controls/calendar/calendar_children.h"
#include "controls/calendar/calendar_close.h"
#include "controls/calendar/calendar_date.h"
#include "controls/calendar/calendar_setup.h"
#include "controls/calendar/calendar_state.h"
#include "controls/calendar/tarn32_calendar.h"

using namespace tw;

namespace {

LONG SetColor(HWND hwnd, CalendarColor which, COLORREF color) {
    CalendarState* s = CalendarStateOf(hwnd);
    if (!s) return 0;
    s->colors[which] = color;
    InvalidateRect(hwnd, nullptr, FALSE);
    return 1;
}

enum class DatePart { Month, Day, Year };

int& PartOf(int (&date)[3], DatePart part) { return date[int(part)]; }

// Stores one part of the date unchecked; the others stay.
LONG SetDatePart(HWND hwnd, DatePart part, LONG value) {
    CalendarState* s = CalendarStateOf(hwnd);
    if (!s) return 0;
    int date[3] = {s->month, s->day, s->year};
    PartOf(date, part) = int(value);
    SetCalendarDate(s, date[0], date[1], date[2]);
    return 1;
}

LONG GetDatePart(HWND hwnd, DatePart part) {
    CalendarState* s = CalendarStateOf(hwnd);
    if (!s) return 0;
    int date[3] = {s->month, s->day, s->year};
    return PartOf(date, part);
}

}  // namespace

extern "C" {

LONG WINAPI ccSetMonthLiterals(HWND hwnd, LPCSTR names) {
    CalendarState* s = CalendarStateOf(hwnd);
    if (!s || !TakeMonthNames(s, names)) return 0;
    FillMonthSelector(s);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 1;
}

LONG WINAPI ccSetDOWLiterals(HWND hwnd, LPCSTR letters) {
    CalendarState* s = CalendarStateOf(hwnd);
    if (!s || !TakeDayLetters(s, letters)) return 0;
    InvalidateRect(hwnd, nullptr, FALSE);
    return 1;
}

LONG WINAPI ccSetYear(HWND hwnd, LONG year) { return SetDatePart(hwnd, DatePart::Year, year); }
LONG WINAPI ccGetYear(HWND hwnd) { return GetDatePart(hwnd, DatePart::Year); }
LONG WINAPI ccSetMonth(HWND hwnd, LONG month) { return SetDatePart(hwnd, DatePart::Month, month); }
LONG WINAPI ccGetMonth(HWND hwnd) { return GetDatePart(hwnd, DatePart::Month); }
LONG WINAPI ccSetDay(HWND hwnd, LONG day) { return SetDatePart(hwnd, DatePart::Day, day); }
LONG WINAPI ccGetDay(HWND hwnd) { return GetDatePart(hwnd, DatePart::Day); }

LONG WINAPI ccSetDate(HWND hwnd, const DWORD* monthDayYear) {
    CalendarState* s = CalendarStateOf(hwnd);
    if (!s || !monthDayYear) return 0;
    SetCalendarDate(s, int(monthDayYear[0]), int(monthDayYear[1]), int(monthDayYear[2]));
    return 1;
}

LONG WINAPI ccGetDate(HWND hwnd, DWORD* monthDayYear) {
    CalendarState* s = CalendarStateOf(hwnd);
    if (!s || !monthDayYear) return 0;
    monthDayYear[0] = DWORD(s->month);
    monthDayYear[1] = DWORD(s->day);
    monthDayYear[2] = DWORD(s->year);
    return 1;
}

LONG WINAPI ccSetDateString(HWND hwnd, LPCSTR text) {
    CalendarState* s = CalendarStateOf(hwnd);
    return s && SetCalendarDateString(s, text) ? 1 : 0;
}

LPSTR WINAPI ccGetDateString(HWND hwnd, LPSTR buffer) {
    if (!buffer) return buffer;
    buffer[0] = '\0';
    if (CalendarState* s = CalendarStateOf(hwnd)) FormatCalendarDate(s, buffer);
    return buffer;
}

LONG WINAPI ccSetSundayColor(HWND hwnd, COLORREF color) {
    return SetColor(hwnd, kColorSundayText, color);
}
LONG WINAPI ccSetDayColor(HWND hwnd, COLORREF color) {
    return SetColor(hwnd, kColorDayText, color);
}
LONG WINAPI ccSetHighlightColor(HWND hwnd, COLORREF color) {
    return SetColor(hwnd, kColorHighlightText, color);
}
LONG WINAPI ccSetBkSundayColor(HWND hwnd, COLORREF color) {
    return SetColor(hwnd, kColorSundayBack, color);
}
LONG WINAPI ccSetBkDayColor(HWND hwnd, COLORREF color) {
    return SetColor(hwnd, kColorDayBack, color);
}
LONG WINAPI ccSetBkHighlightColor(HWND hwnd, COLORREF color) {
    return SetColor(hwnd, kColorHighlightBack, color);
}

LONG WINAPI ccGetMinWidth(HWND hwnd) {
    CalendarState* s = CalendarStateOf(hwnd);
    return s ? CalendarViewSize(s).width : 0;
}

LONG WINAPI ccGetMinHeight(HWND hwnd) {
    CalendarState* s = CalendarStateOf(hwnd);
    return s ? CalendarViewSize(s).height : 0;
}

LONG WINAPI ccHideCalendar(HWND hwnd) {
    CalendarState* s = CalendarStateOf(hwnd);
    return s && PickAndClose(s) ? 1 : 0;
}

}  // extern "C"
