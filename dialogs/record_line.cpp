#include "dialogs/record_line.h"

#include "dialogs/column_flags.h"

#include "doc/document.h"
#include "doc/time_rec.h"

namespace tw {

namespace {

std::string ItemText(const CWorkmetrDoc& doc, const CTimeRec& record, int type) {
    std::string text;
    if (!doc.GetItemDisplayText(type, record.GetItemIndex(type), text)) text.clear();
    return text;
}

std::string MoneyField(const CWorkmetrDoc& doc, const CTimeRec& record, int column) {
    const CDisplayFormats& formats = doc.Formats();
    switch (column) {
        case kColHourlyRate: return formats.FormatMoney(doc.EffectiveRate(record));
        case kColCharge:
            return formats.FormatCharge(record.GetElapsed(), doc.EffectiveRate(record));
        default: return formats.FormatMoney(record.GetExpense());
    }
}

}  // namespace

std::array<bool, kColumnCount> ExportedColumns(const CWorkmetrDoc& doc) {
    return ColumnFlagsOf(doc.Settings(), &ColumnSetting::exported);
}

std::string RecordFieldText(const CWorkmetrDoc& doc, const CTimeRec& record, int column,
                            bool fixedForms) {
    const CDisplayFormats& formats = doc.Formats();
    switch (column) {
        case kColStartDate: return formats.FormatDate(record.GetStart(), fixedForms);
        case kColStartTime: return formats.FormatTimeOfDay(record.GetStart(), fixedForms);
        case kColStopDate: return formats.FormatDate(record.GetStop(), fixedForms);
        case kColStopTime: return formats.FormatTimeOfDay(record.GetStop(), fixedForms);
        case kColElapsed: return formats.FormatDuration(record.GetElapsed(), false);
        case kColPaused: return formats.FormatDuration(record.GetPaused(), false);
        case kColHourlyRate:
        case kColCharge:
        case kColExpense: return MoneyField(doc, record, column);
        case kColProject: return ItemText(doc, record, kProjectList);
        case kColCategory: return ItemText(doc, record, kCategoryList);
        case kColClient: return ItemText(doc, record, kClientList);
        case kColMark: return record.GetMark() != 0 ? "X" : " ";
        case kColNotes: return record.GetNotes();
        default: return std::string();
    }
}

std::string NotesOnOneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

void AppendRecordFields(const CWorkmetrDoc& doc, const CTimeRec& record,
                        const RecordLineOptions& options, std::string& line) {
    AppendJoinedFields(
        options.columns,
        [&](int c) {
            if (c == kColNotes && options.notes == NotesBreaks::kAsSpaces)
                return NotesOnOneLine(record.GetNotes());
            return RecordFieldText(doc, record, c, options.fixedForms);
        },
        line);
}

std::string ClipboardLine(const CWorkmetrDoc& doc, const CTimeRec& record) {
    RecordLineOptions options;
    options.columns = ExportedColumns(doc);
    options.notes = NotesBreaks::kAsSpaces;
    std::string line;
    AppendRecordFields(doc, record, options, line);
    line += '\n';
    return line;
}

}  // namespace tw
