#pragma once
// The recent-file entries of the File menu: one item per entry ("&1 C:\path\file.tw") with the
// ids kCmdFileMru1 onwards, in place of the first of them; one greyed "Recent File" item while
// the list is empty.

#include <windows.h>

#include "framework/recent_file_list.h"

namespace tw {

// Rewrites the entries of menu when it holds the recent-file place; nothing otherwise.
void RefreshRecentFileItems(HMENU menu, const RecentFileList& list);

}  // namespace tw
