// CFormDlg: the grid's notifications, in-cell editing (F2), adding a row (Ins).
#include <windows.h>

#include <string>

#include "app/res/resource.h"
#include "doc/document.h"
#include "doc/locale_formats.h"
#include "doc/time_rec.h"
#include "view/cell_edit_rules.h"
#include "view/time_table_columns.h"
#include "view/time_table_row.h"
#include "view/win32/form_dlg.h"

namespace tw {

namespace {

constexpr size_t kCellTextSize = 1024;

}  // namespace

std::string CFormDlg::ColumnNameAt(int column) {
    char name[256] = {};
    if (column < 0 || grid_.GetName(column, name) != 0) return std::string();
    return name;
}

std::string CFormDlg::CurrentColumnName() {
    return ColumnNameAt(static_cast<int>(grid_.GetCurrentColumn()));
}

bool CFormDlg::OnControlCommand(UINT id, UINT code, HWND control) {
    if (id != IDC_TIME_TABLE) return false;
    OnGridNotify(code);
    return true;
}

void CFormDlg::OnGridNotify(UINT code) {
    switch (code) {
        case grid::kNotifyDataChanged:
            if (grid_.IsEditing()) grid_.CommitEditor();
            break;
        case grid::kNotifyDoubleClick: OnGridDoubleClick(); break;
        case grid::kNotifyCellChanged: OnCellChanged(); break;
        case grid::kNotifyEditorOpened: OnEditorOpened(); break;
        case grid::kNotifyClick: OnGridClick(); break;
        case grid::kNotifyCharTyped: OnCharTyped(); break;
        case grid::kNotifyEditBegin: OnEditBegin(); break;
        case grid::kNotifyEditEnd: OnEditEnd(); break;
        case grid::kNotifySelectionChanged:
        case grid::kNotifyCurrentRowChanged: UpdateClockDisplay(); break;
        default: break;
    }
}

bool CFormDlg::CanOpenCellEditor() {
    if (!grid_.IsWindow()) return false;
    const long row = grid_.GetCurrentRow();
    const long column = grid_.GetCurrentColumn();
    const std::string name = ColumnNameAt(static_cast<int>(column));
    int key = -1;
    if (row >= 0) {
        key = RecordOfRow(static_cast<int>(row));  // moves the current cell to the key column
        grid_.SetCurrentCell(static_cast<int>(column), static_cast<int>(row));
    }
    const bool running = key >= 0 && Document()->IsRecordRunning(key);
    return ::tw::CanOpenCellEditor(name, row != grid::kNoCurrentRow, running);
}

void CFormDlg::OpenCellEditor() {
    if (grid_.IsEditing() || !CanOpenCellEditor()) return;
    grid_.OpenEditor();
}

void CFormDlg::OnEditBegin() {
    const long row = grid_.GetCurrentRow();
    const int column = static_cast<int>(grid_.GetCurrentColumn());
    const std::string name = ColumnNameAt(column);
    if (name == "NOTES") {
        grid_.SetCurrentCell(column, static_cast<int>(row));
        notesRowHeight_ = static_cast<int>(grid_.GetRowHeight());
        if (notesRowHeight_ > 0) grid_.SetRowHeight(3 * notesRowHeight_);
        return;
    }
    const int key = row >= 0 ? RecordOfRow(static_cast<int>(row)) : -1;
    grid_.SetCurrentCell(column, static_cast<int>(row));
    if (RefusesEditBegin(name, key >= 0 && Document()->IsRecordRunning(key))) grid_.RefuseEdit();
}

void CFormDlg::OnEditorOpened() {
    const int column = static_cast<int>(grid_.GetCurrentColumn());
    const int row = static_cast<int>(grid_.GetCurrentRow());
    const std::string name = ColumnNameAt(column);
    HWND editor = grid_.GetEditorWindow();
    const bool dateCell = name == "START_DATE" || name == "STOP_DATE";
    const bool timeCell = name == "START_TIME" || name == "STOP_TIME";
    if (dateCell || timeCell) {
        const int key = RecordOfRow(row);
        grid_.SetCurrentCell(column, row);
        const CTimeRec* record = Document()->GetRecord(key);
        if (record == nullptr || editor == nullptr) return;
        const CalTime t = name.compare(0, 5, "START") == 0 ? record->GetStart() : record->GetStop();
        const std::string text = dateCell ? Document()->Formats().FormatDate(t, false)
                                          : Document()->Formats().FormatTimeOfDay(t, false);
        ::SetWindowTextA(editor, text.c_str());
        grid_.SetEditorCaret(-1);
    } else if (name == "PROJECT" || name == "CATEGORY" || name == "CLIENT") {
        HWND list = grid_.GetEditorList();
        if (list == nullptr) return;
        RECT rect;
        ::GetWindowRect(list, &rect);
        const int width = rect.right - rect.left;
        if (width < widestList_) {
            ::SetWindowPos(list, nullptr, 0, 0, std::min(2 * width, widestList_),
                           rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } else if (name == "NOTES") {
        grid_.SetCurrentCell(column, row);
        grid_.SetEditorCaret(0);
    } else if (name == "PAUSED_TIME") {
        grid_.SetCurrentCell(column, row);
    }
}

void CFormDlg::OnCharTyped() {
    const long typed = grid_.GetTypedChar();
    if (typed < 0 || typed > 255) return;
    const char replacement = ReplacementForTypedChar(
        CurrentColumnName(), static_cast<char>(typed),
        Document()->Settings().timeDisplay.decimalNotation, AppLocaleFormats().timeSeparator);
    if (replacement != 0) grid_.ReplaceTypedChar(replacement);
}

void CFormDlg::OnEditEnd() {
    const std::string name = CurrentColumnName();
    if (name == "START_TIME" || name == "STOP_TIME") {
        const LocaleFormats& formats = AppLocaleFormats();
        HWND editor = grid_.GetEditorWindow();
        if (editor == nullptr) return;
        char text[256] = {};
        ::GetWindowTextA(editor, text, sizeof text);
        const std::string completed =
            WithAfternoonDesignator(text, formats.amDesignator, formats.pmDesignator);
        if (completed != text) {
            ::SetWindowTextA(editor, completed.c_str());
            grid_.SetEditorCaret(-1);
        }
    } else if (name == "NOTES") {
        const long row = grid_.GetCurrentRow();
        grid_.SetCurrentCell(static_cast<int>(grid_.GetCurrentColumn()), static_cast<int>(row));
        if (notesRowHeight_ > 0) grid_.SetRowHeight(notesRowHeight_);
    }
}

// A cell the user changed goes to the document's edit of its column.
void CFormDlg::OnCellChanged() {
    const long row = grid_.GetNotifyRow();
    const long column = grid_.GetNotifyColumn();
    if (row < 0 || column < 0) return;  // the header and the row selectors are no cells
    if (row >= grid_.GetRowCount() || column >= grid_.GetColumnCount()) return;
    const int key = RecordOfRow(static_cast<int>(row));
    if (key < 0) return;
    if (grid_.SetCurrentCell(static_cast<int>(column), static_cast<int>(row)) < 0) return;
    const std::string name = ColumnNameAt(static_cast<int>(column));
    const int field = FieldOfColumn(name);
    CWorkmetrDoc& doc = *Document();
    const TimeTableColumnInfo* info = TimeTableColumn(GridColumnOfName(name));
    if (info == nullptr) return;
    if (info->type == grid::kTypeDate || info->type == grid::kTypeTime) {
        uint16_t packed = 0;
        if (grid_.ReadCell(&packed, sizeof packed) != 0) return;
        if (info->type == grid::kTypeDate) {
            doc.EditDateCell(key, field, grid::DosDateYear(packed), grid::DosDateMonth(packed),
                             grid::DosDateDay(packed));
        } else {
            doc.EditTimeCell(key, field, grid::DosTimeHour(packed), grid::DosTimeMinute(packed),
                             grid::DosTimeSecond(packed));
        }
    } else if (info->type == grid::kTypeMark) {
        int32_t mark = 0;
        if (grid_.ReadCell(&mark, sizeof mark) == 0) doc.EditMarkCell(key, mark);
    } else {
        char text[kCellTextSize] = {};
        if (grid_.ReadCell(text, sizeof text) == 0) doc.EditTextCell(key, field, text);
    }
}

void CFormDlg::OnGridClick() {
    // The corner cell toggles selecting every row and none.
    if (grid_.GetNotifyRow() != grid::kHeaderRow ||
        grid_.GetNotifyColumn() != grid::kSelectorColumn) {
        return;
    }
    allSelected_ = !allSelected_;
    grid_.SelectAll(allSelected_);
    UpdateClockDisplay();
}

void CFormDlg::AddTableRow() {
    if (grid_.IsEditing()) grid_.CommitEditor();
    CWorkmetrDoc& doc = *Document();
    ownRowChange_ = true;
    CTimeRec* record = doc.AddRecord();
    bool put = false;
    if (record != nullptr) {
        const int position = doc.GetRecordCount() - 1;
        grid::TimeTableRow row = BuildRow(doc, *record, position);
        put = PutRow(row, false, position, grid::kNoRow, true) >= 0;
        if (!put) doc.RemoveRecord(position);
    }
    ownRowChange_ = false;
    if (put) ShowTotals();
}

}  // namespace tw
