// Typing into the real numeric edit: WM_CHAR with the insert toggle, the notifications each
// change sends, refusals, the keys, the clipboard and the focus.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numedit_harness.h"

namespace tw::test {
namespace {

using Events = std::vector<std::string>;

class NumEditTyping : public ::testing::Test {
protected:
    void SetUp() override {
        SetInsertMode(false);
        edit = h.Create(WS_TABSTOP, "0");
        SetFocus(edit);
        h.Clear();
    }
    void TearDown() override { SetInsertMode(false); }
    void Format(int format, int decimals) {
        const NMEDITPARAMS p = NumEditHarness::Params(format, decimals);
        ASSERT_EQ(nmSetEditParams(edit, &p), 1);
        h.Clear();
    }
    void Caret(int pos) { SendMessageA(edit, EM_SETSEL, pos, pos); }
    DWORD Selection() { return static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0)); }

    NumEditHarness h;
    HWND edit = nullptr;
};

TEST_F(NumEditTyping, ADigitNotifiesUpdateChangeThenTheHook) {
    Format(0, 2);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    TypeChars(edit, "7");
    EXPECT_EQ(WindowText(edit), "7.00");
    EXPECT_EQ(h.Log(), Events({"update", "change", "hook"}));
    EXPECT_EQ(Selection(), MAKELONG(1, 1));
    EXPECT_EQ(SendMessageA(edit, EM_GETMODIFY, 0, 0), 1);
    TypeChars(edit, "5.25");  // overwrite: before the separator, then over the decimals
    EXPECT_EQ(WindowText(edit), "75.25");
    EXPECT_EQ(nmGetDouble(edit, nullptr), 0);
    double value = 0;
    nmGetDouble(edit, &value);
    EXPECT_EQ(value, 75.25);
}

TEST_F(NumEditTyping, InsertToggleChoosesInsertOrOverwrite) {
    Format(1, 0);
    SetWindowTextA(edit, "123");
    Caret(1);
    TypeChars(edit, "9");
    EXPECT_EQ(WindowText(edit), "193") << "overwrite while the toggle is off";
    SetInsertMode(true);
    Caret(1);
    TypeChars(edit, "8");
    EXPECT_EQ(WindowText(edit), "1893");
    Caret(0);
    SetWindowTextA(edit, "-5");
    h.Clear();
    TypeChars(edit, "4");
    EXPECT_EQ(WindowText(edit), "-5") << "no digit before a leading minus";
    EXPECT_EQ(h.Log(), Events({"hook"})) << "a refused character still ends with the hook";
}

TEST_F(NumEditTyping, TypedValuesAreClampedToTheRange) {
    NMEDITPARAMS p = NumEditHarness::Params(1, 0);
    p.rangeOn = 1;
    p.maximum = 100;
    ASSERT_EQ(nmSetEditParams(edit, &p), 1);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    TypeChars(edit, "250");
    EXPECT_EQ(WindowText(edit), "100");
    EXPECT_EQ(nmGetInteger(edit), 100);
}

TEST_F(NumEditTyping, SignsExponentAndSeparator) {
    Format(0, 2);
    SetInsertMode(true);
    SetWindowTextA(edit, "");
    h.Clear();
    TypeChars(edit, "-");
    EXPECT_EQ(h.Log(), Events({"update", "change", "hook"}));
    TypeChars(edit, "1");
    EXPECT_EQ(WindowText(edit), "-1.00");
    Key(edit, VK_END);
    TypeChars(edit, "e-3");
    EXPECT_EQ(WindowText(edit), "-1.00e-3");
    double value = 0;
    nmGetDouble(edit, &value);
    EXPECT_DOUBLE_EQ(value, -0.001);
    h.Clear();
    TypeChars(edit, "-e.");  // minus not after an e, a second e, a second separator
    EXPECT_EQ(WindowText(edit), "-1.00e-3");
    EXPECT_EQ(h.Log(), Events({"hook", "hook", "hook"}));

    NMEDITPARAMS p = NumEditHarness::Params(1, 2);
    ASSERT_EQ(nmSetEditParams(edit, &p), 1);
    SetWindowTextA(edit, "12");
    Caret(2);
    TypeChars(edit, ".");
    EXPECT_EQ(WindowText(edit), "12") << "formatted integer format: no separator";
    p = NumEditHarness::Params(0, 0);
    ASSERT_EQ(nmSetEditParams(edit, &p), 1);
    TypeChars(edit, ".");
    EXPECT_EQ(WindowText(edit), "12") << "no decimals: no separator";
}

