#pragma once
// Dialogs from templates. CDialogBase binds a dialog window to its object and gives it data
// exchange; CDialog runs one modally; property pages build on the same base.

#include <windows.h>

#include <string>

#include "framework/win32/data_exchange.h"

namespace tw {

class CDialogBase {
public:
    explicit CDialogBase(UINT templateId) : templateId_(templateId) {}
    virtual ~CDialogBase() = default;
    CDialogBase(const CDialogBase&) = delete;
    CDialogBase& operator=(const CDialogBase&) = delete;

    // Attributes
    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return hwnd_ != nullptr ? ::GetDlgItem(hwnd_, id) : nullptr; }
    UINT TemplateId() const { return templateId_; }

    // Operations
    // Moves the values into the controls (save false) or out of them, with the checks; false
    // when a check failed.
    bool UpdateData(bool save);

protected:
    // The window exists; the default fills the controls. True lets the system set the focus.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange& dx) {}
    // A command from a control or button; true when handled.
    virtual bool OnCommand(UINT id, UINT code, HWND control) { return false; }
    // Any other message; set handled to answer it.
    virtual INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) { return 0; }

    // Binds hwnd to object (called from the dialog procedure on WM_INITDIALOG).
    static void Bind(HWND hwnd, CDialogBase* object);
    static CDialogBase* FromHandle(HWND hwnd);
    // The messages every dialog of ours answers the same way.
    INT_PTR Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    HWND hwnd_ = nullptr;

private:
    UINT templateId_;
};

class CDialog : public CDialogBase {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr)
        : CDialogBase(templateId), parent_(parent) {}

    // Runs the dialog; IDOK, IDCANCEL or what EndDialog was given; -1 when it could not open.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

protected:
    // OK: the values are taken out (a failed check keeps the dialog open), then IDOK.
    virtual void OnOK();
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND parent_;
};

}  // namespace tw
