#pragma once
// Dates and times of day of calendar times as text.

#include <string>

#include "framework/locale_formatter.h"
#include "doc/time_range.h"

namespace tw {

// The local date of `t`: the locale's short date, or "MM/dd/yyyy" when `fixed`; the C
// library's "%x" form when the formatter fails.
std::string FormatDate(CalTime t, bool fixed, const ILocaleFormatter& locale);

// The local time of day of `t` without seconds: the locale's own form, or "HH:mm" (24-hour)
// when `fixed`; the C library's "%X" form when the formatter fails.
std::string FormatTimeOfDay(CalTime t, bool fixed, const ILocaleFormatter& locale);

}  // namespace tw