TEST_F(NumEditTyping, RefusalsLeaveTheTextAlone) {
    SetWindowTextA(edit, "5");
    h.RefusePermission(true);
    TypeChars(edit, "7");
    Key(edit, VK_DELETE);
    EXPECT_EQ(WindowText(edit), "5");
    EXPECT_TRUE(h.Log().empty());
    h.RefusePermission(false);
    SendMessageA(edit, EM_SETREADONLY, 1, 0);
    TypeChars(edit, "7");
    Key(edit, VK_BACK);
    EXPECT_EQ(WindowText(edit), "5");
    EXPECT_TRUE(h.Log().empty());
    SendMessageA(edit, EM_SETREADONLY, 0, 0);
    {
        HeldKey alt(VK_MENU);
        TypeChars(edit, "7");
    }
    EXPECT_EQ(WindowText(edit), "5");
    SetWindowTextA(edit, "123456789012345");
    Caret(15);
    TypeChars(edit, "6");
    EXPECT_EQ(WindowText(edit), "123456789012345") << "nothing from the fifteenth place on";
    EXPECT_TRUE(h.Log().empty());
}

TEST_F(NumEditTyping, TheLimitCutsWithErrSpaceFirst) {
    Format(1, 0);
    SendMessageA(edit, EM_LIMITTEXT, 3, 0);
    SetWindowTextA(edit, "123");
    SetInsertMode(true);
    Caret(3);
    h.Clear();
    TypeChars(edit, "4");
    EXPECT_EQ(WindowText(edit), "123");
    EXPECT_EQ(h.Log(), Events({"errspace", "update", "change", "hook"}));
}

TEST_F(NumEditTyping, DeletingKeys) {
    Format(1, 0);
    SetWindowTextA(edit, "12345");
    Caret(1);
    h.Clear();
    Key(edit, VK_DELETE);
    EXPECT_EQ(WindowText(edit), "1345");
    EXPECT_EQ(h.Log(), Events({"update", "change", "hook"}));
    Key(edit, VK_BACK);
    EXPECT_EQ(WindowText(edit), "345");
    Key(edit, VK_BACK);
    EXPECT_EQ(WindowText(edit), "345") << "nothing before the start";
    SendMessageA(edit, EM_SETSEL, 1, 3);
    {
        HeldKey ctrl(VK_CONTROL);
        Key(edit, VK_DELETE);
    }
    EXPECT_EQ(WindowText(edit), "3");
    SetWindowTextA(edit, "987");
    Caret(3);
    Key(edit, VK_LEFT);
    Key(edit, VK_LEFT);
    EXPECT_EQ(Selection(), MAKELONG(1, 1));
    {
        HeldKey shift(VK_SHIFT);
        Key(edit, VK_END);
    }
    EXPECT_EQ(Selection(), MAKELONG(1, 3));
    Key(edit, VK_HOME);
    EXPECT_EQ(Selection(), MAKELONG(0, 0));
}

TEST_F(NumEditTyping, PasteTypesTheClipboardAsKeys) {
    Format(0, 2);
    ASSERT_TRUE(OpenClipboard(edit));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 8);
    lstrcpyA(static_cast<char*>(GlobalLock(memory)), "12x.5");
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(edit), "12.50") << "the x is refused like a key";
    SendMessageA(edit, EM_SETSEL, 0, 2);
    SendMessageA(edit, WM_COPY, 0, 0);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CLEAR, 0, 0);
    EXPECT_EQ(WindowText(edit), "");
    SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(edit), "12.00");
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("3"));
    EXPECT_EQ(WindowText(edit), "3.00");
}

TEST_F(NumEditTyping, ANullControlStartsFromNothing) {
    Format(1, 0);
    nmSetInteger(edit, 42);
    nmSetNull(edit);
    SetInsertMode(true);
    Caret(2);
    TypeChars(edit, "7");
    EXPECT_EQ(WindowText(edit), "7");
    EXPECT_EQ(nmIsNull(edit), 0);
}

