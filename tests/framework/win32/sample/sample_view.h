#pragma once
// The sample's view: a form with the notes and the counter; it prints one numbered line per
// count and note line, linesPerPage lines to a page.

#include "framework/win32/form_view.h"

namespace tw::sample {

class CSampleDoc;

class CSampleView : public CFormView {
public:
    CSampleView();

    CSampleDoc* Doc() const;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, long hint) override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnControlCommand(UINT id, UINT code, HWND control) override;

    bool OnPreparePrinting(CPrintInfo& info) override;
    void OnBeginPrinting(HDC dc, CPrintInfo& info) override;
    void OnPrint(HDC dc, CPrintInfo& info) override;

    // The lines the document prints.
    int PrintedLines() const;

private:
    bool filling_ = false;  // the controls are being filled: their changes are no edits
};

}  // namespace tw::sample
