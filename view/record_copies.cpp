// RecordCopies: the store of record copies and list copies, and filling it from a document.
#include "view/record_copies.h"

#include <new>
#include <stdexcept>

#include "dialogs/record_line.h"
#include "doc/project_cost.h"

namespace tw {

const ItemList& RecordCopies::List(int type) const {
    static const ItemList kNone;
    return type >= 0 && type < kItemListCount ? lists_[type] : kNone;
}

void RecordCopies::Clear() {
    records_.clear();
    records_.shrink_to_fit();
    for (ItemList& list : lists_) list.clear();
}

bool RecordCopies::Reset(size_t count) {
    Clear();
    try {
        records_.reserve(count);
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    return true;
}

bool RecordCopies::TakeLists(const CWorkmetrDoc& doc) {
    try {
        for (int type = 0; type < kItemListCount; ++type) {
            const ItemList* list = doc.GetItemList(type);
            lists_[type].clear();
            if (list != nullptr) CWorkmetrDoc::CopyItemList(lists_[type], *list);
        }
    } catch (const std::bad_alloc&) {
        for (ItemList& list : lists_) list.clear();
        return false;
    }
    return true;
}

bool RecordCopies::Add(const CTimeRec& record) {
    std::unique_ptr<CTimeRec> copy(new (std::nothrow) CTimeRec(record));
    if (!copy) return false;
    if (copy->IsRunning()) copy->StopTiming();
    try {
        records_.push_back(std::move(copy));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void RecordCopies::DropFirst(size_t count) {
    if (count >= records_.size()) {
        Clear();
        return;
    }
    records_.erase(records_.begin(), records_.begin() + static_cast<std::ptrdiff_t>(count));
}

size_t CopyRecords(const CWorkmetrDoc& doc, const std::vector<int>& positions, RecordCopies& copies,
                   std::string* text) {
    if (!copies.Reset(positions.size())) return 0;
    copies.TakeLists(doc);
    for (int position : positions) {
        const CTimeRec* record = doc.GetRecord(position);
        if (record == nullptr || !copies.Add(*record)) break;
        if (text != nullptr) *text += ClipboardLine(doc, copies.At(copies.Count() - 1));
    }
    return copies.Count();
}

}  // namespace tw
