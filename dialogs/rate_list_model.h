#pragma once
// The rate list editor's working copy: the document's three item lists and three rate options,
// edited without touching the document until Apply. An item whose name is empty counts as
// deleted; its slot stays taken until Apply, so an Add in the same run never reuses it.
// Slot 0 (no item) is never shown, added to or edited.

#include <string>
#include <vector>

#include "doc/document.h"
#include "doc/project_cost.h"

namespace tw {

struct RateListOptions {
    int rateSource = kProjectList;
    bool includeRatesInMenu = false;
    bool alwaysSortItems = false;

    bool operator==(const RateListOptions& o) const {
        return rateSource == o.rateSource && includeRatesInMenu == o.includeRatesInMenu &&
               alwaysSortItems == o.alwaysSortItems;
    }
};

class RateListModel {
public:
    // Copies the lists and options of `doc`, which must outlive the model; `list` is the list
    // shown first (any value other than 0, 1, 2 shows the projects).
    RateListModel(const CWorkmetrDoc& doc, int list);

    int CurrentList() const { return current_; }
    void SetCurrentList(int list);  // a bad value selects the projects
    const ItemList& List(int type) const { return lists_[ValidType(type)]; }
    RateListOptions& Options() { return options_; }
    const RateListOptions& Options() const { return options_; }

    // The item of `index` in the current list when it is shown (index 1 and up, not deleted);
    // null otherwise.
    const CProjectCost* ShownItem(int index) const;
    // The indices of the shown items of the current list, ascending.
    std::vector<int> ShownIndices() const;
    // The item's rate as the document shows money.
    std::string RateText(const CProjectCost& item) const;

    // Adds a copy of `item` to the current list in the first empty slot from 1, else at the
    // end; its index, or -1 when memory ran out.
    int Add(const CProjectCost& item);
    // Adds "Project Name", "Category Name" or "Client Name" at rate 0.
    int AddNew();
    // Deletes the shown item of `index`; false (and nothing changes) for any other index.
    bool Delete(int index);
    // A cell edit: the name (cut to 63 characters; empty keeps the old one) or the rate read as
    // money text (a plain decimal number reads too; no number gives 0). False for an index
    // that is not shown.
    bool SetName(int index, const std::string& name);
    bool SetRateText(int index, const std::string& text);

    // Shown items of the current list that no record of the document uses.
    std::vector<int> UnusedIndices() const;
    // Shown items of the current list whose name equals that of another shown item exactly.
    std::vector<int> DuplicateIndices() const;

    // Empties the slots of deleted items in all three lists, then hands lists and options to
    // the document and rebooks to 0 every reference to an empty slot (records, new-record
    // defaults, remembered record). The document marks itself modified and refreshes its view.
    void ApplyTo(CWorkmetrDoc& doc);

private:
    static int ValidType(int type) { return type >= 0 && type < kItemListCount ? type : 0; }
    CProjectCost* MutableShownItem(int index);
    void RemoveDeleted();

    const CWorkmetrDoc& doc_;
    ItemList lists_[kItemListCount];
    size_t firstFree_[kItemListCount] = {1, 1, 1};  // no empty slot before these
    RateListOptions options_;
    int current_ = kProjectList;
};

}  // namespace tw
