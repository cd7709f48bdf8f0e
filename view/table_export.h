#pragma once
// What the export takes from the time table: the rows in the table's order, the header titles
// as the columns show them and the document's title.

#include <string>
#include <vector>

#include "dialogs/export_writer.h"

namespace tw {

class CWorkmetrDoc;

// The export table of `doc` with its rows in `rows` order (record positions).
ExportTable ExportTableOf(const CWorkmetrDoc& doc, std::vector<int> rows,
                          const std::string& documentTitle);

}  // namespace tw
