#pragma once
// The standard text messages both edit controls answer the same way: the edit text as one
// line, its modified flag and the read-only flag.

#include "controls/common/edit_core.h"

namespace tw {

// WM_GETTEXT: copies at most `size` - 1 characters and a terminator; returns the count.
LRESULT EDIT_GetText(const EditCore& core, char* buffer, int size);

// WM_GETTEXTLENGTH and EM_LINELENGTH.
LRESULT EDIT_GetTextLength(const EditCore& core);

// EM_GETLINE: the buffer's first WORD holds its size; copies without a terminator.
LRESULT EDIT_GetLine(const EditCore& core, char* buffer);

// WM_SETTEXT: with permission, takes the text (cut to the edit-text capacity) and parses it
// back into the value; FALSE when refused.
LRESULT EDIT_SetText(EditCore& core, const char* text);

// EM_GETMODIFY, EM_SETMODIFY and EM_SETREADONLY.
LRESULT EDIT_GetModify(const EditCore& core);
LRESULT EDIT_SetModify(EditCore& core, bool modified);
LRESULT EDIT_SetReadOnly(EditCore& core, bool readOnly);

}  // namespace tw
