// Exported dt functions: each fetches the date edit's state and hands it to the handler its
// private message uses; a window without state gives the failure value.

#include "controls/common/edit_queries.h"
#include "controls/control_state.h"
#include "controls/date/date_appearance.h"
#include "controls/date/date_dropdown.h"
#include "controls/date/date_value.h"
#include "controls/tarn32.h"

using namespace tw;

namespace {

constexpr int kNoStateMinHeight = 24;
constexpr int kNoStateMinWidth = 80;

}  // namespace

extern "C" {

int WINAPI dtGetEditParams(HWND hwnd, DTEDITPARAMS* p) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_GetEditParams, p);
}

int WINAPI dtSetEditParams(HWND hwnd, const DTEDITPARAMS* p) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_SetEditParams, p);
}

LONG WINAPI dtGetDate(HWND hwnd, WORD* mdy) {
    return CallOnState(FetchDateState(hwnd), LONG(-1), DATE_GetDate, mdy);
}

int WINAPI dtGetMonth(HWND hwnd) { return CallOnState(FetchDateState(hwnd), -1, DATE_GetMonth); }
int WINAPI dtGetDay(HWND hwnd) { return CallOnState(FetchDateState(hwnd), -1, DATE_GetDay); }
int WINAPI dtGetYear(HWND hwnd) { return CallOnState(FetchDateState(hwnd), -1, DATE_GetYear); }

int WINAPI dtSetDate(HWND hwnd, const WORD* mdy) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_SetDate, mdy);
}

int WINAPI dtSetColor(HWND hwnd, int index, DWORD color) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_SetColor, index, color);
}

int WINAPI dtEnableErase(HWND hwnd, int enable) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_EnableErase, enable);
}

int WINAPI dtSetDisplayStyle(HWND hwnd, int style) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_SetDisplayStyle, style);
}

int WINAPI dtEnableCalendar(HWND hwnd, int enable) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_EnableCalendar, enable);
}

int WINAPI dtSetNull(HWND hwnd) { return CallOnState(FetchDateState(hwnd), 0, DATE_SetNull); }
int WINAPI dtIsNull(HWND hwnd) { return CallOnState(CoreOf(FetchDateState(hwnd)), 1, EDIT_IsNull); }

LPSTR WINAPI dtGetDateString(HWND hwnd, LPSTR buffer) {
    return CallOnState<LPSTR>(CoreOf(FetchDateState(hwnd)), nullptr, EDIT_GetDisplayString, buffer);
}

int WINAPI dtSetDateString(HWND hwnd, LPCSTR text) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_SetDateString, text);
}

int WINAPI dtGetMinHeight(HWND hwnd) {
    return CallOnState(CoreOf(FetchDateState(hwnd)), kNoStateMinHeight, EDIT_GetMinHeight);
}

int WINAPI dtGetMinWidth(HWND hwnd) {
    return CallOnState(FetchDateState(hwnd), kNoStateMinWidth, DATE_GetMinWidth);
}

int WINAPI dtOkToChange(HWND hwnd) {
    return CallOnState(CoreOf(FetchDateState(hwnd)), 0, EDIT_OkToChange);
}

int WINAPI dtSetMonthLiterals(HWND hwnd, LPCSTR names) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_SetMonthLiterals, names);
}

int WINAPI dtSetDayLiterals(HWND hwnd, LPCSTR letters) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_SetDayLiterals, letters);
}

int WINAPI dtSetBorderStyle(HWND hwnd, int kind) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_SetBorderStyle, kind);
}

int WINAPI dtSetButtonStyle(HWND hwnd, int style) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_SetButtonStyle, style);
}

int WINAPI dtDropDownCalendar(HWND hwnd) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_DropDownCalendar);
}

LPSTR WINAPI dtSetButtonText(HWND, int index, LPCSTR text) {
    return DATE_SetButtonText(index, text);
}

int WINAPI dtIsDateValid(HWND hwnd) {
    return CallOnState(FetchDateState(hwnd), 0, DATE_IsDateValid);
}

}  // extern "C"
