// The numeric edit's value as a client sets and reads it: exported functions and their
// messages, the formats, the range, null, the edit-params record and the failure values.

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <string>

#include "numedit_harness.h"

namespace tw::test {
namespace {

static_assert(offsetof(NMEDITPARAMS, decimals) == 8 && offsetof(NMEDITPARAMS, minimum) == 16 &&
                  offsetof(NMEDITPARAMS, maximum) == 24 &&
                  offsetof(NMEDITPARAMS, useSystemSeparators) == 32 &&
                  offsetof(NMEDITPARAMS, thousandsSeparator) == 36 &&
                  offsetof(NMEDITPARAMS, decimalSeparator) == 38 &&
                  offsetof(NMEDITPARAMS, leadingZero) == 40,
              "the record's byte offsets");

class NumEditValues : public ::testing::Test {
protected:
    void SetUp() override { edit = h.Create(0, "0"); }
    void Apply(const NMEDITPARAMS& p) { ASSERT_EQ(nmSetEditParams(edit, &p), 1); }
    void Format(int format, int decimals) { Apply(NumEditHarness::Params(format, decimals)); }
    void Range(double low, double high) {
        NMEDITPARAMS p = {};
        nmGetEditParams(edit, &p);
        p.rangeOn = 1;
        p.minimum = low;
        p.maximum = high;
        Apply(p);
    }
    std::string LastGood() {
        char buffer[NM_NUMBERTEXT_SIZE] = "";
        nmGetLastGoodNumber(edit, buffer);
        return buffer;
    }

