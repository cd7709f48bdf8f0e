// Caret creation and placement of the edit controls (see edit_caret.h).

#include "controls/common/edit_caret.h"

#include "controls/common/edit_geometry.h"
#include "controls/common/edit_notify.h"

namespace tw {
namespace {

constexpr int kCaretWidth = 2;

bool OwnsCaret(const EditCore& core) { return core.hasFocus && core.caretShown; }

}  // namespace

void CreateEditCaret(EditCore& core, bool wanted) {
    if (!wanted) return;
    CreateCaret(core.hwnd, nullptr, kCaretWidth, LineHeight(core));
    core.caretShown = TRUE;
    if (PlaceCaret(core)) ShowCaret(core.hwnd);
}

void DestroyEditCaret(EditCore& core) {
    if (!core.caretShown) return;
    HideCaret(core.hwnd);
    DestroyCaret();
    core.caretShown = FALSE;
}

bool PlaceCaret(EditCore& core) {
    HWND hwnd = core.hwnd;
    const int stateWord = core.stateWord;
    if (core.caret < core.firstVisible) {
        core.firstVisible = core.caret;
        InvalidateRect(hwnd, nullptr, FALSE);
        NotifyParent(hwnd, EN_HSCROLL);
        if (!EditStillAlive(hwnd, &core, stateWord)) return false;
    }
    if (!OwnsCaret(core)) return true;
    const RECT area = TextArea(core);
    HGDIOBJ previous = nullptr;
    HDC dc = AcquireFontDC(core, previous);
    int x = area.left + BoundaryX(core, dc, core.caret);
    ReleaseFontDC(core, dc, previous);
    const int y = area.top + (area.bottom - area.top - LineHeight(core)) / 2;
    if (x > area.right) {
        SetCaretPos(-100, y);
        NotifyParent(hwnd, EN_MAXTEXT);
        return EditStillAlive(hwnd, &core, stateWord);
    }
    SetCaretPos(x - 1, y);
    return true;
}

void HideEditCaret(EditCore& core) {
    if (OwnsCaret(core)) HideCaret(core.hwnd);
}

void ShowEditCaret(EditCore& core) {
    if (OwnsCaret(core)) ShowCaret(core.hwnd);
}

}  // namespace tw
