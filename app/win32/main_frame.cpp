#include "app/win32/main_frame.h"

#include "app/frame_geometry.h"
#include "app/general_settings.h"
#include "app/res/resource.h"
#include "app/win32/tallywick_app.h"
#include "framework/command_ids.h"
#include "framework/win32/app.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/document.h"
#include "view/win32/form_dlg.h"

namespace tw {

namespace {

bool IsNormalWindow(HWND hwnd) { return !::IsIconic(hwnd) && !::IsZoomed(hwnd); }

}  // namespace

CMainFrame::CMainFrame() { RegisterFrameCommands(); }

void CMainFrame::RegisterFrameCommands() {
    OnCommand(ID_COMPACT_ALL_TOGGLE, [this] { compacted_ ? RestoreAll() : CompactAll(); });
    OnUpdateCommand(ID_COMPACT_ALL_TOGGLE, [this](CommandState& s) {
        s.Enable();
        s.SetCheck(compacted_);
    });
    OnCommand(ID_COMPACT_ALL, [this] { CompactAll(); });
    OnCommand(ID_RESTORE_ALL, [this] { RestoreAll(); });
}

bool CMainFrame::OnCreate() {
    ToolBarLayout layout;
    layout.commands = {kCmdFileNew,           kCmdFileOpen,
                       kCmdFileSave,          0,
                       kCmdEditCut,           kCmdEditCopy,
                       kCmdEditPaste,         0,
                       kCmdFilePrint,         0,
                       ID_COMPACT_ALL_TOGGLE, 0,
                       kCmdHelpContents};
    layout.images =
        static_cast<HBITMAP>(::LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(IDB_MAIN_TOOLBAR),
                                          IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    if (!ToolBar().Create(Handle(), kToolBarId, layout)) return false;
    if (!StatusBar().Create(Handle(), kStatusBarId,
                            {kIndicatorCaps, kIndicatorNum, kIndicatorScroll})) {
        return false;
    }
    const ISettingsStore& settings = TheApp()->Settings();
    if (settings.GetString(kGeneralSection, "ToolBarVisible", "TRUE") == "FALSE") {
        ToolBar().Show(SW_HIDE);
    }
    if (settings.GetString(kGeneralSection, "StatusBarVisible", "TRUE") == "FALSE") {
        StatusBar().Show(SW_HIDE);
    }
    AppendSystemMenuItem(0, "");
    return true;
}

bool CMainFrame::OnClose() {
    CTallywickApp* app = TheTallywickApp();
    ISettingsStore& settings = TheApp()->Settings();
    WriteFlag(settings, "StatusBarVisible", StatusBar().IsVisible());
    WriteFlag(settings, "ToolBarVisible", ToolBar().IsVisible());
    if (app == nullptr || app->MainFrame() != this) return CMDIFrame::OnClose();
    app->BeginReopenRecording();
    if (!app->SaveAllModified()) {
        app->EndReopenRecording();
        return false;
    }
    // The documents close in the order they were opened, which the reopen list keeps.
    if (CDocTemplate* type = app->DocTemplate()) {
        while (!type->Documents().empty()) {
            CAppDocument* first = type->Documents().front().get();
            first->OnCloseDocument();
            if (!type->Documents().empty() && type->Documents().front().get() == first) break;
        }
    }
    return CMDIFrame::OnClose();
}

void CMainFrame::OnDestroy() {
    ::KillTimer(Handle(), CTallywickApp::kAutoSaveTimer);
    if (CTallywickApp* app = TheTallywickApp()) {
        if (app->IsRecordingReopen()) WriteReopenPaths(app->Settings(), app->ReopenPaths());
    }
    WritePlacement();
}

void CMainFrame::WritePlacement() {
    WINDOWPLACEMENT wp = Placement();
    ISettingsStore& s = TheApp()->Settings();
    const int show = ::IsZoomed(Handle()) ? 3 : ::IsIconic(Handle()) ? 2 : 1;
    s.WriteInt(kGeneralSection, "showCmd", show);
    s.WriteInt(kGeneralSection, "ptMinPositionX", wp.ptMinPosition.x);
    s.WriteInt(kGeneralSection, "ptMinPositionY", wp.ptMinPosition.y);
    s.WriteInt(kGeneralSection, "ptMaxPositionX", wp.ptMaxPosition.x);
    s.WriteInt(kGeneralSection, "ptMaxPositionY", wp.ptMaxPosition.y);
    s.WriteInt(kGeneralSection, "rcNormalPositionLeft", wp.rcNormalPosition.left);
    s.WriteInt(kGeneralSection, "rcNormalPositionTop", wp.rcNormalPosition.top);
    s.WriteInt(kGeneralSection, "rcNormalPositionRight", wp.rcNormalPosition.right);
    s.WriteInt(kGeneralSection, "rcNormalPositionBottom", wp.rcNormalPosition.bottom);
}

bool CMainFrame::OnSystemCommand(UINT id) {
    CTallywickApp* app = TheTallywickApp();
    CFormDlg* view = app != nullptr ? app->ViewOfMenuId(id) : nullptr;
    if (view == nullptr) return false;
    view->OnMenuBlockCommand(id - view->MenuBase());
    return true;
}

void CMainFrame::OnTimer(UINT_PTR id) {
    CTallywickApp* app = TheTallywickApp();
    if (id != CTallywickApp::kAutoSaveTimer || app == nullptr) return;
    ::KillTimer(Handle(), id);
    if (app->IsAutoSaveDue() && !saving_) {
        saving_ = true;
        app->AutoSaveDocuments();
        saving_ = false;
    }
    if (app->General().AutoSaveActive()) {
        ::SetTimer(Handle(), CTallywickApp::kAutoSaveTimer, CTallywickApp::kAutoSavePeriod,
                   nullptr);
    }
}

// --- Compacting every document window --------------------------------------------------------

void CMainFrame::CompactAll() {
    CTallywickApp* app = TheTallywickApp();
    if (IsNormalWindow(Handle())) {
        ::GetWindowRect(Handle(), &savedRect_);
        rectSaved_ = true;
    }
    bool anyChild = false;
    for (HWND child = ::GetWindow(MdiClient(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetWindow(child, GW_OWNER) != nullptr) continue;  // icon titles of old systems
        anyChild = true;
        if (!::IsIconic(child)) ::ShowWindow(child, SW_MINIMIZE);
    }
    toolBarBefore_ = ToolBar().IsVisible();
    statusBarBefore_ = StatusBar().IsVisible();
    if (anyChild && app != nullptr) {
        if (app->General().hideToolBar && toolBarBefore_) ShowBar(ToolBar(), false);
        if (app->General().hideStatusBar && statusBarBefore_) ShowBar(StatusBar(), false);
        RecalcLayout();
        if (IsNormalWindow(Handle())) {
            RECT main, client;
            ::GetWindowRect(Handle(), &main);
            ::GetClientRect(MdiClient(), &client);
            const FrameMetrics m{::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME),
                                 ::GetSystemMetrics(SM_CYCAPTION), ::GetSystemMetrics(SM_CYMENU)};
            const int height = CompactedMainHeight(main.bottom - main.top, client.bottom,
                                                   ::GetSystemMetrics(SM_CYMINIMIZED), m);
            ::SetWindowPos(Handle(), nullptr, 0, 0, main.right - main.left, height,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        ::SendMessageA(MdiClient(), WM_MDIICONARRANGE, 0, 0);
    }
    compacted_ = true;
}

void CMainFrame::RestoreAll() {
    CTallywickApp* app = TheTallywickApp();
    compacted_ = false;
    if (rectSaved_ && IsNormalWindow(Handle())) {
        ::SetWindowPos(Handle(), nullptr, savedRect_.left, savedRect_.top,
                       savedRect_.right - savedRect_.left, savedRect_.bottom - savedRect_.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    rectSaved_ = false;
    if (app != nullptr) {
        if (app->General().hideToolBar && toolBarBefore_ && !ToolBar().IsVisible()) {
            ShowBar(ToolBar(), true);
        }
        if (app->General().hideStatusBar && statusBarBefore_ && !StatusBar().IsVisible()) {
            ShowBar(StatusBar(), true);
        }
    }
    RecalcLayout();
    ::SendMessageA(MdiClient(), WM_MDIICONARRANGE, 0, 0);
}

// --- Captions, icons and the documents' popups -----------------------------------------------

void CMainFrame::RefreshCaptions() {
    if (CTallywickApp* app = TheTallywickApp()) {
        for (CFormDlg* view : app->Views()) view->UpdateCaptions();
    }
}

bool CMainFrame::UpdateDocumentPopup(HMENU popup) {
    CTallywickApp* app = TheTallywickApp();
    if (app == nullptr) return false;
    for (CFormDlg* view : app->Views()) {
        if (view->MenuPopup() == popup) {
            view->UpdateMenuBlockItems(popup);
            return true;
        }
    }
    return false;
}

void CMainFrame::SetIconByState() {
    CTallywickApp* app = TheTallywickApp();
    if (app == nullptr) return;
    HICON icon = app->MainIcon();
    if (::IsIconic(Handle())) {
        if (auto* view = dynamic_cast<CFormDlg*>(ActiveView()))
            icon = app->StateIcon(view->State());
    }
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

LRESULT CMainFrame::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITMENUPOPUP:
            if (UpdateDocumentPopup(reinterpret_cast<HMENU>(wp))) return 0;
            break;
        case WM_ERASEBKGND:
        case WM_SETFOCUS:
        case WM_NCPAINT: {
            const LRESULT result = CMDIFrame::WindowProc(msg, wp, lp);
            RefreshCaptions();
            return result;
        }
        case WM_GETMINMAXINFO: SetIconByState(); break;
        default: break;
    }
    return CMDIFrame::WindowProc(msg, wp, lp);
}

}  // namespace tw
