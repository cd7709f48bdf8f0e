// Standard text messages of the edit controls (see edit_text.h).

#include "controls/common/edit_text.h"

#include <cstring>

#include "controls/common/edit_fields.h"
#include "controls/common/edit_notify.h"

namespace tw {
namespace {

// Copies at most `size` bytes, the terminator included when `terminate`.
LRESULT CopyTextOut(const EditCore& core, char* buffer, int size, bool terminate) {
    if (!buffer || size <= 0) return 0;
    const int length = TextLength(core);
    const int room = terminate ? size - 1 : size;
    const int count = length < room ? length : room;
    memcpy(buffer, core.text, count);
    if (terminate) buffer[count] = '\0';
    return count;
}

}  // namespace

LRESULT EDIT_GetText(const EditCore& core, char* buffer, int size) {
    return CopyTextOut(core, buffer, size, true);
}

LRESULT EDIT_GetTextLength(const EditCore& core) { return TextLength(core); }

LRESULT EDIT_GetLine(const EditCore& core, char* buffer) {
    if (!buffer) return 0;
    WORD size = 0;
    memcpy(&size, buffer, sizeof size);
    return CopyTextOut(core, buffer, size, false);
}

LRESULT EDIT_SetText(EditCore& core, const char* text) {
    if (!ChangePermitted(core.hwnd)) return FALSE;
    const size_t length = text ? strnlen(text, kEditTextCapacity - 1) : 0;
    memcpy(core.text, text ? text : "", length);
    core.text[length] = '\0';
    core.behavior->parseText(core);
    CollapseSelection(core, 0);
    InvalidateRect(core.hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT EDIT_GetModify(const EditCore& core) { return core.modified; }

LRESULT EDIT_SetModify(EditCore& core, bool modified) {
    core.modified = modified;
    return 0;
}

LRESULT EDIT_SetReadOnly(EditCore& core, bool readOnly) {
    core.readOnly = readOnly;
    return TRUE;
}

}  // namespace tw
