#pragma once
// One time record as a line of text: the fields of the chosen columns in table column order,
// one tab between fields. The export writes these lines to its file; Copy puts them on the
// clipboard.

#include <array>
#include <string>

#include "doc/document_settings.h"

namespace tw {

class CTimeRec;
class CWorkmetrDoc;

// How line breaks inside the notes are written.
enum class NotesBreaks {
    kKeep,      // as they are: the record spans several lines
    kAsSpaces,  // each carriage return and each line feed becomes a space (the length stays)
};

struct RecordLineOptions {
    std::array<bool, kColumnCount> columns{};  // the columns written, table column order
    bool fixedForms = false;  // dates "MM/dd/yyyy", times 24-hour "HH:mm" (the v1.x layout)
    NotesBreaks notes = NotesBreaks::kKeep;
};

// The export flags of the document's columns.
std::array<bool, kColumnCount> ExportedColumns(const CWorkmetrDoc& doc);

// The text of one column of `record` as the time table shows it (dates and times in the
// locale's forms, or in the fixed forms); notes as they are. Empty for a column out of range.
std::string RecordFieldText(const CWorkmetrDoc& doc, const CTimeRec& record, int column,
                            bool fixedForms);

// `text` with each carriage return and line feed replaced by a space.
std::string NotesOnOneLine(std::string text);

// Appends the texts of the chosen columns, `field(column)` each, joined by tabs: no tab after
// the last one, no line end.
template <class FieldText>
void AppendJoinedFields(const std::array<bool, kColumnCount>& columns, FieldText field,
                        std::string& line) {
    bool first = true;
    for (int c = 0; c < kColumnCount; ++c) {
        if (!columns[size_t(c)]) continue;
        if (!first) line += '\t';
        first = false;
        line += field(c);
    }
}

// Appends the fields of the chosen columns joined by tabs: no tab after the last field, no
// line end. With no column chosen nothing is appended.
void AppendRecordFields(const CWorkmetrDoc& doc, const CTimeRec& record,
                        const RecordLineOptions& options, std::string& line);

// The clipboard's line of a record: the document's export columns in the locale's forms,
// notes on one line, ending in one line feed.
std::string ClipboardLine(const CWorkmetrDoc& doc, const CTimeRec& record);

}  // namespace tw