    NumEditHarness h;
    HWND edit = nullptr;
};

TEST_F(NumEditValues, CreationTakesTheWindowTextOrZero) {
    EXPECT_EQ(WindowText(edit), "0");
    EXPECT_EQ(nmIsNull(edit), 0);
    void* state = reinterpret_cast<void*>(GetWindowLongPtrA(edit, 0));
    ASSERT_NE(state, nullptr) << "the state lives in window word 0";
    EXPECT_GE(GlobalSize(GlobalHandle(state)), 200u);
    EXPECT_EQ(GetWindowLongPtrA(edit, 8), 0);

    HWND empty = h.Create(0, "");
    EXPECT_EQ(WindowText(empty), "0");
    EXPECT_EQ(nmIsNull(empty), 1) << "an empty window text makes the control null";
    const std::string long_text(80, '7');
    HWND longer = h.Create(0, long_text.c_str());
    EXPECT_EQ(WindowText(longer), std::string(63, '7'));
    EXPECT_EQ(SendMessageA(longer, EM_GETLIMITTEXT, 0, 0), 63);
    double delta = 0;
    ASSERT_EQ(nmGetDeltaValue(edit, &delta), 1);
    EXPECT_EQ(delta, 1.0);
}

TEST_F(NumEditValues, FormatFourEditsPlainAndShowsParentheses) {
    Format(4, 2);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & NMS_FORMATTED)
        << "a nonzero format turns the formatted style on";
    ASSERT_EQ(nmSetInteger(edit, -1234), 1);
    EXPECT_EQ(WindowText(edit), "-1234");
    EXPECT_EQ(LastGood(), "-1234");
    HWND reference = h.Create(0, "(1,234)");
    EXPECT_EQ(ClientPixels(edit), ClientPixels(reference)) << "shown as (1,234)";
    EXPECT_NE(ClientPixels(edit), ClientPixels(h.Create(0, "-1234")));
    SetFocus(edit);
    EXPECT_EQ(WindowText(edit), "-1234");
    const std::vector<COLORREF> focused = ClientPixels(edit);
    SetWindowTextA(reference, "-1234");
    SetFocus(reference);  // both focused once, the whole text selected
    EXPECT_EQ(focused, ClientPixels(reference)) << "the edit form while focused";
}

TEST_F(NumEditValues, FixedPointDecimals) {
    Format(0, 2);
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {{3, "3.00"},      {2.5, "2.50"},    {0.125, "0.13"},
                          {-0.001, "0.00"}, {9.995, "10.00"}, {-1234.5, "-1234.50"}};
    for (const Case& c : cases) {
        ASSERT_EQ(nmSetDouble(edit, c.value), 1);
        EXPECT_EQ(WindowText(edit), c.text) << c.value;
    }
    nmSetInteger(edit, 3);
    EXPECT_EQ(WindowText(edit), "3.00");
    nmSetFloat(edit, 0.5f);
    EXPECT_EQ(WindowText(edit), "0.50");
    Format(1, 2);
    nmSetDouble(edit, 2.9);
    EXPECT_EQ(WindowText(edit), "2") << "integer formats cut the fraction";
    Format(9, 4);
    nmSetInteger(edit, 7);
    EXPECT_EQ(WindowText(edit), "7.0000");
}

TEST_F(NumEditValues, TheRangeClampsSettersAndGetters) {
    Format(1, 0);
    Range(0, 100);
    ASSERT_EQ(nmSetInteger(edit, 250), 1);
    EXPECT_EQ(WindowText(edit), "100");
    SetWindowTextA(edit, "250");
    EXPECT_EQ(nmGetInteger(edit), 100);
    EXPECT_EQ(LastGood(), "100");
    double value = 0;
    SendMessageA(edit, NEM_GETVALUE, 0, reinterpret_cast<LPARAM>(&value));
    EXPECT_EQ(value, 100);
    SetWindowTextA(edit, "-7");
    EXPECT_EQ(nmGetInteger(edit), 0);
    SetWindowTextA(edit, "xyz");
    EXPECT_EQ(nmGetInteger(edit), 0) << "not a number: 0, clamped";
    Range(10, 5);  // given the wrong way round
    SetWindowTextA(edit, "xyz");
    EXPECT_EQ(nmGetInteger(edit), 5);
    NMEDITPARAMS p = {};
    nmGetEditParams(edit, &p);
    EXPECT_EQ(p.minimum, 5);
    EXPECT_EQ(p.maximum, 10);
}

TEST_F(NumEditValues, IntegerGettersCutTowardZeroAndSaturate) {
    struct Case {
        const char* text;
        int integer;
        UINT unsignedValue;
        short shortValue;
        WORD unsignedShort;
    };
    const Case cases[] = {
        {"2.9", 2, 2, 2, 2},
        {"-2.9", -2, 0, -2, 0},
        {"1e12", INT_MAX, UINT_MAX, SHRT_MAX, USHRT_MAX},
        {"-1e12", INT_MIN, 0, SHRT_MIN, 0},
        {"70000", 70000, 70000, SHRT_MAX, USHRT_MAX},
        {"abc", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SetWindowTextA(edit, c.text);
        EXPECT_EQ(nmGetInteger(edit), c.integer) << c.text;
        EXPECT_EQ(nmGetLongInteger(edit), c.integer) << c.text;
        EXPECT_EQ(nmGetUnsignedInteger(edit), c.unsignedValue) << c.text;
        EXPECT_EQ(nmGetUnsignedLong(edit), c.unsignedValue) << c.text;
        EXPECT_EQ(nmGetShort(edit), c.shortValue) << c.text;
        EXPECT_EQ(nmGetUnsignedShort(edit), c.unsignedShort) << c.text;
        EXPECT_EQ(SendMessageA(edit, NEM_GETINTEGER, 0, 0), c.integer) << c.text;
        EXPECT_EQ(static_cast<UINT>(SendMessageA(edit, NEM_GETUNSIGNEDLONG, 0, 0)),
                  c.unsignedValue);
    }
    SetWindowTextA(edit, "1e300");
    float f = 0;
    ASSERT_EQ(nmGetFloat(edit, &f), 1);
    EXPECT_EQ(f, FLT_MAX);
}

TEST_F(NumEditValues, LongDoubleIsEightBytes) {
    SetWindowTextA(edit, "-2.25");
    unsigned char bytes[16];
    memset(bytes, 0xCC, sizeof bytes);
    ASSERT_EQ(nmGetLongDouble(edit, reinterpret_cast<double*>(bytes)), 1);
    double value = 0;
    memcpy(&value, bytes, sizeof value);
    EXPECT_EQ(value, -2.25);
    for (int i = 8; i < 16; ++i) EXPECT_EQ(bytes[i], 0xCC) << "byte " << i;
    memset(bytes, 0xCC, sizeof bytes);
    SendMessageA(edit, NEM_GETLONGDOUBLE, 0, reinterpret_cast<LPARAM>(bytes));
    EXPECT_EQ(bytes[8], 0xCC);
    ASSERT_EQ(nmSetLongDouble(edit, 6.5), 1);
    EXPECT_EQ(WindowText(edit), "6.50");
}

TEST_F(NumEditValues, SettersAskPermissionAndSendOnlyTheHook) {
    SendMessageA(edit, EM_SETMODIFY, 1, 0);
    h.Clear();
    ASSERT_EQ(nmSetInteger(edit, 5), 1);
    EXPECT_EQ(h.Log(), std::vector<std::string>({"hook"}));
    EXPECT_EQ(SendMessageA(edit, EM_GETMODIFY, 0, 0), 0) << "a setter clears modified";
    h.RefusePermission(true);
    h.Clear();
    EXPECT_EQ(nmSetInteger(edit, 9), 0);
    EXPECT_EQ(nmSetDouble(edit, 9), 0);
    EXPECT_EQ(nmSetNull(edit), 0);
    EXPECT_EQ(WindowText(edit), "5.00");
    EXPECT_EQ(nmIsNull(edit), 0);
    EXPECT_TRUE(h.Log().empty());
    h.RefusePermission(false);
    EXPECT_EQ(nmSetDouble(edit, NAN), 0);
    EXPECT_EQ(nmSetDouble(edit, INFINITY), 0);
    EXPECT_EQ(WindowText(edit), "5.00");
}

TEST_F(NumEditValues, NoRedrawStyleKeepsSettersFromPainting) {
    UpdateWindow(edit);
    const int before = h.Paints();
    nmSetInteger(edit, 1);
    EXPECT_EQ(h.Paints(), before + 1);
    HWND quiet = h.Create(NMS_NOREDRAWONSET, "0");
    UpdateWindow(quiet);
    const int quietBefore = h.Paints();
    nmSetInteger(quiet, 1);
    UpdateWindow(quiet);
    EXPECT_EQ(h.Paints(), quietBefore);
    EXPECT_EQ(WindowText(quiet), "1.00");
}

TEST_F(NumEditValues, TextLimitCutsWithErrSpace) {
    SendMessageA(edit, EM_LIMITTEXT, 5, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 5);
    h.Clear();
    nmSetDouble(edit, 123456.78);
    EXPECT_EQ(WindowText(edit), "12345");
    EXPECT_EQ(h.Log(), std::vector<std::string>({"errspace", "hook"}));
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 63);
    SendMessageA(edit, EM_LIMITTEXT, 500, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 63) << "the text block holds 63";
    nmSetDouble(edit, DBL_MAX);
    EXPECT_EQ(WindowText(edit),
              std::string("179769313486231570814527423731704356798070567525844996598917"
                          "476")
                  .substr(0, 63));
    h.DestroyOn("errspace");
    nmSetDouble(edit, -DBL_MAX);
    EXPECT_FALSE(IsWindow(edit)) << "destroyed by its parent, and nothing touched after";
}

TEST_F(NumEditValues, NullShowsABlank) {
    HWND blank = h.Create(0, " ");
    h.Clear();
    ASSERT_EQ(nmSetNull(edit), 1);
    EXPECT_EQ(nmIsNull(edit), 1);
    EXPECT_EQ(h.Log(), std::vector<std::string>({"hook"}));
    EXPECT_EQ(ClientPixels(edit), ClientPixels(blank));
    EXPECT_NE(ClientPixels(blank), ClientPixels(h.Create(0, "0")));
    ASSERT_EQ(nmSetInteger(edit, 4), 1);
    EXPECT_EQ(nmIsNull(edit), 0);
    SetWindowTextA(edit, "");
    EXPECT_EQ(nmIsNull(edit), 1);
    SetWindowTextA(edit, "8");
    EXPECT_EQ(nmIsNull(edit), 0);
}

TEST_F(NumEditValues, EditParamsAreCheckedAndApplied) {
    NMEDITPARAMS p = NumEditHarness::Params(10, 2);
    EXPECT_EQ(nmSetEditParams(edit, &p), 0) << "format above 9";
    p = NumEditHarness::Params(2, 2);
    p.rangeOn = 1;
    p.minimum = NAN;
    EXPECT_EQ(nmSetEditParams(edit, &p), 0) << "a range end that is not a number";
    EXPECT_EQ(nmSetEditParams(edit, nullptr), 0);
    NMEDITPARAMS got = {};
    nmGetEditParams(edit, &got);
    EXPECT_EQ(got.format, 0u);
    EXPECT_EQ(got.rangeOn, 0u);

    p = NumEditHarness::Params(8, 20);
    p.thousandsSeparator = '.';
    p.decimalSeparator = ',';
    h.Clear();
    Apply(p);
    EXPECT_EQ(h.Log(), std::vector<std::string>({"hook"}));
    nmGetEditParams(edit, &got);
    EXPECT_EQ(got.decimals, 12) << "decimals beyond 12 are 12";
    p.decimals = 1;
    Apply(p);
    EXPECT_EQ(WindowText(edit), "0,0") << "the text follows the new separator and decimals";
    nmSetDouble(edit, -1234.5);
    EXPECT_EQ(WindowText(edit), "-1234,5");
    EXPECT_EQ(nmGetInteger(edit), -1234);
    HWND reference = h.Create(0, "(1.234,5)");
    EXPECT_EQ(ClientPixels(edit), ClientPixels(reference));
    p.decimals = NM_SYSTEM_DIGITS;
    Apply(p);
    nmGetEditParams(edit, &got);
    EXPECT_EQ(got.decimals, static_cast<LONG>(GetProfileIntA("intl", "iDigits", 2)));
}

TEST_F(NumEditValues, RecordReadAtItsByteOffsets) {
    unsigned char record[48] = {};
    const DWORD format = 6;
    const LONG decimals = 3;
    const double low = -10;
    const double high = 1e6;
    const DWORD on = 1;
    const WORD comma = ',';
    const WORD point = '.';
    memcpy(record + 0, &format, 4);
    memcpy(record + 4, &on, 4);
    memcpy(record + 8, &decimals, 4);
    memcpy(record + 16, &low, 8);
    memcpy(record + 24, &high, 8);
    memcpy(record + 36, &comma, 2);
    memcpy(record + 38, &point, 2);
    memcpy(record + 40, &on, 4);
    ASSERT_EQ(SendMessageA(edit, NEM_SETEDITPARAMS, 0, reinterpret_cast<LPARAM>(record)), 1);
    nmSetDouble(edit, 2e6);
    EXPECT_EQ(WindowText(edit), "1000000.000");
    HWND reference = h.Create(0, "1,000,000.000");
    EXPECT_EQ(ClientPixels(edit), ClientPixels(reference));
    unsigned char out[48];
    memset(out, 0xEE, sizeof out);
    SendMessageA(edit, NEM_GETEDITPARAMS, 0, reinterpret_cast<LPARAM>(out));
    EXPECT_EQ(memcmp(out + 16, &low, 8), 0);
    EXPECT_EQ(memcmp(out + 38, &point, 2), 0);
}

TEST_F(NumEditValues, RangeTextsAndDelta) {
    const char* low = "-5.5";
    const char* high = "1e3";
    ASSERT_EQ(SendMessageA(edit, NEM_SETRANGETEXT, reinterpret_cast<WPARAM>(low),
                           reinterpret_cast<LPARAM>(high)),
              1);
    char lowText[32];
    char highText[32];
    memset(highText, 0x55, sizeof highText);
    SendMessageA(edit, NEM_GETRANGETEXT, reinterpret_cast<WPARAM>(lowText),
                 reinterpret_cast<LPARAM>(highText));
    EXPECT_STREQ(lowText, "-5.5");
    EXPECT_STREQ(highText, "1000");
    EXPECT_EQ(highText[5], 0x55) << "nothing written past the text";
    EXPECT_EQ(SendMessageA(edit, NEM_SETRANGETEXT, 0, reinterpret_cast<LPARAM>(high)), 0);
    EXPECT_EQ(SendMessageA(edit, NEM_SETRANGETEXT, reinterpret_cast<WPARAM>("abc"),
                           reinterpret_cast<LPARAM>(high)),
              0);
    NMEDITPARAMS p = NumEditHarness::Params(0, 2);
    p.rangeOn = 1;
    p.minimum = -1.2345678e300;
    p.maximum = 1;
    Apply(p);
    memset(lowText, 0x55, sizeof lowText);
    SendMessageA(edit, NEM_GETRANGETEXT, reinterpret_cast<WPARAM>(lowText), 0);
    EXPECT_STREQ(lowText, "-1.234568e+300");
    EXPECT_EQ(lowText[NM_RANGETEXT_SIZE], 0x55) << "at most 16 bytes";

    const double step = 0.25;
    ASSERT_EQ(nmSetDeltaValue(edit, &step), 1);
    double read = 0;
    SendMessageA(edit, NEM_GETDELTAVALUE, 0, reinterpret_cast<LPARAM>(&read));
    EXPECT_EQ(read, 0.25);
    const double bad = NAN;
    EXPECT_EQ(nmSetDeltaValue(edit, &bad), 0);
    EXPECT_EQ(nmSetDeltaValue(edit, nullptr), 0);
    EXPECT_EQ(nmGetDeltaValue(edit, nullptr), 0);
}

TEST_F(NumEditValues, LastGoodNumberStaysInItsBuffer) {
    NMEDITPARAMS p = NumEditHarness::Params(0, 2);
    p.rangeOn = 1;
    p.minimum = 1e300;
    p.maximum = DBL_MAX;
    Apply(p);
    SetWindowTextA(edit, "abc");
    char buffer[NM_NUMBERTEXT_SIZE + 16];
    memset(buffer, 0x55, sizeof buffer);
    ASSERT_EQ(nmGetLastGoodNumber(edit, buffer), buffer);
    EXPECT_EQ(strlen(buffer), NM_NUMBERTEXT_SIZE - 1u) << "1e300 cut to the text block";
    EXPECT_EQ(buffer[NM_NUMBERTEXT_SIZE], 0x55);
    EXPECT_EQ(std::string(buffer, 4), "1000");
    SetWindowTextA(edit, "1.5e300");
    nmGetLastGoodNumber(edit, buffer);
    EXPECT_STREQ(buffer, "1.5e300") << "a number in the range is its own text";
}

// Sets an intl value of the system settings for the scope, then puts the old one back.
class IntlSetting {
public:
    IntlSetting(const char* key, const char* value) : key_(key) {
        char old[32] = "";
        had_ = GetProfileStringA("intl", key, "", old, sizeof old) > 0;
        old_ = old;
        WriteProfileStringA("intl", key, value);
    }
    ~IntlSetting() { WriteProfileStringA("intl", key_, had_ ? old_.c_str() : nullptr); }

private:
    const char* key_;
    std::string old_;
    bool had_ = false;
};

TEST_F(NumEditValues, SettingsChangesReachControlsThatFollowThem) {
    NMEDITPARAMS p = NumEditHarness::Params(6, NM_SYSTEM_DIGITS);
    p.useSystemSeparators = 1;
    Apply(p);
    HWND own = h.Create(0, "0");
    NMEDITPARAMS fixed = NumEditHarness::Params(6, 2);
    ASSERT_EQ(nmSetEditParams(own, &fixed), 1);
    nmSetDouble(edit, 1234.5);
    nmSetDouble(own, 1234.5);
    const std::string before = WindowText(edit);
    {
        IntlSetting decimal("sDecimal", ",");
        IntlSetting thousands("sThousand", ".");
        IntlSetting digits("iDigits", "3");
        char check[4] = "";
        GetProfileStringA("intl", "sDecimal", "", check, sizeof check);
        ASSERT_STREQ(check, ",");
        SendMessageA(edit, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("windows"));
        EXPECT_EQ(WindowText(edit), before) << "another section changes nothing";
        for (HWND hwnd : {edit, own})
            SendMessageA(hwnd, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("intl"));
        EXPECT_EQ(WindowText(edit), "1234,500");
        EXPECT_EQ(WindowText(own), "1234.50") << "a control with its own separators";
        HWND reference = h.Create(0, "1.234,500");
        EXPECT_EQ(ClientPixels(edit), ClientPixels(reference));
        double value = 0;
        nmGetDouble(edit, &value);
        EXPECT_EQ(value, 1234.5);
    }
    SendMessageA(edit, WM_WININICHANGE, 0, 0);
    EXPECT_EQ(WindowText(edit), before);
}

TEST_F(NumEditValues, PrintPaintsTheClientAtItsPlaceInTheWindow) {
    HWND framed = h.Create(NMS_BORDERSUNKEN, "-98.5");
    nmSetColor(framed, TARN_COLOR_TEXT, RGB(0, 0, 255));
    RECT window;
    RECT client;
    GetWindowRect(framed, &window);
    GetClientRect(framed, &client);
    POINT origin = {0, 0};
    ClientToScreen(framed, &origin);
    const int dx = origin.x - window.left;
    ASSERT_GT(dx, 0) << "a sunken frame";
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap =
        CreateCompatibleBitmap(screen, window.right - window.left, window.bottom - window.top);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageA(framed, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const std::vector<COLORREF> expected = ClientPixels(framed);
    int blue = 0;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const COLORREF printed = GetPixel(memory, x + dx, y + origin.y - window.top);
            ASSERT_EQ(printed, expected[static_cast<size_t>(y) * client.right + x])
                << x << "," << y;
            blue += printed == RGB(0, 0, 255);
        }
    }
    EXPECT_GT(blue, 0) << "the text was printed";
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

TEST_F(NumEditValues, MessagesReachTheSameOperations) {
    SendMessageA(edit, NEM_SETINTEGER, static_cast<WPARAM>(-7), 0);
    EXPECT_EQ(WindowText(edit), "-7.00");
    SendMessageA(edit, NEM_SETUNSIGNEDLONG, 0, static_cast<LPARAM>(4000000000u));
    EXPECT_EQ(nmGetUnsignedLong(edit), 4000000000u);
    const double value = 12.75;
    SendMessageA(edit, NEM_SETVALUE, 0, reinterpret_cast<LPARAM>(&value));
    EXPECT_EQ(WindowText(edit), "12.75");
    const float single = 1.5f;
    SendMessageA(edit, NEM_SETFLOAT, 0, reinterpret_cast<LPARAM>(&single));
    double read = 0;
    SendMessageA(edit, NEM_GETDOUBLE, 0, reinterpret_cast<LPARAM>(&read));
    EXPECT_EQ(read, 1.5);
    DWORD size = 0;
    EXPECT_EQ(SendMessageA(edit, TARN_MSG_CALTIMETYPE, 0, reinterpret_cast<LPARAM>(&size)), 11);
    EXPECT_EQ(size, 36u);
    EXPECT_EQ(SendMessageA(edit, NEM_OKTOCHANGE, 0, 0), 1);
    EXPECT_EQ(SendMessageA(edit, NEM_SETNULL, 0, 0), 1);
    EXPECT_EQ(SendMessageA(edit, NEM_ISNULL, 0, 0), 1);
    EXPECT_EQ(SendMessageA(edit, NEM_GETDOUBLE, 0, 0), 0) << "a null pointer";
    EXPECT_EQ(SendMessageA(edit, NEM_SETVALUE, 0, 0), 0);
    EXPECT_EQ(SendMessageA(edit, NEM_GETLASTGOODNUMBER, 0, 0), 0);
}

TEST_F(NumEditValues, WindowsWithoutStateGiveFailureValues) {
    HWND other =
        CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 10, 10, h.parent(), nullptr, nullptr, nullptr);
    for (HWND hwnd : {other, static_cast<HWND>(nullptr)}) {
        char buffer[8] = "x";
        double d = 3;
        NMEDITPARAMS p = {};
        EXPECT_EQ(nmGetInteger(hwnd), 0);
        EXPECT_EQ(nmGetUnsignedLong(hwnd), 0u);
        EXPECT_EQ(nmGetDouble(hwnd, &d), 0);
        EXPECT_EQ(d, 3);
        EXPECT_EQ(nmSetInteger(hwnd, 1), 0);
        EXPECT_EQ(nmSetDouble(hwnd, 1), 0);
        EXPECT_EQ(nmIsNull(hwnd), 1);
        EXPECT_EQ(nmGetMinHeight(hwnd), 24);
        EXPECT_EQ(nmGetMinWidth(hwnd), 80);
        EXPECT_EQ(nmGetLastGoodNumber(hwnd, buffer), nullptr);
        EXPECT_STREQ(buffer, "x");
        EXPECT_EQ(nmGetEditParams(hwnd, &p), 0);
        EXPECT_EQ(nmSetEditParams(hwnd, &p), 0);
        EXPECT_EQ(nmSetColor(hwnd, 2, 0), 0);
        EXPECT_EQ(nmOkToChange(hwnd), 0);
        EXPECT_EQ(nmSetBorderStyle(hwnd, 1), 0);
    }
    EXPECT_EQ(nmGetEditParams(edit, nullptr), 0);
    EXPECT_EQ(nmGetFloat(edit, nullptr), 0);
    EXPECT_EQ(nmGetLastGoodNumber(edit, nullptr), nullptr);
    EXPECT_EQ(nmSetColor(edit, 16, 0), 0) << "no button face colour";
    EXPECT_EQ(nmSetColor(edit, 2, RGB(1, 2, 3)), 1);
    EXPECT_TRUE(HasColourInColumns(edit, RGB(1, 2, 3), 0, 5));
}

}  // namespace
}  // namespace tw::test
