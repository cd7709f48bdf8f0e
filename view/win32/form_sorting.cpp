// CFormDlg: the table's sort levels: the Sort command and its dialog, handing the document's
// levels to the grid, and holding sorting off while a batch rewrites many rows.
#include <windows.h>

#include "app/res/resource.h"
#include "dialogs/win32/sort_dlg.h"
#include "doc/document.h"
#include "view/sort_levels.h"
#include "view/win32/form_dlg.h"

namespace tw {

namespace {

// The grid as the target of the sort levels.
class GridSortTarget : public ISortLevelTarget {
public:
    explicit GridSortTarget(CGridCtrl& grid) : grid_(grid) {}
    bool SetLevel(int level, const SortLevel& s) override {
        return grid_.SetSortColumn(static_cast<unsigned>(s.column), level) == 0 &&
               grid_.SetSortAscending(s.ascending, level) == 0 &&
               grid_.SetSortNoCase(s.caseInsensitive, level) == 0;
    }
    void ClearLevel(int level) override { grid_.ClearSortLevel(level); }

private:
    CGridCtrl& grid_;
};

}  // namespace

void CFormDlg::RegisterSortingCommands() {
    OnCommand(ID_SORT, [this] { RunSortDialog(); });
    OnUpdateCommand(ID_SORT, [this](CommandState& s) { s.Enable(Document() != nullptr); });
}

void CFormDlg::RunSortDialog() {
    CWorkmetrDoc* doc = Document();
    if (doc == nullptr || !grid_.IsWindow()) return;
    if (grid_.IsEditing()) grid_.CommitEditor();
    CSortDlg dialog(doc->Settings().sort, grid_, Handle());
    if (dialog.DoModal() != IDOK) return;
    doc->SetSortLevels(dialog.Levels(), true);
    ApplySortSettings();
}

// The levels a level above refuses, or the grid refuses, are dropped from the document too.
void CFormDlg::ApplySortSettings() {
    CWorkmetrDoc* doc = Document();
    if (doc == nullptr || !grid_.IsWindow()) return;
    GridSortTarget target(grid_);
    if (sortingSuspended_ > 0) {
        ApplySortLevels(WithoutSorting(doc->Settings().sort), target);
        return;
    }
    doc->SetSortLevels(ApplySortLevels(doc->Settings().sort, target), false);
}

// While suspended the grid keeps its rows where they are; the document keeps its levels, and
// the grid sorts once when the outermost batch ends.
void CFormDlg::SuspendSorting(bool on) {
    if (on) {
        if (sortingSuspended_++ == 0) ApplySortSettings();
        return;
    }
    if (sortingSuspended_ > 0 && --sortingSuspended_ == 0) ApplySortSettings();
}

}  // namespace tw
