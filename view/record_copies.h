#pragma once
// RecordCopies: copies of time records together with copies of the three item lists of the
// document they came from, so that their item indices keep their meaning in another document.
// The application holds one for Copy and Paste; each time table view holds one for Undelete.
// Copies never run: a running record is copied stopped.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "doc/document.h"
#include "doc/project_cost.h"
#include "doc/time_rec.h"

namespace tw {

class RecordCopies {
public:
    size_t Count() const { return records_.size(); }
    bool Empty() const { return records_.empty(); }
    const CTimeRec& At(size_t i) const { return *records_[i]; }
    // The copied list of `type` (empty for a type out of range).
    const ItemList& List(int type) const;

    // Drops every copy and every list copy.
    void Clear();
    // Empties the store and makes room for `count` copies; false (and empty) without memory.
    bool Reset(size_t count);
    // Copies the document's three item lists over the earlier list copies; false without memory.
    bool TakeLists(const CWorkmetrDoc& doc);
    // Appends a copy of `record`, stopped when it runs; false when it cannot be stored.
    bool Add(const CTimeRec& record);
    // Drops the first `count` copies and keeps the rest (an undelete that stopped part-way).
    void DropFirst(size_t count);

private:
    std::vector<std::unique_ptr<CTimeRec>> records_;
    ItemList lists_[kItemListCount];
};

// Fills `copies` with the document's records at `positions` (in that order) and the document's
// lists, appending each copy's clipboard line to `text` when it is given. The number of copies
// stored: 0 when there was no room, fewer than asked when a copy could not be stored.
size_t CopyRecords(const CWorkmetrDoc& doc, const std::vector<int>& positions, RecordCopies& copies,
                   std::string* text);

}  // namespace tw
