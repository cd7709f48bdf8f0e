// The date edit's edit text and display string (see date_format.h).

#include "controls/date/date_format.h"

#include <cstdio>
#include <cstring>

namespace tw {
namespace {

WORD FieldValue(const DateEditState& s, DateField kind) {
    return kind == DateField::Day ? s.day : kind == DateField::Month ? s.month : s.year;
}

// One field of the edit text or display string.
void FormatField(const DateEditState& s, int pos, bool focused, bool displayForm, char* out) {
    const DateField kind = FieldKindAt(s, pos);
    const WORD value = FieldValue(s, kind);
    const bool fourDigits = s.format.fourDigitYear;
    if (value == kEmptyField) {
        strcpy(out, kind == DateField::Year && fourDigits ? "    " : "  ");
        return;
    }
    if (kind != DateField::Year) {
        const bool two =
            focused || (kind == DateField::Day ? s.format.twoDigitDay : s.format.twoDigitMonth);
        sprintf(out, two ? "%02i" : "%i", value);
        return;
    }
    const int shown = fourDigits ? value : value % 100;
    if (pos == 2 || (displayForm && !fourDigits))
        sprintf(out, fourDigits ? "%04i" : "%02i", shown);
    else
        sprintf(out, "%i", shown);
}

void FormatFields(const DateEditState& s, bool focused, bool displayForm, char* out) {
    out[0] = '\0';
    if (s.core.isNull) return;
    char field[12];
    const char separator[2] = {s.format.separator, '\0'};
    for (int pos = 0; pos < 3; ++pos) {
        FormatField(s, pos, focused, displayForm, field);
        strcat(out, field);
        if (pos < 2) strcat(out, separator);
    }
}

bool IsBlank(const DateTextPart& part) {
    for (int i = 0; i < part.length; ++i) {
        if (part.start[i] != ' ') return false;
    }
    return true;
}

void StoreField(DateEditState& s, DateField kind, int value) {
    const WORD stored = static_cast<WORD>(value);
    if (kind == DateField::Day)
        s.day = stored;
    else if (kind == DateField::Month)
        s.month = stored;
    else
        s.year = stored;
}

// A year typed with two digits keeps the century of the year it replaces (1900 for none).
int YearFromTwoDigits(const DateEditState& s, int typed) {
    const int century = s.year != kEmptyField && s.year >= 100 ? s.year / 100 * 100 : 1900;
    return century + typed % 100;
}

}  // namespace

void FormatEditText(const DateEditState& s, bool focused, char* out) {
    FormatFields(s, focused, false, out);
}

void FormatDisplayString(const DateEditState& s, char* out) { FormatFields(s, false, true, out); }

void RebuildDateTexts(DateEditState& s) {
    FormatEditText(s, s.core.hasFocus != FALSE, s.core.text);
    FormatDisplayString(s, s.core.display);
}

void ParseEditTextBack(DateEditState& s, int currentPos) {
    DateTextPart parts[3];
    const int count = SplitDateText(s.core.text, s.format.separator, parts);
    for (int pos = 0; pos < count; ++pos) {
        const DateField kind = FieldKindAt(s, pos);
        if (IsBlank(parts[pos]) && pos != currentPos) {
            StoreField(s, kind, kEmptyField);
            continue;
        }
        int value = ReadDatePart(parts[pos]);
        if (kind == DateField::Year && !s.format.fourDigitYear) value = YearFromTwoDigits(s, value);
        StoreField(s, kind, value);
    }
}

}  // namespace tw
