#pragma once
// User edits of the time edit: typing a digit, stepping, deleting, Backspace and the
// designator letters.

#include "controls/time/time_state.h"

namespace tw {

bool TypeTimeDigit(TimeEditState& s, int digit);
// A character as if keyed (paste, EM_REPLACESEL).
void TypeTimeChar(TimeEditState& s, char c);
void StepCurrentTimeField(TimeEditState& s, int delta);
void DeleteTimeAtCaret(TimeEditState& s);
void BackspaceTime(TimeEditState& s);
// A key over the designator's letter: its first letters switch AM and PM.
void DesignatorKey(TimeEditState& s, UINT vk);
// Moves the caret past a separator or the blank before the designator.
void SkipTimeSeparator(TimeEditState& s);

}  // namespace tw