TEST_F(NumEditTyping, TheParentMayDestroyTheControlOnANotification) {
    for (const char* event : {"update", "change", "hook"}) {
        HWND victim = h.Create(0, "1");
        SetFocus(victim);
        h.DestroyOn(event);
        TypeChars(victim, "5");
        EXPECT_FALSE(IsWindow(victim)) << event;
        h.DestroyOn("");
    }
    HWND victim = h.Create(0, "12");
    h.DestroyOn("change");
    Key(victim, VK_DELETE);
    EXPECT_FALSE(IsWindow(victim));
    victim = h.Create(0, "12");
    SetFocus(victim);
    h.DestroyOn("killfocus");
    SetFocus(edit);
    EXPECT_FALSE(IsWindow(victim)) << "destroyed as it lost the focus";
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(NumEditTyping, FocusSelectsAllAndFormsFollowIt) {
    Format(2, 0);
    nmSetInteger(edit, 1234567);
    HWND next = h.Create(WS_TABSTOP, "0", 101);
    h.Clear();
    SendMessageA(edit, WM_CHAR, '\t', 1);
    EXPECT_EQ(GetFocus(), next);
    EXPECT_EQ(h.Log(), Events({"killfocus", "setfocus"}));
    HWND reference = h.Create(0, "1,234,567");
    EXPECT_EQ(ClientPixels(edit), ClientPixels(reference));
    SetFocus(edit);
    EXPECT_EQ(Selection(), MAKELONG(0, 7));
    SendMessageA(edit, EM_SETREADONLY, 1, 0);
    SetFocus(next);
    SetFocus(edit);
    EXPECT_EQ(Selection(), MAKELONG(0, 0)) << "read only: nothing selected";
    {
        HeldKey shift(VK_SHIFT);
        Key(edit, VK_TAB);
    }
    EXPECT_EQ(GetFocus(), next) << "Shift+Tab wraps to the previous tab stop";
}

TEST_F(NumEditTyping, AlignmentMovesTheTextRight) {
    nmSetColor(edit, TARN_COLOR_TEXT, RGB(255, 0, 0));
    SetFocus(h.parent());
    RECT client;
    GetClientRect(edit, &client);
    const int half = client.right / 2;
    EXPECT_TRUE(HasColourInColumns(edit, RGB(255, 0, 0), 0, half));
    ASSERT_EQ(nmSetAlignment(edit, 2), 1);
    EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & (NMS_CENTER | NMS_RIGHT), NMS_RIGHT);
    EXPECT_FALSE(HasColourInColumns(edit, RGB(255, 0, 0), 0, half));
    EXPECT_TRUE(HasColourInColumns(edit, RGB(255, 0, 0), half, client.right));
    nmSetAlignment(edit, 9);
    EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & (NMS_CENTER | NMS_RIGHT), 0);
    EXPECT_TRUE(HasColourInColumns(edit, RGB(255, 0, 0), 0, half));
}

TEST_F(NumEditTyping, DisplayStylesBringTheTextToTheirForm) {
    Format(0, 2);
    nmSetDouble(edit, -2.75);
    ASSERT_EQ(nmSetDisplayStyle(edit, 1), 1);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & NMS_BITMAPDIGITS);
    EXPECT_EQ(WindowText(edit), "-2") << "bitmap digits show integers";
    TypeChars(edit, ".");
    EXPECT_EQ(WindowText(edit), "-2");
    ASSERT_EQ(nmSetDisplayStyle(edit, 2), 1);
    const LONG style = GetWindowLongA(edit, GWL_STYLE);
    EXPECT_EQ(style & (NMS_BITMAPDIGITS | NMS_FIXEDCELLS), NMS_FIXEDCELLS);
    EXPECT_EQ(WindowText(edit), "-2.00");
    ASSERT_EQ(nmSetDisplayStyle(edit, 0), 1);
    EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & (NMS_BITMAPDIGITS | NMS_FIXEDCELLS), 0);
}

}  // namespace
}  // namespace tw::test
