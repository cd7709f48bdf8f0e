// CEditTimeDlg: the buttons, the checks before every recalculation and OK, the adjustments of
// Recalculate, Auto Adjust and leaving a time field, and the notes and money fields.
#include <windowsx.h>

#include "app/res/resource.h"
#include "dialogs/item_choices.h"
#include "dialogs/win32/edit_time_dlg.h"
#include "doc/document.h"
#include "framework/platform.h"
#include "framework/win32/window.h"

namespace tw {

namespace {

// The string-table id of a failed check's message.
UINT MessageOf(EditTimeFailure failure) {
    switch (failure) {
        case EditTimeFailure::kPaused: return IDS_PAUSE_TIME_INVALID;
        case EditTimeFailure::kElapsed: return IDS_ELAPSED_TIME_INVALID;
        case EditTimeFailure::kStart: return IDS_START_DATE_INVALID;
        case EditTimeFailure::kStop: return IDS_STOP_DATE_INVALID;
        case EditTimeFailure::kNone: break;
    }
    return 0;
}

// Sets a flag for the lifetime of the guard.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& flag_;
};

}  // namespace

CEditTimeDlg::ListEditor& CEditTimeDlg::Editor() {
    static ListEditor editor;
    return editor;
}

void CEditTimeDlg::SetListEditor(ListEditor editor) { Editor() = std::move(editor); }

bool CEditTimeDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDOK || id == IDCANCEL) return CDialog::OnCommand(id, code, control);
    if (code == BN_CLICKED) {
        switch (id) {
            case kCancelRemaining: End(kCancelRemaining); return true;
            case IDC_RECALCULATE: OnRecalculate(); return true;
            case IDC_AUTO_ADJUST: OnAutoAdjustClicked(); return true;
            case IDC_USE_OWN_RATE:
                ShowOwnRateUsed(::IsDlgButtonChecked(hwnd_, id) == BST_CHECKED);
                return true;
            case IDC_PROJECT_BUTTON: OnListButton(kProjectList); return true;
            case IDC_CATEGORY_BUTTON: OnListButton(kCategoryList); return true;
            case IDC_CLIENT_BUTTON: OnListButton(kClientList); return true;
            default: break;
        }
    }
    return OnNotification(id, code);
}

// The notifications of the edits and the date and time edits.
bool CEditTimeDlg::OnNotification(UINT id, UINT code) {
    if (code == EN_CHANGE && id == IDC_NOTES) {
        OnNotesChanged();
        return true;
    }
    if (code == EN_SETFOCUS && id == IDC_NOTES_LENGTH) {
        ::SetFocus(Item(IDC_NOTES));
        return true;
    }
    if (code != EN_KILLFOCUS) return false;
    switch (id) {
        case IDC_START_DATE:
        case IDC_START_TIME: OnTimeFieldLeft(TimeField::kStart); return true;
        case IDC_STOP_DATE:
        case IDC_STOP_TIME: OnTimeFieldLeft(TimeField::kStop); return true;
        case IDC_ELAPSED: OnTimeFieldLeft(TimeField::kElapsed); return true;
        case IDC_PAUSED: OnTimeFieldLeft(TimeField::kPaused); return true;
        case IDC_HOURLY_RATE:
        case IDC_EXPENSE: OnMoneyLeft(); return true;
        default: return false;
    }
}

void CEditTimeDlg::OnOK() {
    FlagGuard guard(checking_);
    if (!ReadAndCheck()) return;
    TakeChosenItems();
    End(IDOK);
}

void CEditTimeDlg::End(INT_PTR result) {
    ended_ = true;
    EndDialog(result);
}

// Reads the controls and runs the checks; on a failure tells it, shows the data again, puts
// the focus on the failing duration and answers false.
bool CEditTimeDlg::ReadAndCheck() {
    if (!UpdateData(true)) return false;  // the exchange has told what it could not read
    const EditTimeFailure failure = model_.Check(pausedText_, elapsedText_);
    if (failure == EditTimeFailure::kNone) return true;
    TellFailure(failure);
    UpdateData(false);
    const int focus = failure == EditTimeFailure::kPaused    ? IDC_PAUSED
                      : failure == EditTimeFailure::kElapsed ? IDC_ELAPSED
                                                             : 0;
    if (HWND edit = focus != 0 ? Item(focus) : nullptr) {
        ::SetFocus(edit);
        ::SendMessageA(edit, EM_SETSEL, 0, -1);
    }
    return false;
}

