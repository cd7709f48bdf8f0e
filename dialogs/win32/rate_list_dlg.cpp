#include "dialogs/win32/rate_list_dlg.h"

#include <optional>

#include "app/res/resource.h"
#include "dialogs/export_file_names.h"
#include "dialogs/rate_list_file.h"
#include "dialogs/win32/combo_entries.h"
#include "dialogs/win32/rate_list_grid.h"
#include "dialogs/win32/text_file_dialog.h"
#include "framework/file_replace.h"
#include "framework/win32/common_dialogs.h"
#include "framework/win32/message_box.h"
#include "framework/win32/wait_cursor.h"
#include "framework/win32/window.h"

namespace tw {

namespace {

constexpr int kListRadios[kItemListCount] = {IDC_PROJECT, IDC_CATEGORY, IDC_CLIENT};
constexpr const char* kRatesFromEntries[kItemListCount] = {"Project", "Category", "Client"};

}  // namespace

CRateListDlg::CRateListDlg(const CWorkmetrDoc& doc, int list, HWND parent)
    : CDialog(IDD_RATE_LIST, parent), doc_(doc), model_(doc, list) {}

bool CRateListDlg::OnInitDialog() {
    ::CheckRadioButton(hwnd_, IDC_PROJECT, IDC_CLIENT, kListRadios[model_.CurrentList()]);
    FillRatesFrom();
    const RateListOptions& options = model_.Options();
    ::CheckDlgButton(hwnd_, IDC_INCLUDE_RATES, options.includeRatesInMenu);
    ::CheckDlgButton(hwnd_, IDC_ALWAYS_SORT, options.alwaysSortItems);
    grid_.Attach(Item(IDC_RATE_TABLE));
    if (!SetUpRateListGrid(grid_)) {
        EndDialog(IDCANCEL);
        return false;
    }
    LoadRows();
    SetRateListAutoSort(grid_, options.alwaysSortItems);
    return CDialog::OnInitDialog();
}

void CRateListDlg::FillRatesFrom() {
    HWND combo = Item(IDC_RATES_FROM);
    for (int type = 0; type < kItemListCount; ++type)
        AddComboEntry(combo, kRatesFromEntries[type], type);
    SelectComboData(combo, model_.Options().rateSource);
}

void CRateListDlg::LoadRows() {
    grid_.ClearRows();
    for (int index : model_.ShownIndices()) PutItemRow(index, false);
}

long CRateListDlg::PutItemRow(int index, bool overwrite) {
    const CProjectCost* item = model_.ShownItem(index);
    if (item == nullptr) return grid::kFailed;
    return PutRateListRow(grid_, index, *item, model_.RateText(*item), overwrite);
}

void CRateListDlg::SelectItems(const std::vector<int>& indices) {
    grid_.SelectAll(false);
    for (int index : indices) {
        const long row = grid_.FindKey(index);
        if (row >= 0) grid_.SelectRow(static_cast<int>(row), true);
    }
}

bool CRateListDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_RATE_TABLE) {
        OnGridNotify(code);
        return true;
    }
    if (code != BN_CLICKED) return CDialog::OnCommand(id, code, control);
    switch (id) {
        case IDC_PROJECT: OnSwitchList(kProjectList); return true;
        case IDC_CATEGORY: OnSwitchList(kCategoryList); return true;
        case IDC_CLIENT: OnSwitchList(kClientList); return true;
        case IDC_ADD_ITEM: OnAdd(); return true;
        case IDC_DELETE_ITEMS: OnDelete(); return true;
        case IDC_EDIT_ITEM: OnEdit(); return true;
        case IDC_SHOW_UNUSED: SelectItems(model_.UnusedIndices()); return true;
        case IDC_SHOW_DUPLICATES: SelectItems(model_.DuplicateIndices()); return true;
        case IDC_SORT_ITEMS: OnSort(); return true;
        case IDC_ALWAYS_SORT: SetRateListAutoSort(grid_, AlwaysSortChecked()); return true;
        case IDC_IMPORT_LIST: OnImport(); return true;
        case IDC_EXPORT_LIST: OnExport(); return true;
        default: return CDialog::OnCommand(id, code, control);
    }
}

void CRateListDlg::OnGridNotify(UINT code) {
    if (code == grid::kNotifyCellChanged) {
        OnCellChanged();
    } else if (code == grid::kNotifyClick && grid_.GetNotifyRow() == grid::kHeaderRow &&
               grid_.GetNotifyColumn() == grid::kSelectorColumn) {
        allSelected_ = !allSelected_;
        grid_.SelectAll(allSelected_);
    }
}

