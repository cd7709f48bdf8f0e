#include "doc/display_formats_dates.h"

#include <ctime>

namespace tw {

namespace {

// The C library's form of `t` for a one-conversion pattern such as "%x".
std::string CLibraryForm(const LocaleDateTime& when, const char* pattern) {
    std::tm parts{};
    parts.tm_year = when.year - 1900;
    parts.tm_mon = when.month - 1;
    parts.tm_mday = when.day;
    parts.tm_hour = when.hour;
    parts.tm_min = when.minute;
    parts.tm_sec = when.second;
    parts.tm_wday = when.dayOfWeek;
    parts.tm_isdst = -1;
    char buffer[128];
    const size_t length = std::strftime(buffer, sizeof buffer, pattern, &parts);
    return std::string(buffer, length);
}

}  // namespace

std::string FormatDate(CalTime t, bool fixed, const ILocaleFormatter& locale) {
    static const std::string kFixed = "MM'/'dd'/'yyyy";
    static const std::string kLocaleShortDate;
    const LocaleDateTime when = ToLocaleDateTime(t);
    std::string text;
    if (locale.FormatDate(when, fixed ? kFixed : kLocaleShortDate, text)) return text;
    return CLibraryForm(when, "%x");
}

std::string FormatTimeOfDay(CalTime t, bool fixed, const ILocaleFormatter& locale) {
    static const std::string kFixed = "HH':'mm";
    static const std::string kLocaleTime;
    const LocaleDateTime when = ToLocaleDateTime(t);
    const unsigned flags = fixed ? kTimeNoSeconds | kTimeForce24Hour : kTimeNoSeconds;
    std::string text;
    if (locale.FormatTime(when, fixed ? kFixed : kLocaleTime, flags, text)) return text;
    return CLibraryForm(when, "%X");
}

}  // namespace tw
