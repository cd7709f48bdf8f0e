#pragma once
// CRateListDlg: the rate list editor (template 109). It edits a working copy of the document's
// three item lists and rate options (RateListModel) in the grid of control 218; nothing
// reaches the document before the caller applies the model after OK.

#include <windows.h>

#include <string>
#include <vector>

#include "dialogs/rate_list_model.h"
#include "framework/win32/dialog.h"
#include "view/win32/grid_wrapper.h"

namespace tw {

class CRateListDlg : public CDialog {
public:
    // `list`: the list shown first (0 projects, 1 categories, 2 clients).
    CRateListDlg(const CWorkmetrDoc& doc, int list, HWND parent);

    RateListModel& Model() { return model_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnOK() override;

private:
    void FillRatesFrom();
    void LoadRows();
    long PutItemRow(int index, bool overwrite);
    void SelectItems(const std::vector<int>& indices);
    void OnGridNotify(UINT code);
    void OnCellChanged();
    void OnSwitchList(int list);
    void OnAdd();
    void OnDelete();
    void OnEdit();
    void OnSort();
    void OnImport();
    void OnExport();
    std::string CurrentColumnName() const;
    bool AlwaysSortChecked() const;

    const CWorkmetrDoc& doc_;
    RateListModel model_;
    CGridCtrl grid_;
    bool allSelected_ = false;
};

}  // namespace tw
