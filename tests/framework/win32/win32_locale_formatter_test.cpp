#include "framework/win32/win32_locale_formatter.h"

#include <gtest/gtest.h>

#include "doc/display_formats.h"
#include "framework/portable_locale_formatter.h"
#include "tests/framework/formatter_cases.h"

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

// The display formats give the same texts on the system's formatter as on the portable one,
// the locale formats derived from either included.
TEST(Win32LocaleFormatter, DisplayFormatsAgreeWithPortable) {
    const Win32LocaleFormatter system;
    const ILocaleFormatter& portable = PortableLocaleFormatterInstance();
    const LocaleFormats systemFormats = LoadLocaleFormats(system);
    const LocaleFormats portableFormats = LoadLocaleFormats(portable);
    EXPECT_EQ(systemFormats.timeEditPicture, portableFormats.timeEditPicture);
    EXPECT_EQ(systemFormats.durationPicture, portableFormats.durationPicture);
    EXPECT_EQ(systemFormats.durationPictureSeconds, portableFormats.durationPictureSeconds);
    EXPECT_EQ(systemFormats.tableDateFormat, portableFormats.tableDateFormat);
    EXPECT_EQ(systemFormats.tableTimeFormat, portableFormats.tableTimeFormat);
    for (int mode = 0; mode <= 4; ++mode) {
        for (bool decimal : {false, true}) {
            TimeDisplaySettings settings;
            settings.increment = mode;
            settings.decimalNotation = decimal;
            settings.hundredths = 12;
            for (Duration d = 0; d < 30 * 3600; d += 2017) {
                EXPECT_EQ(FormatDuration(d, false, settings, systemFormats, system),
                          FormatDuration(d, false, settings, portableFormats, portable))
                    << "mode " << mode << " d " << d;
                EXPECT_EQ(FormatCharge(d, 37.5f, settings, system),
                          FormatCharge(d, 37.5f, settings, portable));
            }
        }
    }
    const CalTime first = ValidTimeRange().first;
    for (CalTime t = first; t < first + 400 * 86400; t += 86400 + 3607) {
        EXPECT_EQ(FormatDate(t, false, system), FormatDate(t, false, portable));
        EXPECT_EQ(FormatDate(t, true, system), FormatDate(t, true, portable));
        EXPECT_EQ(FormatTimeOfDay(t, false, system), FormatTimeOfDay(t, false, portable));
        EXPECT_EQ(FormatTimeOfDay(t, true, system), FormatTimeOfDay(t, true, portable));
    }
}

}  // namespace
}  // namespace tw
