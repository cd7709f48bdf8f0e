// CWorkmetrDoc: record marks and sort levels set in batches by the view. Each call changes one
// value; the view shows the totals once after its batch.

#include "doc/document.h"
#include "doc/document_observer.h"

namespace tw {

bool CWorkmetrDoc::SetRecordMark(int position, int mark) {
    CTimeRec* record = GetRecord(position);
    if (record == nullptr || record->GetMark() == mark) return false;
    if (record->SetMark(mark) != CTimeRec::kOk) return false;
    Changed();
    if (view_ != nullptr) view_->RecordChanged(position);
    return true;
}

void CWorkmetrDoc::SetSortLevels(const std::array<SortLevel, 3>& levels, bool modified) {
    content_.settings.sort = levels;
    if (modified) Changed();
}

}  // namespace tw
