// Percent bar windows of the library under test, driven by their functions and messages, with
// pixels read back through WM_PRINTCLIENT.

#include <gtest/gtest.h>

#include "../control_test_support.h"
#include "../message_log.h"
#include "controls/tarn32.h"

namespace tw::test {
namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);   // background
constexpr COLORREF kBlue = RGB(0, 0, 255);       // bar
constexpr COLORREF kMagenta = RGB(255, 0, 255);  // highlight
constexpr COLORREF kTeal = RGB(0, 128, 128);     // shadow
constexpr COLORREF kGreen = RGB(0, 255, 0);      // face
constexpr COLORREF kMaroon = RGB(128, 0, 0);     // text
constexpr int kMiddle = 15;                      // a row through a 30-pixel bar

class PercentBarWindow : public ::testing::Test {
protected:
    LoggingParent parent;

    // A bar of 200 × `height` in plain colours, so that pixels tell its parts apart.
    HWND Make(DWORD style, int height = 30) {
        HWND bar = parent.CreateChild(TARN_PERCENTBAR_CLASS, style, 200, height);
        pbSetColor(bar, PCT_COLOR_BACKGROUND, kYellow);
        pbSetColor(bar, PCT_COLOR_BAR, kBlue);
        pbSetColor(bar, PCT_COLOR_HIGHLIGHT, kMagenta);
        pbSetColor(bar, PCT_COLOR_SHADOW, kTeal);
        pbSetColor(bar, PCT_COLOR_FACE, kGreen);
        pbSetColor(bar, PCT_COLOR_TEXT, kMaroon);
        return bar;
    }

    // Pixels of `colour` in the columns [x0, x1) of the rows [y0, y1).
    static int Count(HWND bar, COLORREF colour, int x0, int x1, int y0, int y1) {
        int n = 0;
        for (int y = y0; y < y1; y += 2)
            for (int x = x0; x < x1; ++x) n += PaintedPixel(bar, x, y) == colour;
        return n;
    }
};

