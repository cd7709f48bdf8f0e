#pragma once
// Geometry of the calendar's views: which months a view shows, where each month's grid, name
// and day letters stand, the natural size of a view, and which day a point falls on.
// Portable: plain integers in client coordinates.

#include <cstdint>

namespace tw {

enum class CalendarView { Month, QuarterAcross, QuarterDown, HalfYear, FullYear };

// The view a window style asks for (the first view bit in the order month, quarter across,
// quarter down, half year, full year); the one-month view when no bit is set.
CalendarView ViewFromStyle(uint32_t style);

struct CalendarMetrics {
    int cellWidth;   // W: one day cell
    int rowHeight;   // H: one grid row
    int lineHeight;  // L: one text line (the header is three of them)
};

struct CalendarSize {
    int width;
    int height;
};

// Months shown side by side and rows of months.
int ViewColumns(CalendarView view);
int ViewRows(CalendarView view);
int ViewMonthCount(CalendarView view);

// Height of the area above the first row of grids.
int HeaderHeight(const CalendarMetrics& m);

// Size of the view with the given cell metrics.
CalendarSize NaturalSize(CalendarView view, const CalendarMetrics& m);

// Cell metrics that make the view fill `client` (scaled style); the line height is kept.
CalendarMetrics ScaledMetrics(CalendarView view, CalendarSize client, int lineHeight);

// The first month shown when `month` is the chosen one (1, 4, 7, 10 for the quarters, 1 or 7
// for the half year, 1 for the full year, the month itself in the one-month view).
int FirstShownMonth(CalendarView view, int month);

struct MonthPanel {
    int month;       // 1..12
    int left;        // x of the grid's first column
    int gridTop;     // y of the grid's first row
    int nameTop;     // y of the line with the month's name
    int lettersTop;  // y of the line with the day letters
};

// Panel `index` (0 .. ViewMonthCount - 1) of the view showing `month`.
MonthPanel PanelAt(CalendarView view, const CalendarMetrics& m, int month, int index);

// Grid cell (0..41, row-major, Sunday first) of `day`; -1 for a day the month does not have.
int CellOfDay(int month, int day, int year);

// The day in grid cell `cell` of the month; 0 when the cell is empty.
int DayAtCell(int month, int year, int cell);

struct CalendarHit {
    int month;  // 0 when the point is on no day
    int day;
};

// The day under the point (x, y) in the view showing `month` of `year`.
CalendarHit HitTestDay(CalendarView view, const CalendarMetrics& m, int month, int year, int x,
                       int y);

}  // namespace tw
