#pragma once
// CDocument: the portable base of a document. It keeps the modified flag, the file path and the
// title, and offers the hooks the frame calls for New, Open, Save and Close. The default Open
// reads the file through a loading CArchive and Serialize; the default Save writes through a
// storing CArchive and Serialize into a temporary file that replaces the old file only once it
// is complete (doc/document_safe_save.h), so a failed save never damages the user's file.

#include <string>

#include "framework/object.h"

namespace tw {

class CArchive;
class IByteSource;
class IFileReplace;

class CDocument : public CObject {
public:
    CDocument() = default;
    ~CDocument() override = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const CRuntimeClass* GetRuntimeClass() const override;

    // Attributes
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }
    const std::string& GetPathName() const { return path_; }
    // Also sets the title to the path's file name part.
    void SetPathName(const std::string& path);
    const std::string& GetTitle() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // Overridables
    // Reads or writes the document's content. The base stores nothing.
    void Serialize(CArchive& ar) override;
    // Empties the document for a new one: DeleteContents, no path, not modified. True = done.
    virtual bool OnNewDocument();
    // Reads the document from `path` (ReadFrom). False, with a message shown, on failure.
    virtual bool OnOpenDocument(const std::string& path);
    // Writes the document to `path` safely and clears the modified flag. False, with a message
    // shown, on failure; the file at `path` is then as it was.
    virtual bool OnSaveDocument(const std::string& path);
    // Called when the document closes: DeleteContents.
    virtual void OnCloseDocument();
    // Frees the content (records, lists ...). The base has none.
    virtual void DeleteContents() {}

    // Operations
    // Empties the document and reads the content from a byte source (an open file or memory)
    // through Serialize. Throws CArchiveException on a damaged or foreign file; the base is then
    // left empty, a subclass may keep its previous content instead (CWorkmetrDoc does).
    virtual void ReadFrom(IByteSource& source);

    // The replace service used by OnSaveDocument; null (the default) uses FileReplaceService().
    void SetFileReplace(IFileReplace* replace) { replace_ = replace; }

protected:
    // Shows why a file could not be opened or saved (through Platform().messages).
    virtual void ReportOpenFailure(const std::string& path, const std::string& reason);
    virtual void ReportSaveFailure(const std::string& path, const std::string& reason);

private:
    bool modified_ = false;
    std::string path_;
    std::string title_;
    IFileReplace* replace_ = nullptr;
};

}  // namespace tw
