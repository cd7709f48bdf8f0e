// TarnCBFunction: the combo box's window procedure. Its 8-byte block hangs on the window as
// the property "TarnComboBoxProp": the system combo box's procedure, which gets every message
// but the one the block answers, and the window that had the focus before the combo box.

#include "controls/combo/tarn32_combo.h"
#include "controls/control_state.h"
#include "framework/win32/window_barrier.h"

namespace tw {
namespace {

struct ComboBlock {
    WNDPROC systemProc;   // the procedure of the system class "COMBOBOX"
    DWORD previousFocus;  // low 16 bits: the window that lost the focus to the combo box
};
static_assert(sizeof(void*) != 4 || sizeof(ComboBlock) == 8, "the block is 8 bytes");

// The system combo box's procedure, from its class information.
WNDPROC SystemComboProc() {
    WNDCLASSA info = {};
    return GetClassInfoA(nullptr, "COMBOBOX", &info) ? info.lpfnWndProc : nullptr;
}

ComboBlock* ComboBlockOf(HWND hwnd) {
    return static_cast<ComboBlock*>(GetPropA(hwnd, TARN_COMBO_PROPERTY));
}

LRESULT PassOn(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!proc) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return CallWindowProcA(proc, hwnd, msg, wParam, lParam);
}

LRESULT CB_NcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    auto* block = static_cast<ComboBlock*>(AllocateBlock(sizeof(ComboBlock)));
    if (!block) return FALSE;
    if (!SetPropA(hwnd, TARN_COMBO_PROPERTY, block)) {
        FreeBlock(block);
        return FALSE;
    }
    block->systemProc = SystemComboProc();
    block->previousFocus = 0;
    return PassOn(block->systemProc, hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT CB_NcDestroy(ComboBlock& block, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(block.systemProc, hwnd, WM_NCDESTROY, wParam, lParam);
    RemovePropA(hwnd, TARN_COMBO_PROPERTY);
    FreeBlock(&block);
    return result;
}

LRESULT CB_SetFocus(ComboBlock& block, HWND hwnd, HWND losing) {
    block.previousFocus = LOWORD(reinterpret_cast<UINT_PTR>(losing));
    return PassOn(block.systemProc, hwnd, WM_SETFOCUS, WPARAM(losing), 0);
}

LRESULT CB_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) return CB_NcCreate(hwnd, wParam, lParam);
    ComboBlock* block = ComboBlockOf(hwnd);
    if (!block) return PassOn(SystemComboProc(), hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_NCDESTROY: return CB_NcDestroy(*block, hwnd, wParam, lParam);
        case WM_SETFOCUS: return CB_SetFocus(*block, hwnd, HWND(wParam));
        case TCBM_GETPREVFOCUS: return LOWORD(block->previousFocus);
        default: return PassOn(block->systemProc, hwnd, msg, wParam, lParam);
    }
}

}  // namespace
}  // namespace tw

extern "C" LRESULT CALLBACK TarnCBFunction(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0,
                                    [=] { return tw::CB_WindowProc(hwnd, msg, wParam, lParam); });
}
