#pragma once
// The date edit's texts: the short date format from the system settings, the edit text and
// the display string built from the date, and the texts parsed back into the date.

#include "controls/date/date_state.h"

namespace tw {

// Parses a short date picture such as "M/d/yy" or "dd.MM.yyyy" split at `separator`; a
// picture that does not name each of day, month and year once gives month/day/year order.
DateFormat ParseShortDatePicture(const char* picture, char separator);

// Reads sDate and sShortDate of the intl settings; `separator` nonzero overrides sDate.
DateFormat ReadSystemDateFormat(char separator);

// Writes the edit text (focused or unfocused form) into `out` (at least 32 bytes).
void FormatEditText(const DateEditState& s, bool focused, char* out);
// Writes the display string (returned by dtGetDateString) into `out` (at least 32 bytes).
void FormatDisplayString(const DateEditState& s, char* out);

// Rebuilds the control's edit text and display string from its date.
void RebuildDateTexts(DateEditState& s);

// Parses the edit text back into the date; a blank in field `currentPos` counts as 0.
void ParseEditTextBack(DateEditState& s, int currentPos);

// dtSetDateString's reading: up to three parts split at the separator, stored by the field
// order; a two-digit-year format adds 1900 to a year below 100.
void ParseDateString(DateEditState& s, const char* text);

}  // namespace tw
