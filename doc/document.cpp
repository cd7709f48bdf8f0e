// CWorkmetrDoc: life cycle, preferences and the closing steps.

#include "doc/document.h"

#include <utility>

#include "doc/document_observer.h"
#include "doc/project_cost.h"
#include "framework/archive.h"

namespace tw {

TW_IMPLEMENT_SERIAL(CWorkmetrDoc, 1)

CWorkmetrDoc::CWorkmetrDoc() { EnsureBlankItems(); }

CWorkmetrDoc::~CWorkmetrDoc() = default;

void CWorkmetrDoc::Changed() { SetModifiedFlag(true); }

void CWorkmetrDoc::ResetClock() {
    ClearActive();
    lastActive_ = -1;
    formats_.ResetShownMinutes();
}

void CWorkmetrDoc::DeleteContents() {
    content_.records.clear();  // in list order
    for (ItemList& list : content_.lists)
        while (!list.empty()) list.pop_back();  // from the last slot to the first
    ResetClock();
    totalAllTime_ = 0;
    totalMarkedTime_ = 0;
}

bool CWorkmetrDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    content_ = Content();
    formats_.SetSettings(content_.settings.timeDisplay);
    EnsureBlankItems();
    if (view_ != nullptr) view_->RowsChanged();
    return true;
}

void CWorkmetrDoc::ReadFrom(IByteSource& source) {
    CWorkmetrDoc fresh;
    CArchive ar(source);
    ar.SetDocument(&fresh);
    fresh.Serialize(ar);
    std::swap(content_, fresh.content_);
    formats_.SetSettings(content_.settings.timeDisplay);
    ResetClock();
    totalAllTime_ = 0;
    totalMarkedTime_ = 0;
    if (view_ != nullptr) view_->RowsChanged();
}

void CWorkmetrDoc::SetSettings(const DocumentSettings& settings) {
    content_.settings = settings;
    formats_.SetSettings(settings.timeDisplay);
    Changed();
    if (view_ != nullptr) view_->TotalsChanged();
}

std::string CWorkmetrDoc::GetColumnHeaderText(int column) const {
    if (column < 0 || column >= kColumnCount) return std::string();
    return content_.settings.columns[column].customHeader;
}

void CWorkmetrDoc::SetTotalsMode(int mode) {
    content_.settings.totalsMode = (mode == 1 || mode == 2) ? mode : 0;
    Changed();
    if (view_ != nullptr) view_->TotalsChanged();
}

bool CWorkmetrDoc::AsksToSaveChanges() const {
    return app_ == nullptr || app_->AutoSaveInterval() <= 0;
}

void CWorkmetrDoc::PrepareToClose() {
    if (app_ == nullptr) return;
    if (app_->IsRecordingReopen() && !GetPathName().empty()) app_->RecordReopenPath(GetPathName());
    if (app_->AutoSaveInterval() <= 0 || !IsModified()) return;
    if (GetPathName().empty())
        app_->SaveWithNewPath(*this);
    else
        OnSaveDocument(GetPathName());
}

}  // namespace tw
