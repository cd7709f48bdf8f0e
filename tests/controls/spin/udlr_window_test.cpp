// Four-way spin windows of the library under test: size, pictures, presses, drags and releases
// compared with the WM_COMMAND codes the parent receives, the repeat timer and the ends of a
// press.

#include <gtest/gtest.h>

#include <vector>

#include "../control_test_support.h"
#include "../message_log.h"
#include "controls/tarn32.h"

namespace tw::test {
namespace {

constexpr int kSpinId = 42;
constexpr POINT kUp = {14, 5};
constexpr POINT kDown = {14, 22};
constexpr POINT kLeft = {5, 14};
constexpr POINT kRight = {22, 14};
constexpr POINT kDiagonal = {10, 10};
constexpr POINT kOutside = {40, 14};
constexpr COLORREF kFace = RGB(192, 192, 192);
constexpr COLORREF kPressed = RGB(128, 128, 128);

SIZE ClientSize(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return {r.right, r.bottom};
}

SIZE WindowSize(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}

class SpinWindow : public ::testing::Test {
protected:
    LoggingParent parent;

    HWND Make(DWORD style = 0, DWORD exStyle = 0) {
        return parent.CreateChild(TARN_UDLR_CLASS, style, 50, 50, kSpinId, exStyle);
    }
    // The codes the parent was told since the last call; every one names the spin.
    std::vector<int> Told(HWND spin) {
        std::vector<int> codes;
        for (const LoggedMessage& m : parent.Of(WM_COMMAND)) {
            EXPECT_EQ(kSpinId, LOWORD(m.wParam));
            EXPECT_EQ(LPARAM(spin), m.lParam);
            codes.push_back(HIWORD(m.wParam));
        }
        parent.Clear();
        return codes;
    }
    static void Down(HWND spin, POINT p) { MouseDown(spin, p.x, p.y); }
    static void Move(HWND spin, POINT p) { MouseMove(spin, p.x, p.y); }
    static void Up(HWND spin, POINT p) { MouseUp(spin, p.x, p.y); }
};

TEST_F(SpinWindow, SizesItselfToItsPicture) {
    HWND plain = Make();
    EXPECT_EQ(28, ClientSize(plain).cx);
    EXPECT_EQ(28, ClientSize(plain).cy);
    EXPECT_EQ(28, WindowSize(plain).cx);
    HWND bordered = Make(WS_BORDER);
    EXPECT_EQ(28 + 2 * GetSystemMetrics(SM_CXBORDER), WindowSize(bordered).cx);
    EXPECT_EQ(28 + 2 * GetSystemMetrics(SM_CYBORDER), WindowSize(bordered).cy);
    EXPECT_EQ(28, ClientSize(bordered).cy);
    HWND edged = Make(0, WS_EX_CLIENTEDGE);
    EXPECT_EQ(28, ClientSize(edged).cx) << "any frame keeps the picture's client size";
    SetWindowPos(plain, nullptr, 0, 0, 80, 60, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(28, WindowSize(plain).cx);
    EXPECT_EQ(28, WindowSize(plain).cy);
}

TEST_F(SpinWindow, EachArrowIsToldAtTheRelease) {
    HWND spin = Make();
    const std::pair<POINT, int> arrows[] = {
        {kUp, UDLRN_UP}, {kRight, UDLRN_RIGHT}, {kDown, UDLRN_DOWN}, {kLeft, UDLRN_LEFT}};
    for (const auto& [point, code] : arrows) {
        Down(spin, point);
        EXPECT_EQ(spin, GetCapture());
        EXPECT_EQ(std::vector<int>(), Told(spin)) << "nothing while held";
        Up(spin, point);
        EXPECT_EQ(std::vector<int>({code}), Told(spin));
        EXPECT_NE(spin, GetCapture());
    }
    SendMessageA(spin, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(kUp.x, kUp.y));
    Up(spin, kUp);
    EXPECT_EQ(std::vector<int>({UDLRN_UP}), Told(spin)) << "the second click of a double click";
}

TEST_F(SpinWindow, TheArrowUnderTheReleaseCounts) {
    HWND spin = Make();
    Down(spin, kUp);
    Move(spin, kRight);
    Up(spin, kRight);
    EXPECT_EQ(std::vector<int>({UDLRN_RIGHT}), Told(spin)) << "dragged from up to right";

    Down(spin, kLeft);
    Move(spin, kOutside);
    Up(spin, kOutside);
    EXPECT_EQ(std::vector<int>(), Told(spin)) << "released outside";

    Down(spin, kDiagonal);
    Up(spin, kDiagonal);
    Click(spin, 14, 14);
    Click(spin, 20, 8);  // the other diagonal
    EXPECT_EQ(std::vector<int>(), Told(spin)) << "the diagonals belong to no arrow";

    Down(spin, kOutside);
    Move(spin, kDown);
    Up(spin, kDown);
    EXPECT_EQ(std::vector<int>({UDLRN_DOWN}), Told(spin)) << "pressed outside, released on down";
    Up(spin, kUp);
    EXPECT_EQ(std::vector<int>(), Told(spin)) << "a release without a press";
}

TEST_F(SpinWindow, PressedArrowIsDrawnSunken) {
    HWND spin = Make();
    EXPECT_EQ(kFace, PaintedPixel(spin, 14, 3));
    EXPECT_EQ(RGB(0, 0, 0), PaintedPixel(spin, kUp.x, kUp.y)) << "the arrow's tip";
    Down(spin, kUp);
    EXPECT_EQ(kPressed, PaintedPixel(spin, 14, 3));
    EXPECT_EQ(kFace, PaintedPixel(spin, 25, 14));
    Move(spin, kRight);
    EXPECT_EQ(kFace, PaintedPixel(spin, 14, 3));
    EXPECT_EQ(kPressed, PaintedPixel(spin, 25, 14));
    Move(spin, kOutside);
    EXPECT_EQ(kFace, PaintedPixel(spin, 25, 14)) << "at rest while the pointer is off the arrows";
    Up(spin, kOutside);
    EXPECT_EQ(kFace, PaintedPixel(spin, 14, 3));
}

TEST_F(SpinWindow, HeldArrowRepeatsAfterTheKeyboardDelay) {
    HWND spin = Make();
    Down(spin, kRight);
    SendMessageA(spin, WM_TIMER, UDLR_TIMER_REPEAT, 0);
    EXPECT_EQ(std::vector<int>(), Told(spin)) << "the delay only starts the repeat";
    SendMessageA(spin, WM_TIMER, UDLR_TIMER_REPEAT, 0);
    SendMessageA(spin, WM_TIMER, UDLR_TIMER_REPEAT, 0);
    EXPECT_EQ(std::vector<int>({UDLRN_RIGHT, UDLRN_RIGHT}), Told(spin));
    Move(spin, kDiagonal);
    SendMessageA(spin, WM_TIMER, UDLR_TIMER_REPEAT, 0);
    EXPECT_EQ(std::vector<int>(), Told(spin)) << "off the arrows";
    Move(spin, kUp);
    SendMessageA(spin, WM_TIMER, UDLR_TIMER_REPEAT, 0);
    EXPECT_EQ(std::vector<int>({UDLRN_UP}), Told(spin)) << "the arrow now under the pointer";
    Up(spin, kUp);
    EXPECT_EQ(std::vector<int>({UDLRN_UP}), Told(spin));
    EXPECT_FALSE(TimerWasRunning(spin, UDLR_TIMER_REPEAT));
    SendMessageA(spin, WM_TIMER, UDLR_TIMER_REPEAT, 0);
    EXPECT_EQ(std::vector<int>(), Told(spin));
}

TEST_F(SpinWindow, CaptureLossCancelModeAndDisablingEndThePressSilently) {
    HWND spin = Make();
    Down(spin, kLeft);
    EXPECT_TRUE(TimerWasRunning(spin, UDLR_TIMER_REPEAT)) << "the press starts the delay";
    Up(spin, kLeft);
    Told(spin);

    const std::pair<const char*, void (*)(HWND)> enders[] = {
        {"capture loss", [](HWND s) { SetCapture(GetParent(s)); }},
        {"cancel mode", [](HWND s) { SendMessageA(s, WM_CANCELMODE, 0, 0); }},
        {"disabling", [](HWND s) { EnableWindow(s, FALSE); }},
    };
    for (const auto& [name, end] : enders) {
        EnableWindow(spin, TRUE);
        Down(spin, kLeft);
        end(spin);
        EXPECT_NE(spin, GetCapture()) << name;
        EXPECT_EQ(kFace, PaintedPixel(spin, 3, 14)) << name;
        EXPECT_FALSE(TimerWasRunning(spin, UDLR_TIMER_REPEAT)) << name;
        Up(spin, kLeft);
        SendMessageA(spin, WM_TIMER, UDLR_TIMER_REPEAT, 0);
        EXPECT_EQ(std::vector<int>(), Told(spin)) << name;
        ReleaseCapture();
    }
}

TEST_F(SpinWindow, DisabledSpinLooksGreyAndTakesNoPress) {
    HWND enabled = Make();
    HWND disabled = Make(WS_DISABLED);
    EXPECT_EQ(RGB(0, 0, 0), PaintedPixel(enabled, kUp.x, kUp.y + 2));
    EXPECT_EQ(kPressed, PaintedPixel(disabled, kUp.x, kUp.y + 2)) << "grey arrows";
    EXPECT_EQ(kFace, PaintedPixel(disabled, 14, 3));
    Down(disabled, kUp);
    Up(disabled, kUp);
    EXPECT_EQ(std::vector<int>(), Told(disabled));
    EnableWindow(disabled, TRUE);
    EXPECT_EQ(RGB(0, 0, 0), PaintedPixel(disabled, kUp.x, kUp.y + 2));
    Click(disabled, kUp.x, kUp.y);
    EXPECT_EQ(std::vector<int>({UDLRN_UP}), Told(disabled));
}

TEST_F(SpinWindow, ParentMayDestroyTheSpinWhileItIsTold) {
    parent.React([](const LoggedMessage& m, LRESULT&) {
        if (m.msg == WM_COMMAND) DestroyWindow(reinterpret_cast<HWND>(m.lParam));
        return false;
    });
    HWND released = Make();
    Click(released, kUp.x, kUp.y);
    EXPECT_FALSE(IsWindow(released));
    HWND repeating = Make();
    Down(repeating, kDown);
    SendMessageA(repeating, WM_TIMER, UDLR_TIMER_REPEAT, 0);
    SendMessageA(repeating, WM_TIMER, UDLR_TIMER_REPEAT, 0);
    EXPECT_FALSE(IsWindow(repeating));
    EXPECT_EQ(nullptr, GetCapture());
}

}  // namespace
}  // namespace tw::test
