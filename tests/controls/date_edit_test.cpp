// The date edit driven as a client would: exported functions, messages and keys on real
// windows of tarn32.dll, with a parent that records the notifications.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "control_test_support.h"
#include "controls/tarn32.h"

namespace tw::test {
namespace {

class DateEditTest : public ::testing::Test {
protected:
    // The system's settings are shared by every program of the session, so the tests give
    // the control its format through dtSetEditParams instead of changing them.
    void SetUp() override {
        edit = parent.CreateChild("TarnDateEdit32", 0);
        ASSERT_NE(edit, nullptr);
        UseFormat({DT_FIELD_MONTH, DT_FIELD_DAY, DT_FIELD_YEAR}, '/', false, false, false);
    }
    void SetDate(WORD month, WORD day, WORD year) {
        WORD date[3] = {month, day, year};
        ASSERT_EQ(dtSetDate(edit, date), 1);
    }
    // Recreates the edit under another short date format.
    void UseFormat(std::array<DWORD, 3> order, char separator, bool twoDigitDay, bool twoDigitMonth,
                   bool fourDigitYear) {
        DTEDITPARAMS params = {};
        params.size = sizeof params;
        params.separator = static_cast<BYTE>(separator);
        params.twoDigitDay = twoDigitDay;
        params.twoDigitMonth = twoDigitMonth;
        params.fourDigitYear = fourDigitYear;
        for (int i = 0; i < 3; ++i) params.order[i] = order[i];
        ASSERT_EQ(dtSetEditParams(edit, &params), 1);
    }
    std::string DisplayString() {
        char buffer[32] = "";
        dtGetDateString(edit, buffer);
        return buffer;
    }

