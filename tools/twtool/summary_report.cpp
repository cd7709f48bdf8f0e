#include "tools/twtool/summary_report.h"

#include <algorithm>

namespace tw::twtool {

namespace {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::string AlignedTable(const std::vector<ReportRow>& rows) {
    std::vector<size_t> widths;
    for (const ReportRow& row : rows) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    }
    std::string text;
    for (const ReportRow& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            const std::string pad(widths[i] - row[i].size(), ' ');
            if (i > 0) text += "  ";
            text += i == 0 ? row[i] + (i + 1 < row.size() ? pad : "") : pad + row[i];
        }
        text += '\n';
    }
    return text;
}

std::string CsvTable(const std::vector<ReportRow>& rows) {
    std::string text;
    for (const ReportRow& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += ',';
            text += CsvField(row[i]);
        }
        text += '\n';
    }
    return text;
}

}  // namespace tw::twtool
