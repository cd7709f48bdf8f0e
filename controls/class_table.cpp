// Registration table of the eleven classes: name, procedure, styles, extra bytes, cursor.

#include "controls/class_table.h"

#include "controls/window_procs.h"

namespace tw {
namespace {

constexpr UINT kResizeRedraw = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;

struct ClassEntry {
    const char* name;
    WNDPROC proc;
    UINT style;
    int windowExtra;
    bool arrowCursor;
    bool greyBackground;
};

const ClassEntry kClasses[] = {
    {"TarnButton32", TarnButtonWinFn, kResizeRedraw, 40, true, false},
    {"TarnNumEdit32", TarnNumEditWinFn, kResizeRedraw, 12, false, false},
    {"TarnDateEdit32", TarnDateEditWinFn, kResizeRedraw, 12, false, false},
    {"TarnTimeEdit32", TarnTimeEditWinFn, kResizeRedraw, 12, false, false},
    {"TarnFontSelect32", TarnFontSelectWinFn, kResizeRedraw, 12, true, true},
    {"TarnDial32", TarnDialWinFn, kResizeRedraw, 12, true, false},
    {"TarnUDLR32", TarnUDLRWinFn, kResizeRedraw, 10, true, false},
    {"TarnPercentBar32", TarnPctBarWinFn, kResizeRedraw, 32, true, false},
    {"TarnHierList32", TarnHierListWinFn, CS_GLOBALCLASS | CS_DBLCLKS, 4, true, false},
    {"TarnCalctl32", TarnCalctlWinFn, kResizeRedraw, 16, true, false},
    {"TarnComboBox32", TarnCBFunction, kResizeRedraw, 16, true, false},
};
static_assert(sizeof kClasses / sizeof kClasses[0] == static_cast<size_t>(ControlClass::Count));

ATOM g_atoms[static_cast<int>(ControlClass::Count)];

ATOM RegisterOne(HINSTANCE module, const ClassEntry& entry) {
    WNDCLASSA wc = {};
    wc.style = entry.style;
    wc.lpfnWndProc = entry.proc;
    wc.cbWndExtra = entry.windowExtra;
    wc.hInstance = module;
    wc.hCursor = entry.arrowCursor ? LoadCursorA(nullptr, IDC_ARROW) : nullptr;
    wc.hbrBackground =
        entry.greyBackground ? static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)) : nullptr;
    wc.lpszClassName = entry.name;
    return RegisterClassA(&wc);
}

}  // namespace

bool RegisterControlClasses(HINSTANCE module) {
    for (int i = 0; i < static_cast<int>(ControlClass::Count); ++i) {
        g_atoms[i] = RegisterOne(module, kClasses[i]);
        if (!g_atoms[i]) {
            UnregisterControlClasses(module);
            return false;
        }
    }
    return true;
}

void UnregisterControlClasses(HINSTANCE module) {
    for (int i = 0; i < static_cast<int>(ControlClass::Count); ++i) {
        if (g_atoms[i]) UnregisterClassA(kClasses[i].name, module);
        g_atoms[i] = 0;
    }
}

const char* ControlClassName(ControlClass cls) {
    int i = static_cast<int>(cls);
    return i >= 0 && i < static_cast<int>(ControlClass::Count) ? kClasses[i].name : "";
}

bool IsWindowOfClass(HWND hwnd, ControlClass cls) {
    int i = static_cast<int>(cls);
    if (!hwnd || i < 0 || i >= static_cast<int>(ControlClass::Count) || !g_atoms[i]) return false;
    return IsWindow(hwnd) && GetClassLongA(hwnd, GCW_ATOM) == g_atoms[i];
}

}  // namespace tw
