#include "tools/twtool/document_io.h"

#include "doc/document.h"
#include "doc/platform.h"

namespace tw::twtool {

namespace {

// Runs a document operation with the document's messages collected instead of shown, and
// gives the last one as the error.
template <class Operation>
bool Collecting(std::string& error, Operation operation) {
    RecordingMessageBox messages;
    PlatformServices services = Platform();
    services.messages = &messages;
    ScopedPlatform scoped(services);
    if (operation()) return true;
    error = messages.Count() > 0 ? messages.Last() : "the operation failed";
    return false;
}

}  // namespace

bool OpenDocumentFile(const std::string& path, CWorkmetrDoc& doc, std::string& error) {
    return Collecting(error, [&] { return doc.OnOpenDocument(path); });
}

bool SaveDocumentFile(const std::string& path, CWorkmetrDoc& doc, std::string& error) {
    return Collecting(error, [&] { return doc.OnSaveDocument(path); });
}

}  // namespace tw::twtool