    RecordingParent parent;
    HWND edit = nullptr;
};

TEST_F(DateEditTest, DayNumbersCountFromFirstOfJanuary1900) {
    struct Case {
        WORD month, day, year;
        LONG expected;
    };
    const Case cases[] = {
        {1, 1, 1900, 0}, {12, 31, 1899, -1}, {1, 2, 1900, 1}, {3, 1, 1900, 59}, {1, 1, 1901, 365},
    };
    for (const Case& c : cases) {
        SetDate(c.month, c.day, c.year);
        EXPECT_EQ(dtGetDate(edit, nullptr), c.expected) << c.month << "/" << c.day << "/" << c.year;
    }
    SetDate(9, 2, 1752);
    const LONG second = dtGetDate(edit, nullptr);
    SetDate(9, 14, 1752);
    EXPECT_EQ(dtGetDate(edit, nullptr), second + 1);
    WORD read[3] = {};
    EXPECT_EQ(SendMessageA(edit, DEM_GETDATE, 0, reinterpret_cast<LPARAM>(read)), second + 1);
    EXPECT_EQ(read[0], 9);
    EXPECT_EQ(read[1], 14);
    EXPECT_EQ(read[2], 1752);
}

TEST_F(DateEditTest, ValidityFollowsTheLeapRulesAndTheReformGap) {
    struct Case {
        WORD month, day, year;
        int valid;
    };
    const Case cases[] = {
        {2, 29, 1700, 1}, {2, 29, 1600, 1}, {2, 29, 1900, 0}, {2, 29, 2000, 1},
        {9, 10, 1752, 0}, {9, 2, 1752, 1},  {9, 14, 1752, 1}, {0, 0, 0, 1},
        {13, 1, 2000, 0}, {4, 31, 2000, 0}, {1, 0, 2000, 0},  {1, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SetDate(c.month, c.day, c.year);
        EXPECT_EQ(dtIsDateValid(edit), c.valid) << c.month << "/" << c.day << "/" << c.year;
    }
    SetDate(2, 29, 2000);
    EXPECT_EQ(SendMessageA(edit, TARN_MSG_VALIDATE, 0, 0), 0);
}

// Closes the "Tarn DateEdit Error" box from a timer of its modal loop and remembers its text.
std::string g_boxText;
void CALLBACK CloseErrorBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowA(nullptr, "Tarn DateEdit Error");
    if (!box) return;
    char text[64] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    g_boxText = text;
    KillTimer(nullptr, timer);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(DateEditTest, ValidationReportsAnInvalidDateInAMessageBox) {
    SetDate(9, 10, 1752);
    g_boxText.clear();
    SetTimer(nullptr, 0, 50, CloseErrorBox);
    EXPECT_EQ(SendMessageA(edit, TARN_MSG_VALIDATE, 0, 0), -1);
    EXPECT_EQ(g_boxText, "Invalid Date");
}

TEST_F(DateEditTest, SetDateStringReadsByFieldOrder) {
    EXPECT_EQ(dtSetDateString(edit, "12/31/99"), 1);
    EXPECT_EQ(dtGetMonth(edit), 12);
    EXPECT_EQ(dtGetDay(edit), 31);
    EXPECT_EQ(dtGetYear(edit), 1999);
    EXPECT_EQ(DisplayString(), "12/31/99");
    dtSetDateString(edit, "12/31/2005");
    EXPECT_EQ(dtGetYear(edit), 2005);
    EXPECT_EQ(dtIsNull(edit), 0);
    dtSetDateString(edit, "");
    EXPECT_EQ(dtIsNull(edit), 1);
    EXPECT_EQ(dtGetMonth(edit), 0);
    EXPECT_EQ(WindowText(edit), "");
    dtSetDateString(edit, "3/4/05");
    EXPECT_EQ(SendMessageA(edit, DEM_ISNULL, 0, 0), 0);

    UseFormat({DT_FIELD_DAY, DT_FIELD_MONTH, DT_FIELD_YEAR}, '.', true, true, true);
    dtSetDateString(edit, "7.4.1999");
    EXPECT_EQ(dtGetDay(edit), 7);
    EXPECT_EQ(dtGetMonth(edit), 4);
    EXPECT_EQ(dtGetYear(edit), 1999);
    SetDate(3, 5, 2001);
    SetFocus(edit);
    EXPECT_EQ(WindowText(edit), "05.03.2001");
}

TEST_F(DateEditTest, EditTextIsPaddedOnlyWhileFocused) {
    SetDate(3, 5, 2001);
    EXPECT_EQ(WindowText(edit), "3/5/01");
    SetFocus(edit);
    EXPECT_EQ(WindowText(edit), "03/05/01");
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0), 8);
    SetFocus(parent.hwnd());
    EXPECT_EQ(WindowText(edit), "3/5/01");
    EXPECT_EQ(DisplayString(), "3/5/01");
}

TEST_F(DateEditTest, FocusNotifiesAndSelectsTheWholeText) {
    parent.Clear();
    SetFocus(edit);
    SetFocus(parent.hwnd());
    const std::vector<WORD> expected = {EN_SETFOCUS, EN_KILLFOCUS};
    EXPECT_EQ(parent.Codes(), expected);
    SetFocus(edit);
    const DWORD sel = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(sel), 0);
    EXPECT_EQ(HIWORD(sel), WindowText(edit).size());
}

TEST_F(DateEditTest, SetSelOrdersAndCutsItsPositions) {
    SetDate(3, 5, 2001);
    SetFocus(edit);
    struct Case {
        int start, end;
        WORD selStart, selEnd;
    };
    const Case cases[] = {{5, 2, 2, 5}, {0, -1, 0, 8}, {3, 100, 3, 8}, {1, 1, 1, 1}};
    for (const Case& c : cases) {
        SendMessageA(edit, EM_SETSEL, c.start, c.end);
        const DWORD sel = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
        EXPECT_EQ(LOWORD(sel), c.selStart) << c.start << "," << c.end;
        EXPECT_EQ(HIWORD(sel), c.selEnd) << c.start << "," << c.end;
    }
}

TEST_F(DateEditTest, TypingOverwritesDigitsAndNotifies) {
    SetDate(1, 5, 2001);
    SetFocus(edit);
    parent.Clear();
    TypeDigits(edit, "12");
    EXPECT_EQ(WindowText(edit), "12/05/01");
    EXPECT_EQ(dtGetMonth(edit), 12);
    const std::vector<WORD> expected = {EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE};
    EXPECT_EQ(parent.Codes(), expected);
    EXPECT_EQ(SendMessageA(edit, EM_GETMODIFY, 0, 0), 1);
    TypeDigits(edit, "2");
    EXPECT_EQ(dtGetDay(edit), 25);
    TypeDigits(edit, "9");  // 29 December fits
    EXPECT_EQ(dtGetDay(edit), 29);
    TypeDigits(edit, "99");  // two typed year digits keep the century
    EXPECT_EQ(dtGetYear(edit), 2099);
    EXPECT_EQ(DisplayString(), "12/29/99");
    SetDate(3, 5, 2001);
    SetFocus(parent.hwnd());
    SetFocus(edit);
    TypeDigits(edit, "1");  // 13 is no month: the month is selected instead
    EXPECT_EQ(dtGetMonth(edit), 3);
    TypeDigits(edit, "12");  // over the selected month: 1 gives 10, then 2 gives 12
    EXPECT_EQ(dtGetMonth(edit), 12);
}

