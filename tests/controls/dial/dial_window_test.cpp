// Dial windows of the library under test: functions, clicks on the knob and the step buttons,
// timers, keys and characters, compared with the scroll messages the owner receives.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "../control_test_support.h"
#include "../message_log.h"
#include "controls/tarn32.h"

namespace tw::test {
namespace {

using Scroll = std::pair<int, int>;  // scroll code, position
using Scrolls = std::vector<Scroll>;

// A 100 × 100 dial: knob radius 42 around (50, 46), step buttons 12 pixels square.
constexpr POINT kAtStart = {20, 76};  // lower left: the turn start with direction 1
constexpr POINT kAtEnd = {80, 76};    // lower right
constexpr POINT kTop = {50, 10};
constexpr POINT kLeftButton = {8, 92};
constexpr POINT kRightButton = {92, 92};
constexpr POINT kOffButtons = {50, 50};

Scrolls ScrollsOf(const std::vector<LoggedMessage>& log) {
    Scrolls scrolls;
    for (const LoggedMessage& m : log)
        scrolls.push_back({LOWORD(m.wParam), short(HIWORD(m.wParam))});
    return scrolls;
}

class DialWindow : public ::testing::Test {
protected:
    LoggingParent parent;

    HWND Make(DWORD style = 0, int width = 100, int height = 100) {
        return parent.CreateChild(TARN_DIAL_CLASS, style, width, height);
    }
    // What the parent was told since the last call.
    Scrolls Told() {
        Scrolls told = ScrollsOf(parent.Of(WM_VSCROLL));
        parent.Clear();
        return told;
    }
    Scrolls ClickAt(HWND dial, POINT p) {
        parent.Clear();
        Click(dial, p.x, p.y);
        return Told();
    }
    Scrolls Key(HWND dial, UINT vk) {
        parent.Clear();
        SendMessageA(dial, WM_KEYDOWN, vk, 1);
        return Told();
    }
    Scrolls Char(HWND dial, char c) {
        parent.Clear();
        SendMessageA(dial, WM_CHAR, WPARAM(c), 1);
        return Told();
    }
    // True when a pixel of `colour` lies within `radius` of (x, y).
    static bool ColourNear(HWND dial, int x, int y, COLORREF colour, int radius = 3) {
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx)
                if (PaintedPixel(dial, x + dx, y + dy) == colour) return true;
        return false;
    }
};

TEST_F(DialWindow, DefaultsDialogCodeAndFunctions) {
    HWND dial = Make();
    LONG a = 1, b = 1;
    EXPECT_EQ(0, GetDialPos(dial));
    EXPECT_EQ(1, GetDialRange(dial, &a, &b));
    EXPECT_EQ(0, a);
    EXPECT_EQ(100, b);
    EXPECT_EQ(1, GetDialTurnRange(dial, &a, &b));
    EXPECT_EQ(-45, a);
    EXPECT_EQ(225, b);
    EXPECT_EQ(1, GetDialDirection(dial));
    EXPECT_EQ(0x189, SendMessageA(dial, WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(0, GetWindowWord(dial, DIAL_NOTIFYSELF_WORD));

    EXPECT_EQ(0, SetDialPos(dial, 150, TRUE)) << "the previous position";
    EXPECT_EQ(100, GetDialPos(dial)) << "cut to the maximum";
    EXPECT_EQ(100, SetDialPos(dial, -5, FALSE));
    EXPECT_EQ(0, GetDialPos(dial));
    SetDialPos(dial, 40, FALSE);
    EXPECT_EQ(1, SetDialRange(dial, 50, 60, TRUE));
    EXPECT_EQ(40, GetDialPos(dial)) << "a new range does not cut the position";
    EXPECT_EQ(1, GetDialRange(dial, nullptr, &b));
    EXPECT_EQ(60, b);
    EXPECT_EQ(1, SetDialTurnRange(dial, 0, 180, FALSE));
    GetDialTurnRange(dial, &a, &b);
    EXPECT_EQ(0, a);
    EXPECT_EQ(180, b);
    EXPECT_EQ(1, SetDialDirection(dial, 2));
    EXPECT_EQ(0, GetDialDirection(dial)) << "only bit 0 counts";
    EXPECT_EQ(0, SetDialDirection(dial, 3));
    EXPECT_EQ(1, GetDialDirection(dial));
}

TEST_F(DialWindow, ClicksReportTheValueUnderThePointer) {
    HWND dial = Make();
    EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 0}}), ClickAt(dial, kAtStart));
    EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 100}}), ClickAt(dial, kAtEnd));
    EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 50}}), ClickAt(dial, kTop));
    EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 0}}), ClickAt(dial, {45, 90})) << "gap, nearer the start";
    EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 100}}), ClickAt(dial, {55, 90})) << "nearer the end";
    EXPECT_EQ(0, GetDialPos(dial)) << "the dial does not move itself";

    SetDialDirection(dial, 0);
    EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 0}}), ClickAt(dial, kAtEnd));
    EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 100}}), ClickAt(dial, kAtStart));
    SetDialRange(dial, 1000, 2000, FALSE);
    EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 1500}}), ClickAt(dial, kTop));
}

