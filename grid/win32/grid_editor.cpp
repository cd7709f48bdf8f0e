#include "grid/win32/grid_editor.h"

#include <algorithm>

#include "framework/win32/window_barrier.h"
#include "grid/cell_parse.h"
#include "grid/win32/cell_format.h"
#include "grid/win32/grid_layout.h"
#include "grid/win32/grid_notify.h"
#include "grid/win32/grid_paint.h"
#include "grid/win32/grid_scroll.h"

namespace tw {
namespace grid {

namespace {

const char kStateProp[] = "DataTbl32.Grid";

LRESULT CALLBACK EditorProc(HWND edit, UINT msg, WPARAM w, LPARAM l);

bool CanEdit(const GridState& state, int row, int col) {
    const GridModel& model = state.model;
    if (!model.Rows().Valid(row) || !model.Columns().Valid(col)) return false;
    const Column& column = model.Columns().At(col);
    return (column.flags & kFlagEditable) && !(column.flags & kFlagHidden) &&
           column.type != kTypeMark;
}

void AddChoices(HWND combo, const std::string& choices) {
    size_t start = 0;
    while (start <= choices.size()) {
        size_t tab = choices.find('\t', start);
        if (tab == std::string::npos) tab = choices.size();
        const std::string item = choices.substr(start, tab - start);
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        start = tab + 1;
    }
}

HWND CreateChoiceEditor(GridState& state, const RECT& cell, const Column& column) {
    const int listHeight = 8 * state.rowHeight + 4;
    state.editor.combo = CreateWindowExA(
        0, "COMBOBOX", "", WS_CHILD | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, cell.left,
        cell.top - 1, cell.right - cell.left, cell.bottom - cell.top + listHeight, state.hwnd,
        nullptr, GetModuleHandleA(nullptr), nullptr);
    if (state.editor.combo == nullptr) return nullptr;
    AddChoices(state.editor.combo, column.choices);
    // The list may be wider than a narrow cell, so that whole choices can be read.
    SendMessageA(state.editor.combo, CB_SETDROPPEDWIDTH,
                 std::max<LONG>(cell.right - cell.left, 160), 0);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(state.editor.combo, &info);
    return info.hwndItem;
}

HWND CreatePlainEditor(GridState& state, const RECT& cell, const Column& column) {
    const DWORD style = WS_CHILD | ES_AUTOHSCROLL | (column.editStyle & 0xFFFF);
    return CreateWindowExA(0, "EDIT", "", style, cell.left + 1, cell.top + 1,
                           cell.right - cell.left - 1, cell.bottom - cell.top - 1, state.hwnd,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool CreateEditorWindow(GridState& state, int row, int col) {
    RECT cell;
    if (!CellRect(state, row, col, cell)) SetRect(&cell, 0, 0, 0, 0);
    const Column& column = state.model.Columns().At(col);
    state.editor = CellEditor{};
    state.editor.edit = column.choices.empty() ? CreatePlainEditor(state, cell, column)
                                               : CreateChoiceEditor(state, cell, column);
    if (state.editor.edit == nullptr) {
        if (state.editor.combo) DestroyWindow(state.editor.combo);
        state.editor = CellEditor{};
        return false;
    }
    HWND window = state.editor.combo ? state.editor.combo : state.editor.edit;
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(RowFont(state, row)), FALSE);
    if (column.type == kTypeText)
        SendMessageA(state.editor.edit, EM_LIMITTEXT, column.maxLength - 1, 0);
    SetPropA(state.editor.edit, kStateProp, &state);
    state.editor.editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(state.editor.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditorProc)));
    state.editor.slot = state.model.Rows().SlotOf(row);
    state.editor.column = col;
    ShowWindow(window, SW_SHOW);
    return true;
}

void DestroyEditorWindow(GridState& state) {
    CellEditor editor = state.editor;
    state.editing = false;
    state.editor = CellEditor{};
    if (GetFocus() == editor.edit) SetFocus(state.hwnd);
    RemovePropA(editor.edit, kStateProp);
    SetWindowLongPtrA(editor.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editor.editProc));
    DestroyWindow(editor.combo ? editor.combo : editor.edit);
    InvalidateRect(state.hwnd, nullptr, FALSE);
}

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(size_t(std::max(length, 0)) + 1, '\0');
    GetWindowTextA(hwnd, &text[0], length + 1);
    text.resize(strlen(text.c_str()));
    return text;
}

