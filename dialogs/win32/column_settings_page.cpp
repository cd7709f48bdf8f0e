#include "dialogs/win32/column_settings_page.h"

#include "app/res/resource.h"
#include "dialogs/win32/combo_entries.h"
#include "view/time_table_columns.h"

namespace tw {

namespace {

bool Checked(HWND page, int id) { return ::IsDlgButtonChecked(page, id) == BST_CHECKED; }

void SetCheck(HWND page, int id, bool on) {
    ::CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace

CDocPrefColSetting::CDocPrefColSetting(const ColumnSettings& columns)
    : CPropertyPage(IDD_PREF_COLUMNS), editor_(columns) {}

bool CDocPrefColSetting::OnInitDialog() {
    if (!FillList()) {
        CancelSheetOf(hwnd_);
        return true;
    }
    SelectComboData(Item(IDC_COLUMN_LIST), editor_.Current());
    Show(ControlsOf(editor_.Columns()[editor_.Current()]));
    return true;
}

// The table columns with their default titles; the grid's column c + 1 is table column c.
bool CDocPrefColSetting::FillList() {
    for (int c = 0; c < kColumnCount; ++c) {
        if (AddComboEntry(Item(IDC_COLUMN_LIST), ColumnTitle(c + 1, std::string()), c) !=
            ComboFill::kDone) {
            return false;
        }
    }
    return true;
}

bool CDocPrefColSetting::OnCommand(UINT id, UINT code, HWND) {
    if (id == IDC_COLUMN_LIST) {
        OnListChoice(code);
        return true;
    }
    if (id == IDC_COLUMN_DEFAULTS && code == BN_CLICKED) {
        Show(editor_.ResetCurrent());
        return true;
    }
    return false;
}

// A column chosen stores the shown one and shows it; a list closed without a choice stores the
// shown column and selects it again.
void CDocPrefColSetting::OnListChoice(UINT code) {
    HWND list = Item(IDC_COLUMN_LIST);
    if (code == CBN_SELCHANGE || code == CBN_SELENDOK) {
        const LPARAM chosen = SelectedComboData(list, -1);
        if (chosen >= 0 && chosen != editor_.Current())
            Show(editor_.Switch(Read(), static_cast<int>(chosen)));
    } else if (code == CBN_SELENDCANCEL) {
        editor_.Store(Read());
        SelectComboData(list, editor_.Current());
    }
}

bool CDocPrefColSetting::OnKillActive() {
    editor_.Store(Read());
    return true;
}

ColumnControls CDocPrefColSetting::Read() const {
    ColumnControls c;
    c.hidden = Checked(hwnd_, IDC_HIDE_COLUMN);
    c.dataLeft = Checked(hwnd_, IDC_DATA_LEFT);
    c.dataCenter = Checked(hwnd_, IDC_DATA_CENTER);
    c.dataRight = Checked(hwnd_, IDC_DATA_RIGHT);
    c.headerLeft = Checked(hwnd_, IDC_HEADER_LEFT);
    c.headerCenter = Checked(hwnd_, IDC_HEADER_CENTER);
    c.headerRight = Checked(hwnd_, IDC_HEADER_RIGHT);
    char text[256] = {};
    ::GetDlgItemTextA(hwnd_, IDC_COLUMN_HEADER_TEXT, text, sizeof text);
    c.headerText = text;
    return c;
}

void CDocPrefColSetting::Show(const ColumnControls& c) {
    SetCheck(hwnd_, IDC_HIDE_COLUMN, c.hidden);
    SetCheck(hwnd_, IDC_DATA_LEFT, c.dataLeft);
    SetCheck(hwnd_, IDC_DATA_CENTER, c.dataCenter);
    SetCheck(hwnd_, IDC_DATA_RIGHT, c.dataRight);
    SetCheck(hwnd_, IDC_HEADER_LEFT, c.headerLeft);
    SetCheck(hwnd_, IDC_HEADER_CENTER, c.headerCenter);
    SetCheck(hwnd_, IDC_HEADER_RIGHT, c.headerRight);
    ::SetDlgItemTextA(hwnd_, IDC_COLUMN_HEADER_TEXT, c.headerText.c_str());
}

}  // namespace tw
