// Button windows of the library under test, driven by mouse, keyboard and timer messages; the
// parent's notifications are compared with the expected sequences.

#include <gtest/gtest.h>

#include <vector>

#include "controls/tarn32.h"
#include "tests/controls/control_test_support.h"

namespace tw::test {
namespace {

using Codes = std::vector<WORD>;

constexpr int kId = 100;
const LPARAM kInside = MAKELPARAM(20, 10);
const LPARAM kOutside = MAKELPARAM(500, 10);

class ButtonWindow : public ::testing::Test {
protected:
    RecordingParent parent;

    HWND Make(DWORD style, const char* caption = "OK") {
        HWND button = parent.CreateChild("TarnButton32", style, kId, 80, 24);
        SetWindowTextA(button, caption);
        parent.Clear();
        return button;
    }
    static void Press(HWND b, LPARAM at = kInside) {
        SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, at);
    }
    static void Move(HWND b, LPARAM at) { SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, at); }
    static void Release(HWND b, LPARAM at = kInside) { SendMessageA(b, WM_LBUTTONUP, 0, at); }
    static void Click(HWND b) {
        Press(b);
        Release(b);
    }
    static void Tick(HWND b, UINT_PTR timer) { SendMessageA(b, WM_TIMER, timer, 0); }
    static void Key(HWND b, UINT msg, UINT vk) { SendMessageA(b, msg, vk, 1); }
};

TEST_F(ButtonWindow, NormalClickAndHighlightNotifications) {
    HWND plain = Make(0);
    Click(plain);
    EXPECT_EQ(Codes({TBN_CLICKED}), parent.Codes());
    EXPECT_EQ(0, btnGetState(plain) & TBST_PUSHED);
    EXPECT_EQ(nullptr, GetCapture()) << "the capture goes with the release";

    HWND notify = Make(TBS_NOTIFY);
    Press(notify);
    EXPECT_EQ(TBST_PUSHED | TBST_FOCUS, btnGetState(notify)) << "down and focused: 12";
    EXPECT_EQ(notify, GetCapture());
    Release(notify);
    EXPECT_EQ(Codes({TBN_PUSHED, TBN_RELEASED, TBN_CLICKED}), parent.Codes());
}

TEST_F(ButtonWindow, DraggingOutAndReleasingSendsNoClick) {
    HWND b = Make(TBS_NOTIFY);
    Press(b);
    Move(b, kOutside);
    EXPECT_EQ(0, btnGetState(b) & TBST_PUSHED) << "up while the pointer is outside";
    Move(b, kInside);
    Move(b, kOutside);
    Release(b, kOutside);
    EXPECT_EQ(Codes({TBN_PUSHED, TBN_RELEASED, TBN_PUSHED, TBN_RELEASED}), parent.Codes());

    HWND quiet = Make(0);
    Press(quiet);
    Move(quiet, kOutside);
    Release(quiet, kOutside);
    EXPECT_TRUE(parent.Codes().empty());
}

TEST_F(ButtonWindow, PersistentButtonClickedTwiceSendsOneClickAndEndsUp) {
    HWND b = Make(TBS_PERSISTENT);
    Click(b);
    EXPECT_EQ(TBST_PUSHED, btnGetState(b) & TBST_PUSHED) << "stays down after the first click";
    Move(b, kOutside);
    EXPECT_EQ(TBST_PUSHED, btnGetState(b) & TBST_PUSHED) << "moving does not lift a toggle";
    Click(b);
    EXPECT_EQ(Codes({TBN_CLICKED}), parent.Codes());
    EXPECT_EQ(0, btnGetState(b) & TBST_PUSHED);

    HWND notify = Make(TBS_PERSISTENT | TBS_NOTIFY);
    Click(notify);
    Click(notify);
    EXPECT_EQ(Codes({TBN_PUSHED, TBN_CLICKED, TBN_RELEASED}), parent.Codes());

    btnSetPersistentState(notify, FALSE);
    EXPECT_EQ(0, GetWindowLongA(notify, GWL_STYLE) & TBS_PERSISTENT);
    SendMessageA(notify, TBM_SETPERSISTENTSTATE, TRUE, 0);
    EXPECT_NE(0, GetWindowLongA(notify, GWL_STYLE) & TBS_PERSISTENT);
}

