#pragma once
// The short date format of the system's international settings (a picture such as "M/d/yy"
// and a separator), shared by the date edit and the calendar: reading the picture, splitting a
// date text at the separator, reading it into month, day and year, and the plain date text of
// the calendar. Portable.

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

// Reads a picture ("dd.MM.yyyy") split at `separator` ('/' for 0). The first letter of each of
// the three parts names its field; "dd" and "MM" ask for two digits, "yyy" for a four-digit
// year. A picture that does not name each of day, month and year once gets the order month,
// day, year; the digit flags of the parts it does name stay.
ShortDateFormat ParseShortDateFormat(const char* picture, char separator);

// One part of a date text: `length` characters from `start`.
struct DateTextPart {
    const char* start;
    int length;
};

// Splits `text` (null reads as empty) at `separator` into at most three parts; returns their
// count. Text after a third separator is left out; a zero separator gives one part.
int SplitDateText(const char* text, char separator, DateTextPart parts[3]);

// A part read as a decimal number (its first 29 characters), saturating to 0..99999.
int ReadDatePart(const DateTextPart& part);

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