TEST_F(DateEditTest, TypingRejectsImpossibleFieldValues) {
    UseFormat({DT_FIELD_DAY, DT_FIELD_MONTH, DT_FIELD_YEAR}, '/', false, false, false);
    SetDate(6, 15, 2001);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    parent.Clear();
    TypeDigits(edit, "9");  // 95 June: refused, the day is selected
    EXPECT_EQ(dtGetDay(edit), 15);
    EXPECT_TRUE(parent.Codes().empty());
    DWORD sel = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(sel), 0);
    EXPECT_EQ(HIWORD(sel), 2);
    TypeDigits(edit, "4");  // a selected first-position day takes only 0 to 3
    EXPECT_EQ(dtGetDay(edit), 15);
    TypeDigits(edit, "3");
    EXPECT_EQ(dtGetDay(edit), 30);
    SendMessageA(edit, EM_SETSEL, 3, 5);  // month selected whole
    TypeDigits(edit, "2");
    EXPECT_EQ(dtGetMonth(edit), 6);
    TypeDigits(edit, "1");
    EXPECT_EQ(dtGetMonth(edit), 10);
}

TEST_F(DateEditTest, StepsStayWithinTheirFields) {
    struct Case {
        WORD month, day, year;
        int field;
        UINT key;
        WORD m, d, y;
    };
    const Case cases[] = {
        {9, 2, 1752, 1, VK_UP, 9, 14, 1752},    {9, 14, 1752, 1, VK_DOWN, 9, 2, 1752},
        {1, 31, 2001, 0, VK_UP, 2, 28, 2001},   {1, 31, 2000, 0, VK_UP, 2, 29, 2000},
        {2, 29, 2000, 2, VK_UP, 2, 28, 2001},   {2, 29, 2000, 2, VK_DOWN, 2, 28, 1999},
        {12, 31, 2001, 1, VK_UP, 12, 31, 2001}, {1, 1, 2001, 1, VK_DOWN, 1, 1, 2001},
        {12, 5, 2001, 0, VK_UP, 12, 5, 2001},   {1, 5, 2001, 0, VK_SUBTRACT, 1, 5, 2001},
        {1, 5, 9999, 2, VK_ADD, 1, 5, 9999},
    };
    const int fieldStarts[3] = {0, 3, 6};
    SetFocus(edit);
    for (const Case& c : cases) {
        SetDate(c.month, c.day, c.year);
        SendMessageA(edit, EM_SETSEL, fieldStarts[c.field], fieldStarts[c.field]);
        PressKey(edit, c.key);
        EXPECT_EQ(dtGetMonth(edit), c.m) << c.month << "/" << c.day << "/" << c.year;
        EXPECT_EQ(dtGetDay(edit), c.d) << c.month << "/" << c.day << "/" << c.year;
        EXPECT_EQ(dtGetYear(edit), c.y) << c.month << "/" << c.day << "/" << c.year;
    }
}

TEST_F(DateEditTest, DeleteSpaceAndBackspace) {
    SetDate(12, 25, 2001);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    PressKey(edit, VK_DELETE);
    EXPECT_EQ(dtGetMonth(edit), 2);  // "02"
    SendMessageA(edit, EM_SETSEL, 2, 2);
    PressKey(edit, VK_DELETE);  // on the separator: nothing
    EXPECT_EQ(WindowText(edit), "02/25/01");
    SendMessageA(edit, EM_SETSEL, 5, 5);
    PressKey(edit, VK_BACK);  // deletes the 5 of 25
    EXPECT_EQ(dtGetDay(edit), 20);
    SendMessageA(edit, EM_SETSEL, 3, 3);
    parent.Clear();
    PressKey(edit, VK_SPACE);  // empties the day, caret to the year
    EXPECT_EQ(WindowText(edit), "02/  /01");
    EXPECT_EQ(dtGetDay(edit), 0xFFFF);
    EXPECT_TRUE(parent.Codes().empty());
    EXPECT_EQ(LOWORD(SendMessageA(edit, EM_GETSEL, 0, 0)), 6);
}

