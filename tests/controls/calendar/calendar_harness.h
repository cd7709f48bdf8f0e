#pragma once
// Test harness for calendar windows: loads the library by name, resolves its exports, and
// gives a visible parent window and a stand-in date edit that record what they receive.

#include <windows.h>

#include <string>
#include <vector>

namespace tw::test {

struct CalendarApi {
    HMODULE module = nullptr;
    LONG(WINAPI* SetMonthLiterals)(HWND, LPCSTR) = nullptr;
    LONG(WINAPI* SetDOWLiterals)(HWND, LPCSTR) = nullptr;
    LONG(WINAPI* SetYear)(HWND, LONG) = nullptr;
    LONG(WINAPI* GetYear)(HWND) = nullptr;
    LONG(WINAPI* SetMonth)(HWND, LONG) = nullptr;
    LONG(WINAPI* GetMonth)(HWND) = nullptr;
    LONG(WINAPI* SetDay)(HWND, LONG) = nullptr;
    LONG(WINAPI* GetDay)(HWND) = nullptr;
    LONG(WINAPI* SetDate)(HWND, const DWORD*) = nullptr;
    LONG(WINAPI* GetDate)(HWND, DWORD*) = nullptr;
    LONG(WINAPI* SetDateString)(HWND, LPCSTR) = nullptr;
    LPSTR(WINAPI* GetDateString)(HWND, LPSTR) = nullptr;
    LONG(WINAPI* SetSundayColor)(HWND, COLORREF) = nullptr;
    LONG(WINAPI* SetDayColor)(HWND, COLORREF) = nullptr;
    LONG(WINAPI* SetHighlightColor)(HWND, COLORREF) = nullptr;
    LONG(WINAPI* SetBkSundayColor)(HWND, COLORREF) = nullptr;
    LONG(WINAPI* SetBkDayColor)(HWND, COLORREF) = nullptr;
    LONG(WINAPI* SetBkHighlightColor)(HWND, COLORREF) = nullptr;
    LONG(WINAPI* GetMinWidth)(HWND) = nullptr;
    LONG(WINAPI* GetMinHeight)(HWND) = nullptr;
    LONG(WINAPI* HideCalendar)(HWND) = nullptr;
};

// Loads the library under test once per process; every function pointer is set or the
// returned text names the first missing export.
const CalendarApi& Calendar();
std::string MissingExport();

// One message that a recording window received.
struct Event {
    HWND window;
    UINT message;
    int id;        // WM_COMMAND: control id
    int code;      // WM_COMMAND: notification code
    HWND control;  // WM_COMMAND: the control's handle
    WORD date[3];  // dtSetDate: month, day, year
};

// Recorded events, in order of arrival.
std::vector<Event>& Events();

constexpr int kOwnerId = 77;
constexpr int kCalendarId = 55;
constexpr UINT kDtSetDate = 0x048F;
constexpr UINT kPopupClosed = 0x0593;

// A visible top-level window that records WM_COMMAND; destroyed with the object.
class TestParent {
public:
    TestParent();
    ~TestParent();
    HWND Handle() const { return hwnd_; }
    // A child stand-in for a date edit with id kOwnerId: records dtSetDate, the closing message
    // and WM_CANCELMODE.
    HWND CreateOwner();
    // A standalone calendar child with id kCalendarId.
    HWND CreateCalendar(DWORD style, int width = 10, int height = 10);

private:
    HWND hwnd_ = nullptr;
};

// A hidden popup calendar for `owner`, set up as the date edit sets up its own.
HWND CreatePopupFor(HWND owner);

// Drops the popup down with the date as the date edit does (shown, date handed, focused).
void DropDown(HWND popup, WORD month, WORD day, WORD year);

// Dispatches every waiting message.
void Pump();

// Events of one message kind.
std::vector<Event> EventsOf(UINT message);

// Sends a key press (WM_KEYDOWN, or WM_SYSKEYDOWN with Alt).
void PressKey(HWND hwnd, UINT key, bool alt = false);

// The client area of `hwnd` drawn through WM_PRINTCLIENT: pixel colour at (x, y).
class Snapshot {
public:
    explicit Snapshot(HWND hwnd);
    ~Snapshot();
    COLORREF At(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    int width_ = 0, height_ = 0;
};

}  // namespace tw::test