TEST_F(PercentBarWindow, CreationDefaultsAndBorderKindsFromStyleBits) {
    HWND bar = Make(0);
    EXPECT_EQ(100, pbGetLimit(bar));
    EXPECT_EQ(0, pbGetProgress(bar));
    const LRESULT systemFont = reinterpret_cast<LRESULT>(GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(systemFont, SendMessageA(bar, WM_GETFONT, 0, 0));
    SendMessageA(bar, WM_SETFONT, WPARAM(GetStockObject(ANSI_VAR_FONT)), FALSE);
    EXPECT_EQ(LRESULT(GetStockObject(ANSI_VAR_FONT)), SendMessageA(bar, WM_GETFONT, 0, 0));
    SendMessageA(bar, WM_SETFONT, 0, FALSE);
    EXPECT_EQ(systemFont, SendMessageA(bar, WM_GETFONT, 0, 0)) << "none: the system font";
    EXPECT_EQ(kYellow, PaintedPixel(bar, 0, 0)) << "no border";

    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    struct Case {
        DWORD style;
        COLORREF topLeft, bottomRight;
    } cases[] = {
        {PCTS_BORDERSINGLE, frame, frame},
        {PCTS_BORDERRAISED, kMagenta, kTeal},
        {PCTS_BORDERSUNKEN, kTeal, kMagenta},
        {PCTS_BORDERSUNKEN | PCTS_BORDERRAISED, kTeal, kMagenta},  // sunken is read first
        {PCTS_BORDERRAISED | PCTS_BORDERSINGLE, kMagenta, kTeal},
    };
    for (const Case& c : cases) {
        HWND framed = Make(c.style);
        EXPECT_EQ(c.topLeft, PaintedPixel(framed, 0, 0)) << c.style;
        EXPECT_EQ(c.bottomRight, PaintedPixel(framed, 199, 29)) << c.style;
        EXPECT_EQ(kYellow, PaintedPixel(framed, 100, kMiddle)) << c.style;
    }
    EXPECT_EQ(kGreen, PaintedPixel(Make(PCTS_BORDERRAISED), 1, 1)) << "the face inside the frame";
}

TEST_F(PercentBarWindow, ProgressIsCutToTheLimitByFunctionAndMessage) {
    HWND bar = Make(0);
    EXPECT_EQ(1, pbSetProgress(bar, 150));
    EXPECT_EQ(100, pbGetProgress(bar));
    EXPECT_EQ(kBlue, PaintedPixel(bar, 199, kMiddle)) << "a full bar";

    SendMessageA(bar, PCTM_SETPROGRESS, 0, 80);
    EXPECT_EQ(80, SendMessageA(bar, PCTM_GETPROGRESS, 0, 0));
    EXPECT_EQ(1, pbSetLimit(bar, 50));
    EXPECT_EQ(50, pbGetProgress(bar)) << "a lower limit cuts the progress";
    EXPECT_EQ(50, SendMessageA(bar, PCTM_GETLIMIT, 0, 0));
    SendMessageA(bar, PCTM_SETLIMIT, 0, 40);
    EXPECT_EQ(40, pbGetProgress(bar));
    pbSetLimit(bar, 100);
    EXPECT_EQ(40, pbGetProgress(bar)) << "a higher limit leaves it";

    pbSetProgress(bar, -5);
    EXPECT_EQ(-5, pbGetProgress(bar)) << "stored as given";
    EXPECT_EQ(kYellow, PaintedPixel(bar, 0, kMiddle)) << "and drawn empty";
}

TEST_F(PercentBarWindow, FilledWidthFollowsProgressWithoutOverflow) {
    HWND bar = Make(0);
    pbSetProgress(bar, 25);
    EXPECT_EQ(kBlue, PaintedPixel(bar, 49, kMiddle));
    EXPECT_EQ(kYellow, PaintedPixel(bar, 50, kMiddle));
    pbSetLimit(bar, 2000000000);
    pbSetProgress(bar, 1000000000);  // progress × width and × 100 need 64 bits
    EXPECT_EQ(kBlue, PaintedPixel(bar, 99, kMiddle));
    EXPECT_EQ(kYellow, PaintedPixel(bar, 100, kMiddle));

    HWND empty = Make(PCTS_PERCENT);
    pbSetLimit(empty, 0);
    pbSetProgress(empty, -20);
    EXPECT_EQ(0, Count(empty, kBlue, 0, 70, 4, 26)) << "a zero limit fills nothing";
    EXPECT_GT(Count(empty, kBlue, 80, 120, 4, 26), 0) << "and reads 0% in the bar colour";
}

TEST_F(PercentBarWindow, PercentageReadsInBothColours) {
    HFONT big = CreateFontA(26, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HWND bar = Make(PCTS_PERCENT);
    pbSetPercentFont(bar, big);
    pbSetProgress(bar, 50);  // "50%" centred; the filled part ends at its middle
    EXPECT_GT(Count(bar, kYellow, 60, 100, 2, 28), 0) << "background colour over the fill";
    EXPECT_GT(Count(bar, kBlue, 100, 140, 2, 28), 0) << "bar colour over the background";

    pbEnablePercent(bar, FALSE);
    EXPECT_EQ(0, Count(bar, kYellow, 60, 100, 2, 28));
    EXPECT_EQ(0, Count(bar, kBlue, 100, 140, 2, 28));

    pbEnablePercent(bar, TRUE);
    const int bigText = Count(bar, kBlue, 100, 160, 2, 28);
    SendMessageA(bar, PCTM_SETPERCENTFONT, 0, 0);  // back to the system font
    EXPECT_LT(Count(bar, kBlue, 100, 160, 2, 28), bigText) << "the percent font is used";
    DestroyWindow(bar);
    DeleteObject(big);
}

TEST_F(PercentBarWindow, ColoursByIndexAndByMessage) {
    HWND bar = Make(0);
    EXPECT_EQ(0, pbSetColor(bar, 3, kBlue)) << "an unknown index";
    EXPECT_EQ(0, pbSetColor(bar, 32, kBlue));
    pbSetProgress(bar, 50);
    SendMessageA(bar, PCTM_SETBKCOLOR, 0, RGB(10, 20, 30));
    SendMessageA(bar, PCTM_SETBARCOLOR, 0, RGB(40, 50, 60));
    EXPECT_EQ(RGB(10, 20, 30), PaintedPixel(bar, 150, kMiddle));
    EXPECT_EQ(RGB(40, 50, 60), PaintedPixel(bar, 50, kMiddle));
    pbSetColor(bar, PCT_COLOR_BACKGROUND, TARN_SYSCOLOR(COLOR_WINDOW));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), PaintedPixel(bar, 150, kMiddle));

    // Face and text colours show around the bar when the parent gives no brush.
    parent.React([](const LoggedMessage& m, LRESULT& result) {
        result = 0;
        return m.msg == WM_CTLCOLORSTATIC;
    });
    HWND labelled = Make(PCTS_SCALELABELS, 50);
    SendMessageA(labelled, PCTM_SETFACECOLOR, 0, RGB(70, 80, 90));
    SendMessageA(labelled, PCTM_SETTEXTCOLOR, 0, RGB(200, 0, 0));
    EXPECT_EQ(RGB(70, 80, 90), PaintedPixel(labelled, 30, 49));
    EXPECT_GT(Count(labelled, RGB(200, 0, 0), 0, 200, 34, 50), 0) << "labels in the text colour";
}

TEST_F(PercentBarWindow, ScaleLabelsTakeRoomUnderTheBarInTheParentsBrush) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    parent.React([red](const LoggedMessage& m, LRESULT& result) {
        result = reinterpret_cast<LRESULT>(red);
        return m.msg == WM_CTLCOLORSTATIC;
    });
    HWND bar = Make(PCTS_SCALELABELS, 50);
    EXPECT_EQ(kYellow, PaintedPixel(bar, 30, 5));
    EXPECT_EQ(RGB(255, 0, 0), PaintedPixel(bar, 30, 49)) << "below the bar";
    EXPECT_GT(Count(bar, kMaroon, 0, 200, 34, 50), 10) << "the labels";
    ASSERT_FALSE(parent.Of(WM_CTLCOLORSTATIC).empty());
    EXPECT_EQ(reinterpret_cast<LPARAM>(bar), parent.Of(WM_CTLCOLORSTATIC).back().lParam);

    pbEnableText(bar, FALSE);
    EXPECT_EQ(kYellow, PaintedPixel(bar, 30, 49)) << "without labels the bar fills the client";
    EXPECT_EQ(0, Count(bar, kMaroon, 0, 200, 34, 50));
    DestroyWindow(bar);
    DeleteObject(red);
}

