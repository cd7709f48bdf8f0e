#pragma once
// The locale's names that the date edits' drop-down calendars show: the twelve month names and
// the first letters of the seven day names.

#include <string>

namespace tw {

class ILocaleFormatter;

// The twelve month names, January first, each followed by a zero byte (the form the date edit
// takes); empty when a month has no name.
std::string MonthLiterals(const ILocaleFormatter& locale);

// Seven letters, the first of each day name, Sunday first; empty when a day has no name.
std::string DayLetters(const ILocaleFormatter& locale);

}  // namespace tw
