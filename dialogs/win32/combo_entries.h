#pragma once
// Drop-down lists whose entries carry a value as item data, and the way a preference page
// gives up when it cannot fill one: it ends its sheet as Cancel.

#include <windows.h>

#include <string>

namespace tw {

enum class ComboFill { kDone, kNoSpace, kFailed };

// Appends (or, in a sorted list, inserts) `text` with `data`.
ComboFill AddComboEntry(HWND combo, const std::string& text, LPARAM data);
// Selects the entry carrying `data`; none when no entry carries it.
void SelectComboData(HWND combo, LPARAM data);
// The data of the selected entry, or `none` when nothing is selected.
LPARAM SelectedComboData(HWND combo, LPARAM none);

// Ends the sheet of `page` as if Cancel was pressed, once the page's message is handled.
void CancelSheetOf(HWND page);

}  // namespace tw
