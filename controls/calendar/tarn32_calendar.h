#pragma once
// Client interface of the calendar control, window class "TarnCalctl32": style bits, private
// messages, notification codes and the exported functions. Every function takes the calendar's
// window handle first and does nothing (returning 0, or an empty string) on a window that is
// not a calendar.

#include <windows.h>

// Window class name.
#define TARN_CALENDAR_CLASS "TarnCalctl32"

// Style bits (low word of the window style). Exactly one view bit is expected; when several
// are given the first in this order wins.
#define CCS_MONTH 0x0001          // one month
#define CCS_QUARTERACROSS 0x0002  // three months side by side
#define CCS_QUARTERDOWN 0x0004    // three months one under the other
#define CCS_HALFYEAR 0x0008       // six months, two rows of three
#define CCS_FULLYEAR 0x0010       // twelve months, four rows of three
#define CCS_DISPLAYONLY 0x0040    // no child controls, no selection by mouse or keyboard
#define CCS_YEARFIELD 0x0080      // year edit field (with an up-down spin on Windows 4+)
#define CCS_MONTHSELECTOR 0x0100  // drop-down list of the months
#define CCS_SCALED 0x0200         // cells follow the window size, small digits

// Private messages of the calendar; each does what the function of the same name does.
#define CCM_SETMONTHLITERALS 0x1468  // lParam: twelve zero-terminated names, one after another
#define CCM_SETDOWLITERALS 0x1469    // lParam: seven day letters, Sunday first
#define CCM_SETYEAR 0x146B           // wParam: year
#define CCM_GETYEAR 0x146C
#define CCM_SETMONTH 0x146D  // wParam: month 1..12
#define CCM_GETMONTH 0x146E
#define CCM_SETDAY 0x146F  // wParam: day
#define CCM_GETDAY 0x1470
#define CCM_SETDATE 0x1471         // lParam: DWORD[3] month, day, year
#define CCM_GETDATE 0x1472         // lParam: DWORD[3] month, day, year
#define CCM_SETDATESTRING 0x1473   // lParam: text in the short date format
#define CCM_GETDATESTRING 0x1474   // lParam: buffer of CC_DATESTRING_SIZE bytes
#define CCM_SETSUNDAYCOLOR 0x1475  // lParam: COLORREF (for all six colour messages)
#define CCM_SETDAYCOLOR 0x1476
#define CCM_SETHIGHLIGHTCOLOR 0x1477
#define CCM_SETBKSUNDAYCOLOR 0x1478
#define CCM_SETBKDAYCOLOR 0x1479
#define CCM_SETBKHIGHLIGHTCOLOR 0x147A

// Between a date edit and its drop-down calendar (see calendar_popup.h).
#define CCM_SETOWNER 0x0591      // to the popup; wParam: the owning date edit
#define CCM_SHOWDATE 0x0592      // to the popup; lParam: WORD[3] month, day, year
#define CCM_POPUPCLOSED 0x0593   // posted to the owner after a pick
#define CCM_OWNERSETDATE 0x048F  // sent to the owner: dtSetDate, lParam WORD[3] month, day, year

// Change hook: the calendar sends it to itself before it reports a changed date.
#define CCM_CHANGED 0x06B9

// Notification codes (high word of WM_COMMAND's wParam to the parent).
#define CCN_CHANGE 1         // standalone: the date changed
#define CCN_SETFOCUS 2       // standalone: gained the focus
#define CCN_KILLFOCUS 3      // standalone: lost the focus
#define CCN_CLOSEUP 0x0102   // popup: closed by a pick or by cancelling (owner's id and handle)
#define CCN_DROPDOWN 0x0103  // popup: about to drop down (sent by the date edit)

// Child control identifiers.
#define CC_ID_YEARFIELD 10
#define CC_ID_YEARSPIN 20
#define CC_ID_MONTHSELECTOR 30

// Size of the buffer ccGetDateString fills (the text is cut to fit, terminator included).
#define CC_DATESTRING_SIZE 32

#ifdef __cplusplus
extern "C" {
#endif

LRESULT CALLBACK TarnCalctlWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboMonthWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditYearWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Setters return 1 when done, 0 on a window without calendar state or a null pointer.
LONG WINAPI ccSetMonthLiterals(HWND hwnd, LPCSTR names);
LONG WINAPI ccSetDOWLiterals(HWND hwnd, LPCSTR letters);
LONG WINAPI ccSetYear(HWND hwnd, LONG year);
LONG WINAPI ccGetYear(HWND hwnd);
LONG WINAPI ccSetMonth(HWND hwnd, LONG month);
LONG WINAPI ccGetMonth(HWND hwnd);
LONG WINAPI ccSetDay(HWND hwnd, LONG day);
LONG WINAPI ccGetDay(HWND hwnd);
LONG WINAPI ccSetDate(HWND hwnd, const DWORD* monthDayYear);
LONG WINAPI ccGetDate(HWND hwnd, DWORD* monthDayYear);
LONG WINAPI ccSetDateString(HWND hwnd, LPCSTR text);
// Fills `buffer` (CC_DATESTRING_SIZE bytes) and returns it; an empty string without state.
LPSTR WINAPI ccGetDateString(HWND hwnd, LPSTR buffer);
LONG WINAPI ccSetSundayColor(HWND hwnd, COLORREF color);
LONG WINAPI ccSetDayColor(HWND hwnd, COLORREF color);
LONG WINAPI ccSetHighlightColor(HWND hwnd, COLORREF color);
LONG WINAPI ccSetBkSundayColor(HWND hwnd, COLORREF color);
LONG WINAPI ccSetBkDayColor(HWND hwnd, COLORREF color);
LONG WINAPI ccSetBkHighlightColor(HWND hwnd, COLORREF color);
// The view's natural client size in pixels; 0 without state.
LONG WINAPI ccGetMinWidth(HWND hwnd);
LONG WINAPI ccGetMinHeight(HWND hwnd);
// Closes a shown popup as a pick (the owner gets the date); 0 when not a shown popup.
LONG WINAPI ccHideCalendar(HWND hwnd);

#ifdef __cplusplus
}
#endif
