// The time edit driven as a client would: exported functions, messages, keys and its clock.

#include <gtest/gtest.h>

#include <cstring>

#include "control_test_support.h"
#include "controls/tarn32.h"

namespace tw::test {
namespace {

// Counts the WM_PAINT messages a control receives, by subclassing it.
struct PaintCounter {
    static int count;
    static WNDPROC original;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_PAINT) ++count;
        return CallWindowProcA(original, hwnd, msg, wParam, lParam);
    }
    explicit PaintCounter(HWND hwnd) {
        count = 0;
        original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    }
};
int PaintCounter::count = 0;
WNDPROC PaintCounter::original = nullptr;

class TimeEditTest : public ::testing::Test {
protected:
    void SetUp() override { Create(0, false, true); }
    // (Re)creates the edit with the given styles, 24-hour and leading-zero flags. The format
    // comes through tmSetEditParams: the system's settings are shared by the whole session.
    void Create(DWORD style, bool hour24, bool leadingZero) {
        if (edit) DestroyWindow(edit);
        edit = parent.CreateChild("TarnTimeEdit32", style, 100, 140, 24);
        ASSERT_NE(edit, nullptr);
        TMEDITPARAMS params = {};
        params.separator = ':';
        params.hour24 = hour24;
        params.leadingZero = leadingZero;
        params.seconds = (style & TMS_SECONDS) != 0;
        strcpy(params.amDesignator, "AM");
        strcpy(params.pmDesignator, "PM");
        ASSERT_EQ(tmSetEditParams(edit, &params), 1);
    }
    void SetTime(WORD hour, WORD minute, WORD second) {
        WORD time[3] = {hour, minute, second};
        ASSERT_EQ(tmSetTime(edit, time), 1);
    }
    std::string TimeString() {
        char buffer[32] = "";
        tmGetTimeString(edit, buffer);
        return buffer;
    }

    RecordingParent parent;
    HWND edit = nullptr;
};

TEST_F(TimeEditTest, TimeStringsReadTheDesignator) {
    struct Case {
        const char* text;
        int hour, minute;
    };
    const Case cases[] = {
        {"12:30 PM", 12, 30}, {"12:30 AM", 0, 30},  {"3:05 pm", 15, 5}, {"15:05", 15, 5},
        {"9:07", 9, 7},       {"11:59 am", 11, 59}, {"3:05 AM", 3, 5},  {"15:05 AM", 3, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tmSetTimeString(edit, c.text), 1);
        EXPECT_EQ(tmGetHour(edit), c.hour) << c.text;
        EXPECT_EQ(tmGetMinute(edit), c.minute) << c.text;
        EXPECT_EQ(tmIsNull(edit), 0) << c.text;
    }
    tmSetTimeString(edit, "");
    EXPECT_EQ(tmIsNull(edit), 1);
    EXPECT_EQ(tmGetHour(edit), 0);
    EXPECT_EQ(TimeString(), "");
    tmSetTimeString(edit, "0:00");  // the same time as the null one: still becomes non-null
    EXPECT_EQ(tmIsNull(edit), 0);
}

TEST_F(TimeEditTest, TextFollowsTheFormatFlagsAndTheFocus) {
    Create(0, false, false);
    SetTime(9, 5, 0);
    EXPECT_EQ(WindowText(edit), "9:05 AM");
    SetFocus(edit);
    EXPECT_EQ(WindowText(edit), "09:05 AM");
    SetFocus(parent.hwnd());
    SetTime(0, 15, 0);
    EXPECT_EQ(WindowText(edit), "0:15 AM");  // hour 0 shows as 0, not 12
    SetTime(15, 15, 0);
    EXPECT_EQ(TimeString(), "3:15 PM");
    Create(TMS_SECONDS, true, true);
    SetTime(15, 4, 9);
    EXPECT_EQ(WindowText(edit), "15:04:09");
}

TEST_F(TimeEditTest, SettingTheSameTimeStringRepaintsOnce) {
    SetTime(1, 2, 3);
    UpdateWindow(edit);
    PaintCounter counter(edit);
    tmSetTimeString(edit, "10:20 AM");
    tmSetTimeString(edit, "10:20 AM");
    EXPECT_EQ(PaintCounter::count, 1);
    tmSetTimeString(edit, "10:21 AM");
    EXPECT_EQ(PaintCounter::count, 2);
}

