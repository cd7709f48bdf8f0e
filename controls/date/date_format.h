#pragma once
// The date edit's texts: the edit text and the display string built from the date, and the
// edit text parsed back into the date.

#include "controls/date/date_state.h"

namespace tw {

// Writes the edit text (focused or unfocused form) into `out` (at least 32 bytes).
void FormatEditText(const DateEditState& s, bool focused, char* out);
// Writes the display string (returned by dtGetDateString) into `out` (at least 32 bytes).
void FormatDisplayString(const DateEditState& s, char* out);

// Rebuilds the control's edit text and display string from its date.
void RebuildDateTexts(DateEditState& s);

// Parses the edit text back into the date; a blank in field `currentPos` counts as 0.
void ParseEditTextBack(DateEditState& s, int currentPos);

}  // namespace tw
