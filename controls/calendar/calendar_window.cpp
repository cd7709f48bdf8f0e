// TarnCalctlWinFn: the calendar's window procedure. Behind the exception barrier it fetches the
// state once (default processing while there is none) and hands each message to its handler.

#include "controls/calendar/calendar_children.h"
#include "controls/calendar/calendar_close.h"
#include "controls/calendar/calendar_date.h"
#include "controls/calendar/calendar_input.h"
#include "controls/calendar/calendar_lifecycle.h"
#include "controls/calendar/calendar_paint.h"
#include "controls/calendar/calendar_setup.h"
#include "controls/calendar/calendar_state.h"
#include "controls/calendar/tarn32_calendar.h"
#include "controls/message_params.h"
#include "framework/win32/window_barrier.h"

namespace tw {

namespace {

LRESULT CAL_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        if (!CAL_NcCreate(hwnd, PointerParam<const CREATESTRUCTA>(lParam))) return FALSE;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    CalendarState* state = CalendarStateOf(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
    CalendarState& s = *state;
    const COLORREF color = COLORREF(lParam);

    switch (msg) {
        // Lifetime, painting, focus and the children.
        case WM_CREATE: return CAL_Create(s);
        case WM_NCDESTROY: CAL_NcDestroy(s); break;
        case WM_SIZE: return CAL_Size(s);
        case WM_SETFONT: return CAL_SetFont(s, HFONT(wParam), LOWORD(lParam) != 0);
        case WM_GETFONT: return reinterpret_cast<LRESULT>(s.font);
        case WM_ERASEBKGND: return 1;  // painting covers the whole client area
        case WM_PAINT: return CAL_Paint(s);
        case WM_PRINTCLIENT: return CAL_PrintClient(s, HDC(wParam));
        case WM_SETFOCUS: return CAL_SetFocus(s);
        case WM_KILLFOCUS: return CAL_KillFocus(s);
        case WM_COMMAND:
            if (CAL_Command(s, LOWORD(wParam), HIWORD(wParam))) return 0;
            break;
        case WM_VSCROLL: return CAL_VScroll(s, LOWORD(wParam));

        // Keyboard and mouse.
        case WM_GETDLGCODE: return CAL_GetDlgCode(s);
        case WM_KEYDOWN:
            if (CAL_KeyDown(s, UINT(wParam))) return 0;
            break;
        case WM_SYSKEYDOWN:
            if (CAL_SysKeyDown(s, UINT(wParam))) return 0;
            break;
        case WM_LBUTTONDOWN:
            return CAL_LeftButtonDown(s, short(LOWORD(lParam)), short(HIWORD(lParam)), wParam);

        // Between a popup and its date edit.
        case CCM_SETOWNER: return CAL_SetOwner(s, HWND(wParam));
        case CCM_SHOWDATE: return CAL_ShowDate(s, PointerParam<const WORD>(lParam));
        case WM_CANCELMODE: return CAL_CancelMode(s);
        case WM_ACTIVATEAPP: CAL_ActivateApp(s, wParam != 0); break;

        // The cc operations as private messages.
        case CCM_SETMONTHLITERALS: return CAL_SetMonthLiterals(s, PointerParam<const char>(lParam));
        case CCM_SETDOWLITERALS: return CAL_SetDOWLiterals(s, PointerParam<const char>(lParam));
        case CCM_SETYEAR: return CAL_SetDatePart(s, DatePart::Year, LONG(wParam));
        case CCM_GETYEAR: return CAL_GetDatePart(s, DatePart::Year);
        case CCM_SETMONTH: return CAL_SetDatePart(s, DatePart::Month, LONG(wParam));
        case CCM_GETMONTH: return CAL_GetDatePart(s, DatePart::Month);
        case CCM_SETDAY: return CAL_SetDatePart(s, DatePart::Day, LONG(wParam));
        case CCM_GETDAY: return CAL_GetDatePart(s, DatePart::Day);
        case CCM_SETDATE: return CAL_SetDate(s, PointerParam<const DWORD>(lParam));
        case CCM_GETDATE: return CAL_GetDate(s, PointerParam<DWORD>(lParam));
        case CCM_SETDATESTRING: return CAL_SetDateString(s, PointerParam<const char>(lParam));
        case CCM_GETDATESTRING:
            return reinterpret_cast<LRESULT>(CAL_GetDateString(s, PointerParam<char>(lParam)));
        case CCM_SETSUNDAYCOLOR: return CAL_SetColor(s, kColorSundayText, color);
        case CCM_SETDAYCOLOR: return CAL_SetColor(s, kColorDayText, color);
        case CCM_SETHIGHLIGHTCOLOR: return CAL_SetColor(s, kColorHighlightText, color);
        case CCM_SETBKSUNDAYCOLOR: return CAL_SetColor(s, kColorSundayBack, color);
        case CCM_SETBKDAYCOLOR: return CAL_SetColor(s, kColorDayBack, color);
        case CCM_SETBKHIGHLIGHTCOLOR: return CAL_SetColor(s, kColorHighlightBack, color);
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

}  // namespace tw

extern "C" LRESULT CALLBACK TarnCalctlWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0,
                                    [=] { return tw::CAL_WindowProc(hwnd, msg, wParam, lParam); });
}
