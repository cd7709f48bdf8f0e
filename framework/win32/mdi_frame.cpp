#include "framework/win32/mdi_frame.h"

#include <shellapi.h>

#include <vector>

#include "framework/command_ids.h"
#include "framework/framework_texts.h"
#include "framework/win32/app.h"
#include "framework/win32/child_frame.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/print_preview.h"
#include "framework/win32/recent_files.h"
#include "framework/win32/update_ui.h"
#include "framework/win32/view.h"

namespace tw {

namespace {

const UINT kFirstSystemCommand = 0xF000;  // the platform's own system commands start here

std::string MenuItemText(HMENU menu, int position) {
    char text[128] = "";
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

}  // namespace

HMENU FindWindowMenu(HMENU menuBar) {
    int count = menuBar != nullptr ? ::GetMenuItemCount(menuBar) : 0;
    for (int i = 0; i < count; ++i) {
        if (MenuItemText(menuBar, i) == "&Window") return ::GetSubMenu(menuBar, i);
    }
    return count >= 2 ? ::GetSubMenu(menuBar, count - 2) : nullptr;
}

CMDIFrame::CMDIFrame() {
    OnCommand(kCmdViewToolBar, [this] { ShowBar(toolBar_, !toolBar_.IsVisible()); });
    OnCommand(kCmdViewStatusBar, [this] { ShowBar(statusBar_, !statusBar_.IsVisible()); });
    OnUpdateCommand(kCmdViewToolBar, [this](CommandState& s) { s.SetCheck(toolBar_.IsVisible()); });
    OnUpdateCommand(kCmdViewStatusBar,
                    [this](CommandState& s) { s.SetCheck(statusBar_.IsVisible()); });
    OnCommand(kCmdWindowCascade, [this] { ::SendMessageA(client_, WM_MDICASCADE, 0, 0); });
    OnCommand(kCmdWindowTileHorz,
              [this] { ::SendMessageA(client_, WM_MDITILE, MDITILE_HORIZONTAL, 0); });
    OnCommand(kCmdWindowArrange, [this] { ::SendMessageA(client_, WM_MDIICONARRANGE, 0, 0); });
}

CMDIFrame::~CMDIFrame() {
    if (frameMenu_ != nullptr) ::DestroyMenu(frameMenu_);
}

bool CMDIFrame::Create(const std::string& title, HMENU menu, HICON icon) {
    frameMenu_ = menu;
    RegisterImplClass(kMainFrameClass, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, icon, nullptr);
    RECT byDefault{static_cast<LONG>(CW_USEDEFAULT), 0, 0, 0};
    return CreateImpl(WS_EX_ACCEPTFILES, kMainFrameClass, title.c_str(),
                      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, byDefault, nullptr, menu);
}

bool CMDIFrame::CreateClient() {
    CLIENTCREATESTRUCT ccs{FindWindowMenu(frameMenu_), kFirstMdiChildId};
    client_ =
        ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                          WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0,
                          0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kMdiClientId)),
                          ::GetModuleHandleA(nullptr), &ccs);
    return client_ != nullptr;
}

