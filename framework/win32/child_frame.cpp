#include "framework/win32/child_frame.h"

#include "framework/win32/app.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/document.h"
#include "framework/win32/mdi_frame.h"
#include "framework/win32/update_ui.h"
#include "framework/win32/view.h"

namespace tw {

namespace {

const char kChildClass[] = "TwMdiChild";
const UINT kFirstSystemCommand = 0xF000;  // the platform's own system commands start here

}  // namespace

CMDIChild::CMDIChild() = default;

CMDIChild::~CMDIChild() = default;

bool CMDIChild::Create(CMDIFrame& main, CDocTemplate& owner, CAppDocument& doc,
                       std::unique_ptr<CView> view) {
    main_ = &main;
    template_ = &owner;
    document_ = &doc;
    view_ = std::move(view);
    RegisterImplClass(kChildClass, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, owner.Icon(),
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RECT byDefault{static_cast<LONG>(CW_USEDEFAULT), 0, 0, 0};
    // The MDI client makes the window; its first message binds it to this object.
    if (!CreateImpl(WS_EX_MDICHILD, kChildClass, doc.GetTitle().c_str(),
                    WS_CHILD | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, byDefault, main.MdiClient(),
                    nullptr)) {
        return false;  // nothing was bound: the caller still owns this object
    }
    created_ = true;
    return true;
}

bool CMDIChild::IsMaximized() const { return hwnd_ != nullptr && ::IsZoomed(hwnd_); }

CommandChain CMDIChild::Chain() {
    CommandChain chain;
    if (view_) chain.push_back(view_.get());
    if (document_ != nullptr) chain.push_back(document_);
    chain.push_back(this);
    if (main_ != nullptr) chain.push_back(main_);
    if (TheApp() != nullptr) chain.push_back(TheApp());
    return chain;
}

void CMDIChild::UpdateTitle() {
    if (document_ != nullptr) SetText(document_->GetTitle());
}

void CMDIChild::RecalcLayout() {
    RECT rc = ClientRect();
    toolBar_.Layout(rc.right);
    int top = toolBar_.Height();
    if (view_ && view_->IsWindow()) {
        ::MoveWindow(view_->Handle(), 0, top, rc.right, std::max<LONG>(0, rc.bottom - top), TRUE);
    }
}

void CMDIChild::RelayoutAfterPreview() {
    if (hwnd_ == nullptr) return;
    if (::IsIconic(hwnd_)) ::ShowWindow(hwnd_, SW_RESTORE);
    RECT rc = ClientRect();
    Send(WM_SIZE, IsMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED, MAKELPARAM(rc.right, rc.bottom));
}

void CMDIChild::OnActivate(bool active) {
    if (view_) view_->OnActivateView(active);
    if (active && main_ != nullptr) main_->ShowDocumentMenu(template_);
}

void CMDIChild::OnClose() {
    if (document_ == nullptr) {
        Destroy();
        return;
    }
    if (!document_->CanCloseFrame(this)) return;
    if (document_->Views().size() <= 1) {
        document_->OnCloseDocument();  // destroys this frame too
    } else {
        Destroy();
    }
}

LRESULT CMDIChild::OnCommandMessage(WPARAM wp, LPARAM lp) {
    // Commands from the frame's own tool bar; control notifications of the view pass on.
    if (IsCommandSource(lp, toolBar_.Handle()) && RouteCommand(Chain(), LOWORD(wp))) return 0;
    return DefProc(WM_COMMAND, wp, lp);
}

LRESULT CMDIChild::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            if (!view_ || !view_->Create(*this, *document_) || !OnCreate()) return -1;
            break;
        case WM_SIZE: {
            LRESULT result = DefProc(msg, wp, lp);
            RecalcLayout();
            return result;
        }
        case WM_COMMAND: return OnCommandMessage(wp, lp);
        case WM_NOTIFY:
            if (AnswerToolTipRequest(lp)) return 0;
            break;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) < kFirstSystemCommand && OnSystemCommand(static_cast<UINT>(wp)))
                return 0;
            break;
        case WM_INITMENUPOPUP:
            if (HIWORD(lp) != 0) OnInitSystemMenu(reinterpret_cast<HMENU>(wp));
            break;
        case WM_MDIACTIVATE:
            OnActivate(reinterpret_cast<HWND>(lp) == hwnd_);
            if (lp == 0 && main_ != nullptr) main_->ShowDocumentMenu(nullptr);  // the last one went
            break;
        case WM_SETFOCUS:
            if (view_ && view_->IsWindow()) ::SetFocus(view_->Handle());
            return 0;
        case WM_CLOSE: OnClose(); return 0;
        default: break;
    }
    return DefProc(msg, wp, lp);
}

LRESULT CMDIChild::DefProc(UINT msg, WPARAM wp, LPARAM lp) {
    return ::DefMDIChildProcA(hwnd_, msg, wp, lp);
}

}  // namespace tw
