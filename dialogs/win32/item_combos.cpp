#include "dialogs/win32/item_combos.h"

#include "app/res/resource.h"
#include "dialogs/item_choices.h"
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
        const LRESULT at =
            ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.text.c_str()));
        if (at == CB_ERRSPACE) return CItemCombos::FillResult::kNoSpace;
        if (at < 0 || ::SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(at),
                                     static_cast<LPARAM>(choice.index)) == CB_ERR) {
            return CItemCombos::FillResult::kFailed;
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
    HWND list = List(type);
    if (list == nullptr) return;
    const LRESULT count = ::SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (LRESULT entry = 0; entry < count; ++entry) {
        if (::SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(entry), 0) == index) {
            ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
            return;
        }
    }
    ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

int CItemCombos::Chosen(int type) const {
    HWND list = List(type);
    if (list == nullptr) return -1;
    const LRESULT entry = ::SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (entry < 0) return -1;
    const LRESULT slot = ::SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(entry), 0);
    return slot >= 0 ? static_cast<int>(slot) : -1;
}

}  // namespace tw
