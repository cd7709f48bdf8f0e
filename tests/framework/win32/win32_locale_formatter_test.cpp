#include "framework/win32/win32_locale_formatter.h"

#include <gtest/gtest.h>

#include "tests/doc/formatter_cases.h"

namespace tw {
namespace {

using namespace formatter_cases;

// The same table as the portable formatter's: the two must agree on English (United States).
TEST(Win32LocaleFormatter, TimeCases) { ExpectTimeCases(Win32LocaleFormatter()); }

TEST(Win32LocaleFormatter, DateCases) { ExpectDateCases(Win32LocaleFormatter()); }

TEST(Win32LocaleFormatter, CurrencyCases) { ExpectCurrencyCases(Win32LocaleFormatter()); }

TEST(Win32LocaleFormatter, ValueCases) { ExpectValueCases(Win32LocaleFormatter()); }

// Fields beyond a 16-bit SYSTEMTIME member fail instead of wrapping into a valid value.
TEST(Win32LocaleFormatter, FieldsOutsideSystemTimeFail) {
    Win32LocaleFormatter f;
    std::string out;
    LocaleDateTime when;
    when.hour = 65536 + 13;  // would wrap to 13
    EXPECT_FALSE(f.FormatTime(when, "H:mm", 0, out));
    when = LocaleDateTime();
    when.year = 65536 + 2026;
    EXPECT_FALSE(f.FormatDate(when, "", out));
    when = LocaleDateTime();
    when.minute = -65536;
    EXPECT_FALSE(f.FormatTime(when, "", 0, out));
    EXPECT_EQ(out, "");
}

TEST(Win32LocaleFormatter, MissingIntlKeyGivesDefault) {
    EXPECT_EQ(Win32LocaleFormatter().IntlProfileInt("tallywickNoSuchKey", 42), 42);
    EXPECT_EQ(Win32LocaleFormatter().IntlProfileInt(nullptr, -3), -3);
}

}  // namespace
}  // namespace tw
