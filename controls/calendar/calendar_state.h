#pragma once
// Per-window state of the calendar control and the means to fetch it.

#include <windows.h>

#include "controls/calendar/calendar_layout.h"
#include "controls/common/short_date_format.h"

namespace tw {

constexpr int kMonthNameSize = 60;  // up to 59 characters and the terminator
constexpr int kCalendarDayLetters = 7;

// Indexes into CalendarState::colors.
enum CalendarColor {
    kColorDayText,
    kColorHighlightText,
    kColorSundayText,
    kColorDayBack,
    kColorHighlightBack,
    kColorSundayBack,
    kCalendarColorCount
};

struct CalendarState {
    HWND self;
    HWND owner;          // the date edit of a popup; null for a standalone calendar
    HWND yearField;      // edit, id 10 (null when not created)
    HWND yearSpin;       // up-down, id 20 (Windows 4 and later)
    HWND monthSelector;  // drop-down list, id 30
    DWORD style;         // creation style (view and feature bits)
    CalendarView view;
    CalendarMetrics metrics;  // cell width, row height, line height
    int averageCharWidth;
    int year, month, day;  // the chosen date, stored unchecked
    RECT yearRect;         // where the year is drawn without a year field
    RECT monthRect;        // where the month name is drawn without a selector
    HFONT font;            // set by WM_SETFONT; the stock system font at first
    HFONT digitFont;       // scaled style: small Arial for the day numbers (owned)
    char monthNames[12][kMonthNameSize];
    char dayLetters[kCalendarDayLetters + 1];  // Sunday first
    ShortDateFormat dateFormat;
    COLORREF colors[kCalendarColorCount];
    BOOL hasFocus;
    BOOL dropped;          // a popup that is shown and holds the capture
    BOOL settingChildren;  // the calendar itself is writing to its children
};

// The state of a calendar window; null for a null handle, a window of another class, or a
// calendar before WM_NCCREATE or after WM_NCDESTROY.
CalendarState* CalendarStateOf(HWND hwnd);

// A stored colour as RGB: a value with bit 28 set is the complement of a system colour index.
COLORREF ResolveCalendarColor(COLORREF value);

// Major version of the running Windows (the low byte of the system version), read at each
// call: the calendar may be created before any edit control records it.
int RunningWindowsMajor();

// Identifier of the control (the owner's for a popup), for notifications.
int ControlId(HWND hwnd);

}  // namespace tw
