#include "dialogs/print_page_layout.h"

#include <array>

#include "dialogs/record_line.h"
#include "doc/document.h"
#include "doc/time_rec.h"

namespace tw {

namespace {

constexpr size_t kItemPrintLength = 14;

bool Printed(const DocumentSettings& settings, int column) {
    return settings.columns[size_t(column)].printed;
}

// Collects operations, skipping empty texts.
class PageOps {
public:
    void Text(int x, int y, const std::string& text) {
        if (!text.empty()) ops.push_back({PrintDrawOp::kText, x, y, 0, 0, text});
    }
    void Wrapped(int left, int top, int right, int bottom, const std::string& text) {
        if (!text.empty())
            ops.push_back({PrintDrawOp::kWrappedText, left, top, right, bottom, text});
    }
    std::vector<PrintDrawOp> ops;
};

void AddPageHeader(const PrintJob& job, const PageMetrics& m, int page, PageOps& out) {
    const PrintSettings& print = job.doc.Settings().printing;
    const std::string& title =
        print.customHeader ? print.customHeaderText : job.table.documentTitle;
    const int x = (m.charsPerLine / 2 - static_cast<int>(title.size()) / 2) * m.charWidth;
    out.Text(x, m.topMargin, title);
    out.Text(m.leftMargin + 10 * m.charWidth, m.pageHeight - m.lineHeight - m.topMargin,
             job.texts.pageWord + std::to_string(page + 1));
}

void AddColumnNames(const PrintJob& job, const PageMetrics& m, PageOps& out) {
    const DocumentSettings& settings = job.doc.Settings();
    const int y = m.topMargin + (settings.printing.pageHeader ? 2 * m.lineHeight : 0);
    int x = m.leftMargin;
    for (int c = 0; c < kColumnCount; ++c) {
        if (!Printed(settings, c)) continue;
        if (c == kColNotes && settings.printing.notesOnNextLine) continue;
        out.Text(x, y, job.table.titles[size_t(c)]);
        x += PrintColumnWidth(c) * m.charWidth;
    }
}

void AddRecordLine(const PrintJob& job, const PageMetrics& m, const CTimeRec& record, int lines,
                   int y, PageOps& out) {
    const DocumentSettings& settings = job.doc.Settings();
    int x = m.leftMargin;
    for (int c = 0; c < kColumnCount; ++c) {
        if (!Printed(settings, c)) continue;
        if (c == kColNotes && settings.printing.notesOnNextLine) {
            if (lines > 1)
                out.Wrapped(m.printLeft, y + m.lineHeight, m.printRight, y + lines * m.lineHeight,
                            record.GetNotes());
            continue;
        }
        out.Text(x, y, PrintFieldText(job.doc, record, c));
        x += PrintColumnWidth(c) * m.charWidth;
    }
}

// The rows of the page from `y`; returns the y below them.
int AddRows(const PrintJob& job, const PageMetrics& m, int page, int y, PageOps& out) {
    const bool blankLines = job.doc.Settings().printing.blankLineBetween;
    const auto [first, end] = job.pages.RowsOfPage(page);
    for (int row = first; row < end; ++row) {
        const int lines = job.lineCounts[size_t(row)];
        const CTimeRec* record = job.doc.GetRecord(job.table.rows[size_t(row)]);
        if (lines == 0 || record == nullptr) continue;
        AddRecordLine(job, m, *record, lines, y, out);
        y += lines * m.lineHeight;
        if (blankLines) y += m.lineHeight;
    }
    return y;
}

void AddTotalsLine(const PrintJob& job, const PageMetrics& m, int y, PageOps& out) {
    const DocumentSettings& settings = job.doc.Settings();
    const bool all = settings.printing.allRecords;
    const RecordTotals totals =
        job.doc.TotalsOf([all](const CTimeRec& record) { return all || record.GetMark() != 0; });
    const CDisplayFormats& formats = job.doc.Formats();
    int x = m.leftMargin;
    bool dateOrTime = false;
    for (int c = 0; c <= kColExpense; ++c) {
        if (!Printed(settings, c)) continue;
        if (c <= kColStopTime) dateOrTime = true;
        if (c == kColElapsed) out.Text(x, y, formats.FormatDuration(totals.time, false));
        if (c == kColCharge) out.Text(x, y, formats.FormatMoney(totals.charge));
        if (c == kColExpense) out.Text(x, y, formats.FormatMoney(totals.expense));
        x += PrintColumnWidth(c) * m.charWidth;
    }
    out.Text(dateOrTime ? m.leftMargin : x, y, job.texts.totalWord);
}

}  // namespace

bool PrintDrawOp::operator==(const PrintDrawOp& other) const {
    return kind == other.kind && x == other.x && y == other.y && right == other.right &&
           bottom == other.bottom && text == other.text;
}

int PrintColumnWidth(int column) {
    static const std::array<int, kColumnCount> kWidths = {11, 11, 11, 11, 14, 14, 15,
                                                          15, 15, 15, 15, 15, 7,  0};
    return column >= 0 && column < kColumnCount ? kWidths[size_t(column)] : 0;
}

std::string PrintFieldText(const CWorkmetrDoc& doc, const CTimeRec& record, int column) {
    switch (column) {
        case kColProject:
        case kColCategory:
        case kColClient:
            return RecordFieldText(doc, record, column, false).substr(0, kItemPrintLength);
        case kColMark: return record.GetMark() != 0 ? "  X  " : "";
        case kColNotes: return NotesOnOneLine(record.GetNotes());
        default: return RecordFieldText(doc, record, column, false);
    }
}

std::vector<PrintDrawOp> LayoutPage(const PrintJob& job, const PageMetrics& metrics, int page) {
    PageOps out;
    if (page < 0 || page >= job.pages.PageCount()) return out.ops;
    const PrintSettings& print = job.doc.Settings().printing;
    if (print.pageHeader) AddPageHeader(job, metrics, page, out);
    if (print.columnNames) AddColumnNames(job, metrics, out);
    const int y = AddRows(job, metrics, page, metrics.printTop, out);
    if (print.totals && job.pages.IsLastPage(page))
        AddTotalsLine(job, metrics, y + metrics.lineHeight, out);
    return out.ops;
}

bool NothingSelectedToPrint(const DocumentSettings& settings, int rowCount) {
    const PrintSettings& print = settings.printing;
    if (print.pageHeader || print.columnNames || print.totals) return false;
    if (rowCount == 0) return true;
    for (const ColumnSetting& column : settings.columns)
        if (column.printed) return false;
    return true;
}

}  // namespace tw