TEST_F(TimeEditTest, StepsDoNotWrap) {
    Create(TMS_SECONDS, true, true);
    SetFocus(edit);
    struct Case {
        WORD h, m, s;
        int caret;
        UINT key;
        WORD eh, em, es;
    };
    const Case cases[] = {
        {23, 0, 0, 0, VK_UP, 23, 0, 0},   {0, 0, 0, 0, VK_DOWN, 0, 0, 0},
        {10, 0, 0, 3, VK_DOWN, 10, 0, 0}, {10, 59, 0, 3, VK_UP, 10, 59, 0},
        {10, 5, 0, 3, VK_UP, 10, 6, 0},   {10, 5, 58, 6, VK_UP, 10, 5, 59},
        {10, 5, 0, 0, VK_UP, 11, 5, 0},
    };
    for (const Case& c : cases) {
        SetTime(c.h, c.m, c.s);
        SendMessageA(edit, EM_SETSEL, c.caret, c.caret);
        PressKey(edit, c.key);
        WORD time[3] = {};
        tmGetTime(edit, time);
        EXPECT_EQ(time[0], c.eh) << c.h << ":" << c.m << ":" << c.s;
        EXPECT_EQ(time[1], c.em) << c.h << ":" << c.m << ":" << c.s;
        EXPECT_EQ(time[2], c.es) << c.h << ":" << c.m << ":" << c.s;
    }
}

TEST_F(TimeEditTest, TwelveHourSteppingAndTheDesignator) {
    SetFocus(edit);
    SetTime(11, 0, 0);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    PressKey(edit, VK_UP);
    EXPECT_EQ(tmGetHour(edit), 12);
    EXPECT_EQ(WindowText(edit), "12:00 PM");
    SendMessageA(edit, EM_SETSEL, 6, 6);  // on the designator
    PressKey(edit, VK_DOWN);
    EXPECT_EQ(tmGetHour(edit), 0);
    SendMessageA(edit, EM_SETSEL, 6, 6);
    PressKey(edit, 'P');
    EXPECT_EQ(tmGetHour(edit), 12);
    SendMessageA(edit, EM_SETSEL, 6, 6);
    PressKey(edit, 'A');
    EXPECT_EQ(tmGetHour(edit), 0);
}

TEST_F(TimeEditTest, TypingChecksEachField) {
    Create(TMS_SECONDS, true, true);
    SetTime(10, 20, 30);
    SetFocus(edit);
    parent.Clear();
    TypeDigits(edit, "2");  // whole text selected: overwrites from the start, "20"
    EXPECT_EQ(tmGetHour(edit), 20);
    TypeDigits(edit, "5");  // 25 is no hour: the hour is selected
    EXPECT_EQ(tmGetHour(edit), 20);
    TypeDigits(edit, "2");  // over the selected hour, then 3 gives 23
    TypeDigits(edit, "3");
    EXPECT_EQ(tmGetHour(edit), 23);
    TypeDigits(edit, "7");  // 70 minutes refused
    EXPECT_EQ(tmGetMinute(edit), 20);
    SendMessageA(edit, EM_SETSEL, 3, 3);
    TypeDigits(edit, "4559");
    EXPECT_EQ(tmGetMinute(edit), 45);
    EXPECT_EQ(tmGetSecond(edit), 59);
    EXPECT_EQ(WindowText(edit), "23:45:59");
    const std::vector<WORD> codes = parent.Codes();
    ASSERT_GE(codes.size(), 2u);
    EXPECT_EQ(codes[0], EN_UPDATE);
    EXPECT_EQ(codes[1], EN_CHANGE);
}

TEST_F(TimeEditTest, DeleteAndBackspace) {
    Create(TMS_SECONDS, true, true);
    SetTime(12, 34, 56);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 4, 4);
    PressKey(edit, VK_DELETE);
    EXPECT_EQ(tmGetMinute(edit), 30);
    SendMessageA(edit, EM_SETSEL, 3, 8);
    parent.Clear();
    PressKey(edit, VK_BACK);  // cut at the selection: minute and second become 0
    EXPECT_EQ(tmGetHour(edit), 12);
    EXPECT_EQ(tmGetMinute(edit), 0);
    EXPECT_EQ(tmGetSecond(edit), 0);
    EXPECT_TRUE(parent.Codes().empty());
    SendMessageA(edit, EM_SETSEL, 2, 2);
    PressKey(edit, VK_BACK);  // deletes the 2 of 12
    EXPECT_EQ(tmGetHour(edit), 10);
}

TEST_F(TimeEditTest, RefusedPermissionDropsChanges) {
    SetTime(8, 0, 0);
    PermissionRefuser refuser(edit);
    SetFocus(edit);
    EXPECT_EQ(tmSetTimeString(edit, "9:00"), 0);
    WORD time[3] = {10, 0, 0};
    EXPECT_EQ(tmSetTime(edit, time), 0);
    PressKey(edit, VK_UP);
    TypeDigits(edit, "1");
    EXPECT_EQ(tmGetHour(edit), 8);
    EXPECT_EQ(tmSetNull(edit), 0);
    EXPECT_EQ(tmIsNull(edit), 0);
}

