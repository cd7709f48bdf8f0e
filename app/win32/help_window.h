#pragma once
// The help page shipped with the program (RCDATA IDR_HELP_TEXT), shown in a window of its own
// with a read-only text that scrolls. One window at a time: asking again brings it forward.

#include <windows.h>

namespace tw {

// Shows the help window owned by `owner`; returns it, or null when it could not be made.
HWND ShowHelpWindow(HWND owner);

// The help text as shipped (empty when the resource is missing).
const char* HelpText(size_t& length);

}  // namespace tw
