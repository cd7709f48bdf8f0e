// TarnCalctlWinFn: the calendar's window procedure, a dispatcher to the handlers.

#include "controls/calendar/calendar_children.h"
#include "controls/calendar/calendar_close.h"
#include "controls/calendar/calendar_date.h"
#include "controls/calendar/calendar_input.h"
#include "controls/calendar/calendar_paint.h"
#include "controls/calendar/calendar_setup.h"
#include "controls/calendar/calendar_state.h"
#include "controls/calendar/tarn32_calendar.h"

using namespace tw;

namespace {

LRESULT OnNcCreate(HWND hwnd, const CREATESTRUCTA* cs, WPARAM wParam, LPARAM lParam) {
    CalendarState* s = AttachCalendarState(hwnd);
    if (!s) return FALSE;
    InitCalendarState(s, hwnd, cs->style);
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT OnCreate(CalendarState* s) {
    if (!CreateCalendarChildren(s)) return -1;
    FitCalendarWindow(s);
    return 0;
}

void OnSize(CalendarState* s) {
    if (s->style & CCS_SCALED) {
        UpdateCalendarMetrics(s);
        InvalidateRect(s->self, nullptr, FALSE);
        return;
    }
    if (s->view == CalendarView::Month) FitCalendarWindow(s);
}

void OnSetFont(CalendarState* s, HFONT font, BOOL redraw) {
    SetCalendarFont(s, font);
    SetChildrenFont(s);
    LayoutCalendarChildren(s);
    FitCalendarWindow(s);
    if (redraw) InvalidateRect(s->self, nullptr, FALSE);
}

void OnFocus(CalendarState* s, bool gained) {
    s->hasFocus = gained;
    InvalidateRect(s->self, nullptr, FALSE);
    NotifyParent(s, gained ? CCN_SETFOCUS : CCN_KILLFOCUS);
}

LRESULT OnDialogCode(CalendarState* s) {
    return DLGC_WANTARROWS | (s->owner ? DLGC_WANTALLKEYS : 0);
}

// The private messages, which do what the exported functions of the same name do.
bool OnPrivateMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (msg) {
    case CCM_SETMONTHLITERALS: *result = ccSetMonthLiterals(hwnd, LPCSTR(lParam)); return true;
    case CCM_SETDOWLITERALS: *result = ccSetDOWLiterals(hwnd, LPCSTR(lParam)); return true;
    case CCM_SETYEAR: *result = ccSetYear(hwnd, LONG(wParam)); return true;
    case CCM_GETYEAR: *result = ccGetYear(hwnd); return true;
    case CCM_SETMONTH: *result = ccSetMonth(hwnd, LONG(wParam)); return true;
    case CCM_GETMONTH: *result = ccGetMonth(hwnd); return true;
    case CCM_SETDAY: *result = ccSetDay(hwnd, LONG(wParam)); return true;
    case CCM_GETDAY: *result = ccGetDay(hwnd); return true;
    case CCM_SETDATE:
        *result = ccSetDate(hwnd, reinterpret_cast<const DWORD*>(lParam));
        return true;
    case CCM_GETDATE: *result = ccGetDate(hwnd, reinterpret_cast<DWORD*>(lParam)); return true;
    case CCM_SETDATESTRING: *result = ccSetDateString(hwnd, LPCSTR(lParam)); return true;
    case CCM_GETDATESTRING: *result = LRESULT(ccGetDateString(hwnd, LPSTR(lParam))); return true;
    case CCM_SETSUNDAYCOLOR: *result = ccSetSundayColor(hwnd, COLORREF(lParam)); return true;
    case CCM_SETDAYCOLOR: *result = ccSetDayColor(hwnd, COLORREF(lParam)); return true;
    case CCM_SETHIGHLIGHTCOLOR: *result = ccSetHighlightColor(hwnd, COLORREF(lParam)); return true;
    case CCM_SETBKSUNDAYCOLOR: *result = ccSetBkSundayColor(hwnd, COLORREF(lParam)); return true;
    case CCM_SETBKDAYCOLOR: *result = ccSetBkDayColor(hwnd, COLORREF(lParam)); return true;
    case CCM_SETBKHIGHLIGHTCOLOR:
        *result = ccSetBkHighlightColor(hwnd, COLORREF(lParam));
        return true;
    default: return false;
    }
}

// Messages between a popup and its date edit.
bool OnPopupMessage(CalendarState* s, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case CCM_SETOWNER: SetPopupOwner(s, HWND(wParam)); return true;
    case CCM_SHOWDATE: ShowPopupDate(s, reinterpret_cast<const WORD*>(lParam)); return true;
    case WM_CANCELMODE: CancelPopup(s); return true;
    case WM_ACTIVATEAPP:
        if (!wParam) CancelPopup(s);  // another program came to the front: do not stay on top
        return false;
    case WM_VSCROLL:
        if (LOWORD(wParam) == SB_ENDSCROLL) TakeBackInput(s);  // the year spin let go
        return true;
    default: return false;
    }
}

}  // namespace

extern "C" LRESULT CALLBACK TarnCalctlWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        return OnNcCreate(hwnd, reinterpret_cast<const CREATESTRUCTA*>(lParam), wParam, lParam);
    CalendarState* s = CalendarStateOf(hwnd);
    if (!s) return DefWindowProcA(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    if (OnPrivateMessage(hwnd, msg, wParam, lParam, &result)) return result;
    if (OnPopupMessage(s, msg, wParam, lParam)) return 0;
    switch (msg) {
    case WM_CREATE: return OnCreate(s);
    case WM_NCDESTROY: DetachCalendarState(hwnd); return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SIZE: OnSize(s); return 0;
    case WM_SETFONT: OnSetFont(s, HFONT(wParam), BOOL(LOWORD(lParam))); return 0;
    case WM_GETFONT: return LRESULT(s->font);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintCalendar(s); return 0;
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(hwnd, &client);
        DrawCalendar(s, HDC(wParam), client);
        return 0;
    }
    case WM_SETFOCUS: OnFocus(s, true); return 0;
    case WM_KILLFOCUS: OnFocus(s, false); return 0;
    case WM_GETDLGCODE: return OnDialogCode(s);
    case WM_KEYDOWN:
        if (OnCalendarKey(s, UINT(wParam))) return 0;
        break;
    case WM_SYSKEYDOWN:
        if (OnCalendarSysKey(s, UINT(wParam))) return 0;
        break;
    case WM_LBUTTONDOWN:
        OnCalendarClick(s, short(LOWORD(lParam)), short(HIWORD(lParam)), wParam);
        return 0;
    case WM_COMMAND:
        if (OnChildCommand(s, LOWORD(wParam), HIWORD(wParam))) return 0;
        break;
    default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