TEST_F(DialWindow, DragReportsEachNewValueUntilRelease) {
    HWND dial = Make();
    MouseDown(dial, kTop.x, kTop.y);
    EXPECT_EQ(GetCapture(), dial);
    ASSERT_EQ(1u, parent.Of(WM_VSCROLL).size());
    EXPECT_EQ(LPARAM(dial), parent.Of(WM_VSCROLL)[0].lParam) << "the dial's handle";
    EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 50}}), Told());
    MouseMove(dial, kTop.x, kTop.y);
    EXPECT_EQ(Scrolls(), Told()) << "the same value is not told again";
    MouseMove(dial, kAtEnd.x, kAtEnd.y);
    MouseMove(dial, kAtStart.x, kAtStart.y);
    EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 100}, {SB_THUMBTRACK, 0}}), Told());
    MouseUp(dial, kAtStart.x, kAtStart.y);
    EXPECT_NE(GetCapture(), dial);
    MouseMove(dial, kTop.x, kTop.y);
    EXPECT_EQ(Scrolls(), Told()) << "nothing after the release";
}

TEST_F(DialWindow, EmptyTurnOrValueRangeIsGuarded) {
    HWND dial = Make();
    SetDialRange(dial, 7, 20, FALSE);
    SetDialTurnRange(dial, 90, 90, TRUE);
    for (POINT p : {kAtStart, kAtEnd, kTop})
        EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 7}}), ClickAt(dial, p));
    SetDialRange(dial, 5, 5, TRUE);
    EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 5}}), ClickAt(dial, kTop));
    PaintedPixel(dial, 0, 0);  // paints with both ranges empty
}

TEST_F(DialWindow, StepButtonsStepTowardsTheirEnd) {
    HWND dial = Make();
    SetDialPos(dial, 50, FALSE);
    EXPECT_EQ(Scrolls({{SB_LINEUP, 50}}), ClickAt(dial, kLeftButton));
    EXPECT_EQ(Scrolls({{SB_LINEDOWN, 50}}), ClickAt(dial, kRightButton));
    SetDialPos(dial, 0, FALSE);
    EXPECT_EQ(Scrolls(), ClickAt(dial, kLeftButton)) << "already at the minimum";
    EXPECT_EQ(Scrolls({{SB_LINEDOWN, 0}}), ClickAt(dial, kRightButton));
    SetDialPos(dial, 100, FALSE);
    EXPECT_EQ(Scrolls(), ClickAt(dial, kRightButton)) << "already at the maximum";

    SetDialDirection(dial, 0);
    EXPECT_EQ(Scrolls({{SB_LINEUP, 100}}), ClickAt(dial, kRightButton));
    EXPECT_EQ(Scrolls(), ClickAt(dial, kLeftButton));
    SetDialPos(dial, 30, FALSE);
    EXPECT_EQ(Scrolls({{SB_LINEDOWN, 30}}), ClickAt(dial, kLeftButton));
}

TEST_F(DialWindow, HeldStepButtonRepeatsOnItsTimersWhileThePointerIsOverIt) {
    HWND dial = Make();
    SetDialPos(dial, 50, FALSE);
    const COLORREF raised = PaintedPixel(dial, 2, 86);
    MouseDown(dial, kLeftButton.x, kLeftButton.y);
    EXPECT_NE(raised, PaintedPixel(dial, 2, 86)) << "drawn pressed";
    EXPECT_EQ(Scrolls({{SB_LINEUP, 50}}), Told());
    SendMessageA(dial, WM_TIMER, DIAL_TIMER_REPEAT, 0);
    EXPECT_EQ(Scrolls(), Told()) << "no repeat before the delay has passed";
    SendMessageA(dial, WM_TIMER, DIAL_TIMER_DELAY, 0);
    EXPECT_EQ(Scrolls(), Told()) << "the delay only starts the repeat";
    SendMessageA(dial, WM_TIMER, DIAL_TIMER_REPEAT, 0);
    SendMessageA(dial, WM_TIMER, DIAL_TIMER_REPEAT, 0);
    EXPECT_EQ(Scrolls({{SB_LINEUP, 50}, {SB_LINEUP, 50}}), Told());
    MouseMove(dial, kOffButtons.x, kOffButtons.y);
    EXPECT_EQ(raised, PaintedPixel(dial, 2, 86)) << "raised while the pointer is away";
    SendMessageA(dial, WM_TIMER, DIAL_TIMER_REPEAT, 0);
    EXPECT_EQ(Scrolls(), Told());
    MouseMove(dial, kLeftButton.x, kLeftButton.y);
    SendMessageA(dial, WM_TIMER, DIAL_TIMER_REPEAT, 0);
    EXPECT_EQ(Scrolls({{SB_LINEUP, 50}}), Told());
    EXPECT_TRUE(TimerWasRunning(dial, DIAL_TIMER_REPEAT));

    MouseUp(dial, kLeftButton.x, kLeftButton.y);
    EXPECT_EQ(raised, PaintedPixel(dial, 2, 86));
    SendMessageA(dial, WM_TIMER, DIAL_TIMER_REPEAT, 0);
    EXPECT_EQ(Scrolls(), Told());
}

