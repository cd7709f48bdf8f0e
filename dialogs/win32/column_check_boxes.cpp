#include "dialogs/win32/column_check_boxes.h"

#include "app/res/resource.h"

namespace tw {

const std::array<int, kColumnCount>& ColumnCheckBoxIds() {
    static const std::array<int, kColumnCount> kIds = {
        IDC_START_DATE, IDC_START_TIME,  IDC_STOP_DATE, IDC_STOP_TIME, IDC_ELAPSED,
        IDC_PAUSED,     IDC_HOURLY_RATE, IDC_CHARGE,    IDC_PROJECT,   IDC_CATEGORY,
        IDC_CLIENT,     IDC_EXPENSE,     IDC_MARK,      IDC_NOTES};
    return kIds;
}

ColumnTitles CustomColumnTitles(const DocumentSettings& settings) {
    ColumnTitles titles;
    for (size_t c = 0; c < titles.size(); ++c) titles[c] = settings.columns[c].customHeader;
    return titles;
}

void ShowColumnTitles(HWND dialog, const ColumnTitles& titles) {
    for (size_t c = 0; c < titles.size(); ++c) {
        if (!titles[c].empty())
            ::SetWindowTextA(::GetDlgItem(dialog, ColumnCheckBoxIds()[c]), titles[c].c_str());
    }
}

void ExchangeColumnChecks(CDataExchange& dx, std::array<bool, kColumnCount>& checked) {
    for (size_t c = 0; c < checked.size(); ++c) dx.Check(ColumnCheckBoxIds()[c], checked[c]);
}

}  // namespace tw
