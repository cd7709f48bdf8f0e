#include "doc/locale_formats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/portable_locale_formatter.h"
#include "tests/doc/chosen_locale.h"

namespace tw {
namespace {

// Every field of the formats, in one comparable list.
std::vector<std::string> Fields(const LocaleFormats& f) {
    return {f.timeSeparator,
            f.dateSeparator,
            f.shortDate,
            f.amDesignator,
            f.pmDesignator,
            std::to_string(f.clockOrder),
            std::to_string(f.dateOrder),
            f.tableDateFormat,
            f.tableTimeFormat,
            f.timeEditPicture,
            f.durationPicture,
            f.durationPictureSeconds,
            f.decimalSeparator,
            f.monetaryDecimalSeparator,
            f.currencySymbol};
}

TEST(LocaleFormats, EnglishUnitedStates) {
    LocaleFormats expected;
    expected.shortDate = "M/d/yyyy";
    expected.amDesignator = "AM";
    expected.pmDesignator = "PM";
    expected.timeEditPicture = "h:mm PM";
    expected.durationPicture = "H:mm";
    expected.durationPictureSeconds = "H:mm:ss";
    EXPECT_EQ(Fields(LoadLocaleFormats(PortableLocaleFormatterInstance())), Fields(expected));
}

// A locale that gives nothing: every fallback, which are the defaults of the formats.
TEST(LocaleFormats, FallbacksWhenTheLocaleGivesNothing) {
    const LocaleFormats fallbacks;
    EXPECT_EQ(fallbacks.shortDate, "MM/DD/YYYY");
    EXPECT_EQ(fallbacks.timeEditPicture, "hh:mm PM");
    EXPECT_EQ(Fields(LoadLocaleFormats(ChosenLocale())), Fields(fallbacks));
}

TEST(LocaleFormats, TimePicturesFromTheLocalePicture) {
    const struct {
        const char* picture;
        const char* separator;
        const char* edit;
        const char* duration;
        const char* durationSeconds;
    } cases[] = {
        {"h:mm:ss tt", ":", "h:mm PM", "H:mm", "H:mm:ss"},
        {"HH:mm:ss", ":", "HH:mm", "HH:mm", "HH:mm:ss"},
        {"hh:mm:ss t", ":", "hh:mm P", "HH:mm", "HH:mm:ss"},
        {"tt hh:mm:ss", ":", "PM hh:mm", " HH:mm", " HH:mm:ss"},
        {"H.mm.ss", ".", "H.mm", "H.mm", "H.mm.ss"},
        {"H:mm:s", ":", "H:mm", "H:mm", "H:mm:s"},
        {"h:mm tt", ":", "h:mm PM", "H:mm", "H:mm"},  // no seconds to cut
        {"HH' h 'mm", ":", "HH' h 'mm", "HH' H 'mm", "HH' H 'mm"},
        {"ss h", ":", " h", " H", "ss H"},           // nothing before the seconds
        {"h::ss", "::", "h", "H", "H::ss"},          // a longer separator
        {"", ".", "hh.mm PM", "HH.mm", "HH.mm.ss"},  // none: built with the separator
    };
    for (const auto& c : cases) {
        ChosenLocale locale;
        locale.values[LocaleValue::kTimePicture] = c.picture;
        locale.values[LocaleValue::kTimeSeparator] = c.separator;
        const LocaleFormats f = LoadLocaleFormats(locale);
        EXPECT_EQ(f.timeEditPicture, c.edit) << c.picture;
        EXPECT_EQ(f.durationPicture, c.duration) << c.picture;
        EXPECT_EQ(f.durationPictureSeconds, c.durationSeconds) << c.picture;
    }
}

TEST(LocaleFormats, TableFormatsFollowTheIntlOrders) {
    const struct {
        int iDate, iTime;
        const char* dateSep;
        const char* timeSep;
        const char* date;
        const char* time;
    } cases[] = {
        {0, 0, "/", ":", "%m/%d/%Y", "%I:%M %p"},
        {1, 1, ".", ":", "%d.%m.%Y", "%H:%M"},
        {2, 1, "-", ".", "%Y-%m-%d", "%H.%M"},
        {7, 2, "-", ":", "%Y-%m-%d", "%I:%M %p"},       // other values: year first, 12-hour
        {-1, -1, "%", "%", "%Y%%%m%%%d", "%I%%%M %p"},  // a '%' stays literal
    };
    for (const auto& c : cases) {
        ChosenLocale locale;
        locale.intl["iDate"] = c.iDate;
        locale.intl["iTime"] = c.iTime;
        locale.values[LocaleValue::kDateSeparator] = c.dateSep;
        locale.values[LocaleValue::kTimeSeparator] = c.timeSep;
        const LocaleFormats f = LoadLocaleFormats(locale);
        EXPECT_EQ(f.dateOrder, c.iDate);
        EXPECT_EQ(f.clockOrder, c.iTime);
        EXPECT_EQ(f.tableDateFormat, c.date) << c.iDate;
        EXPECT_EQ(f.tableTimeFormat, c.time) << c.iTime;
    }
}

TEST(LocaleFormats, LocaleValuesAreTaken) {
    ChosenLocale locale;
    locale.values[LocaleValue::kShortDatePicture] = "dd.MM.yyyy";
    locale.values[LocaleValue::kAmDesignator] = "vorm.";
    locale.values[LocaleValue::kPmDesignator] = "nachm.";
    locale.values[LocaleValue::kDecimalSeparator] = ",";
    locale.values[LocaleValue::kMonetaryDecimalSeparator] = ";";
    locale.values[LocaleValue::kCurrencySymbol] = "EUR";
    const LocaleFormats f = LoadLocaleFormats(locale);
    EXPECT_EQ(f.shortDate, "dd.MM.yyyy");
    EXPECT_EQ(f.amDesignator, "vorm.");
    EXPECT_EQ(f.pmDesignator, "nachm.");
    EXPECT_EQ(f.decimalSeparator, ",");
    EXPECT_EQ(f.monetaryDecimalSeparator, ";");
    EXPECT_EQ(f.currencySymbol, "EUR");
}

}  // namespace
}  // namespace tw
