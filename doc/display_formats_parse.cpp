#include "doc/display_formats_parse.h"

#include <cerrno>
#include <cfloat>
#include <cstdint>
#include <cstdlib>

namespace tw {

namespace {

const int64_t kMaxDuration = INT32_MAX;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(const std::string& s) {
    for (char c : s)
        if (!IsDigit(c)) return false;
    return true;
}

// The value of a digit string, stopping at kMaxDuration + 1 so that long runs cannot overflow.
int64_t DigitValue(const std::string& digits) {
    int64_t v = 0;
    for (char c : digits) {
        v = v * 10 + (c - '0');
        if (v > kMaxDuration) return kMaxDuration + 1;
    }
    return v;
}

char FirstOr(const std::string& s, char fallback) { return s.empty() ? fallback : s[0]; }

// hours * 3600 + minutes * 60 + seconds when it fits a Duration.
bool Combine(int64_t hours, int64_t minutes, int64_t seconds, Duration& out) {
    if (hours > kMaxDuration || minutes > kMaxDuration || seconds > kMaxDuration) return false;
    const int64_t total = hours * 3600 + minutes * 60 + seconds;
    if (total > kMaxDuration) return false;
    out = static_cast<Duration>(total);
    return true;
}

// Minutes of a fraction's digits: f * 0.1 once per digit in single precision, times 60.
int64_t FractionMinutes(const std::string& digits) {
    const size_t kUsedDigits = 9;  // f below 1e9: x at most about 1, minutes at most 60
    const std::string used = digits.substr(0, kUsedDigits);
    volatile float x = static_cast<float>(DigitValue(used));
    for (size_t i = 0; i < used.size(); ++i) x = x * 0.1f;
    volatile float minutes = x * 60;
    return static_cast<int64_t>(minutes);
}

bool ParseDecimal(const std::string& text, char separator, Duration& seconds) {
    const size_t point = text.find(separator);
    if (point == std::string::npos) return false;
    for (char c : text)
        if (!IsDigit(c) && c != separator) return false;
    const std::string hours = text.substr(0, point);
    const std::string rest = text.substr(point + 1);
    const std::string fraction = rest.substr(0, rest.find(separator));
    return Combine(DigitValue(hours), FractionMinutes(fraction), 0, seconds);
}

bool ParseClock(std::string text, char separator, Duration& seconds) {
    if (separator != '.')
        for (char& c : text)
            if (c == '.') c = separator;
    for (char c : text)
        if (!IsDigit(c) && c != separator) return false;
    const size_t first = text.find(separator);
    if (first == std::string::npos || first == 0) return false;
    const std::string hours = text.substr(0, first);
    const std::string rest = text.substr(first + 1);
    if (rest.empty()) return false;
    const size_t second = rest.find(separator);
    if (second == std::string::npos)
        return Combine(DigitValue(hours), DigitValue(rest), 0, seconds);
    const std::string minutes = rest.substr(0, second);
    const std::string secs = rest.substr(second + 1);
    if (minutes.empty() || !AllDigits(secs)) return false;
    return Combine(DigitValue(hours), DigitValue(minutes), DigitValue(secs), seconds);
}

}  // namespace

bool ParseDuration(const std::string& text, bool decimal, const LocaleFormats& formats,
                   Duration& seconds) {
    if (text.empty()) return false;
    if (decimal) return ParseDecimal(text, FirstOr(formats.decimalSeparator, '.'), seconds);
    return ParseClock(text, FirstOr(formats.timeSeparator, ':'), seconds);
}

float ParseMoney(const std::string& text, const LocaleFormats& formats) {
    const std::string symbol = formats.currencySymbol.empty() ? "$" : formats.currencySymbol;
    const char decimal = FirstOr(formats.monetaryDecimalSeparator, '.');
    std::string rest = text;
    const size_t at = rest.find(symbol);
    if (at != std::string::npos) rest.erase(at, symbol.size());
    std::string number;
    for (char c : rest) {
        if (IsDigit(c))
            number.push_back(c);
        else if (c == decimal)
            number.push_back('.');
    }
    if (number.empty()) return 0.0f;
    errno = 0;
    const float value = std::strtof(number.c_str(), nullptr);
    if (errno == ERANGE && value > 1.0f) return FLT_MAX;
    return value;
}

}  // namespace tw
