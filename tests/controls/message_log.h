#pragma once
// Test support for the gauges (percent bar, dial, four-way spin): a spy that logs the messages
// of chosen kinds a window receives and may answer them, and a parent window with such a spy
// on what its children send it (WM_COMMAND, WM_VSCROLL, WM_CTLCOLORSTATIC).

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "control_test_support.h"

namespace tw::test {

struct LoggedMessage {
    HWND window;  // the receiver
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// Called for each logged message after it is logged; returning true answers the message with
// `result` instead of passing it on.
using MessageReaction = std::function<bool(const LoggedMessage& m, LRESULT& result)>;

// Subclasses `hwnd` while in scope and logs the messages of the kinds `kinds` it receives.
class MessageSpy {
public:
    MessageSpy(HWND hwnd, std::initializer_list<UINT> kinds);
    ~MessageSpy();
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;

    const std::vector<LoggedMessage>& Log() const { return log_; }
    std::vector<LoggedMessage> Of(UINT msg) const;
    void Clear() { log_.clear(); }
    MessageReaction react;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_;
    std::vector<UINT> kinds_;
    WNDPROC previous_;
    std::vector<LoggedMessage> log_;
};

// A visible top-level window that logs what its children send it.
class LoggingParent {
public:
    LoggingParent() : spy_(parent_.hwnd(), {WM_COMMAND, WM_VSCROLL, WM_CTLCOLORSTATIC}) {}

    HWND hwnd() const { return parent_.hwnd(); }
    // A child of `className` at (10, 10) with identifier `id`.
    HWND CreateChild(const char* className, DWORD style, int width, int height, int id = 100,
                     DWORD exStyle = 0) {
        return parent_.CreateChild(className, style, id, width, height, exStyle);
    }
    std::vector<LoggedMessage> Of(UINT msg) const { return spy_.Of(msg); }
    void Clear() { spy_.Clear(); }
    void React(MessageReaction reaction) { spy_.react = std::move(reaction); }

private:
    RecordingParent parent_;
    MessageSpy spy_;
};

// Mouse messages with client coordinates.
void Click(HWND hwnd, int x, int y);  // button down and up at one point
void MouseDown(HWND hwnd, int x, int y);
void MouseMove(HWND hwnd, int x, int y);
void MouseUp(HWND hwnd, int x, int y);

// True while `hwnd` has a timer `id` running (found by killing it, so the timer is gone after).
bool TimerWasRunning(HWND hwnd, UINT_PTR id);

}  // namespace tw::test
