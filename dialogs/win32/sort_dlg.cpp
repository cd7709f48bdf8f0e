#include "dialogs/win32/sort_dlg.h"

#include "app/res/resource.h"
#include "view/win32/grid_wrapper.h"

namespace tw {

namespace {

struct LevelControls {
    int use, column, ascending, descending, noCase;
};

constexpr LevelControls kLevels[3] = {{IDC_SORT1_USE, IDC_SORT1_COLUMN, IDC_SORT1_ASCENDING,
                                       IDC_SORT1_DESCENDING, IDC_SORT1_CASE_INSENSITIVE},
                                      {IDC_SORT2_USE, IDC_SORT2_COLUMN, IDC_SORT2_ASCENDING,
                                       IDC_SORT2_DESCENDING, IDC_SORT2_CASE_INSENSITIVE},
                                      {IDC_SORT3_USE, IDC_SORT3_COLUMN, IDC_SORT3_ASCENDING,
                                       IDC_SORT3_DESCENDING, IDC_SORT3_CASE_INSENSITIVE}};

constexpr size_t kTitleBuffer = 256;

}  // namespace

CSortDlg::CSortDlg(const SortLevels& levels, CGridCtrl& grid, HWND parent)
    : CDialog(IDD_SORT, parent), levels_(levels), grid_(grid) {}

bool CSortDlg::OnInitDialog() {
    for (int level = 0; level < 3; ++level) FillColumnList(level);
    const bool ok = CDialog::OnInitDialog();
    ApplyUseRules();
    return ok;
}

// Every grid column after the key column that has a title, with its index as item data.
void CSortDlg::FillColumnList(int level) {
    HWND list = Item(kLevels[level].column);
    const long count = grid_.GetColumnCount();
    for (int c = 1; c < count; ++c) {
        char title[kTitleBuffer] = {};
        if (grid_.GetTitle(c, title) != 0) continue;
        const LRESULT at = ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title));
        if (at < 0) continue;
        ::SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(at), c);
        if (c == levels_[size_t(level)].column) ::SendMessageA(list, CB_SETCURSEL, at, 0);
    }
}

void CSortDlg::DoDataExchange(CDataExchange& dx) {
    for (int level = 0; level < 3; ++level) {
        SortLevel& s = levels_[size_t(level)];
        const LevelControls& ids = kLevels[level];
        dx.Check(ids.use, s.use);
        dx.Check(ids.noCase, s.caseInsensitive);
        int direction = s.ascending ? 0 : 1;
        dx.Radio({ids.ascending, ids.descending}, direction);
        if (!dx.Saving()) continue;
        s.ascending = direction == 0;
        HWND list = Item(ids.column);
        const LRESULT at = ::SendMessageA(list, CB_GETCURSEL, 0, 0);
        s.column = at >= 0 ? static_cast<int>(::SendMessageA(list, CB_GETITEMDATA, at, 0)) : 0;
    }
    if (dx.Saving()) levels_ = LevelsChosenInDialog(levels_);
}

bool CSortDlg::OnCommand(UINT id, UINT code, HWND control) {
    for (const LevelControls& ids : kLevels) {
        if (static_cast<int>(id) == ids.use && code == BN_CLICKED) {
            ApplyUseRules();
            return true;
        }
    }
    return CDialog::OnCommand(id, code, control);
}

void CSortDlg::ApplyUseRules() {
    bool used[3];
    for (int level = 0; level < 3; ++level)
        used[level] = ::IsDlgButtonChecked(hwnd_, kLevels[level].use) == BST_CHECKED;
    const SortDialogState state = SortDialogStateOf(used);
    for (int level = 0; level < 3; ++level) {
        const LevelControls& ids = kLevels[level];
        ::CheckDlgButton(hwnd_, ids.use, state.used[level] ? BST_CHECKED : BST_UNCHECKED);
        ::EnableWindow(Item(ids.use), state.useAvailable[level]);
        for (int id : {ids.column, ids.ascending, ids.descending, ids.noCase})
            ::EnableWindow(Item(id), state.used[level]);
    }
}

}  // namespace tw
