#pragma once
// The application-wide formats taken from the user's regional settings once at start-up: the
// separators, designators, clock and date order, the table's strftime patterns and the time
// pictures used by the time edits and by duration texts.

#include <string>

#include "framework/locale_formatter.h"

namespace tw {

struct LocaleFormats {
    std::string timeSeparator = ":";           // the locale's, or ":"
    std::string dateSeparator = "/";           // the locale's, or "/"
    std::string shortDate = "MM/DD/YYYY";      // the locale's short date picture, or this
    std::string amDesignator;                  // morning text (may be empty)
    std::string pmDesignator;                  // afternoon text (may be empty)
    int clockOrder = 0;                        // intl iTime: 1 = 24-hour clock
    int dateOrder = 0;                         // intl iDate: 0 MDY, 1 DMY, otherwise YMD
    std::string tableDateFormat = "%m/%d/%Y";  // strftime pattern of the table's date columns
    std::string tableTimeFormat = "%I:%M %p";  // strftime pattern of the table's time columns
    std::string timeEditPicture = "hh:mm PM";  // for the time-edit controls
    std::string durationPicture = "HH:mm";     // durations without seconds (24-hour hours)
    std::string durationPictureSeconds = "HH:mm:ss";  // durations with seconds
    std::string decimalSeparator = ".";               // the locale's, or "."
    std::string monetaryDecimalSeparator = ".";       // the locale's, or "."
    std::string currencySymbol = "$";                 // the locale's, or "$"
};

// Reads the formats from a locale formatter, with the fallbacks above for missing values.
LocaleFormats LoadLocaleFormats(const ILocaleFormatter& locale);

// The seconds field of a time picture and the separator just before it cut out ("h:mm:ss tt"
// with ":" gives "h:mm tt"); a picture without "s" is returned as it is.
std::string RemoveSecondsField(const std::string& picture, const std::string& separator);

// The picture of the time-edit controls: the first "t" becomes "P", a "t" right after it "M".
std::string TimeEditPicture(const std::string& pictureWithoutSeconds);

// A duration picture: the first "t" or "tt" cut out with one blank before it, then every "h"
// becomes "H" ("h:mm tt" gives "H:mm").
std::string DurationPicture(const std::string& picture);

// The application's formats; loaded from Platform().locale on first use. The program assigns
// LoadLocaleFormats(*Platform().locale) here at start-up, after installing its services.
LocaleFormats& AppLocaleFormats();

}  // namespace tw
