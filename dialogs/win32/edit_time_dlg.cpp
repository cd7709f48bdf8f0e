// CEditTimeDlg: opening (in its order) and the data exchange with the controls.
#include "dialogs/win32/edit_time_dlg.h"

#include "app/res/resource.h"
#include "dialogs/calendar_literals.h"
#include "doc/document.h"
#include "framework/platform.h"
#include "framework/win32/window.h"

namespace tw {

namespace {

constexpr int kMaxNotes = static_cast<int>(CTimeRec::kMaxNotes);

}  // namespace

CEditTimeDlg::CEditTimeDlg(CWorkmetrDoc& doc, HWND parent)
    : CDialog(IDD_EDIT_TIME, parent), doc_(doc), model_(doc.Formats()) {}

bool CEditTimeDlg::OnInitDialog() {
    AttachTimeControls();
    ShowStopControls();
    ShowOwnRateUsed(model_.Values().ownRate != CTimeRec::kNoOwnRate);
    CheckTargetRadio();
    ::SendDlgItemMessageA(hwnd_, IDC_NOTES, EM_LIMITTEXT, kMaxNotes, 0);
    ShowNotesLength(model_.Values().notes.size());
    if (!FillItemLists()) {
        End(IDCANCEL);
        return true;
    }
    ShowTimesWithoutSeconds();
    SetCalendarNames();
    FocusFirstControl();
    UpdateData(false);
    return false;  // the focus is set
}

void CEditTimeDlg::AttachTimeControls() {
    startDate_.Attach(Item(IDC_START_DATE));
    startTime_.Attach(Item(IDC_START_TIME));
    stopDate_.Attach(Item(IDC_STOP_DATE));
    stopTime_.Attach(Item(IDC_STOP_TIME));
}

// The active record's stop is the clock's: its controls are greyed and disabled, and so is
// the Stop target.
void CEditTimeDlg::ShowStopControls() {
    const bool active = model_.Values().times.active;
    const DWORD background = TARN_SYSCOLOR(active ? COLOR_BTNFACE : COLOR_WINDOW);
    stopDate_.SetColor(TARN_COLOR_BACKGROUND, background);
    stopTime_.SetColor(TARN_COLOR_BACKGROUND, background);
    for (int id : {IDC_STOP_DATE, IDC_STOP_TIME, IDC_TARGET_STOP}) {
        if (HWND item = Item(id)) ::EnableWindow(item, !active);
    }
}

void CEditTimeDlg::ShowOwnRateUsed(bool used) {
    ::CheckDlgButton(hwnd_, IDC_USE_OWN_RATE, used ? BST_CHECKED : BST_UNCHECKED);
    HWND rate = Item(IDC_HOURLY_RATE);
    if (rate == nullptr) return;
    ::EnableWindow(rate, used);
    ::SendMessageA(rate, EM_SETREADONLY, used ? FALSE : TRUE, 0);
}

void CEditTimeDlg::CheckTargetRadio() {
    const RecalcTarget shown = TargetShown(model_.Values().target, model_.Values().times.active);
    const int id = shown == RecalcTarget::kStart    ? IDC_TARGET_START
                   : shown == RecalcTarget::kStop   ? IDC_TARGET_STOP
                   : shown == RecalcTarget::kPaused ? IDC_TARGET_PAUSED
                                                    : IDC_TARGET_ELAPSED;
    ::CheckRadioButton(hwnd_, IDC_TARGET_ELAPSED, IDC_TARGET_STOP, id);
}

// The list set of the document's sort setting, filled, each showing the record's item. False
// (after telling why) when a list could not be filled.
bool CEditTimeDlg::FillItemLists() {
    const CItemCombos::FillResult result = itemLists_.Fill(hwnd_, doc_);
    if (result != CItemCombos::FillResult::kDone) {
        Platform().messages->ShowMessage(LoadResourceString(CItemCombos::FailureMessageId(result)));
        return false;
    }
    for (int type = 0; type < kItemListCount; ++type)
        itemLists_.Select(type, model_.Values().items[type]);
    for (int id : {IDC_PROJECT_BUTTON, IDC_CATEGORY_BUTTON, IDC_CLIENT_BUTTON}) {
        if (HWND button = Item(id)) ::EnableWindow(button, Editor() != nullptr);
    }
    return true;
}

// Hours and minutes only: the time edits' own format without seconds.
void CEditTimeDlg::ShowTimesWithoutSeconds() {
    for (CTimeEdit* edit : {&startTime_, &stopTime_}) {
        TMEDITPARAMS params{};
        if (edit->GetEditParams(&params) == nullptr) continue;
        params.useSystemFormat = 0;
        params.seconds = 0;
        edit->SetEditParams(&params);
    }
}

// The month names and day letters of the user's locale for the drop-down calendars.
void CEditTimeDlg::SetCalendarNames() {
    const std::string months = MonthLiterals(*Platform().locale);
    const std::string days = DayLetters(*Platform().locale);
    for (CDateEdit* edit : {&startDate_, &stopDate_}) {
        if (!months.empty()) edit->SetMonthLiterals(months.c_str());
        if (!days.empty()) edit->SetDayLiterals(days.c_str());
    }
}

void CEditTimeDlg::FocusFirstControl() {
    HWND control = ControlOf(FirstFocusControl(focusColumn_, model_.Values().times.active));
    if (control != nullptr) ::SetFocus(control);
}

HWND CEditTimeDlg::ControlOf(EditTimeControl control) const {
    static constexpr int kIds[] = {IDC_START_DATE,
                                   IDC_START_TIME,
                                   IDC_STOP_DATE,
                                   IDC_STOP_TIME,
                                   IDC_ELAPSED,
                                   IDC_PAUSED,
                                   IDC_HOURLY_RATE,
                                   0,
                                   0,
                                   0,
                                   IDC_EXPENSE,
                                   IDC_MARK,
                                   IDC_NOTES};
    switch (control) {
        case EditTimeControl::kProject: return itemLists_.List(kProjectList);
        case EditTimeControl::kCategory: return itemLists_.List(kCategoryList);
        case EditTimeControl::kClient: return itemLists_.List(kClientList);
        default: return Item(kIds[static_cast<int>(control)]);
    }
}

// --- Data exchange ------------------------------------------------------------------------

void CEditTimeDlg::DoDataExchange(CDataExchange& dx) {
    EditTimeValues& v = model_.Values();
    ExchangeTime(dx, startDate_, startTime_, v.times.start, IDS_START_DATE_INVALID);
    ExchangeTime(dx, stopDate_, stopTime_, v.times.stop, IDS_STOP_DATE_INVALID);
    ExchangeDurations(dx);
    ExchangeMoney(dx);
    dx.Text(IDC_NOTES, v.notes);
    dx.MaxChars(IDC_NOTES, v.notes, kMaxNotes);
    if (!dx.Saving()) ShowNotesLength(v.notes.size());  // a multi-line edit's new text is no change
    dx.Check(IDC_MARK, v.mark);
    dx.Check(IDC_AUTO_ADJUST, v.autoAdjust);
    ExchangeTarget(dx);
}

// A calendar time in a date edit and a time edit.
void CEditTimeDlg::ExchangeTime(CDataExchange& dx, CDateEdit& date, CTimeEdit& time, CalTime& t,
                                UINT invalidMessage) {
    if (dx.Failed()) return;
    CalTime value = t;
    if (!ExchangeDateEdit(dx.Saving(), date, value) ||
        !ExchangeTimeEdit(dx.Saving(), time, value)) {
        if (dx.Saving()) dx.Fail(::GetDlgCtrlID(date.Handle()), LoadResourceString(invalidMessage));
        return;
    }
    t = value;
}

// Elapsed and paused as texts: the checks read them (EditTimeModel::Check).
void CEditTimeDlg::ExchangeDurations(CDataExchange& dx) {
    if (dx.Failed()) return;
    if (dx.Saving()) {
        elapsedText_ = ItemText(IDC_ELAPSED);
        pausedText_ = ItemText(IDC_PAUSED);
        return;
    }
    elapsedText_ = model_.ShowElapsed();
    pausedText_ = model_.ShowPaused();
    ::SetDlgItemTextA(hwnd_, IDC_ELAPSED, elapsedText_.c_str());
    ::SetDlgItemTextA(hwnd_, IDC_PAUSED, pausedText_.c_str());
}

void CEditTimeDlg::ExchangeMoney(CDataExchange& dx) {
    if (dx.Failed()) return;
    if (dx.Saving()) {
        const bool used = ::IsDlgButtonChecked(hwnd_, IDC_USE_OWN_RATE) == BST_CHECKED;
        model_.ReadMoney(ItemText(IDC_HOURLY_RATE), used, ItemText(IDC_EXPENSE));
        return;
    }
    ShowOwnRateUsed(model_.Values().ownRate != CTimeRec::kNoOwnRate);
    ::SetDlgItemTextA(hwnd_, IDC_HOURLY_RATE, model_.OwnRateText().c_str());
    ::SetDlgItemTextA(hwnd_, IDC_EXPENSE, model_.ExpenseText().c_str());
}

void CEditTimeDlg::ExchangeTarget(CDataExchange& dx) {
    if (dx.Failed()) return;
    EditTimeValues& v = model_.Values();
    if (!dx.Saving()) {
        CheckTargetRadio();
        return;
    }
    auto checked = [this](int id) { return ::IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; };
    v.target = TargetOfRadios(checked(IDC_TARGET_START), checked(IDC_TARGET_STOP),
                              checked(IDC_TARGET_PAUSED), v.times.active);
}

std::string CEditTimeDlg::ItemText(int id) const { return CWindow(Item(id)).GetText(); }

}  // namespace tw
