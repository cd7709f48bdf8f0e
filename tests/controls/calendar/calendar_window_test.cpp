// Standalone calendar windows of the library under test, driven by messages and keys.

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "calendar_harness.h"

namespace tw::test {
namespace {

constexpr UINT kSetDateMsg = 0x1471;
constexpr UINT kGetYearMsg = 0x146C;

class CalendarWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ("", MissingExport()); }
    const CalendarApi& api = Calendar();
    TestParent parent;

    HWND Make(DWORD style) { return parent.CreateCalendar(style); }
    void SetDate(HWND cal, DWORD month, DWORD day, DWORD year) {
        DWORD date[3] = {month, day, year};
        ASSERT_EQ(1, api.SetDate(cal, date));
        Events().clear();
    }
    void ExpectDate(HWND cal, DWORD month, DWORD day, DWORD year) {
        DWORD date[3] = {};
        ASSERT_EQ(1, api.GetDate(cal, date));
        EXPECT_EQ(month, date[0]);
        EXPECT_EQ(day, date[1]);
        EXPECT_EQ(year, date[2]);
    }
    int ChangeNotifications() {
        int n = 0;
        for (const Event& e : EventsOf(WM_COMMAND)) n += e.code == 1 && e.id == kCalendarId;
        return n;
    }
};

TEST_F(CalendarWindow, FiveViewsHaveTheirNaturalSizes) {
    HWND month = Make(0x0001);
    const int w = api.GetMinWidth(month) / 7;
    const int h = api.GetMinHeight(month) / 9;  // six rows and a header of three lines
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);
    EXPECT_EQ(7 * w, api.GetMinWidth(month));
    RECT client;
    GetClientRect(month, &client);
    EXPECT_EQ(7 * w, client.right) << "the one-month view sizes itself";
    EXPECT_EQ(9 * h, client.bottom);
    SetWindowPos(month, nullptr, 0, 0, 500, 500, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(month, &client);
    EXPECT_EQ(7 * w, client.right) << "and keeps its size";

    struct Case {
        DWORD style;
        int width, height;
    } cases[] = {
        {0x0002, 21 * w + 2, 6 * h + 3 * h},
        {0x0004, 7 * w, 18 * h + 4 * h + 3 * h},
        {0x0008, 21 * w + 2, 2 * (6 * h + h) + 3 * h},
        {0x0010, 21 * w + 2, 6 * (4 * h + h) + 3 * h},
    };
    for (const Case& c : cases) {
        HWND cal = Make(c.style);
        EXPECT_EQ(c.width, api.GetMinWidth(cal)) << c.style;
        EXPECT_EQ(c.height, api.GetMinHeight(cal)) << c.style;
        SetDate(cal, 11, 15, 2001);
        Snapshot shot(cal);  // every view paints without fault
        EXPECT_EQ(c.width, shot.Width()) << "not scaled: resized to the natural size";
    }
    HWND scaled = parent.CreateCalendar(0x0001 | 0x0200, 350, 270);
    GetClientRect(scaled, &client);
    EXPECT_EQ(350, client.right) << "the scaled style keeps the window's size";
    EXPECT_EQ(350, api.GetMinWidth(scaled));
}

TEST_F(CalendarWindow, PaintsChosenDaySundaysAndOtherDaysInTheirColours) {
    HWND cal = Make(0x0001 | 0x0040);
    const COLORREF highlight = RGB(10, 200, 30), sunday = RGB(250, 240, 10), day = RGB(20, 30, 240);
    api.SetBkHighlightColor(cal, highlight);
    api.SetBkSundayColor(cal, sunday);
    api.SetBkDayColor(cal, day);
    SetDate(cal, 10, 12, 2005);  // October 2005 starts on a Saturday
    const int w = api.GetMinWidth(cal) / 7, h = api.GetMinHeight(cal) / 9, top = 3 * h;
    auto cellColour = [&](Snapshot& s, int cell) {
        return s.At(cell % 7 * w + 2, top + cell / 7 * h + 1);
    };
    Snapshot shot(cal);
    EXPECT_EQ(highlight, cellColour(shot, 6 + 11));  // 12 October
    EXPECT_EQ(sunday, cellColour(shot, 7));          // 2 October, a Sunday
    EXPECT_EQ(day, cellColour(shot, 6 + 12));        // 13 October
    EXPECT_EQ(day, cellColour(shot, 36));            // 31 October in the sixth row
    // A colour with bit 28 is a system colour, resolved when painted.
    api.SetBkDayColor(cal, ~COLORREF(COLOR_BTNSHADOW));
    Snapshot system(cal);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), cellColour(system, 6 + 12));
}

