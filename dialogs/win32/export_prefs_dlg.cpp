#include "dialogs/win32/export_prefs_dlg.h"

#include "app/res/resource.h"

namespace tw {

CExportPrefsDlg::CExportPrefsDlg(const DocumentSettings& settings, HWND parent)
    : CDialog(IDD_EXPORT_PREFS, parent), choices_(ExportChoicesOf(settings)) {
    for (size_t c = 0; c < customTitles_.size(); ++c)
        customTitles_[c] = settings.columns[c].customHeader;
}

const std::array<int, kColumnCount>& CExportPrefsDlg::ColumnBoxIds() {
    static const std::array<int, kColumnCount> kIds = {
        IDC_START_DATE, IDC_START_TIME,  IDC_STOP_DATE, IDC_STOP_TIME, IDC_ELAPSED,
        IDC_PAUSED,     IDC_HOURLY_RATE, IDC_CHARGE,    IDC_PROJECT,   IDC_CATEGORY,
        IDC_CLIENT,     IDC_EXPENSE,     IDC_MARK,      IDC_NOTES};
    return kIds;
}

bool CExportPrefsDlg::OnInitDialog() {
    for (size_t c = 0; c < customTitles_.size(); ++c) {
        if (!customTitles_[c].empty())
            ::SetWindowTextA(Item(ColumnBoxIds()[c]), customTitles_[c].c_str());
    }
    return CDialog::OnInitDialog();
}

void CExportPrefsDlg::DoDataExchange(CDataExchange& dx) {
    for (size_t c = 0; c < choices_.columns.size(); ++c)
        dx.Check(ColumnBoxIds()[c], choices_.columns[c]);
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
    for (int id : ColumnBoxIds()) ::EnableWindow(Item(id), enable);
    for (int id : {IDC_EXPORT_REMOVE_CR, IDC_EXPORT_TOTALS_ROW, IDC_EXPORT_HEADER_ROW})
        ::EnableWindow(Item(id), enable);
}

}  // namespace tw
