#pragma once
// The document's list command (Projects, Categories, Clients) and the Edit Time dialog's item
// buttons: the rate list editor on a copy of the lists; after OK the document takes the lists
// and options back, references to emptied slots become 0, and the view is refreshed.

#include <windows.h>

namespace tw {

class CWorkmetrDoc;

// Runs the editor on `list` (0 projects, 1 categories, 2 clients); true after OK.
bool RunRateListEditor(CWorkmetrDoc& doc, int list, HWND parent);

}  // namespace tw