TEST_F(TimeEditTest, RunningClockShowsTheLocalTime) {
    Create(TMS_SECONDS, true, true);
    tmSetNull(edit);
    EXPECT_EQ(SendMessageA(edit, TEM_STARTCLOCK, 0, 0), 1);
    SendMessageA(edit, WM_TIMER, TM_CLOCK_TIMER, 0);
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(tmIsNull(edit), 0);
    EXPECT_EQ(tmGetMinute(edit), now.wMinute);
    EXPECT_NEAR(tmGetHour(edit) * 3600 + tmGetMinute(edit) * 60 + tmGetSecond(edit),
                now.wHour * 3600 + now.wMinute * 60 + now.wSecond, 2);
    EXPECT_EQ(tmStopClock(edit), 1);
    tmSetNull(edit);
    SendMessageA(edit, WM_TIMER, 1, 0);  // another timer changes nothing
    EXPECT_EQ(tmIsNull(edit), 1);
}

TEST_F(TimeEditTest, EditParamsAndPrivateRecords) {
    TMEDITPARAMS params = {};
    SetTime(7, 8, 9);
    char* pm = tmGetEditParams(edit, &params);
    EXPECT_EQ(pm, params.pmDesignator);
    EXPECT_EQ(params.setTime, 1u);
    EXPECT_EQ(params.hour, 7);
    EXPECT_STREQ(params.amDesignator, "AM");
    TMEDITPARAMS change = {};
    change.setTime = 1;
    change.hour = 14;
    change.minute = 30;
    change.separator = '.';
    change.hour24 = 1;
    change.seconds = 0;
    EXPECT_EQ(SendMessageA(edit, TEM_SETEDITPARAMS, 0, reinterpret_cast<LPARAM>(&change)), 1);
    EXPECT_EQ(TimeString(), "14.30");

    const DWORD smh[3] = {5, 6, 17};
    EXPECT_EQ(SendMessageA(edit, TARN_MSG_SETNONNULL, 0, reinterpret_cast<LPARAM>(smh)), 1);
    TARNCALTIME record = {};
    SendMessageA(edit, TARN_MSG_GETCALTIME, 0, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(record.hour, 17u);
    EXPECT_EQ(record.minute, 6u);
    EXPECT_EQ(record.second, 5u);
    EXPECT_EQ(record.dayOfMonth, 1u);
    EXPECT_EQ(SendMessageA(edit, TARN_MSG_VALIDATE, 0, 0), 0);
}

TEST_F(TimeEditTest, NullControlTypingAndSetText) {
    tmSetNull(edit);
    SetFocus(edit);
    EXPECT_EQ(WindowText(edit), "");
    TypeDigits(edit, "0945");
    EXPECT_EQ(tmIsNull(edit), 0);
    EXPECT_EQ(WindowText(edit), "09:45 AM");
    EXPECT_TRUE(SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("07:15 PM")));
    EXPECT_EQ(tmGetHour(edit), 19);
    EXPECT_EQ(tmGetMinute(edit), 15);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("11:99"));
    EXPECT_EQ(tmGetMinute(edit), 59);  // edit text numbers are capped
    SendMessageA(edit, EM_SETSEL, 0, 0);
    SendMessageA(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("1030"));
    EXPECT_EQ(tmGetHour(edit), 10);
    EXPECT_EQ(tmGetMinute(edit), 30);
}

TEST_F(TimeEditTest, DisplayStylesAndMinimumSizes) {
    const int height = tmGetMinHeight(edit);
    tmSetBorderStyle(edit, 1);
    EXPECT_EQ(tmGetMinHeight(edit), height + 2);
    tmSetBorderStyle(edit, 2);
    EXPECT_EQ(tmGetMinHeight(edit), height + 4);
    EXPECT_GT(tmGetMinWidth(edit), 0);

    EXPECT_EQ(SendMessageA(edit, TEM_SETDISPLAYSTYLE, 1, 0), 1);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & TMS_BITMAPDIGITS);
    EXPECT_EQ(PaintedPixel(edit, 125, 2), RGB(0, 0, 0));
    tmSetDisplayStyle(edit, 9);  // another value: back to plain text without the strips
    EXPECT_FALSE(GetWindowLongA(edit, GWL_STYLE) & (TMS_BITMAPDIGITS | TMS_FIXEDCELLS));
    EXPECT_EQ(PaintedPixel(edit, 125, 2), GetSysColor(COLOR_WINDOW));
}

