#include "framework/document_type.h"

#include <sstream>
#include <vector>

#include "framework/framework_texts.h"

namespace tw {

DocumentType ParseDocumentType(const std::string& description) {
    std::vector<std::string> fields;
    std::istringstream in(description);
    std::string field;
    while (std::getline(in, field, '\n')) fields.push_back(field);
    fields.resize(7);
    return DocumentType{fields[0], fields[1], fields[2], fields[3],
                        fields[4], fields[5], fields[6]};
}

std::string NewDocumentTitle(const DocumentType& type, int number) {
    if (type.newName.empty()) return kTextUntitled;
    return type.newName + std::to_string(number);
}

std::string TitleFromPath(const std::string& path) {
    size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FileDialogFilter(const std::string& barSeparated, char separator) {
    std::string filter = barSeparated;
    for (char& c : filter) {
        if (c == separator) c = '\0';
    }
    // The list ends with an empty field: make sure two NULs close it.
    while (filter.size() < 2 || filter[filter.size() - 1] != '\0' ||
           filter[filter.size() - 2] != '\0') {
        filter.push_back('\0');
    }
    return filter;
}

}  // namespace tw
