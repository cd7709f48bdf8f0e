// Test support for the gauges (see message_log.h).

#include "message_log.h"

#include <algorithm>

namespace tw::test {
namespace {

constexpr const char* kSpyProp = "tw.test.spy";

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

}  // namespace

MessageSpy::MessageSpy(HWND hwnd, std::initializer_list<UINT> kinds) : hwnd_(hwnd), kinds_(kinds) {
    SetPropA(hwnd, kSpyProp, this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
}

MessageSpy::~MessageSpy() {
    if (!IsWindow(hwnd_)) return;
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropA(hwnd_, kSpyProp);
}

std::vector<LoggedMessage> MessageSpy::Of(UINT msg) const {
    std::vector<LoggedMessage> kind;
    for (const LoggedMessage& m : log_)
        if (m.msg == msg) kind.push_back(m);
    return kind;
}

LRESULT CALLBACK MessageSpy::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<MessageSpy*>(GetPropA(hwnd, kSpyProp));
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    const WNDPROC previous = self->previous_;
    if (std::find(self->kinds_.begin(), self->kinds_.end(), msg) != self->kinds_.end()) {
        const LoggedMessage m{hwnd, msg, wParam, lParam};
        self->log_.push_back(m);
        LRESULT result = 0;
        if (self->react && self->react(m, result)) return result;
    }
    return CallWindowProcA(previous, hwnd, msg, wParam, lParam);
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
