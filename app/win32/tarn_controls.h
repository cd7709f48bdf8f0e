#pragma once
// CDateEdit and CTimeEdit: thin wrappers of the date-edit and time-edit controls of
// tarn32.dll. Each method forwards to the library's exported function of the same name, found
// in the loaded library by name; without the library (or without a window) a method gives the
// function's failure value (0, null, -1 for dtGetDate, 1 for the null queries: a control that
// is not there holds no value) and calls nothing. ExchangeDateEdit and ExchangeTimeEdit move a
// calendar time between a control and a value.

#include <windows.h>

#include "controls/tarn32.h"
#include "framework/cal_time.h"

namespace tw {

// The loaded tarn32.dll, or null; the application sets it when it loads the library.
HMODULE TarnLibrary();
void SetTarnLibrary(HMODULE library);

class CTarnControl {
public:
    explicit CTarnControl(HWND hwnd = nullptr) : hwnd_(hwnd) {}
    HWND Handle() const { return hwnd_; }
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    // Creates the control of `className` as a visible child window; false on failure.
    bool Create(const char* className, DWORD style, const RECT& rect, HWND parent, UINT id);

protected:
    // The exported function `name` of the loaded library, or null.
    static FARPROC Find(const char* name);
    template <typename Fn, typename Result, typename... Args>
    Result Call(const char* name, Result failure, Args... args) const {
        FARPROC proc = hwnd_ != nullptr ? Find(name) : nullptr;
        if (proc == nullptr) return failure;
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc))(hwnd_, args...);
    }

    HWND hwnd_;
};

class CDateEdit : public CTarnControl {
public:
    using CTarnControl::CTarnControl;
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
        return CTarnControl::Create("TarnDateEdit32", style, rect, parent, id);
    }
    int SetDisplayStyle(int style);
    LONG GetDate(WORD* monthDayYear);
    LPSTR GetDateString(LPSTR buffer);
    int SetDate(const WORD* monthDayYear);
    int SetDateString(LPCSTR text);
    int EnableCalendar(int enable);
    int SetBorderStyle(int kind);
    int GetMonth();
    int GetDay();
    int GetYear();
    int SetButtonStyle(int style);
    LPSTR SetButtonText(int index, LPCSTR text);
    int GetEditParams(DTEDITPARAMS* params);
    int SetEditParams(const DTEDITPARAMS* params);
    int SetColor(int index, DWORD color);
    int EnableErase(int enable);
    int SetDayLiterals(LPCSTR letters);
    int SetMonthLiterals(LPCSTR names);
    int SetNull();
    int IsNull();
};

class CTimeEdit : public CTarnControl {
public:
    using CTarnControl::CTarnControl;
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
        return CTarnControl::Create("TarnTimeEdit32", style, rect, parent, id);
    }
    int SetDisplayStyle(int style);
    int SetBorderStyle(int kind);
    int SetColor(int index, DWORD color);
    int SetNull();
    int IsNull();
    LPSTR GetEditParams(TMEDITPARAMS* params);
    int SetEditParams(const TMEDITPARAMS* params);
    int GetTime(WORD* hourMinuteSecond);
    LPSTR GetTimeString(LPSTR buffer);
    int SetTime(const WORD* hourMinuteSecond);
    int SetTimeString(LPCSTR text);
    int StartClock();
    int StopClock();
};

// save: the control's date into t (keeping t's time of day); else t into the control (the null
// time makes it null). False when the control could not be read or written.
bool ExchangeDateEdit(bool save, CDateEdit& control, CalTime& t);
// save: the control's time of day into t (keeping t's date); else t's time into the control.
bool ExchangeTimeEdit(bool save, CTimeEdit& control, CalTime& t);

}  // namespace tw
