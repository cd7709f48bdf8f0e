// The numeric edit's state seen as the portable rules take it (see numedit_state.h).

#include "controls/numedit/numedit_state.h"

namespace tw {

NumberLook LookOf(const NumEditState& s) {
    NumberLook look;
    look.format = static_cast<int>(s.format);
    look.decimals = static_cast<int>(s.decimals);
    look.thousandsSep = s.thousandsSep;
    look.decimalSep = s.decimalSep;
    look.leadingZero = s.leadingZero != FALSE;
    look.integerOnly = s.core.digitStyle == kBitmapDigits;
    return look;
}

NumberRange RangeOf(const NumEditState& s) {
    NumberRange range;
    range.on = s.rangeOn != FALSE;
    range.minimum = s.minimum;
    range.maximum = s.maximum;
    return range;
}

NumberTypingRules TypingRulesOf(const NumEditState& s) {
    NumberTypingRules rules;
    rules.look = LookOf(s);
    const bool formattedStyle = s.formatted && s.core.digitStyle == kPlainText;
    rules.separatorRefused = rules.look.integerOnly || s.decimals == 0 ||
                             (formattedStyle && IsIntegerFormat(rules.look.format));
    rules.limit = s.textLimit;
    rules.range = RangeOf(s);
    return rules;
}

}  // namespace tw