TEST_F(DateEditTest, ReadOnlyAndRefusedChangesKeepTheDate) {
    SetDate(3, 5, 2001);
    SetFocus(edit);
    SendMessageA(edit, EM_SETREADONLY, 1, 0);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    TypeDigits(edit, "1");
    PressKey(edit, VK_UP);
    EXPECT_EQ(dtGetMonth(edit), 3);
    SendMessageA(edit, EM_SETREADONLY, 0, 0);
    TypeDigits(edit, "1");  // "13" is refused: the month is selected instead
    EXPECT_EQ(dtGetMonth(edit), 3);
    EXPECT_EQ(HIWORD(SendMessageA(edit, EM_GETSEL, 0, 0)), 2);
}

TEST_F(DateEditTest, ClipboardCopiesAndPastes) {
    SetDate(3, 5, 2001);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_COPY, 0, 0);
    SetDate(1, 1, 2000);
    SetFocus(parent.hwnd());
    SetFocus(edit);
    SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(dtGetMonth(edit), 3);
    EXPECT_EQ(dtGetDay(edit), 5);
    EXPECT_EQ(dtGetYear(edit), 2001);
}

TEST_F(DateEditTest, EditParamsRecordNeedsItsSize) {
    DTEDITPARAMS params = {};
    params.size = 40;
    EXPECT_EQ(dtGetEditParams(edit, &params), 0);
    EXPECT_EQ(params.setDate, 0u);
    params.size = sizeof params;
    params.twoDigitDay = 7;
    SetDate(3, 5, 2001);
    EXPECT_EQ(dtGetEditParams(edit, &params), 1);
    EXPECT_EQ(params.month, 3);
    EXPECT_EQ(params.year, 2001);
    EXPECT_EQ(params.separator, '/');
    EXPECT_EQ(params.order[0], static_cast<DWORD>(DT_FIELD_MONTH));
    EXPECT_EQ(params.twoDigitDay, 7u);  // left as the caller had it

    DTEDITPARAMS change = {};
    change.size = sizeof change;
    change.setDate = 1;
    change.year = 1999;
    change.month = 7;
    change.day = 4;
    change.separator = '-';
    change.twoDigitDay = 1;
    change.twoDigitMonth = 1;
    change.fourDigitYear = 1;
    change.order[0] = DT_FIELD_YEAR;
    change.order[1] = DT_FIELD_MONTH;
    change.order[2] = DT_FIELD_DAY;
    EXPECT_EQ(SendMessageA(edit, DEM_SETEDITPARAMS, 0, reinterpret_cast<LPARAM>(&change)), 1);
    EXPECT_EQ(DisplayString(), "1999-07-04");
}

TEST_F(DateEditTest, CalTimeRecordDescribesTheDate) {
    SetDate(3, 1, 2000);
    TARNCALTIME record = {};
    EXPECT_EQ(SendMessageA(edit, TARN_MSG_GETCALTIME, 0, reinterpret_cast<LPARAM>(&record)), 1);
    EXPECT_EQ(record.dayOfMonth, 1u);
    EXPECT_EQ(record.month, 2u);
    EXPECT_EQ(record.year, 100u);
    EXPECT_EQ(record.dayOfWeek, 3u);  // a Wednesday
    EXPECT_EQ(record.dayOfYear, 60u);
    DWORD size = 0;
    EXPECT_EQ(SendMessageA(edit, TARN_MSG_CALTIMETYPE, 0, reinterpret_cast<LPARAM>(&size)), 11);
    EXPECT_EQ(size, 36u);
}

TEST_F(DateEditTest, DayLettersNeedExactlySeven) {
    EXPECT_EQ(dtSetDayLiterals(edit, "SMTWTF"), 0);
    EXPECT_EQ(dtSetDayLiterals(edit, "SMTWTFSX"), 0);
    EXPECT_EQ(dtSetDayLiterals(edit, "SMTWTFS"), 1);
    char* caption = dtSetButtonText(nullptr, 1, "Today");
    ASSERT_NE(caption, nullptr);
    EXPECT_STREQ(caption, "Today");
    EXPECT_EQ(dtSetButtonText(nullptr, 3, "x"), nullptr);
}

