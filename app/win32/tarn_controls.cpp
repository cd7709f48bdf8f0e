#include "app/win32/tarn_controls.h"

#include "app/date_exchange.h"

namespace tw {

namespace {

HMODULE g_tarn = nullptr;

}  // namespace

HMODULE TarnLibrary() { return g_tarn; }
void SetTarnLibrary(HMODULE library) { g_tarn = library; }

bool CTarnControl::Create(const char* className, DWORD style, const RECT& rect, HWND parent,
                          UINT id) {
    if (g_tarn == nullptr) return false;  // the class exists only with the library
    hwnd_ = ::CreateWindowExA(0, className, "", style | WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                              ::GetModuleHandleA(nullptr), nullptr);
    return hwnd_ != nullptr;
}

FARPROC CTarnControl::Find(const char* name) {
    return g_tarn != nullptr ? ::GetProcAddress(g_tarn, name) : nullptr;
}

// clang-format off
int CDateEdit::SetDisplayStyle(int style) { return Call<decltype(&dtSetDisplayStyle)>("dtSetDisplayStyle", 0, style); }
LONG CDateEdit::GetDate(WORD* mdy) { return Call<decltype(&dtGetDate)>("dtGetDate", LONG(-1), mdy); }
LPSTR CDateEdit::GetDateString(LPSTR buffer) { return Call<decltype(&dtGetDateString)>("dtGetDateString", LPSTR(nullptr), buffer); }
int CDateEdit::SetDate(const WORD* mdy) { return Call<decltype(&dtSetDate)>("dtSetDate", 0, mdy); }
int CDateEdit::SetDateString(LPCSTR text) { return Call<decltype(&dtSetDateString)>("dtSetDateString", 0, text); }
int CDateEdit::EnableCalendar(int enable) { return Call<decltype(&dtEnableCalendar)>("dtEnableCalendar", 0, enable); }
int CDateEdit::SetBorderStyle(int kind) { return Call<decltype(&dtSetBorderStyle)>("dtSetBorderStyle", 0, kind); }
int CDateEdit::GetMonth() { return Call<decltype(&dtGetMonth)>("dtGetMonth", 0); }
int CDateEdit::GetDay() { return Call<decltype(&dtGetDay)>("dtGetDay", 0); }
int CDateEdit::GetYear() { return Call<decltype(&dtGetYear)>("dtGetYear", 0); }
int CDateEdit::SetButtonStyle(int style) { return Call<decltype(&dtSetButtonStyle)>("dtSetButtonStyle", 0, style); }
LPSTR CDateEdit::SetButtonText(int index, LPCSTR text) { return Call<decltype(&dtSetButtonText)>("dtSetButtonText", LPSTR(nullptr), index, text); }
int CDateEdit::GetEditParams(DTEDITPARAMS* p) { return Call<decltype(&dtGetEditParams)>("dtGetEditParams", 0, p); }
int CDateEdit::SetEditParams(const DTEDITPARAMS* p) { return Call<decltype(&dtSetEditParams)>("dtSetEditParams", 0, p); }
int CDateEdit::SetColor(int index, DWORD color) { return Call<decltype(&dtSetColor)>("dtSetColor", 0, index, color); }
int CDateEdit::EnableErase(int enable) { return Call<decltype(&dtEnableErase)>("dtEnableErase", 0, enable); }
int CDateEdit::SetDayLiterals(LPCSTR letters) { return Call<decltype(&dtSetDayLiterals)>("dtSetDayLiterals", 0, letters); }
int CDateEdit::SetMonthLiterals(LPCSTR names) { return Call<decltype(&dtSetMonthLiterals)>("dtSetMonthLiterals", 0, names); }
int CDateEdit::SetNull() { return Call<decltype(&dtSetNull)>("dtSetNull", 0); }
int CDateEdit::IsNull() { return Call<decltype(&dtIsNull)>("dtIsNull", 1); }

int CTimeEdit::SetDisplayStyle(int style) { return Call<decltype(&tmSetDisplayStyle)>("tmSetDisplayStyle", 0, style); }
int CTimeEdit::SetBorderStyle(int kind) { return Call<decltype(&tmSetBorderStyle)>("tmSetBorderStyle", 0, kind); }
int CTimeEdit::SetColor(int index, DWORD color) { return Call<decltype(&tmSetColor)>("tmSetColor", 0, index, color); }
int CTimeEdit::SetNull() { return Call<decltype(&tmSetNull)>("tmSetNull", 0); }
int CTimeEdit::IsNull() { return Call<decltype(&tmIsNull)>("tmIsNull", 1); }
LPSTR CTimeEdit::GetEditParams(TMEDITPARAMS* p) { return Call<decltype(&tmGetEditParams)>("tmGetEditParams", LPSTR(nullptr), p); }
int CTimeEdit::SetEditParams(const TMEDITPARAMS* p) { return Call<decltype(&tmSetEditParams)>("tmSetEditParams", 0, p); }
int CTimeEdit::GetTime(WORD* hms) { return Call<decltype(&tmGetTime)>("tmGetTime", 0, hms); }
LPSTR CTimeEdit::GetTimeString(LPSTR buffer) { return Call<decltype(&tmGetTimeString)>("tmGetTimeString", LPSTR(nullptr), buffer); }
int CTimeEdit::SetTime(const WORD* hms) { return Call<decltype(&tmSetTime)>("tmSetTime", 0, hms); }
int CTimeEdit::SetTimeString(LPCSTR text) { return Call<decltype(&tmSetTimeString)>("tmSetTimeString", 0, text); }
int CTimeEdit::StartClock() { return Call<decltype(&tmStartClock)>("tmStartClock", 0); }
int CTimeEdit::StopClock() { return Call<decltype(&tmStopClock)>("tmStopClock", 0); }
// clang-format on

bool ExchangeDateEdit(bool save, CDateEdit& control, CalTime& t) {
    if (save) {
        WORD mdy[3] = {};
        const bool isNull = control.IsNull() != 0;
        if (!isNull && control.GetDate(mdy) < 0) return false;
        t = TimeFromDateControl({mdy[2], mdy[0], mdy[1]}, isNull, t);
        return true;
    }
    DateParts parts{};
    if (!DateForControl(t, parts)) return control.SetNull() != 0;
    const WORD mdy[3] = {static_cast<WORD>(parts.month), static_cast<WORD>(parts.day),
                         static_cast<WORD>(parts.year)};
    return control.SetDate(mdy) != 0;
}

bool ExchangeTimeEdit(bool save, CTimeEdit& control, CalTime& t) {
    if (save) {
        WORD hms[3] = {};
        const bool isNull = control.IsNull() != 0;
        if (!isNull) control.GetTime(hms);
        t = TimeFromTimeControl({hms[0], hms[1], hms[2]}, isNull, t);
        return true;
    }
    const TimeOfDayParts parts = TimeOfDayForControl(t);
    const WORD hms[3] = {static_cast<WORD>(parts.hour), static_cast<WORD>(parts.minute),
                         static_cast<WORD>(parts.second)};
    return control.SetTime(hms) != 0;
}

}  // namespace tw