TEST_F(CalendarWindow, KeysMoveTheChosenDay) {
    HWND cal = Make(0x0001);
    struct Case {
        DWORD month, day, year;
        UINT key;
        DWORD toMonth, toDay;
        int notifications;
    } cases[] = {
        {3, 31, 2000, VK_PRIOR, 2, 29, 1},  {3, 31, 1900, VK_PRIOR, 2, 28, 1},
        {3, 1, 2000, VK_LEFT, 3, 1, 0},     {3, 31, 2000, VK_RIGHT, 3, 31, 0},
        {3, 15, 2000, VK_UP, 3, 8, 1},      {3, 15, 2000, VK_DOWN, 3, 22, 1},
        {12, 31, 2000, VK_NEXT, 12, 31, 0}, {1, 31, 2001, VK_NEXT, 2, 28, 1},
        {9, 2, 1752, VK_RIGHT, 9, 14, 1},
    };
    for (const Case& c : cases) {
        SetDate(cal, c.month, c.day, c.year);
        PressKey(cal, c.key);
        ExpectDate(cal, c.toMonth, c.toDay, c.year);
        EXPECT_EQ(c.notifications, ChangeNotifications())
            << c.month << "/" << c.day << " key " << c.key;
    }
    HWND displayOnly = Make(0x0001 | 0x0040);
    SetDate(displayOnly, 3, 31, 2000);
    PressKey(displayOnly, VK_PRIOR);
    ExpectDate(displayOnly, 3, 31, 2000);
}

TEST_F(CalendarWindow, ClickChoosesTheDayAndNotifies) {
    HWND cal = Make(0x0001);
    SetDate(cal, 10, 1, 2005);
    const int w = api.GetMinWidth(cal) / 7, h = api.GetMinHeight(cal) / 9;
    SendMessageA(cal, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1 * w + 3, 3 * h + 5 * h + 3));
    ExpectDate(cal, 10, 31, 2005);  // sixth row, Monday column
    EXPECT_EQ(1, ChangeNotifications());
}

TEST_F(CalendarWindow, ClickInAMultiMonthViewChoosesThatMonth) {
    HWND cal = Make(0x0008);  // half year: two rows of three months
    SetDate(cal, 2, 10, 2005);
    const int w = (api.GetMinWidth(cal) - 2) / 21;
    const int h = (api.GetMinHeight(cal)) / (12 + 2 + 3);
    // June 2005 is the last panel: second row, third column; 1 June is a Wednesday.
    const int left = 2 * (7 * w + 1), top = 3 * h + 6 * h + 2 * h;
    SendMessageA(cal, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(left + 3 * w + 2, top + 2));
    ExpectDate(cal, 6, 1, 2005);
    EXPECT_EQ(1, ChangeNotifications());
}

TEST_F(CalendarWindow, FontChangeResizesTheViewAndPlacesTheChildren) {
    HWND cal = Make(0x0001 | 0x0080 | 0x0100);
    HFONT big = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    const LONG before = api.GetMinWidth(cal);
    SendMessageA(cal, WM_SETFONT, WPARAM(big), TRUE);
    const LONG w = api.GetMinWidth(cal) / 7;
    EXPECT_GT(api.GetMinWidth(cal), before);
    EXPECT_EQ(LRESULT(big), SendMessageA(cal, WM_GETFONT, 0, 0));
    RECT client, field, spin, selector;
    GetClientRect(cal, &client);
    EXPECT_EQ(7 * w, client.right);
    GetWindowRect(GetDlgItem(cal, 10), &field);
    GetWindowRect(GetDlgItem(cal, 20), &spin);
    GetWindowRect(GetDlgItem(cal, 30), &selector);
    EXPECT_NEAR(2 * w, spin.right - field.left, 4) << "year field and spin span two cells";
    EXPECT_GE(selector.left, spin.right) << "the selector never covers the year";
    EXPECT_EQ(4 * w, selector.right - selector.left);
    SendMessageA(cal, WM_SETFONT, 0, TRUE);  // back to the system font
    EXPECT_EQ(before, api.GetMinWidth(cal));
    DeleteObject(big);
}

