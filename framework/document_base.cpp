#include "framework/document_base.h"

#include <cstdio>
#include <memory>
#include <new>

#include "framework/safe_save.h"
#include "framework/file_replace.h"
#include "framework/platform.h"
#include "framework/archive.h"
#include "framework/archive_streams.h"

namespace tw {

namespace {

std::unique_ptr<CObject> CreateNoDocument() { return nullptr; }

const CRuntimeClass kDocumentClass{"CDocument", 1, &CreateNoDocument};

std::string FileNamePart(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Hands the archive's bytes to a file the safe save has opened (and will flush and close).
class OpenFileSink : public IByteSink {
public:
    explicit OpenFileSink(std::FILE* file) : file_(file) {}
    bool WriteAll(const void* src, size_t n) override { return std::fwrite(src, 1, n, file_) == n; }

private:
    std::FILE* file_;
};

// Serializes the document into the open temporary file.
bool StoreDocument(CDocument& doc, std::FILE* out) {
    OpenFileSink sink(out);
    CArchive ar(sink);
    ar.SetDocument(&doc);
    doc.Serialize(ar);
    ar.Flush();
    return true;
}

}  // namespace

const CRuntimeClass* CDocument::GetRuntimeClass() const { return &kDocumentClass; }

void CDocument::SetPathName(const std::string& path) {
    path_ = path;
    title_ = FileNamePart(path);
}

void CDocument::Serialize(CArchive&) {}

bool CDocument::OnNewDocument() {
    DeleteContents();
    path_.clear();
    modified_ = false;
    return true;
}

void CDocument::ReadFrom(IByteSource& source) {
    DeleteContents();
    CArchive ar(source);
    ar.SetDocument(this);
    Serialize(ar);
}

bool CDocument::OnOpenDocument(const std::string& path) {
    FileSource source(path);
    if (!source.IsOpen()) {
        ReportOpenFailure(path, "the file could not be opened");
        return false;
    }
    try {
        ReadFrom(source);
    } catch (const CArchiveException& e) {
        ReportOpenFailure(path, e.what());
        return false;
    } catch (const std::bad_alloc&) {
        ReportOpenFailure(path, "not enough memory");
        return false;
    }
    modified_ = false;
    return true;
}

bool CDocument::OnSaveDocument(const std::string& path) {
    IFileReplace& replace = replace_ != nullptr ? *replace_ : FileReplaceService();
    std::string error;
    bool ok = false;
    try {
        ok = SaveFileSafely(
            path, [this](std::FILE* out) { return StoreDocument(*this, out); }, replace, &error);
    } catch (const CArchiveException& e) {
        error = e.what();
    } catch (const std::bad_alloc&) {
        error = "not enough memory";
    }
    if (!ok) {
        ReportSaveFailure(path, error);
        return false;
    }
    modified_ = false;
    return true;
}

void CDocument::OnCloseDocument() { DeleteContents(); }

void CDocument::ReportOpenFailure(const std::string& path, const std::string& reason) {
    Platform().messages->ShowMessage("Cannot open " + path + ": " + reason + ".");
}

void CDocument::ReportSaveFailure(const std::string& path, const std::string& reason) {
    Platform().messages->ShowMessage("Cannot save " + path + ": " + reason + ".");
}

}  // namespace tw