TEST_F(DateEditTest, ColoursResolveAtPaintTime) {
    SetDate(3, 5, 2001);
    const int x = 110;  // right of the text
    const int y = 2;
    EXPECT_EQ(PaintedPixel(edit, x, y), GetSysColor(COLOR_WINDOW));
    dtSetColor(edit, TARN_COLOR_BACKGROUND, static_cast<DWORD>(-6));
    const int element = COLOR_WINDOW;
    const COLORREF original = GetSysColor(COLOR_WINDOW);
    const COLORREF changed = RGB(10, 200, 30);
    SetSysColors(1, &element, &changed);
    EXPECT_EQ(PaintedPixel(edit, x, y), changed);
    SetSysColors(1, &element, &original);
    SendMessageA(edit, DEM_SETBKCOLOR, 0, 0x00FF0000);
    EXPECT_EQ(PaintedPixel(edit, x, y), RGB(0, 0, 255));

    // Focused, the whole text is selected and drawn in the system highlight colour.
    SetFocus(edit);
    RECT area;
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const int lineTop = (area.top + area.bottom - dtGetMinHeight(edit)) / 2;
    EXPECT_EQ(PaintedPixel(edit, area.left + 1, lineTop + 1), GetSysColor(COLOR_HIGHLIGHT));
    SendMessageA(edit, EM_SETSEL, -1, 0);
    EXPECT_EQ(PaintedPixel(edit, area.left + 1, lineTop + 1), RGB(0, 0, 255));
}

TEST_F(DateEditTest, BorderKindsKeepTheClientSize) {
    RECT before;
    GetClientRect(edit, &before);
    for (int kind : {3, 2, 1, 0}) {
        EXPECT_EQ(dtSetBorderStyle(edit, kind), 1);
        RECT after;
        GetClientRect(edit, &after);
        EXPECT_EQ(after.right, before.right) << kind;
        EXPECT_EQ(after.bottom, before.bottom) << kind;
    }
    dtSetBorderStyle(edit, 3);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & DTS_BORDERSUNKEN);
    const int sunkenHeight = dtGetMinHeight(edit);
    dtSetBorderStyle(edit, 1);
    EXPECT_EQ(sunkenHeight - dtGetMinHeight(edit), 2);
    HWND created = parent.CreateChild("TarnDateEdit32", 0, 101, 120, 24, WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongA(created, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongA(created, GWL_STYLE) & DTS_BORDERSUNKEN);
}

TEST_F(DateEditTest, BadWindowsGiveFailureValues) {
    HWND button = CreateWindowA("BUTTON", "", WS_CHILD, 0, 0, 10, 10, parent.hwnd(), nullptr,
                                nullptr, nullptr);
    for (HWND hwnd : {static_cast<HWND>(nullptr), button, parent.hwnd()}) {
        EXPECT_EQ(dtGetDate(hwnd, nullptr), -1);
        EXPECT_EQ(dtGetMonth(hwnd), -1);
        EXPECT_EQ(dtIsNull(hwnd), 1);
        EXPECT_EQ(dtGetMinHeight(hwnd), 24);
        EXPECT_EQ(dtGetMinWidth(hwnd), 80);
        EXPECT_EQ(dtSetDate(hwnd, nullptr), 0);
        EXPECT_EQ(dtSetBorderStyle(hwnd, 1), 0);
        EXPECT_EQ(dtSetColor(hwnd, 2, 0), 0);
        char buffer[32];
        EXPECT_EQ(dtGetDateString(hwnd, buffer), nullptr);
    }
    EXPECT_EQ(dtGetEditParams(edit, nullptr), 0);
    EXPECT_EQ(dtGetDateString(edit, nullptr), nullptr);
    EXPECT_EQ(dtSetColor(edit, 3, 0), 0);
    EXPECT_EQ(SendMessageA(edit, TARN_MSG_GETCALTIME, 0, 0), 0);
    DestroyWindow(button);
}

