#include "controls/calendar/calendar_children.h"

#include <commctrl.h>

#include <cstdlib>
#include <initializer_list>

#include "controls/calendar/calendar_date.h"
#include "controls/calendar/calendar_navigation.h"
#include "controls/calendar/tarn32_calendar.h"
#include "framework/win32/window_barrier.h"

namespace tw {

namespace {

// Placement of the children in the header, in pixels.
enum ChildPlacement { kChildLeft = 4, kChildTop = 2, kSelectorLeft = 84, kSpinWidth = 12 };

constexpr int kYearDigits = 4;

struct ChildBox {
    int x, width, height;
};

ChildBox YearFieldBox(const CalendarMetrics& m) {
    return {kChildLeft, 2 * m.cellWidth, m.rowHeight + 8};
}

ChildBox YearSpinBox(const CalendarMetrics& m) {
    return {kChildLeft + 2 * m.cellWidth, kSpinWidth, m.rowHeight + 4};
}

// The selector stands at its usual place unless a wide font pushes the year field into it.
ChildBox MonthSelectorBox(const CalendarState& s) {
    const CalendarMetrics& m = s.metrics;
    int left = kSelectorLeft;
    if (s.yearField && left < kChildLeft + 2 * m.cellWidth + kChildLeft)
        left = kChildLeft + 2 * m.cellWidth + kChildLeft;
    return {left, 4 * m.cellWidth, 8 * m.rowHeight};
}

HWND CreateChild(CalendarState& s, DWORD exStyle, const char* cls, DWORD style, ChildBox box,
                 int id) {
    HINSTANCE module = reinterpret_cast<HINSTANCE>(GetClassLongPtrA(s.self, GCLP_HMODULE));
    return CreateWindowExA(exStyle, cls, "", WS_CHILD | WS_VISIBLE | style, box.x, kChildTop,
                           box.width, box.height, s.self, reinterpret_cast<HMENU>(INT_PTR(id)),
                           module, nullptr);
}

void MoveChild(HWND child, ChildBox box) {
    if (child) MoveWindow(child, box.x, kChildTop, box.width, box.height, TRUE);
}

bool CreateYearField(CalendarState& s) {
    const bool modern = RunningWindowsMajor() >= 4;
    s.yearField = CreateChild(s, modern ? WS_EX_CLIENTEDGE : 0, "EDIT",
                              ES_CENTER | ES_NUMBER | ES_AUTOHSCROLL | (modern ? 0 : WS_BORDER),
                              YearFieldBox(s.metrics), CC_ID_YEARFIELD);
    if (!s.yearField) return false;
    SendMessageA(s.yearField, EM_LIMITTEXT, kYearDigits, 0);
    if (!modern) return true;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    s.yearSpin = CreateChild(s, 0, UPDOWN_CLASSA,
                             UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS,
                             YearSpinBox(s.metrics), CC_ID_YEARSPIN);
    if (!s.yearSpin) return false;
    SendMessageA(s.yearSpin, UDM_SETBUDDY, WPARAM(s.yearField), 0);
    SendMessageA(s.yearSpin, UDM_SETRANGE32, 1, 9999);
    return true;
}

bool CreateMonthSelector(CalendarState& s) {
    s.monthSelector = CreateChild(s, 0, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL,
                                  MonthSelectorBox(s), CC_ID_MONTHSELECTOR);
    return s.monthSelector != nullptr;
}

// The year typed in the field, or 0 when it holds no year of 1..9999.
int YearInField(HWND field) {
    char text[16] = "";
    GetWindowTextA(field, text, sizeof text);
    long year = std::strtol(text, nullptr, 10);
    return year >= 1 && year <= 9999 ? int(year) : 0;
}

void OnMonthChosen(CalendarState& s) {
    LRESULT entry = SendMessageA(s.monthSelector, CB_GETCURSEL, 0, 0);
    if (entry == CB_ERR) return;
    ChangeDateFromChild(s, MonthFromSelector(s.view, int(entry), s.month), s.year);
}

void OnYearTyped(CalendarState& s) {
    int year = YearInField(s.yearField);
    if (year && year != s.year) ChangeDateFromChild(s, s.month, year);
}

WNDPROC g_comboMonthBaseProc = nullptr;  // the replaced procedures, process-wide
WNDPROC g_editYearBaseProc = nullptr;

CalendarState* CalendarOfChild(HWND child) { return CalendarStateOf(GetParent(child)); }

void Subclass(HWND child, WNDPROC proc, WNDPROC* base) {
    if (!child) return;
    LONG_PTR old = GetWindowLongPtrA(child, GWLP_WNDPROC);
    if (old == reinterpret_cast<LONG_PTR>(proc)) return;
    *base = reinterpret_cast<WNDPROC>(old);
    SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
}

// Enter, Escape and Tab typed in a child of a dropped popup close the popup as they do on the
// calendar itself (a month list that is open keeps them to close the list).
bool PassClosingKey(HWND child, UINT msg, WPARAM key) {
    if (msg != WM_KEYDOWN || (key != VK_RETURN && key != VK_ESCAPE && key != VK_TAB)) return false;
    CalendarState* s = CalendarOfChild(child);
    if (!s || !s->dropped) return false;
    if (child == s->monthSelector && SendMessageA(child, CB_GETDROPPEDSTATE, 0, 0)) return false;
    SendMessageA(s->self, WM_KEYDOWN, key, 0);
    return true;
}

// What a dropped popup takes back after a child handled `msg`.
using TakeBackAfter = void (*)(CalendarState& s, UINT msg, WPARAM wParam);

// A popup child's own procedure `base` (closing keys go to the calendar first), then what
// the popup takes back.
LRESULT ChildMessage(WNDPROC base, TakeBackAfter takeBack, HWND hwnd, UINT msg, WPARAM wParam,
                     LPARAM lParam) {
    if (!base) return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (PassClosingKey(hwnd, msg, wParam)) return 0;
    LRESULT result = CallWindowProcA(base, hwnd, msg, wParam, lParam);
    CalendarState* s = CalendarOfChild(hwnd);
    if (s && s->dropped) takeBack(*s, msg, wParam);
    return result;
}

// The month selector losing the focus gives focus and capture back to the calendar (unless
// the focus went to the calendar's year field).
void AfterMonthSelectorMessage(CalendarState& s, UINT msg, WPARAM wParam) {
    if (msg != WM_KILLFOCUS || HWND(wParam) == s.yearField) return;
    SetFocus(s.self);
    SetCapture(s.self);
}

// After a click in the year field the calendar takes the capture back, so that a click
// outside the popup still cancels it.
void AfterYearFieldMessage(CalendarState& s, UINT msg, WPARAM) {
    if (msg == WM_LBUTTONUP) SetCapture(s.self);
}

}  // namespace

bool CreateCalendarChildren(CalendarState& s) {
    if (s.style & CCS_DISPLAYONLY) return true;
    if ((s.style & CCS_YEARFIELD) && !CreateYearField(s)) return false;
    if ((s.style & CCS_MONTHSELECTOR) && SelectorEntryCount(s.view) > 0) {
        if (!CreateMonthSelector(s)) return false;
        FillMonthSelector(s);
    }
    SetChildrenFont(s);
    ShowDateInChildren(s);
    return true;
}

void ShowDateInChildren(CalendarState& s) {
    s.settingChildren = TRUE;
    if (s.yearSpin) {
        SendMessageA(s.yearSpin, UDM_SETPOS32, 0, s.year);
    } else if (s.yearField) {
        char text[16];
        wsprintfA(text, "%d", s.year);
        SetWindowTextA(s.yearField, text);
    }
    if (s.monthSelector)
        SendMessageA(s.monthSelector, CB_SETCURSEL, SelectorEntryOfMonth(s.view, s.month), 0);
    s.settingChildren = FALSE;
}

void FillMonthSelector(CalendarState& s) {
    if (!s.monthSelector) return;
    s.settingChildren = TRUE;
    SendMessageA(s.monthSelector, CB_RESETCONTENT, 0, 0);
    for (int entry = 0; entry < SelectorEntryCount(s.view); ++entry) {
        const char* name = s.monthNames[SelectorEntryMonth(s.view, entry) - 1];
        SendMessageA(s.monthSelector, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SendMessageA(s.monthSelector, CB_SETCURSEL, SelectorEntryOfMonth(s.view, s.month), 0);
    s.settingChildren = FALSE;
}

void SetChildrenFont(CalendarState& s) {
    for (HWND child : {s.yearField, s.monthSelector})
        if (child) SendMessageA(child, WM_SETFONT, WPARAM(s.font), TRUE);
}

void LayoutCalendarChildren(CalendarState& s) {
    MoveChild(s.yearField, YearFieldBox(s.metrics));
    if (s.yearSpin) {
        MoveChild(s.yearSpin, YearSpinBox(s.metrics));
        SendMessageA(s.yearSpin, UDM_SETBUDDY, WPARAM(s.yearField), 0);  // aligns it again
    }
    MoveChild(s.monthSelector, MonthSelectorBox(s));
}

bool CAL_Command(CalendarState& s, int id, int code) {
    if (s.settingChildren) return id == CC_ID_YEARFIELD || id == CC_ID_MONTHSELECTOR;
    if (id == CC_ID_MONTHSELECTOR && s.monthSelector) {
        if (code == CBN_SELENDOK) OnMonthChosen(s);
        if (code == CBN_CLOSEUP || code == CBN_SELENDCANCEL) TakeBackInput(s);
        return true;
    }
    if (id == CC_ID_YEARFIELD && s.yearField) {
        if (code == EN_UPDATE) OnYearTyped(s);
        return true;
    }
    return false;
}

void TakeBackInput(CalendarState& s) {
    if (!s.dropped) return;
    if (GetFocus() != s.yearField) SetFocus(s.self);
    SetCapture(s.self);
}

LRESULT CAL_VScroll(CalendarState& s, int code) {
    if (code == SB_ENDSCROLL) TakeBackInput(s);  // the year spin let go
    return 0;
}

void SubclassPopupChildren(CalendarState& s) {
    Subclass(s.monthSelector, ComboMonthWndProc, &g_comboMonthBaseProc);
    Subclass(s.yearField, EditYearWndProc, &g_editYearBaseProc);
}

}  // namespace tw

// The subclass procedures of a popup's children, behind the exception barrier.
extern "C" LRESULT CALLBACK ComboMonthWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0, [=] {
        return tw::ChildMessage(tw::g_comboMonthBaseProc, tw::AfterMonthSelectorMessage, hwnd, msg,
                                wParam, lParam);
    });
}

extern "C" LRESULT CALLBACK EditYearWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0, [=] {
        return tw::ChildMessage(tw::g_editYearBaseProc, tw::AfterYearFieldMessage, hwnd, msg,
                                wParam, lParam);
    });
}
