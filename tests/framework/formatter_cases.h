#pragma once
// Cases of the locale formatter for English (United States), the default locale of the test
// machines. The portable formatter runs them in every build, the Win32 one under Wine: both must
// give these texts. A null expectation means the formatter must fail.

#include <gtest/gtest.h>

#include <string>

#include "framework/locale_formatter.h"

namespace tw::formatter_cases {

struct TimeCase {
    int hour, minute, second;
    const char* picture;  // "" for the locale's own form
    unsigned flags;
    const char* expected;
};

const unsigned kNoSec = kTimeNoSeconds;
const unsigned k24 = kTimeForce24Hour;

const TimeCase kTimeCases[] = {
    // The locale's own form, and the common pictures.
    {13, 5, 7, "", 0, "1:05:07 PM"},
    {0, 0, 0, "", 0, "12:00:00 AM"},
    {23, 59, 59, "h:mm:ss tt", 0, "11:59:59 PM"},
    {13, 5, 7, "hh:mm:ss t", 0, "01:05:07 P"},
    {13, 5, 7, "HH:mm:ss", 0, "13:05:07"},
    {0, 5, 0, "HH:mm", 0, "00:05"},
    {13, 5, 7, "h:m:s", 0, "1:5:7"},
    {13, 5, 7, "hhh:mmm:sss ttt", 0, "01:05:07 PM"},
    {13, 5, 7, "tt h:mm:ss", 0, "PM 1:05:07"},
    // Literals: quoted text, quotes inside quotes, an unterminated quote, other characters.
    {13, 5, 7, "HH':'mm", 0, "13:05"},
    {13, 5, 7, "'It''s' h", 0, "It's 1"},
    {13, 5, 7, "h'abc", 0, "1abc"},
    {13, 5, 7, "h 's' ss", 0, "1 s 07"},
    // Without seconds: the field goes with the text before it and the non-blank text after it.
    {13, 5, 7, "", kNoSec, "1:05 PM"},
    {13, 5, 7, "h:mm:ss tt", kNoSec, "1:05 PM"},
    {13, 5, 7, "ss", kNoSec, ""},
    {13, 5, 7, "ss h", kNoSec, " 1"},
    {13, 5, 7, "h.ss:mm", kNoSec, "105"},
    {13, 5, 7, "h.ss mm", kNoSec, "1 05"},
    {13, 5, 7, "h 's' ss", kNoSec, "1"},
    {13, 5, 7, "h:mm:sstt", kNoSec, "1:05PM"},
    {13, 5, 7, "h:mm:ss 'x' tt", kNoSec, "1:05  PM"},
    {13, 5, 7, "h:ss;ss:mm", kNoSec, "105"},
    {13, 5, 7, "hh:mm:ss tt 'z'", kNoSec, "01:05 PM z"},
    // A forced 24-hour clock turns h into H and keeps the designator.
    {13, 5, 7, "", k24, "13:05:07 PM"},
    {0, 5, 7, "h:mm:ss tt", k24, "0:05:07 AM"},
    {0, 5, 7, "hh:mm:ss tt", k24, "00:05:07 AM"},
    {9, 5, 7, "hh:mm", k24, "09:05"},
    {13, 5, 7, "h:mm tt", k24 | kNoSec, "13:05 PM"},
    {23, 59, 59, "H:mm", k24 | kNoSec, "23:59"},
    // Out-of-range fields fail, whatever the picture.
    {24, 0, 0, "H:mm", k24 | kNoSec, nullptr},
    {25, 10, 0, "h:mm:ss tt", 0, nullptr},
    {10, 60, 0, "", 0, nullptr},
    {10, 0, 60, "H:mm", kNoSec, nullptr},
    {-1, 0, 0, "", 0, nullptr},
};

struct DateCase {
    int year, month, day;
    const char* picture;  // "" for the locale's short date
    const char* expected;
};

const DateCase kDateCases[] = {
    {2026, 3, 5, "", "3/5/2026"},
    {2026, 3, 5, "MM'/'dd'/'yyyy", "03/05/2026"},
    {2026, 3, 5, "d dd ddd dddd", "5 05 Thu Thursday"},
    {2026, 3, 5, "M MM MMM MMMM MMMMM", "3 03 Mar March March"},
    {2026, 3, 5, "y yy yyy yyyy yyyyy", "26 26 2026 2026 2026"},
    {2009, 3, 5, "y yy", "09 09"},
    {2026, 3, 5, "'a''b'", "a'b"},
    {2026, 3, 5, "dddd, MMMM d, yyyy", "Thursday, March 5, 2026"},
    {2026, 3, 5, "yy-M-d", "26-3-5"},
    {2026, 3, 5, "h:mm d", "h:mm 5"},
    {2026, 3, 5, "'unterminated", "unterminated"},
    {2024, 2, 29, "dddd", "Thursday"},
    {1601, 1, 1, "dddd yyyy", "Monday 1601"},
    {1980, 1, 1, "ddd MMM d yyyy", "Tue Jan 1 1980"},
    {2026, 13, 1, "", nullptr},
    {2026, 4, 31, "", nullptr},
    {2026, 3, 0, "", nullptr},
    {1600, 1, 1, "", nullptr},
};

struct CurrencyCase {
    const char* number;
    const char* expected;
};

const CurrencyCase kCurrencyCases[] = {
    {"1234.50", "$1,234.50"}, {"-5.00", "($5.00)"},
    {"0.00", "$0.00"},        {"-0.00", "($0.00)"},
    {"1234.5", "$1,234.50"},  {"12.345", "$12.35"},
    {".5", "$0.50"},          {"0001234.50", "$1,234.50"},
    {"0.005", "$0.01"},       {"-0.005", "($0.01)"},
    {"1.999", "$2.00"},       {"999.994", "$999.99"},
    {"abc", nullptr},         {"1,234.50", nullptr},
    {"+5.00", nullptr},       {" 5.00", nullptr},
    {"1e3", nullptr},         {"", "$0.00"},  // empty digit runs read as 0
    {"-", "($0.00)"},         {".", "$0.00"},
    {"--5", nullptr},         {"5.5.5", nullptr},
    {"5-", nullptr},
};

struct ValueCase {
    LocaleValue which;
    const char* expected;
};

const ValueCase kValueCases[] = {
    {LocaleValue::kTimeSeparator, ":"},           {LocaleValue::kDateSeparator, "/"},
    {LocaleValue::kShortDatePicture, "M/d/yyyy"}, {LocaleValue::kTimePicture, "h:mm:ss tt"},
    {LocaleValue::kAmDesignator, "AM"},           {LocaleValue::kPmDesignator, "PM"},
    {LocaleValue::kDecimalSeparator, "."},        {LocaleValue::kMonetaryDecimalSeparator, "."},
    {LocaleValue::kCurrencySymbol, "$"},
};

// Checks one formatter result against an expectation (null: must fail, text left empty).
inline void ExpectResult(bool ok, const std::string& out, const char* expected,
                         const std::string& what) {
    if (expected == nullptr) {
        EXPECT_FALSE(ok) << what << " gave \"" << out << "\"";
        EXPECT_EQ(out, "") << what;
    } else {
        EXPECT_TRUE(ok) << what;
        EXPECT_EQ(out, expected) << what;
    }
}

inline void ExpectTimeCases(const ILocaleFormatter& f) {
    for (const TimeCase& c : kTimeCases) {
        LocaleDateTime when;
        when.year = 2026, when.month = 3, when.day = 5;
        when.hour = c.hour, when.minute = c.minute, when.second = c.second;
        std::string out = "stale";
        const bool ok = f.FormatTime(when, c.picture, c.flags, out);
        ExpectResult(ok, out, c.expected,
                     "time " + std::to_string(c.hour) + ":" + std::to_string(c.minute) + ":" +
                         std::to_string(c.second) + " [" + c.picture + "] flags " +
                         std::to_string(c.flags));
    }
}

inline void ExpectDateCases(const ILocaleFormatter& f) {
    for (const DateCase& c : kDateCases) {
        LocaleDateTime when;
        when.year = c.year, when.month = c.month, when.day = c.day, when.hour = 10;
        when.dayOfWeek = 0;  // deliberately wrong: the formatter works the weekday out itself
        std::string out = "stale";
        const bool ok = f.FormatDate(when, c.picture, out);
        ExpectResult(ok, out, c.expected,
                     "date " + std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                         std::to_string(c.day) + " [" + c.picture + "]");
    }
}

inline void ExpectCurrencyCases(const ILocaleFormatter& f) {
    for (const CurrencyCase& c : kCurrencyCases) {
        std::string out = "stale";
        const bool ok = f.FormatCurrency(c.number, out);
        ExpectResult(ok, out, c.expected, std::string("currency [") + c.number + "]");
    }
}

inline void ExpectValueCases(const ILocaleFormatter& f) {
    for (const ValueCase& c : kValueCases)
        EXPECT_EQ(f.Value(c.which), c.expected) << "value " << static_cast<int>(c.which);
    EXPECT_EQ(f.IntlProfileInt("iTime", 7), 0);
    EXPECT_EQ(f.IntlProfileInt("iDate", 7), 0);
}

}  // namespace tw::formatter_cases
