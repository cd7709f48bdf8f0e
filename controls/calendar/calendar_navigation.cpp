#include "controls/calendar/calendar_navigation.h"

#include <algorithm>

namespace tw {

namespace {

// The real day nearest to `date` within its month (the date itself when it is real).
DayDate NearestRealDay(DayDate date) {
    int last = MonthLength(date.month, date.year);
    if (last == 0) return date;
    date.day = std::clamp(date.day, 1, last);
    if (IsInReformGap(date.month, date.day, date.year))
        date.day = StepDayInMonth(date.month, 2, date.year, 1);
    return date;
}

DayDate MoveDays(DayDate date, int days) {
    DayDate moved = DateFromDayNumber(DayNumber(date.month, date.day, date.year) + days);
    return moved.month == date.month && moved.year == date.year ? moved : date;
}

DayDate MoveMonths(DayDate date, int months) {
    int month = date.month + months;
    if (month < 1 || month > 12) return date;
    return NearestRealDay({month, date.day, date.year});
}

}  // namespace

DayDate MoveCalendarDate(DayDate date, CalendarMove move) {
    if (MonthLength(date.month, date.year) == 0 || date.year < 1) return date;
    date = NearestRealDay(date);
    switch (move) {
        case CalendarMove::DayBack: return MoveDays(date, -1);
        case CalendarMove::DayForward: return MoveDays(date, 1);
        case CalendarMove::WeekBack: return MoveDays(date, -7);
        case CalendarMove::WeekForward: return MoveDays(date, 7);
        case CalendarMove::MonthBack: return MoveMonths(date, -1);
        case CalendarMove::MonthForward: return MoveMonths(date, 1);
    }
    return date;
}

int MonthsPerSelectorEntry(CalendarView view) {
    switch (view) {
        case CalendarView::Month: return 1;
        case CalendarView::QuarterAcross:
        case CalendarView::QuarterDown: return 3;
        case CalendarView::HalfYear: return 6;
        case CalendarView::FullYear: break;
    }
    return 0;
}

int SelectorEntryCount(CalendarView view) {
    int per = MonthsPerSelectorEntry(view);
    return per ? 12 / per : 0;
}

int SelectorEntryMonth(CalendarView view, int entry) {
    return std::clamp(entry, 0, std::max(SelectorEntryCount(view) - 1, 0)) *
               MonthsPerSelectorEntry(view) +
           1;
}

int SelectorEntryOfMonth(CalendarView view, int month) {
    int per = MonthsPerSelectorEntry(view);
    return per ? (std::clamp(month, 1, 12) - 1) / per : 0;
}

int MonthFromSelector(CalendarView view, int entry, int current) {
    int per = MonthsPerSelectorEntry(view);
    if (per == 0) return current;
    int positionInEntry = (std::clamp(current, 1, 12) - 1) % per;
    return SelectorEntryMonth(view, entry) + positionInEntry;
}

}  // namespace tw
