// CFormDlg: the running clock: Start, Restart, Stop, Pause and Resume, the one-second tick, the
// bold row of the running record, the totals bar, the captions, icons and command texts.
#include <windows.h>

#include <string>

#include "app/res/resource.h"
#include "doc/document.h"
#include "doc/time_rec.h"
#include "framework/win32/child_frame.h"
#include "framework/win32/mdi_frame.h"
#include "view/totals_texts.h"
#include "view/time_table_row.h"
#include "view/win32/form_dlg.h"
#include "view/win32/view_host.h"

namespace tw {

namespace {

// Keeps the document's row notifications away while the view puts its rows itself.
class OwnRowChange {
public:
    explicit OwnRowChange(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~OwnRowChange() { flag_ = saved_; }
    OwnRowChange(const OwnRowChange&) = delete;
    OwnRowChange& operator=(const OwnRowChange&) = delete;

private:
    bool& flag_;
    bool saved_;
};

// A grid answer to "first selected row" that names a row.
bool IsRow(long answer) { return answer >= 0; }

}  // namespace

void CFormDlg::SetTimer() {
    timerSet_ = ::SetTimer(Handle(), kClockTimer, kClockPeriod, nullptr) != 0;
}

void CFormDlg::KillTimer() {
    if (Handle() != nullptr) ::KillTimer(Handle(), kClockTimer);
    timerSet_ = false;
}

void CFormDlg::StartStop() {
    CWorkmetrDoc& doc = *Document();
    OwnRowChange own(ownRowChange_);
    if (doc.IsStopped()) {
        CTimeRec* started = nullptr;
        const long first = grid_.GetFirstSelected();
        if (grid_.GetSelectedCount() == 1 && IsRow(first)) {
            const int key = RecordOfRow(static_cast<int>(first));
            started = key >= 0 ? doc.RestartRecord(key) : nullptr;
            if (started != nullptr) {
                grid::TimeTableRow row = BuildRow(doc, *started, key);
                PutRow(row, true, key, static_cast<int>(first), true);
            }
        } else {
            started = doc.StartNewRecord();
            if (started != nullptr) {
                const int position = doc.GetRecordCount() - 1;
                grid::TimeTableRow row = BuildRow(doc, *started, position);
                if (PutRow(row, false, position, grid::kNoRow, true) < 0) {
                    doc.RemoveRecord(position);
                    started = nullptr;
                }
            }
        }
        if (started != nullptr) {
            SelectActiveRow();
            ShowTotals();
        }
    } else {
        KillTimer();
        const int position = doc.GetActiveRecord();
        if (CTimeRec* stopped = doc.StopActiveRecord()) {
            const int row = RowOfRecord(position);
            if (row >= 0) {
                if (grid_.SetCurrentCell(0, row) >= 0) grid_.ResetRowFont();
                grid::TimeTableRow built = BuildRow(doc, *stopped, position);
                PutRow(built, true, position, row, true);
            }
        }
        ShowActiveElapsed();
        ShowTotals();
        UpdateCaptions();
    }
    if (!doc.IsStopped()) SetTimer();
    UpdateClockDisplay();
}

void CFormDlg::PauseResume() {
    CWorkmetrDoc& doc = *Document();
    if (doc.IsStopped()) return;
    {
        OwnRowChange own(ownRowChange_);
        if (doc.IsPaused()) {
            doc.ResumeActiveRecord();
        } else {
            doc.PauseActiveRecord();
        }
    }
    PutRecordRow(doc.GetActiveRecord(), true);
    UpdateClockDisplay();
}

void CFormDlg::OnClockTick() {
    KillTimer();
    CWorkmetrDoc& doc = *Document();
    if (doc.IsStopped() || doc.GetActiveRecord() < 0) return;
    const int position = doc.GetActiveRecord();
    if (const CTimeRec* record = doc.TickActiveRecord()) {
        if (doc.IsPaused()) {
            if (doc.MinuteChanged(record->GetPaused(), true)) {
                UpdateCaptions();
                PutRecordRow(position, true);
            }
        } else if (doc.MinuteChanged(record->GetElapsed(), false)) {
            ShowActiveElapsed();
            UpdateCaptions();
            PutRecordRow(position, true);
            const TotalsTexts totals = TotalsTextsOf(doc);
            SetStatic(IDC_TOTAL_TIME, totals.time);
            SetStatic(IDC_TOTAL_CHARGE, totals.charge);
            RefreshMenuBlockTotals();
        }
    }
    if (!doc.IsStopped()) SetTimer();
}

void CFormDlg::SelectActiveRow() {
    CWorkmetrDoc& doc = *Document();
    if (doc.IsStopped() || doc.GetActiveRecord() < 0) return;
    const int row = RowOfRecord(doc.GetActiveRecord());
    if (row < 0 || grid_.SetCurrentCell(0, row) < 0) return;
    IViewHost* host = ViewHost();
    if (host != nullptr) grid_.SetRowFont(host->BoldRowFont());
}

void CFormDlg::ShowTotals() {
    const TotalsTexts totals = TotalsTextsOf(*Document());
    SetStatic(IDC_TOTAL_TIME, totals.time);
    SetStatic(IDC_TOTAL_CHARGE, totals.charge);
    SetStatic(IDC_TOTAL_EXPENSE, totals.expense);
    RefreshMenuBlockTotals();
}

void CFormDlg::ShowActiveElapsed() {
    SetStatic(IDC_ACTIVE_ELAPSED, ActiveElapsedText(*Document()));
}

void CFormDlg::SetTotalsLabels(int mode) {
    const TotalsLabels labels = TotalsLabelsOf(mode);
    SetStatic(IDC_TOTAL_TIME_LABEL, labels.time);
    SetStatic(IDC_TOTAL_CHARGE_LABEL, labels.charge);
    SetStatic(IDC_TOTAL_EXPENSE_LABEL, labels.expense);
    if (menuPopup_ != nullptr) {
        ::ModifyMenuA(menuPopup_, 0, MF_BYPOSITION | MF_STRING | MF_GRAYED, 0, labels.time);
    }
}

void CFormDlg::UpdateClockDisplay() {
    const ClockState state = State();
    const int selected = static_cast<int>(grid_.GetSelectedCount());
    const std::string start = StartCommandText(state, selected);
    const std::string pause = PauseCommandText(state);
    IViewFrame* frame = ViewFrame();
    if (frame != nullptr) {
        frame->SetClockMenuTexts(start, pause);
        frame->SetStartButtonImage(selected == 1 ? 12 : 1);
    }
    if (menuPopup_ != nullptr) {
        ::ModifyMenuA(menuPopup_, menuBase_ + 1, MF_BYCOMMAND | MF_STRING, menuBase_ + 1,
                      start.c_str());
        ::ModifyMenuA(menuPopup_, menuBase_ + 2, MF_BYCOMMAND | MF_STRING, menuBase_ + 2,
                      pause.c_str());
    }
    IViewHost* host = ViewHost();
    if (HWND status = Item(IDC_STATUS_PICTURE)) {
        ::InvalidateRect(status, nullptr, TRUE);
        ::UpdateWindow(status);
    }
    if (host == nullptr || Frame() == nullptr) return;
    if (menuPopup_ != nullptr && host->MainWindow() != nullptr) {
        HMENU system = ::GetSystemMenu(host->MainWindow(), FALSE);
        HBITMAP check = host->CheckMarkPicture(state);
        const int count = ::GetMenuItemCount(system);
        for (int i = 0; i < count; ++i) {
            if (::GetSubMenu(system, i) == menuPopup_) {
                ::SetMenuItemBitmaps(system, static_cast<UINT>(i), MF_BYPOSITION, check, check);
                ::CheckMenuItem(system, static_cast<UINT>(i), MF_BYPOSITION | MF_CHECKED);
            }
        }
    }
    HWND child = Frame()->Handle();
    HICON childIcon = IsFrameMinimized() ? host->StateIcon(state) : host->DocumentIcon();
    ::SendMessageA(child, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(childIcon));
    ::SendMessageA(child, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(childIcon));
    HWND main = host->MainWindow();
    CMDIFrame* mainFrame = Frame()->MainFrame();
    const bool active = mainFrame != nullptr && mainFrame->ActiveChild() == Frame();
    if (main != nullptr && active) {
        HICON mainIcon = ::IsIconic(main) ? host->StateIcon(state) : host->MainIcon();
        ::SendMessageA(main, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(mainIcon));
        ::SendMessageA(main, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(mainIcon));
    }
}

void CFormDlg::UpdateCaptions() {
    if (grid_.GetRowCount() <= 0 || Frame() == nullptr) return;
    CWorkmetrDoc& doc = *Document();
    std::string total = TotalTimeText(doc);
    if (total == " ") total.clear();  // mode 0 while idle: no total
    const std::string& title = doc.GetTitle();
    const std::string childCaption = ChildCaption(title, total, IsFrameMinimized());
    char current[512] = {};
    ::GetWindowTextA(Frame()->Handle(), current, sizeof current);
    if (childCaption != current) ::SetWindowTextA(Frame()->Handle(), childCaption.c_str());
    IViewHost* host = ViewHost();
    CMDIFrame* main = Frame()->MainFrame();
    if (host == nullptr || main == nullptr || main->ActiveChild() != Frame()) return;
    const std::string mainCaption = MainCaption(total, title, host->AppName());
    ::GetWindowTextA(main->Handle(), current, sizeof current);
    if (mainCaption == current) return;
    ::SetWindowTextA(main->Handle(), mainCaption.c_str());
    if (::IsIconic(main->Handle()))
        ::RedrawWindow(main->Handle(), nullptr, nullptr,
                       RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

// --- The popup in the main window's system menu -----------------------------------------------

void CFormDlg::BuildMenuBlock() {
    IViewHost* host = ViewHost();
    if (host == nullptr || host->MainWindow() == nullptr) return;
    menuBase_ = host->AcquireMenuBlock(*this);
    if (menuBase_ == 0) return;
    HMENU popup = ::CreatePopupMenu();
    const TotalsLabels labels = TotalsLabelsOf(Document()->GetTotalsMode());
    ::AppendMenuA(popup, MF_STRING | MF_GRAYED, 0, labels.time);
    ::AppendMenuA(popup, MF_STRING | MF_GRAYED, 0, " ");
    ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(popup, MF_STRING, menuBase_ + 1, LoadResourceString(IDS_START).c_str());
    ::AppendMenuA(popup, MF_STRING | MF_GRAYED, menuBase_ + 2,
                  LoadResourceString(IDS_PAUSE).c_str());
    ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(popup, MF_STRING | MF_GRAYED, menuBase_ + 3,
                  LoadResourceString(IDS_EDIT_ACTIVE_RECORD).c_str());
    ::AppendMenuA(popup, MF_STRING, menuBase_ + 4,
                  LoadResourceString(IDS_SET_ACTIVE_DOCUMENT).c_str());
    HMENU system = ::GetSystemMenu(host->MainWindow(), FALSE);
    ::AppendMenuA(system, MF_POPUP | MF_STRING | MF_CHECKED, reinterpret_cast<UINT_PTR>(popup),
                  Document()->GetTitle().c_str());
    menuPopup_ = popup;
}

void CFormDlg::RemoveMenuBlock() {
    IViewHost* host = ViewHost();
    if (menuPopup_ != nullptr && host != nullptr && host->MainWindow() != nullptr &&
        ::IsWindow(host->MainWindow())) {
        HMENU system = ::GetSystemMenu(host->MainWindow(), FALSE);
        const int count = ::GetMenuItemCount(system);
        for (int i = count - 1; i >= 0; --i) {
            if (::GetSubMenu(system, i) == menuPopup_) {
                ::DeleteMenu(system, static_cast<UINT>(i), MF_BYPOSITION);  // frees the popup
                menuPopup_ = nullptr;
                break;
            }
        }
    }
    if (menuPopup_ != nullptr) ::DestroyMenu(menuPopup_);
    menuPopup_ = nullptr;
    if (menuBase_ != 0 && host != nullptr) host->ReleaseMenuBlock(*this);
    menuBase_ = 0;
}

void CFormDlg::RefreshMenuBlockTotals() {
    if (menuPopup_ == nullptr) return;
    std::string total = TotalTimeText(*Document());
    ::ModifyMenuA(menuPopup_, 1, MF_BYPOSITION | MF_STRING | MF_GRAYED, 0, total.c_str());
}

void CFormDlg::UpdateMenuBlockItems(HMENU popup) {
    if (popup == nullptr || popup != menuPopup_) return;
    const UINT state = State() == ClockState::kIdle ? MF_GRAYED : MF_ENABLED;
    ::EnableMenuItem(popup, menuBase_ + 2, MF_BYCOMMAND | state);
    ::EnableMenuItem(popup, menuBase_ + 3, MF_BYCOMMAND | state);
}

void CFormDlg::OnMenuBlockCommand(unsigned offset) {
    switch (offset) {
        case 1: StartStop(); break;
        case 2: PauseResume(); break;
        case 3: EditActiveRecord(); break;
        case 4:
            if (Frame() != nullptr && Frame()->MainFrame() != nullptr) {
                ::SendMessageA(Frame()->MainFrame()->MdiClient(), WM_MDIACTIVATE,
                               reinterpret_cast<WPARAM>(Frame()->Handle()), 0);
                if (::IsIconic(Frame()->Handle())) ::ShowWindow(Frame()->Handle(), SW_RESTORE);
            }
            break;
        default: break;
    }
}

}  // namespace tw