BOOL CALLBACK FindShownPopup(HWND hwnd, LPARAM out) {
    char name[32] = "";
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpA(name, "TarnCalctl32") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

TEST_F(DateEditTest, StandardEditMessagesWorkOnTheEditText) {
    SetDate(3, 5, 2001);
    EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, 0, 0), 0x8189);
    EXPECT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 1);
    char line[16] = {};
    *reinterpret_cast<WORD*>(line) = 3;  // room for three characters
    EXPECT_EQ(SendMessageA(edit, EM_GETLINE, 0, reinterpret_cast<LPARAM>(line)), 3);
    EXPECT_EQ(std::string(line, 3), "3/5");
    char small[4] = "xxx";
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 3);
    EXPECT_STREQ(small, "3/5");

    EXPECT_TRUE(SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("11/30/04")));
    EXPECT_EQ(dtGetMonth(edit), 11);
    EXPECT_EQ(dtGetDay(edit), 30);
    EXPECT_EQ(dtGetYear(edit), 2004);  // edit text keeps the century of the year it replaces
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    EXPECT_EQ(dtIsNull(edit), 1);

    SetDate(1, 1, 2001);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 3, 3);
    SendMessageA(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("24/99"));
    EXPECT_EQ(dtGetDay(edit), 24);
    EXPECT_EQ(dtGetYear(edit), 2099);
    SendMessageA(edit, EM_SETMODIFY, 0, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETMODIFY, 0, 0), 0);
}

TEST_F(DateEditTest, TypingIntoANullControlStartsFromZeros) {
    dtSetNull(edit);
    SetFocus(edit);
    EXPECT_EQ(WindowText(edit), "");
    TypeDigits(edit, "0704");
    EXPECT_EQ(dtIsNull(edit), 0);
    EXPECT_EQ(dtGetMonth(edit), 7);
    EXPECT_EQ(dtGetDay(edit), 4);
    EXPECT_EQ(WindowText(edit), "07/04/00");
    dtSetNull(edit);
    PressKey(edit, VK_UP);  // stepping a null control starts from 0/0/0
    EXPECT_EQ(dtIsNull(edit), 0);
    EXPECT_EQ(dtGetMonth(edit), 1);
}

TEST_F(DateEditTest, ShiftArrowsSelectWithinTheFieldAndCtrlInsertCopies) {
    SetDate(12, 25, 2001);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 3, 3);
    {
        HeldKey shift(VK_SHIFT);
        PressKey(edit, VK_RIGHT);
        PressKey(edit, VK_RIGHT);
        PressKey(edit, VK_RIGHT);  // the field ends at 5: beeps, stays
    }
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELRESULT(3, 5));
    {
        HeldKey control(VK_CONTROL);
        PressKey(edit, VK_INSERT);
    }
    ASSERT_TRUE(OpenClipboard(edit));
    HANDLE data = GetClipboardData(CF_TEXT);
    const std::string copied = data ? static_cast<const char*>(GlobalLock(data)) : "";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(copied, "25");
    {
        HeldKey shift(VK_SHIFT);
        PressKey(edit, VK_HOME);
    }
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELRESULT(0, 3));
}

TEST_F(DateEditTest, SizeAndSettingsChanges) {
    SetWindowPos(edit, nullptr, 0, 0, 5, 3, SWP_NOMOVE | SWP_NOZORDER);
    RECT client;
    GetClientRect(edit, &client);
    const int fontHeight = dtGetMinHeight(edit);  // no border: the font height
    EXPECT_GE(client.bottom, fontHeight);
    EXPECT_GT(client.right, 16);
    EXPECT_GT(dtGetMinWidth(edit), fontHeight * 7 / 8);
}

