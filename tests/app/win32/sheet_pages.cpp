#include "tests/app/win32/sheet_pages.h"

#include <commctrl.h>
#include <prsht.h>

namespace tw::test {

HWND ShowPage(HWND sheet, int index) {
    ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return CurrentPage(sheet);
}

HWND CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

std::string TabText(HWND sheet, int index) {
    HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    char text[128] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

void ChooseData(HWND page, int id, LPARAM data) {
    HWND list = ::GetDlgItem(page, id);
    const LRESULT count = ::SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (LRESULT entry = 0; entry < count; ++entry) {
        if (::SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(entry), 0) != data) continue;
        ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(list));
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK),
                       reinterpret_cast<LPARAM>(list));
        return;
    }
}

LPARAM ChosenData(HWND page, int id) {
    const LRESULT entry = ::SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0);
    if (entry < 0) return -1;
    return ::SendDlgItemMessageA(page, id, CB_GETITEMDATA, static_cast<WPARAM>(entry), 0);
}

std::string EntryText(HWND page, int id, int entry) {
    char text[256] = {};
    ::SendDlgItemMessageA(page, id, CB_GETLBTEXT, static_cast<WPARAM>(entry),
                          reinterpret_cast<LPARAM>(text));
    return text;
}

int EntryCount(HWND page, int id) {
    return static_cast<int>(::SendDlgItemMessageA(page, id, CB_GETCOUNT, 0, 0));
}

bool IsEnabled(HWND page, int id) { return ::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE; }

}  // namespace tw::test
