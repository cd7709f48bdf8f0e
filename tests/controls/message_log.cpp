// Test support for the gauges (see message_log.h).

#include "message_log.h"

namespace tw::test {
namespace {

constexpr const char* kParentClass = "TarnTestLoggingParent";
constexpr const char* kSpyProp = "tw.test.spy";

bool IsLogged(UINT msg) {
    return msg == WM_COMMAND || msg == WM_VSCROLL || msg == WM_CTLCOLORSTATIC;
}

void RegisterParentClass(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    LoadLibraryA("tarn32.dll");
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kParentClass;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&wc);
    registered = true;
}

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

}  // namespace

LoggingParent::LoggingParent() {
    RegisterParentClass(Proc);
    hwnd_ = CreateWindowExA(0, kParentClass, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                            300, nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

LoggingParent::~LoggingParent() {
    if (hwnd_) DestroyWindow(hwnd_);
}

HWND LoggingParent::CreateChild(const char* className, DWORD style, int width, int height, int id,
                                DWORD exStyle) {
    return CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, 10, 10, width,
                           height, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

std::vector<LoggedMessage> LoggingParent::Of(UINT msg) const {
    std::vector<LoggedMessage> kind;
    for (const LoggedMessage& m : log_)
        if (m.msg == msg) kind.push_back(m);
    return kind;
}

LRESULT CALLBACK LoggingParent::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<LoggingParent*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && IsLogged(msg)) {
        const LoggedMessage m{hwnd, msg, wParam, lParam};
        self->log_.push_back(m);
        LRESULT result = 0;
        if (self->react && self->react(m, result)) return result;
    }
    if (msg == WM_NCDESTROY && self) self->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

MessageSpy::MessageSpy(HWND hwnd, UINT msg) : hwnd_(hwnd), msg_(msg) {
    SetPropA(hwnd, kSpyProp, this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
}

MessageSpy::~MessageSpy() {
    if (!IsWindow(hwnd_)) return;
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropA(hwnd_, kSpyProp);
}

LRESULT CALLBACK MessageSpy::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<MessageSpy*>(GetPropA(hwnd, kSpyProp));
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == self->msg_) self->log_.push_back({hwnd, msg, wParam, lParam});
    return CallWindowProcA(self->previous_, hwnd, msg, wParam, lParam);
}

void MouseDown(HWND hwnd, int x, int y) {
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
}

void MouseMove(HWND hwnd, int x, int y) {
    SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, Point(x, y));
}

void MouseUp(HWND hwnd, int x, int y) { SendMessageA(hwnd, WM_LBUTTONUP, 0, Point(x, y)); }

void Click(HWND hwnd, int x, int y) {
    MouseDown(hwnd, x, y);
    MouseUp(hwnd, x, y);
}

bool TimerWasRunning(HWND hwnd, UINT_PTR id) { return KillTimer(hwnd, id) != FALSE; }

}  // namespace tw::test
