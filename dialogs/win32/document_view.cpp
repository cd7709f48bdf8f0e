#include "dialogs/win32/document_view.h"

#include "app/win32/tally_doc.h"
#include "view/win32/form_dlg.h"

namespace tw {

CFormDlg* TableViewOf(const CTallyDoc& doc) {
    for (CView* view : doc.Views())
        if (auto* form = dynamic_cast<CFormDlg*>(view)) return form;
    return nullptr;
}

std::vector<int> RowsOfView(CFormDlg& view) {
    CGridCtrl& grid = view.Grid();
    const long current = grid.GetCurrentRow(), column = grid.GetCurrentColumn();
    std::vector<int> rows;
    const long count = grid.GetRowCount();
    for (int row = 0; row < count; ++row) rows.push_back(view.RecordOfRow(row));
    if (current >= 0 && column >= 0)
        grid.SetCurrentCellQuiet(static_cast<int>(column), static_cast<int>(current));
    return rows;
}

}  // namespace tw
