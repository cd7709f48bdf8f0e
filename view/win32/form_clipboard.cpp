// CFormDlg: the Edit commands. Copy, Cut and Paste of whole records through the application's
// record copies (with their lines as plain text on the system clipboard), Delete with its
// question and the view's store for Undelete. With a cell editor open they act on its text.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/res/resource.h"
#include "doc/document.h"
#include "doc/time_rec.h"
#include "framework/prompt.h"
#include "framework/win32/wait_cursor.h"
#include "view/paste_rules.h"
#include "view/time_table_row.h"
#include "view/win32/form_dlg.h"
#include "view/win32/view_host.h"

namespace tw {

namespace {

// Puts `text` on the clipboard as plain text; nothing when the clipboard or memory is missing.
void PutClipboardText(HWND owner, const std::string& text) {
    if (!::OpenClipboard(owner)) return;
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    void* bytes = block != nullptr ? ::GlobalLock(block) : nullptr;
    if (bytes != nullptr) {
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        ::GlobalUnlock(block);
        if (::SetClipboardData(CF_TEXT, block) == nullptr) ::GlobalFree(block);
    } else if (block != nullptr) {
        ::GlobalFree(block);
    }
    ::CloseClipboard();
}

bool IsListColumn(const std::string& name) {
    return name == "PROJECT" || name == "CATEGORY" || name == "CLIENT";
}

RecordCopies* CopiedRecords() {
    IViewHost* host = ViewHost();
    return host != nullptr ? host->CopiedRecords() : nullptr;
}

}  // namespace

void CFormDlg::RegisterClipboardCommands() {
    OnCommand(ID_EDIT_COPY, [this] { CopyRows(); });
    OnCommand(ID_EDIT_CUT, [this] { CutRows(); });
    OnCommand(ID_EDIT_PASTE, [this] { PasteRows(); });
    OnCommand(ID_EDIT_CLEAR, [this] { DeleteRows(); });
    OnCommand(ID_DELETE_ROWS, [this] {
        if (!grid_.IsEditing()) {
            DeleteRows();
            return;
        }
        IViewHost* host = ViewHost();
        if (host == nullptr || host->ConfirmsDelete())
            Ask(LoadResourceString(IDS_CONFIRM_DELETE_ROWS), PromptButtons::OkCancel,
                PromptIcon::Question);
    });
    OnCommand(ID_UNDELETE_ROWS, [this] { UndeleteRows(); });
    OnCommand(ID_EDIT_UNDO, [this] { EditorTakes(WM_UNDO); });
    for (unsigned id : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_CLEAR, ID_DELETE_ROWS}) {
        OnUpdateCommand(id, [this](CommandState& s) { s.Enable(Document() != nullptr); });
    }
    OnUpdateCommand(ID_EDIT_PASTE, [this](CommandState& s) {
        const RecordCopies* copied = CopiedRecords();
        s.Enable(grid_.IsEditing() || (copied != nullptr && !copied->Empty()));
    });
    OnUpdateCommand(ID_UNDELETE_ROWS,
                    [this](CommandState& s) { s.Enable(!undeleteStore_.Empty()); });
    OnUpdateCommand(ID_EDIT_UNDO, [this](CommandState& s) { s.Enable(grid_.IsEditing()); });
}

// With a cell editor open the command goes to the editor as `message` (nothing on a cell
// with a drop-down list); true when the editor took the command.
bool CFormDlg::EditorTakes(UINT message) {
    if (!grid_.IsEditing()) return false;
    if (IsListColumn(CurrentColumnName())) return true;
    HWND editor = grid_.GetEditorWindow();
    if (editor == nullptr) return true;
    if (message == WM_CLEAR) {
        // Delete without a selection removes the character after the caret.
        DWORD start = 0, end = 0;
        ::SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        if (start == end) {
            ::SendMessageA(editor, EM_SETSEL, start, start + 1);
            ::SendMessageA(editor, EM_SCROLLCARET, 0, 0);
        }
    }
    ::SendMessageA(editor, message, 0, 0);
    return true;
}

// Copies the records of `selected` into the application's store and their lines to the
// clipboard; the number of records safely copied.
size_t CFormDlg::CopySelection(const std::vector<int>& selected) {
    RecordCopies* copied = CopiedRecords();
    if (selected.empty() || copied == nullptr) return 0;
    CWaitCursor wait;
    std::string text;
    const size_t count = CopyRecords(*Document(), selected, *copied, &text);
    if (count > 0) PutClipboardText(Handle(), text);
    return count;
}

