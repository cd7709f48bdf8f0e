#include "tools/twtool/document_io.h"

#include "doc/document.h"
#include "framework/platform.h"

namespace tw::twtool {

namespace {

// Keeps the last text the document asked to show, to be printed as the error.
class LastMessage : public IMessageBox {
public:
    void ShowMessage(const std::string& text) override { text_ = text; }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// Runs a document operation with the document's messages collected instead of shown, and
// gives the last one as the error.
template <class Operation>
bool Collecting(std::string& error, Operation operation) {
    LastMessage messages;
    PlatformServices services = Platform();
    services.messages = &messages;
    ScopedPlatform scoped(services);
    if (operation()) return true;
    error = messages.Text().empty() ? "the operation failed" : messages.Text();
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