TEST_F(PercentBarWindow, TickMarksEveryTenAndFivePercent) {
    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    ASSERT_NE(kYellow, frame);
    HWND bar = Make(PCTS_TICKMARKS);
    EXPECT_EQ(frame, PaintedPixel(bar, 20, 2)) << "full height at 10 %";
    EXPECT_EQ(frame, PaintedPixel(bar, 180, 27));
    EXPECT_EQ(frame, PaintedPixel(bar, 10, 27)) << "short at 5 %";
    EXPECT_EQ(kYellow, PaintedPixel(bar, 10, kMiddle));
    EXPECT_EQ(kYellow, PaintedPixel(bar, 25, 27)) << "none between";
    pbEnableTickMarks(bar, FALSE);
    EXPECT_EQ(kYellow, PaintedPixel(bar, 20, 2));
}

TEST_F(PercentBarWindow, BorderKindAndFeatureSwitchesKeepTheStyleBits) {
    HWND bar = Make(PCTS_BORDERSUNKEN);
    auto style = [bar] { return DWORD(GetWindowLongA(bar, GWL_STYLE)) & 0x3F; };
    const DWORD kindBits[] = {0, PCTS_BORDERSINGLE, PCTS_BORDERRAISED, PCTS_BORDERSUNKEN};
    for (int kind : {1, 2, 3, 0}) {
        EXPECT_EQ(1, pbSetBorderStyle(bar, kind));
        EXPECT_EQ(kindBits[kind], style()) << kind;
    }
    EXPECT_EQ(kYellow, PaintedPixel(bar, 0, 0));
    pbSetBorderStyle(bar, 2);
    EXPECT_EQ(0, pbSetBorderStyle(bar, 4)) << "an unknown kind";
    EXPECT_EQ(0, pbSetBorderStyle(bar, -1));
    EXPECT_EQ(DWORD(PCTS_BORDERRAISED), style());
    EXPECT_EQ(kMagenta, PaintedPixel(bar, 0, 0));

    EXPECT_EQ(1, pbEnableTickMarks(bar, TRUE));
    EXPECT_EQ(1, pbEnableText(bar, 7));
    EXPECT_EQ(1, pbEnablePercent(bar, TRUE));
    EXPECT_EQ(DWORD(PCTS_BORDERRAISED | PCTS_TICKMARKS | PCTS_SCALELABELS | PCTS_PERCENT), style());
    pbEnableText(bar, FALSE);
    EXPECT_EQ(DWORD(PCTS_BORDERRAISED | PCTS_TICKMARKS | PCTS_PERCENT), style());
}

TEST_F(PercentBarWindow, FunctionsOnOtherWindowsGiveZero) {
    HWND bar = Make(0);
    HWND button = parent.CreateChild("BUTTON", 0, 40, 20);
    for (HWND other : {HWND(nullptr), parent.hwnd(), button}) {
        EXPECT_EQ(0, pbSetLimit(other, 5));
        EXPECT_EQ(0, pbSetProgress(other, 5));
        EXPECT_EQ(0, pbGetLimit(other));
        EXPECT_EQ(0, pbGetProgress(other));
        EXPECT_EQ(0, pbSetColor(other, PCT_COLOR_BAR, kBlue));
        EXPECT_EQ(0, pbSetPercentFont(other, nullptr));
        EXPECT_EQ(0, pbSetBorderStyle(other, 1));
        EXPECT_EQ(0, pbEnableTickMarks(other, TRUE));
        EXPECT_EQ(0, pbEnableText(other, TRUE));
        EXPECT_EQ(0, pbEnablePercent(other, TRUE));
    }
    DestroyWindow(bar);
    EXPECT_EQ(0, pbGetLimit(bar)) << "a destroyed bar";
}

TEST_F(PercentBarWindow, ParentMayDestroyTheBarWhileItPaints) {
    parent.React([](const LoggedMessage& m, LRESULT&) {
        if (m.msg == WM_CTLCOLORSTATIC) DestroyWindow(reinterpret_cast<HWND>(m.lParam));
        return false;
    });
    HWND painted = Make(PCTS_PERCENT | PCTS_SCALELABELS | PCTS_TICKMARKS);
    InvalidateRect(painted, nullptr, FALSE);
    UpdateWindow(painted);
    EXPECT_FALSE(IsWindow(painted));
    HWND printed = Make(PCTS_PERCENT);
    PaintedPixel(printed, 0, 0);
    EXPECT_FALSE(IsWindow(printed));
}

}  // namespace
}  // namespace tw::test
