#pragma once
// The text of a number as the numeric edit keeps it: parsing, its parts (sign, integer digits,
// decimal separator, fraction digits, exponent), fixed-point text made from a value, and the
// normal edit form the parts are brought to. Portable: no window system.

#include <string>

namespace tw {

constexpr int kMaxDecimals = 12;  // fraction digits a fixed-point text is made from

// A number's text taken apart. The exponent keeps its letter and sign ("e-5").
struct NumberParts {
    bool negative = false;
    std::string integer;  // digits before the separator
    bool hasSeparator = false;
    std::string fraction;  // digits after the separator
    std::string exponent;  // empty, or 'e'/'E', an optional '-' and digits
};

// Reads `text` as a number: `decimalSep` stands for the decimal point. Valid only when the
// whole text is read and the value is finite; `value` is set then.
bool ParseNumberText(const std::string& text, char decimalSep, double& value);

// Takes a text of the number shape ([-] digits [sep digits] [e [-] digits], at least one digit
// before the exponent) apart; false for any other text.
bool SplitNumberText(const std::string& text, char decimalSep, NumberParts& parts);

// The text of `parts`; a fraction without integer digits gets a "0" when `leadingZero`.
std::string JoinNumberText(const NumberParts& parts, char decimalSep, bool leadingZero);

// The fraction rounded half up on its digits to `decimals` places (padded with zeros); a carry
// runs into the integer digits. With 0 places the separator goes.
void RoundFraction(NumberParts& parts, int decimals);

// The fraction and the separator dropped (the value cut toward zero).
void CutFraction(NumberParts& parts);

// Leading zeros of the integer digits dropped (one stays before a bare separator), and the sign
// of a number whose digits are all zero.
void TidyDigits(NumberParts& parts);

// The value written with 12 fraction digits, then rounded half up to `decimals` places
// (0..12), or with `cut` its fraction dropped instead. Any finite value fits: the digits are
// made in a scratch buffer of their own. A non-finite value gives "0".
NumberParts FixedPointParts(double value, int decimals, bool cut);

// A value with 7 significant digits, as "%.7g" writes it in the C locale; 14 characters at
// most.
std::string SevenDigitText(double value);

// Where a caret at `caret` in the text of `before` lands in the text of `after`: digits keep
// their place counted from the separator, the exponent its place from its letter.
int MapCaret(const NumberParts& before, const NumberParts& after, int caret, bool leadingZero);

}  // namespace tw
