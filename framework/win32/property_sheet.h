#pragma once
// Property sheets with OK and Cancel (no Apply button). Each page is a dialog template with
// data exchange; leaving a page takes its values out and checks them, and a failed check keeps
// the page. The caller reads the pages' values after DoModal returned IDOK; Cancel leaves
// whatever the caller holds untouched.

#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "framework/win32/dialog.h"

namespace tw {

class CPropertyPage : public CDialogBase {
public:
    explicit CPropertyPage(UINT templateId, std::string title = std::string())
        : CDialogBase(templateId), title_(std::move(title)) {}

    // The page as the sheet takes it.
    PROPSHEETPAGEA Describe();

protected:
    // The page is about to show; false refuses it.
    virtual bool OnSetActive() { return true; }
    // The page is being left (or OK was pressed): the default takes the values out.
    virtual bool OnKillActive() { return UpdateData(true); }
    // OK was pressed and every visited page gave its values.
    virtual void OnOK() {}

private:
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR OnNotify(const NMHDR& header);

    std::string title_;
};

class CPropertySheet {
public:
    explicit CPropertySheet(std::string caption, HWND parent = nullptr)
        : caption_(std::move(caption)), parent_(parent) {}
    virtual ~CPropertySheet() = default;

    // Pages show in the order added; the sheet does not own them.
    void AddPage(CPropertyPage& page) { pages_.push_back(&page); }
    // IDOK or IDCANCEL; -1 when the sheet could not open.
    INT_PTR DoModal();
    // The sheet's window while it runs.
    HWND Handle() const { return hwnd_; }

protected:
    // The sheet's window exists and shows its first page.
    virtual void OnInitialized() {}

private:
    static int CALLBACK SheetCallback(HWND hwnd, UINT msg, LPARAM lp);

    std::string caption_;
    HWND parent_;
    HWND hwnd_ = nullptr;
    std::vector<CPropertyPage*> pages_;
};

}  // namespace tw
