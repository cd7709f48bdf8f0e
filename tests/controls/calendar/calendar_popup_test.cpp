// The date edit's drop-down calendar: pick and cancel paths and what the date edit and its
// parent receive, in order.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar_harness.h"

namespace tw::test {
namespace {

class CalendarPopup : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ("", MissingExport());
        owner = parent.CreateOwner();
        popup = CreatePopupFor(owner);
        ASSERT_NE(nullptr, popup);
        DropDown(popup, 3, 15, 2000);
        w = api.GetMinWidth(popup) / 7;
        h = api.GetMinHeight(popup) / 9;
    }
    void TearDown() override { DestroyWindow(popup); }

    // The messages in the order they arrived, as "owner:<msg>" and "parent:<code>".
    std::vector<std::string> Sequence() {
        Pump();
        std::vector<std::string> seq;
        for (const Event& e : Events()) {
            if (e.window == owner)
                seq.push_back("owner:" + std::to_string(e.message));
            else if (e.message == WM_COMMAND && e.id == kOwnerId && e.control == owner)
                seq.push_back("parent:" + std::to_string(e.code));
        }
        return seq;
    }
    void ExpectClosedTowardsOwner() {
        EXPECT_FALSE(IsWindowVisible(popup));
        EXPECT_EQ(owner, GetFocus());
        EXPECT_NE(popup, GetCapture());
    }
    WORD LastDateSentToOwner(int field) {
        std::vector<Event> sets = EventsOf(kDtSetDate);
        return sets.empty() ? 0 : sets.back().date[field];
    }

    const CalendarApi& api = Calendar();
    TestParent parent;
    HWND owner = nullptr, popup = nullptr;
    int w = 0, h = 0;
    const std::string setDate = "owner:" + std::to_string(kDtSetDate);
    const std::string closed = "owner:" + std::to_string(kPopupClosed);
    const std::string cancelMode = "owner:" + std::to_string(WM_CANCELMODE);
    const std::string closeUp = "parent:" + std::to_string(0x0102);
};

TEST_F(CalendarPopup, DroppedPopupShowsTheDateAndHoldsTheCapture) {
    EXPECT_TRUE(IsWindowVisible(popup));
    EXPECT_EQ(popup, GetCapture());
    EXPECT_EQ(2000, api.GetYear(popup));
    EXPECT_EQ(3, api.GetMonth(popup));
    char year[8] = "";
    GetDlgItemTextA(popup, 10, year, sizeof year);
    EXPECT_STREQ("2000", year);
    EXPECT_EQ(2, SendDlgItemMessageA(popup, 30, CB_GETCURSEL, 0, 0));
    EXPECT_TRUE(GetWindowLongPtrA(popup, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(CalendarPopup, PickPathsHandTheDateToTheOwner) {
    struct Case {
        const char* name;
        void (*act)(HWND popup, int w, int h);
        WORD day;
    } cases[] = {
        {"Enter",
         [](HWND p, int, int) {
             PressKey(p, VK_RIGHT);
             PressKey(p, VK_RETURN);
         },
         16},
        {"Alt+Up", [](HWND p, int, int) { PressKey(p, VK_UP, true); }, 15},
        {"click on a day",  // 1 March 2000 is a Wednesday: the 31st is in row 4, Friday
         [](HWND p, int w, int h) {
             SendMessageA(p, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5 * w + 2, 3 * h + 4 * h + 2));
         },
         31},
        {"ccHideCalendar", [](HWND p, int, int) { Calendar().HideCalendar(p); }, 15},
    };
    for (const Case& c : cases) {
        DropDown(popup, 3, 15, 2000);
        c.act(popup, w, h);
        std::vector<std::string> expected = {setDate, closeUp, closed};
        EXPECT_EQ(expected, Sequence()) << c.name;
        EXPECT_EQ(3, LastDateSentToOwner(0)) << c.name;
        EXPECT_EQ(c.day, LastDateSentToOwner(1)) << c.name;
        EXPECT_EQ(2000, LastDateSentToOwner(2)) << c.name;
        ExpectClosedTowardsOwner();
        EXPECT_EQ(0, api.HideCalendar(popup)) << "closed already";
    }
}

TEST_F(CalendarPopup, CancelPathsReleaseTheOwner) {
    struct Case {
        const char* name;
        void (*act)(HWND popup);
    } cases[] = {
        {"Escape", [](HWND p) { PressKey(p, VK_ESCAPE); }},
        {"Tab", [](HWND p) { PressKey(p, VK_TAB); }},
        {"click outside",
         [](HWND p) { SendMessageA(p, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-40, -40)); }},
        {"click far right",
         [](HWND p) { SendMessageA(p, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2000, 10)); }},
        {"another program activated", [](HWND p) { SendMessageA(p, WM_ACTIVATEAPP, FALSE, 0); }},
    };
    for (const Case& c : cases) {
        DropDown(popup, 3, 15, 2000);
        PressKey(popup, VK_DOWN);  // a key move is not handed over
        c.act(popup);
        std::vector<std::string> expected = {closeUp, cancelMode};
        EXPECT_EQ(expected, Sequence()) << c.name;
        ExpectClosedTowardsOwner();
    }
}

