// Showing, picking from and cancelling the date edit's popup (see calendar_close.h).

#include "controls/calendar/calendar_close.h"

#include "controls/calendar/calendar_children.h"
#include "controls/calendar/calendar_date.h"
#include "controls/calendar/tarn32_calendar.h"

namespace tw {

namespace {

// Release, closing notification, focus, hiding: the part both ways of closing share.
void ClosePopup(CalendarState& s) {
    s.dropped = FALSE;
    if (GetCapture() == s.self) ReleaseCapture();
    HWND parent = GetParent(s.owner);
    if (parent)
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(ControlId(s.owner), CCN_CLOSEUP),
                     reinterpret_cast<LPARAM>(s.owner));
    SetFocus(s.owner);
    ShowWindow(s.self, SW_HIDE);
}

bool IsDroppedPopup(const CalendarState& s) { return s.owner && s.dropped && IsWindow(s.owner); }

}  // namespace

LRESULT CAL_SetOwner(CalendarState& s, HWND owner) {
    s.owner = owner;
    SubclassPopupChildren(s);
    return 0;
}

LRESULT CAL_ShowDate(CalendarState& s, const WORD* monthDayYear) {
    SYSTEMTIME today;
    GetLocalTime(&today);
    s.month = monthDayYear ? monthDayYear[0] : today.wMonth;
    s.day = monthDayYear ? monthDayYear[1] : today.wDay;
    s.year = monthDayYear ? monthDayYear[2] : today.wYear;
    ShowDateInChildren(s);
    InvalidateRect(s.self, nullptr, FALSE);
    if (s.owner) {
        s.dropped = TRUE;
        SetCapture(s.self);
    }
    return 0;
}

bool PickAndClose(CalendarState& s) {
    if (!IsDroppedPopup(s)) return false;
    HWND owner = s.owner;
    SendDateToOwner(s);
    PostMessageA(owner, CCM_POPUPCLOSED, 0, 0);
    ClosePopup(s);
    EnableWindow(owner, TRUE);
    return true;
}

bool CancelPopup(CalendarState& s) {
    if (!IsDroppedPopup(s)) return false;
    HWND owner = s.owner;
    ClosePopup(s);
    SendMessageA(owner, WM_CANCELMODE, 0, 0);
    EnableWindow(owner, TRUE);
    return true;
}

LONG CAL_HideCalendar(CalendarState& s) { return PickAndClose(s) ? 1 : 0; }

LRESULT CAL_CancelMode(CalendarState& s) {
    CancelPopup(s);
    return 0;
}

void CAL_ActivateApp(CalendarState& s, bool active) {
    if (!active) CancelPopup(s);
}

}  // namespace tw
