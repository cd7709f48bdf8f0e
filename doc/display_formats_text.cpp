#include "doc/display_formats_text.h"

#include <cmath>
#include <cstdio>

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

// "%.2f" of the amount. A float times 100 is exact in a double (24 + 7 bits), so rounding that
// to an integer in the default mode (ties to even) is what printf does, at a fraction of its
// cost; huge amounts, infinities and not-a-number go through printf.
std::string TwoDecimals(float amount) {
    const double hundredths = std::nearbyint(static_cast<double>(amount) * 100.0);
    if (!(std::fabs(hundredths) < 1e18)) {
        char number[64];
        std::snprintf(number, sizeof number, "%.2f", static_cast<double>(amount));
        return number;
    }
    unsigned long long v = static_cast<unsigned long long>(std::fabs(hundredths));
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0 || n < 3);
    std::string text;
    if (std::signbit(amount)) text.push_back('-');
    while (n > 2) text.push_back(digits[--n]);
    text.push_back('.');
    text.push_back(digits[1]);
    text.push_back(digits[0]);
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
    const std::string number = TwoDecimals(amount);
    std::string text;
    if (locale.FormatCurrency(number, text)) return text;
    return "$" + number;
}

std::string FormatCharge(Duration elapsed, float rate, const TimeDisplaySettings& settings,
                         const ILocaleFormatter& locale) {
    return FormatMoney(ComputeCharge(elapsed, rate, settings), locale);
}

}  // namespace tw