TEST_F(ButtonWindow, AutoRepeatClicksAtOnceThenOnTheRepeatTimer) {
    HWND b = Make(TBS_AUTOREPEAT);
    Press(b);
    EXPECT_EQ(Codes({TBN_CLICKED}), parent.Codes()) << "a click at once";
    Tick(b, 2);
    EXPECT_EQ(1u, parent.Codes().size()) << "no repeat before the first delay ends";
    Tick(b, 1);
    EXPECT_EQ(1u, parent.Codes().size()) << "the first delay only starts the repeat timer";
    Tick(b, 2);
    Tick(b, 2);
    EXPECT_EQ(3u, parent.Codes().size());
    Move(b, kOutside);
    Tick(b, 2);
    EXPECT_EQ(3u, parent.Codes().size()) << "no repeat while the pointer is outside";
    Move(b, kInside);
    Release(b);
    Tick(b, 2);
    EXPECT_EQ(Codes(3, TBN_CLICKED), parent.Codes()) << "2 ticks; no click at release";

    parent.Clear();
    Press(b);
    Tick(b, 1);
    EXPECT_EQ(1, btnStopRepeat(b));
    Tick(b, 2);
    Release(b);
    EXPECT_EQ(Codes({TBN_CLICKED}), parent.Codes()) << "btnStopRepeat ends the repeating";
}

