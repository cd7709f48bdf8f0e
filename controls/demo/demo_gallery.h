#pragma once
// The gallery's content: labelled date edits, time edits and calendars in their styles and
// borders.

#include <windows.h>

namespace tw::demo {

// Creates every sample control as a child of `window`, using `font` for all of them;
// returns the date edit with the drop-down button.
HWND CreateGallery(HWND window, HFONT font);

}  // namespace tw::demo
