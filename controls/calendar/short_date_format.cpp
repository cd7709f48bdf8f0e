#include "controls/calendar/short_date_format.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tw {

namespace {

constexpr size_t kMaxPart = 29;

// Field of one picture part ("dd", "M", "yyyy"); sets the digit flags it asks for.
bool ReadPicturePart(const char* part, size_t length, ShortDateFormat& f, DateField* field) {
    if (length == 0) return false;
    size_t repeat = 1;
    while (repeat < length && part[repeat] == part[0]) ++repeat;
    switch (part[0]) {
    case 'd':
        *field = DateField::Day;
        f.twoDigitDay = repeat >= 2;
        return true;
    case 'M':
        *field = DateField::Month;
        f.twoDigitMonth = repeat >= 2;
        return true;
    case 'y':
        *field = DateField::Year;
        f.fourDigitYear = repeat >= 3;
        return true;
    default: return false;
    }
}

// Reads one decimal number, saturating instead of overflowing.
int ReadNumber(const char* part) {
    long value = std::strtol(part, nullptr, 10);
    if (value > 99999) return 99999;
    if (value < 0) return 0;
    return int(value);
}

}  // namespace

ShortDateFormat ParseShortDateFormat(const char* picture, char separator) {
    ShortDateFormat f;
    f.separator = separator ? separator : '/';
    if (!picture) return f;
    ShortDateFormat read = f;
    DateField order[3];
    int count = 0;
    const char* part = picture;
    while (count < 3) {
        const char* end = std::strchr(part, f.separator);
        size_t length = end ? size_t(end - part) : std::strlen(part);
        if (!ReadPicturePart(part, length, read, &order[count])) return f;
        ++count;
        if (!end) break;
        part = end + 1;
    }
    if (count != 3 || order[0] == order[1] || order[1] == order[2] || order[0] == order[2])
        return f;
    for (int i = 0; i < 3; ++i) read.order[i] = order[i];
    return read;
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
            std::snprintf(parts[i], sizeof parts[i], format.twoDigitMonth ? "%02i" : "%i", month);
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
    const char* part = text;
    for (int i = 0; i < 3 && part; ++i) {
        const char* end = std::strchr(part, format.separator);
        size_t length = end ? size_t(end - part) : std::strlen(part);
        char buffer[kMaxPart + 1];
        std::memcpy(buffer, part, length < kMaxPart ? length : kMaxPart);
        buffer[length < kMaxPart ? length : kMaxPart] = '\0';
        int value = ReadNumber(buffer);
        switch (format.order[i]) {
        case DateField::Day: *day = value; break;
        case DateField::Month: *month = value; break;
        case DateField::Year:
            *year = (!format.fourDigitYear && value < 100) ? value + 1900 : value;
            break;
        }
        part = end ? end + 1 : nullptr;
    }
    return true;
}

}  // namespace tw
