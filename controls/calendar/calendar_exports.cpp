// The calendar's exported functions: each fetches the calendar's state and hands it to the
// handler its private message uses; a window without state gives 0 (an empty date string).

#include "controls/calendar/calendar_close.h"
#include "controls/calendar/calendar_date.h"
#include "controls/calendar/calendar_paint.h"
#include "controls/calendar/calendar_setup.h"
#include "controls/calendar/calendar_state.h"
#include "controls/calendar/tarn32_calendar.h"
#include "controls/control_state.h"

using namespace tw;

namespace {

constexpr LONG kFailed = 0;

// The buffer with an empty string in it (what ccGetDateString gives without state).
LPSTR EmptiedBuffer(LPSTR buffer) {
    if (buffer) buffer[0] = '\0';
    return buffer;
}

LONG SetColor(HWND hwnd, CalendarColor which, COLORREF color) {
    return CallOnState(CalendarStateOf(hwnd), kFailed, CAL_SetColor, which, color);
}

LONG SetDatePart(HWND hwnd, DatePart part, LONG value) {
    return CallOnState(CalendarStateOf(hwnd), kFailed, CAL_SetDatePart, part, value);
}

LONG GetDatePart(HWND hwnd, DatePart part) {
    return CallOnState(CalendarStateOf(hwnd), kFailed, CAL_GetDatePart, part);
}

}  // namespace

extern "C" {

LONG WINAPI ccSetMonthLiterals(HWND hwnd, LPCSTR names) {
    return CallOnState(CalendarStateOf(hwnd), kFailed, CAL_SetMonthLiterals, names);
}

LONG WINAPI ccSetDOWLiterals(HWND hwnd, LPCSTR letters) {
    return CallOnState(CalendarStateOf(hwnd), kFailed, CAL_SetDOWLiterals, letters);
}

LONG WINAPI ccSetYear(HWND hwnd, LONG year) { return SetDatePart(hwnd, DatePart::Year, year); }
LONG WINAPI ccGetYear(HWND hwnd) { return GetDatePart(hwnd, DatePart::Year); }
LONG WINAPI ccSetMonth(HWND hwnd, LONG month) { return SetDatePart(hwnd, DatePart::Month, month); }
LONG WINAPI ccGetMonth(HWND hwnd) { return GetDatePart(hwnd, DatePart::Month); }
LONG WINAPI ccSetDay(HWND hwnd, LONG day) { return SetDatePart(hwnd, DatePart::Day, day); }
LONG WINAPI ccGetDay(HWND hwnd) { return GetDatePart(hwnd, DatePart::Day); }

LONG WINAPI ccSetDate(HWND hwnd, const DWORD* monthDayYear) {
    return CallOnState(CalendarStateOf(hwnd), kFailed, CAL_SetDate, monthDayYear);
}

LONG WINAPI ccGetDate(HWND hwnd, DWORD* monthDayYear) {
    return CallOnState(CalendarStateOf(hwnd), kFailed, CAL_GetDate, monthDayYear);
}

LONG WINAPI ccSetDateString(HWND hwnd, LPCSTR text) {
    return CallOnState(CalendarStateOf(hwnd), kFailed, CAL_SetDateString, text);
}

LPSTR WINAPI ccGetDateString(HWND hwnd, LPSTR buffer) {
    return CallOnState(CalendarStateOf(hwnd), EmptiedBuffer(buffer), CAL_GetDateString, buffer);
}

LONG WINAPI ccSetSundayColor(HWND hwnd, COLORREF c) { return SetColor(hwnd, kColorSundayText, c); }
LONG WINAPI ccSetDayColor(HWND hwnd, COLORREF c) { return SetColor(hwnd, kColorDayText, c); }
LONG WINAPI ccSetHighlightColor(HWND hwnd, COLORREF c) {
    return SetColor(hwnd, kColorHighlightText, c);
}
LONG WINAPI ccSetBkSundayColor(HWND hwnd, COLORREF c) {
    return SetColor(hwnd, kColorSundayBack, c);
}
LONG WINAPI ccSetBkDayColor(HWND hwnd, COLORREF c) { return SetColor(hwnd, kColorDayBack, c); }
LONG WINAPI ccSetBkHighlightColor(HWND hwnd, COLORREF c) {
    return SetColor(hwnd, kColorHighlightBack, c);
}

LONG WINAPI ccGetMinWidth(HWND hwnd) {
    return CallOnState(CalendarStateOf(hwnd), kFailed, CAL_GetMinWidth);
}

LONG WINAPI ccGetMinHeight(HWND hwnd) {
    return CallOnState(CalendarStateOf(hwnd), kFailed, CAL_GetMinHeight);
}

LONG WINAPI ccHideCalendar(HWND hwnd) {
    return CallOnState(CalendarStateOf(hwnd), kFailed, CAL_HideCalendar);
}

}  // extern "C"
