#pragma once
// The text of a summary: rows of texts as an aligned table (first column left, the others
// right-aligned, two blanks between columns) or as CSV (fields with a comma, a quote or a
// line break quoted, quotes doubled). Lines end in "\n".

#include <string>
#include <vector>

namespace tw::twtool {

using ReportRow = std::vector<std::string>;

std::string AlignedTable(const std::vector<ReportRow>& rows);
std::string CsvTable(const std::vector<ReportRow>& rows);

}  // namespace tw::twtool
