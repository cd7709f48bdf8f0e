#include "dialogs/export_file_names.h"

namespace tw {

std::string ProposedExportName(const std::string& title) {
    const size_t dot = title.rfind('.');
    if (dot == std::string::npos) return title + ".txt";
    return title.substr(0, dot + 1) + "txt";
}

std::string ExportInitialFolder(const std::string& path) {
    const size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return std::string();
    if (slash == 0) return "\\";  // the root of the current drive
    std::string folder = path.substr(0, slash);
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';
    return folder;
}

}  // namespace tw
