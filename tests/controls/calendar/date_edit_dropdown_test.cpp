// The drop-down calendar of a real date edit of tarn32.dll: the round trip from the drop-down
// through a pick or a cancel back to the date edit and its parent.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar_harness.h"

namespace tw::test {
namespace {

using GetDateFn = LONG(WINAPI*)(HWND, WORD*);
using SetDateFn = int(WINAPI*)(HWND, const WORD*);
using DropDownFn = int(WINAPI*)(HWND);

constexpr int kDateEditId = 91;
constexpr int kDropDown = 0x0103, kCloseUp = 0x0102;

BOOL CALLBACK FindShownCalendar(HWND hwnd, LPARAM found) {
    char name[32] = "";
    GetClassNameA(hwnd, name, sizeof name);
    if (std::string(name) == "TarnCalctl32" && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

class DateEditDropDown : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ("", MissingExport());
        HMODULE m = Calendar().module;
        getDate =
            reinterpret_cast<GetDateFn>(reinterpret_cast<void*>(GetProcAddress(m, "dtGetDate")));
        setDate =
            reinterpret_cast<SetDateFn>(reinterpret_cast<void*>(GetProcAddress(m, "dtSetDate")));
        dropDown = reinterpret_cast<DropDownFn>(
            reinterpret_cast<void*>(GetProcAddress(m, "dtDropDownCalendar")));
        ASSERT_TRUE(getDate && setDate && dropDown);
        edit = CreateWindowExA(0, "TarnDateEdit32", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | 0x0004,
                               40, 40, 140, 24, parent.Handle(),
                               reinterpret_cast<HMENU>(INT_PTR(kDateEditId)), nullptr, nullptr);
        ASSERT_NE(nullptr, edit);
        WORD date[3] = {3, 31, 2000};
        setDate(edit, date);
        SetFocus(edit);
        Pump();
        Events().clear();
        ASSERT_EQ(1, dropDown(edit));
        EnumThreadWindows(GetCurrentThreadId(), FindShownCalendar,
                          reinterpret_cast<LPARAM>(&popup));
        ASSERT_NE(nullptr, popup);
    }

    std::vector<int> ParentCodes() {
        Pump();
        std::vector<int> codes;
        for (const Event& e : EventsOf(WM_COMMAND))
            if (e.id == kDateEditId && e.control == edit && e.code != EN_UPDATE)
                codes.push_back(e.code);
        return codes;
    }
    void ExpectEditDate(WORD month, WORD day, WORD year) {
        WORD date[3] = {};
        getDate(edit, date);
        EXPECT_EQ(month, date[0]);
        EXPECT_EQ(day, date[1]);
        EXPECT_EQ(year, date[2]);
    }
    void ExpectBackInTheEdit() {
        EXPECT_FALSE(IsWindowVisible(popup));
        EXPECT_EQ(edit, GetFocus());
    }

    TestParent parent;
    HWND edit = nullptr, popup = nullptr;
    GetDateFn getDate = nullptr;
    SetDateFn setDate = nullptr;
    DropDownFn dropDown = nullptr;
};

TEST_F(DateEditDropDown, PageUpAndEnterPickTheLastOfFebruary) {
    EXPECT_EQ(popup, GetFocus());
    EXPECT_EQ(3, Calendar().GetMonth(popup));
    RECT e, p;
    GetWindowRect(edit, &e);
    GetWindowRect(popup, &p);
    EXPECT_EQ(e.left, p.left) << "dropped under the edit";
    EXPECT_GE(p.top, e.bottom);
    PressKey(popup, VK_PRIOR);
    PressKey(popup, VK_RETURN);
    EXPECT_EQ((std::vector<int>{kDropDown, EN_KILLFOCUS, kCloseUp, EN_SETFOCUS, EN_CHANGE}),
              ParentCodes());
    ExpectEditDate(2, 29, 2000);
    ExpectBackInTheEdit();
}

TEST_F(DateEditDropDown, EscapeAfterAMonthChangeKeepsTheNewMonth) {
    HWND selector = GetDlgItem(popup, 30);
    SendMessageA(selector, CB_SETCURSEL, 0, 0);
    SendMessageA(popup, WM_COMMAND, MAKEWPARAM(30, CBN_SELENDOK), LPARAM(selector));
    PressKey(popup, VK_ESCAPE);
    ExpectEditDate(1, 31, 2000);
    // A cancel sends no EN_CHANGE after closing.
    EXPECT_EQ((std::vector<int>{kDropDown, EN_KILLFOCUS, kCloseUp, EN_SETFOCUS}), ParentCodes());
    ExpectBackInTheEdit();
}

TEST_F(DateEditDropDown, ClickOutsideCancelsAndRefocusesTheEdit) {
    PressKey(popup, VK_RIGHT);
    SendMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-300, -300));
    EXPECT_EQ((std::vector<int>{kDropDown, EN_KILLFOCUS, kCloseUp, EN_SETFOCUS}), ParentCodes());
    ExpectEditDate(3, 31, 2000);
    ExpectBackInTheEdit();
    EXPECT_EQ(1, dropDown(edit)) << "drops down again";
    EXPECT_TRUE(IsWindowVisible(popup));
}

}  // namespace
}  // namespace tw::test