TEST_F(DateEditTest, TheSystemShortDateFormatIsReadAtCreationAndOnSettingsChanges) {
    char picture[16] = "";
    char separator[4] = "";
    GetProfileStringA("intl", "sShortDate", "M/d/yy", picture, sizeof picture);
    GetProfileStringA("intl", "sDate", "/", separator, sizeof separator);
    const auto kindOf = [](char letter) -> DWORD {
        return letter == 'd' ? DT_FIELD_DAY : letter == 'M' ? DT_FIELD_MONTH : DT_FIELD_YEAR;
    };
    HWND system = parent.CreateChild("TarnDateEdit32", 0, 104);
    DTEDITPARAMS params = {};
    params.size = sizeof params;
    ASSERT_EQ(dtGetEditParams(system, &params), 1);
    EXPECT_EQ(params.separator, static_cast<BYTE>(separator[0]));
    EXPECT_EQ(params.order[0], kindOf(picture[0]));
    EXPECT_EQ(params.twoDigitMonth, strstr(picture, "MM") != nullptr ? 1u : 0u);

    // A format given by the client gives way to the system's when the settings change.
    SendMessageA(edit, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("windows"));
    ASSERT_EQ(dtGetEditParams(edit, &params), 1);
    EXPECT_EQ(params.order[0], static_cast<DWORD>(DT_FIELD_MONTH));
    EXPECT_EQ(params.separator, '/');
    UseFormat({DT_FIELD_YEAR, DT_FIELD_DAY, DT_FIELD_MONTH}, '#', false, false, false);
    SendMessageA(edit, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("intl"));
    ASSERT_EQ(dtGetEditParams(edit, &params), 1);
    EXPECT_EQ(params.separator, static_cast<BYTE>(separator[0]));
    EXPECT_EQ(params.order[0], kindOf(picture[0]));
    DestroyWindow(system);
}

TEST_F(DateEditTest, CaretPastTheTextAreaReportsMaxText) {
    HWND narrow = parent.CreateChild("TarnDateEdit32", 0, 106, 30, 24);
    WORD date[3] = {12, 25, 2001};
    dtSetDate(narrow, date);
    SetFocus(narrow);
    parent.Clear();
    PressKey(narrow, VK_END);
    const std::vector<WORD> codes = parent.Codes();
    EXPECT_NE(std::find(codes.begin(), codes.end(), EN_MAXTEXT), codes.end());
    DestroyWindow(narrow);
}

TEST_F(DateEditTest, AParentMayDestroyTheControlOnMaxText) {
    HWND narrow = parent.CreateChild("TarnDateEdit32", 0, 106, 30, 24);
    WORD date[3] = {12, 25, 2001};
    dtSetDate(narrow, date);
    SetFocus(narrow);
    parent.DestroyChildOn(EN_MAXTEXT);
    PressKey(narrow, VK_END);
    EXPECT_FALSE(IsWindow(narrow));
    parent.DestroyChildOn(0);
}

TEST_F(DateEditTest, NonNullMessageNeedsItsFlag) {
    dtSetNull(edit);
    EXPECT_EQ(SendMessageA(edit, TARN_MSG_SETNONNULL, 0, 0), 0);
    EXPECT_EQ(dtIsNull(edit), 1);
    EXPECT_EQ(SendMessageA(edit, TARN_MSG_SETNONNULL, 0, 1), 1);
    EXPECT_EQ(dtIsNull(edit), 0);
}

TEST_F(DateEditTest, AParentMayDestroyTheControlWhileItNotifies) {
    SetDate(1, 5, 2001);
    SetFocus(edit);
    parent.DestroyChildOn(EN_UPDATE);
    TypeDigits(edit, "1");
    EXPECT_FALSE(IsWindow(edit));
    edit = parent.CreateChild("TarnDateEdit32", 0);
    SetFocus(edit);
    PressKey(edit, VK_UP);
    EXPECT_FALSE(IsWindow(edit));
    edit = parent.CreateChild("TarnDateEdit32", 0);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    PressKey(edit, VK_DELETE);
    EXPECT_FALSE(IsWindow(edit));
    edit = parent.CreateChild("TarnDateEdit32", 0);
    SetFocus(edit);
    SendMessageA(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("1231"));
    EXPECT_FALSE(IsWindow(edit));
    PumpMessages();  // the posted change hooks find no window
    parent.DestroyChildOn(0);
    edit = parent.CreateChild("TarnDateEdit32", 0);
}

