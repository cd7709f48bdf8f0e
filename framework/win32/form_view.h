#pragma once
// A view whose content is a dialog template: the controls sit on a form inside the view, and
// the view scrolls the form when it is larger than the view's window.

#include <windows.h>

#include <memory>

#include "framework/win32/data_exchange.h"
#include "framework/win32/view.h"

namespace tw {

class CFormView : public CView {
public:
    explicit CFormView(UINT templateId);
    ~CFormView() override;

    bool Create(CMDIChild& frame, CAppDocument& doc) override;

    // Attributes
    HWND Form() const;
    HWND Item(int id) const { return Form() != nullptr ? ::GetDlgItem(Form(), id) : nullptr; }
    // The form's size in pixels, as the template made it.
    SIZE FormSize() const { return formSize_; }
    POINT ScrollPosition() const { return scroll_; }

    // Operations
    bool UpdateData(bool save);
    void ScrollTo(POINT position);
    void ScrollToOrigin() { ScrollTo(POINT{0, 0}); }

    // Overridables (called by the form)
    virtual void DoDataExchange(CDataExchange& dx) {}
    // A command or notification of a control; true when handled.
    virtual bool OnControlCommand(UINT id, UINT code, HWND control) { return false; }
    // Any other message of the form (WM_NOTIFY from its controls, ...); set handled to answer.
    virtual INT_PTR OnFormMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) { return 0; }

    bool PreTranslateMessage(MSG& msg) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    DWORD WindowStyle() const override;
    // Forms sit on the dialog colour, not on the window colour of other views.
    const char* WindowClassName() const override;

private:
    class FormPage;
    void UpdateScrollBars();
    void OnScroll(int bar, WORD request);

    UINT templateId_;
    std::unique_ptr<FormPage> page_;
    SIZE formSize_{0, 0};
    POINT scroll_{0, 0};
};

}  // namespace tw
