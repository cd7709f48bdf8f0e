// Short date format and the date edit's texts (see date_format.h).

#include "controls/date/date_format.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tw {
namespace {

constexpr int kMaxPicture = 11;
constexpr int kMaxPart = 29;

struct TextPart {
    const char* start;
    int length;
};

// Up to three parts of `text` split at `separator`; returns their count.
int SplitParts(const char* text, char separator, TextPart parts[3])
{
    int count = 0;
    const char* part = text ? text : "";
    while (count < 3) {
        const char* end = strchr(part, separator);
        const int length = end ? static_cast<int>(end - part) : static_cast<int>(strlen(part));
        parts[count++] = {part, length};
        if (!end)
            break;
        part = end + 1;
    }
    return count;
}

bool IsCompleteOrder(const int order[3])
{
    bool seen[4] = {};
    for (int i = 0; i < 3; ++i) {
        if (order[i] < kDayField || order[i] > kYearField || seen[order[i]])
            return false;
        seen[order[i]] = true;
    }
    return true;
}

void TakePicturePart(DateFormat& format, int pos, const char* part, int length)
{
    int repeats = 0;
    while (repeats < length && part[repeats] == part[0])
        ++repeats;
    switch (part[0]) {
    case 'd':
        format.order[pos] = kDayField;
        format.twoDigitDay = repeats >= 2;
        break;
    case 'M':
        format.order[pos] = kMonthField;
        format.twoDigitMonth = repeats >= 2;
        break;
    case 'y':
        format.order[pos] = kYearField;
        format.fourDigitYear = repeats >= 3;
        break;
    default:
        format.order[pos] = 0;
        break;
    }
}

// One field of the edit text or display string.
void FormatField(const DateEditState& s, int pos, bool focused, bool displayForm, char* out)
{
    const int kind = FieldKindAt(s, pos);
    const WORD value = kind == kDayField ? s.day : kind == kMonthField ? s.month : s.year;
    const bool fourDigits = s.format.fourDigitYear;
    if (value == kEmptyField) {
        strcpy(out, kind == kYearField && fourDigits ? "    " : "  ");
        return;
    }
    if (kind != kYearField) {
        const bool two = focused || (kind == kDayField ? s.format.twoDigitDay : s.format.twoDigitMonth);
        sprintf(out, two ? "%02i" : "%i", value);
        return;
    }
    const int shown = fourDigits ? value : value % 100;
    if (pos == 2 || (displayForm && !fourDigits))
        sprintf(out, fourDigits ? "%04i" : "%02i", shown);
    else
        sprintf(out, "%i", shown);
}

void FormatFields(const DateEditState& s, bool focused, bool displayForm, char* out)
{
    out[0] = '\0';
    if (s.core.isNull)
        return;
    char field[12];
    const char separator[2] = {s.format.separator, '\0'};
    for (int pos = 0; pos < 3; ++pos) {
        FormatField(s, pos, focused, displayForm, field);
        strcat(out, field);
        if (pos < 2)
            strcat(out, separator);
    }
}

bool IsBlank(const char* part, int length)
{
    for (int i = 0; i < length; ++i) {
        if (part[i] != ' ')
            return false;
    }
    return true;
}

int ReadNumber(const char* part, int length)
{
    char digits[kMaxPart + 1];
    if (length > kMaxPart)
        length = kMaxPart;
    memcpy(digits, part, length);
    digits[length] = '\0';
    return atoi(digits);
}

void StoreField(DateEditState& s, int kind, int value)
{
    const WORD stored = static_cast<WORD>(value);
    if (kind == kDayField)
        s.day = stored;
    else if (kind == kMonthField)
        s.month = stored;
    else
        s.year = stored;
}

// A year typed with two digits keeps the century of the year it replaces (1900 for none).
int YearFromTwoDigits(const DateEditState& s, int typed)
{
    const int century = s.year != kEmptyField && s.year >= 100 ? s.year / 100 * 100 : 1900;
    return century + typed % 100;
}

}  // namespace

DateFormat ParseShortDatePicture(const char* picture, char separator)
{
    DateFormat format = {};
    format.separator = separator ? separator : '/';
    TextPart parts[3];
    const int count = SplitParts(picture, format.separator, parts);
    for (int pos = 0; pos < count; ++pos) {
        if (parts[pos].length > 0)
            TakePicturePart(format, pos, parts[pos].start, parts[pos].length);
    }
    if (!IsCompleteOrder(format.order)) {
        format.order[0] = kMonthField;
        format.order[1] = kDayField;
        format.order[2] = kYearField;
    }
    return format;
}

DateFormat ReadSystemDateFormat(char separator)
{
    char sDate[4] = "";
    char picture[kMaxPicture + 1] = "";
    GetProfileStringA("intl", "sDate", "/", sDate, sizeof sDate);
    GetProfileStringA("intl", "sShortDate", "M/d/yy", picture, sizeof picture);
    return ParseShortDatePicture(picture, separator ? separator : (sDate[0] ? sDate[0] : '/'));
}

void FormatEditText(const DateEditState& s, bool focused, char* out)
{
    FormatFields(s, focused, false, out);
}

void FormatDisplayString(const DateEditState& s, char* out)
{
    FormatFields(s, false, true, out);
}

void RebuildDateTexts(DateEditState& s)
{
    FormatEditText(s, s.core.hasFocus != FALSE, s.core.text);
    FormatDisplayString(s, s.core.display);
}

void ParseEditTextBack(DateEditState& s, int currentPos)
{
    TextPart parts[3];
    const int count = SplitParts(s.core.text, s.format.separator, parts);
    for (int pos = 0; pos < count; ++pos) {
        const int kind = FieldKindAt(s, pos);
        if (IsBlank(parts[pos].start, parts[pos].length) && pos != currentPos) {
            StoreField(s, kind, kEmptyField);
            continue;
        }
        int value = ReadNumber(parts[pos].start, parts[pos].length);
        if (kind == kYearField && !s.format.fourDigitYear)
            value = YearFromTwoDigits(s, value);
        StoreField(s, kind, value);
    }
}

void ParseDateString(DateEditState& s, const char* text)
{
    TextPart parts[3];
    const int count = SplitParts(text, s.format.separator, parts);
    for (int pos = 0; pos < count; ++pos) {
        const int kind = FieldKindAt(s, pos);
        int value = ReadNumber(parts[pos].start, parts[pos].length);
        if (kind == kYearField && !s.format.fourDigitYear && value < 100)
            value += 1900;
        StoreField(s, kind, value);
    }
}

}  // namespace tw
