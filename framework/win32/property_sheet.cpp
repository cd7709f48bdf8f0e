#include "framework/win32/property_sheet.h"

#include "framework/win32/app.h"
#include "framework/win32/window.h"
#include "framework/win32/window_barrier.h"

namespace tw {

namespace {

// The sheet being opened: its callback has no other way to find it.
thread_local CPropertySheet* openingSheet = nullptr;

}  // namespace

PROPSHEETPAGEA CPropertyPage::Describe() {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = title_.empty() ? PSP_DEFAULT : PSP_USETITLE;
    page.hInstance = ResourceInstance();
    page.pszTemplate = MAKEINTRESOURCEA(TemplateId());
    page.pszTitle = title_.empty() ? nullptr : title_.c_str();
    page.pfnDlgProc = &CPropertyPage::PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CPropertyPage::OnNotify(const NMHDR& header) {
    switch (header.code) {
        case PSN_SETACTIVE: return OnSetActive() ? 0 : -1;
        case PSN_KILLACTIVE: return OnKillActive() ? FALSE : TRUE;  // TRUE keeps the page
        case PSN_APPLY: OnOK(); return PSNRET_NOERROR;
        default: return 0;
    }
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return HandleMessageGuarded(msg, FALSE, [&]() -> LRESULT {
        if (msg == WM_INITDIALOG) {
            auto* self =
                reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lp)->lParam);
            Bind(hwnd, self);
            return self->OnInitDialog() ? TRUE : FALSE;
        }
        auto* self = static_cast<CPropertyPage*>(FromHandle(hwnd));
        if (self == nullptr) return FALSE;
        if (msg == WM_NOTIFY) {
            const auto& header = *reinterpret_cast<const NMHDR*>(lp);
            ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, self->OnNotify(header));
            return TRUE;
        }
        return self->Dispatch(msg, wp, lp);
    });
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT msg, LPARAM) {
    return static_cast<int>(HandleMessageGuarded(msg, 0, [&]() -> LRESULT {
        if (msg == PSCB_INITIALIZED && openingSheet != nullptr) {
            CPropertySheet* sheet = openingSheet;
            openingSheet = nullptr;
            sheet->hwnd_ = hwnd;
            sheet->OnInitialized();
        }
        return 0;
    }));
}

INT_PTR CPropertySheet::DoModal() {
    std::vector<PROPSHEETPAGEA> pages;
    for (CPropertyPage* page : pages_) pages.push_back(page->Describe());
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    header.hwndParent =
        parent_ != nullptr ? parent_ : (TheApp() != nullptr ? TheApp()->MainWindow() : nullptr);
    header.hInstance = ResourceInstance();
    header.pszCaption = caption_.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    header.pfnCallback = &CPropertySheet::SheetCallback;
    openingSheet = this;
    INT_PTR result = ::PropertySheetA(&header);
    openingSheet = nullptr;
    hwnd_ = nullptr;
    if (result < 0) return -1;
    return result > 0 ? IDOK : IDCANCEL;
}

}  // namespace tw
