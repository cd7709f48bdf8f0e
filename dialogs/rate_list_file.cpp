#include "dialogs/rate_list_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "dialogs/export_file.h"
#include "dialogs/export_writer.h"
#include "dialogs/rate_list_model.h"

namespace tw {

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string RateListFileText(const RateListModel& model, bool sorted) {
    std::vector<std::string> lines;
    for (int index : model.ShownIndices()) {
        const CProjectCost& item = *model.ShownItem(index);
        lines.push_back(item.GetName() + '\t' + model.RateText(item) + "\r\n");
    }
    if (sorted) std::stable_sort(lines.begin(), lines.end(), LessIgnoringCase);
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

bool SplitRateListLine(std::string_view line, std::string& name, std::string& rate) {
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos || tab == 0 || tab + 1 == line.size()) return false;
    name.assign(line.substr(0, tab));
    rate.assign(line.substr(tab + 1));
    return true;
}

RateListImport ImportRateListText(std::string_view text, RateListModel& model) {
    RateListImport result;
    std::string name, rate;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!SplitRateListLine(line, name, rate)) continue;
        CProjectCost item;
        item.SetName(name);
        const int index = model.Add(item);
        if (index < 0) {
            result.outOfMemory = true;
            break;
        }
        model.SetRateText(index, rate);
        ++result.added;
    }
    return result;
}

FileErrorCause WriteRateListFile(const std::string& path, const std::string& text,
                                 IFileReplace& replace) {
    return WriteExportFile(
        path, false, [&](IExportOutput& out) { return out.Write(text.data(), text.size()); },
        replace);
}

RateListImport ImportRateListFile(const std::string& path, RateListModel& model) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        RateListImport refused;
        refused.failure = FileErrorCauseOfErrno(errno != 0 ? errno : ENOENT);
        return refused;
    }
    std::string text;
    char buffer[16 * 1024];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    const bool readFailed = std::ferror(file) != 0;
    std::fclose(file);
    // After a read error only the lines read whole are taken.
    if (readFailed) text.erase(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
    RateListImport result = ImportRateListText(text, model);
    if (readFailed) result.failure = FileErrorCause::HardIo;
    return result;
}

}  // namespace tw
