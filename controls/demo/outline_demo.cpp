// The outline lists of the gallery (see outline_demo.h).

#include "controls/demo/outline_demo.h"

#include <string>

#include "controls/tarn32.h"

namespace tw::demo {
namespace {

constexpr int kHeadingHeight = 24;
constexpr int kGap = 8;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | OLBS_NOTIFY;

HWND CreateList(HWND window, HFONT font, int x, int y, int width, int height) {
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, TARN_OUTLINE_CLASS, "", kListStyle, x, y, width,
                                height, window, nullptr, nullptr, nullptr);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return list;
}

void AddLabel(HWND window, HFONT font, int x, int y, int width, const char* text) {
    HWND label = CreateWindowA("STATIC", text, WS_CHILD | WS_VISIBLE, x, y, width, 18, window,
                               nullptr, nullptr, nullptr);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// A project plan: phases with tasks, pictures by kind, one task locked.
void FillPlan(HWND list) {
    struct Entry {
        int level;
        const char* text;
        int image;
    };
    const Entry entries[] = {
        {0, "Tallywick 2.0", 0}, {1, "Planning", 0},      {2, "Requirements.doc", 8},
        {2, "Schedule.txt", 8},  {1, "Construction", 0},  {2, "tallyw.exe", 4},
        {2, "tarn32.dll", 4},    {2, "Release notes", 7}, {1, "Help", 0},
        {2, "tallyw.hlp", 9},    {0, "Archive", 0},       {1, "Screenshots", 6},
    };
    HOLBITEM parents[3] = {OLB_NOITEM, OLB_NOITEM, OLB_NOITEM};
    for (const Entry& e : entries) {
        const HOLBITEM item = olbAddChildStringEx(list, parents[e.level], e.text);
        olbSetBitmapIndexEx(list, item, e.image == 0 ? OLB_DIRECTORYIMAGE : e.image);
        if (e.level < 2) parents[e.level + 1] = item;
    }
    olbLockItemEx(list, olbFindNextEx(list, OLB_NOITEM, "Release notes"), TRUE);
    olbOpenAll(list, 0);
    olbShowLines(list, TRUE);
    olbEnableBitmaps(list, TRUE);
    olbSetCurSel(list, 2);
}

// The gallery's own folder with everything below it.
void FillFolder(HWND list) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    folder = folder.substr(0, folder.find_last_of('\\'));
    olbEnableMicroBitmaps(list, TRUE);
    olbEnableBitmaps(list, TRUE);
    olbUseStateBitmaps(list, TRUE);
    olbDir(list, 0x0010 | OLBDIR_RECURSE, (folder + "\\*.*").c_str());
    olbOpenItem(list, 0);
}

}  // namespace

void AddOutlineLists(HWND window, HFONT font, int x, int y, int width, int height) {
    const int listHeight = (height - 2 * kHeadingHeight - kGap) / 2;
    AddLabel(window, font, x, y, width, "Outline, lines and pictures");
    FillPlan(CreateList(window, font, x, y + kHeadingHeight, width, listHeight));
    const int second = y + kHeadingHeight + listHeight + kGap;
    AddLabel(window, font, x, second, width, "Directory tree");
    FillFolder(CreateList(window, font, x, second + kHeadingHeight, width, listHeight));
}

}  // namespace tw::demo
