// The standard edit messages (see edit_messages.h).

#include "controls/common/edit_messages.h"

#include "controls/common/edit_clipboard.h"
#include "controls/common/edit_geometry.h"
#include "controls/common/edit_selection.h"
#include "controls/common/edit_text.h"
#include "controls/message_params.h"

namespace tw {
namespace {

// The text, its length, its line and the flags.
bool TextMessage(EditCore& core, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_GETTEXT:
            result = EDIT_GetText(core, PointerParam<char>(lParam), int(wParam));
            break;
        case WM_GETTEXTLENGTH:
        case EM_LINELENGTH: result = EDIT_GetTextLength(core); break;
        case EM_GETLINE: result = EDIT_GetLine(core, PointerParam<char>(lParam)); break;
        case WM_SETTEXT: result = EDIT_SetText(core, PointerParam<const char>(lParam)); break;
        case EM_GETLINECOUNT: result = 1; break;
        case EM_GETMODIFY: result = EDIT_GetModify(core); break;
        case EM_SETMODIFY: result = EDIT_SetModify(core, wParam != 0); break;
        case EM_SETREADONLY: result = EDIT_SetReadOnly(core, wParam != 0); break;
        default: return false;
    }
    return true;
}

// The selection, the text area and the clipboard.
bool SelectionMessage(EditCore& core, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case EM_GETSEL:
            result = EDIT_GetSel(core, PointerParam<DWORD>(wParam), PointerParam<DWORD>(lParam));
            break;
        case EM_SETSEL: result = EDIT_SetSel(core, int(wParam), int(lParam)); break;
        case EM_REPLACESEL: result = EDIT_ReplaceSel(core, PointerParam<const char>(lParam)); break;
        case EM_GETRECT: result = EDIT_GetRect(core, PointerParam<RECT>(lParam)); break;
        case WM_COPY: result = EDIT_Copy(core); break;
        case WM_CUT: result = EDIT_Cut(core); break;
        case WM_PASTE: result = EDIT_Paste(core); break;
        case WM_CLEAR: result = EDIT_Clear(core); break;
        default: return false;
    }
    return true;
}

}  // namespace

bool EDIT_StandardMessage(EditCore& core, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return TextMessage(core, msg, wParam, lParam, result) ||
           SelectionMessage(core, msg, wParam, lParam, result);
}

}  // namespace tw
