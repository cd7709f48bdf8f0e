// TarnDateEditWinFn: the date edit's window procedure. It fetches the state (default
// processing while there is none) and hands each message to its handler.

#include <windowsx.h>

#include "controls/calendar/calendar_popup.h"
#include "controls/common/day_number.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_messages.h"
#include "controls/common/edit_mouse.h"
#include "controls/common/edit_notify.h"
#include "controls/common/edit_paint.h"
#include "controls/date/date_dropdown.h"
#include "controls/date/date_format.h"
#include "controls/date/date_keyboard.h"
#include "controls/date/date_lifecycle.h"
#include "controls/date/date_paint.h"
#include "controls/date/date_rules.h"
#include "controls/tarn32.h"
#include "controls/window_procs.h"

namespace tw {
namespace {

LRESULT DATE_MakeNonNull(DateEditState& s, LPARAM flag)
{
    if (!flag || !ChangePermitted(s.core.hwnd))
        return 0;
    s.core.isNull = FALSE;
    RebuildDateTexts(s);
    InvalidateRect(s.core.hwnd, nullptr, FALSE);
    return 1;
}

LRESULT DATE_FillCalTime(const DateEditState& s, TARNCALTIME* record)
{
    if (!record)
        return 0;
    *record = {};
    record->dayOfMonth = s.day;
    record->month = s.month - 1u;
    record->year = s.year - 1900u;
    record->dayOfWeek = static_cast<DWORD>(DayOfWeek(s.month, s.day, s.year));
    record->dayOfYear = static_cast<DWORD>(DayNumber(s.month, s.day, s.year) - DayNumber(1, 1, s.year));
    return 1;
}

LRESULT DATE_Validate(HWND hwnd)
{
    if (dtIsDateValid(hwnd))
        return 0;
    MessageBoxA(hwnd, "Invalid Date", "Tarn DateEdit Error", MB_OK | MB_ICONSTOP);
    return -1;
}

LRESULT DATE_SettingsChanged(DateEditState& s, const char* section)
{
    if (section && lstrcmpiA(section, "intl") != 0)
        return 0;
    s.format = ReadSystemDateFormat(0);
    RebuildDateTexts(s);
    InvalidateRect(s.core.hwnd, nullptr, FALSE);
    return 0;
}

LRESULT DATE_LeftButtonDown(DateEditState& s, int x, int y)
{
    const RECT button = DropButtonRect(s);
    const POINT point = {x, y};
    if (s.calendarButton && PtInRect(&button, point)) {
        DropDownDateCalendar(s);
        return 0;
    }
    if (!s.core.readOnly && PointInTextArea(s.core, x, y))
        MouseDownInText(s.core, x);
    return 0;
}

LRESULT DATE_Size(DateEditState& s, LPARAM lParam, LRESULT& result)
{
    HandleSharedEditMessage(s.core, WM_SIZE, 0, lParam, result);
    UpdateButtonReserve(s);
    return 0;
}

// The dt operations reachable as private messages.
bool DATE_PrivateMessage(DateEditState& s, UINT msg, WPARAM wParam, LPARAM lParam,
                         LRESULT& result)
{
    HWND hwnd = s.core.hwnd;
    auto* words = reinterpret_cast<WORD*>(lParam);
    auto* text = reinterpret_cast<char*>(lParam);
    switch (msg) {
    case DEM_GETEDITPARAMS: result = dtGetEditParams(hwnd, reinterpret_cast<DTEDITPARAMS*>(lParam)); break;
    case DEM_SETEDITPARAMS: result = dtSetEditParams(hwnd, reinterpret_cast<DTEDITPARAMS*>(lParam)); break;
    case DEM_GETDATE: result = dtGetDate(hwnd, words); break;
    case DEM_GETMONTH: result = dtGetMonth(hwnd); break;
    case DEM_GETDAY: result = dtGetDay(hwnd); break;
    case DEM_GETYEAR: result = dtGetYear(hwnd); break;
    case DEM_SETDATE: result = dtSetDate(hwnd, words); break;
    case DEM_SETBUTTONCOLOR: result = dtSetColor(hwnd, TARN_COLOR_BUTTONFACE, static_cast<DWORD>(lParam)); break;
    case DEM_SETBKCOLOR: result = dtSetColor(hwnd, TARN_COLOR_BACKGROUND, static_cast<DWORD>(lParam)); break;
    case DEM_SETTEXTCOLOR: result = dtSetColor(hwnd, TARN_COLOR_TEXT, static_cast<DWORD>(lParam)); break;
    case DEM_ENABLEERASE: result = dtEnableErase(hwnd, static_cast<int>(wParam)); break;
    case DEM_SETDISPLAYSTYLE: result = dtSetDisplayStyle(hwnd, static_cast<int>(wParam)); break;
    case DEM_ENABLECALENDAR: result = dtEnableCalendar(hwnd, static_cast<int>(wParam)); break;
    case DEM_SETNULL: result = dtSetNull(hwnd); break;
    case DEM_ISNULL: result = dtIsNull(hwnd); break;
    case DEM_GETDATESTRING: result = reinterpret_cast<LRESULT>(dtGetDateString(hwnd, text)); break;
    case DEM_SETDATESTRING: result = dtSetDateString(hwnd, text); break;
    case DEM_GETMINHEIGHT: result = dtGetMinHeight(hwnd); break;
    case DEM_GETMINWIDTH: result = dtGetMinWidth(hwnd); break;
    case DEM_OKTOCHANGE: result = dtOkToChange(hwnd); break;
    case DEM_SETMONTHLITERALS: result = dtSetMonthLiterals(hwnd, text); break;
    case DEM_SETDAYLITERALS: result = dtSetDayLiterals(hwnd, text); break;
    case DEM_SETBORDERSTYLE: result = dtSetBorderStyle(hwnd, static_cast<int>(wParam)); break;
    case DEM_SETBUTTONSTYLE: result = dtSetButtonStyle(hwnd, static_cast<int>(wParam)); break;
    case DEM_DROPDOWNCALENDAR: result = dtDropDownCalendar(hwnd); break;
    case DEM_CALENDARCLOSED: CalendarPicked(s); result = 0; break;
    case TARN_MSG_SETNONNULL: result = DATE_MakeNonNull(s, lParam); break;
    case TARN_MSG_GETCALTIME: result = DATE_FillCalTime(s, reinterpret_cast<TARNCALTIME*>(lParam)); break;
    case TARN_MSG_VALIDATE: result = DATE_Validate(hwnd); break;
    default: return false;
    }
    return true;
}

LRESULT DATE_Dispatch(EditCore& core, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DateEditState& s = DateStateOf(core);
    HWND hwnd = s.core.hwnd;
    LRESULT result = 0;
    switch (msg) {
    case WM_CREATE:
        s.calendar = CreateCalendarPopup(hwnd, &s);
        UpdateButtonReserve(s);
        return 0;
    case WM_DESTROY:
        if (s.calendar && IsWindow(s.calendar))
            DestroyWindow(s.calendar);
        s.calendar = nullptr;
        return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT:
        return HandlePaintMessage(s.core, msg, wParam, PaintDateEdit);
    case WM_SETFOCUS:
        DateGainedFocus(s);
        return 0;
    case WM_KILLFOCUS:
        EditLostFocus(core);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const bool alt = (msg == WM_SYSKEYDOWN && (lParam & (1L << 29))) || GetKeyState(VK_MENU) < 0;
        if (HandleDateKey(s, static_cast<UINT>(wParam), alt))
            return 0;
        break;
    }
    case WM_LBUTTONDOWN:
        return DATE_LeftButtonDown(s, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_CANCELMODE:
        CancelDateMode(s);
        return 0;
    case WM_WININICHANGE:
        return DATE_SettingsChanged(s, reinterpret_cast<const char*>(lParam));
    case WM_SIZE:
        return DATE_Size(s, lParam, result);
    case EM_SETSEL:
        s.zeroTyped = FALSE;
        HandleSharedEditMessage(core, msg, wParam, lParam, result);
        return result;
    default:
        if (DATE_PrivateMessage(s, msg, wParam, lParam, result) ||
            HandleSharedEditMessage(s.core, msg, wParam, lParam, result))
            return result;
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const EditWindowHooks kDateWindowHooks = {CreateDateState, FetchCoreOf<DateEditState, FetchDateState>,
                                          DestroyCoreOf<DateEditState, DestroyDateState>, DATE_Dispatch};

}  // namespace
}  // namespace tw

extern "C" LRESULT CALLBACK TarnDateEditWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return tw::RunEditWindowProc(tw::kDateWindowHooks, hwnd, msg, wParam, lParam);
}
