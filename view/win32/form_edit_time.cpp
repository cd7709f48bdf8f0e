// CFormDlg: the Edit Time dialog over the document's records: F6 for each selected row in turn
// (for the active record while the window is compacted), a double-click on a cell, and the
// "Edit Active Time Record." item of the view's popup in the main window's system menu.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "app/res/resource.h"
#include "dialogs/win32/edit_time_dlg.h"
#include "doc/document.h"
#include "doc/time_rec.h"
#include "view/time_table_columns.h"
#include "view/win32/form_dlg.h"
#include "view/win32/view_host.h"

namespace tw {

void CFormDlg::RegisterEditTimeCommands() {
    OnCommand(ID_EDIT_TIME_ROW, [this] { EditSelectedRecords(); });
    OnUpdateCommand(ID_EDIT_TIME_ROW, [this](CommandState& s) { s.Enable(Document() != nullptr); });
}

// The records of the selected rows, taken before the first dialog opens: an edit may move its
// row when the table is sorted, the records stay where they are.
std::vector<int> CFormDlg::SelectedRecords() {
    std::vector<int> keys;
    const long count = grid_.GetSelectedCount();
    if (count <= 0) return keys;
    std::vector<int> rows(static_cast<size_t>(count));
    const long written = grid_.GetSelectedRows(rows.data(), static_cast<int>(count));
    rows.resize(written > 0 ? static_cast<size_t>(std::min(written, count)) : 0);
    for (int row : rows) {
        const int key = RecordOfRow(row);
        if (key >= 0) keys.push_back(key);
    }
    return keys;
}

void CFormDlg::EditSelectedRecords() {
    if (Document() == nullptr) return;
    if (ViewFrame() != nullptr && ViewFrame()->IsCompacted()) {
        EditActiveRecord();
        return;
    }
    for (int key : SelectedRecords()) {
        if (EditRecord(key, kColNotes) == CEditTimeDlg::kCancelRemaining) break;
    }
}

void CFormDlg::EditActiveRecord() {
    CWorkmetrDoc* doc = Document();
    if (doc == nullptr || doc->IsStopped() || doc->GetActiveRecord() < 0) return;
    EditRecord(doc->GetActiveRecord(), kColNotes);
}

// A double-click on a cell edits its row's record with the focus on the cell's column.
void CFormDlg::OnGridDoubleClick() {
    const long row = grid_.GetNotifyRow();
    const long column = grid_.GetNotifyColumn();
    if (row < 0 || row >= grid_.GetRowCount()) return;
    const int field = FieldOfColumn(ColumnNameAt(static_cast<int>(column)));
    const int key = RecordOfRow(static_cast<int>(row));
    if (key >= 0) EditRecord(key, field);
}

// Runs the dialog on the record at `key`; after OK the dialog's choices are remembered and the
// record takes the values through the document (row, totals and modified flag follow).
INT_PTR CFormDlg::EditRecord(int key, int focusColumn) {
    CWorkmetrDoc* document = Document();
    const CTimeRec* record = document != nullptr ? document->GetRecord(key) : nullptr;
    if (record == nullptr) return IDCANCEL;
    CWorkmetrDoc& doc = *document;
    // An open cell editor commits first: the dialog shows what the cell holds, and the editor
    // cannot write its old text over the dialog's values afterwards.
    if (grid_.IsEditing()) grid_.CommitEditor();
    IViewHost* host = ViewHost();
    CEditTimeDlg dialog(doc, Handle());
    dialog.SetRecord(*record, !doc.IsStopped() && key == doc.GetActiveRecord());
    dialog.SetFocusColumn(focusColumn);
    if (host != nullptr) {
        dialog.SetTarget(host->EditTimeTarget());
        dialog.SetAutoAdjust(host->EditTimeAutoAdjust());
    }
    const INT_PTR result = dialog.DoModal();
    if (result != IDOK) return result;
    if (host != nullptr) host->RememberEditTimeChoices(dialog.Target(), dialog.AutoAdjust());
    doc.SetRecordValues(key, dialog.Values());
    return result;
}

}  // namespace tw