TEST_F(CalendarWindow, SettersGettersTextsAndNotifications) {
    HWND cal = Make(0x0001 | 0x0080 | 0x0100);
    EXPECT_EQ(1, api.SetYear(cal, 1999));
    EXPECT_EQ(1999, api.GetYear(cal));
    EXPECT_EQ(1999, SendMessageA(cal, kGetYearMsg, 0, 0));
    EXPECT_EQ(1, api.SetMonth(cal, 7));
    EXPECT_EQ(7, api.GetMonth(cal));
    EXPECT_EQ(1, api.SetDay(cal, 40));  // stored unchecked
    EXPECT_EQ(40, api.GetDay(cal));
    EXPECT_EQ(3, ChangeNotifications());
    char year[16] = "";
    GetDlgItemTextA(cal, 10, year, sizeof year);
    EXPECT_STREQ("1999", year) << "the year field follows";
    EXPECT_EQ(6, SendDlgItemMessageA(cal, 30, CB_GETCURSEL, 0, 0)) << "the month selector follows";
    EXPECT_EQ(12, SendDlgItemMessageA(cal, 30, CB_GETCOUNT, 0, 0));

    DWORD date[3] = {2, 29, 1996};  // a 19xx year reads back in two- and four-digit formats
    EXPECT_EQ(1, SendMessageA(cal, kSetDateMsg, 0, reinterpret_cast<LPARAM>(date)));
    char text[32];
    api.GetDateString(cal, text);
    EXPECT_NE(nullptr, std::strstr(text, "29")) << text;
    EXPECT_EQ(1, api.SetDateString(cal, text));
    ExpectDate(cal, 2, 29, 1996);
    EXPECT_EQ(0, api.SetDateString(cal, ""));
    EXPECT_EQ(0, api.SetDateString(cal, nullptr));
    ExpectDate(cal, 2, 29, 1996);

    // Choosing a month or typing a year in the children takes them (the day stays).
    SendDlgItemMessageA(cal, 30, CB_SETCURSEL, 10, 0);
    Events().clear();
    SendMessageA(cal, WM_COMMAND, MAKEWPARAM(30, CBN_SELENDOK), LPARAM(GetDlgItem(cal, 30)));
    ExpectDate(cal, 11, 29, 1996);
    EXPECT_EQ(1, ChangeNotifications());
    SetDlgItemTextA(cal, 10, "1850");
    ExpectDate(cal, 11, 29, 1850);

    // Month names replace the selector's entries instead of adding to them.
    const char names[] = "Jan\0Feb\0Mar\0Apr\0Mai\0Jun\0Jul\0Aug\0Sep\0Okt\0Nov\0Dez\0";
    EXPECT_EQ(1, api.SetMonthLiterals(cal, names));
    EXPECT_EQ(12, SendDlgItemMessageA(cal, 30, CB_GETCOUNT, 0, 0));
    char entry[16] = "";
    SendDlgItemMessageA(cal, 30, CB_GETLBTEXT, 9, reinterpret_cast<LPARAM>(entry));
    EXPECT_STREQ("Okt", entry);
    EXPECT_EQ(1, api.SetDOWLiterals(cal, "SMDMDFS"));
    for (const char* bad : {"SMTWTF", "SMTWTFSS", ""}) EXPECT_EQ(0, api.SetDOWLiterals(cal, bad));
}

