// Short date format: pictures, date texts and their parts (see short_date_format.h).

#include "controls/common/short_date_format.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tw {

namespace {

constexpr int kMaxPart = 29;
constexpr long kMaxPartValue = 99999;
constexpr int kNoField = 0;

// Field kind (DateField value, kNoField for another letter) of one picture part ("dd", "M",
// "yyyy"); sets the digit flag it asks for.
int ReadPicturePart(const DateTextPart& part, ShortDateFormat& format) {
    if (part.length == 0) return kNoField;
    int repeats = 1;
    while (repeats < part.length && part.start[repeats] == part.start[0]) ++repeats;
    switch (part.start[0]) {
        case 'd': format.twoDigitDay = repeats >= 2; return int(DateField::Day);
        case 'M': format.twoDigitMonth = repeats >= 2; return int(DateField::Month);
        case 'y': format.fourDigitYear = repeats >= 3; return int(DateField::Year);
        default: return kNoField;
    }
}

// True when the three kinds name day, month and year once each.
bool IsCompleteOrder(const int kinds[3]) {
    bool seen[4] = {};
    for (int i = 0; i < 3; ++i) {
        if (kinds[i] == kNoField || seen[kinds[i]]) return false;
        seen[kinds[i]] = true;
    }
    return true;
}

}  // namespace

ShortDateFormat ParseShortDateFormat(const char* picture, char separator) {
    ShortDateFormat format;
    format.separator = separator ? separator : '/';
    DateTextPart parts[3];
    const int count = SplitDateText(picture, format.separator, parts);
    int kinds[3] = {kNoField, kNoField, kNoField};
    for (int i = 0; i < count; ++i) kinds[i] = ReadPicturePart(parts[i], format);
    if (IsCompleteOrder(kinds)) {
        for (int i = 0; i < 3; ++i) format.order[i] = DateField(kinds[i]);
    }
    return format;
}

int SplitDateText(const char* text, char separator, DateTextPart parts[3]) {
    int count = 0;
    const char* part = text ? text : "";
    while (count < 3) {
        const char* end = separator ? std::strchr(part, separator) : nullptr;
        const int length = end ? int(end - part) : int(std::strlen(part));
        parts[count++] = {part, length};
        if (!end) break;
        part = end + 1;
    }
    return count;
}

int ReadDatePart(const DateTextPart& part) {
    char digits[kMaxPart + 1];
    const int length = part.length < kMaxPart ? part.length : kMaxPart;
    std::memcpy(digits, part.start, length);
    digits[length] = '\0';
    const long value = std::strtol(digits, nullptr, 10);
    if (value > kMaxPartValue) return int(kMaxPartValue);
    return value < 0 ? 0 : int(value);
}

void FormatShortDate(const ShortDateFormat& format, int month, int day, int year, char* out,
                     size_t size) {
    if (!out || size == 0) return;
    char parts[3][16];
    for (int i = 0; i < 3; ++i) {
        switch (format.order[i]) {
            case DateField::Day:
                std::snprintf(parts[i], sizeof parts[i], format.twoDigitDay ? "%02i" : "%i", day);
                break;
            case DateField::Month:
                std::snprintf(parts[i], sizeof parts[i], format.twoDigitMonth ? "%02i" : "%i",
                              month);
                break;
            case DateField::Year:
                if (format.fourDigitYear)
                    std::snprintf(parts[i], sizeof parts[i], "%04i", year);
                else
                    std::snprintf(parts[i], sizeof parts[i], "%02i", year % 100);
                break;
        }
    }
    std::snprintf(out, size, "%s%c%s%c%s", parts[0], format.separator, parts[1], format.separator,
                  parts[2]);
}

bool ParseShortDate(const ShortDateFormat& format, const char* text, int* month, int* day,
                    int* year) {
    if (!text || !*text || !month || !day || !year) return false;
    DateTextPart parts[3];
    const int count = SplitDateText(text, format.separator, parts);
    for (int i = 0; i < count; ++i) {
        const int value = ReadDatePart(parts[i]);
        if (format.order[i] == DateField::Day)
            *day = value;
        else if (format.order[i] == DateField::Month)
            *month = value;
        else  // the year, and whatever else a client's field order names
            *year = (!format.fourDigitYear && value < 100) ? value + 1900 : value;
    }
    return true;
}

}  // namespace tw
