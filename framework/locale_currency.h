#pragma once
// Money text from a plain number text, the way the system's currency formatter writes it for a
// locale that puts the symbol first and negative amounts in parentheses ("$1,234.50",
// "($5.00)").

#include <string>

namespace tw {

struct CurrencyStyle {
    const char* symbol;     // e.g. "$"
    char groupSeparator;    // between groups of three digits, e.g. ','
    char decimalSeparator;  // e.g. '.'
};

// `number`: an optional '-', digits, an optional '.' and digits (either digit run may be
// empty, which reads as 0). Rounds half away from zero to two decimals on the digits
// themselves, so no binary rounding creeps in. Returns false (out untouched) for any other text.
bool FormatCurrencyText(const std::string& number, const CurrencyStyle& style, std::string& out);

}  // namespace tw