TEST_F(CalendarWindow, ReadsTheShortDateFormatOfTheSystem) {
    char oldPicture[32], oldSeparator[8];
    GetProfileStringA("intl", "sShortDate", "M/d/yy", oldPicture, sizeof oldPicture);
    GetProfileStringA("intl", "sDate", "/", oldSeparator, sizeof oldSeparator);
    struct Case {
        const char* picture;
        const char* separator;
        const char* text;
        DWORD month, day, year;
        const char* shown;
    } cases[] = {
        {"M/d/yy", "/", "12/31/99", 12, 31, 1999, "12/31/99"},
        {"M/d/yy", "/", "12/31/2005", 12, 31, 2005, "12/31/05"},
        {"dd.MM.yyyy", ".", "7.4.1999", 4, 7, 1999, "07.04.1999"},
        {"yyyy-MM-dd", "-", "2001-3-5", 3, 5, 2001, "2001-03-05"},
    };
    for (const Case& c : cases) {
        WriteProfileStringA("intl", "sShortDate", c.picture);
        WriteProfileStringA("intl", "sDate", c.separator);
        HWND cal = Make(0x0001);
        EXPECT_EQ(1, api.SetDateString(cal, c.text)) << c.picture;
        ExpectDate(cal, c.month, c.day, c.year);
        char shown[32];
        EXPECT_STREQ(c.shown, api.GetDateString(cal, shown)) << c.picture;
        DestroyWindow(cal);
    }
    WriteProfileStringA("intl", "sShortDate", oldPicture);
    WriteProfileStringA("intl", "sDate", oldSeparator);
}

TEST_F(CalendarWindow, FocusIsReported) {
    HWND cal = Make(0x0001);
    HWND other = parent.CreateOwner();
    SetFocus(other);
    Events().clear();
    SetFocus(cal);
    SetFocus(other);
    std::vector<Event> commands = EventsOf(WM_COMMAND);
    ASSERT_EQ(2u, commands.size());
    EXPECT_EQ(2, commands[0].code);
    EXPECT_EQ(3, commands[1].code);
    EXPECT_EQ(cal, commands[0].control);
}

TEST_F(CalendarWindow, BadInputFailsCleanly) {
    HWND cal = Make(0x0001);
    HWND stranger = parent.CreateOwner();  // a window of another class
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, parent.Handle(), nullptr,
                                nullptr, nullptr);
    DWORD date[3] = {1, 2, 2003};
    char text[32] = "x";
    for (HWND bad : {HWND(nullptr), stranger, edit, parent.Handle(), HWND(0x12345)}) {
        EXPECT_EQ(0, api.SetYear(bad, 2000));
        EXPECT_EQ(0, api.GetYear(bad));
        EXPECT_EQ(0, api.GetMonth(bad));
        EXPECT_EQ(0, api.SetDate(bad, date));
        EXPECT_EQ(0, api.GetDate(bad, date));
        EXPECT_EQ(0, api.SetDateString(bad, "1/2/2003"));
        EXPECT_EQ(text, api.GetDateString(bad, text));
        EXPECT_STREQ("", text);
        EXPECT_EQ(0, api.SetDayColor(bad, 0));
        EXPECT_EQ(0, api.GetMinWidth(bad));
        EXPECT_EQ(0, api.HideCalendar(bad));
        EXPECT_EQ(0, api.SetMonthLiterals(bad, "a\0b\0"));
        std::strcpy(text, "x");
    }
    EXPECT_EQ(0, api.SetDate(cal, nullptr));
    EXPECT_EQ(0, api.GetDate(cal, nullptr));
    EXPECT_EQ(0, api.SetMonthLiterals(cal, nullptr));
    EXPECT_EQ(0, api.SetDOWLiterals(cal, nullptr));
    EXPECT_EQ(nullptr, api.GetDateString(cal, nullptr));
    EXPECT_EQ(0, api.HideCalendar(cal)) << "a standalone calendar has nothing to hide";

    // Absurd dates are stored as given and painted without fault; the text stays in bounds.
    DWORD absurd[3] = {13, 99, 0xFFFFFFFF};
    EXPECT_EQ(1, api.SetDate(cal, absurd));
    Snapshot shot(cal);
    EXPECT_EQ(13, api.GetMonth(cal));
    char guarded[40];
    std::memset(guarded, '#', sizeof guarded);
    api.GetDateString(cal, guarded);
    EXPECT_LT(std::strlen(guarded), 32u);
    EXPECT_EQ('#', guarded[39]);
    PressKey(cal, VK_PRIOR);
    PressKey(cal, VK_LEFT);
    EXPECT_EQ(13, api.GetMonth(cal));

    DestroyWindow(cal);
    EXPECT_EQ(0, api.GetYear(cal)) << "a destroyed calendar";
}

}  // namespace
}  // namespace tw::test
