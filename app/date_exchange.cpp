#include "app/date_exchange.h"

#include <algorithm>

#include "framework/local_time.h"

namespace tw {

namespace {

int CompleteYear(int year, int oldYear) {
    if (year >= 100 || year < 0) return year;
    if (year >= 70) return 1900 + year;
    if (year <= 37) return 2000 + year;
    return oldYear;
}

// The date limited to 1970-2037, months 1-12 and the days of its month.
void LimitDate(LocalParts& p) {
    p.year = std::clamp(p.year, 1970, 2037);
    p.month = std::clamp(p.month, 1, 12);
    p.day = std::clamp(p.day, 1, DaysInMonth(p.year, p.month));
}

}  // namespace

CalTime TimeFromDateControl(const DateParts& control, bool controlIsNull, CalTime old) {
    if (controlIsNull || old == kNullTime) return old;
    LocalParts p = SplitLocalTime(old);
    p.year = CompleteYear(control.year, p.year);
    p.month = control.month;
    p.day = control.day;
    LimitDate(p);
    return MakeLocalTime(p);
}

CalTime TimeFromTimeControl(const TimeOfDayParts& control, bool controlIsNull, CalTime old) {
    if (controlIsNull || old == kNullTime) return old;
    LocalParts p = SplitLocalTime(old);
    LimitDate(p);
    p.hour = std::clamp(control.hour, 0, 23);
    p.minute = std::clamp(control.minute, 0, 59);
    p.second = std::clamp(control.second, 0, 59);
    return MakeLocalTime(p);
}

bool DateForControl(CalTime t, DateParts& out) {
    if (t == kNullTime) return false;
    const LocalParts p = SplitLocalTime(t);
    out = {p.year, p.month, p.day};
    return true;
}

TimeOfDayParts TimeOfDayForControl(CalTime t) {
    const LocalParts p = SplitLocalTime(t);
    return {p.hour, p.minute, p.second};
}

}  // namespace tw
