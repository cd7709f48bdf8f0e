#include "tests/app/win32/dialog_driver.h"

#include <algorithm>

#include "controls/tarn32.h"

namespace tw::test {

namespace {

constexpr UINT kRunScript = WM_APP + 1;   // wp: the dialog
constexpr UINT kCheckEnded = WM_APP + 2;  // wp: the dialog
constexpr char kDriverClass[] = "TwTestDialogDriver";

std::vector<DialogDriver*> g_drivers;  // the drivers of the test's thread, one per caption
HHOOK g_showHook = nullptr;            // one hook serves every driver

}  // namespace

DialogDriver::DialogDriver(std::string caption) : caption_(std::move(caption)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &DialogDriver::DriverProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kDriverClass;
    ::RegisterClassA(&wc);  // fails harmlessly when already registered
    window_ = ::CreateWindowExA(0, kDriverClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                wc.hInstance, nullptr);
    g_drivers.push_back(this);
    if (g_showHook == nullptr)
        g_showHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &DialogDriver::ShowHook, nullptr,
                                         ::GetCurrentThreadId());
}

DialogDriver::~DialogDriver() {
    if (window_ != nullptr) ::DestroyWindow(window_);
    g_drivers.erase(std::find(g_drivers.begin(), g_drivers.end(), this));
    if (g_drivers.empty() && g_showHook != nullptr) {
        ::UnhookWindowsHookEx(g_showHook);
        g_showHook = nullptr;
    }
}

LRESULT CALLBACK DialogDriver::ShowHook(int code, WPARAM wp, LPARAM lp) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam != FALSE) {
        for (DialogDriver* driver : g_drivers) driver->OnShown(call->hwnd);
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK DialogDriver::DriverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DialogDriver* driver = nullptr;
    for (DialogDriver* d : g_drivers)
        if (d->window_ == hwnd) driver = d;
    if (driver != nullptr && msg == kRunScript) {
        driver->Run(reinterpret_cast<HWND>(wp));
        return 0;
    }
    if (driver != nullptr && msg == kCheckEnded) {
        driver->CheckEnded(reinterpret_cast<HWND>(wp));
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wp, lp);
}

bool DialogDriver::Matches(HWND window) const {
    char name[32] = {};
    ::GetClassNameA(window, name, sizeof name);
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return std::string(name) == "#32770" && caption_ == text;
}

// A matching dialog shows for the first time (its modal loop shows it once the queue is
// empty): its script runs from the loop. The pointer is put on the dialog's caption, away from
// its buttons, so that the messages the script's actions follow carry a neutral position.
void DialogDriver::OnShown(HWND dialog) {
    if (!Matches(dialog)) return;
    for (HWND w : seen_)
        if (w == dialog) return;
    seen_.push_back(dialog);
    ++opened_;
    RECT rect;
    ::GetWindowRect(dialog, &rect);
    ::SetCursorPos(rect.left + 4, rect.top + 4);
    ::PostMessageA(window_, kRunScript, reinterpret_cast<WPARAM>(dialog), 0);
}

void DialogDriver::Run(HWND dialog) {
    if (!::IsWindow(dialog)) return;
    if (scripts_.empty()) {
        problems_.push_back("a dialog opened without a script");
        ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    Script script = std::move(scripts_.front());
    scripts_.pop_front();
    script(dialog);
    // Queued after whatever the script posted: by then the dialog must have ended.
    ::PostMessageA(window_, kCheckEnded, reinterpret_cast<WPARAM>(dialog), 0);
}

// Reached after everything the script posted: an ended dialog has been destroyed by then.
void DialogDriver::CheckEnded(HWND dialog) {
    if (!::IsWindow(dialog)) return;
    problems_.push_back("a script left its dialog open");
    ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

void SetItemText(HWND dialog, int id, const std::string& text) {
    ::SetDlgItemTextA(dialog, id, text.c_str());
}

std::string ItemText(HWND dialog, int id) {
    char text[1024] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetDate(HWND dialog, int id, int year, int month, int day) {
    WORD mdy[3] = {static_cast<WORD>(month), static_cast<WORD>(day), static_cast<WORD>(year)};
    ::SendDlgItemMessageA(dialog, id, DEM_SETDATE, 0, reinterpret_cast<LPARAM>(mdy));
}

void SetTime(HWND dialog, int id, int hour, int minute, int second) {
    WORD hms[3] = {static_cast<WORD>(hour), static_cast<WORD>(minute), static_cast<WORD>(second)};
    ::SendDlgItemMessageA(dialog, id, TEM_SETTIME, 0, reinterpret_cast<LPARAM>(hms));
}

int DateYear(HWND dialog, int id) {
    return static_cast<int>(::SendDlgItemMessageA(dialog, id, DEM_GETYEAR, 0, 0));
}

void TimeOf(HWND dialog, int id, int& hour, int& minute) {
    WORD hms[3] = {};
    ::SendDlgItemMessageA(dialog, id, TEM_GETTIME, 0, reinterpret_cast<LPARAM>(hms));
    hour = hms[0];
    minute = hms[1];
}

}  // namespace tw::test
