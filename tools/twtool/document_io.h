#pragma once
// Opening and saving documents for the tool, with the failure as one line of text.

#include <string>

namespace tw {
class CWorkmetrDoc;
}

namespace tw::twtool {

// Reads `path` into `doc`. False, with the reason in `error`, when it cannot be read.
bool OpenDocumentFile(const std::string& path, CWorkmetrDoc& doc, std::string& error);

// Writes `doc` to `path` (a temporary file replaces `path` only once complete).
bool SaveDocumentFile(const std::string& path, CWorkmetrDoc& doc, std::string& error);

}  // namespace tw::twtool
