#include "doc/locale_currency.h"

namespace tw {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct SplitNumber {
    bool negative = false;
    std::string whole;     // digits before the point, leading zeros removed, never empty
    std::string decimals;  // digits after the point
};

bool Split(const std::string& text, SplitNumber& n) {
    size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        n.negative = true;
        ++i;
    }
    while (i < text.size() && IsDigit(text[i])) n.whole.push_back(text[i++]);
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) n.decimals.push_back(text[i++]);
    }
    if (i != text.size()) return false;
    const size_t firstNonZero = n.whole.find_first_not_of('0');
    n.whole = firstNonZero == std::string::npos ? "0" : n.whole.substr(firstNonZero);
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

// Whole and two decimals as one digit string: "1234.567" gives "123457".
std::string RoundedCents(const SplitNumber& n) {
    std::string cents = n.whole + (n.decimals + "00").substr(0, 2);
    if (n.decimals.size() > 2 && n.decimals[2] >= '5') Increment(cents);
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
    SplitNumber n;
    if (!Split(number, n)) return false;
    const std::string cents = RoundedCents(n);
    const std::string whole = cents.substr(0, cents.size() - 2);
    std::string text;
    if (n.negative) text.push_back('(');
    text += style.symbol;
    AppendGrouped(whole, style.groupSeparator, text);
    text.push_back(style.decimalSeparator);
    text.append(cents, cents.size() - 2, 2);
    if (n.negative) text.push_back(')');
    out = std::move(text);
    return true;
}

}  // namespace tw