TEST_F(ButtonWindow, CancelModeCaptureLossAndDisablingEndAPressWithoutAClick) {
    HWND b = Make(TBS_AUTOREPEAT | TBS_NOTIFY);
    Press(b);
    Tick(b, 1);
    SendMessageA(b, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(nullptr, GetCapture());
    Tick(b, 2);
    Release(b);
    EXPECT_EQ(Codes({TBN_PUSHED, TBN_CLICKED, TBN_RELEASED}), parent.Codes());

    HWND plain = Make(TBS_NOTIFY);
    Press(plain);
    SetCapture(parent.hwnd());  // another window takes the capture
    Release(plain);
    EXPECT_EQ(Codes({TBN_PUSHED, TBN_RELEASED}), parent.Codes());
    ReleaseCapture();

    parent.Clear();
    Press(b);
    Tick(b, 1);
    EnableWindow(b, FALSE);
    Tick(b, 2);
    EXPECT_EQ(Codes({TBN_PUSHED, TBN_CLICKED, TBN_RELEASED}), parent.Codes());
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(ButtonWindow, SpaceAndEnterPressLikeTheMouse) {
    HWND b = Make(TBS_NOTIFY);
    Key(b, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(TBST_PUSHED, btnGetState(b) & TBST_PUSHED);
    Key(b, WM_KEYUP, VK_SPACE);
    Key(b, WM_KEYDOWN, VK_RETURN);
    Key(b, WM_KEYUP, VK_RETURN);
    EXPECT_EQ(Codes({TBN_PUSHED, TBN_RELEASED, TBN_CLICKED, TBN_PUSHED, TBN_RELEASED, TBN_CLICKED}),
              parent.Codes());

    HWND toggle = Make(TBS_PERSISTENT);
    Key(toggle, WM_KEYDOWN, VK_SPACE);
    Key(toggle, WM_KEYUP, VK_SPACE);
    EXPECT_EQ(TBST_PUSHED, btnGetState(toggle) & TBST_PUSHED);
    Key(toggle, WM_KEYDOWN, VK_SPACE);
    Key(toggle, WM_KEYUP, VK_SPACE);
    EXPECT_EQ(0, btnGetState(toggle) & TBST_PUSHED);
    EXPECT_EQ(Codes({TBN_CLICKED}), parent.Codes());

    HWND repeat = Make(TBS_AUTOREPEAT);
    Key(repeat, WM_KEYDOWN, VK_SPACE);
    Key(repeat, WM_KEYDOWN, VK_SPACE);  // the keyboard's own repeat
    Key(repeat, WM_KEYUP, VK_SPACE);
    EXPECT_EQ(Codes({TBN_CLICKED, TBN_CLICKED}), parent.Codes());
}

TEST_F(ButtonWindow, TabAndArrowsMoveTheFocus) {
    HWND first = parent.CreateChild("TarnButton32", WS_TABSTOP, 1);
    HWND second = parent.CreateChild("TarnButton32", WS_TABSTOP, 2);
    SetFocus(first);
    EXPECT_EQ(TBST_FOCUS, btnGetState(first));
    Key(first, WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(second, GetFocus());
    EXPECT_EQ(0, btnGetState(first));
    Key(second, WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(first, GetFocus());
    Key(first, WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(second, GetFocus());
    {
        HeldKey shift(VK_SHIFT);
        Key(second, WM_KEYDOWN, VK_TAB);
    }
    EXPECT_EQ(first, GetFocus());
    {
        HeldKey control(VK_CONTROL);
        Key(first, WM_KEYDOWN, VK_RIGHT);
    }
    EXPECT_EQ(first, GetFocus()) << "Ctrl+Right does not move";
}

TEST_F(ButtonWindow, DialogCodesStylesAndRedraw) {
    HWND b = Make(0);
    EXPECT_EQ(0x2023, SendMessageA(b, WM_GETDLGCODE, 0, 0));
    SendMessageA(b, BM_SETSTYLE, TBS_DEFAULT, TRUE);  // as the dialog manager does
    EXPECT_EQ(0x2013, SendMessageA(b, WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(1, btnSetStyle(b, TBS_PICTURE, FALSE));
    const DWORD style = GetWindowLongA(b, GWL_STYLE);
    EXPECT_EQ(0u, style & TBS_DEFAULT) << "the default bit is replaced";
    EXPECT_NE(0u, style & TBS_PICTURE);

    HWND alternate = Make(TBS_ALTSTRIP | TBS_DEFAULT | TBS_AUTOREPEAT);
    SendMessageA(alternate, TBM_SETSTYLE, TBS_NOTIFY, FALSE);
    EXPECT_EQ(DWORD(TBS_ALTSTRIP | TBS_DEFAULT | TBS_AUTOREPEAT | TBS_NOTIFY),
              GetWindowLongA(alternate, GWL_STYLE) & 0xFFFF)
        << "with the alternate strip nothing is cleared";

    SendMessageA(b, WM_SETREDRAW, FALSE, 0);
    EXPECT_NE(0, GetWindowLongA(b, GWL_STYLE) & TBS_NOREDRAW);
    EXPECT_NE(0, GetWindowLongA(b, GWL_STYLE) & WS_VISIBLE) << "not hidden as a plain window";
    SendMessageA(b, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(0, GetWindowLongA(b, GWL_STYLE) & TBS_NOREDRAW);
}

TEST_F(ButtonWindow, PictureSourcesReplaceEachOther) {
    HWND b = Make(TBS_PICTURE);
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, nullptr);
    HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    ASSERT_EQ(1, btnSetBitmap(b, bitmap));
    EXPECT_EQ(bitmap, btnGetBitmap(b));
    EXPECT_EQ(1, btnSetIcon(b, icon));
    EXPECT_EQ(nullptr, btnGetBitmap(b));
    EXPECT_EQ(icon, reinterpret_cast<HICON>(SendMessageA(b, TBM_GETICON, 0, 0)));
    SendMessageA(b, TBM_SETMETAFILE, WPARAM(bitmap), 0);
    EXPECT_EQ(nullptr, btnGetIcon(b));
    EXPECT_EQ(HANDLE(bitmap), btnGetMetaFile(b));
    DestroyWindow(b);
    EXPECT_NE(0, GetObjectType(bitmap)) << "the client keeps its bitmap";
    DeleteObject(bitmap);

    HWND shown = Make(0);
    EXPECT_EQ(1, btnEnablePicture(shown, TRUE));
    EXPECT_EQ(1, btnEnableColorCode(shown, TRUE));
    DWORD style = GetWindowLongA(shown, GWL_STYLE);
    EXPECT_EQ(DWORD(TBS_COLORCODE), style & (TBS_COLORCODE | TBS_PICTURE)) << "they exclude";
    btnEnableColorCode(shown, FALSE);
    EXPECT_EQ(0u, GetWindowLongA(shown, GWL_STYLE) & (TBS_COLORCODE | TBS_PICTURE));
}

TEST_F(ButtonWindow, CaptionFontAndColoursByMessage) {
    HWND b = Make(0);
    EXPECT_EQ(0, SendMessageA(b, WM_GETFONT, 0, 0)) << "none while the stock font";
    HFONT font = CreateLocalFont("Tahoma", 10, 0);
    SendMessageA(b, WM_SETFONT, WPARAM(font), FALSE);
    EXPECT_EQ(LRESULT(font), SendMessageA(b, WM_GETFONT, 0, 0));

    EXPECT_EQ(1, btnSetColor(b, TBC_FACE, RGB(1, 2, 3)));
    EXPECT_EQ(0, btnSetColor(b, 7, 0)) << "unknown index";
    EXPECT_EQ(1, btnSetColorCode(b, RGB(9, 9, 9)));
    EXPECT_EQ(1, btnSetPicture(b, 3));
    DestroyWindow(b);
    DeleteObject(font);
}

TEST_F(ButtonWindow, FunctionsOnOtherWindowsFail) {
    HWND other = parent.CreateChild("STATIC", 0);
    for (HWND w : {other, HWND(nullptr), HWND(INT_PTR(0x1234))}) {
        EXPECT_EQ(0, btnGetState(w));
        EXPECT_EQ(0, btnSetState(w, TRUE));
        EXPECT_EQ(0, btnSetStyle(w, 1, TRUE));
        EXPECT_EQ(0, btnSetBitmap(w, nullptr));
        EXPECT_EQ(nullptr, btnGetIcon(w));
        EXPECT_EQ(0, btnSetColor(w, 0, 0));
        EXPECT_EQ(0, btnEnablePicture(w, 1));
        EXPECT_EQ(0, btnStopRepeat(w));
        EXPECT_EQ(0, btnSetPersistentState(w, 1));
    }
}

TEST_F(ButtonWindow, SetStateNotifiesOnlyOnAChange) {
    HWND b = Make(TBS_NOTIFY);
    EXPECT_EQ(1, btnSetState(b, TRUE));
    btnSetState(b, TRUE);
    SendMessageA(b, BM_SETSTATE, FALSE, 0);
    EXPECT_EQ(Codes({TBN_PUSHED, TBN_RELEASED}), parent.Codes());
    EXPECT_EQ(0, SendMessageA(b, BM_GETSTATE, 0, 0));
}

// Destroys the button when the parent receives the given code from it.
class DestroyingParent {
public:
    DestroyingParent(HWND parent, WORD code) : parent_(parent) {
        code_ = code;
        old_ = WNDPROC(SetWindowLongPtrA(parent, GWLP_WNDPROC, LONG_PTR(Proc)));
    }
    ~DestroyingParent() { SetWindowLongPtrA(parent_, GWLP_WNDPROC, LONG_PTR(old_)); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = CallWindowProcA(old_, hwnd, msg, wParam, lParam);
        if (msg == WM_COMMAND && HIWORD(wParam) == code_) DestroyWindow(HWND(lParam));
        return result;
    }
    HWND parent_;
    static inline WNDPROC old_ = nullptr;
    static inline WORD code_ = 0;
};

TEST_F(ButtonWindow, ParentMayDestroyTheButtonWhileItNotifies) {
    const struct {
        DWORD style;
        WORD code;
    } cases[] = {{TBS_NOTIFY, TBN_PUSHED},
                 {TBS_NOTIFY, TBN_RELEASED},
                 {0, TBN_CLICKED},
                 {TBS_AUTOREPEAT, TBN_CLICKED},
                 {TBS_PERSISTENT, TBN_CLICKED}};
    for (const auto& c : cases) {
        HWND b = Make(c.style);
        DestroyingParent destroying(parent.hwnd(), c.code);
        Press(b);
        if (IsWindow(b)) Release(b);
        EXPECT_FALSE(IsWindow(b)) << "style " << c.style << " code " << c.code;
        EXPECT_EQ(nullptr, GetCapture());
    }
}

}  // namespace
}  // namespace tw::test