CMDIChild* CMDIFrame::ActiveChild() const {
    if (client_ == nullptr) return nullptr;
    auto active = reinterpret_cast<HWND>(::SendMessageA(client_, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<CMDIChild*>(FromHandle(active));
}

CView* CMDIFrame::ActiveView() const {
    CMDIChild* child = ActiveChild();
    return child != nullptr ? child->View() : nullptr;
}

CAppDocument* CMDIFrame::ActiveDocument() const {
    CMDIChild* child = ActiveChild();
    return child != nullptr ? child->Document() : nullptr;
}

CommandChain CMDIFrame::Chain() {
    CMDIChild* child = ActiveChild();
    if (child != nullptr) return child->Chain();
    CommandChain chain{this};
    if (TheApp() != nullptr) chain.push_back(TheApp());
    return chain;
}

void CMDIFrame::ShowBar(CWindow& bar, bool show) {
    bar.Show(show ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

void CMDIFrame::RecalcLayout() {
    if (hwnd_ == nullptr) return;
    RECT rc = ClientRect();
    toolBar_.Layout(rc.right);
    statusBar_.Layout(rc.right, rc.bottom);
    int top = toolBar_.Height();
    int bottom = rc.bottom - statusBar_.Height();
    HWND fill = preview_ != nullptr ? preview_->Handle() : client_;
    if (fill != nullptr) ::MoveWindow(fill, 0, top, rc.right, std::max(0, bottom - top), TRUE);
}

void CMDIFrame::UpdateIdleState() {
    CommandChain chain = Chain();
    UpdateToolBarButtons(toolBar_.Handle(), chain);
    CMDIChild* child = ActiveChild();
    if (child != nullptr) UpdateToolBarButtons(child->ToolBar().Handle(), chain);
    statusBar_.UpdateIndicators();
}

void CMDIFrame::ShowDocumentMenu(CDocTemplate* owner) {
    HMENU menu = owner != nullptr && owner->Menu() != nullptr ? owner->Menu() : frameMenu_;
    if (menu == nullptr || client_ == nullptr || ::GetMenu(hwnd_) == menu) return;
    ::SendMessageA(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                   reinterpret_cast<LPARAM>(FindWindowMenu(menu)));
    ::DrawMenuBar(hwnd_);
}

void CMDIFrame::BeginPreview(CPrintPreview* preview) {
    preview_ = preview;
    ::ShowWindow(client_, SW_HIDE);
    toolBar_.Show(SW_HIDE);
    RecalcLayout();
    preview->Show(SW_SHOW);
    ::SetFocus(preview->Handle());
}

void CMDIFrame::EndPreview() {
    preview_ = nullptr;
    ::ShowWindow(client_, SW_SHOW);
    toolBar_.Show(SW_SHOW);
    RecalcLayout();
}

bool CMDIFrame::OnClose() {
    if (TheApp() == nullptr || TheApp()->MainFrame() != this) return true;
    if (!TheApp()->SaveAllModified()) return false;
    TheApp()->CloseAllDocuments();  // each document closes while the main window still exists
    return true;
}

LRESULT CMDIFrame::OnCommandMessage(WPARAM wp, LPARAM lp) {
    if (IsCommandSource(lp, toolBar_.Handle()) && RouteCommand(Chain(), LOWORD(wp))) return 0;
    return DefProc(WM_COMMAND, wp, lp);
}

void CMDIFrame::OnInitMenuPopup(HMENU menu, bool systemMenu) {
    if (systemMenu) return;
    if (TheApp() != nullptr) RefreshRecentFileItems(menu, TheApp()->RecentFiles());
    UpdateMenuItems(menu, Chain());
}

void CMDIFrame::ShowCommandPrompt(UINT id, UINT flags, HMENU menu) {
    if (flags == 0xFFFF && menu == nullptr) {  // the menu closed
        statusBar_.SetMessage(kTextReady);
        return;
    }
    bool command = (flags & (MF_POPUP | MF_SEPARATOR)) == 0;
    std::string prompt = command ? LoadResourceString(id) : std::string();
    statusBar_.SetMessage(prompt.substr(0, prompt.find('\n')));
}

void CMDIFrame::OnDropFiles(HDROP drop) {
    UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> paths;
    for (UINT i = 0; i < count; ++i) {
        char path[MAX_PATH] = "";
        ::DragQueryFileA(drop, i, path, sizeof path);
        paths.push_back(path);
    }
    ::DragFinish(drop);
    ::SetActiveWindow(hwnd_);
    for (const std::string& path : paths) {
        if (TheApp() != nullptr) TheApp()->OpenDocumentFile(path);
    }
}

bool CMDIFrame::OnCopyData(const COPYDATASTRUCT* data) {
    if (data == nullptr || data->dwData != kOpenRequestData || data->cbData == 0) return false;
    std::string path(static_cast<const char*>(data->lpData), data->cbData);
    path = path.c_str();  // the text ends at its first NUL, whatever the sender says
    return TheApp() != nullptr && TheApp()->OpenDocumentFile(path) != nullptr;
}

LRESULT CMDIFrame::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            if (!CreateClient() || !OnCreate()) return -1;
            RecalcLayout();
            return 0;
        case WM_SIZE: RecalcLayout(); return 0;
        case WM_COMMAND: return OnCommandMessage(wp, lp);
        case WM_NOTIFY:
            if (AnswerToolTipRequest(lp)) return 0;
            break;
        case WM_INITMENUPOPUP:
            OnInitMenuPopup(reinterpret_cast<HMENU>(wp), HIWORD(lp) != 0);
            return 0;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) < kFirstSystemCommand && OnSystemCommand(static_cast<UINT>(wp)))
                return 0;
            break;
        case WM_TIMER: OnTimer(wp); return 0;
        case WM_MENUSELECT:
            ShowCommandPrompt(LOWORD(wp), HIWORD(wp), reinterpret_cast<HMENU>(lp));
            break;
        case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wp)); return 0;
        case WM_COPYDATA:
            return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lp)) ? TRUE : FALSE;
        case WM_CLOSE:
            if (OnClose()) Destroy();
            return 0;
        case WM_DESTROY:
            if (preview_ != nullptr) preview_->Close();
            OnDestroy();
            // Menus stay with their owners (this frame, the templates), not with the window.
            ::SetMenu(hwnd_, nullptr);
            if (TheApp() != nullptr && TheApp()->MainFrame() == this) ::PostQuitMessage(0);
            return 0;
        default: break;
    }
    return DefProc(msg, wp, lp);
}

LRESULT CMDIFrame::DefProc(UINT msg, WPARAM wp, LPARAM lp) {
    return ::DefFrameProcA(hwnd_, client_, msg, wp, lp);
}

}  // namespace tw
