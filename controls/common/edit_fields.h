#pragma once
// Fields and selection of an edit text: splitting, the field under a position, selecting.

#include "controls/common/edit_core.h"

namespace tw {

// Splits `text` at every character of `delimiters`; each delimiter ends a field.
int SplitAtDelimiters(const char* text, const char* delimiters, FieldSpan* spans);

// Index of the field holding position `pos` (a position on a delimiter or at a field's end
// belongs to the field before it); the last field for a position past the text.
int FieldAtPosition(const FieldSpan* spans, int count, int pos);

// The control's fields, as its behaviour splits them.
int CurrentSpans(const EditCore& core, FieldSpan* spans);

// The current field follows the caret.
void FollowCaret(EditCore& core);

void CollapseSelection(EditCore& core, int pos);
// Selects field `index` whole, caret at its end, and makes it current.
void SelectField(EditCore& core, int index);
// True when exactly field `index` is selected.
bool IsFieldSelected(const EditCore& core, int index);
bool IsWholeTextSelected(const EditCore& core);

// EM_SETSEL: (0, -1) selects all; start -1 collapses to the caret; otherwise the two are put
// in order and cut to the text's length; the caret goes to the selection's end.
void SetSelectionRange(EditCore& core, int start, int end);

}  // namespace tw
