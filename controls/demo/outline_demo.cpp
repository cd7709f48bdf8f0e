// The outline lists of the gallery (see outline_demo.h).

#include "controls/demo/outline_demo.h"

#include <string>

#include "controls/demo/demo_children.h"
#include "controls/tarn32.h"

namespace tw::demo {
namespace {

// The group sits beside the buttons and the gauges, under the numeric edits.
constexpr int kGroupLeft = 926;
constexpr int kGroupTop = 596;
constexpr int kGroupWidth = 290;
constexpr int kGroupBottom = 946;  // level with the gauges group
constexpr int kInset = 10;
constexpr int kLabelHeight = 18;
constexpr int kGap = 6;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | OLBS_NOTIFY;

HWND CreateList(HWND window, HFONT font, int x, int y, int width, int height) {
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, TARN_OUTLINE_CLASS, "", kListStyle, x, y, width,
                                height, window, nullptr, nullptr, nullptr);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    olbSetProportionalScrollBars(list, TRUE);
    olbSetNoHideSel(list, TRUE);  // the selection shows as in a list box without the focus
    return list;
}

// A label with a list under it, `height` pixels in all; gives the list.
HWND AddLabeledList(HWND window, HFONT font, int y, int height, const char* label) {
    const int x = kGroupLeft + kInset, width = kGroupWidth - 2 * kInset;
    AddChild(window, font, "STATIC", label, 0, x, y, width, kLabelHeight);
    return CreateList(window, font, x, y + kLabelHeight, width, height - kLabelHeight);
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

void AddOutlineLists(HWND window, HFONT font) {
    AddChild(window, font, "BUTTON", "Outline lists", BS_GROUPBOX, kGroupLeft, kGroupTop,
             kGroupWidth, kGroupBottom - kGroupTop);
    const int top = kGroupTop + 22, bottom = kGroupBottom - kInset;
    const int half = (bottom - top - kGap) / 2;
    FillPlan(AddLabeledList(window, font, top, half, "Lines and pictures"));
    FillFolder(AddLabeledList(window, font, top + half + kGap, half, "Directory tree"));
}

}  // namespace tw::demo
