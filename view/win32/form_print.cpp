// CFormDlg: printing and previewing the time table. Before each print or preview the Print
// Preferences dialog edits the document's print settings (Cancel cancels); the pages hold the
// table's rows in the grid's order.
#include <windows.h>

#include "app/res/resource.h"
#include "dialogs/win32/document_view.h"
#include "doc/document.h"
#include "framework/win32/document.h"
#include "framework/win32/app.h"
#include "view/table_export.h"
#include "view/win32/form_dlg.h"

namespace tw {

void CFormDlg::RegisterPrintCommands() {
    // The child frame's tool bar button prints as File Print does.
    OnCommand(ID_PRINT_TABLE, [this] { FilePrint(); });
}

bool CFormDlg::OnPreparePrinting(CPrintInfo&) {
    CWorkmetrDoc* doc = Document();
    if (doc == nullptr) return false;
    return AskPrintPreferences(*doc, TheApp() != nullptr ? TheApp()->MainWindow() : Handle());
}

void CFormDlg::OnBeginPrinting(HDC dc, CPrintInfo& info) {
    CWorkmetrDoc* doc = Document();
    if (doc == nullptr) return;
    const std::string title = GetDocument() != nullptr ? GetDocument()->GetTitle() : std::string();
    printer_.Begin(dc, info, *doc, ExportTableOf(*doc, RowsOfView(*this), title));
}

void CFormDlg::OnPrint(HDC dc, CPrintInfo& info) { printer_.PrintPage(dc, info); }

void CFormDlg::OnEndPrinting(HDC, CPrintInfo&) { printer_.End(); }

}  // namespace tw
