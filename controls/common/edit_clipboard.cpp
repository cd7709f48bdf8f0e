// Copy, cut and paste of the edit controls (see edit_clipboard.h).

#include "controls/common/edit_clipboard.h"

#include <cstring>
#include <string>

#include "controls/common/edit_fields.h"
#include "controls/common/edit_notify.h"

namespace tw {
namespace {

bool PutText(HWND owner, const char* text, int count) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, count + 1);
    if (!memory) return false;
    char* copy = static_cast<char*>(GlobalLock(memory));
    memcpy(copy, text, count);
    copy[count] = '\0';
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(memory);
    return placed;
}

// The clipboard's text, cut at the edit text's capacity.
std::string ClipboardText(HWND owner) {
    std::string text;
    if (!OpenClipboard(owner)) return text;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* source = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (source) {
        const size_t size = GlobalSize(data);
        text.assign(source, strnlen(source, size < kEditTextCapacity ? size : kEditTextCapacity));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

}  // namespace

LRESULT EDIT_Copy(const EditCore& core) {
    const int length = TextLength(core);
    int from = core.selStart;
    int count = core.selEnd - core.selStart;
    if (count <= 0) count = from < length ? 1 : 0;
    if (count > 0 && from + count <= length) PutText(core.hwnd, core.text + from, count);
    return 0;
}

LRESULT EDIT_Cut(EditCore& core) {
    EDIT_Copy(core);
    return EDIT_Clear(core);
}

LRESULT EDIT_Clear(EditCore& core) {
    if (ChangePermitted(core.hwnd)) core.behavior->deleteAtCaret(core);
    return 0;
}

void TypeString(EditCore& core, const char* text) {
    if (!text || !ChangePermitted(core.hwnd)) return;
    if (HasSelection(core) && !IsWholeTextSelected(core)) core.behavior->deleteAtCaret(core);
    const std::string copy(text, strnlen(text, kEditTextCapacity));
    HWND hwnd = core.hwnd;
    const int stateWord = core.stateWord;
    for (char c : copy) {
        if (!EditStillAlive(hwnd, &core, stateWord)) return;
        core.behavior->typeChar(core, c);
    }
}

LRESULT EDIT_Paste(EditCore& core) {
    const std::string text = ClipboardText(core.hwnd);
    TypeString(core, text.c_str());
    return 0;
}

}  // namespace tw
