#pragma once
// Day arithmetic of the date edit and the calendar: a continuous day count from 1 January of
// year 1, Julian leap years up to 1752, Gregorian ones after, and the eleven days 3 to 13
// September 1752 that never existed. Plain values in, plain values out; every function is
// total (absurd months, days or years give a defined result, never an out-of-range access).

#include <cstdint>

namespace tw {

struct DayDate {
    int month;  // 1..12
    int day;    // 1..31
    int year;   // 1..9999
};

// Days from 1 January of year 1 (which is day 0). Unchecked: a day beyond the month's end
// simply counts on; a month outside 1..12 counts no or all twelve months before it.
int32_t DayNumber(int month, int day, int year);

// The date whose DayNumber is `number`; numbers outside years 1..99999 give the nearest end.
DayDate DateFromDayNumber(int32_t number);

// Day of the week, 0 = Sunday .. 6 = Saturday.
int WeekdayOf(int month, int day, int year);

// Every fourth year up to 1752; from 1753 on also not centuries unless divisible by 400.
bool IsLeapYear(int year);

// Nominal length of the month (September 1752 counts 30); 0 for a month outside 1..12.
int MonthLength(int month, int year);

// The twelve month lengths of the year, January first.
void MonthLengths(int year, int lengths[12]);

// True for 3..13 September 1752, the days the calendar reform left out.
bool IsInReformGap(int month, int day, int year);

// Month 1..12, year 1..9999, day 1..length, and not in the reform gap.
bool IsRealDate(int month, int day, int year);

// The day `delta` real days away within the same month, stopping at the 1st and the last day
// and stepping over the reform gap (2 and 14 September 1752 are neighbours). A day outside
// the month is first brought back to its nearest end, which counts as the step.
int StepDayInMonth(int month, int day, int year, int delta);

}  // namespace tw
