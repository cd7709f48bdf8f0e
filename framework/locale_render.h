#pragma once
// Renders parsed date and time pictures with a locale's names and designators, the way the
// system formatters do (checked against them on English, United States).

#include <string>

#include "framework/locale_formatter.h"
#include "framework/locale_picture.h"

namespace tw {

struct LocaleNames {
    const char* const* dayNames;      // 7 entries, Sunday first
    const char* const* dayAbbrevs;    // 7 entries
    const char* const* monthNames;    // 12 entries, January first
    const char* const* monthAbbrevs;  // 12 entries
    const char* am;                   // morning designator
    const char* pm;                   // afternoon designator
};

// A date the date formatter accepts: years 1601..30827 and a real day of the month.
bool IsFormattableDate(const LocaleDateTime& when);

// A time the time formatter accepts: 0..23 hours, 0..59 minutes and seconds.
bool IsFormattableTime(const LocaleDateTime& when);

// 0 Sunday .. 6 Saturday for a Gregorian date.
int DayOfWeek(int year, int month, int day);

// Appends the rendered picture to `out`. The date must be formattable.
void RenderDate(const Picture& picture, const LocaleDateTime& when, const LocaleNames& names,
                std::string& out);

// Appends the rendered picture to `out`; `flags` as ILocaleFormatter::FormatTime. Without
// seconds, a seconds field goes together with the text since the field before it and with the
// non-blank text after it. The time must be formattable.
void RenderTime(const Picture& picture, const LocaleDateTime& when, unsigned flags,
                const LocaleNames& names, std::string& out);

}  // namespace tw
