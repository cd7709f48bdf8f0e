// CFormDlg: selection and marks: Select All / None, Mark / Unmark, Mark All, Unmark All, Select
// Marked and Mark Special. Marks change through the document (row, modified flag); a batch
// shows the wait cursor, holds the grid's sorting off and shows the totals once at its end.
#include <windows.h>

#include <vector>

#include "app/res/resource.h"
#include "dialogs/win32/mark_special_dlg.h"
#include "doc/document.h"
#include "doc/time_rec.h"
#include "framework/command_ids.h"
#include "framework/win32/wait_cursor.h"
#include "view/mark_special.h"
#include "view/win32/form_dlg.h"

namespace tw {

// For the lifetime of a batch of mark changes: the wait cursor, sorting held off, and the rows
// put without scrolling and their money texts remembered; afterwards the grid sorts once and the
// totals are shown again.
class CFormDlg::MarkingBatch {
public:
    explicit MarkingBatch(CFormDlg& view) : view_(view) {
        view_.SuspendSorting(true);
        view_.batchRows_ = true;
        view_.batchMoney_ = &money_;
    }
    ~MarkingBatch() {
        view_.batchMoney_ = nullptr;
        view_.batchRows_ = false;
        view_.SuspendSorting(false);
        view_.ShowTotals();
    }
    MarkingBatch(const MarkingBatch&) = delete;
    MarkingBatch& operator=(const MarkingBatch&) = delete;

private:
    CWaitCursor wait_;
    CFormDlg& view_;
    MoneyTextMemo money_;
};

void CFormDlg::RegisterMarkingCommands() {
    OnCommand(ID_EDIT_SELECT_ALL, [this] { SelectAllRows(true); });
    OnCommand(ID_SELECT_NONE, [this] { SelectAllRows(false); });
    OnCommand(ID_MARK_UNMARK, [this] { ToggleSelectedMarks(); });
    OnCommand(ID_MARK_ALL, [this] { MarkEveryRecord(1); });
    OnCommand(ID_UNMARK_ALL, [this] { MarkEveryRecord(0); });
    OnCommand(ID_SELECT_MARKED, [this] { SelectMarkedRows(); });
    OnCommand(ID_MARK_SPECIAL, [this] { RunMarkSpecial(); });
    for (unsigned id : {ID_EDIT_SELECT_ALL, ID_SELECT_NONE, ID_MARK_UNMARK, ID_MARK_ALL,
                        ID_UNMARK_ALL, ID_SELECT_MARKED, ID_MARK_SPECIAL}) {
        OnUpdateCommand(id, [this](CommandState& s) { s.Enable(Document() != nullptr); });
    }
}

void CFormDlg::SelectAllRows(bool on) {
    if (!grid_.IsWindow()) return;
    grid_.SelectAll(on);
    allSelected_ = on;
    UpdateClockDisplay();
}

// Each selected row's record takes the opposite of its own mark.
void CFormDlg::ToggleSelectedMarks() {
    CWorkmetrDoc* doc = Document();
    if (doc == nullptr || grid_.GetSelectedCount() <= 0) return;
    const std::vector<int> keys = SelectedRecords();
    MarkingBatch batch(*this);
    for (int key : keys) {
        const CTimeRec* record = doc->GetRecord(key);
        if (record != nullptr) doc->SetRecordMark(key, record->GetMark() != 0 ? 0 : 1);
    }
}

void CFormDlg::MarkEveryRecord(int mark) {
    CWorkmetrDoc* doc = Document();
    if (doc == nullptr) return;
    MarkingBatch batch(*this);
    for (int position = 0; position < doc->GetRecordCount(); ++position) {
        if ((doc->GetRecord(position)->GetMark() != 0) != (mark != 0))
            doc->SetRecordMark(position, mark);
    }
}

// Exactly the rows of marked records end up selected: none first, then each marked one.
void CFormDlg::SelectMarkedRows() {
    CWorkmetrDoc* doc = Document();
    if (doc == nullptr || !grid_.IsWindow()) return;
    CWaitCursor wait;
    grid_.SelectAll(false);
    for (int position = 0; position < doc->GetRecordCount(); ++position) {
        if (doc->GetRecord(position)->GetMark() == 0) continue;
        const int row = RowOfRecord(position);
        if (row >= 0) grid_.SelectRow(row, true);
    }
    UpdateClockDisplay();
}

void CFormDlg::RunMarkSpecial() {
    CWorkmetrDoc* doc = Document();
    if (doc == nullptr) return;
    if (grid_.IsEditing()) grid_.CommitEditor();
    CMarkSpecialDlg dialog(*doc, Handle());
    if (dialog.DoModal() != IDOK) return;
    MarkByCriteria(dialog.Criteria());
}

void CFormDlg::MarkByCriteria(const MarkCriteria& criteria) {
    CWorkmetrDoc* doc = Document();
    if (doc == nullptr) return;
    MarkingBatch batch(*this);
    for (int position = 0; position < doc->GetRecordCount(); ++position) {
        doc->SetRecordMark(position, tw::MarkByCriteria(*doc->GetRecord(position), criteria));
    }
}

}  // namespace tw
