// Painting and colours of the calendar (see calendar_paint.h).

#include "controls/calendar/calendar_paint.h"

#include <cstdio>

#include "controls/calendar/calendar_layout.h"
#include "controls/calendar/tarn32_calendar.h"
#include "controls/common/buffered_paint.h"
#include "controls/common/day_number.h"

namespace tw {

namespace {

constexpr int kDaysPerWeek = 7;

struct DayColors {
    COLORREF text;
    COLORREF back;
};

COLORREF Color(const CalendarState& s, CalendarColor which) {
    return ResolveCalendarColor(s.colors[which]);
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);  // a fill without a brush
}

void DrawCentred(HDC dc, RECT r, const char* text, COLORREF colour) {
    SetTextColor(dc, colour);
    DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

DayColors ColorsOfDay(const CalendarState& s, int month, int day, int column) {
    if (month == s.month && day == s.day)
        return {Color(s, kColorHighlightText), Color(s, kColorHighlightBack)};
    if (column == 0) return {Color(s, kColorSundayText), Color(s, kColorSundayBack)};
    return {Color(s, kColorDayText), Color(s, kColorDayBack)};
}

RECT CellRect(const CalendarState& s, const MonthPanel& p, int cell) {
    const CalendarMetrics& m = s.metrics;
    RECT r;
    r.left = p.left + cell % kDaysPerWeek * m.cellWidth;
    r.top = p.gridTop + cell / kDaysPerWeek * m.rowHeight;
    r.right = r.left + m.cellWidth;
    r.bottom = r.top + m.rowHeight;
    return r;
}

void DrawDayLetters(const CalendarState& s, HDC dc, const MonthPanel& p) {
    for (int column = 0; column < kDaysPerWeek; ++column) {
        RECT r = CellRect(s, p, column);
        OffsetRect(&r, 0, p.lettersTop - p.gridTop);
        r.bottom = r.top + s.metrics.lineHeight;
        char letter[2] = {s.dayLetters[column], '\0'};
        DrawCentred(dc, r, letter,
                    column == 0 ? Color(s, kColorSundayText) : Color(s, kColorDayText));
    }
}

void DrawDays(const CalendarState& s, HDC dc, const MonthPanel& p) {
    const int length = MonthLength(p.month, s.year);
    HGDIOBJ oldFont = s.digitFont ? SelectObject(dc, s.digitFont) : nullptr;
    for (int day = 1; day <= length; ++day) {
        int cell = CellOfDay(p.month, day, s.year);
        if (cell < 0) continue;  // the days September 1752 never had
        RECT r = CellRect(s, p, cell);
        DayColors colors = ColorsOfDay(s, p.month, day, cell % kDaysPerWeek);
        Fill(dc, r, colors.back);
        char number[4];
        std::snprintf(number, sizeof number, "%d", day);
        DrawCentred(dc, r, number, colors.text);
        if (s.hasFocus && p.month == s.month && day == s.day) DrawFocusRect(dc, &r);
    }
    if (oldFont) SelectObject(dc, oldFont);
}

void DrawPanel(const CalendarState& s, HDC dc, const MonthPanel& p, bool drawName) {
    const CalendarMetrics& m = s.metrics;
    RECT grid = {p.left, p.gridTop, p.left + kDaysPerWeek * m.cellWidth,
                 p.gridTop + 6 * m.rowHeight};
    Fill(dc, grid, Color(s, kColorDayBack));
    if (drawName) {
        RECT name = {grid.left, p.nameTop, grid.right, p.nameTop + m.lineHeight};
        DrawCentred(dc, name, s.monthNames[p.month - 1], GetSysColor(COLOR_BTNTEXT));
    }
    DrawDayLetters(s, dc, p);
    DrawDays(s, dc, p);
}

void DrawHeader(const CalendarState& s, HDC dc) {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    if (!s.yearField) {
        char year[16];
        std::snprintf(year, sizeof year, "%d", s.year);
        RECT r = s.yearRect;
        DrawTextA(dc, year, -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (s.view == CalendarView::Month && !s.monthSelector && s.month >= 1 && s.month <= 12) {
        RECT r = s.monthRect;
        DrawTextA(dc, s.monthNames[s.month - 1], -1, &r,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

// Draws the calendar into `dc` (client coordinates).
void DrawCalendar(const CalendarState& s, HDC dc, const RECT& client) {
    Fill(dc, client, GetSysColor(COLOR_BTNFACE));
    HGDIOBJ oldFont = SelectObject(dc, s.font);
    SetBkMode(dc, TRANSPARENT);
    if (s.view == CalendarView::Month) {
        RECT below = client;
        below.top = HeaderHeight(s.metrics);
        Fill(dc, below, Color(s, kColorDayBack));
    }
    DrawHeader(s, dc);
    // Panels name their months, except the one-month view, whose header does, and the first
    // panel under a month selector, which shows that name and covers the line.
    const bool names = s.view != CalendarView::Month;
    for (int i = 0; i < ViewMonthCount(s.view); ++i)
        DrawPanel(s, dc, PanelAt(s.view, s.metrics, s.month, i),
                  names && !(i == 0 && s.monthSelector));
    SelectObject(dc, oldFont);
}

}  // namespace

LRESULT CAL_Paint(const CalendarState& s) {
    return PaintBuffered(s.self, [&](HDC dc, const RECT& client) { DrawCalendar(s, dc, client); });
}

LRESULT CAL_PrintClient(const CalendarState& s, HDC dc) {
    RECT client;
    GetClientRect(s.self, &client);
    DrawCalendar(s, dc, client);
    return 0;
}

LONG CAL_SetColor(CalendarState& s, CalendarColor which, COLORREF color) {
    s.colors[which] = color;
    InvalidateRect(s.self, nullptr, FALSE);
    return 1;
}

}  // namespace tw
