#include "framework/locale_formatter.h"

#include "framework/local_time.h"
#include "framework/locale_render.h"

namespace tw {

LocaleDateTime ToLocaleDateTime(CalTime t) {
    const LocalParts p = SplitLocalTime(t);
    LocaleDateTime when;
    when.year = p.year;
    when.month = p.month;
    when.day = p.day;
    when.hour = p.hour;
    when.minute = p.minute;
    when.second = p.second;
    when.dayOfWeek = DayOfWeek(p.year, p.month, p.day);
    return when;
}

}  // namespace tw