// A committed cell edit: the text goes into the item, then the row shows the item again.
void CRateListDlg::OnCellChanged() {
    const long row = grid_.GetNotifyRow();
    const long column = grid_.GetNotifyColumn();
    if (row < 0 || row >= grid_.GetRowCount()) return;
    if (column != grid::kRateColName && column != grid::kRateColRate) return;
    const int index = RateListIndexOfRow(grid_, static_cast<int>(row));
    if (grid_.SetCurrentCell(static_cast<int>(column), static_cast<int>(row)) != 0) return;
    char text[sizeof grid::RateListRow::name + 1] = {};
    if (grid_.ReadCell(text, sizeof text - 1) != 0) return;
    const bool taken = column == grid::kRateColName ? model_.SetName(index, text)
                                                    : model_.SetRateText(index, text);
    if (taken) PutItemRow(index, true);
}

void CRateListDlg::OnSwitchList(int list) {
    if (grid_.IsEditing()) grid_.CommitEditor();
    if (list == model_.CurrentList()) return;
    model_.SetCurrentList(list);
    allSelected_ = false;
    LoadRows();
}

void CRateListDlg::OnAdd() {
    if (grid_.IsEditing()) grid_.CommitEditor();
    const int index = model_.AddNew();
    const long row = index >= 0 ? PutItemRow(index, false) : grid::kFailed;
    if (row < 0) return;
    grid_.SetCurrentCellQuiet(grid::kRateColName, static_cast<int>(row));
    ::SetFocus(grid_.GetHwnd());
    grid_.OpenEditor();
}

// Removes the selected rows one by one and deletes their items. It stops when the grid refuses
// a step, and after as many rounds as there were rows, so a grid that keeps a row selected
// cannot hold it for ever.
void CRateListDlg::OnDelete() {
    if (grid_.IsEditing()) grid_.CommitEditor();
    for (long rounds = grid_.GetRowCount(); rounds > 0 && grid_.GetSelectedCount() > 0; --rounds) {
        const long row = grid_.GetFirstSelected();
        if (grid::IsNoSelection(row)) break;
        const int index = RateListIndexOfRow(grid_, static_cast<int>(row));
        if (index < 0 || grid_.DeleteRow() != 0) break;
        model_.Delete(index);  // a Position that names no shown item changes nothing
    }
    allSelected_ = false;
}

void CRateListDlg::OnEdit() {
    if (grid_.IsEditing()) return;
    const std::string name = CurrentColumnName();
    if (name != LoadResourceString(IDS_COLUMN_NAME) &&
        name != LoadResourceString(IDS_COLUMN_HOURLY_RATE))
        return;
    const long row = grid_.GetCurrentRow(), column = grid_.GetCurrentColumn();
    if (row < 0) return;
    grid_.SetCurrentCellQuiet(static_cast<int>(column), static_cast<int>(row));
    ::SetFocus(grid_.GetHwnd());
    grid_.OpenEditor();
}

void CRateListDlg::OnSort() {
    const bool was = RateListAutoSort(grid_);
    SetRateListAutoSort(grid_, true);
    SetRateListAutoSort(grid_, was);
}

void CRateListDlg::OnImport() {
    if (grid_.IsEditing()) grid_.CommitEditor();
    const std::optional<std::string> path =
        AskOpenFileName(hwnd_, TextFileDialogOptions(IDS_IMPORT));
    if (!path) return;
    RateListImport result;
    {
        CWaitCursor wait;
        result = ImportRateListFile(*path, model_);
    }
    if (result.added > 0) LoadRows();
    if (result.failure != FileErrorCause::None)
        ReportFileError(result.failure, *path);
    else if (result.outOfMemory)
        ReportFileError(FileErrorCause::Generic, *path);
}

void CRateListDlg::OnExport() {
    if (grid_.IsEditing()) grid_.CommitEditor();
    FileDialogOptions options = TextFileDialogOptions(IDS_EXPORT_AS);
    options.initialFolder = ExportInitialFolder(doc_.GetPathName());
    options.flags |= OFN_OVERWRITEPROMPT;
    const std::optional<std::string> path = AskSaveFileName(hwnd_, options);
    if (!path) return;
    FileErrorCause cause;
    {
        CWaitCursor wait;
        cause = WriteRateListFile(*path, RateListFileText(model_, AlwaysSortChecked()),
                                  FileReplaceService());
    }
    ReportFileError(cause, *path);
}

void CRateListDlg::OnOK() {
    if (grid_.IsEditing()) grid_.CommitEditor();
    RateListOptions& options = model_.Options();
    options.rateSource = static_cast<int>(SelectedComboData(Item(IDC_RATES_FROM), kProjectList));
    options.includeRatesInMenu = ::IsDlgButtonChecked(hwnd_, IDC_INCLUDE_RATES) == BST_CHECKED;
    options.alwaysSortItems = AlwaysSortChecked();
    EndDialog(IDOK);
}

std::string CRateListDlg::CurrentColumnName() const {
    char name[256] = {};
    const long column = grid_.GetCurrentColumn();
    if (column < 0 || grid_.GetName(static_cast<int>(column), name) != 0) return std::string();
    return name;
}

bool CRateListDlg::AlwaysSortChecked() const {
    return ::IsDlgButtonChecked(hwnd_, IDC_ALWAYS_SORT) == BST_CHECKED;
}

}  // namespace tw
