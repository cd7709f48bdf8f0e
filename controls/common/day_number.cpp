#include "controls/common/day_number.h"

namespace tw {

namespace {

// The calendar reform: Julian rule up to 1752, and September 1752 went from the 2nd to the 14th.
enum Reform { kReformYear = 1752, kReformMonth = 9, kGapFirst = 3, kGapLast = 13 };
constexpr int kGapLength = kGapLast - kGapFirst + 1;

constexpr int kLastCountedYear = 99999;  // keeps the year search far from overflow

constexpr int kCommonLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Floor division, so that years before 1 still count leap days consistently.
int32_t FloorDiv(int32_t a, int32_t b) {
    int32_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int32_t LeapDaysBefore(int year) {
    int32_t y = year - 1;
    if (year <= kReformYear) return FloorDiv(y, 4);
    return FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) + 13;
}

bool IsAfterGap(int month, int day, int year) {
    if (year != kReformYear) return year > kReformYear;
    if (month != kReformMonth) return month > kReformMonth;
    return day > kGapLast;
}

int32_t DaysInMonthsBefore(int month, int year) {
    int32_t days = 0;
    for (int m = 1; m < month && m <= 12; ++m) days += MonthLength(m, year);
    return days;
}

}  // namespace

bool IsLeapYear(int year) {
    if (year <= kReformYear) return FloorDiv(year, 4) * 4 == year;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int MonthLength(int month, int year) {
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsLeapYear(year)) return 29;
    return kCommonLengths[month - 1];
}

void MonthLengths(int year, int lengths[12]) {
    for (int m = 1; m <= 12; ++m) lengths[m - 1] = MonthLength(m, year);
}

int32_t DayNumber(int month, int day, int year) {
    int32_t base = int32_t(year - 1) * 365 + LeapDaysBefore(year);
    if (IsAfterGap(month, day, year)) base -= kGapLength;
    return base + DaysInMonthsBefore(month, year) + (day - 1);
}

DayDate DateFromDayNumber(int32_t number) {
    const int32_t largest = DayNumber(1, 1, kLastCountedYear + 1) - 1;
    if (number < 0) number = 0;
    if (number > largest) number = largest;
    // Estimate the year from the mean year length, then correct by whole years.
    int year = int(number / 365.2425) + 1;
    while (year > 1 && DayNumber(1, 1, year) > number) --year;
    while (DayNumber(1, 1, year + 1) <= number) ++year;
    int month = 1;
    while (month < 12 && DayNumber(month + 1, 1, year) <= number) ++month;
    int day = 1 + (number - DayNumber(month, 1, year));
    // Inside September 1752 the count runs 2 -> 14: days past the 2nd shift over the gap.
    if (year == kReformYear && month == kReformMonth && day >= kGapFirst) day += kGapLength;
    return {month, day, year};
}

int WeekdayOf(int month, int day, int year) {
    int32_t weekday = (DayNumber(month, day, year) + 6) % 7;
    return int(weekday < 0 ? weekday + 7 : weekday);
}

bool IsInReformGap(int month, int day, int year) {
    return year == kReformYear && month == kReformMonth && day >= kGapFirst && day <= kGapLast;
}

bool IsRealDate(int month, int day, int year) {
    if (month < 1 || month > 12 || year < 1 || year > 9999) return false;
    if (day < 1 || day > MonthLength(month, year)) return false;
    return !IsInReformGap(month, day, year);
}

int StepDayInMonth(int month, int day, int year, int delta) {
    int last = MonthLength(month, year);
    if (last == 0) return day;
    if (day < 1 || day > last) return day < 1 ? 1 : last;  // bring a stray day back first
    int step = delta < 0 ? -1 : 1;
    for (int n = delta < 0 ? -delta : delta; n > 0; --n) {
        int next = day + step;
        if (IsInReformGap(month, next, year)) next = step > 0 ? kGapLast + 1 : kGapFirst - 1;
        if (next < 1 || next > last) break;
        day = next;
    }
    return day;
}

}  // namespace tw