TEST_F(CalendarPopup, EscapeAfterAMonthChangeLeavesTheNewMonth) {
    HWND selector = GetDlgItem(popup, 30);
    SendMessageA(selector, CB_SETCURSEL, 5, 0);
    ReleaseCapture();  // as the selector's drop-down list takes it
    SendMessageA(popup, WM_COMMAND, MAKEWPARAM(30, CBN_SELENDOK), LPARAM(selector));
    EXPECT_EQ(6, LastDateSentToOwner(0));
    EXPECT_EQ(15, LastDateSentToOwner(1));
    EXPECT_EQ(popup, GetCapture()) << "the popup takes the capture back";
    PressKey(popup, VK_ESCAPE);
    std::vector<std::string> expected = {setDate, closeUp, cancelMode};
    EXPECT_EQ(expected, Sequence());
    EXPECT_EQ(6, LastDateSentToOwner(0));
    ExpectClosedTowardsOwner();
}

TEST_F(CalendarPopup, YearFieldChangesReachTheOwner) {
    SetDlgItemTextA(popup, 10, "1752");
    EXPECT_EQ(1752, LastDateSentToOwner(2));
    EXPECT_EQ(1752, api.GetYear(popup));
    SetDlgItemTextA(popup, 10, "0");  // not a year: ignored
    EXPECT_EQ(1752, api.GetYear(popup));
    EXPECT_EQ(1u, EventsOf(kDtSetDate).size());
}

TEST_F(CalendarPopup, ClosingKeysWorkFromTheChildren) {
    HWND field = GetDlgItem(popup, 10);
    SetFocus(field);
    PressKey(field, VK_ESCAPE);
    EXPECT_EQ((std::vector<std::string>{closeUp, cancelMode}), Sequence());
    ExpectClosedTowardsOwner();

    DropDown(popup, 3, 15, 2000);
    HWND selector = GetDlgItem(popup, 30);
    SetFocus(selector);
    PressKey(selector, VK_RETURN);
    EXPECT_EQ((std::vector<std::string>{setDate, closeUp, closed}), Sequence());
    ExpectClosedTowardsOwner();
}

TEST_F(CalendarPopup, ClickInsideButOffTheDaysDoesNothing) {
    SendMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(w * 7 - 2, 3 * h - 2));  // letters
    EXPECT_TRUE(IsWindowVisible(popup));
    EXPECT_TRUE(Sequence().empty());
    // 1 March 2000 is a Wednesday: the cells before it are empty.
    SendMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(w + 2, 3 * h + 2));
    EXPECT_TRUE(IsWindowVisible(popup));
    EXPECT_TRUE(Sequence().empty());
}

}  // namespace
}  // namespace tw::test
