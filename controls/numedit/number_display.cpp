// Number formats of the numeric edit (see number_display.h).

#include "controls/numedit/number_display.h"

namespace tw {

bool IsIntegerFormat(int format) { return format >= 1 && format <= 4; }

bool GroupsThousands(int format) {
    return format == 2 || format == 4 || format == 6 || format == 8;
}

bool ParenthesisesNegatives(int format) {
    return format == 3 || format == 4 || format == 7 || format == 8;
}

bool CutsFraction(const NumberLook& look) {
    return look.integerOnly || IsIntegerFormat(look.format);
}

std::string GroupThousands(const std::string& digits, char thousandsSep) {
    std::string grouped;
    const size_t count = digits.size();
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) grouped += thousandsSep;
        grouped += digits[i];
    }
    return grouped;
}

void NormaliseParts(NumberParts& parts, const NumberLook& look) {
    TidyDigits(parts);
    if (CutsFraction(look))
        CutFraction(parts);
    else
        RoundFraction(parts, look.decimals);
}

std::string EditFormOfValue(double value, const NumberLook& look) {
    const NumberParts parts = FixedPointParts(value, look.decimals, CutsFraction(look));
    return JoinNumberText(parts, look.decimalSep, look.leadingZero);
}

std::string NormaliseEditText(const std::string& text, char oldDecimalSep, const NumberLook& look) {
    NumberParts parts;
    if (!SplitNumberText(text, oldDecimalSep, parts)) return text;
    NormaliseParts(parts, look);
    return JoinNumberText(parts, look.decimalSep, look.leadingZero);
}

std::string DisplayText(const std::string& editText, const NumberLook& look) {
    NumberParts parts;
    if (!SplitNumberText(editText, look.decimalSep, parts)) return editText;
    NormaliseParts(parts, look);
    const bool parenthesised = parts.negative && ParenthesisesNegatives(look.format);
    if (parenthesised) parts.negative = false;
    std::string text = JoinNumberText(parts, look.decimalSep, look.leadingZero);
    if (GroupsThousands(look.format) && !parts.integer.empty()) {
        const size_t start = parts.negative ? 1 : 0;
        const size_t length = text.find_first_not_of("0123456789", start);
        const size_t digits = (length == text.npos ? text.size() : length) - start;
        text.replace(start, digits, GroupThousands(text.substr(start, digits), look.thousandsSep));
    }
    return parenthesised ? "(" + text + ")" : text;
}

}  // namespace tw
