#pragma once
// A multiple-document template: which document, child frame and view classes make a document
// window, and the resources of the type (menu, icon and the type description text, all under
// one resource id). It owns its open documents.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/document_type.h"

namespace tw {

class CAppDocument;
class CMDIChild;
class CMDIFrame;
class CView;

class CDocTemplate {
public:
    using DocumentFactory = std::function<std::unique_ptr<CAppDocument>()>;
    using FrameFactory = std::function<std::unique_ptr<CMDIChild>()>;
    using ViewFactory = std::function<std::unique_ptr<CView>()>;

    CDocTemplate(UINT resourceId, DocumentFactory makeDocument, FrameFactory makeFrame,
                 ViewFactory makeView);
    ~CDocTemplate();
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    // The template of document class D, child frame class F and view class V.
    template <class D, class F, class V>
    static std::unique_ptr<CDocTemplate> Make(UINT resourceId) {
        return std::make_unique<CDocTemplate>(
            resourceId, [] { return std::make_unique<D>(); }, [] { return std::make_unique<F>(); },
            [] { return std::make_unique<V>(); });
    }

    // Attributes
    UINT ResourceId() const { return resourceId_; }
    const DocumentType& Type() const { return type_; }
    HMENU Menu() const { return menu_; }
    HICON Icon() const { return icon_; }
    const std::vector<std::unique_ptr<CAppDocument>>& Documents() const { return documents_; }
    // The open document read from path, or null.
    CAppDocument* FindDocument(const std::string& path) const;

    // Operations
    // Opens path in a new document window, or a new document for an empty path ("Tally1",
    // "Tally2", ...). An already open path gets its window activated. Null on failure.
    CAppDocument* OpenDocumentFile(CMDIFrame& main, const std::string& path);
    // Another window on an open document.
    CMDIChild* CreateFrame(CMDIFrame& main, CAppDocument& doc);
    // Asks every modified document; false when one was cancelled.
    bool SaveAllModified();
    void CloseAllDocuments();
    // Deletes a document that closed (called by the document itself).
    void RemoveDocument(CAppDocument* doc);
    // A document of this type was read from or saved to path.
    void NoteRecentFile(const std::string& path);

private:
    CAppDocument* NewDocument();
    CAppDocument* FindDocumentObject(const CAppDocument* doc) const;
    void ActivateFrameOf(CAppDocument& doc) const;

    UINT resourceId_;
    DocumentFactory makeDocument_;
    FrameFactory makeFrame_;
    ViewFactory makeView_;
    DocumentType type_;
    HMENU menu_ = nullptr;
    HICON icon_ = nullptr;
    int untitledCount_ = 0;
    std::vector<std::unique_ptr<CAppDocument>> documents_;
};

}  // namespace tw
