#include "doc/display_formats_text.h"

#include <cstdio>
#include <cstdlib>

namespace tw {

namespace {

// "%02d" then the separator and "%02d" for each further part.
std::string ClockText(int hours, int minutes, int seconds, bool withSeconds,
                      const std::string& separator) {
    char buffer[64];
    std::string text;
    std::snprintf(buffer, sizeof buffer, "%02d", hours);
    text = buffer;
    std::snprintf(buffer, sizeof buffer, "%02d", minutes);
    text += separator;
    text += buffer;
    if (withSeconds) {
        std::snprintf(buffer, sizeof buffer, "%02d", seconds);
        text += separator;
        text += buffer;
    }
    return text;
}

std::string ClockForm(long long r, const TimeDisplaySettings& settings,
                      const LocaleFormats& formats, const ILocaleFormatter& locale) {
    const bool withSeconds = IncrementMode(settings) == 0;
    LocaleDateTime when;
    const int hours = static_cast<int>(r / 3600);  // at most 596523
    when.hour = hours;  // the formatter refuses 24 and more
    when.minute = static_cast<int>(r % 3600 / 60);
    when.second = static_cast<int>(r % 60);
    std::string text;
    if (withSeconds) {
        if (locale.FormatTime(when, formats.durationPictureSeconds, 0, text)) return text;
    } else if (locale.FormatTime(when, formats.durationPicture, kTimeForce24Hour, text)) {
        return text;
    }
    return ClockText(hours, when.minute, when.second, withSeconds, formats.timeSeparator);
}

std::string DecimalForm(long long r, const LocaleFormats& formats) {
    const int minutes = static_cast<int>(r % 3600 / 60);
    volatile double hundredths = minutes * 1.6666666666666667;  // no wider x87 intermediate
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02d", static_cast<int>(r / 3600));
    std::string text = buffer;
    std::snprintf(buffer, sizeof buffer, "%.2d", static_cast<int>(hundredths));
    text += formats.decimalSeparator;
    text += buffer;
    return text;
}

}  // namespace

std::string FormatDuration(Duration d, bool clockForm, const TimeDisplaySettings& settings,
                           const LocaleFormats& formats, const ILocaleFormatter& locale) {
    const long long r = RoundDuration(d, clockForm, settings);
    const long long size = r < 0 ? -r : r;
    const std::string text = (!settings.decimalNotation || clockForm)
                                 ? ClockForm(size, settings, formats, locale)
                                 : DecimalForm(size, formats);
    return r < 0 ? "-" + text : text;
}

std::string FormatMoney(float amount, const ILocaleFormatter& locale) {
    char number[64];
    std::snprintf(number, sizeof number, "%.2f", static_cast<double>(amount));
    std::string text;
    if (locale.FormatCurrency(number, text)) return text;
    return std::string("$") + number;
}

std::string FormatCharge(Duration elapsed, float rate, const TimeDisplaySettings& settings,
                         const ILocaleFormatter& locale) {
    return FormatMoney(ComputeCharge(elapsed, rate, settings), locale);
}

}  // namespace tw
