// CWorkmetrDoc: the three item lists (projects, categories, clients) and booking by name.

#include <new>

#include "doc/document.h"
#include "doc/document_observer.h"
#include "doc/project_cost.h"

namespace tw {

namespace {

bool IsListType(int type) { return type >= 0 && type < kItemListCount; }

}  // namespace

const ItemList* CWorkmetrDoc::GetItemList(int type) const {
    return IsListType(type) ? &content_.lists[type] : nullptr;
}

ItemList* CWorkmetrDoc::MutableList(int type) {
    return IsListType(type) ? &content_.lists[type] : nullptr;
}

bool CWorkmetrDoc::IsValidItemIndex(int type, int index) const {
    const ItemList* list = GetItemList(type);
    return list != nullptr && index >= 0 && index < static_cast<int>(list->size()) &&
           (*list)[static_cast<size_t>(index)] != nullptr;
}

bool CWorkmetrDoc::GetItemDisplayText(int type, int index, std::string& text) const {
    text.clear();
    if (!IsValidItemIndex(type, index)) return false;
    const CProjectCost& item = *content_.lists[type][static_cast<size_t>(index)];
    text = item.GetName();
    const RateSettings& rates = content_.settings.rates;
    if (type == rates.rateSource && rates.includeRatesInMenu && index != 0)
        text += " (" + formats_.FormatMoney(item.GetRate()) + ")";
    return true;
}

int CWorkmetrDoc::FindItemByName(int type, const std::string& name) const {
    const ItemList* list = GetItemList(type);
    if (list == nullptr) return -1;
    for (size_t i = 0; i < list->size(); ++i)
        if ((*list)[i] != nullptr && (*list)[i]->GetName() == name) return static_cast<int>(i);
    return -1;
}

int CWorkmetrDoc::AddItem(int type, const CProjectCost& item) {
    ItemList* list = MutableList(type);
    if (list == nullptr) return -1;
    std::unique_ptr<CProjectCost> copy(new (std::nothrow) CProjectCost(item));
    if (!copy) return -1;
    for (size_t i = 1; i < list->size(); ++i) {
        if ((*list)[i] == nullptr) {
            (*list)[i] = std::move(copy);
            Changed();
            return static_cast<int>(i);
        }
    }
    try {
        list->push_back(std::move(copy));
    } catch (const std::bad_alloc&) {
        return -1;
    }
    Changed();
    return static_cast<int>(list->size() - 1);
}

bool CWorkmetrDoc::IsItemUsed(int type, int index) const {
    if (!IsListType(type)) return false;
    for (const auto& record : content_.records)
        if (record->GetItemIndex(type) == index) return true;
    return false;
}

void CWorkmetrDoc::ClearItemReferences(int type, int index) {
    if (!IsListType(type)) return;
    bool changed = false;
    auto clear = [&](CTimeRec& record) {
        if (record.GetItemIndex(type) != index) return;
        record.SetItemIndex(type, 0);
        changed = true;
    };
    for (const auto& record : content_.records) clear(*record);
    clear(content_.templateRecord);
    RecordDefaults& d = content_.settings.defaults;
    int& defaultIndex = type == kProjectList    ? d.project
                        : type == kCategoryList ? d.category
                                                : d.client;
    if (defaultIndex == index) {
        defaultIndex = 0;
        changed = true;
    }
    if (!changed) return;
    Changed();
    if (view_ != nullptr) view_->RowsChanged();
}

void CWorkmetrDoc::CopyItemList(ItemList& destination, const ItemList& source) {
    destination.clear();
    destination.reserve(source.size());
    for (const auto& item : source)
        destination.push_back(item ? std::make_unique<CProjectCost>(*item) : nullptr);
}

bool CWorkmetrDoc::SetItemList(int type, const ItemList& edited) {
    ItemList* list = MutableList(type);
    if (list == nullptr) return false;
    CopyItemList(*list, edited);
    Changed();
    if (view_ != nullptr) {
        view_->ItemListsChanged();
        view_->RowsChanged();
    }
    return true;
}

void CWorkmetrDoc::EnsureBlankItems() {
    for (ItemList& list : content_.lists)
        if (list.empty()) list.push_back(std::make_unique<CProjectCost>());
}

bool CWorkmetrDoc::BookRecordByName(int row, int type, const std::string& text) {
    CTimeRec* record = GetRecord(row);
    if (record == nullptr || !IsListType(type)) return false;
    std::string shown;
    for (int i = 0; i < static_cast<int>(content_.lists[type].size()); ++i) {
        if (GetItemDisplayText(type, i, shown) && shown == text) {
            record->SetItemIndex(type, i);
            RecordEdited(row);
            return true;
        }
    }
    const int added = AddItem(type, CProjectCost(text, 0.0f));
    if (added < 0) {
        if (view_ != nullptr) view_->RecordChanged(row);
        return false;
    }
    record->SetItemIndex(type, added);
    if (view_ != nullptr) view_->ItemListsChanged();
    RecordEdited(row);
    return true;
}

}  // namespace tw
