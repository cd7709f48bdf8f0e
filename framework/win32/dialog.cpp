#include "framework/win32/dialog.h"

#include "framework/win32/app.h"
#include "framework/win32/window.h"
#include "framework/win32/window_barrier.h"

namespace tw {

namespace {

const char kDialogProp[] = "tw.dialog.object";

}  // namespace

bool CDialogBase::UpdateData(bool save) {
    return ExchangeData(hwnd_, save, [this](CDataExchange& dx) { DoDataExchange(dx); });
}

bool CDialogBase::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialogBase::Bind(HWND hwnd, CDialogBase* object) {
    object->hwnd_ = hwnd;
    ::SetPropA(hwnd, kDialogProp, object);
}

CDialogBase* CDialogBase::FromHandle(HWND hwnd) {
    return static_cast<CDialogBase*>(::GetPropA(hwnd, kDialogProp));
}

INT_PTR CDialogBase::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)) ? TRUE : FALSE;
        case WM_NCDESTROY:
            ::RemovePropA(hwnd_, kDialogProp);
            hwnd_ = nullptr;
            return FALSE;
        default: {
            bool handled = false;
            INT_PTR result = OnMessage(msg, wp, lp, handled);
            if (handled) ::SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
            return handled ? TRUE : FALSE;
        }
    }
}

INT_PTR CDialog::DoModal() {
    HWND owner =
        parent_ != nullptr ? parent_ : (TheApp() != nullptr ? TheApp()->MainWindow() : nullptr);
    return ::DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(TemplateId()), owner,
                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) {
    if (hwnd_ != nullptr) ::EndDialog(hwnd_, result);
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

bool CDialog::OnCommand(UINT id, UINT, HWND) {
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return HandleMessageGuarded(msg, FALSE, [&]() -> LRESULT {
        if (msg == WM_INITDIALOG) {
            auto* self = reinterpret_cast<CDialog*>(lp);
            Bind(hwnd, self);
            return self->OnInitDialog() ? TRUE : FALSE;
        }
        auto* self = static_cast<CDialog*>(FromHandle(hwnd));
        return self != nullptr ? self->Dispatch(msg, wp, lp) : FALSE;
    });
}

}  // namespace tw
