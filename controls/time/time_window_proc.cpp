// TarnTimeEditWinFn: the time edit's window procedure. It fetches the state (default
// processing while there is none) and hands each message to its handler.

#include <windowsx.h>

#include "controls/common/edit_messages.h"
#include "controls/common/edit_mouse.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_notify.h"
#include "controls/common/edit_paint.h"
#include "controls/tarn32.h"
#include "controls/time/time_format.h"
#include "controls/time/time_keyboard.h"
#include "controls/time/time_lifecycle.h"
#include "controls/window_procs.h"

namespace tw {
namespace {

// 0xD00: three u32 second, minute, hour.
LRESULT TIME_SetFromSeconds(TimeEditState& s, const DWORD* smh)
{
    if (!smh || !ChangePermitted(s.core.hwnd))
        return 0;
    s.second = static_cast<WORD>(smh[0]);
    s.minute = static_cast<WORD>(smh[1]);
    s.hour = static_cast<WORD>(smh[2]);
    s.am = s.hour < 12;
    s.core.isNull = FALSE;
    ShowProgrammaticChange(s.core);
    return 1;
}

LRESULT TIME_FillCalTime(const TimeEditState& s, TARNCALTIME* record)
{
    if (!record)
        return 0;
    *record = {};
    record->second = s.second;
    record->minute = s.minute;
    record->hour = s.hour;
    record->dayOfMonth = 1;
    record->dayOfWeek = 1;
    return 1;
}

LRESULT TIME_SettingsChanged(TimeEditState& s, const char* section)
{
    if (section && lstrcmpiA(section, "intl") != 0)
        return 0;
    ReadSystemTimeFormat(s);
    RebuildTimeTexts(s);
    InvalidateRect(s.core.hwnd, nullptr, FALSE);
    return 0;
}

// The tm operations reachable as private messages.
bool TIME_PrivateMessage(TimeEditState& s, UINT msg, WPARAM wParam, LPARAM lParam,
                         LRESULT& result)
{
    HWND hwnd = s.core.hwnd;
    auto* words = reinterpret_cast<WORD*>(lParam);
    auto* text = reinterpret_cast<char*>(lParam);
    switch (msg) {
    case TEM_GETEDITPARAMS: result = reinterpret_cast<LRESULT>(tmGetEditParams(hwnd, reinterpret_cast<TMEDITPARAMS*>(lParam))); break;
    case TEM_SETEDITPARAMS: result = tmSetEditParams(hwnd, reinterpret_cast<TMEDITPARAMS*>(lParam)); break;
    case TEM_GETTIME: result = tmGetTime(hwnd, words); break;
    case TEM_GETHOUR: result = tmGetHour(hwnd); break;
    case TEM_GETMINUTE: result = tmGetMinute(hwnd); break;
    case TEM_GETSECOND: result = tmGetSecond(hwnd); break;
    case TEM_SETTIME: result = tmSetTime(hwnd, words); break;
    case TEM_SETDISPLAYSTYLE: result = tmSetDisplayStyle(hwnd, static_cast<int>(wParam)); break;
    case TEM_SETNULL: result = tmSetNull(hwnd); break;
    case TEM_ISNULL: result = tmIsNull(hwnd); break;
    case TEM_GETTIMESTRING: result = reinterpret_cast<LRESULT>(tmGetTimeString(hwnd, text)); break;
    case TEM_SETTIMESTRING: result = tmSetTimeString(hwnd, text); break;
    case TEM_GETMINHEIGHT: result = tmGetMinHeight(hwnd); break;
    case TEM_GETMINWIDTH: result = tmGetMinWidth(hwnd); break;
    case TEM_SETBKCOLOR: result = tmSetColor(hwnd, TARN_COLOR_BACKGROUND, static_cast<DWORD>(lParam)); break;
    case TEM_SETTEXTCOLOR: result = tmSetColor(hwnd, TARN_COLOR_TEXT, static_cast<DWORD>(lParam)); break;
    case TEM_OKTOCHANGE: result = tmOkToChange(hwnd); break;
    case TEM_STARTCLOCK: result = tmStartClock(hwnd); break;
    case TEM_STOPCLOCK: result = tmStopClock(hwnd); break;
    case TEM_SETHOUR: result = tmSetHour(hwnd, static_cast<int>(lParam)); break;
    case TEM_SETMINUTE: result = tmSetMinute(hwnd, static_cast<int>(lParam)); break;
    case TEM_SETSECOND: result = tmSetSecond(hwnd, static_cast<int>(lParam)); break;
    case TARN_MSG_SETNONNULL: result = TIME_SetFromSeconds(s, reinterpret_cast<const DWORD*>(lParam)); break;
    case TARN_MSG_GETCALTIME: result = TIME_FillCalTime(s, reinterpret_cast<TARNCALTIME*>(lParam)); break;
    case TARN_MSG_VALIDATE: result = 0; break;
    default: return false;
    }
    return true;
}

LRESULT TIME_LeftButtonDown(TimeEditState& s, int x, int y)
{
    if (!s.core.readOnly && PointInTextArea(s.core, x, y))
        MouseDownInText(s.core, x);
    return 0;
}

LRESULT TIME_Dispatch(EditCore& core, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TimeEditState& s = TimeStateOf(core);
    HWND hwnd = s.core.hwnd;
    LRESULT result = 0;
    switch (msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        return HandlePaintMessage(s.core, msg, wParam, PaintEditBody);
    case WM_SETFOCUS:
        TimeGainedFocus(s);
        return 0;
    case WM_KILLFOCUS:
        EditLostFocus(core);
        return 0;
    case WM_KEYDOWN:
        if (HandleTimeKey(s, static_cast<UINT>(wParam)))
            return 0;
        break;
    case WM_LBUTTONDOWN:
        return TIME_LeftButtonDown(s, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_TIMER:
        if (wParam == kClockTimerId)
            ClockTick(s);
        return 0;
    case WM_WININICHANGE:
        return TIME_SettingsChanged(s, reinterpret_cast<const char*>(lParam));
    default:
        if (TIME_PrivateMessage(s, msg, wParam, lParam, result) ||
            HandleSharedEditMessage(s.core, msg, wParam, lParam, result))
            return result;
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const EditWindowHooks kTimeWindowHooks = {CreateTimeState, FetchCoreOf<TimeEditState, FetchTimeState>,
                                          DestroyCoreOf<TimeEditState, DestroyTimeState>, TIME_Dispatch};

}  // namespace
}  // namespace tw

extern "C" LRESULT CALLBACK TarnTimeEditWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return tw::RunEditWindowProc(tw::kTimeWindowHooks, hwnd, msg, wParam, lParam);
}