TEST_F(TimeEditTest, SettersWithoutPermissionAndTheirTexts) {
    SetTime(8, 30, 0);
    EXPECT_EQ(SendMessageA(edit, TEM_SETHOUR, 0, 14), 1);
    EXPECT_EQ(SendMessageA(edit, TEM_SETMINUTE, 0, 5), 1);
    EXPECT_EQ(tmSetSecond(edit, 70), 1);  // stored as given
    EXPECT_EQ(tmGetHour(edit), 14);
    EXPECT_EQ(tmGetSecond(edit), 70);
    EXPECT_EQ(TimeString(), "02:05 PM");
    EXPECT_EQ(SendMessageA(edit, TEM_ISNULL, 0, 0), 0);
    EXPECT_EQ(SendMessageA(edit, TEM_SETNULL, 0, 0), 1);
    EXPECT_EQ(tmGetHour(edit), 14);  // the stored time is kept
    EXPECT_EQ(TimeString(), "");
}

TEST_F(TimeEditTest, TheSystemTimeFormatIsReadAtCreation) {
    char am[9] = "";
    char separator[4] = "";
    GetProfileStringA("intl", "s1159", "AM", am, sizeof am);
    GetProfileStringA("intl", "sTime", ":", separator, sizeof separator);
    const bool hour24 = GetProfileIntA("intl", "iTime", 1) != 0;
    HWND system = parent.CreateChild("TarnTimeEdit32", 0, 105);
    TMEDITPARAMS params = {};
    ASSERT_NE(tmGetEditParams(system, &params), nullptr);
    EXPECT_STREQ(params.amDesignator, am);
    EXPECT_EQ(params.separator, static_cast<DWORD>(static_cast<BYTE>(separator[0])));
    EXPECT_EQ(params.hour24 != 0, hour24);
    EXPECT_EQ(params.seconds, 0u);
    DestroyWindow(system);
}

TEST_F(TimeEditTest, AParentMayDestroyTheControlWhileItNotifies) {
    SetFocus(edit);
    parent.DestroyChildOn(EN_CHANGE);
    TypeDigits(edit, "1");
    EXPECT_FALSE(IsWindow(edit));
    edit = parent.CreateChild("TarnTimeEdit32", 0, 100, 140, 24);
    SetFocus(edit);
    PressKey(edit, VK_DOWN);
    EXPECT_FALSE(IsWindow(edit));
    PumpMessages();
    parent.DestroyChildOn(0);
    edit = parent.CreateChild("TarnTimeEdit32", 0, 100, 140, 24);
}

TEST_F(TimeEditTest, BadWindowsGiveFailureValues) {
    HWND date = parent.CreateChild("TarnDateEdit32", 0, 102);
    for (HWND hwnd : {static_cast<HWND>(nullptr), date, parent.hwnd()}) {
        EXPECT_EQ(tmGetHour(hwnd), 0);
        EXPECT_EQ(tmIsNull(hwnd), 1);
        EXPECT_EQ(tmGetMinHeight(hwnd), 0);
        EXPECT_EQ(tmSetBorderStyle(hwnd, 2), 0);
        EXPECT_EQ(tmStartClock(hwnd), 0);
        EXPECT_EQ(tmGetEditParams(hwnd, nullptr), nullptr);
        EXPECT_EQ(tmSetColor(hwnd, 2, 0), 0);
    }
    EXPECT_EQ(tmGetTime(edit, nullptr), 0);
    EXPECT_EQ(tmSetTime(edit, nullptr), 0);
    EXPECT_EQ(tmGetTimeString(edit, nullptr), nullptr);
    EXPECT_EQ(tmSetColor(edit, TARN_COLOR_BUTTONFACE, 0), 0);
    EXPECT_EQ(tmGetEditParams(edit, nullptr), nullptr);
    DestroyWindow(date);
}

TEST_F(TimeEditTest, BorderStylesUseTheTimeEditBits) {
    HWND raised = parent.CreateChild("TarnTimeEdit32", TMS_BORDERRAISED, 103);
    EXPECT_TRUE(GetWindowLongA(raised, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    RECT before;
    GetClientRect(edit, &before);
    EXPECT_EQ(tmSetBorderStyle(edit, 3), 1);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & TMS_BORDERSUNKEN);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT after;
    GetClientRect(edit, &after);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
    DestroyWindow(raised);
}

TEST_F(TimeEditTest, TextColourValuesPaint) {
    SetTime(8, 0, 0);
    tmSetColor(edit, TARN_COLOR_BACKGROUND, 0x0000FF00);
    EXPECT_EQ(PaintedPixel(edit, 130, 2), RGB(0, 255, 0));
    SendMessageA(edit, TEM_SETBKCOLOR, 0, TARN_SYSCOLOR(COLOR_INFOBK));
    EXPECT_EQ(PaintedPixel(edit, 130, 2), GetSysColor(COLOR_WINDOW));  // the parent's brush
}

}  // namespace
}  // namespace tw::test
