#pragma once
// Font and size rules of the edit controls: metrics, the minimum client size, and the
// lifetime pieces (edit-text block, defaults) every edit shares.

#include "controls/common/edit_core.h"

namespace tw {

// Takes `font` (the stock system font for null) and reads its metrics.
void TakeFont(EditCore& core, HFONT font);

// WM_SIZE: enlarges a client area below the font height by the widest character + 16 (in
// fixed cells rounded up to whole cells of the widest width + 2); true when the size was kept.
bool KeepMinimumSize(EditCore& core, int clientWidth, int clientHeight);

// Sets up the shared part at WM_NCCREATE: window, behaviour, the edit-text block, the font,
// default colours; false when the edit-text block cannot be allocated.
bool InitEditCore(EditCore& core, HWND hwnd, const EditBehavior* behavior, DWORD style);
// Frees the edit-text block and the strips (WM_NCDESTROY).
void ReleaseEditCore(EditCore& core);

// Sets the display style from bits 0x20 (fixed cells) and 0x10 (bitmap digits).
void TakeDigitStyleFromBits(EditCore& core, DWORD style);

}  // namespace tw
