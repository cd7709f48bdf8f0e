#pragma once
// The export of a document's time records as tab-separated text: an optional header row of
// column titles, one line per record in the table's row order (all records or the marked
// ones), an optional totals row, with the columns and options of the document's export
// settings. Lines end in CR LF; a CR LF inside the notes stays one CR LF, a lone line feed
// becomes CR LF (as text written in text mode, without doubling the CR).

#include <array>
#include <string>
#include <vector>

#include "doc/document_settings.h"

namespace tw {

class CWorkmetrDoc;

// Where the export's bytes go: a file, or memory in tests.
class IExportOutput {
public:
    virtual ~IExportOutput() = default;
    // Writes the bytes; false when they could not all be written (the export then stops).
    virtual bool Write(const char* data, size_t size) = 0;
};

// What the table around the document supplies.
struct ExportTable {
    std::vector<int> rows;  // the record position of each table row, in row order
    std::array<std::string, kColumnCount> titles;  // header row texts, table column order
    std::string documentTitle;                     // written in the totals row's notes column
};

// Writes the export of `doc` under its export settings. False when the output refused bytes;
// what was written until then stays written.
bool WriteExport(const CWorkmetrDoc& doc, const ExportTable& table, IExportOutput& out);

// `line` as it goes to disk, appended to `disk`: each line feed not preceded by a carriage
// return gets one, then CR LF ends the line.
void AppendDiskLine(const std::string& line, std::string& disk);

}  // namespace tw
