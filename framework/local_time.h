#pragma once
// Conversions between calendar seconds and local broken-down time.

#include "framework/cal_time.h"

namespace tw {

struct LocalParts {
    int year;    // full year, e.g. 2026
    int month;   // 1..12
    int day;     // 1..31
    int hour;    // 0..23
    int minute;  // 0..59
    int second;  // 0..59
};

// Local broken-down time to calendar seconds (mktime semantics: out-of-range parts carry).
CalTime MakeLocalTime(const LocalParts& p);

// Calendar seconds to local broken-down time.
LocalParts SplitLocalTime(CalTime t);

// Days in the month of the given year (Gregorian leap rules).
int DaysInMonth(int year, int month);

}  // namespace tw
