// Shared standard messages of the edit controls (see edit_messages.h).

#include "controls/common/edit_messages.h"

#include <windowsx.h>

#include <cstring>

#include "controls/common/edit_caret.h"
#include "controls/common/edit_clipboard.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_font.h"
#include "controls/common/edit_geometry.h"
#include "controls/common/edit_mouse.h"
#include "controls/common/edit_notify.h"

namespace tw {
namespace {

constexpr UINT kCalTimeTypeMessage = 0xD07;
constexpr LRESULT kCalTimeRecordType = 11;
constexpr DWORD kCalTimeRecordSize = 36;

constexpr LRESULT kDialogCode =
    DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_STATIC | 0x8000;

// WM_GETTEXT and EM_GETLINE: copies at most `size` bytes with the terminator when `nul`.
LRESULT CopyTextOut(const EditCore& core, char* buffer, int size, bool terminate)
{
    if (!buffer || size <= 0)
        return 0;
    const int length = TextLength(core);
    int count = terminate ? (length < size - 1 ? length : size - 1) : (length < size ? length : size);
    memcpy(buffer, core.text, count);
    if (terminate)
        buffer[count] = '\0';
    return count;
}

// EM_GETLINE: the first WORD of the buffer holds its size.
LRESULT CopyLine(const EditCore& core, char* buffer)
{
    if (!buffer)
        return 0;
    WORD size = 0;
    memcpy(&size, buffer, sizeof size);
    return CopyTextOut(core, buffer, size, false);
}

LRESULT SetText(EditCore& core, const char* text)
{
    if (!ChangePermitted(core.hwnd))
        return FALSE;
    const size_t length = text ? strnlen(text, kEditTextCapacity - 1) : 0;
    memcpy(core.text, text ? text : "", length);
    core.text[length] = '\0';
    core.behavior->parseText(core);
    CollapseSelection(core, 0);
    InvalidateRect(core.hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT SetFont(EditCore& core, HFONT font, BOOL redraw)
{
    TakeFont(core, font);
    if (core.hasFocus && core.caretShown) {
        DestroyEditCaret(core);
        CreateEditCaret(core, true);
    }
    RECT client;
    GetClientRect(core.hwnd, &client);
    KeepMinimumSize(core, client.right, client.bottom);
    if (redraw)
        InvalidateRect(core.hwnd, nullptr, FALSE);
    return 0;
}

bool HandleSelectionMessage(EditCore& core, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result)
{
    switch (msg) {
    case EM_GETSEL:
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = core.selStart;
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = core.selEnd;
        result = MAKELRESULT(core.selStart, core.selEnd);
        return true;
    case EM_SETSEL:
        SetSelectionRange(core, static_cast<int>(wParam), static_cast<int>(lParam));
        FollowCaret(core);
        PlaceCaret(core);
        InvalidateRect(core.hwnd, nullptr, FALSE);
        result = 0;
        return true;
    case EM_REPLACESEL:
        TypeString(core, reinterpret_cast<const char*>(lParam));
        PostMessageA(core.hwnd, kChangeHookMessage, 0, 0);
        result = 0;
        return true;
    default:
        return false;
    }
}

bool HandleTextMessage(EditCore& core, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (msg) {
    case WM_GETTEXT:
        result = CopyTextOut(core, reinterpret_cast<char*>(lParam), static_cast<int>(wParam), true);
        return true;
    case WM_GETTEXTLENGTH:
    case EM_LINELENGTH:
        result = TextLength(core);
        return true;
    case EM_GETLINE:
        result = CopyLine(core, reinterpret_cast<char*>(lParam));
        return true;
    case WM_SETTEXT:
        result = SetText(core, reinterpret_cast<const char*>(lParam));
        return true;
    case EM_GETLINECOUNT:
        result = 1;
        return true;
    case EM_GETMODIFY:
        result = core.modified;
        return true;
    case EM_SETMODIFY:
        core.modified = wParam != 0;
        result = 0;
        return true;
    case EM_SETREADONLY:
        core.readOnly = wParam != 0;
        result = TRUE;
        return true;
    default:
        return false;
    }
}

bool HandleClipboardMessage(EditCore& core, UINT msg, LRESULT& result)
{
    switch (msg) {
    case WM_COPY:
        CopySelection(core);
        break;
    case WM_CUT:
        CutSelection(core);
        break;
    case WM_PASTE:
        PasteClipboard(core);
        break;
    case WM_CLEAR:
        if (ChangePermitted(core.hwnd))
            core.behavior->deleteAtCaret(core);
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

bool HandleMouseMessage(EditCore& core, UINT msg, LPARAM lParam, LRESULT& result)
{
    const int x = GET_X_LPARAM(lParam);
    switch (msg) {
    case WM_MOUSEMOVE:
        MouseDrag(core, x);
        break;
    case WM_LBUTTONUP:
        MouseRelease(core);
        break;
    case WM_LBUTTONDBLCLK:
        if (!core.readOnly)
            MouseDoubleClick(core, x);
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

}  // namespace

bool HandleSharedEditMessage(EditCore& core, UINT msg, WPARAM wParam, LPARAM lParam,
                             LRESULT& result)
{
    if (HandleTextMessage(core, msg, wParam, lParam, result) ||
        HandleSelectionMessage(core, msg, wParam, lParam, result) ||
        HandleClipboardMessage(core, msg, result) || HandleMouseMessage(core, msg, lParam, result))
        return true;
    switch (msg) {
    case EM_GETRECT:
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) = TextArea(core);
        result = 0;
        return true;
    case WM_GETFONT:
        result = reinterpret_cast<LRESULT>(core.font);
        return true;
    case WM_SETFONT:
        result = SetFont(core, reinterpret_cast<HFONT>(wParam), LOWORD(lParam));
        return true;
    case WM_GETDLGCODE:
        result = kDialogCode;
        return true;
    case WM_ERASEBKGND:
        result = 1;   // painting covers the whole client area
        return true;
    case WM_SETCURSOR:
        SetEditCursor(core);
        result = TRUE;
        return true;
    case WM_ENABLE:
        core.disabled = !wParam;
        InvalidateRect(core.hwnd, nullptr, FALSE);
        result = 0;
        return true;
    case kCalTimeTypeMessage:
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = kCalTimeRecordSize;
        result = kCalTimeRecordType;
        return true;
    case WM_SIZE:
        KeepMinimumSize(core, LOWORD(lParam), HIWORD(lParam));
        result = 0;
        return true;
    default:
        return false;
    }
}

}  // namespace tw
