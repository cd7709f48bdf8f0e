#pragma once
// Overwrite typing of one digit into a field of an edit text, shared by the date and time
// edits: the tentative value is checked by the control's own rule before it is written.

#include "controls/common/edit_core.h"

namespace tw {

// The text being typed into, with its fields and the field at the caret.
struct TypingText {
    char text[kEditTextCapacity];
    FieldSpan spans[kMaxFields];
    int fieldCount;
    int pos;  // index of the field typed into
};

// The control's check of a field value; `pos` is the field's index.
using FieldValueCheck = bool (*)(const EditCore& core, int pos, int value);

// Numeric value of the span's digits (blanks skipped).
int SpanValue(const char* text, const FieldSpan& span);

// Whether the field holds an acceptable value with `digit` written at `at`.
bool TentativeFits(const EditCore& core, const TypingText& t, int at, int digit,
                   FieldValueCheck check);

// Takes the control's text (or `emptyText` when it is empty) and its fields; a whole-text
// selection collapses to the start first; the field at the caret becomes current.
void BeginTyping(EditCore& core, TypingText& t, const char* emptyText);

// No selection: the digit replaces the character at the caret when the field allows it and
// the caret advances; otherwise the field is selected (the last one at the text's end).
bool OverwriteAtCaret(EditCore& core, TypingText& t, int digit, FieldValueCheck check);

// Writes the digit as the field's first digit with a second digit 0; caret after the first.
void WriteTens(EditCore& core, TypingText& t, int digit);

}  // namespace tw
