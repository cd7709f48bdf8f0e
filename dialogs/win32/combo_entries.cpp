#include "dialogs/win32/combo_entries.h"

#include <prsht.h>

namespace tw {

ComboFill AddComboEntry(HWND combo, const std::string& text, LPARAM data) {
    if (combo == nullptr) return ComboFill::kFailed;
    const LRESULT at =
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (at == CB_ERRSPACE) return ComboFill::kNoSpace;
    if (at < 0) return ComboFill::kFailed;
    if (::SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(at), data) == CB_ERR)
        return ComboFill::kFailed;
    return ComboFill::kDone;
}

void SelectComboData(HWND combo, LPARAM data) {
    const LRESULT count = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT entry = 0; entry < count; ++entry) {
        if (::SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(entry), 0) == data) {
            ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
            return;
        }
    }
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

LPARAM SelectedComboData(HWND combo, LPARAM none) {
    const LRESULT entry = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (entry < 0) return none;
    const LRESULT data = ::SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(entry), 0);
    return data == CB_ERR ? none : data;
}

void CancelSheetOf(HWND page) {
    ::PostMessageA(::GetParent(page), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

}  // namespace tw
