#pragma once
// The lifetime steps both edit controls share: state creation and release, focus loss, and
// the ends of programmatic and user changes.

#include "controls/common/edit_core.h"
#include "controls/control_state.h"

namespace tw {

// WM_NCCREATE: a zero-filled state block of `size` bytes (EditCore first) stored in window word
// `stateWord`, with the edit-text block, the stock font and the default colours; null (nothing
// kept) when memory is short.
void* CreateEditState(HWND hwnd, size_t size, const EditBehavior* behavior, DWORD style,
                      int stateWord = kStateWordOffset);

// WM_NCDESTROY: clears the window word, frees the strips, the edit-text block and the state.
void DestroyEditState(EditCore& core);

// WM_KILLFOCUS: unfocused text, EN_KILLFOCUS, caret destroyed, repaint.
LRESULT EDIT_KillFocus(EditCore& core);

// After a programmatic change: selection cleared, first field current, texts rebuilt, caret
// placed, repainted now.
void ShowProgrammaticChange(EditCore& core);

// After an accepted user edit: modified, non-null, display rebuilt, change hook and
// EN_UPDATE, repaint, EN_CHANGE.
void FinishUserEdit(EditCore& core);

}  // namespace tw
