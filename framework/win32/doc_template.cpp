#include "framework/win32/doc_template.h"

#include <algorithm>

#include "framework/recent_file_list.h"
#include "framework/win32/app.h"
#include "framework/win32/child_frame.h"
#include "framework/win32/document.h"
#include "framework/win32/mdi_frame.h"
#include "framework/win32/view.h"
#include "framework/win32/window.h"

namespace tw {

CDocTemplate::CDocTemplate(UINT resourceId, DocumentFactory makeDocument, FrameFactory makeFrame,
                           ViewFactory makeView)
    : resourceId_(resourceId),
      makeDocument_(std::move(makeDocument)),
      makeFrame_(std::move(makeFrame)),
      makeView_(std::move(makeView)),
      type_(ParseDocumentType(LoadResourceString(resourceId))),
      menu_(::LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(resourceId))),
      icon_(::LoadIconA(ResourceInstance(), MAKEINTRESOURCEA(resourceId))) {}

CDocTemplate::~CDocTemplate() {
    documents_.clear();
    if (menu_ != nullptr) ::DestroyMenu(menu_);
}

CAppDocument* CDocTemplate::FindDocument(const std::string& path) const {
    for (const auto& doc : documents_) {
        if (!doc->GetPathName().empty() && SamePath(doc->GetPathName(), path)) return doc.get();
    }
    return nullptr;
}

CAppDocument* CDocTemplate::NewDocument() {
    std::unique_ptr<CAppDocument> doc = makeDocument_ ? makeDocument_() : nullptr;
    if (!doc) return nullptr;
    doc->SetTemplate(this);
    documents_.push_back(std::move(doc));
    return documents_.back().get();
}

void CDocTemplate::RemoveDocument(CAppDocument* doc) {
    auto it = std::find_if(documents_.begin(), documents_.end(),
                           [doc](const auto& d) { return d.get() == doc; });
    if (it == documents_.end()) return;
    std::unique_ptr<CAppDocument> gone = std::move(*it);
    documents_.erase(it);
}

void CDocTemplate::ActivateFrameOf(CAppDocument& doc) const {
    if (doc.Views().empty() || doc.Views().front()->Frame() == nullptr) return;
    CMDIChild* frame = doc.Views().front()->Frame();
    ::SendMessageA(frame->MainFrame()->MdiClient(), WM_MDIACTIVATE,
                   reinterpret_cast<WPARAM>(frame->Handle()), 0);
}

CAppDocument* CDocTemplate::OpenDocumentFile(CMDIFrame& main, const std::string& path) {
    if (CAppDocument* open = path.empty() ? nullptr : FindDocument(path)) {
        ActivateFrameOf(*open);
        return open;
    }
    CAppDocument* doc = NewDocument();
    if (doc == nullptr) return nullptr;
    bool ready = path.empty() ? doc->OnNewDocument() : doc->OnOpenDocument(path);
    if (!ready) {
        RemoveDocument(doc);
        return nullptr;
    }
    if (path.empty()) {
        doc->SetTitle(NewDocumentTitle(type_, ++untitledCount_));
    } else {
        doc->SetPathName(path);
        NoteRecentFile(path);
    }
    CMDIChild* frame = CreateFrame(main, *doc);
    if (frame == nullptr) {
        RemoveDocument(doc);
        return nullptr;
    }
    frame->View()->OnInitialUpdate();
    // The view may have closed its window (and the document) when it could not set itself up.
    if (FindDocumentObject(doc) == nullptr) return nullptr;
    frame->Show(SW_SHOW);
    ::SendMessageA(main.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(frame->Handle()), 0);
    return doc;
}

CAppDocument* CDocTemplate::FindDocumentObject(const CAppDocument* doc) const {
    for (const auto& d : documents_) {
        if (d.get() == doc) return d.get();
    }
    return nullptr;
}

CMDIChild* CDocTemplate::CreateFrame(CMDIFrame& main, CAppDocument& doc) {
    std::unique_ptr<CMDIChild> frame = makeFrame_ ? makeFrame_() : nullptr;
    std::unique_ptr<CView> view = makeView_ ? makeView_() : nullptr;
    if (!frame || !view) return nullptr;
    if (!frame->Create(main, *this, doc, std::move(view))) return nullptr;
    return frame.release();  // the window owns it now
}

bool CDocTemplate::SaveAllModified() {
    for (const auto& doc : documents_) {
        if (!doc->SaveModified()) return false;
    }
    return true;
}

void CDocTemplate::CloseAllDocuments() {
    while (!documents_.empty()) {
        size_t before = documents_.size();
        documents_.back()->OnCloseDocument();
        if (documents_.size() == before) documents_.pop_back();  // it did not hand itself back
    }
}

void CDocTemplate::NoteRecentFile(const std::string& path) {
    if (TheApp() != nullptr) TheApp()->AddToRecentFiles(path);
}

}  // namespace tw
