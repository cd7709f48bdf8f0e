#include "dialogs/win32/item_combos.h"

#include "app/res/resource.h"
#include "dialogs/item_choices.h"
#include "dialogs/win32/combo_entries.h"
#include "doc/document.h"

namespace tw {

namespace {

constexpr int kSortedIds[3] = {IDC_PROJECT_SORTED, IDC_CATEGORY_SORTED, IDC_CLIENT_SORTED};
constexpr int kListOrderIds[3] = {IDC_PROJECT_UNSORTED, IDC_CATEGORY_UNSORTED, IDC_CLIENT_UNSORTED};

bool IsListType(int type) { return type >= 0 && type < kItemListCount; }

CItemCombos::FillResult FillList(HWND list, const CWorkmetrDoc& doc, int type) {
    if (list == nullptr) return CItemCombos::FillResult::kFailed;
    ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (const ItemChoice& choice : ItemChoices(doc, type)) {
        switch (AddComboEntry(list, choice.text, static_cast<LPARAM>(choice.index))) {
            case ComboFill::kDone: break;
            case ComboFill::kNoSpace: return CItemCombos::FillResult::kNoSpace;
            case ComboFill::kFailed: return CItemCombos::FillResult::kFailed;
        }
    }
    return CItemCombos::FillResult::kDone;
}

}  // namespace

CItemCombos::FillResult CItemCombos::Fill(HWND dialog, const CWorkmetrDoc& doc) {
    const bool sorted = doc.Settings().rates.alwaysSortItems;
    for (int type = 0; type < kItemListCount; ++type) {
        HWND shown = ::GetDlgItem(dialog, sorted ? kSortedIds[type] : kListOrderIds[type]);
        HWND hidden = ::GetDlgItem(dialog, sorted ? kListOrderIds[type] : kSortedIds[type]);
        if (hidden != nullptr) ::ShowWindow(hidden, SW_HIDE);
        if (shown != nullptr) ::ShowWindow(shown, SW_SHOW);
        lists_[type] = shown;
        const FillResult result = FillList(shown, doc, type);
        if (result != FillResult::kDone) return result;
    }
    return FillResult::kDone;
}

UINT CItemCombos::FailureMessageId(FillResult result) {
    return result == FillResult::kNoSpace ? IDS_LOW_MEMORY : IDS_EDIT_TIME_INIT_FAILED;
}

HWND CItemCombos::List(int type) const { return IsListType(type) ? lists_[type] : nullptr; }

void CItemCombos::Select(int type, int index) {
    if (HWND list = List(type)) SelectComboData(list, index);
}

int CItemCombos::Chosen(int type) const {
    HWND list = List(type);
    if (list == nullptr) return -1;
    const LPARAM slot = SelectedComboData(list, -1);
    return slot >= 0 ? static_cast<int>(slot) : -1;
}

}  // namespace tw
