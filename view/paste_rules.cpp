// Paste and Undelete: item translation by name, the insertion position, what Cut deletes.
#include "view/paste_rules.h"

#include "doc/document.h"
#include "doc/project_cost.h"
#include "doc/time_rec.h"
#include "view/record_copies.h"

namespace tw {

namespace {

// The target index of the copied item `index` of `type`, or -1.
int TranslateItem(int type, int index, const RecordCopies& source, CWorkmetrDoc& doc) {
    const ItemList& list = source.List(type);
    if (index < 0 || static_cast<size_t>(index) >= list.size()) return -1;
    const CProjectCost* item = list[static_cast<size_t>(index)].get();
    if (item == nullptr) return -1;
    const int found = doc.FindItemByName(type, item->GetName());
    return found >= 0 ? found : doc.AddItem(type, *item);
}

}  // namespace

bool TranslateItems(CTimeRec& copy, const RecordCopies& source, CWorkmetrDoc& doc) {
    for (int type : {kProjectList, kCategoryList, kClientList}) {
        const int index = TranslateItem(type, copy.GetItemIndex(type), source, doc);
        if (index < 0) return false;
        copy.SetItemIndex(type, index);
    }
    return true;
}

int PasteBefore(long selectedRows, int firstSelectedRecord) {
    return selectedRows == 1 && firstSelectedRecord >= 0 ? firstSelectedRecord : -1;
}

std::vector<int> CutRecords(const std::vector<int>& selected, size_t copied) {
    if (copied >= selected.size()) return selected;
    return std::vector<int>(selected.begin(),
                            selected.begin() + static_cast<std::ptrdiff_t>(copied));
}

}  // namespace tw
