#pragma once
// The ten number formats of the numeric edit: the display form (thousands separators,
// negatives in parentheses, fixed decimals) and the edit form a value or a typed text is
// written back in. Portable: no window system.

#include <string>

#include "controls/numedit/number_text.h"

namespace tw {

constexpr int kNumberFormatCount = 10;  // formats 0..9

// How numbers are written: the format, the decimals of the decimal formats and the separators.
struct NumberLook {
    int format = 0;    // 0..9
    int decimals = 2;  // 0..12
    char thousandsSep = ',';
    char decimalSep = '.';
    bool leadingZero = true;   // "0.5" rather than ".5"
    bool integerOnly = false;  // bitmap digits: every value is written as an integer
};

// Formats 1 to 4 show integers; the others fixed-point with the look's decimals.
bool IsIntegerFormat(int format);
bool GroupsThousands(int format);
bool ParenthesisesNegatives(int format);

// True when the look writes integers (an integer format, or the bitmap digits).
bool CutsFraction(const NumberLook& look);

// Thousands separators between groups of three digits, counted from the right.
std::string GroupThousands(const std::string& digits, char thousandsSep);

// The parts brought to the look's edit form: leading zeros dropped, the fraction cut off
// (integer formats, bitmap digits) or brought to the look's decimals; an exponent stays.
void NormaliseParts(NumberParts& parts, const NumberLook& look);

// The edit form of a value (fixed-point; an integer when the look cuts fractions).
std::string EditFormOfValue(double value, const NumberLook& look);

// The edit form of an edit text of the number shape written with `oldDecimalSep`; another
// text comes back unchanged.
std::string NormaliseEditText(const std::string& text, char oldDecimalSep, const NumberLook& look);

// The display form of an edit text: its edit form with the format's thousands separators and
// parentheses around a negative. A text that is not a number shows as it is.
std::string DisplayText(const std::string& editText, const NumberLook& look);

}  // namespace tw
