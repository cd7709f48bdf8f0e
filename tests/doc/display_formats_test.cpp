#include "doc/display_formats.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "framework/local_time.h"
#include "framework/platform.h"
#include "tests/support/platform_doubles.h"
#include "framework/portable_locale_formatter.h"
#include "tests/doc/chosen_locale.h"

namespace tw {
namespace {

const int H = 3600;
const int M = 60;

TimeDisplaySettings Mode(int increment, bool decimal = false, int hundredths = 5) {
    TimeDisplaySettings s;
    s.increment = increment;
    s.decimalNotation = decimal;
    s.hundredths = hundredths;
    return s;
}

const ILocaleFormatter& English() { return PortableLocaleFormatterInstance(); }
LocaleFormats EnglishFormats() { return LoadLocaleFormats(English()); }

// Its formatters refuse: the texts built without them.
using RefusingLocale = ChosenLocale;

TEST(DisplayFormats, IncrementMinutes) {
    const struct {
        int mode, hundredths, minutes;
    } cases[] = {
        {1, 5, 1},    {2, 5, 6}, {3, 5, 15}, {4, 5, 3},    {4, 10, 6}, {4, 12, 7}, {4, 25, 15},
        {4, 100, 60}, {4, 7, 4}, {4, 0, 3},  {4, 150, 60}, {7, 5, 1},  {-1, 5, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IncrementMinutes(Mode(c.mode, false, c.hundredths)), c.minutes)
            << "mode " << c.mode << " N " << c.hundredths;
}

TEST(DisplayFormats, RoundDuration) {
    const struct {
        int mode, hundredths;
        Duration s;
        bool exact;
        Duration expected;
    } cases[] = {
        {0, 5, 5447, false, 5447},  // seconds kept
        {1, 5, 0, false, 0},
        {1, 5, 1, false, 1 * M},  // a started minute counts
        {1, 5, 1 * H + 59 * M + 1, false, 2 * H},
        {1, 5, 1 * H + 59 * M + 1, true, 1 * H + 59 * M},  // exact: cut down
        {3, 5, 16 * M, false, 30 * M},
        {3, 5, 45 * M, false, 45 * M},
        {3, 5, 46 * M, false, 1 * H},
        {3, 5, 46 * M, true, 46 * M},  // exact ignores the increment
        {2, 5, 7 * M, false, 12 * M},
        {4, 12, 58 * M, false, 63 * M},  // 7 does not divide 60: restarts hourly
        {4, 12, 1 * H + 1, false, 1 * H + 7 * M},
        {4, 100, 1, false, 1 * H},
        {7, 5, 1, false, 1 * M},  // unknown mode counts as 1 minute
        {1, 5, -30, true, -60},   // negative: floor to whole minutes
        {1, 5, -30, false, 0},
        {3, 5, INT32_MAX, false, INT32_MAX},  // saturates instead of overflowing
        {1, 5, INT32_MAX, true, INT32_MAX - 7},
        {3, 5, INT32_MIN, false, -596523 * H},  // minutes counted from the hour below
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundDuration(c.s, c.exact, Mode(c.mode, false, c.hundredths)), c.expected)
            << "mode " << c.mode << " s " << c.s << " exact " << c.exact;
}

// Mode 4 with N = 10 is the 6-minute increment.
TEST(DisplayFormats, HundredthsTenEqualsSixMinutes) {
    for (Duration s = 0; s < 3 * H; s += 37) {
        EXPECT_EQ(RoundDuration(s, false, Mode(4, false, 10)), RoundDuration(s, false, Mode(2)));
        EXPECT_EQ(FormatDuration(s, false, Mode(4, true, 10), EnglishFormats(), English()),
                  FormatDuration(s, false, Mode(2, true), EnglishFormats(), English()));
    }
}

TEST(DisplayFormats, ComputeCharge) {
    const struct {
        int mode;
        Duration elapsed;
        float rate;
        const char* text;
    } cases[] = {
        {1, 1 * H + 30 * M, 30.0f, "$45.00"},
        {1, 30, 60.0f, "$1.00"},  // one started minute
        {0, 30, 60.0f, "$0.50"},
        {3, 1, 60.0f, "$15.00"},
        {1, 1 * H, 0.0f, "$0.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatCharge(c.elapsed, c.rate, Mode(c.mode), English()), c.text)
            << "mode " << c.mode << " elapsed " << c.elapsed << " rate " << c.rate;
}

// The single-precision constants show: 1/60 and 1/3600 as floats are a little off the exact
// values, and the charge carries that (a double 1/60 would give exactly 1000).
TEST(DisplayFormats, ChargeUsesSinglePrecisionConstants) {
    EXPECT_EQ(ComputeCharge(1, 1.0f, Mode(0)), 0.00027777778f);
    EXPECT_EQ(ComputeCharge(60, 1.0f, Mode(1)), 0.016666668f);
    const float thousandHours = ComputeCharge(1000 * H, 1.0f, Mode(1));
    EXPECT_GT(thousandHours, 1000.0f);
    EXPECT_LT(thousandHours, 1000.001f);
}

TEST(DisplayFormats, FormatDuration) {
    const struct {
        int mode;
        bool decimal;
        int hundredths;
        Duration d;
        bool clock;
        const char* text;
    } cases[] = {
        {1, false, 5, 1, false, "0:01"},
        {1, false, 5, 0, false, "0:00"},
        {1, false, 5, 1 * H + 59 * M + 1, false, "2:00"},
        {1, false, 5, 1 * H + 59 * M + 1, true, "1:59"},  // clock form rounds exactly
        {3, false, 5, 16 * M, false, "0:30"},
        {3, false, 5, 46 * M, false, "1:00"},
        {4, false, 12, 58 * M, false, "1:03"},
        {0, false, 5, 1 * H + 30 * M + 45, false, "1:30:45"},
        // From 24 hours on the formatter refuses; the text is built with "%02d".
        {1, false, 5, 25 * H + 10 * M, false, "25:10"},
        {0, false, 5, 24 * H + 5, false, "24:00:05"},
        {1, false, 5, INT32_MAX, false, "596523:14"},
        // Decimal hours.
        {2, true, 5, 7 * M, false, "00.20"},
        {0, true, 5, 1 * H + 30 * M + 45, false, "01.50"},
        {4, true, 5, 1 * H + 1, false, "01.05"},
        {1, true, 5, 26 * H + 59 * M, false, "26.98"},
        {2, true, 5, 7 * M, true, "0:07"},  // clock form asked for
        // Negative durations show their size with a sign.
        {1, false, 5, -60, false, "-0:01"},
        {0, false, 5, -(25 * H + 1), false, "-25:00:01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDuration(c.d, c.clock, Mode(c.mode, c.decimal, c.hundredths),
                                 EnglishFormats(), English()),
                  c.text)
            << "mode " << c.mode << " decimal " << c.decimal << " d " << c.d;
}

TEST(DisplayFormats, FormatDurationUsesLocaleSeparators) {
    LocaleFormats f = EnglishFormats();
    f.decimalSeparator = ",";
    f.timeSeparator = ".";
    EXPECT_EQ(FormatDuration(1 * H + 30 * M, false, Mode(3, true), f, English()), "01,50");
    EXPECT_EQ(FormatDuration(25 * H + 10 * M, false, Mode(1), f, English()), "25.10");
    EXPECT_EQ(FormatDuration(25 * H + 10 * M + 5, false, Mode(0), f, English()), "25.10.05");
    // Below 24 hours a refusing formatter gives the built text too.
    EXPECT_EQ(FormatDuration(1 * H + 5 * M, false, Mode(1), f, RefusingLocale()), "01.05");
    EXPECT_EQ(FormatDuration(5, false, Mode(0), f, RefusingLocale()), "00.00.05");
}

TEST(DisplayFormats, FormatMoney) {
    const struct {
        float amount;
        const char* text;
    } cases[] = {
        {1234.5f, "$1,234.50"}, {-5.0f, "($5.00)"},      {0.0f, "$0.00"},
        {19.99f, "$19.99"},     {1e6f, "$1,000,000.00"}, {FLT_MAX, nullptr},
    };
    for (const auto& c : cases) {
        const std::string text = FormatMoney(c.amount, English());
        if (c.text != nullptr)
            EXPECT_EQ(text, c.text) << c.amount;
        else
            EXPECT_EQ(text.substr(0, 4), "$340") << text;
    }
    EXPECT_EQ(FormatMoney(12.5f, RefusingLocale()), "$12.50");
    EXPECT_EQ(FormatMoney(-3.0f, RefusingLocale()), "$-3.00");
    // Not-a-number and infinity give some text, never a crash.
    EXPECT_EQ(FormatMoney(std::nanf(""), English()).substr(0, 1), "$");
    EXPECT_EQ(FormatMoney(INFINITY, English()).substr(0, 1), "$");
}

TEST(DisplayFormats, DatesAndTimesOfDay) {
    const CalTime t = MakeLocalTime(LocalParts{2026, 3, 5, 13, 5, 7});
    EXPECT_EQ(FormatDate(t, false, English()), "3/5/2026");
    EXPECT_EQ(FormatDate(t, true, English()), "03/05/2026");
    EXPECT_EQ(FormatTimeOfDay(t, false, English()), "1:05 PM");
    EXPECT_EQ(FormatTimeOfDay(t, true, English()), "13:05");
    const CalTime morning = MakeLocalTime(LocalParts{1980, 1, 1, 0, 0, 0});
    EXPECT_EQ(FormatDate(morning, true, English()), "01/01/1980");
    EXPECT_EQ(FormatTimeOfDay(morning, false, English()), "12:00 AM");
    EXPECT_EQ(FormatTimeOfDay(morning, true, English()), "00:00");
    // Refused: the C library's forms, which at least hold the numbers.
    EXPECT_NE(FormatDate(t, false, RefusingLocale()).find("05"), std::string::npos);
    EXPECT_NE(FormatTimeOfDay(t, false, RefusingLocale()).find("13"), std::string::npos);
}

TEST(DisplayFormats, ParseMoney) {
    const LocaleFormats en = EnglishFormats();
    LocaleFormats euro = en;
    euro.currencySymbol = "EUR";
    euro.monetaryDecimalSeparator = ",";
    const struct {
        std::string text;
        const LocaleFormats& f;
        float expected;
    } cases[] = {
        {"$1,234.50", en, 1234.5f},
        {"-5", en, 5.0f},  // signs are dropped
        {"", en, 0.0f},
        {"abc $", en, 0.0f},
        {"12.5.3", en, 12.5f},  // reads as far as a number goes
        {" 7 . 25 ", en, 7.25f},
        {"\xC3\xA9"
         "3\xFF.5",
         en, 3.5f},  // bytes above 127 are dropped
        {std::string("4\0"
                     "2",
                     3),
         en, 42.0f},
        {std::string(5000, '9'), en, FLT_MAX},  // saturates
        {"0." + std::string(5000, '0') + "1", en, 0.0f},
        {"1.234,50 EUR", euro, 1234.5f},
        {"1.5", euro, 15.0f},  // "." is a group separator there
    };
    for (const auto& c : cases) EXPECT_FLOAT_EQ(ParseMoney(c.text, c.f), c.expected) << c.text;
}

// The seconds read from `text`, or -1 when it is refused.
Duration Parsed(const std::string& text, bool decimal, const LocaleFormats& f) {
    Duration s = 0;
    return ParseDuration(text, decimal, f, s) ? s : -1;
}

TEST(DisplayFormats, ParseDuration) {
    const LocaleFormats en = EnglishFormats();
    LocaleFormats comma = en;
    comma.decimalSeparator = ",";
    LocaleFormats dotClock = en;
    dotClock.timeSeparator = ".";
    const struct {
        std::string text;
        bool decimal;
        const LocaleFormats& f;
        Duration s;
    } cases[] = {
        {"1:30", false, en, 1 * H + 30 * M},
        {"1.30", false, en, 1 * H + 30 * M},  // "." counts as the separator
        {"1:75", false, en, 2 * H + 15 * M},  // minutes are not limited
        {"1.30.15", false, en, 1 * H + 30 * M + 15},
        {"1:30:", false, en, 1 * H + 30 * M},
        {"0:0:90", false, en, 90},
        {"596523:14:07", false, en, INT32_MAX},
        {std::string(5000, '0') + "1:00", false, en, 1 * H},
        {"1.30", false, dotClock, 1 * H + 30 * M},
        {"1.5", true, en, 1 * H + 30 * M},
        {"0.25", true, en, 15 * M},
        {".5", true, en, 30 * M},
        {"2.", true, en, 2 * H},
        {"1.999", true, en, 1 * H + 59 * M},
        {"1.2.3", true, en, 1 * H + 12 * M},  // the first fraction counts
        {"1,5", true, comma, 1 * H + 30 * M},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parsed(c.text, c.decimal, c.f), c.s) << c.text << " decimal " << c.decimal;
    const std::string refusedClock[] = {"90",
                                        "1:",
                                        ":30",
                                        "",
                                        "1::15",
                                        "1:2:3:4",
                                        " 1:30",
                                        "-1:30",
                                        "\xC3\xA9"
                                        "1:30",
                                        std::string("1\0:30", 5),
                                        "596523:14:08",  // the last is beyond a Duration
                                        "1" + std::string(5000, '0') + ":00",
                                        "1:" + std::string(5000, '9')};
    for (const std::string& text : refusedClock) EXPECT_EQ(Parsed(text, false, en), -1) << text;
    for (const char* text : {"1", "1:30", "1.5x", "", "596524.0"})
        EXPECT_EQ(Parsed(text, true, en), -1) << text;
    EXPECT_EQ(Parsed("1.5", true, comma), -1);
    // Thousands of fraction digits: only the first nine count.
    const Duration nines = Parsed("3." + std::string(5000, '9'), true, en);
    EXPECT_GE(nines, 3 * H + 59 * M);
    EXPECT_LE(nines, 4 * H);
}

TEST(DisplayFormats, MinuteChanged) {
    CDisplayFormats formats(Mode(3));
    const struct {
        Duration s;
        bool exact;
        bool changed;
    } steps[] = {
        {0, false, false},  // rounds to minute 0, which is remembered after a reset
        {1, false, true},   // 0:15
        {60, false, false},
        {14 * M, false, false},
        {15 * M + 1, false, true},  // 0:30
        {61, true, true},           // exact calls remember their own minute
        {119, true, false},
        {15 * M + 2, false, false},  // the rounded minute was not
                                     // disturbed
        {1 * H + 1, false, true},    // 1:15: minute 15 again, but after 30
    };
    for (const auto& step : steps)
        EXPECT_EQ(formats.MinuteChanged(step.s, step.exact), step.changed)
            << "s " << step.s << " exact " << step.exact;
    formats.ResetShownMinutes();
    EXPECT_TRUE(formats.MinuteChanged(1 * H + 1, false));
    EXPECT_FALSE(formats.MinuteChanged(0, true));

    CDisplayFormats seconds(Mode(0));
    EXPECT_TRUE(seconds.MinuteChanged(5, false));
    EXPECT_TRUE(seconds.MinuteChanged(5, false));
}

// The document's object binds its settings, its locale formats and Platform().locale.
TEST(DisplayFormats, DocumentObjectUsesItsSettingsAndFormats) {
    LocaleFormats f = EnglishFormats();
    f.decimalSeparator = ",";
    RecordingMessageBox messages;
    TestClock clock;
    RefusingLocale refusing;
    CDisplayFormats formats(Mode(2, true), &f);
    EXPECT_EQ(formats.FormatDuration(7 * M, false), "00,20");
    EXPECT_EQ(formats.FormatCharge(7 * M, 10.0f), "$2.00");
    Duration s = 0;
    EXPECT_TRUE(formats.ParseDuration("0,5", true, s));
    EXPECT_EQ(s, 30 * M);
    {
        ScopedPlatform scoped(PlatformServices{&clock, &messages, &refusing});
        EXPECT_EQ(formats.FormatMoney(2.0f), "$2.00");
        EXPECT_EQ(formats.FormatDuration(7 * M, true), "00:07");
    }
    formats.SetSettings(Mode(1));
    EXPECT_EQ(formats.FormatDuration(7 * M, false), "0:07");
    EXPECT_EQ(formats.RoundDuration(1, false), 60);
}

}  // namespace
}  // namespace tw
