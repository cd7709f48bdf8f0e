#pragma once
// Answers both edits give the same way without changing anything.

#include "controls/common/edit_core.h"

namespace tw {

// WM_GETDLGCODE: arrows, selection, characters, static, and the bit 0x8000.
constexpr LRESULT kEditDialogCode =
    DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_STATIC | 0x8000;

// dtIsNull, tmIsNull: the null flag, 1 while the control holds no value.
int EDIT_IsNull(const EditCore& core);

// dtOkToChange, tmOkToChange: the library's own answer to the permission message, always 1.
int EDIT_OkToChange(const EditCore& core);

// dtGetMinHeight, tmGetMinHeight: the font height plus the border allowance.
int EDIT_GetMinHeight(const EditCore& core);

// dtGetDateString, tmGetTimeString: copies the display string (at most 32 bytes with its
// terminator) into `buffer` and returns it; null without a buffer.
LPSTR EDIT_GetDisplayString(const EditCore& core, LPSTR buffer);

// 0xD07: the type (11) of the calendar-time record of 0xD01; its size (36) goes where `size`
// is not null.
LRESULT EDIT_GetCalTimeType(DWORD* size);

}  // namespace tw