void CFormDlg::CopyRows() {
    if (!EditorTakes(WM_COPY)) CopySelection(SelectedRecords());
}

// Cut deletes only what the copy stored: nothing when the copy failed.
void CFormDlg::CutRows() {
    if (EditorTakes(WM_CUT)) return;
    const std::vector<int> selected = SelectedRecords();
    RemoveRecords(CutRecords(selected, CopySelection(selected)));
}

void CFormDlg::DeleteRows() {
    if (EditorTakes(WM_CLEAR)) return;
    IViewHost* host = ViewHost();
    if ((host == nullptr || host->ConfirmsDelete()) &&
        Ask(LoadResourceString(IDS_CONFIRM_DELETE_ROWS), PromptButtons::OkCancel,
            PromptIcon::Question) != PromptAnswer::Ok) {
        return;
    }
    const std::vector<int> selected = SelectedRecords();
    if (selected.empty()) return;
    {
        // Without room for the copies the deletion still takes place.
        CWaitCursor wait;
        CopyRecords(*Document(), selected, undeleteStore_, nullptr);
    }
    RemoveRecords(selected);
}

// Removes the records in one pass (the running one stopped first) and puts the table again
// once, rather than deleting row by row: keys are list positions, which shift with each removal.
void CFormDlg::RemoveRecords(const std::vector<int>& keys) {
    if (keys.empty()) return;
    CWorkmetrDoc& doc = *Document();
    if (grid_.IsEditing()) grid_.CommitEditor();
    const int active = doc.IsStopped() ? -1 : doc.GetActiveRecord();
    for (int key : keys) {
        if (key == active) {
            StartStop();
            break;
        }
    }
    CWaitCursor wait;
    doc.RemoveRecords(keys);
    UpdateClockDisplay();
    ShowTotals();
}

void CFormDlg::PasteRows() {
    if (EditorTakes(WM_PASTE)) return;
    const RecordCopies* copied = CopiedRecords();
    if (copied != nullptr) InsertCopies(*copied);
}

// Undelete keeps in the store what it could not put back.
void CFormDlg::UndeleteRows() {
    if (grid_.IsEditing()) return;
    const size_t done = InsertCopies(undeleteStore_);
    undeleteStore_.DropFirst(done);
}

// Inserts the copies in their order, translated into this document: before the record of the
// one selected row, else appended. The number of copies dealt with (inserted or skipped)
// before one could not be inserted.
size_t CFormDlg::InsertCopies(const RecordCopies& source) {
    CWorkmetrDoc& doc = *Document();
    if (grid_.IsEditing()) grid_.CommitEditor();
    CWaitCursor wait;
    const long selected = grid_.GetSelectedCount();
    const long first = grid_.GetFirstSelected();
    const int before =
        PasteBefore(selected, selected == 1 ? RecordOfRow(static_cast<int>(first)) : -1);
    // The grid sorts once when the rows are in, not at every row.
    SuspendSorting(true);
    const bool wasOwn = ownRowChange_;
    ownRowChange_ = true;
    size_t done = 0;
    int inserted = 0;
    for (; done < source.Count(); ++done) {
        CTimeRec copy(source.At(done));
        if (!TranslateItems(copy, source, doc)) continue;
        const int at = before < 0 ? -1 : before + inserted;
        if (doc.InsertRecordCopy(copy, at) == nullptr) break;
        if (before < 0 && !AppendCopyRow(doc.GetRecordCount() - 1)) break;
        ++inserted;
    }
    ownRowChange_ = wasOwn;
    SetChoiceLists();
    if (before >= 0 && inserted > 0 && FillTable()) {
        // The rows after the insertion carry new positions: the table is put again once.
        const int row = RowOfRecord(before + inserted);
        if (row >= 0) grid_.SelectRow(row, true);
    }
    SuspendSorting(false);
    UpdateClockDisplay();
    ShowTotals();
    return done;
}

// Appends the row of the record at `position`; a row the grid refuses takes its record away.
bool CFormDlg::AppendCopyRow(int position) {
    CWorkmetrDoc& doc = *Document();
    grid::TimeTableRow row = BuildRow(doc, *doc.GetRecord(position), position);
    if (PutRow(row, false, position, grid::kNoRow, false) >= 0) return true;
    doc.RemoveRecord(position);
    return false;
}

}  // namespace tw