TEST_F(DialWindow, CaptureLossCancelModeDisablingAndReleaseStopTheTimers) {
    HWND dial = Make();
    SetDialPos(dial, 50, FALSE);
    MouseDown(dial, kLeftButton.x, kLeftButton.y);
    EXPECT_TRUE(TimerWasRunning(dial, DIAL_TIMER_DELAY)) << "the press starts the delay";
    MouseUp(dial, kLeftButton.x, kLeftButton.y);

    const std::pair<const char*, void (*)(HWND)> enders[] = {
        {"release", [](HWND d) { MouseUp(d, kLeftButton.x, kLeftButton.y); }},
        {"capture loss", [](HWND d) { SetCapture(GetParent(d)); }},
        {"cancel mode", [](HWND d) { SendMessageA(d, WM_CANCELMODE, 0, 0); }},
        {"disabling", [](HWND d) { EnableWindow(d, FALSE); }},
    };
    for (const auto& [name, end] : enders) {
        EnableWindow(dial, TRUE);
        MouseDown(dial, kLeftButton.x, kLeftButton.y);
        SendMessageA(dial, WM_TIMER, DIAL_TIMER_DELAY, 0);  // now repeating
        end(dial);
        Told();
        SendMessageA(dial, WM_TIMER, DIAL_TIMER_REPEAT, 0);
        EXPECT_EQ(Scrolls(), Told()) << name;
        EXPECT_FALSE(TimerWasRunning(dial, DIAL_TIMER_DELAY)) << name;
        EXPECT_FALSE(TimerWasRunning(dial, DIAL_TIMER_REPEAT)) << name;
        EXPECT_NE(GetCapture(), dial) << name;
        ReleaseCapture();
    }
}

TEST_F(DialWindow, KeysAndCharactersReportScrollCodesWithThePosition) {
    HWND dial = Make();
    SetDialPos(dial, 50, FALSE);
    const std::pair<UINT, int> keys[] = {
        {VK_PRIOR, SB_PAGEUP},  {VK_NEXT, SB_PAGEDOWN}, {VK_END, SB_TOP},   {VK_HOME, SB_BOTTOM},
        {VK_LEFT, SB_LINEDOWN}, {VK_DOWN, SB_LINEDOWN}, {VK_UP, SB_LINEUP}, {VK_RIGHT, SB_LINEUP},
    };
    for (const auto& [vk, code] : keys) EXPECT_EQ(Scrolls({{code, 50}}), Key(dial, vk)) << vk;
    EXPECT_EQ(Scrolls(), Key(dial, 'A'));
    EXPECT_EQ(Scrolls({{SB_LINEDOWN, 50}}), Char(dial, '+'));
    EXPECT_EQ(Scrolls({{SB_LINEUP, 50}}), Char(dial, '-'));
    EXPECT_EQ(Scrolls(), Char(dial, 'x'));
    SetDialPos(dial, 100, FALSE);
    EXPECT_EQ(Scrolls(), Char(dial, '+')) << "at the maximum";
    SetDialPos(dial, 0, FALSE);
    EXPECT_EQ(Scrolls(), Char(dial, '-')) << "at the minimum";
}

TEST_F(DialWindow, NotifySelfWordSendsTheScrollMessagesToTheDial) {
    HWND dial = Make();
    SetWindowWord(dial, DIAL_NOTIFYSELF_WORD, 1);
    {
        MessageSpy spy(dial, {WM_VSCROLL});
        EXPECT_EQ(Scrolls(), ClickAt(dial, kTop)) << "nothing to the parent";
        EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 50}}), ScrollsOf(spy.Log()));
        ASSERT_EQ(1u, spy.Log().size());
        EXPECT_EQ(LPARAM(dial), spy.Log()[0].lParam);
    }
    SetWindowWord(dial, DIAL_NOTIFYSELF_WORD, 0);
    EXPECT_EQ(Scrolls({{SB_THUMBTRACK, 50}}), ClickAt(dial, kTop));
}