void CEditTimeDlg::TellFailure(EditTimeFailure failure) {
    Platform().messages->ShowMessage(LoadResourceString(MessageOf(failure)));
}

void CEditTimeDlg::OnRecalculate() {
    FlagGuard guard(checking_);
    if (!ReadAndCheck()) return;
    model_.Recalculate();
    UpdateData(false);
}

void CEditTimeDlg::OnAutoAdjustClicked() {
    if (::IsDlgButtonChecked(hwnd_, IDC_AUTO_ADJUST) != BST_CHECKED) return;
    OnRecalculate();
}

// A time field lost the focus: checks and, with Auto Adjust, the adjustment after its edit.
// Nothing while the dialog ends, while a check runs (its message box takes the focus), when
// Cancel or Cancel Remaining is being clicked, and for the clock's stop.
void CEditTimeDlg::OnTimeFieldLeft(TimeField field) {
    if (ended_ || checking_) return;
    if (!ChecksOnLeaving(field, model_.Values().times.active, PointerOverCancel())) return;
    FlagGuard guard(checking_);
    if (!ReadAndCheck() || !model_.Values().autoAdjust) return;
    model_.AdjustAfterLeaving(field);
    UpdateData(false);
}

// Whether the pointer of the message that moved the focus lies over Cancel or Cancel
// Remaining.
bool CEditTimeDlg::PointerOverCancel() const {
    const DWORD position = ::GetMessagePos();
    const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    for (int id : {IDCANCEL, static_cast<int>(kCancelRemaining)}) {
        RECT rect;
        HWND button = Item(id);
        if (button != nullptr && ::GetWindowRect(button, &rect) && ::PtInRect(&rect, point))
            return true;
    }
    return false;
}

// Leaving the hourly rate or the expense reads both and shows them formatted.
void CEditTimeDlg::OnMoneyLeft() {
    if (ended_) return;
    const bool used = ::IsDlgButtonChecked(hwnd_, IDC_USE_OWN_RATE) == BST_CHECKED;
    model_.ReadMoney(ItemText(IDC_HOURLY_RATE), used, ItemText(IDC_EXPENSE));
    ::SetDlgItemTextA(hwnd_, IDC_HOURLY_RATE, model_.OwnRateText().c_str());
    ::SetDlgItemTextA(hwnd_, IDC_EXPENSE, model_.ExpenseText().c_str());
}

void CEditTimeDlg::OnNotesChanged() {
    ShowNotesLength(static_cast<size_t>(::GetWindowTextLengthA(Item(IDC_NOTES))));
}

void CEditTimeDlg::ShowNotesLength(size_t length) {
    ::SetDlgItemInt(hwnd_, IDC_NOTES_LENGTH, static_cast<UINT>(length), FALSE);
}

// The rate list editor on one list; after its OK the lists are filled again (the sort setting
// may have changed) and show the items chosen so far.
void CEditTimeDlg::OnListButton(int type) {
    if (!Editor()) return;
    for (int t = 0; t < kItemListCount; ++t) {
        const int chosen = itemLists_.Chosen(t);
        if (chosen >= 0) model_.Values().items[t] = chosen;
    }
    if (!Editor()(doc_, type, hwnd_)) return;
    if (!FillItemLists()) End(IDCANCEL);
}

// The items of OK: each list's choice, else the record's index while it is still valid.
void CEditTimeDlg::TakeChosenItems() {
    EditTimeValues& v = model_.Values();
    for (int type = 0; type < kItemListCount; ++type)
        v.items[type] = ChosenItemIndex(doc_, type, itemLists_.Chosen(type), v.items[type]);
}

}  // namespace tw
