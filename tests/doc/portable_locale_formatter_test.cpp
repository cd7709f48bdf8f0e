#include "doc/portable_locale_formatter.h"

#include <gtest/gtest.h>

#include "doc/locale_formatter.h"
#include "doc/platform.h"
#include "tests/doc/formatter_cases.h"

namespace tw {
namespace {

using namespace formatter_cases;

TEST(PortableLocaleFormatter, TimeCases) { ExpectTimeCases(PortableLocaleFormatterInstance()); }

TEST(PortableLocaleFormatter, DateCases) { ExpectDateCases(PortableLocaleFormatterInstance()); }

TEST(PortableLocaleFormatter, CurrencyCases) {
    ExpectCurrencyCases(PortableLocaleFormatterInstance());
}

TEST(PortableLocaleFormatter, ValueCases) { ExpectValueCases(PortableLocaleFormatterInstance()); }

// Only iTime and iDate are known; any other key gives the caller's default.
TEST(PortableLocaleFormatter, UnknownIntlKeyGivesDefault) {
    EXPECT_EQ(PortableLocaleFormatterInstance().IntlProfileInt("iCountry", 42), 42);
    EXPECT_EQ(PortableLocaleFormatterInstance().IntlProfileInt(nullptr, -3), -3);
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

// The default services use the portable formatter.
TEST(PortableLocaleFormatter, IsThePlatformDefault) {
    EXPECT_EQ(Platform().locale, &PortableLocaleFormatterInstance());
}

}  // namespace
}  // namespace tw