TEST_F(DialWindow, TabStopDialTakesTheFocusOnAClick) {
    HWND plain = Make();
    SetFocus(parent.hwnd());
    Click(plain, kTop.x, kTop.y);
    EXPECT_NE(plain, GetFocus());
    HWND tabStop = Make(WS_TABSTOP);
    Click(tabStop, kTop.x, kTop.y);
    EXPECT_EQ(tabStop, GetFocus());
}

TEST_F(DialWindow, ParentMayDestroyTheDialWhileItIsTold) {
    parent.React([](const LoggedMessage& m, LRESULT&) {
        if (m.msg == WM_VSCROLL) DestroyWindow(reinterpret_cast<HWND>(m.lParam));
        return false;
    });
    HWND stepped = Make();
    SetDialPos(stepped, 50, FALSE);
    MouseDown(stepped, kLeftButton.x, kLeftButton.y);
    EXPECT_FALSE(IsWindow(stepped));
    HWND turned = Make(WS_TABSTOP);
    MouseDown(turned, kTop.x, kTop.y);
    EXPECT_FALSE(IsWindow(turned));
    HWND keyed = Make();
    SendMessageA(keyed, WM_KEYDOWN, VK_PRIOR, 1);
    EXPECT_FALSE(IsWindow(keyed));
    EXPECT_NE(GetCapture(), stepped);
}

TEST_F(DialWindow, PointerDotStandsAtThePositionsAngle) {
    const COLORREF red = RGB(255, 0, 0);
    HWND dial = Make();
    // Cap radius 35, dot diameter 2, 31 pixels from the centre.
    EXPECT_TRUE(ColourNear(dial, 28, 68, red)) << "the minimum at the lower left";
    EXPECT_FALSE(ColourNear(dial, 72, 68, red));
    SetDialPos(dial, 100, TRUE);
    EXPECT_TRUE(ColourNear(dial, 72, 68, red)) << "the maximum at the lower right";
    SetDialPos(dial, 50, TRUE);
    EXPECT_TRUE(ColourNear(dial, 50, 15, red)) << "the middle at the top";
    SetDialDirection(dial, 0);
    SetDialPos(dial, 0, TRUE);
    EXPECT_TRUE(ColourNear(dial, 72, 68, red)) << "direction 0 starts at the lower right";
    EnableWindow(dial, FALSE);
    EXPECT_FALSE(ColourNear(dial, 72, 68, red)) << "a disabled dial's pointer is grey";
}

TEST_F(DialWindow, TooSmallDialPaintsItsBackgroundOnly) {
    HWND dial = Make(0, 12, 12);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < 12; y += 3)
        for (int x = 0; x < 12; x += 3) EXPECT_EQ(face, PaintedPixel(dial, x, y)) << x << "," << y;
}

TEST_F(DialWindow, PaletteGoesWithTheWindow) {
    HWND dial = Make();
    PaintedPixel(dial, 0, 0);
    // The palette handle follows the 52-byte record and the window handle in the state.
    const auto* state = reinterpret_cast<const BYTE*>(GetWindowLongPtrA(dial, 0));
    ASSERT_NE(nullptr, state);
    const HPALETTE palette = *reinterpret_cast<const HPALETTE*>(state + 56);
    EXPECT_EQ(OBJ_PAL, GetObjectType(palette));
    DestroyWindow(dial);
    EXPECT_EQ(0u, GetObjectType(palette));
}

TEST_F(DialWindow, FunctionsOnOtherWindowsGiveZeroAndLeaveOutArguments) {
    HWND button = parent.CreateChild("BUTTON", 0, 40, 20);
    for (HWND other : {HWND(nullptr), parent.hwnd(), button}) {
        LONG a = 7, b = 8;
        EXPECT_EQ(0, SetDialPos(other, 5, TRUE));
        EXPECT_EQ(0, GetDialPos(other));
        EXPECT_EQ(0, SetDialRange(other, 1, 2, TRUE));
        EXPECT_EQ(0, GetDialRange(other, &a, &b));
        EXPECT_EQ(0, SetDialTurnRange(other, 1, 2, TRUE));
        EXPECT_EQ(0, GetDialTurnRange(other, &a, &b));
        EXPECT_EQ(0, SetDialDirection(other, 1));
        EXPECT_EQ(0, GetDialDirection(other));
        EXPECT_EQ(7, a);
        EXPECT_EQ(8, b);
    }
}

}  // namespace
}  // namespace tw::test
