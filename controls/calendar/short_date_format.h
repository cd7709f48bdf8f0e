#pragma once
// The short date format of the system's international settings (a picture such as "M/d/yy"
// and a separator) and the calendar's date text in it. Portable.

#include <cstddef>

namespace tw {

enum class DateField { Day = 1, Month = 2, Year = 3 };

struct ShortDateFormat {
    bool twoDigitMonth = false;
    bool twoDigitDay = false;
    bool fourDigitYear = false;
    DateField order[3] = {DateField::Month, DateField::Day, DateField::Year};
    char separator = '/';
};

// Reads a picture ("dd.MM.yyyy") with the given separator. A picture that does not name each
// of day, month and year once keeps the default order month, day, year.
ShortDateFormat ParseShortDateFormat(const char* picture, char separator);

// The date as text in the format: day and month with two digits when the format asks, the
// year with four digits or modulo 100. Cut to fit `size` bytes, always terminated.
void FormatShortDate(const ShortDateFormat& format, int month, int day, int year, char* out,
                     size_t size);

// Reads a date text: up to three parts split at the separator, each stored in the field the
// order names for its position (parts not given leave their field as it was). In two-digit
// year mode a year below 100 gets 1900 added. Returns false, changing nothing, for a null or
// empty text.
bool ParseShortDate(const ShortDateFormat& format, const char* text, int* month, int* day,
                    int* year);

}  // namespace tw
