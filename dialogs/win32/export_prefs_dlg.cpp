#include "dialogs/win32/export_prefs_dlg.h"

#include "app/res/resource.h"
#include "dialogs/win32/column_check_boxes.h"

namespace tw {

CExportPrefsDlg::CExportPrefsDlg(const DocumentSettings& settings, HWND parent)
    : CDialog(IDD_EXPORT_PREFS, parent),
      choices_(ExportChoicesOf(settings)),
      customTitles_(CustomColumnTitles(settings)) {}

bool CExportPrefsDlg::OnInitDialog() {
    ShowColumnTitles(Handle(), customTitles_);
    return CDialog::OnInitDialog();
}

void CExportPrefsDlg::DoDataExchange(CDataExchange& dx) {
    ExchangeColumnChecks(dx, choices_.columns);
    ExportSettings& options = choices_.options;
    int file = options.newFile ? 0 : 1;
    dx.Radio({IDC_EXPORT_NEW_FILE, IDC_EXPORT_APPEND}, file);
    int records = options.allRecords ? 0 : 1;
    dx.Radio({IDC_EXPORT_ALL_RECORDS, IDC_EXPORT_MARKED_RECORDS}, records);
    dx.Check(IDC_EXPORT_HEADER_ROW, options.headerRow);
    dx.Check(IDC_EXPORT_TOTALS_ROW, options.totalsRow);
    dx.Check(IDC_EXPORT_REMOVE_CR, options.removeCarriageReturns);
    dx.Check(IDC_EXPORT_V1_LAYOUT, options.reportsLayout);
    if (dx.Saving()) {
        options.newFile = file != 1;
        options.allRecords = records != 1;
    }
}

bool CExportPrefsDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_EXPORT_V1_LAYOUT && code == BN_CLICKED) {
        EnableForcedControls(::IsDlgButtonChecked(Handle(), IDC_EXPORT_V1_LAYOUT) != BST_CHECKED);
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void CExportPrefsDlg::EnableForcedControls(bool enable) {
    for (int id : ColumnCheckBoxIds()) ::EnableWindow(Item(id), enable);
    for (int id : {IDC_EXPORT_REMOVE_CR, IDC_EXPORT_TOTALS_ROW, IDC_EXPORT_HEADER_ROW})
        ::EnableWindow(Item(id), enable);
}

}  // namespace tw
