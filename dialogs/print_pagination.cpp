#include "dialogs/print_pagination.h"

#include <algorithm>

#include "dialogs/print_page_metrics.h"
#include "dialogs/text_measurer.h"
#include "doc/document.h"
#include "doc/time_rec.h"

namespace tw {

namespace {

int RowLines(const CWorkmetrDoc& doc, const CTimeRec* record, const PageMetrics& metrics,
             ITextMeasurer& measurer) {
    const DocumentSettings& settings = doc.Settings();
    if (record == nullptr) return 0;
    if (!settings.printing.allRecords && record->GetMark() == 0) return 0;
    if (!settings.printing.notesOnNextLine || !settings.columns[kColNotes].printed) return 1;
    const std::string& notes = record->GetNotes();
    if (notes.empty()) return 1;
    return 1 + measurer.WrappedHeight(notes, metrics.PrintableWidth()) / metrics.lineHeight;
}

}  // namespace

std::vector<int> RowLineCounts(const CWorkmetrDoc& doc, const std::vector<int>& rows,
                               const PageMetrics& metrics, ITextMeasurer& measurer) {
    std::vector<int> counts;
    counts.reserve(rows.size());
    for (int position : rows)
        counts.push_back(RowLines(doc, doc.GetRecord(position), metrics, measurer));
    return counts;
}

std::pair<int, int> Pagination::RowsOfPage(int page) const {
    if (page < 0 || page >= PageCount()) return {0, 0};
    const int first = firstRows[size_t(page)];
    const int end = page + 1 < PageCount() ? firstRows[size_t(page) + 1] : rowCount;
    return {first, std::max(first, end)};
}

Pagination Paginate(const std::vector<int>& lineCounts, int linesPerPage, bool blankLines,
                    bool totals) {
    Pagination pages;
    pages.rowCount = static_cast<int>(lineCounts.size());
    if (lineCounts.empty()) return pages;
    linesPerPage = std::max(1, linesPerPage);
    pages.firstRows.push_back(0);
    long long used = 0;  // lines taken on the current page
    for (int row = 0; row < pages.rowCount; ++row) {
        const int lines = lineCounts[size_t(row)];
        if (lines > 0 && used > 0 && used + lines > linesPerPage) {
            pages.firstRows.push_back(row);
            used = 0;
        }
        used += lines;
        if (blankLines && lines != 0) ++used;
    }
    if (totals && linesPerPage < used + 2) pages.firstRows.push_back(pages.rowCount);
    return pages;
}

}  // namespace tw
