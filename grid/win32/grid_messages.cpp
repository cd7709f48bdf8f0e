// Dispatcher of the grid's private messages: each message goes to its typed handler.
#include "grid/selection.h"
#include "grid/win32/grid_editor.h"
#include "grid/win32/grid_handlers.h"

namespace tw {
namespace grid {

namespace {

int I(WPARAM w) { return static_cast<int>(w); }
int I(LPARAM l) { return static_cast<int>(l); }
const char* Text(LPARAM l) { return reinterpret_cast<const char*>(l); }
char* Buffer(LPARAM l) { return reinterpret_cast<char*>(l); }

LRESULT Editing(GridState& state, WPARAM action) {
    switch (action) {
        case kEditQuery: return state.editing ? 1 : 0;
        case kEditOpen: return OpenEditor(state, nullptr);
        case kEditCommit: return CommitEditor(state) ? 0 : kFailed;
        case kEditCancel: return CancelEditor(state) ? 0 : kFailed;
        default: return kFailed;
    }
}

LRESULT DuringCharTyped(GridState& state, UINT replacement) {
    if (!state.editing) return kFailed;
    state.editor.replacement = replacement;
    return 0;
}

}  // namespace

bool DispatchGridMessage(GridState& state, UINT msg, WPARAM w, LPARAM l, LRESULT& result) {
    const RowStore& rows = state.model.Rows();
    switch (msg) {
        case kClearRows: result = Grid_ClearRows(state); break;
        case kGetStyle: result = LRESULT(state.style); break;
        case kSetStyle:
            state.style = static_cast<unsigned>(l);
            result = 0;
            break;
        case kGetColumnCount: result = state.model.Columns().Count(); break;
        case kSetColumnCount: result = Grid_SetColumnCount(state, I(w)); break;
        case kGetColumnFlags: result = Grid_GetColumnFlags(state, I(w)); break;
        case kSetColumnFlags: result = Grid_SetColumnFlags(state, I(w), unsigned(l)); break;
        case kSetColumnType: result = Grid_SetColumnType(state, I(w), unsigned(l)); break;
        case kSetMaxLength: result = Grid_SetMaxLength(state, I(w), I(l)); break;
        case kSetColumnWidth: result = Grid_SetColumnWidth(state, unsigned(w), I(l)); break;
        case kSetPicture:
            result = Grid_SetColumnText(state, I(w), ColumnText::kPicture, Text(l));
            break;
        case kGetTitle:
            result = Grid_GetColumnText(state, I(w), ColumnText::kTitle, Buffer(l));
            break;
        case kSetTitle:
            result = Grid_SetColumnText(state, I(w), ColumnText::kTitle, Text(l));
            break;
        case kGetName:
            result = Grid_GetColumnText(state, I(w), ColumnText::kName, Buffer(l));
            break;
        case kSetName: result = Grid_SetColumnText(state, I(w), ColumnText::kName, Text(l)); break;
        case kFindColumn: result = Grid_FindColumn(state, Text(l)); break;
        case kGetRowCount: result = rows.Count(); break;
        case kGetViewValue: result = Grid_GetViewValue(state, unsigned(w)); break;
        case kSetViewValue: result = Grid_SetViewValue(state, unsigned(w), l); break;
        case kGetSetting: result = Grid_GetSetting(state, unsigned(l)); break;
        case kSetSetting: result = Grid_SetSetting(state, unsigned(l), w); break;
        case kGetCurrentRow: result = state.model.CurrentRow(); break;
        case kGetCurrentColumn: result = state.model.CurrentColumn(); break;
        case kSetCurrentCellQuiet:
        case kSetCurrentCell: result = Grid_SetCurrentCell(state, I(w), I(l)); break;
        case kOverwriteRow:
            result = Grid_OverwriteRow(state, reinterpret_cast<const void*>(l));
            break;
        case kInsertRow: result = Grid_InsertRow(state, reinterpret_cast<const void*>(l)); break;
        case kDeleteRow: result = Grid_DeleteRow(state); break;
        case kReadCell: result = Grid_ReadCell(state, reinterpret_cast<void*>(l), I(w)); break;
        case kSelectRow: result = Grid_SelectRow(state, w != 0, I(l)); break;
        case kSelectAll: result = Grid_SelectAll(state, w != 0); break;
        case kGetSelectedCount: result = rows.SelectedCount(); break;
        case kGetSelectedRows:
            result = Grid_GetSelectedRows(state, reinterpret_cast<int*>(l), I(w));
            break;
        case kGetFirstSelected: result = FirstSelected(rows); break;
        case kGetNextSelected: result = Grid_GetNextSelected(state, I(l)); break;
        case kSetEditorCaret:
            SetEditorCaret(state, I(l));
            result = state.editing ? 0 : kFailed;
            break;
        case kGetVisibleRows: result = Grid_GetVisibleRows(state); break;
        case kGetNotifyRow: result = state.notifyRow; break;
        case kGetNotifyColumn: result = state.notifyColumn; break;
        case kEditing: result = Editing(state, w); break;
        case kSetRowFont:
            result = Grid_SetRowFont(state, reinterpret_cast<const LOGFONTA*>(l));
            break;
        case kResetRowFont: result = Grid_ResetRowFont(state); break;
        case kGetTypedChar:
            result = state.editing ? LRESULT(state.editor.typedChar) : kFailed;
            break;
        case kReplaceTypedChar: result = DuringCharTyped(state, unsigned(w) & 0xFF); break;
        case kGetRowHeight: result = Grid_GetRowHeight(state); break;
        case kSetRowHeight: result = Grid_SetRowHeight(state, I(l)); break;
        case kRedrawRow: result = Grid_RedrawRow(state, I(l)); break;
        case kEnsureVisible: result = Grid_EnsureVisible(state, unsigned(w), I(l)); break;
        case kSetEditStyle: result = Grid_SetEditStyle(state, I(w), unsigned(l)); break;
        case kSetOptions:
            state.options = static_cast<unsigned>(l);
            result = 0;
            break;
        case kSetChoices:
            result = Grid_SetColumnText(state, I(w), ColumnText::kChoices, Text(l));
            break;
        case kSetSortColumn: result = Grid_SetSortColumn(state, unsigned(w), I(l)); break;
        case kGetEditorWindow:
            result = reinterpret_cast<LRESULT>(state.editing ? state.editor.edit : nullptr);
            break;
        case kRefuseEdit:
            state.refuseEdit = l != 0;
            result = 0;
            break;
        case kSetSortAscending: result = Grid_SetSortAscending(state, w != 0, I(l)); break;
        case kSetSortNoCase: result = Grid_SetSortNoCase(state, w != 0, I(l)); break;
        case kGetEditorList: result = reinterpret_cast<LRESULT>(EditorList(state)); break;
        case kGetPlacementSetting: result = kSettingPlacement; break;
        case kGetHeaderHeight: result = state.headerHeight; break;
        case kGetDefaultRowHeight: result = state.rowHeight; break;
        case kGetGrowStep: result = rows.GrowStep(); break;
        case kSetGrowStep:
            state.model.Rows().SetGrowStep(I(w));
            result = 0;
            break;
        case kSetTabWidth:
            state.tabWidth = I(w) > 0 ? I(w) : 8;
            result = 0;
            break;
        case kSetNullText:
            result = Grid_SetColumnText(state, I(w), ColumnText::kNullText, Text(l));
            break;
        case kSetHeaderHeight: result = Grid_SetHeaderHeight(state, I(w)); break;
        case kSetDefaultRowHeight: result = Grid_SetDefaultRowHeight(state, I(w)); break;
        case kFindKey: result = Grid_FindKey(state, static_cast<int32_t>(w)); break;
        case kGetColumnWidth: result = Grid_GetColumnWidth(state, unsigned(w)); break;
        default: return false;
    }
    return true;
}

bool IsSortMessage(UINT msg) {
    return msg == kSetSortColumn || msg == kSetSortAscending || msg == kSetSortNoCase;
}

}  // namespace grid
}  // namespace tw
