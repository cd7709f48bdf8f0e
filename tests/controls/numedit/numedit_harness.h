#pragma once
// Test harness of the numeric edit: a parent that logs the control's notifications in order
// (WM_COMMAND codes and WM_NOTIFY -901), a subclass of the control that logs its change hook,
// counts its paints and can refuse permission, and helpers to type, click and read pixels.

#include <windows.h>

#include <string>
#include <vector>

#include "tests/controls/control_test_support.h"
#include "controls/tarn32.h"

namespace tw::test {

class NumEditHarness {
public:
    NumEditHarness();
    ~NumEditHarness();
    NumEditHarness(const NumEditHarness&) = delete;
    NumEditHarness& operator=(const NumEditHarness&) = delete;

    // Creates a numeric edit (identifier `id`) as a child of the parent and subclasses it.
    HWND Create(DWORD style, const char* text = "", int id = 100, int width = 140, int height = 24);
    HWND parent() const { return parent_; }

    // The events since the last Clear: "setfocus", "killfocus", "update", "change",
    // "errspace", "maxtext", "hscroll", "spin" (WM_NOTIFY -901), "hook" (0x590).
    const std::vector<std::string>& Log() const { return log_; }
    void Clear() { log_.clear(); }
    // The parent destroys the sending control when it receives `event`.
    void DestroyOn(const std::string& event) { destroyOn_ = event; }
    // The control answers its permission message with 0 while `refuse` is true.
    void RefusePermission(bool refuse) { refuse_ = refuse; }
    int Paints() const { return paints_; }

    // A parameter record with the given format and decimals, the default separators, range off.
    static NMEDITPARAMS Params(int format, int decimals);

private:
    static LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Record(const std::string& event, HWND from);

    HWND parent_ = nullptr;
    std::vector<std::string> log_;
    std::string destroyOn_;
    bool refuse_ = false;
    int paints_ = 0;
};

// WM_CHAR for each character of `text`.
void TypeChars(HWND hwnd, const char* text);
// WM_KEYDOWN of `vk`.
void Key(HWND hwnd, UINT vk);
// Sets the Insert key's toggle in the thread's keyboard state (on: insert, off: overwrite).
void SetInsertMode(bool on);
// The client area painted through WM_PRINTCLIENT, row by row.
std::vector<COLORREF> ClientPixels(HWND hwnd);
// Whether the client area has a pixel of `colour` in the columns [left, right).
bool HasColourInColumns(HWND hwnd, COLORREF colour, int left, int right);

}  // namespace tw::test
