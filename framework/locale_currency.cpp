#include "framework/locale_currency.h"

namespace tw {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the parts of a number text lie: [wholeBegin, wholeEnd) digits before the point,
// leading zeros skipped; [decimalsBegin, decimalsEnd) digits after it.
struct NumberParts {
    bool negative = false;
    size_t wholeBegin = 0, wholeEnd = 0, decimalsBegin = 0, decimalsEnd = 0;
};

size_t SkipDigits(const std::string& text, size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

bool Split(const std::string& text, NumberParts& n) {
    size_t i = 0;
    n.negative = !text.empty() && text[0] == '-';
    if (n.negative) ++i;
    n.wholeBegin = i;
    n.wholeEnd = i = SkipDigits(text, i);
    n.decimalsBegin = n.decimalsEnd = i;
    if (i < text.size() && text[i] == '.') {
        n.decimalsBegin = i + 1;
        n.decimalsEnd = i = SkipDigits(text, i + 1);
    }
    if (i != text.size()) return false;
    while (n.wholeBegin < n.wholeEnd && text[n.wholeBegin] == '0') ++n.wholeBegin;
    return true;
}

// Adds one to the decimal digit string, growing it on a carry out of the first digit.
void Increment(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Whole and two decimals as one digit string, at least three digits: "1234.567" gives
// "123457", ".5" gives "050".
std::string RoundedCents(const std::string& text, const NumberParts& n) {
    std::string cents;
    cents.reserve(n.wholeEnd - n.wholeBegin + 3);
    cents.assign(text, n.wholeBegin, n.wholeEnd - n.wholeBegin);
    if (cents.empty()) cents.push_back('0');
    const size_t decimals = n.decimalsEnd - n.decimalsBegin;
    for (size_t k = 0; k < 2; ++k) cents.push_back(k < decimals ? text[n.decimalsBegin + k] : '0');
    if (decimals > 2 && text[n.decimalsBegin + 2] >= '5') Increment(cents);
    return cents;
}

void AppendGrouped(const std::string& whole, char separator, std::string& out) {
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out.push_back(separator);
        out.push_back(whole[i]);
    }
}

}  // namespace

bool FormatCurrencyText(const std::string& number, const CurrencyStyle& style, std::string& out) {
    NumberParts n;
    if (!Split(number, n)) return false;
    const std::string cents = RoundedCents(number, n);
    const std::string whole(cents, 0, cents.size() - 2);
    out.clear();
    if (n.negative) out.push_back('(');
    out += style.symbol;
    AppendGrouped(whole, style.groupSeparator, out);
    out.push_back(style.decimalSeparator);
    out.append(cents, cents.size() - 2, 2);
    if (n.negative) out.push_back(')');
    return true;
}

}  // namespace tw
