#include "dialogs/rate_list_model.h"

#include <algorithm>
#include <map>
#include <memory>
#include <new>

namespace tw {

namespace {

constexpr const char* kNewItemNames[kItemListCount] = {"Project Name", "Category Name",
                                                       "Client Name"};

}  // namespace

RateListModel::RateListModel(const CWorkmetrDoc& doc, int list) : doc_(doc) {
    for (int type = 0; type < kItemListCount; ++type)
        if (const ItemList* source = doc.GetItemList(type))
            CWorkmetrDoc::CopyItemList(lists_[type], *source);
    const RateSettings& rates = doc.Settings().rates;
    options_ = {rates.rateSource, rates.includeRatesInMenu, rates.alwaysSortItems};
    SetCurrentList(list);
}

void RateListModel::SetCurrentList(int list) { current_ = ValidType(list); }

const CProjectCost* RateListModel::ShownItem(int index) const {
    const ItemList& list = lists_[current_];
    if (index < 1 || index >= static_cast<int>(list.size())) return nullptr;
    const CProjectCost* item = list[static_cast<size_t>(index)].get();
    return item != nullptr && !item->GetName().empty() ? item : nullptr;
}

CProjectCost* RateListModel::MutableShownItem(int index) {
    return const_cast<CProjectCost*>(ShownItem(index));
}

std::vector<int> RateListModel::ShownIndices() const {
    std::vector<int> shown;
    for (int i = 1; i < static_cast<int>(lists_[current_].size()); ++i)
        if (ShownItem(i) != nullptr) shown.push_back(i);
    return shown;
}

std::string RateListModel::RateText(const CProjectCost& item) const {
    return doc_.Formats().FormatMoney(item.GetRate());
}

int RateListModel::Add(const CProjectCost& item) {
    ItemList& list = lists_[current_];
    size_t& free = firstFree_[current_];  // empty slots never appear before Apply
    try {
        if (list.empty()) list.push_back(std::make_unique<CProjectCost>());  // slot 0: no item
        auto copy = std::make_unique<CProjectCost>(item);
        for (free = std::max<size_t>(free, 1); free < list.size(); ++free) {
            if (list[free] == nullptr) {
                list[free] = std::move(copy);
                return static_cast<int>(free);
            }
        }
        list.push_back(std::move(copy));
    } catch (const std::bad_alloc&) {
        return -1;
    }
    free = list.size();
    return static_cast<int>(list.size() - 1);
}

int RateListModel::AddNew() { return Add(CProjectCost(kNewItemNames[current_], 0.0f)); }

bool RateListModel::Delete(int index) {
    CProjectCost* item = MutableShownItem(index);
    if (item == nullptr) return false;
    item->SetName("");
    return true;
}

bool RateListModel::SetName(int index, const std::string& name) {
    CProjectCost* item = MutableShownItem(index);
    if (item == nullptr) return false;
    if (!name.empty()) item->SetName(name);
    return true;
}

bool RateListModel::SetRateText(int index, const std::string& text) {
    CProjectCost* item = MutableShownItem(index);
    if (item == nullptr) return false;
    item->SetRate(doc_.Formats().ParseMoney(text));
    return true;
}

std::vector<int> RateListModel::UnusedIndices() const {
    const std::vector<int> shown = ShownIndices();
    if (shown.empty()) return shown;
    std::vector<bool> used(static_cast<size_t>(shown.back()) + 1, false);
    for (int i = 0; i < doc_.GetRecordCount(); ++i) {
        const int index = doc_.GetRecord(i)->GetItemIndex(current_);
        if (index >= 0 && index < static_cast<int>(used.size())) used[size_t(index)] = true;
    }
    std::vector<int> unused;
    for (int index : shown)
        if (!used[static_cast<size_t>(index)]) unused.push_back(index);
    return unused;
}

std::vector<int> RateListModel::DuplicateIndices() const {
    const std::vector<int> shown = ShownIndices();
    std::map<std::string, int> uses;
    for (int index : shown) ++uses[ShownItem(index)->GetName()];
    std::vector<int> doubles;
    for (int index : shown)
        if (uses[ShownItem(index)->GetName()] > 1) doubles.push_back(index);
    return doubles;
}

void RateListModel::RemoveDeleted() {
    for (ItemList& list : lists_)
        for (size_t i = 1; i < list.size(); ++i)
            if (list[i] != nullptr && list[i]->GetName().empty()) list[i].reset();
}

void RateListModel::ApplyTo(CWorkmetrDoc& doc) {
    RemoveDeleted();
    DocumentSettings settings = doc.Settings();
    settings.rates.rateSource = ValidType(options_.rateSource);
    settings.rates.includeRatesInMenu = options_.includeRatesInMenu;
    settings.rates.alwaysSortItems = options_.alwaysSortItems;
    doc.SetSettings(settings);
    for (int type = 0; type < kItemListCount; ++type) {
        doc.SetItemList(type, lists_[type]);
        for (int i = 1; i < static_cast<int>(lists_[type].size()); ++i)
            if (lists_[type][static_cast<size_t>(i)] == nullptr) doc.ClearItemReferences(type, i);
    }
}

}  // namespace tw
