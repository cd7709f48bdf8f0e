#pragma once
// Test support for the gauges (percent bar, dial, four-way spin): a parent window that logs the
// messages its children send it (WM_COMMAND, WM_VSCROLL, WM_CTLCOLORSTATIC) and may answer
// them, and a spy that logs one kind of message a window receives.

#include <windows.h>

#include <functional>
#include <vector>

namespace tw::test {

struct LoggedMessage {
    HWND window;  // the receiver
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// A visible top-level window that logs what its children send it.
class LoggingParent {
public:
    LoggingParent();
    ~LoggingParent();
    LoggingParent(const LoggingParent&) = delete;
    LoggingParent& operator=(const LoggingParent&) = delete;

    HWND hwnd() const { return hwnd_; }
    // A child of `className` at (10, 10) with identifier `id`.
    HWND CreateChild(const char* className, DWORD style, int width, int height, int id = 100,
                     DWORD exStyle = 0);
    // The logged messages of one kind, in order.
    std::vector<LoggedMessage> Of(UINT msg) const;
    void Clear() { log_.clear(); }

    // Called for each logged message after it is logged; returning true answers the message
    // with `result` instead of default processing.
    std::function<bool(const LoggedMessage& m, LRESULT& result)> react;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    std::vector<LoggedMessage> log_;
};

// Subclasses `hwnd` while in scope and logs the messages `msg` it receives (then passes them on).
class MessageSpy {
public:
    MessageSpy(HWND hwnd, UINT msg);
    ~MessageSpy();
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;
    const std::vector<LoggedMessage>& Log() const { return log_; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_;
    UINT msg_;
    WNDPROC previous_;
    std::vector<LoggedMessage> log_;
};

// Mouse messages with client coordinates.
void Click(HWND hwnd, int x, int y);  // button down and up at one point
void MouseDown(HWND hwnd, int x, int y);
void MouseMove(HWND hwnd, int x, int y);
void MouseUp(HWND hwnd, int x, int y);

// True while `hwnd` has a timer `id` running (found by killing it, so the timer is gone after).
bool TimerWasRunning(HWND hwnd, UINT_PTR id);

}  // namespace tw::test
