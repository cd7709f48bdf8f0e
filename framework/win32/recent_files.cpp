#include "framework/win32/recent_files.h"

#include <string>

#include "framework/command_ids.h"

namespace tw {

namespace {

// Position of the first recent-file item in menu, or -1.
int FirstEntryPosition(HMENU menu, int maxEntries) {
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT id = ::GetMenuItemID(menu, i);
        if (id >= kCmdFileMru1 && id < kCmdFileMru1 + static_cast<UINT>(maxEntries)) return i;
    }
    return -1;
}

std::string EntryText(int index, const std::string& path) {
    std::string escaped;
    for (char c : path) {
        if (c == '&') escaped += '&';  // a single '&' would underline the next letter
        escaped += c;
    }
    return "&" + std::to_string(index + 1) + " " + escaped;
}

}  // namespace

void RefreshRecentFileItems(HMENU menu, const RecentFileList& list) {
    int position = FirstEntryPosition(menu, list.MaxEntries());
    if (position < 0) return;
    for (UINT i = 0; i < static_cast<UINT>(list.MaxEntries()); ++i) {
        ::DeleteMenu(menu, kCmdFileMru1 + i, MF_BYCOMMAND);
    }
    if (list.Count() == 0) {
        ::InsertMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | MF_GRAYED,
                      kCmdFileMru1, "Recent File");
        return;
    }
    for (int i = 0; i < list.Count(); ++i) {
        std::string text = EntryText(i, list.At(i));
        ::InsertMenuA(menu, static_cast<UINT>(position + i), MF_BYPOSITION | MF_STRING,
                      kCmdFileMru1 + static_cast<UINT>(i), text.c_str());
    }
}

}  // namespace tw
