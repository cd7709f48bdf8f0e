#include "app/win32/child_frame.h"

#include "app/frame_geometry.h"
#include "app/res/resource.h"
#include "app/win32/tallywick_app.h"
#include "doc/document.h"
#include "framework/command_ids.h"
#include "framework/win32/document.h"
#include "framework/win32/mdi_frame.h"
#include "framework/win32/window.h"
#include "view/win32/form_dlg.h"

namespace tw {

namespace {

constexpr DWORD kSizingStyles = WS_MAXIMIZEBOX | WS_THICKFRAME;

}  // namespace

CChildFrame::CChildFrame() { RegisterClockCommands(); }

CFormDlg* CChildFrame::Form() const { return dynamic_cast<CFormDlg*>(View()); }

bool CChildFrame::IsStopped() const {
    CFormDlg* form = Form();
    return form == nullptr || form->State() == ClockState::kIdle;
}

bool CChildFrame::IsPausedNow() const {
    CFormDlg* form = Form();
    return form != nullptr && form->State() == ClockState::kPaused;
}

int CChildFrame::SelectedRows() const {
    CFormDlg* form = Form();
    return form != nullptr ? static_cast<int>(form->Grid().GetSelectedCount()) : 0;
}

void CChildFrame::RegisterClockCommands() {
    auto startStop = [this] {
        if (CFormDlg* form = Form()) form->StartStop();
    };
    auto pauseResume = [this] {
        if (CFormDlg* form = Form()) form->PauseResume();
    };
    OnCommand(ID_START, startStop);
    OnCommand(ID_RESTART, startStop);
    OnCommand(ID_STOP, startStop);
    OnCommand(ID_PAUSE, pauseResume);
    OnCommand(ID_RESUME, pauseResume);
    OnCommand(ID_SYS_START_STOP, startStop);
    OnCommand(ID_SYS_PAUSE_RESUME, pauseResume);
    OnUpdateCommand(ID_START,
                    [this](CommandState& s) { s.Enable(IsStopped() && SelectedRows() != 1); });
    OnUpdateCommand(ID_RESTART,
                    [this](CommandState& s) { s.Enable(IsStopped() && SelectedRows() == 1); });
    OnUpdateCommand(ID_STOP, [this](CommandState& s) { s.Enable(!IsStopped()); });
    OnUpdateCommand(ID_PAUSE,
                    [this](CommandState& s) { s.Enable(!IsStopped() && !IsPausedNow()); });
    OnUpdateCommand(ID_RESUME, [this](CommandState& s) { s.Enable(IsPausedNow()); });
    OnUpdateCommand(ID_COMPACT_RESTORE, [this](CommandState& s) {
        s.Enable(!IsMaximized());
        s.SetCheck(compacted_);
    });
}

bool CChildFrame::OnCreate() {
    ToolBarLayout layout;
    layout.commands = {ID_COMPACT_RESTORE,
                       ID_START_STOP,
                       ID_PAUSE_RESUME,
                       ID_EDIT_TIME_ROW,
                       0,
                       ID_PRINT_TABLE,
                       ID_EXPORT,
                       ID_GENERAL_PREFERENCES,
                       ID_DOCUMENT_PREFERENCES,
                       ID_MARK_SPECIAL,
                       ID_DELETE_ROWS,
                       ID_EDIT_CELL,
                       ID_HELP_CONTENTS_TABLE};
    layout.images =
        static_cast<HBITMAP>(::LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(IDB_CHILD_TOOLBAR),
                                          IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    layout.imageSize = SIZE{22, 22};
    layout.buttonSize = SIZE{29, 28};
    if (!ToolBar().Create(Handle(), 1, layout)) return false;
    ToolBar().SetCheckButtons({ID_COMPACT_RESTORE, ID_START_STOP, ID_PAUSE_RESUME});
    AppendSystemMenuItem(0, "");
    AppendSystemMenuItem(ID_SYS_START_STOP, LoadResourceString(IDS_START));
    AppendSystemMenuItem(ID_SYS_PAUSE_RESUME, LoadResourceString(IDS_PAUSE));
    if (CTallywickApp* app = TheTallywickApp()) {
        ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL,
                       reinterpret_cast<LPARAM>(app->DocumentIcon()));
    }
    RecalcLayout();
    return true;
}

bool CChildFrame::OnSystemCommand(UINT id) {
    const bool handled =
        (id == ID_SYS_START_STOP || id == ID_SYS_PAUSE_RESUME) && HandleCommand(id);
    return handled;
}

void CChildFrame::OnInitSystemMenu(HMENU menu) {
    ::EnableMenuItem(menu, ID_SYS_PAUSE_RESUME,
                     MF_BYCOMMAND | (IsStopped() ? MF_GRAYED : MF_ENABLED));
}

void CChildFrame::SetClockMenuTexts(const std::string& start, const std::string& pause) {
    HMENU menu = ::GetSystemMenu(Handle(), FALSE);
    if (menu == nullptr) return;
    ::ModifyMenuA(menu, ID_SYS_START_STOP, MF_BYCOMMAND | MF_STRING, ID_SYS_START_STOP,
                  start.c_str());
    ::ModifyMenuA(menu, ID_SYS_PAUSE_RESUME, MF_BYCOMMAND | MF_STRING, ID_SYS_PAUSE_RESUME,
                  pause.c_str());
}

void CChildFrame::SetStartButtonImage(int image) { ToolBar().SetButtonImage(ID_START_STOP, image); }

bool CChildFrame::RectBeforeCompact(RECT& rect) const {
    if (!compacted_) return false;
    rect = savedRect_;
    return true;
}

// --- Compacting ------------------------------------------------------------------------------

void CChildFrame::ToggleCompact(const RECT& area) {
    if (IsMaximized()) return;
    if (compacted_) {
        Restore();
    } else {
        Compact(area);
    }
    if (CAppDocument* doc = Document()) doc->SetModifiedFlag();
}

void CChildFrame::Compact(const RECT& area) {
    CFormDlg* form = Form();
    if (form != nullptr) form->ScrollToOrigin();
    if (::IsIconic(Handle())) ::ShowWindow(Handle(), SW_RESTORE);
    RECT window;
    ::GetWindowRect(Handle(), &window);
    ::MapWindowPoints(nullptr, ::GetParent(Handle()), reinterpret_cast<POINT*>(&window), 2);
    savedRect_ = window;
    const FrameMetrics m{::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME),
                         ::GetSystemMetrics(SM_CYCAPTION), ::GetSystemMetrics(SM_CYMENU)};
    const Size2 size =
        CompactedChildSize({area.right - area.left, area.bottom - area.top}, ToolBar().Height(), m);
    compactSize_ = SIZE{size.width, size.height};
    compacted_ = true;
    ::SetWindowLongA(Handle(), GWL_STYLE, ::GetWindowLongA(Handle(), GWL_STYLE) & ~kSizingStyles);
    ::SetWindowPos(Handle(), nullptr, savedRect_.left, savedRect_.top, size.width, size.height,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CChildFrame::Restore() {
    compacted_ = false;
    ::SetWindowLongA(Handle(), GWL_STYLE, ::GetWindowLongA(Handle(), GWL_STYLE) | kSizingStyles);
    ::SetWindowPos(Handle(), nullptr, savedRect_.left, savedRect_.top,
                   savedRect_.right - savedRect_.left, savedRect_.bottom - savedRect_.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// --- Captions and icons ----------------------------------------------------------------------

void CChildFrame::RefreshCaptions() {
    if (CFormDlg* form = Form()) form->UpdateCaptions();
}

void CChildFrame::SetIconByState() {
    CTallywickApp* app = TheTallywickApp();
    CFormDlg* form = Form();
    if (app == nullptr || form == nullptr) return;
    HICON icon = ::IsIconic(Handle()) ? app->StateIcon(form->State()) : app->DocumentIcon();
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

LRESULT CChildFrame::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCPAINT:
        case WM_NCACTIVATE:
        case WM_ACTIVATE:
        case WM_SETFOCUS:
        case WM_ERASEBKGND:
        case WM_ICONERASEBKGND:
        case WM_MDIACTIVATE: {
            const LRESULT result = CMDIChild::WindowProc(msg, wp, lp);
            RefreshCaptions();
            return result;
        }
        case WM_SYSCOMMAND: {
            const LRESULT result = CMDIChild::WindowProc(msg, wp, lp);
            if ((wp & 0xFFF0) != SC_CLOSE && ::IsWindow(Handle())) RefreshCaptions();
            return result;
        }
        case WM_EXITSIZEMOVE:
            // The document keeps its window's placement: a move or size by the user changes it.
            if (CAppDocument* doc = Document()) doc->SetModifiedFlag();
            break;
        case WM_GETMINMAXINFO: {
            SetIconByState();
            const LRESULT result = CMDIChild::WindowProc(msg, wp, lp);
            if (compacted_) {
                auto* info = reinterpret_cast<MINMAXINFO*>(lp);
                info->ptMinTrackSize = POINT{compactSize_.cx, compactSize_.cy};
                info->ptMaxTrackSize = POINT{compactSize_.cx, compactSize_.cy};
                info->ptMaxSize = POINT{compactSize_.cx, compactSize_.cy};
            }
            return result;
        }
        default: break;
    }
    return CMDIChild::WindowProc(msg, wp, lp);
}

}  // namespace tw
