// Random texts through the parsers (fixed seed, so a failure repeats): whatever the bytes, the
// parsers answer within their documented results. The sanitizer build runs this too.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "doc/display_formats.h"
#include "framework/portable_locale_formatter.h"
#include "tests/doc/chosen_locale.h"

namespace tw {
namespace {

// Mostly characters the parsers care about, some of every other byte value.
std::string RandomText(std::mt19937& random) {
    static const char kInteresting[] = "0123456789::..,,$$- ";
    std::uniform_int_distribution<int> lengthKind(0, 9);
    std::uniform_int_distribution<int> shortLength(0, 12);
    std::uniform_int_distribution<int> longLength(100, 4000);
    std::uniform_int_distribution<int> pick(0, 99);
    std::uniform_int_distribution<int> interesting(0, sizeof kInteresting - 2);
    std::uniform_int_distribution<int> anyByte(0, 255);
    const int length = lengthKind(random) == 0 ? longLength(random) : shortLength(random);
    std::string text;
    for (int i = 0; i < length; ++i)
        text.push_back(pick(random) < 85 ? kInteresting[interesting(random)]
                                         : static_cast<char>(anyByte(random)));
    return text;
}

bool OnlyDigitsAnd(const std::string& text, const char* allowed) {
    for (char c : text)
        if (!(c >= '0' && c <= '9') && std::string(allowed).find(c) == std::string::npos)
            return false;
    return true;
}

TEST(DisplayFormatsRandom, ParsersStayWithinTheirResults) {
    const LocaleFormats formats = LoadLocaleFormats(PortableLocaleFormatterInstance());
    std::mt19937 random(20261208);
    int accepted = 0;
    for (int i = 0; i < 5000; ++i) {
        const std::string text = RandomText(random);
        for (bool decimal : {false, true}) {
            Duration s = -1;
            if (ParseDuration(text, decimal, formats, s)) {
                ++accepted;
                EXPECT_GE(s, 0) << text;
                EXPECT_TRUE(OnlyDigitsAnd(text, decimal ? "." : ":.")) << text;
            }
        }
        const float money = ParseMoney(text, formats);
        EXPECT_TRUE(std::isfinite(money)) << text;
        EXPECT_GE(money, 0.0f) << text;
    }
    EXPECT_GT(accepted, 100);  // the generator does reach the accepting paths
}

// Every duration the clock form shows reads back as itself (whole minutes), also past 24 hours.
TEST(DisplayFormatsRandom, ShownDurationsReadBack) {
    const LocaleFormats formats = LoadLocaleFormats(PortableLocaleFormatterInstance());
    TimeDisplaySettings minutes;
    minutes.increment = 1;
    TimeDisplaySettings seconds;
    seconds.increment = 0;
    std::mt19937 random(7);
    std::uniform_int_distribution<Duration> duration(0, 2000 * 3600);
    for (int i = 0; i < 3000; ++i) {
        const Duration d = duration(random);
        for (const TimeDisplaySettings& settings : {minutes, seconds}) {
            const std::string text =
                FormatDuration(d, false, settings, formats, PortableLocaleFormatterInstance());
            Duration back = -1;
            ASSERT_TRUE(ParseDuration(text, false, formats, back)) << text;
            EXPECT_EQ(back, RoundDuration(d, false, settings)) << text;
        }
    }
}

// The number handed to the currency formatter is printf's "%.2f" of the amount, exact ties
// (multiples of 1/8) and negative zero included; a refusing locale shows it after a "$".
TEST(DisplayFormatsRandom, MoneyNumberIsPrintfTwoDecimals) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> eighths(-800000, 800000);
    std::uniform_real_distribution<float> wide(-1e7f, 1e7f);
    std::vector<float> amounts = {0.0f, -0.0f, -0.001f, 0.125f,   0.375f,
                                  2.5f, 1e20f, -3e38f,  INFINITY, -INFINITY};
    for (int i = 0; i < 2000; ++i) {
        amounts.push_back(static_cast<float>(eighths(random)) / 8.0f);
        amounts.push_back(wide(random));
    }
    for (float amount : amounts) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "$%.2f", static_cast<double>(amount));
        EXPECT_EQ(FormatMoney(amount, ChosenLocale()), expected) << amount;
    }
}

}  // namespace
}  // namespace tw
