// Lifetime steps shared by the edit controls (see edit_lifecycle.h).

#include "controls/common/edit_lifecycle.h"

#include "controls/colors.h"
#include "controls/common/digit_strips.h"
#include "controls/common/edit_caret.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_font.h"
#include "controls/common/edit_notify.h"
#include "controls/control_state.h"
#include "controls/library_data.h"

namespace tw {
namespace {

const DWORD kDefaultColors[kColorSlotCount] = {
    SystemColorValue(COLOR_WINDOW),       SystemColorValue(COLOR_WINDOWTEXT),
    SystemColorValue(COLOR_BTNHIGHLIGHT), SystemColorValue(COLOR_BTNSHADOW),
    SystemColorValue(COLOR_BTNFACE),      SystemColorValue(COLOR_BTNFACE)};

bool InitEditCore(EditCore& core, HWND hwnd, const EditBehavior* behavior, DWORD style) {
    core.hwnd = hwnd;
    core.behavior = behavior;
    core.text = static_cast<char*>(AllocateBlock(kEditTextBlockSize));
    if (!core.text) return false;
    core.stripSize = -1;
    core.disabled = (style & WS_DISABLED) != 0;
    core.readOnly = (style & ES_READONLY) != 0;
    for (int i = 0; i < kColorSlotCount; ++i) core.colors[i] = kDefaultColors[i];
    TakeFont(core, nullptr);
    return true;
}

void ReleaseEditCore(EditCore& core) {
    FreeDigitStrips(core);
    FreeBlock(core.text);
    core.text = nullptr;
}

}  // namespace

void* CreateEditState(HWND hwnd, size_t size, const EditBehavior* behavior, DWORD style,
                      int stateWord) {
    auto* core = static_cast<EditCore*>(AllocateBlock(size));
    if (!core) return nullptr;
    core->stateWord = stateWord;
    StoreStatePointer(hwnd, core, stateWord);
    if (!InitEditCore(*core, hwnd, behavior, style)) {
        StoreStatePointer(hwnd, nullptr, stateWord);
        FreeBlock(core);
        return nullptr;
    }
    TakeWindowsVersion();
    return core;
}

void DestroyEditState(EditCore& core) {
    StoreStatePointer(core.hwnd, nullptr, core.stateWord);
    ReleaseEditCore(core);
    FreeBlock(&core);
}

LRESULT EDIT_KillFocus(EditCore& core) {
    core.hasFocus = FALSE;
    core.behavior->rebuildText(core);
    CollapseSelection(core, 0);
    core.firstVisible = 0;
    HWND hwnd = core.hwnd;
    const int stateWord = core.stateWord;
    NotifyParent(hwnd, EN_KILLFOCUS);
    if (!EditStillAlive(hwnd, &core, stateWord)) return 0;  // the parent destroyed the control
    DestroyEditCaret(core);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

void ShowProgrammaticChange(EditCore& core) {
    CollapseSelection(core, 0);
    core.currentField = 0;
    core.behavior->rebuildText(core);
    if (!PlaceCaret(core)) return;
    InvalidateRect(core.hwnd, nullptr, FALSE);
    UpdateWindow(core.hwnd);
}

void FinishUserEdit(EditCore& core) {
    core.modified = TRUE;
    core.isNull = FALSE;
    core.behavior->refreshDisplay(core);
    ReportUserChange(core);
}

}  // namespace tw
