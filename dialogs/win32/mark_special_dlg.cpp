#include "dialogs/win32/mark_special_dlg.h"

#include "app/res/resource.h"
#include "dialogs/calendar_literals.h"
#include "doc/document.h"
#include "framework/platform.h"
#include "framework/win32/window.h"

namespace tw {

namespace {

constexpr int kAnyItemBoxes[3] = {IDC_ANY_PROJECT, IDC_ANY_CATEGORY, IDC_ANY_CLIENT};

}  // namespace

CMarkSpecialDlg::CMarkSpecialDlg(const CWorkmetrDoc& doc, HWND parent)
    : CDialog(IDD_MARK_SPECIAL, parent), doc_(doc) {
    const CalTime now = Platform().clock->Now();
    criteria_.start = WholeDays(now, now);
    criteria_.stop = criteria_.start;
}

bool CMarkSpecialDlg::OnInitDialog() {
    const CItemCombos::FillResult result = itemLists_.Fill(hwnd_, doc_);
    if (result != CItemCombos::FillResult::kDone) {
        Platform().messages->ShowMessage(LoadResourceString(CItemCombos::FailureMessageId(result)));
        EndDialog(IDCANCEL);
        return true;
    }
    beginStart_.Attach(Item(IDC_BEGIN_START_DATE));
    endStart_.Attach(Item(IDC_END_START_DATE));
    beginStop_.Attach(Item(IDC_BEGIN_STOP_DATE));
    endStop_.Attach(Item(IDC_END_STOP_DATE));
    SetCalendarNames();
    const bool ok = CDialog::OnInitDialog();
    for (int box : {IDC_ANY_PROJECT, IDC_ANY_CATEGORY, IDC_ANY_CLIENT, IDC_ANY_START_DATE,
                    IDC_ANY_STOP_DATE}) {
        EnableForAnyBox(box);
    }
    return ok;
}

void CMarkSpecialDlg::SetCalendarNames() {
    const std::string months = MonthLiterals(*Platform().locale);
    const std::string days = DayLetters(*Platform().locale);
    for (CDateEdit* edit : {&beginStart_, &endStart_, &beginStop_, &endStop_}) {
        if (!months.empty()) edit->SetMonthLiterals(months.c_str());
        if (!days.empty()) edit->SetDayLiterals(days.c_str());
    }
}

void CMarkSpecialDlg::DoDataExchange(CDataExchange& dx) {
    for (int type = 0; type < 3; ++type) dx.Check(kAnyItemBoxes[type], criteria_.any[type]);
    dx.Check(IDC_ANY_START_DATE, criteria_.anyStart);
    dx.Check(IDC_ANY_STOP_DATE, criteria_.anyStop);
    dx.Check(IDC_UNMARK_OTHERS, criteria_.unmarkOthers);
    ExchangeRange(dx, beginStart_, endStart_, criteria_.start);
    ExchangeRange(dx, beginStop_, endStop_, criteria_.stop);
    if (!dx.Saving()) return;
    for (int type = 0; type < 3; ++type) {
        const int chosen = itemLists_.Chosen(type);
        criteria_.chosen[type] = chosen >= 0 ? chosen : 0;
    }
}

// Whole days: the first day from 00:00:00, the last to 23:59:59.
void CMarkSpecialDlg::ExchangeRange(CDataExchange& dx, CDateEdit& first, CDateEdit& last,
                                    DateRange& range) {
    CalTime begin = range.begin;
    CalTime end = range.end;
    ExchangeDateEdit(dx.Saving(), first, begin);
    ExchangeDateEdit(dx.Saving(), last, end);
    if (dx.Saving()) range = WholeDays(begin, end);
}

bool CMarkSpecialDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (code == BN_CLICKED &&
        (id == IDC_ANY_PROJECT || id == IDC_ANY_CATEGORY || id == IDC_ANY_CLIENT ||
         id == IDC_ANY_START_DATE || id == IDC_ANY_STOP_DATE)) {
        EnableForAnyBox(static_cast<int>(id));
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void CMarkSpecialDlg::EnableForAnyBox(int anyBox) {
    const bool enable = ::IsDlgButtonChecked(hwnd_, anyBox) != BST_CHECKED;
    for (int type = 0; type < 3; ++type) {
        if (kAnyItemBoxes[type] == anyBox) ::EnableWindow(itemLists_.List(type), enable);
    }
    if (anyBox == IDC_ANY_START_DATE) {
        EnableDateEdit(beginStart_, enable);
        EnableDateEdit(endStart_, enable);
    } else if (anyBox == IDC_ANY_STOP_DATE) {
        EnableDateEdit(beginStop_, enable);
        EnableDateEdit(endStop_, enable);
    }
}

// A disabled date field shows the button face behind its text, an enabled one the window.
void CMarkSpecialDlg::EnableDateEdit(CDateEdit& edit, bool enable) {
    ::EnableWindow(edit.Handle(), enable);
    edit.SetColor(TARN_COLOR_BACKGROUND, ::GetSysColor(enable ? COLOR_WINDOW : COLOR_BTNFACE));
    ::InvalidateRect(edit.Handle(), nullptr, TRUE);
}

}  // namespace tw
