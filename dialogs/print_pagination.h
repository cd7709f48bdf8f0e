#pragma once
// Pagination of the printed time table: how many lines each table row takes, and which row
// starts each page. A page break comes only after a page holds a printed row, so a row taller
// than a page gets a page of its own instead of leaving an empty page before it, and a row
// that prints nothing never starts a page. When the last
// page has no room for the blank line and the totals line, a page of its own holds the totals.

#include <utility>
#include <vector>

namespace tw {

class CWorkmetrDoc;
class ITextMeasurer;
struct PageMetrics;

// The lines each table row takes (`rows` holds the record position of each row): 0 for a
// record not printed (marked-only and unmarked, or no such record); 1, plus the wrapped lines
// of its notes when they go on the next lines.
std::vector<int> RowLineCounts(const CWorkmetrDoc& doc, const std::vector<int>& rows,
                               const PageMetrics& metrics, ITextMeasurer& measurer);

struct Pagination {
    std::vector<int> firstRows;  // the first table row of each page; the totals page's is rowCount
    int rowCount = 0;

    int PageCount() const { return static_cast<int>(firstRows.size()); }
    // The rows [first, end) of page `page` (from 0); empty for a page out of range.
    std::pair<int, int> RowsOfPage(int page) const;
    bool IsLastPage(int page) const { return page == PageCount() - 1; }
};

// The pages of rows with `lineCounts` on pages of `linesPerPage` lines (at least one).
// `blankLines`: a blank line follows each printed row; `totals`: a totals line ends the report.
Pagination Paginate(const std::vector<int>& lineCounts, int linesPerPage, bool blankLines,
                    bool totals);

}  // namespace tw
