#include "dialogs/export_writer.h"

#include "dialogs/record_line.h"
#include "doc/document.h"
#include "doc/time_rec.h"

namespace tw {

namespace {

constexpr size_t kFlushSize = 64 * 1024;

// Collects disk lines and hands them to the output in large blocks.
class LineSink {
public:
    explicit LineSink(IExportOutput& out) : out_(out) { disk_.reserve(kFlushSize * 2); }

    bool Put(const std::string& line) {
        AppendDiskLine(line, disk_);
        return disk_.size() < kFlushSize || Flush();
    }
    bool Flush() {
        const bool ok = disk_.empty() || out_.Write(disk_.data(), disk_.size());
        disk_.clear();
        return ok;
    }

private:
    IExportOutput& out_;
    std::string disk_;
};

std::string HeaderLine(const ExportTable& table, const RecordLineOptions& options) {
    std::string line;
    AppendJoinedFields(
        options.columns, [&](int c) { return table.titles[size_t(c)]; }, line);
    return line;
}

std::string TotalsLine(const CWorkmetrDoc& doc, const ExportTable& table,
                       const RecordLineOptions& options, bool allRecords) {
    const CDisplayFormats& formats = doc.Formats();
    const RecordTotals totals = doc.TotalsOf(
        [allRecords](const CTimeRec& record) { return allRecords || record.GetMark() != 0; });
    std::string line;
    AppendJoinedFields(
        options.columns,
        [&](int c) -> std::string {
            switch (c) {
                case kColElapsed: return formats.FormatDuration(totals.time, false);
                case kColCharge: return formats.FormatMoney(totals.charge);
                case kColExpense: return formats.FormatMoney(totals.expense);
                case kColNotes:
                    return options.notes == NotesBreaks::kAsSpaces
                               ? NotesOnOneLine(table.documentTitle)
                               : table.documentTitle;
                default: return std::string();
            }
        },
        line);
    return line;
}

bool WriteRecordLines(const CWorkmetrDoc& doc, const ExportTable& table,
                      const RecordLineOptions& options, bool allRecords, LineSink& sink) {
    std::string line;
    for (int position : table.rows) {
        const CTimeRec* record = doc.GetRecord(position);
        if (record == nullptr || (!allRecords && record->GetMark() == 0)) continue;
        line.clear();
        AppendRecordFields(doc, *record, options, line);
        if (!sink.Put(line)) return false;
    }
    return true;
}

}  // namespace

void AppendDiskLine(const std::string& line, std::string& disk) {
    char previous = '\0';
    for (char c : line) {
        if (c == '\n' && previous != '\r') disk += '\r';
        disk += c;
        previous = c;
    }
    disk += "\r\n";
}

bool WriteExport(const CWorkmetrDoc& doc, const ExportTable& table, IExportOutput& out) {
    const ExportSettings& settings = doc.Settings().exporting;
    RecordLineOptions options;
    options.columns = ExportedColumns(doc);
    options.fixedForms = settings.reportsLayout;
    options.notes = settings.removeCarriageReturns ? NotesBreaks::kAsSpaces : NotesBreaks::kKeep;
    LineSink sink(out);
    if (settings.headerRow && !sink.Put(HeaderLine(table, options))) return false;
    if (!WriteRecordLines(doc, table, options, settings.allRecords, sink)) return false;
    if (settings.totalsRow && !sink.Put(TotalsLine(doc, table, options, settings.allRecords)))
        return false;
    return sink.Flush();
}

}  // namespace tw
