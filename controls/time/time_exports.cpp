// Exported tm functions: each fetches the time edit's state and hands it to the handler its
// private message uses; a window without state gives the failure value.

#include "controls/common/edit_queries.h"
#include "controls/control_state.h"
#include "controls/tarn32.h"
#include "controls/time/time_appearance.h"
#include "controls/time/time_clock.h"
#include "controls/time/time_value.h"

using namespace tw;

extern "C" {

LPSTR WINAPI tmGetEditParams(HWND hwnd, TMEDITPARAMS* p) {
    return CallOnState<LPSTR>(FetchTimeState(hwnd), nullptr, TIME_GetEditParams, p);
}

int WINAPI tmSetEditParams(HWND hwnd, const TMEDITPARAMS* p) {
    return CallOnState(FetchTimeState(hwnd), 0, TIME_SetEditParams, p);
}

int WINAPI tmGetTime(HWND hwnd, WORD* hms) {
    return CallOnState(FetchTimeState(hwnd), 0, TIME_GetTime, hms);
}

int WINAPI tmGetHour(HWND hwnd) { return CallOnState(FetchTimeState(hwnd), 0, TIME_GetHour); }
int WINAPI tmGetMinute(HWND hwnd) { return CallOnState(FetchTimeState(hwnd), 0, TIME_GetMinute); }
int WINAPI tmGetSecond(HWND hwnd) { return CallOnState(FetchTimeState(hwnd), 0, TIME_GetSecond); }

int WINAPI tmSetTime(HWND hwnd, const WORD* hms) {
    return CallOnState(FetchTimeState(hwnd), 0, TIME_SetTime, hms);
}

int WINAPI tmSetDisplayStyle(HWND hwnd, int style) {
    return CallOnState(FetchTimeState(hwnd), 0, TIME_SetDisplayStyle, style);
}

int WINAPI tmSetNull(HWND hwnd) { return CallOnState(FetchTimeState(hwnd), 0, TIME_SetNull); }
int WINAPI tmIsNull(HWND hwnd) { return CallOnState(CoreOf(FetchTimeState(hwnd)), 1, EDIT_IsNull); }

LPSTR WINAPI tmGetTimeString(HWND hwnd, LPSTR buffer) {
    return CallOnState<LPSTR>(CoreOf(FetchTimeState(hwnd)), nullptr, EDIT_GetDisplayString, buffer);
}

int WINAPI tmSetTimeString(HWND hwnd, LPCSTR text) {
    return CallOnState(FetchTimeState(hwnd), 0, TIME_SetTimeString, text);
}

int WINAPI tmGetMinHeight(HWND hwnd) {
    return CallOnState(CoreOf(FetchTimeState(hwnd)), 0, EDIT_GetMinHeight);
}

int WINAPI tmGetMinWidth(HWND hwnd) {
    return CallOnState(FetchTimeState(hwnd), 0, TIME_GetMinWidth);
}

int WINAPI tmSetColor(HWND hwnd, int index, DWORD color) {
    return CallOnState(FetchTimeState(hwnd), 0, TIME_SetColor, index, color);
}

int WINAPI tmOkToChange(HWND hwnd) {
    return CallOnState(CoreOf(FetchTimeState(hwnd)), 0, EDIT_OkToChange);
}
int WINAPI tmStartClock(HWND hwnd) { return CallOnState(FetchTimeState(hwnd), 0, TIME_StartClock); }
int WINAPI tmStopClock(HWND hwnd) { return CallOnState(FetchTimeState(hwnd), 0, TIME_StopClock); }

int WINAPI tmSetHour(HWND hwnd, int hour) {
    return CallOnState(FetchTimeState(hwnd), 0, TIME_SetHour, hour);
}

int WINAPI tmSetMinute(HWND hwnd, int minute) {
    return CallOnState(FetchTimeState(hwnd), 0, TIME_SetMinute, minute);
}

int WINAPI tmSetSecond(HWND hwnd, int second) {
    return CallOnState(FetchTimeState(hwnd), 0, TIME_SetSecond, second);
}

int WINAPI tmSetBorderStyle(HWND hwnd, int kind) {
    return CallOnState(FetchTimeState(hwnd), 0, TIME_SetBorderStyle, kind);
}

}  // extern "C"
