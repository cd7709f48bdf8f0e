#include "doc/display_formats_text.h"

#include <cmath>
#include <cstdio>

#include "framework/decimal_text.h"

namespace tw {

namespace {

// Hours with at least two digits, then the separator and two digits for each further part.
std::string ClockText(int hours, int minutes, int seconds, bool withSeconds,
                      const std::string& separator) {
    std::string text;
    AppendDecimal(text, hours, 2);
    text += separator;
    AppendDecimal(text, minutes, 2);
    if (withSeconds) {
        text += separator;
        AppendDecimal(text, seconds, 2);
    }
    return text;
}

std::string ClockForm(long long r, const TimeDisplaySettings& settings,
                      const LocaleFormats& formats, const ILocaleFormatter& locale) {
    const bool withSeconds = IncrementMode(settings) == 0;
    LocaleDateTime when;
    const int hours = static_cast<int>(r / 3600);  // at most 596523
    when.hour = hours;                             // the formatter refuses 24 and more
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

// Hours with at least two digits, the decimal separator, hundredths of the hour's minutes.
std::string DecimalForm(long long r, const LocaleFormats& formats) {
    const int minutes = static_cast<int>(r % 3600 / 60);
    volatile double hundredths = minutes * 1.6666666666666667;  // no wider x87 intermediate
    std::string text;
    AppendDecimal(text, r / 3600, 2);
    text += formats.decimalSeparator;
    AppendDecimal(text, static_cast<int>(hundredths), 2);
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
    std::string text;
    if (std::signbit(amount)) text.push_back('-');
    AppendDecimal(text, static_cast<long long>(std::fabs(hundredths)), 3);
    text.insert(text.size() - 2, 1, '.');
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
