// Defaults, texts, format and metrics of the calendar (see calendar_setup.h).

#include "controls/calendar/calendar_setup.h"

#include <cstring>

#include "controls/calendar/calendar_children.h"
#include "controls/calendar/tarn32_calendar.h"
#include "controls/common/system_date_format.h"

namespace tw {

namespace {

constexpr int kFirstMonthNameId = 107;  // string resources 107..118, January first
constexpr int kDayLettersId = 300;
constexpr int kHeaderPad = 4;

const char* const kEnglishMonths[12] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};

HINSTANCE LibraryModule(HWND hwnd) {
    return reinterpret_cast<HINSTANCE>(GetClassLongPtrA(hwnd, GCLP_HMODULE));
}

bool TakeMonthNames(CalendarState& s, const char* names) {
    if (!names) return false;
    const char* name = names;
    for (int m = 0; m < 12; ++m) {
        lstrcpynA(s.monthNames[m], name, kMonthNameSize);
        name += std::strlen(name) + 1;
    }
    return true;
}

bool TakeDayLetters(CalendarState& s, const char* letters) {
    if (!letters || std::strlen(letters) != kCalendarDayLetters) return false;
    std::memcpy(s.dayLetters, letters, kCalendarDayLetters + 1);
    return true;
}

// The library's strings; English texts where a string is missing or the day letters are not
// seven.
void LoadTexts(CalendarState& s) {
    HINSTANCE module = LibraryModule(s.self);
    for (int m = 0; m < 12; ++m) {
        if (LoadStringA(module, kFirstMonthNameId + m, s.monthNames[m], kMonthNameSize) <= 0)
            lstrcpynA(s.monthNames[m], kEnglishMonths[m], kMonthNameSize);
    }
    char letters[16] = "";
    LoadStringA(module, kDayLettersId, letters, sizeof letters);
    if (!TakeDayLetters(s, letters)) TakeDayLetters(s, "SMTWTFS");
}

void SetDefaultColors(CalendarState& s) {
    s.colors[kColorDayText] = GetSysColor(COLOR_WINDOWTEXT);
    s.colors[kColorHighlightText] = GetSysColor(COLOR_HIGHLIGHTTEXT);
    s.colors[kColorSundayText] = RGB(255, 0, 0);
    s.colors[kColorDayBack] = GetSysColor(COLOR_WINDOW);
    s.colors[kColorHighlightBack] = GetSysColor(COLOR_HIGHLIGHT);
    s.colors[kColorSundayBack] = GetSysColor(COLOR_WINDOW);
}

void SetToday(CalendarState& s) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    s.year = now.wYear;
    s.month = now.wMonth;
    s.day = now.wDay;
}

TEXTMETRICA FontMetrics(HFONT font) {
    TEXTMETRICA tm{};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return tm;
}

// Header rectangles for the year and month name when their children are absent.
void PlaceHeaderTexts(CalendarState& s) {
    const int line = s.metrics.lineHeight;
    const CalendarSize size = CalendarViewSize(s);
    SetRect(&s.yearRect, kHeaderPad, 2, kHeaderPad + 2 * s.metrics.cellWidth, 2 + line);
    int monthLeft = s.yearRect.right + kHeaderPad;
    SetRect(&s.monthRect, monthLeft, 2, size.width - kHeaderPad, 2 + line);
}

void RecreateDigitFont(CalendarState& s) {
    if (s.digitFont) DeleteObject(s.digitFont);
    s.digitFont = nullptr;
    if (!(s.style & CCS_SCALED)) return;
    int height = s.metrics.rowHeight - 4;
    if (height < 4) height = 4;
    s.digitFont = CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_SWISS, "Arial");
}

}  // namespace

void InitCalendarState(CalendarState& s, HWND hwnd, DWORD style) {
    s.self = hwnd;
    s.style = style;
    s.view = ViewFromStyle(style);
    s.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    SetDefaultColors(s);
    SetToday(s);
    LoadTexts(s);
    s.dateFormat = ReadSystemShortDateFormat(0);
    UpdateCalendarMetrics(s);
}

void SetCalendarFont(CalendarState& s, HFONT font) {
    s.font = font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    UpdateCalendarMetrics(s);
}

void UpdateCalendarMetrics(CalendarState& s) {
    TEXTMETRICA tm = FontMetrics(s.font);
    s.averageCharWidth = tm.tmAveCharWidth > 0 ? tm.tmAveCharWidth : 1;
    int line = tm.tmHeight + tm.tmInternalLeading;
    s.metrics.lineHeight = line > 0 ? line : 1;
    s.metrics.cellWidth = 6 * s.averageCharWidth;
    s.metrics.rowHeight = s.metrics.lineHeight;
    if (s.style & CCS_SCALED) {
        RECT client;
        GetClientRect(s.self, &client);
        s.metrics = ScaledMetrics(s.view, {client.right, client.bottom}, s.metrics.lineHeight);
    }
    RecreateDigitFont(s);
    PlaceHeaderTexts(s);
}

CalendarSize CalendarViewSize(const CalendarState& s) {
    if (s.style & CCS_SCALED) {
        RECT client;
        GetClientRect(s.self, &client);
        return {client.right, client.bottom};
    }
    return NaturalSize(s.view, s.metrics);
}

void FitCalendarWindow(CalendarState& s) {
    if (s.style & CCS_SCALED) return;
    CalendarSize want = NaturalSize(s.view, s.metrics);
    RECT client;
    GetClientRect(s.self, &client);
    if (client.right == want.width && client.bottom == want.height) return;
    RECT frame = {0, 0, want.width, want.height};
    AdjustWindowRectEx(&frame, DWORD(GetWindowLongPtrA(s.self, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongPtrA(s.self, GWL_EXSTYLE)));
    SetWindowPos(s.self, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LONG CAL_GetMinWidth(const CalendarState& s) { return CalendarViewSize(s).width; }

LONG CAL_GetMinHeight(const CalendarState& s) { return CalendarViewSize(s).height; }

LONG CAL_SetMonthLiterals(CalendarState& s, const char* names) {
    if (!TakeMonthNames(s, names)) return 0;
    FillMonthSelector(s);
    InvalidateRect(s.self, nullptr, FALSE);
    return 1;
}

LONG CAL_SetDOWLiterals(CalendarState& s, const char* letters) {
    if (!TakeDayLetters(s, letters)) return 0;
    InvalidateRect(s.self, nullptr, FALSE);
    return 1;
}

}  // namespace tw
