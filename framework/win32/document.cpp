#include "framework/win32/document.h"

#include <algorithm>

#include "framework/command_ids.h"
#include "framework/document_type.h"
#include "framework/framework_texts.h"
#include "framework/message_text.h"
#include "framework/win32/child_frame.h"
#include "framework/win32/common_dialogs.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/message_box.h"
#include "framework/win32/view.h"

namespace tw {

namespace {

// Why path could not be opened for reading, as the file system tells it.
FileErrorCause OpenCauseOf(const std::string& path) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileErrorCauseOf(::GetLastError());
    ::CloseHandle(file);
    return FileErrorCause::InvalidFile;  // it opens, so its content was refused
}

// Why path could not be written, as far as the file system tells it without changing it.
FileErrorCause SaveCauseOf(const std::string& path) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(file);
        return FileErrorCause::Generic;
    }
    DWORD error = ::GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) return FileErrorCauseOf(error);
    size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return FileErrorCause::Generic;
    DWORD folder = ::GetFileAttributesA(path.substr(0, slash).c_str());
    return folder == INVALID_FILE_ATTRIBUTES ? FileErrorCause::BadPath : FileErrorCause::Generic;
}

}  // namespace

CAppDocument::CAppDocument() {
    OnCommand(kCmdFileSave, [this] { DoFileSave(); });
    OnCommand(kCmdFileSaveAs, [this] { DoSave(std::string()); });
    OnCommand(kCmdFileClose, [this] {
        if (SaveModified()) OnCloseDocument();
    });
}

void CAppDocument::AddView(CView* view) {
    if (view != nullptr && std::find(views_.begin(), views_.end(), view) == views_.end()) {
        views_.push_back(view);
    }
}

void CAppDocument::RemoveView(CView* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void CAppDocument::UpdateAllViews(CView* sender, long hint) {
    for (CView* view : std::vector<CView*>(views_)) {
        if (view != sender) view->OnUpdate(sender, hint);
    }
}

void CAppDocument::ChangeTitle(const std::string& title) {
    SetTitle(title);
    UpdateFrameTitles();
}

void CAppDocument::UpdateFrameTitles() const {
    for (CView* view : views_) {
        if (view->Frame() != nullptr) view->Frame()->UpdateTitle();
    }
}

bool CAppDocument::DoFileSave() {
    if (GetPathName().empty()) return DoSave(std::string());
    return DoSave(GetPathName());
}

bool CAppDocument::DoSave(const std::string& path) {
    std::string target = path;
    if (target.empty()) {
        std::optional<std::string> chosen = AskSavePath();
        if (!chosen) return false;
        target = *chosen;
    }
    if (!OnSaveDocument(target)) return false;
    SetPathName(target);
    UpdateFrameTitles();
    if (template_ != nullptr) template_->NoteRecentFile(target);
    return true;
}

bool CAppDocument::SaveModified() {
    if (!IsModified() || SkipSaveQuestion()) return true;
    std::string name = GetPathName().empty() ? GetTitle() : GetPathName();
    switch (Ask(SubstituteArgs(kTextSaveChanges, {name}), PromptButtons::YesNoCancel,
                PromptIcon::Warning)) {
        case PromptAnswer::Yes: return DoFileSave();
        case PromptAnswer::No: return true;
        default: return false;
    }
}

bool CAppDocument::CanCloseFrame(CMDIChild* frame) {
    for (CView* view : views_) {
        if (view->Frame() != frame) return true;
    }
    return SaveModified();
}

void CAppDocument::OnCloseDocument() {
    for (CView* view : std::vector<CView*>(views_)) {
        CMDIChild* frame = view->Frame();
        if (frame != nullptr) frame->Destroy();
    }
    views_.clear();
    CDocument::OnCloseDocument();
    if (template_ != nullptr) template_->RemoveDocument(this);  // deletes this
}

std::optional<std::string> CAppDocument::AskSavePath() {
    FileDialogOptions options;
    if (template_ != nullptr) {
        const DocumentType& type = template_->Type();
        options.filter = type.filterName + "|*" + type.extension + "|";
        options.defaultExtension = type.extension.empty() ? "" : type.extension.substr(1);
    }
    options.fileName = GetPathName().empty() ? GetTitle() : GetPathName();
    options.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return AskSaveFileName(nullptr, options);
}

void CAppDocument::ReportOpenFailure(const std::string& path, const std::string&) {
    ReportFileError(OpenCauseOf(path), path);
}

void CAppDocument::ReportSaveFailure(const std::string& path, const std::string&) {
    ReportFileError(SaveCauseOf(path), path);
}

}  // namespace tw
