#pragma once
// Printing a document's time table through the framework's print flow: the Print Preferences
// dialog before printing, then on each device the print font, the pagination, and each page's
// drawing operations carried out on the device context.

#include <windows.h>

#include <vector>

#include "dialogs/export_writer.h"
#include "dialogs/print_page_layout.h"
#include "framework/win32/print.h"

namespace tw {

class CWorkmetrDoc;

// Runs the Print Preferences dialog; false when it was cancelled. OK stores the settings in
// the document and marks it modified.
bool AskPrintPreferences(CWorkmetrDoc& doc, HWND owner);

class CTablePrinter {
public:
    // Paginates `table` of `doc` on `dc` in the print font and sets the page count; in preview
    // the current page becomes 1. The document must outlive printing (until End).
    void Begin(HDC dc, CPrintInfo& info, const CWorkmetrDoc& doc, ExportTable table);
    // Draws page info.currentPage; tells the user when nothing was selected to print.
    void PrintPage(HDC dc, const CPrintInfo& info);
    // Discards the pages and line counts.
    void End();

    bool Printing() const { return doc_ != nullptr; }
    const Pagination& Pages() const { return pages_; }

private:
    const CWorkmetrDoc* doc_ = nullptr;
    ExportTable table_;
    std::vector<int> lineCounts_;
    Pagination pages_;
};

}  // namespace tw
