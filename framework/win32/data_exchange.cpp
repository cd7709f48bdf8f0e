#include "framework/win32/data_exchange.h"

#include <vector>

#include "framework/prompt.h"
#include "framework/value_checks.h"

namespace tw {

namespace {

const char kTextNotInteger[] = "Please enter an integer.";

std::string ControlText(HWND control) {
    int length = ::GetWindowTextLengthA(control);
    std::vector<char> buffer(static_cast<size_t>(length) + 2, '\0');
    ::GetWindowTextA(control, buffer.data(), length + 1);
    return buffer.data();
}

bool IsEdit(HWND control) {
    char name[16] = "";
    ::GetClassNameA(control, name, sizeof name);
    return lstrcmpiA(name, "Edit") == 0;
}

}  // namespace

void CDataExchange::Text(int id, std::string& value) {
    if (failed_) return;
    if (saving_) {
        value = ControlText(Control(id));
    } else {
        ::SetDlgItemTextA(dialog_, id, value.c_str());
    }
}

void CDataExchange::Text(int id, int& value) {
    if (failed_) return;
    if (!saving_) {
        ::SetDlgItemTextA(dialog_, id, std::to_string(value).c_str());
        return;
    }
    std::optional<int> number = ParseInteger(ControlText(Control(id)));
    if (!number) {
        Fail(id, kTextNotInteger);
        return;
    }
    value = *number;
}

void CDataExchange::Check(int id, bool& value) {
    if (failed_) return;
    if (saving_) {
        value = ::IsDlgButtonChecked(dialog_, id) == BST_CHECKED;
    } else {
        ::CheckDlgButton(dialog_, id, value ? BST_CHECKED : BST_UNCHECKED);
    }
}

void CDataExchange::Radio(std::initializer_list<int> ids, int& index) {
    if (failed_) return;
    int position = 0;
    if (saving_) index = -1;
    for (int id : ids) {
        if (saving_ && index < 0 && ::IsDlgButtonChecked(dialog_, id) == BST_CHECKED)
            index = position;
        if (!saving_)
            ::CheckDlgButton(dialog_, id, position == index ? BST_CHECKED : BST_UNCHECKED);
        ++position;
    }
}

void CDataExchange::ComboIndex(int id, int& index) {
    if (failed_) return;
    char name[16] = "";
    ::GetClassNameA(Control(id), name, sizeof name);
    bool list = lstrcmpiA(name, "ListBox") == 0;
    UINT get = list ? LB_GETCURSEL : CB_GETCURSEL;
    UINT set = list ? LB_SETCURSEL : CB_SETCURSEL;
    if (saving_) {
        index = static_cast<int>(::SendDlgItemMessageA(dialog_, id, get, 0, 0));
        if (index < 0) index = -1;
    } else {
        ::SendDlgItemMessageA(dialog_, id, set, static_cast<WPARAM>(index), 0);
    }
}

void CDataExchange::IntRange(int id, int value, int low, int high) {
    if (failed_ || !saving_) return;
    std::string refusal = CheckIntegerRange(value, low, high);
    if (!refusal.empty()) Fail(id, refusal);
}

void CDataExchange::MaxChars(int id, const std::string& value, int maxChars) {
    if (failed_) return;
    if (!saving_) {
        ::SendDlgItemMessageA(dialog_, id, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
        return;
    }
    std::string refusal = CheckTextLength(value, maxChars);
    if (!refusal.empty()) Fail(id, refusal);
}

void CDataExchange::Fail(int id, const std::string& text) {
    failed_ = true;
    Tell(text, PromptIcon::Warning);
    HWND control = Control(id);
    if (control == nullptr) return;
    ::SetFocus(control);
    if (IsEdit(control)) ::SendMessageA(control, EM_SETSEL, 0, -1);
}

bool ExchangeData(HWND dialog, bool saving, const std::function<void(CDataExchange&)>& exchange) {
    CDataExchange dx(dialog, saving);
    exchange(dx);
    return !dx.Failed();
}

}  // namespace tw
