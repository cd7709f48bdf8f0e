// The calendar's portable rules: view geometry, key moves, the month selector and the
// drop-down placement.

#include <gtest/gtest.h>

#include "controls/calendar/calendar_layout.h"
#include "controls/calendar/calendar_navigation.h"
#include "controls/calendar/popup_placement.h"

namespace tw {
namespace {

constexpr CalendarMetrics kMetrics{30, 16, 16};  // W, H, L

TEST(CalendarLayout, ViewsAndNaturalSizes) {
    struct Case {
        uint32_t style;
        CalendarView view;
        int width, height, months;
    } cases[] = {
        {0x0181, CalendarView::Month, 7 * 30, 6 * 16 + 48, 1},
        {0x0002, CalendarView::QuarterAcross, 21 * 30 + 2, 6 * 16 + 48, 3},
        {0x0004, CalendarView::QuarterDown, 7 * 30, 18 * 16 + 4 * 16 + 48, 3},
        {0x0008, CalendarView::HalfYear, 21 * 30 + 2, 2 * (6 * 16 + 16) + 48, 6},
        {0x0010, CalendarView::FullYear, 21 * 30 + 2, 6 * (4 * 16 + 16) + 48, 12},
        {0x0006, CalendarView::QuarterAcross, 21 * 30 + 2, 6 * 16 + 48, 3},  // first bit wins
        {0x0040, CalendarView::Month, 7 * 30, 6 * 16 + 48, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.view, ViewFromStyle(c.style)) << c.style;
        CalendarSize size = NaturalSize(c.view, kMetrics);
        EXPECT_EQ(c.width, size.width) << c.style;
        EXPECT_EQ(c.height, size.height) << c.style;
        EXPECT_EQ(c.months, ViewMonthCount(c.view));
        // Scaling to the natural size gives the same cells back.
        CalendarMetrics scaled = ScaledMetrics(c.view, size, kMetrics.lineHeight);
        EXPECT_EQ(kMetrics.cellWidth, scaled.cellWidth) << c.style;
        EXPECT_EQ(kMetrics.rowHeight, scaled.rowHeight) << c.style;
    }
    CalendarMetrics tiny = ScaledMetrics(CalendarView::FullYear, {5, 5}, 16);
    EXPECT_GE(tiny.cellWidth, 1);
    EXPECT_GE(tiny.rowHeight, 1);
}

TEST(CalendarLayout, PanelsShowTheQuarterHalfOrYearOfTheMonth) {
    EXPECT_EQ(5, PanelAt(CalendarView::Month, kMetrics, 5, 0).month);
    EXPECT_EQ(4, PanelAt(CalendarView::QuarterAcross, kMetrics, 5, 0).month);
    EXPECT_EQ(6, PanelAt(CalendarView::QuarterAcross, kMetrics, 5, 2).month);
    EXPECT_EQ(10, PanelAt(CalendarView::QuarterDown, kMetrics, 12, 0).month);
    EXPECT_EQ(7, PanelAt(CalendarView::HalfYear, kMetrics, 7, 0).month);
    EXPECT_EQ(1, PanelAt(CalendarView::HalfYear, kMetrics, 6, 0).month);
    EXPECT_EQ(12, PanelAt(CalendarView::FullYear, kMetrics, 3, 11).month);

    MonthPanel third = PanelAt(CalendarView::QuarterAcross, kMetrics, 1, 2);
    EXPECT_EQ(2 * (7 * 30 + 1), third.left);
    EXPECT_EQ(48, third.gridTop);
    EXPECT_EQ(32, third.lettersTop);
    MonthPanel fourthRow = PanelAt(CalendarView::FullYear, kMetrics, 1, 9);
    EXPECT_EQ(0, fourthRow.left);
    EXPECT_EQ(48 + 3 * (6 * 16 + 32), fourthRow.gridTop);
    // The last grid ends exactly at the natural height.
    CalendarSize size = NaturalSize(CalendarView::FullYear, kMetrics);
    EXPECT_EQ(size.height, fourthRow.gridTop + 6 * 16);
}

TEST(CalendarLayout, DayCellsAndHitTesting) {
    // October 2005 starts on a Saturday and, with 31 days, reaches the sixth row.
    EXPECT_EQ(6, CellOfDay(10, 1, 2005));
    EXPECT_EQ(36, CellOfDay(10, 31, 2005));
    EXPECT_EQ(5, CellOfDay(10, 31, 2005) / 7);
    EXPECT_EQ(-1, CellOfDay(2, 30, 2005));
    // September 1752: the 2nd is a Wednesday, the 14th the Thursday after it.
    EXPECT_EQ(3, CellOfDay(9, 2, 1752));
    EXPECT_EQ(4, CellOfDay(9, 14, 1752));
    EXPECT_EQ(14, DayAtCell(9, 1752, 4));
    EXPECT_EQ(0, DayAtCell(10, 2005, 5));
    EXPECT_EQ(0, DayAtCell(10, 2005, 37));
    EXPECT_EQ(0, DayAtCell(10, 2005, 42));
    EXPECT_EQ(0, DayAtCell(13, 2005, 10));
    for (int day = 1; day <= 31; ++day)
        EXPECT_EQ(day, DayAtCell(10, 2005, CellOfDay(10, day, 2005)));

    auto centre = [](const MonthPanel& p, int cell) {
        return std::pair<int, int>(p.left + cell % 7 * 30 + 15, p.gridTop + cell / 7 * 16 + 8);
    };
    MonthPanel month = PanelAt(CalendarView::Month, kMetrics, 10, 0);
    auto [x, y] = centre(month, CellOfDay(10, 31, 2005));
    CalendarHit hit = HitTestDay(CalendarView::Month, kMetrics, 10, 2005, x, y);
    EXPECT_EQ(10, hit.month);
    EXPECT_EQ(31, hit.day);
    EXPECT_EQ(0, HitTestDay(CalendarView::Month, kMetrics, 10, 2005, 5, 5).month);  // header
    EXPECT_EQ(0, HitTestDay(CalendarView::Month, kMetrics, 10, 2005, -3, 60).month);
    MonthPanel june = PanelAt(CalendarView::HalfYear, kMetrics, 2, 5);
    auto [jx, jy] = centre(june, CellOfDay(6, 15, 2005));
    hit = HitTestDay(CalendarView::HalfYear, kMetrics, 2, 2005, jx, jy);
    EXPECT_EQ(6, hit.month);
    EXPECT_EQ(15, hit.day);
    EXPECT_EQ(0, HitTestDay(CalendarView::Month, {0, 0, 0}, 10, 2005, 10, 10).month);
}

TEST(CalendarNavigation, KeysMoveWithinTheMonthAndTheYear) {
    struct Case {
        DayDate from;
        CalendarMove move;
        DayDate to;
    } cases[] = {
        {{3, 31, 2000}, CalendarMove::MonthBack, {2, 29, 2000}},
        {{3, 31, 1900}, CalendarMove::MonthBack, {2, 28, 1900}},
        {{3, 31, 1700}, CalendarMove::MonthBack, {2, 29, 1700}},
        {{1, 31, 2001}, CalendarMove::MonthForward, {2, 28, 2001}},
        {{1, 15, 2001}, CalendarMove::MonthBack, {1, 15, 2001}},
        {{12, 15, 2001}, CalendarMove::MonthForward, {12, 15, 2001}},
        {{5, 1, 2001}, CalendarMove::DayBack, {5, 1, 2001}},
        {{5, 31, 2001}, CalendarMove::DayForward, {5, 31, 2001}},
        {{5, 10, 2001}, CalendarMove::DayForward, {5, 11, 2001}},
        {{5, 3, 2001}, CalendarMove::WeekBack, {5, 3, 2001}},
        {{5, 10, 2001}, CalendarMove::WeekBack, {5, 3, 2001}},
        {{5, 27, 2001}, CalendarMove::WeekForward, {5, 27, 2001}},
        {{9, 2, 1752}, CalendarMove::DayForward, {9, 14, 1752}},
        {{9, 14, 1752}, CalendarMove::DayBack, {9, 2, 1752}},
        {{10, 5, 1752}, CalendarMove::MonthBack, {9, 14, 1752}},
        {{4, 40, 2001}, CalendarMove::DayBack, {4, 29, 2001}},
        {{13, 5, 2001}, CalendarMove::DayBack, {13, 5, 2001}},
    };
    for (const Case& c : cases) {
        DayDate got = MoveCalendarDate(c.from, c.move);
        EXPECT_EQ(c.to.month, got.month) << c.from.month << "/" << c.from.day << "/" << c.from.year;
        EXPECT_EQ(c.to.day, got.day) << c.from.month << "/" << c.from.day << "/" << c.from.year;
        EXPECT_EQ(c.to.year, got.year);
    }
}

TEST(CalendarNavigation, MonthSelectorEntriesPerView) {
    EXPECT_EQ(12, SelectorEntryCount(CalendarView::Month));
    EXPECT_EQ(4, SelectorEntryCount(CalendarView::QuarterDown));
    EXPECT_EQ(2, SelectorEntryCount(CalendarView::HalfYear));
    EXPECT_EQ(0, SelectorEntryCount(CalendarView::FullYear));
    EXPECT_EQ(10, SelectorEntryMonth(CalendarView::QuarterAcross, 3));
    EXPECT_EQ(7, SelectorEntryMonth(CalendarView::HalfYear, 1));
    EXPECT_EQ(7, SelectorEntryMonth(CalendarView::HalfYear, 9));  // bad index: nearest entry
    EXPECT_EQ(3, SelectorEntryOfMonth(CalendarView::QuarterAcross, 11));
    EXPECT_EQ(1, SelectorEntryOfMonth(CalendarView::HalfYear, 7));
    EXPECT_EQ(4, SelectorEntryOfMonth(CalendarView::Month, 5));
    EXPECT_EQ(5, MonthFromSelector(CalendarView::Month, 4, 9));
    EXPECT_EQ(8, MonthFromSelector(CalendarView::QuarterAcross, 2, 5));  // 2nd month of Q3
    EXPECT_EQ(9, MonthFromSelector(CalendarView::HalfYear, 1, 3));       // 3rd month of H2
    EXPECT_EQ(4, MonthFromSelector(CalendarView::FullYear, 1, 4));
}

TEST(PopupPlacement, StaysOnTheScreen) {
    const ScreenRect screen{0, 0, 800, 600};
    struct Case {
        ScreenRect anchor;
        int x, y;
    } cases[] = {
        {{100, 100, 200, 120}, 100, 120},  // below the control
        {{700, 100, 780, 120}, 600, 120},  // moved left by the overflow
        {{100, 500, 200, 520}, 100, 350},  // no room below: above the control
        {{-50, -30, 50, -10}, 0, 0},       // corner off the screen: moved onto it
        {{700, 560, 790, 580}, 600, 410},  // both
    };
    for (const Case& c : cases) {
        ScreenPoint p = PlaceDropDown(c.anchor, 200, 150, screen);
        EXPECT_EQ(c.x, p.x) << c.anchor.left << "," << c.anchor.top;
        EXPECT_EQ(c.y, p.y) << c.anchor.left << "," << c.anchor.top;
    }
    ScreenPoint huge = PlaceDropDown({100, 100, 200, 120}, 1000, 1000, screen);
    EXPECT_EQ(0, huge.x);
    EXPECT_EQ(0, huge.y);
}

}  // namespace
}  // namespace tw
