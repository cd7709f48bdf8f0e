// Creation, destruction, size, font and focus of the calendar (see calendar_lifecycle.h).

#include "controls/calendar/calendar_lifecycle.h"

#include "controls/calendar/calendar_children.h"
#include "controls/calendar/calendar_date.h"
#include "controls/calendar/calendar_setup.h"
#include "controls/calendar/tarn32_calendar.h"
#include "controls/control_state.h"

namespace tw {

namespace {

LRESULT ChangeFocus(CalendarState& s, bool gained) {
    s.hasFocus = gained;
    InvalidateRect(s.self, nullptr, FALSE);
    NotifyParent(s, gained ? CCN_SETFOCUS : CCN_KILLFOCUS);
    return 0;
}

}  // namespace

bool CAL_NcCreate(HWND hwnd, const CREATESTRUCTA* create) {
    auto* s = static_cast<CalendarState*>(AllocateBlock(sizeof(CalendarState)));
    if (!s) return false;
    StoreStatePointer(hwnd, s);
    InitCalendarState(*s, hwnd, create->style);
    return true;
}

LRESULT CAL_Create(CalendarState& s) {
    if (!CreateCalendarChildren(s)) return -1;
    FitCalendarWindow(s);
    return 0;
}

void CAL_NcDestroy(CalendarState& s) {
    StoreStatePointer(s.self, nullptr);
    if (s.digitFont) DeleteObject(s.digitFont);
    FreeBlock(&s);
}

LRESULT CAL_Size(CalendarState& s) {
    if (s.style & CCS_SCALED) {
        UpdateCalendarMetrics(s);
        InvalidateRect(s.self, nullptr, FALSE);
    } else if (s.view == CalendarView::Month) {
        FitCalendarWindow(s);
    }
    return 0;
}

LRESULT CAL_SetFont(CalendarState& s, HFONT font, bool redraw) {
    SetCalendarFont(s, font);
    SetChildrenFont(s);
    LayoutCalendarChildren(s);
    FitCalendarWindow(s);
    if (redraw) InvalidateRect(s.self, nullptr, FALSE);
    return 0;
}

LRESULT CAL_SetFocus(CalendarState& s) { return ChangeFocus(s, true); }

LRESULT CAL_KillFocus(CalendarState& s) { return ChangeFocus(s, false); }

}  // namespace tw
