#include "framework/portable_locale_formatter.h"

#include <gtest/gtest.h>

#include "framework/locale_formatter.h"
#include "tests/framework/formatter_cases.h"

namespace tw {
namespace {

using namespace formatter_cases;

TEST(PortableLocaleFormatter, TimeCases) { ExpectTimeCases(PortableLocaleFormatterInstance()); }

TEST(PortableLocaleFormatter, DateCases) { ExpectDateCases(PortableLocaleFormatterInstance()); }

TEST(PortableLocaleFormatter, CurrencyCases) {
    ExpectCurrencyCases(PortableLocaleFormatterInstance());
}

TEST(PortableLocaleFormatter, ValueCases) { ExpectValueCases(PortableLocaleFormatterInstance()); }

// Texts far longer than any usual picture come out whole (Wine's formatters refuse results
// beyond about 128 characters, so this is not in the shared table).
TEST(PortableLocaleFormatter, LongTexts) {
    const ILocaleFormatter& f = PortableLocaleFormatterInstance();
    const std::string literal(1000, 'x');
    LocaleDateTime when;
    when.year = 2026, when.month = 3, when.day = 5, when.hour = 13, when.minute = 5;
    std::string out;
    EXPECT_TRUE(f.FormatTime(when, "H:mm '" + literal + "'", 0, out));
    EXPECT_EQ(out, "13:05 " + literal);
    EXPECT_TRUE(f.FormatDate(when, "dddd '" + literal + "'", out));
    EXPECT_EQ(out, "Thursday " + literal);
    EXPECT_TRUE(f.FormatCurrency(std::string(300, '0') + "7.25", out));
    EXPECT_EQ(out, "$7.25");
}

// Every group of three digits is separated, also one that a rounding carry creates (Windows does
// this; Wine groups only the last three digits and before rounding, so these cases are not in
// the shared table).
TEST(PortableLocaleFormatter, GroupsEveryThreeDigits) {
    const ILocaleFormatter& f = PortableLocaleFormatterInstance();
    std::string out;
    ASSERT_TRUE(f.FormatCurrency("1234567.891", out));
    EXPECT_EQ(out, "$1,234,567.89");
    ASSERT_TRUE(f.FormatCurrency("-99999999999999999999.99", out));
    EXPECT_EQ(out, "($99,999,999,999,999,999,999.99)");
    ASSERT_TRUE(f.FormatCurrency("999.995", out));
    EXPECT_EQ(out, "$1,000.00");
}

// Two quotes outside quoted text are one quote, as the system documents it (Wine drops them,
// so this is not in the shared table).
TEST(PortableLocaleFormatter, DoubledQuoteOutsideQuotesIsAQuote) {
    const ILocaleFormatter& f = PortableLocaleFormatterInstance();
    LocaleDateTime when;
    when.year = 2026, when.month = 3, when.day = 5, when.hour = 13, when.minute = 5;
    std::string out;
    ASSERT_TRUE(f.FormatTime(when, "h''mm", 0, out));
    EXPECT_EQ(out, "1'05");
    ASSERT_TRUE(f.FormatDate(when, "d''M 'o''clock'", out));
    EXPECT_EQ(out, "5'3 o'clock");
}

// Many different pictures overflow the cache; every one of them must still format right.
TEST(PortableLocaleFormatter, ManyPicturesStayCorrect) {
    const ILocaleFormatter& f = PortableLocaleFormatterInstance();
    LocaleDateTime when;
    when.hour = 13, when.minute = 5, when.second = 7;
    for (int i = 0; i < 300; ++i) {
        std::string out;
        const std::string picture = "H:mm'#" + std::to_string(i) + "'";
        ASSERT_TRUE(f.FormatTime(when, picture, 0, out));
        EXPECT_EQ(out, "13:05#" + std::to_string(i));
    }
}

}  // namespace
}  // namespace tw
