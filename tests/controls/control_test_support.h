#pragma once
// Test support for tarn32.dll: the library loaded by name, a parent window that records the
// WM_COMMAND notifications it receives in order, and helpers to drive controls.

#include <windows.h>

#include <string>
#include <vector>

namespace tw::test {

// tarn32.dll loaded with LoadLibraryA (once per process).
HMODULE TarnModule();

struct Notification {
    WORD id;
    WORD code;
    HWND from;
};

// A top-level window that records every WM_COMMAND it receives.
class RecordingParent {
public:
    RecordingParent();
    ~RecordingParent();
    RecordingParent(const RecordingParent&) = delete;
    RecordingParent& operator=(const RecordingParent&) = delete;

    HWND hwnd() const { return hwnd_; }
    // Creates a child control of `className` with identifier `id`.
    HWND CreateChild(const char* className, DWORD style, int id = 100, int width = 120,
                     int height = 24, DWORD exStyle = 0);
    std::vector<WORD> Codes() const;
    void Clear() { notifications_.clear(); }
    // From now on the parent destroys the sending control when it receives `code`.
    void DestroyChildOn(WORD code) { destroyOn_ = code; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    std::vector<Notification> notifications_;
    WORD destroyOn_ = 0;
};

// WM_KEYDOWN (and the WM_CHAR a keyboard would produce for printable keys) to `hwnd`.
void PressKey(HWND hwnd, UINT vk);
// Presses each digit of `digits` in turn.
void TypeDigits(HWND hwnd, const char* digits);
// Holds `vk` (Shift, Control) down in the thread's keyboard state while in scope.
class HeldKey {
public:
    explicit HeldKey(int vk);
    ~HeldKey();

private:
    int vk_;
};

// Subclasses `hwnd` so that it answers its permission message (0x49F) with 0 while in scope.
class PermissionRefuser {
public:
    explicit PermissionRefuser(HWND hwnd);
    ~PermissionRefuser();

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_;
};

// Delivers posted messages waiting for this thread.
void PumpMessages();

// WM_GETTEXT of a window.
std::string WindowText(HWND hwnd);

// Paints `hwnd` into a memory DC through WM_PRINTCLIENT; returns the pixel at (x, y).
COLORREF PaintedPixel(HWND hwnd, int x, int y);

}  // namespace tw::test
