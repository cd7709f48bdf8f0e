#pragma once
// Filling the outline list from the file system: drives, the entries of a directory (beneath
// their directories when asked, to a bounded depth, never twice into the same directory), and
// single files.

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

// The row of the last item added (or of its nearest shown ancestor); -1 when none was added.
LRESULT OLB_Dir(OutlineState& s, DWORD attributes, LPCSTR pattern);
// The row of the drive's root item (or of the last drive with the drives bit); -1 on failure.
LRESULT OLB_DirEx(OutlineState& s, DWORD attributes, long drive);
// A top-level item for one file with the picture of its kind; its row or -1.
LRESULT OLB_AddFile(OutlineState& s, LPCSTR fileName);

}  // namespace tw
