#include "controls/calendar/calendar_layout.h"

#include <algorithm>

#include "controls/common/day_number.h"

namespace tw {

namespace {

constexpr int kWeekRows = 6;
constexpr int kDaysPerWeek = 7;
constexpr int kGridCells = kWeekRows * kDaysPerWeek;
constexpr int kSeparator = 1;  // the line between neighbouring grids of one row

int GridWidth(const CalendarMetrics& m) { return kDaysPerWeek * m.cellWidth; }
int GridHeight(const CalendarMetrics& m) { return kWeekRows * m.rowHeight; }

// Name line and day-letter line above every row of grids after the first.
int RowStride(const CalendarMetrics& m) { return GridHeight(m) + 2 * m.lineHeight; }

}  // namespace

CalendarView ViewFromStyle(uint32_t style) {
    if (style & 0x0001) return CalendarView::Month;
    if (style & 0x0002) return CalendarView::QuarterAcross;
    if (style & 0x0004) return CalendarView::QuarterDown;
    if (style & 0x0008) return CalendarView::HalfYear;
    if (style & 0x0010) return CalendarView::FullYear;
    return CalendarView::Month;
}

int ViewColumns(CalendarView view) {
    return view == CalendarView::Month || view == CalendarView::QuarterDown ? 1 : 3;
}

int ViewRows(CalendarView view) {
    switch (view) {
        case CalendarView::QuarterDown: return 3;
        case CalendarView::HalfYear: return 2;
        case CalendarView::FullYear: return 4;
        default: return 1;
    }
}

int ViewMonthCount(CalendarView view) { return ViewColumns(view) * ViewRows(view); }

int HeaderHeight(const CalendarMetrics& m) { return 3 * m.lineHeight; }

CalendarSize NaturalSize(CalendarView view, const CalendarMetrics& m) {
    const int columns = ViewColumns(view);
    const int rows = ViewRows(view);
    int width = columns * GridWidth(m) + (columns - 1) * kSeparator;
    int height = HeaderHeight(m) + rows * GridHeight(m) + (rows - 1) * 2 * m.lineHeight;
    return {width, height};
}

CalendarMetrics ScaledMetrics(CalendarView view, CalendarSize client, int lineHeight) {
    const int columns = ViewColumns(view);
    const int rows = ViewRows(view);
    CalendarMetrics m{1, 1, std::max(lineHeight, 1)};
    int gridSpace = client.height - HeaderHeight(m) - (rows - 1) * 2 * m.lineHeight;
    m.cellWidth =
        std::max(1, (client.width - (columns - 1) * kSeparator) / (kDaysPerWeek * columns));
    m.rowHeight = std::max(1, gridSpace / (kWeekRows * rows));
    return m;
}

int FirstShownMonth(CalendarView view, int month) {
    month = std::clamp(month, 1, 12);
    switch (view) {
        case CalendarView::QuarterAcross:
        case CalendarView::QuarterDown: return (month - 1) / 3 * 3 + 1;
        case CalendarView::HalfYear: return month < 7 ? 1 : 7;
        case CalendarView::FullYear: return 1;
        default: return month;
    }
}

MonthPanel PanelAt(CalendarView view, const CalendarMetrics& m, int month, int index) {
    const int columns = ViewColumns(view);
    const int row = index / columns;
    const int column = index % columns;
    MonthPanel p;
    p.month = FirstShownMonth(view, month) + index;
    p.left = column * (GridWidth(m) + kSeparator);
    p.gridTop = HeaderHeight(m) + row * RowStride(m);
    p.lettersTop = p.gridTop - m.lineHeight;
    p.nameTop = p.gridTop - 2 * m.lineHeight;
    return p;
}

int CellOfDay(int month, int day, int year) {
    if (!IsRealDate(month, day, year)) return -1;
    int32_t offset = DayNumber(month, day, year) - DayNumber(month, 1, year);
    return WeekdayOf(month, 1, year) + int(offset);
}

int DayAtCell(int month, int year, int cell) {
    if (cell < 0 || cell >= kGridCells || month < 1 || month > 12) return 0;
    int32_t number = DayNumber(month, 1, year) + (cell - WeekdayOf(month, 1, year));
    if (cell < WeekdayOf(month, 1, year)) return 0;
    DayDate date = DateFromDayNumber(number);
    return date.month == month && date.year == year ? date.day : 0;
}

CalendarHit HitTestDay(CalendarView view, const CalendarMetrics& m, int month, int year, int x,
                       int y) {
    if (m.cellWidth <= 0 || m.rowHeight <= 0) return {0, 0};
    for (int i = 0; i < ViewMonthCount(view); ++i) {
        MonthPanel p = PanelAt(view, m, month, i);
        int dx = x - p.left;
        int dy = y - p.gridTop;
        if (dx < 0 || dy < 0 || dx >= GridWidth(m) || dy >= GridHeight(m)) continue;
        int cell = dy / m.rowHeight * kDaysPerWeek + dx / m.cellWidth;
        int day = DayAtCell(p.month, year, cell);
        return day ? CalendarHit{p.month, day} : CalendarHit{0, 0};
    }
    return {0, 0};
}

}  // namespace tw
