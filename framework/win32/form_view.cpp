#include "framework/win32/form_view.h"

#include <cstring>
#include <vector>

#include "framework/win32/dialog.h"
#include "framework/win32/window.h"
#include "framework/win32/window_barrier.h"

namespace tw {

namespace {

const int kLineStep = 16;
const char kFormViewClass[] = "TwFormView";

// A copy of dialog template id made a borderless child, or empty when there is none.
std::vector<BYTE> ChildTemplate(UINT id) {
    HRSRC found = ::FindResourceA(ResourceInstance(), MAKEINTRESOURCEA(id),
                                  reinterpret_cast<LPCSTR>(RT_DIALOG));
    HGLOBAL loaded = found != nullptr ? ::LoadResource(ResourceInstance(), found) : nullptr;
    const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    DWORD size = found != nullptr ? ::SizeofResource(ResourceInstance(), found) : 0;
    if (data == nullptr || size < sizeof(DLGTEMPLATE)) return {};
    std::vector<BYTE> copy(static_cast<const BYTE*>(data), static_cast<const BYTE*>(data) + size);
    // An extended template starts with version 1 and signature 0xFFFF; its style is at 12.
    bool extended = size >= 16 && copy[2] == 0xFF && copy[3] == 0xFF;
    size_t styleOffset = extended ? 12 : 0;
    DWORD style;
    std::memcpy(&style, copy.data() + styleOffset, sizeof style);
    style &=
        ~static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME);
    style |= WS_CHILD | WS_VISIBLE | DS_CONTROL;
    std::memcpy(copy.data() + styleOffset, &style, sizeof style);
    return copy;
}

}  // namespace

// The form: a modeless child dialog that hands its controls' messages to the view.
class CFormView::FormPage : public CDialogBase {
public:
    FormPage(UINT id, CFormView& view) : CDialogBase(id), view_(view) {}
    ~FormPage() override {
        if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
    }

    bool Create(HWND parent) {
        std::vector<BYTE> form = ChildTemplate(TemplateId());
        if (form.empty()) return false;
        return ::CreateDialogIndirectParamA(
                   ResourceInstance(), reinterpret_cast<LPCDLGTEMPLATEA>(form.data()), parent,
                   &FormPage::Proc, reinterpret_cast<LPARAM>(this)) != nullptr;
    }

protected:
    void DoDataExchange(CDataExchange& dx) override { view_.DoDataExchange(dx); }
    bool OnCommand(UINT id, UINT code, HWND control) override {
        return view_.OnControlCommand(id, code, control);
    }
    INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override {
        return view_.OnFormMessage(msg, wp, lp, handled);
    }
    // The view fills the controls in its initial update.
    bool OnInitDialog() override { return false; }

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        return HandleMessageGuarded(msg, FALSE, [&]() -> LRESULT {
            if (msg == WM_INITDIALOG) {
                Bind(hwnd, reinterpret_cast<FormPage*>(lp));
                return FALSE;
            }
            CDialogBase* self = FromHandle(hwnd);
            return self != nullptr ? static_cast<FormPage*>(self)->Dispatch(msg, wp, lp) : FALSE;
        });
    }

    CFormView& view_;
};

CFormView::CFormView(UINT templateId) : templateId_(templateId) {}

CFormView::~CFormView() = default;

DWORD CFormView::WindowStyle() const { return CView::WindowStyle() | WS_HSCROLL | WS_VSCROLL; }

const char* CFormView::WindowClassName() const {
    RegisterImplClass(kFormViewClass, CS_HREDRAW | CS_VREDRAW, nullptr,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return kFormViewClass;
}

HWND CFormView::Form() const { return page_ ? page_->Handle() : nullptr; }

bool CFormView::Create(CMDIChild& frame, CAppDocument& doc) {
    if (!CView::Create(frame, doc)) return false;
    page_ = std::make_unique<FormPage>(templateId_, *this);
    if (!page_->Create(hwnd_)) return false;
    RECT rc;
    ::GetWindowRect(Form(), &rc);
    formSize_ = SIZE{rc.right - rc.left, rc.bottom - rc.top};
    UpdateScrollBars();
    return true;
}

bool CFormView::UpdateData(bool save) { return page_ && page_->UpdateData(save); }

bool CFormView::PreTranslateMessage(MSG& msg) {
    HWND form = Form();
    return form != nullptr && (msg.hwnd == form || ::IsChild(form, msg.hwnd)) &&
           ::IsDialogMessageA(form, &msg);
}

void CFormView::ScrollTo(POINT position) {
    RECT client = ClientRect();
    LONG maxX = std::max<LONG>(0, formSize_.cx - client.right);
    LONG maxY = std::max<LONG>(0, formSize_.cy - client.bottom);
    scroll_.x = std::max<LONG>(0, std::min(position.x, maxX));
    scroll_.y = std::max<LONG>(0, std::min(position.y, maxY));
    if (Form() != nullptr) {
        ::SetWindowPos(Form(), nullptr, -scroll_.x, -scroll_.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::SetScrollPos(hwnd_, SB_HORZ, scroll_.x, TRUE);
    ::SetScrollPos(hwnd_, SB_VERT, scroll_.y, TRUE);
}

void CFormView::UpdateScrollBars() {
    RECT client = ClientRect();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = formSize_.cx - 1;
    info.nPage = static_cast<UINT>(client.right);
    ::SetScrollInfo(hwnd_, SB_HORZ, &info, TRUE);
    info.nMax = formSize_.cy - 1;
    info.nPage = static_cast<UINT>(client.bottom);
    ::SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
    ScrollTo(scroll_);  // keeps the position inside the new range
}

void CFormView::OnScroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(hwnd_, bar, &info);
    int pos = info.nPos;
    switch (request) {
        case SB_LINEUP: pos -= kLineStep; break;
        case SB_LINEDOWN: pos += kLineStep; break;
        case SB_PAGEUP: pos -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: pos += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: pos = info.nTrackPos; break;
        case SB_TOP: pos = 0; break;
        case SB_BOTTOM: pos = info.nMax; break;
        default: return;
    }
    POINT target = scroll_;
    if (bar == SB_HORZ) target.x = pos;
    if (bar == SB_VERT) target.y = pos;
    ScrollTo(target);
}

LRESULT CFormView::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_SIZE: UpdateScrollBars(); return 0;
        case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wp)); return 0;
        case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wp)); return 0;
        case WM_SETFOCUS:
            if (Form() != nullptr) ::SetFocus(Form());
            return 0;
        default: return CView::WindowProc(msg, wp, lp);
    }
}

}  // namespace tw