// The visible drop-down calendar popup of this thread, if any.
HWND ShownPopup() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindShownPopup, reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST_F(DateEditTest, DropDownPicksADateAndGivesTheFocusBack) {
    dtEnableCalendar(edit, 1);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & DTS_CALENDARBUTTON);
    SetDate(3, 5, 2001);
    SetFocus(edit);
    parent.Clear();
    EXPECT_EQ(dtDropDownCalendar(edit), 1);
    HWND popup = ShownPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(GetFocus(), popup);
    RECT editRect, popupRect;
    GetWindowRect(edit, &editRect);
    GetWindowRect(popup, &popupRect);
    EXPECT_EQ(popupRect.left, editRect.left);
    EXPECT_GE(popupRect.top, editRect.bottom);
    EXPECT_EQ(ccGetMonth(popup), 3);
    EXPECT_EQ(ccGetYear(popup), 2001);
    std::vector<WORD> codes = parent.Codes();
    EXPECT_NE(std::find(codes.begin(), codes.end(), TARN_EN_DROPDOWN), codes.end());

    ccSetDay(popup, 20);
    parent.Clear();
    EXPECT_EQ(ccHideCalendar(popup), 1);
    PumpMessages();
    EXPECT_EQ(dtGetDay(edit), 20);
    EXPECT_EQ(dtGetMonth(edit), 3);
    EXPECT_FALSE(IsWindowVisible(popup));
    EXPECT_EQ(GetFocus(), edit);
    codes = parent.Codes();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), TARN_EN_CLOSEUP);
    EXPECT_EQ(codes.back(), EN_CHANGE);
}

TEST_F(DateEditTest, RefusedPermissionKeepsTheCalendarClosedAndTheDate) {
    dtEnableCalendar(edit, 1);
    SetDate(3, 5, 2001);
    PermissionRefuser refuser(edit);
    EXPECT_EQ(dtDropDownCalendar(edit), 0);
    EXPECT_EQ(ShownPopup(), nullptr);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(dtSetDateString(edit, "1/1/99"), 0);
    EXPECT_EQ(dtSetNull(edit), 0);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    TypeDigits(edit, "1");
    EXPECT_EQ(dtGetMonth(edit), 3);
    EXPECT_EQ(dtIsNull(edit), 0);
}

TEST_F(DateEditTest, EscapeInTheDropDownKeepsTheDate) {
    dtEnableCalendar(edit, 1);
    SetDate(3, 5, 2001);
    SetFocus(edit);
    ASSERT_EQ(SendMessageA(edit, WM_SYSKEYDOWN, VK_DOWN, 1L << 29), 0);  // Alt+Down
    HWND popup = ShownPopup();
    ASSERT_NE(popup, nullptr);
    ccSetDay(popup, 9);
    PressKey(popup, VK_ESCAPE);
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(popup));
    EXPECT_EQ(dtGetDay(edit), 5);
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(DateEditTest, MouseClicksPlaceTheCaretAndSelectFields) {
    SetDate(3, 5, 2001);
    SetFocus(edit);
    RECT area;
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const int y = (area.top + area.bottom) / 2;
    SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(area.left, y));
    SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(area.left, y));
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELRESULT(0, 0));
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(area.right - 1, y));
    SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(area.right - 1, y));
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELRESULT(8, 8));  // "03/05/01"
    TypeDigits(edit, "7");  // at the end: the last field is selected, nothing written
    EXPECT_EQ(dtGetYear(edit), 2001);
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELRESULT(6, 8));

    HDC dc = GetDC(edit);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)));
    SIZE upToDay = {};
    GetTextExtentPoint32A(dc, "03/0", 4, &upToDay);
    ReleaseDC(edit, dc);
    SendMessageA(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(area.left + upToDay.cx, y));
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELRESULT(3, 5));
}

TEST_F(DateEditTest, DisplayStylesSetTheirStyleBits) {
    SetDate(3, 5, 2001);
    EXPECT_EQ(SendMessageA(edit, DEM_SETDISPLAYSTYLE, 1, 0), 1);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & DTS_BITMAPDIGITS);
    EXPECT_EQ(PaintedPixel(edit, 112, 2), RGB(0, 0, 0));  // bitmap digits stand on black
    dtSetDisplayStyle(edit, 2);
    EXPECT_FALSE(GetWindowLongA(edit, GWL_STYLE) & DTS_BITMAPDIGITS);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & DTS_FIXEDCELLS);
    EXPECT_EQ(PaintedPixel(edit, 112, 2), GetSysColor(COLOR_WINDOW));
    dtSetDisplayStyle(edit, 7);
    EXPECT_FALSE(GetWindowLongA(edit, GWL_STYLE) & (DTS_BITMAPDIGITS | DTS_FIXEDCELLS));
    dtSetDisplayStyle(edit, 0);
    EXPECT_EQ(WindowText(edit), "3/5/01");
}

}  // namespace
}  // namespace tw::test
