#pragma once
// The description of a document type, given as one text of newline-separated fields:
// window title, base name of new documents, type name, file filter name, extension, the
// shell's type identifier and the shell's type name.

#include <string>

namespace tw {

struct DocumentType {
    std::string windowTitle;
    std::string newName;  // "Tally": new documents are "Tally1", "Tally2", ...
    std::string typeName;
    std::string filterName;   // "Tallywick Files (*.tw)"
    std::string extension;    // ".tw"
    std::string shellTypeId;  // "TallywickFileType"
    std::string shellTypeName;
};

// Splits the description; missing fields stay empty.
DocumentType ParseDocumentType(const std::string& description);

// The title of the n-th new document (n from 1): base name followed by n, or "Untitled" when
// the type has no base name.
std::string NewDocumentTitle(const DocumentType& type, int number);

// The title of a document read from path: its file name without folders.
std::string TitleFromPath(const std::string& path);

// Turns a filter written with '|' between fields ("Name|*.x|...||") into the platform's form
// with NUL bytes between fields and two at the end.
std::string FileDialogFilter(const std::string& barSeparated, char separator = '|');

}  // namespace tw
