// Combo box windows of the library under test: the system combo box's behaviour passed on,
// the previous focus remembered, and the property's lifetime.

#include <gtest/gtest.h>

#include "controls/tarn32.h"
#include "tests/controls/control_test_support.h"

namespace tw::test {
namespace {

class ComboWindow : public ::testing::Test {
protected:
    RecordingParent parent;
    HWND combo = parent.CreateChild("TarnComboBox32", CBS_DROPDOWNLIST | WS_VSCROLL, 50, 120, 150);
};

TEST_F(ComboWindow, NeverFocusedAnswersZero) {
    ASSERT_NE(nullptr, combo);
    EXPECT_EQ(0, SendMessageA(combo, TCBM_GETPREVFOCUS, 0, 0));
    EXPECT_NE(nullptr, GetPropA(combo, TARN_COMBO_PROPERTY));
}

TEST_F(ComboWindow, RemembersTheWindowThatLostTheFocus) {
    HWND edit = parent.CreateChild("EDIT", WS_BORDER, 51);
    SetFocus(edit);
    SendMessageA(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));  // a click takes it
    SendMessageA(combo, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    ASSERT_EQ(combo, GetFocus());
    EXPECT_EQ(LRESULT(LOWORD(UINT_PTR(edit))), SendMessageA(combo, TCBM_GETPREVFOCUS, 0, 0));
    HWND shortHandle = reinterpret_cast<HWND>(SendMessageA(combo, TCBM_GETPREVFOCUS, 0, 0));
    EXPECT_EQ(51, GetDlgCtrlID(shortHandle)) << "the 16-bit handle still names the window";
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);

    HWND button = parent.CreateChild("BUTTON", 0, 52);
    SetFocus(button);
    SetFocus(combo);
    EXPECT_EQ(LRESULT(LOWORD(UINT_PTR(button))), SendMessageA(combo, TCBM_GETPREVFOCUS, 0, 0));
}

TEST_F(ComboWindow, BehavesAsTheSystemComboBox) {
    SendMessageA(combo, CB_ADDSTRING, 0, LPARAM("alpha"));
    SendMessageA(combo, CB_ADDSTRING, 0, LPARAM("beta"));
    EXPECT_EQ(2, SendMessageA(combo, CB_GETCOUNT, 0, 0));
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    EXPECT_EQ("beta", WindowText(combo));
    SetFocus(combo);
    parent.Clear();
    SendMessageA(combo, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(0, SendMessageA(combo, CB_GETCURSEL, 0, 0));
    bool selChange = false;
    for (WORD code : parent.Codes()) selChange = selChange || code == CBN_SELCHANGE;
    EXPECT_TRUE(selChange) << "the parent hears the system notifications";
}

TEST_F(ComboWindow, PropertyGoesWithTheWindow) {
    ASSERT_NE(nullptr, GetPropA(combo, TARN_COMBO_PROPERTY));
    EXPECT_TRUE(DestroyWindow(combo));
    EXPECT_FALSE(IsWindow(combo));
    // A new one starts clean again.
    HWND again = parent.CreateChild("TarnComboBox32", CBS_DROPDOWN, 53);
    EXPECT_EQ(0, SendMessageA(again, TCBM_GETPREVFOCUS, 0, 0));
    EXPECT_NE(nullptr, FindWindowExA(again, nullptr, "Edit", nullptr)) << "its edit field";
}

}  // namespace
}  // namespace tw::test
