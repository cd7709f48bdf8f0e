// Any bytes as a short date format (the separator, then the picture up to the first line feed)
// and a date text (after it), through the portable short-date parser. A date text read into
// month, day and year and written back in the same format reads back to the same values,
// except where a two-digit year cannot hold the year; a date text written into a buffer of any
// size stays inside it and is terminated. A real date read this way keeps its day number, and
// the calendar's day steps from it stay on real days of its month.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "controls/common/day_number.h"
#include "controls/common/short_date_format.h"
#include "fuzz/fuzz_input.h"

namespace {

using tw::ShortDateFormat;

void CheckParts(const std::string& text, char separator) {
    tw::DateTextPart parts[3];
    const int count = tw::SplitDateText(text.c_str(), separator, parts);
    const char* end = text.c_str() + std::strlen(text.c_str());
    if (count < 1 || count > 3) std::abort();
    for (int i = 0; i < count; ++i) {
        if (parts[i].length < 0 || parts[i].start + parts[i].length > end) std::abort();
        const int value = tw::ReadDatePart(parts[i]);
        if (value < 0 || value > 99999) std::abort();
    }
}

// A separator that a written date can be split at again: not a digit, not the end of text.
bool SplitsWrittenDates(char separator) {
    return separator != '\0' && (separator < '0' || separator > '9');
}

bool YearFitsFormat(const ShortDateFormat& format, int year) {
    return format.fourDigitYear || (year >= 1900 && year <= 1999);
}

void CheckReadBack(const ShortDateFormat& format, const std::string& text) {
    int month = 0, day = 0, year = 0;
    if (!tw::ParseShortDate(format, text.c_str(), &month, &day, &year)) return;
    if (!SplitsWrittenDates(format.separator) || !YearFitsFormat(format, year)) return;
    char written[64];
    tw::FormatShortDate(format, month, day, year, written, sizeof written);
    int backMonth = -1, backDay = -1, backYear = -1;
    if (!tw::ParseShortDate(format, written, &backMonth, &backDay, &backYear)) std::abort();
    if (backMonth != month || backDay != day || backYear != year) std::abort();
}

void CheckDayArithmetic(int month, int day, int year, int delta) {
    if (!tw::IsRealDate(month, day, year)) return;
    const tw::DayDate back = tw::DateFromDayNumber(tw::DayNumber(month, day, year));
    if (back.month != month || back.day != day || back.year != year) std::abort();
    const int weekday = tw::WeekdayOf(month, day, year);
    if (weekday < 0 || weekday > 6) std::abort();
    const int stepped = tw::StepDayInMonth(month, day, year, delta);
    if (!tw::IsRealDate(month, stepped, year)) std::abort();
}

void CheckParsedDate(const ShortDateFormat& format, const std::string& text, int delta) {
    int month = 1, day = 1, year = 2000;
    if (tw::ParseShortDate(format, text.c_str(), &month, &day, &year))
        CheckDayArithmetic(month, day, year, delta);
}

void CheckCutWriting(const ShortDateFormat& format, const uint8_t* data, size_t size) {
    char buffer[24];
    const size_t limit = size == 0 ? 1 : 1 + data[size - 1] % sizeof buffer;
    std::memset(buffer, 'x', sizeof buffer);
    const int number = static_cast<int>(size * 7919 % 200000) - 100000;
    tw::FormatShortDate(format, number, number / 3, number * 7, buffer, limit);
    if (std::memchr(buffer, '\0', limit) == nullptr) std::abort();
    for (size_t i = limit; i < sizeof buffer; ++i)
        if (buffer[i] != 'x') std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const tw::fuzz::TwoTexts input = tw::fuzz::SplitAtFirstLineFeed(data, size);
    const char separator = input.first.empty() ? '\0' : input.first[0];
    const std::string picture = input.first.empty() ? std::string() : input.first.substr(1);
    const ShortDateFormat format = tw::ParseShortDateFormat(picture.c_str(), separator);
    CheckParts(input.second, format.separator);
    CheckParts(picture, separator);
    CheckReadBack(format, input.second);
    CheckParsedDate(format, input.second, static_cast<int>(size % 64) - 32);
    CheckCutWriting(format, data, size);
    return 0;
}
