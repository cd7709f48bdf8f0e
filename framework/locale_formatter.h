#pragma once
// The locale's own formatters and values: dates, times of day and money as the user's regional
// settings show them. `Platform().locale` is the one in use; the program installs the Win32
// one (framework/win32/win32_locale_formatter.h), the portable one (English, United States)
// serves the command-line tool and the tests.
//
// Pictures use the system's picture language:
//   dates: d dd (day) ddd dddd (weekday name) M MM (month) MMM MMMM (month name) y yy yyyy
//   times: h hh (12-hour) H HH (24-hour) m mm s ss t tt (first letter / whole designator)
//   '...' is literal text, '' inside or outside quotes is one quote; other characters are copied.

#include <string>

#include "framework/cal_time.h"

namespace tw {

// A broken-down local date and time as handed to the formatters. Nothing is normalised: a
// formatter checks the fields it uses and fails on an out-of-range one (an hour of 24 or more
// fails the time formatter, which duration formatting relies on).
struct LocaleDateTime {
    int year = 1980;    // full year
    int month = 1;      // 1..12
    int day = 1;        // 1..31
    int hour = 0;       // 0..23
    int minute = 0;     // 0..59
    int second = 0;     // 0..59
    int dayOfWeek = 0;  // 0 Sunday .. 6 Saturday; the date formatter computes its own
};

// The local broken-down form of a calendar time, day of week included.
LocaleDateTime ToLocaleDateTime(CalTime t);

// Flags of FormatTime.
constexpr unsigned kTimeNoSeconds = 1u;    // leave out the seconds (and the separator before them)
constexpr unsigned kTimeForce24Hour = 2u;  // 24-hour hours and no designator, even with a picture

// The locale values a caller may ask for. Each is empty when the locale gives none.
enum class LocaleValue {
    kTimeSeparator,             // e.g. ":"
    kDateSeparator,             // e.g. "/"
    kShortDatePicture,          // e.g. "M/d/yyyy"
    kTimePicture,               // e.g. "h:mm:ss tt"
    kAmDesignator,              // e.g. "AM"
    kPmDesignator,              // e.g. "PM"
    kDecimalSeparator,          // e.g. "."
    kMonetaryDecimalSeparator,  // e.g. "."
    kCurrencySymbol,            // e.g. "$"
};

class ILocaleFormatter {
public:
    virtual ~ILocaleFormatter() = default;

    // Formats the date of `when` with `picture`, or with the locale's short date when the
    // picture is empty. Returns false (and leaves `out` empty) for an invalid date.
    virtual bool FormatDate(const LocaleDateTime& when, const std::string& picture,
                            std::string& out) const = 0;

    // Formats the time of day of `when` with `picture`, or with the locale's own time form
    // when the picture is empty; `flags` is a combination of kTimeNoSeconds and
    // kTimeForce24Hour. Returns false (and leaves `out` empty) for an invalid time.
    virtual bool FormatTime(const LocaleDateTime& when, const std::string& picture, unsigned flags,
                            std::string& out) const = 0;

    // Formats a plain number text ("1234.50", "-5.00": an optional leading '-', digits, an
    // optional '.' and decimals; an empty digit run reads as 0) as the locale's money
    // ("$1,234.50", "($5.00)"), rounded to the locale's decimals. Returns false (and leaves
    // `out` empty) when the text is not such a number.
    virtual bool FormatCurrency(const std::string& number, std::string& out) const = 0;

    // One value of the user's locale; empty when the locale gives none.
    virtual std::string Value(LocaleValue which) const = 0;

    // An integer of the system's "intl" settings section ("iTime", "iDate"), or the default.
    virtual int IntlProfileInt(const char* key, int defaultValue) const = 0;
};

}  // namespace tw
