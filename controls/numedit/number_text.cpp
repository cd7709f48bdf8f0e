// Number texts of the numeric edit (see number_text.h).

#include "controls/numedit/number_text.h"

#include <charconv>
#include <cmath>

namespace tw {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponentLetter(char c) { return c == 'e' || c == 'E'; }

// Reads a run of digits from `at`; returns how many.
size_t DigitRun(const std::string& text, size_t at) {
    size_t end = at;
    while (end < text.size() && IsDigit(text[end])) ++end;
    return end - at;
}

// The exponent from `at` (its letter, an optional sign and at least one digit) up to the end.
bool TakeExponent(const std::string& text, size_t at, std::string& exponent) {
    if (at == text.size()) return true;
    if (!IsExponentLetter(text[at])) return false;
    size_t digits = at + 1;
    if (digits < text.size() && (text[digits] == '-' || text[digits] == '+')) ++digits;
    const size_t count = DigitRun(text, digits);
    if (count == 0 || digits + count != text.size()) return false;
    exponent = text.substr(at);
    return true;
}

// Adds one to the last digit of `digits`, carrying to the left (a new leading 1 on overflow).
void IncrementDigits(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

bool AllZero(const std::string& digits) { return digits.find_first_not_of('0') == digits.npos; }

// The integer digits as the text shows them.
std::string ShownInteger(const NumberParts& parts, bool leadingZero) {
    const bool bareFraction = parts.hasSeparator && !parts.fraction.empty();
    if (bareFraction && (parts.integer.empty() || parts.integer == "0"))
        return leadingZero ? "0" : "";
    return parts.integer;
}

// Where each part of a number's text starts and ends.
struct PartsLayout {
    int integerStart;
    int integerEnd;
    int fractionStart;  // after the separator (equal to integerEnd without one)
    int exponentStart;
};

PartsLayout LayoutOf(const NumberParts& parts, int integerLength) {
    PartsLayout layout;
    layout.integerStart = parts.negative ? 1 : 0;
    layout.integerEnd = layout.integerStart + integerLength;
    layout.fractionStart = layout.integerEnd + (parts.hasSeparator ? 1 : 0);
    layout.exponentStart = layout.fractionStart + static_cast<int>(parts.fraction.size());
    return layout;
}

}  // namespace

bool ParseNumberText(const std::string& text, char decimalSep, double& value) {
    std::string copy = text;
    for (char& c : copy) {
        if (c == decimalSep) c = '.';
    }
    const char* first = copy.data();
    const char* last = first + copy.size();
    double read = 0;
    const auto result = std::from_chars(first, last, read, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(read)) return false;
    value = read;
    return true;
}

bool SplitNumberText(const std::string& text, char decimalSep, NumberParts& parts) {
    parts = NumberParts();
    size_t at = 0;
    if (at < text.size() && text[at] == '-') {
        parts.negative = true;
        ++at;
    }
    const size_t integerDigits = DigitRun(text, at);
    parts.integer = text.substr(at, integerDigits);
    at += integerDigits;
    if (at < text.size() && text[at] == decimalSep) {
        parts.hasSeparator = true;
        const size_t fractionDigits = DigitRun(text, at + 1);
        parts.fraction = text.substr(at + 1, fractionDigits);
        at += 1 + fractionDigits;
    }
    if (parts.integer.empty() && parts.fraction.empty()) return false;
    return TakeExponent(text, at, parts.exponent);
}

std::string JoinNumberText(const NumberParts& parts, char decimalSep, bool leadingZero) {
    std::string text = parts.negative ? "-" : "";
    text += ShownInteger(parts, leadingZero);
    if (parts.hasSeparator) {
        text += decimalSep;
        text += parts.fraction;
    }
    return text + parts.exponent;
}

void RoundFraction(NumberParts& parts, int decimals) {
    if (decimals < 0) decimals = 0;
    const size_t places = static_cast<size_t>(decimals);
    if (parts.fraction.size() > places) {
        const bool up = parts.fraction[places] >= '5';
        std::string digits = parts.integer + parts.fraction.substr(0, places);
        if (up) IncrementDigits(digits);
        parts.integer = digits.substr(0, digits.size() - places);
        parts.fraction = digits.substr(digits.size() - places);
    }
    parts.fraction.resize(places, '0');
    parts.hasSeparator = places > 0;
    if (parts.integer.empty() && places == 0) parts.integer = "0";
}

void CutFraction(NumberParts& parts) {
    parts.fraction.clear();
    parts.hasSeparator = false;
    if (parts.integer.empty()) parts.integer = "0";
}

void TidyDigits(NumberParts& parts) {
    const size_t firstSignificant = parts.integer.find_first_not_of('0');
    if (firstSignificant == parts.integer.npos)
        parts.integer = parts.integer.empty() ? "" : "0";
    else
        parts.integer.erase(0, firstSignificant);
}

NumberParts FixedPointParts(double value, int decimals, bool cut) {
    if (!std::isfinite(value)) value = 0;
    // 309 integer digits at most, a sign, a point and twelve fraction digits.
    char scratch[400];
    const auto result = std::to_chars(scratch, scratch + sizeof scratch, value,
                                      std::chars_format::fixed, kMaxDecimals);
    NumberParts parts;
    SplitNumberText(std::string(scratch, result.ptr), '.', parts);
    if (cut)
        CutFraction(parts);
    else
        RoundFraction(parts,
                      decimals < 0 ? 0 : (decimals > kMaxDecimals ? kMaxDecimals : decimals));
    if (AllZero(parts.integer) && AllZero(parts.fraction)) parts.negative = false;
    return parts;
}

std::string SevenDigitText(double value) {
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 7);
    return std::string(text, result.ptr);
}

int MapCaret(const NumberParts& before, const NumberParts& after, int caret, bool leadingZero) {
    const PartsLayout from = LayoutOf(before, static_cast<int>(before.integer.size()));
    const int shownInteger = static_cast<int>(ShownInteger(after, leadingZero).size());
    const PartsLayout to = LayoutOf(after, shownInteger);
    if (caret >= from.exponentStart && !before.exponent.empty())
        return to.exponentStart + (caret - from.exponentStart);
    if (caret > from.integerEnd) {
        if (!after.hasSeparator) return to.integerEnd;
        const int intoFraction = caret - from.fractionStart;
        const int fractionLength = static_cast<int>(after.fraction.size());
        return to.fractionStart + (intoFraction < fractionLength ? intoFraction : fractionLength);
    }
    if (caret < from.integerStart) return 0;
    const int digitsRight = from.integerEnd - caret;
    const int landed = to.integerEnd - digitsRight;
    return landed > to.integerStart ? landed : to.integerStart;
}

}  // namespace tw