std::string ShortDatePicture() {
    char picture[80] = "M/d/yyyy";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, picture, sizeof picture);
    return picture;
}

// Stores an edited text in its cell; returns the row's new index, or -1 when the text is not
// a value of the column (the cell keeps its value) or nothing changed.
int StoreEditedText(GridState& state, int row, int col, const std::string& text) {
    GridModel& model = state.model;
    const Column& column = model.Columns().At(col);
    if (column.type == kTypeText) {
        return CellText(state, row, col) == text.substr(0, size_t(column.maxLength - 1))
                   ? -1
                   : model.SetTextField(row, col, text);
    }
    int32_t value = 0;
    uint16_t packed = 0;
    bool parsed = false;
    if (column.type == kTypeDate) {
        parsed =
            ParseDate(text, column.picture.empty() ? ShortDatePicture() : column.picture, packed);
        value = packed;
    } else if (column.type == kTypeTime) {
        parsed = ParseTime(text, packed);
        value = packed;
    } else {
        parsed = ParseNumber(text, value);
    }
    if (!parsed) {
        MessageBeep(MB_ICONEXCLAMATION);
        return -1;
    }
    const int32_t old =
        column.type == kTypeKey ? model.NumberField(row, col) : model.ShortField(row, col);
    return old == value ? -1 : model.SetNumberField(row, col, value);
}

void ReportChange(GridState& state, int row, int col) {
    InvalidateRect(state.hwnd, nullptr, FALSE);
    Notify(state, kNotifyCellChanged, row, col);
    Notify(state, kNotifyDataChanged, row, col);
}

bool OnEditorKey(GridState& state, WPARAM key) {
    const bool multiline = GetWindowLongA(state.editor.edit, GWL_STYLE) & ES_MULTILINE;
    switch (key) {
        case VK_RETURN:
            if (multiline && (GetKeyState(VK_CONTROL) & 0x8000)) return false;
            CommitEditor(state);
            return true;
        case VK_ESCAPE: CancelEditor(state); return true;
        case VK_TAB: CommitEditor(state); return true;
        default: return false;
    }
}

// Runs the typed-character protocol; returns the character to insert, 0 for none.
UINT OnEditorChar(GridState& state, UINT ch) {
    if (ch == '\r' || ch == 27 || ch == '\t') return 0;
    if (ch < 32) return ch;
    state.editor.typedChar = ch;
    state.editor.replacement = ch;
    const int row = state.model.Rows().RowOfSlot(state.editor.slot);
    Notify(state, kNotifyCharTyped, row, state.editor.column);
    return state.editing ? state.editor.replacement : 0;
}

LRESULT EditorMessage(HWND edit, UINT msg, WPARAM w, LPARAM l) {
    GridState* state = static_cast<GridState*>(GetPropA(edit, kStateProp));
    if (state == nullptr) return DefWindowProcA(edit, msg, w, l);
    WNDPROC original = state->editor.editProc;
    switch (msg) {
        case WM_GETDLGCODE: return CallWindowProcA(original, edit, msg, w, l) | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (OnEditorKey(*state, w)) return 0;
            break;
        case WM_CHAR:
            w = OnEditorChar(*state, static_cast<UINT>(w));
            if (w == 0) return 0;
            break;
        case WM_KILLFOCUS: PostMessageA(state->hwnd, kCommitPosted, 0, 0); break;
        default: break;
    }
    return CallWindowProcA(original, edit, msg, w, l);
}

