#pragma once
// Durations and money typed by the user, read back. Both read only the given text (embedded
// zero bytes and bytes above 127 are ordinary characters that fail or are dropped) and never
// overflow.

#include <string>

#include "doc/locale_formats.h"
#include "doc/time_range.h"

namespace tw {

// Reads a duration. Decimal form (`decimal`): digits and the decimal separator, which must be
// there: "1.5" is 1:30, ".25" is 0:15; fraction digits after the ninth are ignored. Clock form:
// hours, the time separator (a "." counts as one), minutes, optionally a separator and seconds:
// "1:30", "1.30", "1:75" (2:15), "0:0:90". Fails on empty text, other characters, a missing part
// and on a result beyond the 32-bit range of a Duration (long runs of leading zeros are fine).
bool ParseDuration(const std::string& text, bool decimal, const LocaleFormats& formats,
                   Duration& seconds);

// Reads an amount: the first currency symbol is removed, digits stay, the monetary decimal
// character becomes the point, everything else (signs, blanks, group separators) is dropped;
// nothing readable gives 0. Amounts beyond the float range saturate at the largest float.
float ParseMoney(const std::string& text, const LocaleFormats& formats);

}  // namespace tw
