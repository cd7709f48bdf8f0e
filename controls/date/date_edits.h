#pragma once
// User edits of the date edit: typing a digit, deleting, emptying a field, stepping.

#include "controls/date/date_state.h"

namespace tw {

// Typing a digit in overwrite mode; returns true when the digit was written.
bool TypeDateDigit(DateEditState& s, int digit);

// Handles a character as if keyed: digits are typed, another character on a separator
// moves past it (paste and EM_REPLACESEL).
void TypeDateChar(DateEditState& s, char c);

// Delete key, WM_CLEAR and cut: the digit at the caret becomes 0.
void DeleteDateAtCaret(DateEditState& s);

// Space: the current field is emptied and the caret goes to the next field.
void EmptyCurrentDateField(DateEditState& s);

// Up / Down: steps the current field and selects it.
void StepCurrentDateField(DateEditState& s, int delta);

// Moves the caret past a separator it stands on; the current field follows.
void SkipSeparator(DateEditState& s);

// EM_SETSEL: the shared selection, and the next digit is no longer after a typed 0.
LRESULT DATE_SetSel(DateEditState& s, int start, int end);

}  // namespace tw