LRESULT CALLBACK EditorProc(HWND edit, UINT msg, WPARAM w, LPARAM l) {
    return HandleMessageGuarded(msg, 0, [&] { return EditorMessage(edit, msg, w, l); });
}

}  // namespace

int OpenEditor(GridState& state, const char* initialText) {
    const int row = state.model.CurrentRow();
    const int col = state.model.CurrentColumn();
    if (state.editing || !CanEdit(state, row, col)) return -1;
    state.refuseEdit = false;
    Notify(state, kNotifyEditBegin, row, col);
    if (state.refuseEdit || !CanEdit(state, row, col)) {
        state.refuseEdit = false;
        return -1;
    }
    EnsureRowVisible(state, row, kPlaceNearest);
    EnsureColumnVisible(state, col);
    if (!CreateEditorWindow(state, row, col)) return -1;
    state.editing = true;
    const std::string text = initialText ? initialText : CellText(state, row, col);
    SetWindowTextA(state.editor.edit, text.c_str());
    if (state.editor.combo) {
        // The list opens on the cell's own choice.
        const LRESULT item = SendMessageA(state.editor.combo, CB_FINDSTRINGEXACT, WPARAM(-1),
                                          reinterpret_cast<LPARAM>(text.c_str()));
        if (item != CB_ERR && !initialText) SendMessageA(state.editor.combo, CB_SETCURSEL, item, 0);
    }
    if (initialText) {
        SetEditorCaret(state, -1);
    } else {
        SendMessageA(state.editor.edit, EM_SETSEL, 0, -1);
    }
    SetFocus(state.editor.edit);
    Notify(state, kNotifyEditorOpened, row, col);
    return 0;
}

bool CommitEditor(GridState& state) {
    if (!state.editing || state.editor.closing) return false;
    state.editor.closing = true;
    const int col = state.editor.column;
    Notify(state, kNotifyEditEnd, state.model.Rows().RowOfSlot(state.editor.slot), col);
    const std::string text = WindowText(state.editor.edit);
    const int row = state.model.Rows().RowOfSlot(state.editor.slot);
    DestroyEditorWindow(state);
    const int newRow = row >= 0 ? StoreEditedText(state, row, col, text) : -1;
    if (newRow >= 0) ReportChange(state, newRow, col);
    return true;
}

bool CancelEditor(GridState& state) {
    if (!state.editing || state.editor.closing) return false;
    state.editor.closing = true;
    Notify(state, kNotifyEditEnd, state.model.Rows().RowOfSlot(state.editor.slot),
           state.editor.column);
    DestroyEditorWindow(state);
    return true;
}

void CommitEditorIfOpen(GridState& state) {
    if (state.editing) CommitEditor(state);
}

void SetEditorCaret(GridState& state, int position) {
    if (!state.editing) return;
    if (position < 0) position = GetWindowTextLengthA(state.editor.edit);
    SendMessageA(state.editor.edit, EM_SETSEL, position, position);
    SendMessageA(state.editor.edit, EM_SCROLLCARET, 0, 0);
}

HWND EditorList(const GridState& state) {
    if (!state.editing || state.editor.combo == nullptr) return nullptr;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(state.editor.combo, &info);
    return info.hwndList;
}

bool ToggleMark(GridState& state, int row, int col) {
    GridModel& model = state.model;
    if (!model.Rows().Valid(row) || !model.Columns().Valid(col)) return false;
    const Column& column = model.Columns().At(col);
    if (column.type != kTypeMark || !(column.flags & kFlagEditable)) return false;
    const int newRow = model.SetNumberField(row, col, model.NumberField(row, col) != 0 ? 0 : 1);
    if (newRow >= 0) ReportChange(state, newRow, col);
    return newRow >= 0;
}

}  // namespace grid
}  // namespace tw
