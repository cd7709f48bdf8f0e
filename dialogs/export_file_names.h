#pragma once
// The names the export's save dialog starts with.

#include <string>

namespace tw {

// The document's title with everything after its last "." replaced by "txt"; a title without
// a "." gets ".txt".
std::string ProposedExportName(const std::string& title);

// The folder of the document's path: up to its last "\", keeping the "\" of a drive's root
// ("C:\"). Empty when the path names no folder.
std::string ExportInitialFolder(const std::string& path);

}  // namespace tw
