#include "view/table_export.h"

#include "doc/document.h"
#include "view/time_table_columns.h"

namespace tw {

ExportTable ExportTableOf(const CWorkmetrDoc& doc, std::vector<int> rows,
                          const std::string& documentTitle) {
    ExportTable table;
    table.rows = std::move(rows);
    for (int c = 0; c < kColumnCount; ++c)
        table.titles[size_t(c)] = ColumnTitle(c + 1, doc.GetColumnHeaderText(c));
    table.documentTitle = documentTitle;
    return table;
}

}  // namespace tw
