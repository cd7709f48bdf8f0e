// The numeric edit's spin buttons: the press and its notifications, the timers driven by
// WM_TIMER, the end of a hold in every way it can end, the range, and their pixels.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numedit_harness.h"

namespace tw::test {
namespace {

using Events = std::vector<std::string>;

// A 140 x 24 client: the buttons are the right 15 pixels, up over down.
constexpr int kButtonX = 132;
constexpr int kUpY = 5;
constexpr int kDownY = 18;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class NumEditSpin : public ::testing::Test {
protected:
    void SetUp() override {
        edit = h.Create(NMS_SPINBUTTONS, "0");
        const NMEDITPARAMS p = NumEditHarness::Params(1, 0);
        ASSERT_EQ(nmSetEditParams(edit, &p), 1);
        h.Clear();
    }
    void Press(int y) { SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, At(kButtonX, y)); }
    void Release() { SendMessageA(edit, WM_LBUTTONUP, 0, At(kButtonX, kUpY)); }
    void Tick(UINT_PTR id) { SendMessageA(edit, WM_TIMER, id, 0); }
    // True when the control had timer `id` (which is gone afterwards).
    bool HadTimer(UINT_PTR id) { return KillTimer(edit, id) != FALSE; }

    NumEditHarness h;
    HWND edit = nullptr;
};

TEST_F(NumEditSpin, APressNotifiesThenStepsAsAUserEdit) {
    Press(kUpY);
    EXPECT_EQ(WindowText(edit), "1");
    EXPECT_EQ(h.Log(), Events({"spin", "update", "change", "hook"}));
    EXPECT_EQ(GetCapture(), edit);
    EXPECT_EQ(SendMessageA(edit, EM_GETMODIFY, 0, 0), 1);
    Release();
    EXPECT_NE(GetCapture(), edit);
    Press(kDownY);
    Release();
    Press(kDownY);
    Release();
    EXPECT_EQ(WindowText(edit), "-1");
}

TEST_F(NumEditSpin, TimersRepeatTheStepWhileHeld) {
    Press(kUpY);
    Tick(NM_SPIN_REPEAT_TIMER);
    EXPECT_EQ(WindowText(edit), "1") << "no repeat during the first delay";
    Tick(NM_SPIN_DELAY_TIMER);
    EXPECT_EQ(WindowText(edit), "2");
    Tick(NM_SPIN_REPEAT_TIMER);
    Tick(NM_SPIN_REPEAT_TIMER);
    EXPECT_EQ(WindowText(edit), "4");
    SendMessageA(edit, WM_MOUSEMOVE, MK_LBUTTON, At(10, 5));
    Tick(NM_SPIN_REPEAT_TIMER);
    EXPECT_EQ(WindowText(edit), "4") << "the mouse left the button";
    SendMessageA(edit, WM_MOUSEMOVE, MK_LBUTTON, At(kButtonX, kUpY));
    Tick(NM_SPIN_REPEAT_TIMER);
    EXPECT_EQ(WindowText(edit), "5");
    EXPECT_FALSE(HadTimer(NM_SPIN_DELAY_TIMER)) << "timer 1 was replaced by timer 2";
    Release();
    EXPECT_FALSE(HadTimer(NM_SPIN_REPEAT_TIMER));
    Tick(NM_SPIN_REPEAT_TIMER);
    EXPECT_EQ(WindowText(edit), "5");
}

TEST_F(NumEditSpin, EveryEndOfAHoldStopsTheTimers) {
    Press(kUpY);
    EXPECT_TRUE(HadTimer(NM_SPIN_DELAY_TIMER));
    Release();

    Press(kUpY);
    SetCapture(h.parent());
    EXPECT_FALSE(HadTimer(NM_SPIN_DELAY_TIMER)) << "capture lost";
    ReleaseCapture();

    Press(kUpY);
    Tick(NM_SPIN_DELAY_TIMER);
    SendMessageA(edit, WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(HadTimer(NM_SPIN_REPEAT_TIMER)) << "cancelled mode";
    EXPECT_NE(GetCapture(), edit);

    Press(kUpY);
    EnableWindow(edit, FALSE);
    EXPECT_FALSE(HadTimer(NM_SPIN_DELAY_TIMER)) << "disabled";
    EnableWindow(edit, TRUE);

    Press(kUpY);
    nmEnableSpinButtons(edit, 0);
    EXPECT_FALSE(HadTimer(NM_SPIN_DELAY_TIMER)) << "buttons hidden";
    EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & NMS_SPINBUTTONS, 0);
    const std::string before = WindowText(edit);
    Press(kUpY);
    EXPECT_EQ(WindowText(edit), before) << "hidden buttons take no clicks";
    Release();
}

TEST_F(NumEditSpin, StepsByTheDeltaWithinTheRange) {
    NMEDITPARAMS p = NumEditHarness::Params(0, 2);
    p.rangeOn = 1;
    p.minimum = -1;
    p.maximum = 1;
    ASSERT_EQ(nmSetEditParams(edit, &p), 1);
    const double delta = 0.75;
    nmSetDeltaValue(edit, &delta);
    for (int i = 0; i < 3; ++i) {
        Press(kUpY);
        Release();
    }
    EXPECT_EQ(WindowText(edit), "1.00");
    Press(kDownY);
    Release();
    EXPECT_EQ(WindowText(edit), "0.25");
    SetWindowTextA(edit, "abc");
    Press(kDownY);
    Release();
    EXPECT_EQ(WindowText(edit), "-0.75") << "a text that is not a number steps from 0";
    nmSetNull(edit);
    Press(kUpY);
    Release();
    EXPECT_EQ(WindowText(edit), "0.75");
    EXPECT_EQ(nmIsNull(edit), 0);
}

TEST_F(NumEditSpin, RefusalsAndTheReadOnlyControl) {
    h.RefusePermission(true);
    Press(kUpY);
    EXPECT_EQ(WindowText(edit), "0");
    EXPECT_EQ(h.Log(), Events({"spin"}));
    Release();
    h.RefusePermission(false);
    SendMessageA(edit, EM_SETREADONLY, 1, 0);
    h.Clear();
    Press(kUpY);
    EXPECT_TRUE(h.Log().empty());
    EXPECT_NE(GetCapture(), edit);
    EXPECT_FALSE(HadTimer(NM_SPIN_DELAY_TIMER));
}

TEST_F(NumEditSpin, TheParentMayDestroyTheControlOnThePress) {
    h.DestroyOn("spin");
    Press(kUpY);
    EXPECT_FALSE(IsWindow(edit));
    HWND second = h.Create(NMS_SPINBUTTONS, "0");
    h.DestroyOn("change");
    SendMessageA(second, WM_LBUTTONDOWN, MK_LBUTTON, At(kButtonX, kUpY));
    EXPECT_FALSE(IsWindow(second));
    EXPECT_NE(GetCapture(), second);
}

TEST_F(NumEditSpin, ButtonsAreDrawnWithTheirArrows) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    RECT client;
    GetClientRect(edit, &client);
    std::vector<COLORREF> pixels = ClientPixels(edit);
    auto pixel = [&](int x, int y) { return pixels[static_cast<size_t>(y) * client.right + x]; };
    EXPECT_EQ(pixel(132, 6), RGB(0, 0, 0)) << "the up arrow's widest row";
    EXPECT_EQ(pixel(132, 17), RGB(0, 0, 0)) << "the down arrow's widest row";
    EXPECT_EQ(pixel(127, 3), face);
    EXPECT_EQ(pixel(139, 3), GetSysColor(COLOR_3DDKSHADOW)) << "raised edge";
    Press(kUpY);
    pixels = ClientPixels(edit);
    EXPECT_EQ(pixel(133, 7), RGB(0, 0, 0)) << "pressed: the arrow moves down and right";
    EXPECT_EQ(pixel(125, 0), GetSysColor(COLOR_BTNSHADOW)) << "sunken edge";
    Release();
    EnableWindow(edit, FALSE);
    pixels = ClientPixels(edit);
    EXPECT_EQ(pixel(132, 6), face & RGB(0x80, 0x80, 0x80)) << "greyed arrows";
    HWND plain = h.Create(0, "0");
    RECT withSpin = {};
    RECT without = {};
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&withSpin));
    SendMessageA(plain, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&without));
    EXPECT_EQ(without.right - withSpin.right, 15) << "the text stays clear of the buttons";
}

}  // namespace
}  // namespace tw::test
