#pragma once
// The arithmetic of exchanging a calendar time with a date-edit or time-edit control: which date
// or time of day a control shows for a time, and which time a control's date or time of day
// gives together with the rest of the old time.

#include "framework/cal_time.h"

namespace tw {

constexpr CalTime kNullTime = -1;  // a record field with no time

struct DateParts {
    int year;
    int month;
    int day;
};

struct TimeOfDayParts {
    int hour;
    int minute;
    int second;
};

// The time of the control's date with the time of day of `old`. A year below 100 is completed
// (70-99: 1970-1999, 0-37: 2000-2037, 38-69: the year of `old`); the year is then limited to
// 1970-2037, the month to 1-12 and the day to the month's length. A null control, or a null
// `old`, leaves `old` as it is.
CalTime TimeFromDateControl(const DateParts& control, bool controlIsNull, CalTime old);

// The time of the control's time of day (limited to 0-23, 0-59, 0-59) on the date of `old`
// (year 1970-2037, month 1-12, day within the month). A null control, or a null `old`, leaves
// `old` as it is.
CalTime TimeFromTimeControl(const TimeOfDayParts& control, bool controlIsNull, CalTime old);

// What a date control shows for `t`; false for the null time (the control is made null).
bool DateForControl(CalTime t, DateParts& out);
// What a time control shows for `t`.
TimeOfDayParts TimeOfDayForControl(CalTime t);

}  // namespace tw
