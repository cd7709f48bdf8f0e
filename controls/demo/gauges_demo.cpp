// The gallery's gauges: three percent bars, two dials that follow their own scroll messages, and
// four-way spins plain, with a border and disabled.

#include "controls/demo/gauges_demo.h"

#include <algorithm>

#include "controls/tarn32.h"

namespace tw::demo {
namespace {

constexpr int kTop = 756;  // below the buttons and selectors
constexpr int kGroupHeight = 190;
constexpr int kMargin = 8;
constexpr const char* kPreviousProc = "tw.demo.dial.proc";

HWND Child(HWND window, HFONT font, const char* cls, const char* text, DWORD style, RECT r,
           int id = 0) {
    HWND child = CreateWindowA(cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void Caption(HWND window, HFONT font, int x, int y, const char* text) {
    Child(window, font, "STATIC", text, 0, {x, y, x + 120, y + 18});
}

// Grows the window so that its client area reaches `right` and `bottom`.
void GrowToHold(HWND window, int right, int bottom) {
    RECT client;
    GetClientRect(window, &client);
    RECT frame = {0, 0, std::max<LONG>(client.right, right), std::max<LONG>(client.bottom, bottom)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AddPercentBars(HWND window, HFONT font) {
    const int x = 18, barX = 136;
    Caption(window, font, x, kTop + 26, "Percent, sunken");
    HWND plain = Child(window, font, TARN_PERCENTBAR_CLASS, "", PCTS_BORDERSUNKEN | PCTS_PERCENT,
                       {barX, kTop + 22, barX + 300, kTop + 44});
    pbSetProgress(plain, 35);
    Caption(window, font, x, kTop + 66, "Scale and ticks");
    HWND scaled = Child(window, font, TARN_PERCENTBAR_CLASS, "",
                        PCTS_BORDERSINGLE | PCTS_PERCENT | PCTS_SCALELABELS | PCTS_TICKMARKS,
                        {barX, kTop + 60, barX + 300, kTop + 102});
    pbSetLimit(scaled, 200);
    pbSetProgress(scaled, 142);
    Caption(window, font, x, kTop + 124, "Raised, coloured");
    HWND coloured = Child(window, font, TARN_PERCENTBAR_CLASS, "", PCTS_BORDERRAISED | PCTS_PERCENT,
                          {barX, kTop + 120, barX + 300, kTop + 142});
    pbSetColor(coloured, PCT_COLOR_BAR, RGB(0, 128, 0));
    pbSetProgress(coloured, 80);
}

// Dials tell themselves (notify-self word) and this procedure turns them as asked.
LRESULT CALLBACK FollowingDialProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kPreviousProc));
    if (msg == WM_VSCROLL) {
        const LONG position = GetDialPos(hwnd);
        LONG minimum = 0, maximum = 0;
        GetDialRange(hwnd, &minimum, &maximum);
        const LONG page = std::max<LONG>((maximum - minimum) / 10, 1);
        switch (LOWORD(wParam)) {
            case SB_THUMBTRACK: SetDialPos(hwnd, short(HIWORD(wParam)), TRUE); break;
            case SB_LINEUP: SetDialPos(hwnd, position - 1, TRUE); break;
            case SB_LINEDOWN: SetDialPos(hwnd, position + 1, TRUE); break;
            case SB_PAGEUP: SetDialPos(hwnd, position - page, TRUE); break;
            case SB_PAGEDOWN: SetDialPos(hwnd, position + page, TRUE); break;
            case SB_TOP: SetDialPos(hwnd, maximum, TRUE); break;
            case SB_BOTTOM: SetDialPos(hwnd, minimum, TRUE); break;
            default: break;
        }
        return 0;
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(hwnd, kPreviousProc);
    }
    return CallWindowProcA(previous, hwnd, msg, wParam, lParam);
}

HWND AddFollowingDial(HWND window, HFONT font, int x, const char* caption) {
    Caption(window, font, x, kTop + 22, caption);
    HWND dial =
        Child(window, font, TARN_DIAL_CLASS, "", WS_TABSTOP, {x, kTop + 42, x + 110, kTop + 152});
    SetWindowWord(dial, DIAL_NOTIFYSELF_WORD, 1);
    SetPropA(dial, kPreviousProc, reinterpret_cast<HANDLE>(GetWindowLongPtrA(dial, GWLP_WNDPROC)));
    SetWindowLongPtrA(dial, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FollowingDialProc));
    return dial;
}

void AddDials(HWND window, HFONT font) {
    HWND volume = AddFollowingDial(window, font, 470, "Dial 0..100");
    SetDialPos(volume, 30, TRUE);
    HWND steps = AddFollowingDial(window, font, 600, "Dial 0..10, reversed");
    SetDialRange(steps, 0, 10, FALSE);
    SetDialDirection(steps, 0);
    SetDialPos(steps, 7, TRUE);
}

void AddSpins(HWND window, HFONT font) {
    const int x = 740;
    Caption(window, font, x, kTop + 26, "Four-way spin");
    Child(window, font, TARN_UDLR_CLASS, "", 0, {x + 130, kTop + 22, x + 158, kTop + 50});
    Caption(window, font, x, kTop + 66, "With border");
    Child(window, font, TARN_UDLR_CLASS, "", WS_BORDER, {x + 130, kTop + 62, x + 160, kTop + 92});
    Caption(window, font, x, kTop + 106, "Disabled");
    Child(window, font, TARN_UDLR_CLASS, "", WS_DISABLED,
          {x + 130, kTop + 102, x + 158, kTop + 130});
}

}  // namespace

void AddGauges(HWND window, HFONT font) {
    GrowToHold(window, 920 + kMargin, kTop + kGroupHeight + kMargin);
    Child(window, font, "BUTTON", "Percent bars, dials and four-way spins", BS_GROUPBOX,
          {kMargin, kTop, 920, kTop + kGroupHeight});
    AddPercentBars(window, font);
    AddDials(window, font);
    AddSpins(window, font);
}

}  // namespace tw::demo
