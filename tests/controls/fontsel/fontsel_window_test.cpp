// Font selector windows of the library under test: the panel and its lists, sizes and
// families by function and message, posted notifications, colours, sizing and the designer.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/tarn32.h"
#include "tests/controls/control_test_support.h"

namespace tw::test {
namespace {

constexpr int kId = 300;

std::string ListText(HWND list, int item) {
    char text[64] = "";
    if (SendMessageA(list, CB_GETLBTEXTLEN, item, 0) < LRESULT(sizeof text))
        SendMessageA(list, CB_GETLBTEXT, item, LPARAM(text));
    return text;
}

std::string Family(HWND fs) {
    char face[64] = "";
    fsGetFontFamily(fs, face, sizeof face);
    return face;
}

int CALLBACK MarkFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FamilyInstalled(const char* face) {
    HDC screen = GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, face);
    bool found = false;
    EnumFontFamiliesExA(screen, &lf, MarkFound, LPARAM(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

TEXTMETRICA Metrics(HFONT font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICA tm = {};
    GetTextMetricsA(screen, &tm);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return tm;
}

class FontSelWindow : public ::testing::Test {
protected:
    RecordingParent parent;
    HWND fs = parent.CreateChild("TarnFontSelect32", 0, kId, 300, 30);
    HWND panel = GetWindow(fs, GW_CHILD);
    HWND families = GetDlgItem(panel, FS_ID_FAMILYLIST);
    HWND sizes = GetDlgItem(panel, FS_ID_SIZELIST);
};

TEST_F(FontSelWindow, StartsWithTheFirstFamilyAndTenPoints) {
    ASSERT_NE(nullptr, panel);
    ASSERT_NE(nullptr, families);
    ASSERT_NE(nullptr, sizes);
    EXPECT_GT(SendMessageA(families, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(0, SendMessageA(families, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(ListText(families, 0), Family(fs));
    ASSERT_EQ(16, SendMessageA(sizes, CB_GETCOUNT, 0, 0));
    EXPECT_EQ("  8", ListText(sizes, 0)) << "written %3i";
    EXPECT_EQ(" 72", ListText(sizes, 15));
    EXPECT_EQ(10, fsGetFontPointSize(fs));
    EXPECT_EQ(10, SendMessageA(fs, FSM_GETFONTPOINTSIZE, 0, 0));
}

TEST_F(FontSelWindow, PointSizeSnapsToTheTable) {
    const struct {
        int asked, chosen;
    } cases[] = {{13, 14}, {30, 28}, {34, 36}, {100, 72}, {1, 8}, {-5, 8}};
    for (const auto& c : cases) {
        EXPECT_EQ(1, fsSetFontPointSize(fs, c.asked));
        EXPECT_EQ(c.chosen, fsGetFontPointSize(fs)) << c.asked;
    }
    SendMessageA(fs, FSM_SETFONTPOINTSIZE, 22, 0);
    EXPECT_EQ(22, SendMessageA(fs, FSM_GETFONTPOINTSIZE, 0, 0));
}

TEST_F(FontSelWindow, FontHeightsAtTheScreenResolution) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    fsSetFontPointSize(fs, 12);
    EXPECT_EQ(-(12 * dpi) / 72, fsGetFontSize(fs));
    if (dpi == 96) EXPECT_EQ(-16, SendMessageA(fs, FSM_GETFONTSIZE, 0, 0));

    EXPECT_EQ(1, fsSetFontSize(fs, -(24 * dpi) / 72));
    EXPECT_EQ(24, fsGetFontPointSize(fs)) << "a negative height is a character height";
    SendMessageA(fs, FSM_SETFONTSIZE, WPARAM(-(36 * dpi) / 72), 0);
    EXPECT_EQ(36, fsGetFontPointSize(fs));

    // A positive height is a cell height: the internal leading comes off first.
    fsSetFontFamily(fs, "Tahoma");
    HFONT bold =
        CreateFontA(40, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, Family(fs).c_str());
    const int leading = Metrics(bold).tmInternalLeading;
    DeleteObject(bold);
    ASSERT_GT(leading, 0);
    fsSetFontSize(fs, 40);
    HWND probe = parent.CreateChild("TarnFontSelect32", 0, kId + 1, 300, 30);
    fsSetFontPointSize(probe, ((40 - leading) * 144 + dpi) / (2 * dpi));  // rounded points
    EXPECT_EQ(fsGetFontPointSize(probe), fsGetFontPointSize(fs));
}

TEST_F(FontSelWindow, FamilyByPrefix) {
    if (FamilyInstalled("Arial")) {
        EXPECT_EQ(1, fsSetFontFamily(fs, "Ari"));
        EXPECT_EQ("Arial", Family(fs).substr(0, 5));
    }
    ASSERT_TRUE(FamilyInstalled("Tahoma")) << "Wine ships Tahoma";
    EXPECT_EQ(1, SendMessageA(fs, FSM_SETFONTFAMILY, 0, LPARAM("taho")));
    EXPECT_EQ("Tahoma", Family(fs));
    EXPECT_EQ(0, fsSetFontFamily(fs, "No such family at all"));
    EXPECT_EQ("Tahoma", Family(fs)) << "nothing changes when none matches";
    EXPECT_EQ(0, fsSetFontFamily(fs, nullptr));
}

TEST_F(FontSelWindow, GetFontFamilyRespectsTheBufferSize) {
    fsSetFontFamily(fs, "Tahoma");
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(3, fsGetFontFamily(fs, buffer, 4));
    EXPECT_STREQ("Tah", buffer);
    EXPECT_EQ('x', buffer[4]);
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(0, SendMessageA(fs, FSM_GETFONTFAMILY, 0, LPARAM(buffer)));
    EXPECT_EQ('x', buffer[0]) << "size 0 writes nothing";
    EXPECT_EQ(0, fsGetFontFamily(fs, nullptr, 40));

    HWND other = parent.CreateChild("STATIC", 0);
    EXPECT_EQ(1, fsGetFontFamily(other, buffer, sizeof buffer));
    EXPECT_STREQ(" ", buffer) << "a single blank without state";
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(0, fsGetFontFamily(other, buffer, 1));
    EXPECT_EQ('\0', buffer[0]);

    SendMessageA(families, CB_SETCURSEL, WPARAM(-1), 0);
    EXPECT_EQ(" ", Family(fs)) << "no selection";
    SendMessageA(families, CB_SETCURSEL, 0, 0);
    SendMessageA(families, CB_SETITEMDATA, 0, 99999);
    EXPECT_EQ(" ", Family(fs)) << "item data outside the table";
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_COMBOBOX;
    draw.CtlID = FS_ID_FAMILYLIST;
    draw.itemID = 0;
    draw.hwndItem = families;
    draw.hDC = GetDC(families);
    draw.rcItem = {0, 0, 100, 16};
    EXPECT_EQ(TRUE, SendMessageA(fs, WM_DRAWITEM, FS_ID_FAMILYLIST, LPARAM(&draw)));
    ReleaseDC(families, draw.hDC);
}

struct Command {
    WORD id, code;
    HWND from;
    bool operator==(const Command& o) const {
        return id == o.id && code == o.code && from == o.from;
    }
};

// Records the parent's WM_COMMAND messages with their identifiers while in scope.
class CommandLog {
public:
    explicit CommandLog(HWND parent) : parent_(parent) {
        current_ = this;
        old_ = WNDPROC(SetWindowLongPtrA(parent, GWLP_WNDPROC, LONG_PTR(Proc)));
    }
    ~CommandLog() {
        SetWindowLongPtrA(parent_, GWLP_WNDPROC, LONG_PTR(old_));
        current_ = nullptr;
    }
    std::vector<Command> commands;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_COMMAND && current_)
            current_->commands.push_back({LOWORD(wParam), HIWORD(wParam), HWND(lParam)});
        return CallWindowProcA(old_, hwnd, msg, wParam, lParam);
    }
    HWND parent_;
    static inline WNDPROC old_ = nullptr;
    static inline CommandLog* current_ = nullptr;
};

TEST_F(FontSelWindow, UserChoicesArePostedAsCommands) {
    CommandLog log(parent.hwnd());
    SetFocus(families);
    SendMessageA(families, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(sizes, WM_KEYDOWN, VK_DOWN, 0);
    fsSetFontPointSize(fs, 20);  // a programmatic choice reports nothing
    fsSetFontFamily(fs, "Tahoma");
    EXPECT_TRUE(parent.Codes().empty()) << "posted, not sent";
    PumpMessages();
    EXPECT_EQ(std::vector<WORD>({FSN_FAMILYCHANGED, FSN_SIZECHANGED}), parent.Codes());
    EXPECT_EQ((std::vector<Command>{{kId, FSN_FAMILYCHANGED, fs}, {kId, FSN_SIZECHANGED, fs}}),
              log.commands);

    log.commands.clear();
    fsSetFontCommandCode(fs, 501);
    SendMessageA(fs, FSM_SETSIZECOMMANDCODE, 502, 0);
    SendMessageA(families, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(sizes, WM_KEYDOWN, VK_UP, 0);
    PumpMessages();
    EXPECT_EQ((std::vector<Command>{{501, FSN_FAMILYCHANGED, fs}, {502, FSN_SIZECHANGED, fs}}),
              log.commands);
}

TEST_F(FontSelWindow, ColoursAndTheFaceMessage) {
    EXPECT_EQ(LRESULT(GetSysColor(COLOR_BTNFACE)), SendMessageA(fs, FSM_GETFACECOLOR, 0, 0));
    EXPECT_EQ(1, fsSetColor(fs, FSC_FACE, RGB(20, 40, 60)));
    EXPECT_EQ(RGB(20, 40, 60), COLORREF(SendMessageA(fs, FSM_GETFACECOLOR, 0, 0)));
    EXPECT_EQ(0, fsSetColor(fs, 5, 0)) << "unknown index";

    SendMessageA(fs, FSM_SETBKCOLOR, 0, RGB(200, 210, 220));
    SendMessageA(fs, FSM_SETTEXTCOLOR, 0, RGB(1, 2, 3));
    HDC dc = GetDC(families);
    HBRUSH brush = HBRUSH(SendMessageA(panel, WM_CTLCOLORLISTBOX, WPARAM(dc), LPARAM(families)));
    LOGBRUSH info = {};
    ASSERT_TRUE(GetObjectA(brush, sizeof info, &info));
    EXPECT_EQ(RGB(200, 210, 220), info.lbColor);
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(dc));
    ReleaseDC(families, dc);

    // The panel paints its background in the face colour.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 30);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageA(panel, WM_ERASEBKGND, WPARAM(memory), 0);
    EXPECT_EQ(RGB(20, 40, 60), GetPixel(memory, 299, 29));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

TEST_F(FontSelWindow, SizingAndFontPlaceTheLists) {
    HFONT font = CreateLocalFont("Tahoma", 10, 0);
    SendMessageA(fs, WM_SETFONT, WPARAM(font), TRUE);
    const TEXTMETRICA tm = Metrics(font);
    EXPECT_EQ(tm.tmHeight, SendMessageA(sizes, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_GE(SendMessageA(families, CB_GETITEMHEIGHT, WPARAM(-1), 0), tm.tmHeight + 4)
        << "a field of a line + 4 (Wine adds its own border)";

    RECT family, size;
    GetWindowRect(families, &family);
    GetWindowRect(sizes, &size);
    MapWindowPoints(nullptr, fs, reinterpret_cast<POINT*>(&family), 2);
    MapWindowPoints(nullptr, fs, reinterpret_cast<POINT*>(&size), 2);
    EXPECT_EQ(2, family.left);
    EXPECT_EQ(2, family.top);
    EXPECT_EQ(4 * tm.tmAveCharWidth + 24, size.right - size.left);
    EXPECT_EQ(300 - (4 * tm.tmAveCharWidth + 24) - 10, family.right - family.left);
    EXPECT_EQ(298, size.right);

    EXPECT_EQ(1, fsSetItemHeight(fs, 21));
    EXPECT_EQ(21, SendMessageA(families, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(21, SendMessageA(sizes, CB_GETITEMHEIGHT, 0, 0));
    DestroyWindow(fs);
    DeleteObject(font);
}

// A parent that answers the designer query and records the presses it receives.
class DesignerParent {
public:
    DesignerParent() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TarnTestDesigner";
        RegisterClassA(&wc);
        hwnd = CreateWindowA("TarnTestDesigner", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                             200, nullptr, nullptr, nullptr, nullptr);
        presses = 0;
    }
    ~DesignerParent() { DestroyWindow(hwnd); }
    HWND hwnd;
    static inline int presses = 0;
    static inline LPARAM lastAt = 0;

private:
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
        if (msg == 0x5A4) return 99;
        if (msg == WM_LBUTTONDOWN) {
            ++presses;
            lastAt = l;
        }
        return DefWindowProcA(h, msg, w, l);
    }
};

TEST_F(FontSelWindow, InADesignerPressesGoToTheParent) {
    DesignerParent designer;
    HWND placed = CreateWindowA("TarnFontSelect32", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 30,
                                designer.hwnd, nullptr, nullptr, nullptr);
    HWND placedPanel = GetWindow(placed, GW_CHILD);
    SendMessageA(placed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
    SendMessageA(placedPanel, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(250, 20));
    EXPECT_EQ(2, DesignerParent::presses);
    EXPECT_EQ(MAKELPARAM(250, 20), DesignerParent::lastAt);

    SendMessageA(fs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
    EXPECT_EQ(2, DesignerParent::presses) << "outside a designer nothing is passed";
}

TEST_F(FontSelWindow, FunctionsOnOtherWindowsGiveTheirDefaults) {
    HWND other = parent.CreateChild("STATIC", 0);
    EXPECT_EQ(0, fsSetFontFamily(other, "Tahoma"));
    EXPECT_EQ(10, fsGetFontPointSize(other));
    EXPECT_EQ(0, fsSetFontPointSize(nullptr, 12));
    EXPECT_EQ(0, fsSetColor(other, FSC_FACE, 0));
    EXPECT_EQ(0, fsSetItemHeight(other, 12));
    EXPECT_EQ(0, fsSetFontCommandCode(other, 5));
    EXPECT_EQ(0, EnumFamCallBack(nullptr, nullptr, 0, LPARAM(other)));
    EXPECT_EQ(FALSE, fnFontSelProc(other, WM_COMMAND, 0, 0));
}

}  // namespace
}  // namespace tw::test
