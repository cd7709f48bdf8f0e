#pragma once
// What one printed page holds, as drawing operations in device pixels: the page header and
// page number, the column names, one line per printed record (its notes word-wrapped on the
// lines below, or on the line), and on the last page the totals line. The printer side only
// carries the operations out on its device.

#include <string>
#include <vector>

#include "dialogs/export_writer.h"  // ExportTable: rows, header texts, document title
#include "dialogs/print_page_metrics.h"
#include "dialogs/print_pagination.h"

namespace tw {

class CTimeRec;
class CWorkmetrDoc;

struct PrintDrawOp {
    enum Kind { kText, kWrappedText };
    Kind kind = kText;
    int x = 0, y = 0;           // kText: where the text starts; kWrappedText: top left
    int right = 0, bottom = 0;  // kWrappedText: the rectangle's other corner
    std::string text;

    bool operator==(const PrintDrawOp& other) const;
};

// The texts a page takes from the string table.
struct PrintTexts {
    std::string pageWord = "Page ";
    std::string totalWord = "TOTAL";
};

// Everything a page is laid out from; `table.rows` and `lineCounts` are per table row.
struct PrintJob {
    const CWorkmetrDoc& doc;
    const ExportTable& table;
    const std::vector<int>& lineCounts;
    const Pagination& pages;
    PrintTexts texts;
};

// Columns advance by these many character widths (notes takes the rest of the line).
int PrintColumnWidth(int column);

// The text of `column` as printed: item names cut to 14 characters, the mark as "  X  ".
std::string PrintFieldText(const CWorkmetrDoc& doc, const CTimeRec& record, int column);

// The operations of page `page` (counted from 0); none for a page out of range.
std::vector<PrintDrawOp> LayoutPage(const PrintJob& job, const PageMetrics& metrics, int page);

// True when nothing but record data could be printed and there is none: no page header, no
// column names, no totals, and no rows or no printed column. The user is told after each page.
bool NothingSelectedToPrint(const DocumentSettings& settings, int rowCount);

}  // namespace tw
