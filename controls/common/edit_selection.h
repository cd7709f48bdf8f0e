#pragma once
// The standard selection messages both edit controls answer the same way.

#include "controls/common/edit_core.h"

namespace tw {

// EM_GETSEL: stores the start and end where the pointers are not null; returns the start in
// the low word and the end in the high word.
LRESULT EDIT_GetSel(const EditCore& core, DWORD* start, DWORD* end);

// EM_SETSEL: (0, -1) selects all; start -1 collapses to the caret; otherwise the two are put
// in order and cut to the text's length. The caret goes to the selection's end.
LRESULT EDIT_SetSel(EditCore& core, int start, int end);

// EM_REPLACESEL: types `text` in as if keyed (see TypeString), then posts the change hook.
LRESULT EDIT_ReplaceSel(EditCore& core, const char* text);

}  // namespace tw
