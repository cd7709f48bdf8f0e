#pragma once
// The gallery's numeric edits: the formats, alignments, spin buttons and display styles.

#include <windows.h>

namespace tw::demo {

// Adds a column of labelled numeric edits right of the gallery's other columns, widening the
// gallery window when it is too narrow for it.
void AddNumericEdits(HWND window, HFONT font);

}  // namespace tw::demo
