#pragma once
// The view base: a child window of a child frame that shows its document, takes part in
// command routing before the document, and prints and previews through the print flow.

#include <windows.h>

#include "framework/command_target.h"
#include "framework/win32/print.h"
#include "framework/win32/window.h"

namespace tw {

class CAppDocument;
class CMDIChild;

class CView : public CWindowImpl, public CommandTarget, public IPrintable {
public:
    CView();
    ~CView() override;

    // Creates the view window in frame for doc and joins the document's views.
    virtual bool Create(CMDIChild& frame, CAppDocument& doc);

    // Attributes
    CAppDocument* GetDocument() const { return document_; }
    CMDIChild* Frame() const { return frame_; }

    // Overridables
    // Once, when the frame first shows the view; the default calls OnUpdate.
    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0); }
    // The document changed; the default repaints.
    virtual void OnUpdate(CView* sender, long hint);
    // Paints the view (and, by default, a printed page).
    virtual void OnDraw(HDC dc) {}
    // The view's frame was activated or deactivated.
    virtual void OnActivateView(bool active) {}
    // A timer of the view's window went off.
    virtual void OnTimer(UINT_PTR id) {}
    // A keyboard message before it is dispatched; true when the view used it.
    virtual bool PreTranslateMessage(MSG& msg) { return false; }

    // Printing
    // Before the print dialog or the preview; false cancels.
    virtual bool OnPreparePrinting(CPrintInfo& info) { return true; }
    void OnBeginPrinting(HDC dc, CPrintInfo& info) override {}
    void OnPrint(HDC dc, CPrintInfo& info) override { OnDraw(dc); }
    void OnEndPrinting(HDC dc, CPrintInfo& info) override {}
    // The preview closed; the default lays the frame out again.
    virtual void OnEndPrintPreview();

    // Operations
    // Prepares, asks for the printer (or, direct, takes the current one) and prints every
    // page; tells the user when the job could not start. False when nothing was printed.
    bool FilePrint(bool direct = false);
    // Prints to a device the caller supplies (the print dialog is not shown).
    bool PrintTo(HDC printer);
    // Prepares and opens the preview in the main frame.
    bool FilePrintPreview();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // The window class of the view (registered on first use).
    virtual const char* WindowClassName() const;
    virtual DWORD WindowStyle() const { return WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN; }

private:
    void Paint();
    // A preview of this view cannot outlive it.
    void ClosePreviewOfThis();

    CAppDocument* document_ = nullptr;
    CMDIChild* frame_ = nullptr;
};

}  // namespace tw
