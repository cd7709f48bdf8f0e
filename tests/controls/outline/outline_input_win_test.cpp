// The outline list driven by the mouse and the keyboard: opening and closing on the mark and
// by double click, selection in single and multiple mode with its notifications and refusals,
// caret keys, the parent's say over keys, the scrolling timer, and a parent that destroys the
// list or deletes the item while it hears of a change.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../control_test_support.h"
#include "outline_harness.h"

namespace tw::test {
namespace {

using Seq = std::vector<std::string>;
constexpr int kRowHeight = 18;  // the default: the strip's 16 pixels and 2
constexpr int kMid = kRowHeight / 2;

class OutlineInput : public ::testing::Test {
protected:
    OutlineParent parent;
    HWND list = nullptr;
    HOLBITEM top = 0, second = 0;

    // "top" with children a and b, then "second", "third".
    void Make(DWORD style) {
        list = parent.CreateList(style);
        top = olbAddChildStringEx(list, OLB_NOITEM, "top");
        olbAddChildStringEx(list, top, "a");
        olbAddChildStringEx(list, top, "b");
        second = olbAddChildStringEx(list, OLB_NOITEM, "second");
        olbAddString(list, "third");
        SetFocus(list);
        parent.Clear();
    }
    int Y(int row) const { return row * kRowHeight + kMid; }
    void Press(UINT key) { SendMessageA(list, WM_KEYDOWN, key, 1); }
};

TEST_F(OutlineInput, ClickOnTheMarkOpensAndClosesWithNotifications) {
    Make(OLBS_NOTIFY);
    Click(list, WM_LBUTTONDOWN, 5, Y(0));
    ASSERT_EQ(Seq({"notify -803", "notify -804", "command 6"}), parent.Sequence());
    const NMOUTLINE& before = parent.Events()[0].record;
    EXPECT_EQ(top, before.item);
    EXPECT_EQ(0u, before.oldFlags);
    EXPECT_EQ(DWORD(OLBF_OPEN), before.newFlags);
    EXPECT_EQ(0, before.level);
    EXPECT_EQ(5, before.point.x);
    EXPECT_EQ(Y(0), before.point.y);
    EXPECT_EQ(DWORD(OLBF_OPEN), parent.Events()[1].record.newFlags);
    EXPECT_EQ(5, olbGetVisibleCount(list));
    Click(list, WM_LBUTTONUP, 5, Y(0));
    parent.Clear();
    Click(list, WM_LBUTTONDOWN, 14, Y(0));  // the mark's far end
    EXPECT_EQ(Seq({"notify -807", "notify -808", "command 7"}), parent.Sequence());
    EXPECT_EQ(3, olbGetVisibleCount(list));
    EXPECT_EQ(-1, olbGetCurSel(list)) << "a click on the mark selects nothing";

    // The parent refuses; a locked item and an item without children have no mark.
    parent.RefuseOn(OLBN_OPENING);
    parent.Clear();
    Click(list, WM_LBUTTONDOWN, 5, Y(0));
    EXPECT_EQ(Seq({"notify -803"}), parent.Sequence());
    EXPECT_EQ(0, olbQueryOpen(list, 0));
    parent.RefuseOn(0);
    olbLockItem(list, 0, TRUE);
    parent.Clear();
    Click(list, WM_LBUTTONDOWN, 5, Y(0));
    EXPECT_EQ(0, olbQueryOpen(list, 0));
    EXPECT_EQ(Seq({"notify -801", "notify -2"}), parent.Sequence()) << "an ordinary click";
}

TEST_F(OutlineInput, WithoutTheNotifyStyleNoCommandCodes) {
    Make(0);
    Click(list, WM_LBUTTONDOWN, 5, Y(0));
    EXPECT_EQ(Seq({"notify -803", "notify -804"}), parent.Sequence());
}

TEST_F(OutlineInput, DoubleClickTogglesAndReports) {
    Make(OLBS_NOTIFY);
    Click(list, WM_LBUTTONDBLCLK, 40, Y(0));
    EXPECT_EQ(
        Seq({"notify -801", "notify -803", "notify -804", "command 6", "notify -3", "command 2"}),
        parent.Sequence());
    EXPECT_EQ(1, olbQueryOpen(list, 0));
    parent.Clear();
    Click(list, WM_LBUTTONDBLCLK, 40, Y(3));  // "second": no children, nothing to toggle
    EXPECT_EQ(Seq({"notify -801", "notify -802", "command 3", "notify -3", "command 2"}),
              parent.Sequence());
}

TEST_F(OutlineInput, ClicksSelectWithNotificationsAndTheParentMayRefuse) {
    Make(OLBS_NOTIFY);
    Click(list, WM_LBUTTONDOWN, 40, Y(1));
    ASSERT_EQ(Seq({"notify -801", "notify -2"}), parent.Sequence());
    const NMOUTLINE& selecting = parent.Events()[0].record;
    EXPECT_EQ(second, selecting.item);
    EXPECT_EQ(DWORD(OLBF_CARET), selecting.oldFlags) << "the caret moves first";
    EXPECT_EQ(DWORD(OLBF_CARET | OLBF_SELECTED), selecting.newFlags);
    EXPECT_EQ(TRUE, selecting.allow);
    EXPECT_EQ(1, olbGetCurSel(list));
    EXPECT_EQ(1, olbGetCaretIndex(list));
    Click(list, WM_LBUTTONUP, 40, Y(1));
    parent.Clear();
    Click(list, WM_LBUTTONDOWN, 40, Y(2));
    ASSERT_EQ(Seq({"notify -801", "notify -802", "command 3", "notify -2"}), parent.Sequence());
    EXPECT_EQ(second, parent.Events()[1].record.item);
    EXPECT_EQ(0u, parent.Events()[1].record.newFlags & OLBF_SELECTED);
    EXPECT_EQ(2, olbGetCurSel(list));
    Click(list, WM_LBUTTONUP, 40, Y(2));

    parent.RefuseOn(OLBN_SELECTING);
    Click(list, WM_LBUTTONDOWN, 40, Y(0));
    EXPECT_EQ(2, olbGetCurSel(list)) << "refused: the old selection stays";
    EXPECT_EQ(0, olbGetSel(list, 0));
    EXPECT_EQ(OLB_ERR, olbSetCurSel(list, 0));
    Click(list, WM_LBUTTONUP, 40, Y(0));
    parent.RefuseOn(0);
    EXPECT_EQ(0, olbSetCurSel(list, 0));
    EXPECT_EQ(top, olbGetCurSelEx(list));
}

TEST_F(OutlineInput, KeysMoveTheCaretAndTheSelectionFollows) {
    Make(0);
    olbOpenItem(list, 0);  // top a b second third
    olbSetCurSel(list, 0);
    Press(VK_DOWN);
    EXPECT_EQ(1, olbGetCaretIndex(list));
    EXPECT_EQ(1, olbGetCurSel(list));
    Press(VK_END);
    EXPECT_EQ(4, olbGetCurSel(list));
    Press(VK_DOWN);
    EXPECT_EQ(4, olbGetCurSel(list)) << "stays on the last row";
    Press(VK_HOME);
    EXPECT_EQ(0, olbGetCurSel(list));
    {
        HeldKey shift(VK_SHIFT);
        Press(VK_DOWN);
        Press(VK_DOWN);
    }
    EXPECT_EQ(3, olbGetSelCount(list)) << "Shift extends from the anchor";
    LONG rows[4] = {};
    EXPECT_EQ(3, olbGetSelItems(list, 4, rows));
    EXPECT_EQ(2, rows[2]);
    Press(VK_UP);
    EXPECT_EQ(1, olbGetSelCount(list));
    // Left closes the caret's parent chain step by step, Right opens.
    Press(VK_LEFT);  // from "a" to its parent
    EXPECT_EQ(0, olbGetCaretIndex(list));
    Press(VK_LEFT);  // closes top
    EXPECT_EQ(0, olbQueryOpen(list, 0));
    Press(VK_RIGHT);
    EXPECT_EQ(1, olbQueryOpen(list, 0));
}

TEST_F(OutlineInput, KeypadPlusOpensEverythingBelowTheCaret) {
    Make(0);
    olbAddChildStringEx(list, olbGetFirstChildEx(list, top), "deep");
    olbSetCurSel(list, 0);
    Press(VK_ADD);
    EXPECT_EQ(6, olbGetVisibleCount(list)) << "top a deep b second third";
    olbCloseAll(list);
    Press(VK_OEM_PLUS);
    EXPECT_EQ(6, olbGetVisibleCount(list));
}

TEST_F(OutlineInput, MultipleSelectionTogglesByClickAndSpace) {
    Make(OLBS_MULTIPLESEL);
    Click(list, WM_LBUTTONDOWN, 40, Y(0));
    Click(list, WM_LBUTTONUP, 40, Y(0));
    Click(list, WM_LBUTTONDOWN, 40, Y(2));
    Click(list, WM_LBUTTONUP, 40, Y(2));
    EXPECT_EQ(2, olbGetSelCount(list));
    Press(VK_UP);
    EXPECT_EQ(2, olbGetSelCount(list)) << "keys move only the caret";
    Press(VK_SPACE);
    EXPECT_EQ(3, olbGetSelCount(list));
    Press(VK_SPACE);
    EXPECT_EQ(2, olbGetSelCount(list));
    EXPECT_EQ(1, olbGetCaretIndex(list)) << "unselecting keeps the caret";
    EXPECT_EQ(olbIndexToHandle(list, 2), olbGetNextSelectedEx(list, olbIndexToHandle(list, 0)));
    EXPECT_EQ(OLB_NOITEM, olbGetNextSelectedEx(list, olbIndexToHandle(list, 2)));
    EXPECT_EQ(0, olbSetSel(list, FALSE, -1));
    EXPECT_EQ(0, olbGetSelCount(list));
    EXPECT_EQ(0, olbSelItemRange(list, TRUE, 0, 2));
    EXPECT_EQ(3, olbGetSelCount(list));
}

TEST_F(OutlineInput, TheParentHasTheFirstSayOverKeys) {
    Make(OLBS_WANTKEYBOARDINPUT);
    olbSetCurSel(list, 1);
    parent.Clear();
    parent.AnswerKeysWith(-2);
    Press(VK_DOWN);
    ASSERT_EQ(Seq({"vkeytoitem"}), parent.Sequence());
    EXPECT_EQ(VK_DOWN, parent.Events()[0].code);
    EXPECT_EQ(1u, parent.Events()[0].itemId) << "the caret row";
    EXPECT_EQ(1, olbGetCaretIndex(list)) << "-2: the parent did it all";
    parent.AnswerKeysWith(0);
    Press(VK_DOWN);
    EXPECT_EQ(1, olbGetCaretIndex(list)) << "the caret went to row 0 first, then down";
    parent.AnswerKeysWith(-1);
    Press(VK_DOWN);
    EXPECT_EQ(2, olbGetCaretIndex(list));
}

TEST_F(OutlineInput, MultipleColumnsMoveByAColumn) {
    list = parent.CreateList(OLBS_MULTICOLUMN, 300, 200);
    for (int i = 0; i < 10; ++i) olbAddString(list, std::to_string(i).c_str());
    EXPECT_EQ(OLB_ERR, olbSetColumns(list, 0)) << "zero columns";
    EXPECT_EQ(0, olbSetColumns(list, 3));
    EXPECT_EQ(4, olbGetLinesPerColumn(list)) << "10 / 3 = 3, plus 1 as 9 rows would not do";
    EXPECT_EQ(OLB_ERR, olbSetColumnWidth(list, 0));
    EXPECT_EQ(100, olbGetColumnWidth(list));
    RECT rect = {};
    olbGetItemRect(list, 5, &rect);
    EXPECT_EQ(100, rect.left);
    EXPECT_EQ(kRowHeight, rect.top);
    EXPECT_EQ(5, olbGetItemAtPoint(list, 150, kRowHeight + 3));
    olbSetCurSel(list, 0);
    Press(VK_RIGHT);
    EXPECT_EQ(4, olbGetCurSel(list));
    Press(VK_RIGHT);
    Press(VK_RIGHT);
    EXPECT_EQ(9, olbGetCurSel(list));
    Press(VK_LEFT);
    EXPECT_EQ(5, olbGetCurSel(list));
}

TEST_F(OutlineInput, DraggingBeyondTheRowsScrollsOnTimerTicks) {
    list = parent.CreateList(0, 200, 5 * kRowHeight);
    for (int i = 0; i < 30; ++i) olbAddString(list, std::to_string(i).c_str());
    Click(list, WM_LBUTTONDOWN, 40, Y(2));
    EXPECT_EQ(list, GetCapture());
    SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 5 * kRowHeight + 30));
    SendMessageA(list, WM_TIMER, OLB_SCROLL_TIMER, 0);
    EXPECT_EQ(5, olbGetCurSel(list));
    EXPECT_EQ(1, olbGetTopIndex(list));
    SendMessageA(list, WM_TIMER, OLB_SCROLL_TIMER, 0);
    EXPECT_EQ(6, olbGetCurSel(list));
    EXPECT_EQ(2, olbGetTopIndex(list));
    SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, -20));
    SendMessageA(list, WM_TIMER, OLB_SCROLL_TIMER, 0);
    EXPECT_EQ(1, olbGetCurSel(list));
    EXPECT_EQ(1, olbGetTopIndex(list));
    SendMessageA(list, WM_CANCELMODE, 0, 0);
    EXPECT_NE(list, GetCapture());
    EXPECT_FALSE(KillTimer(list, OLB_SCROLL_TIMER)) << "the timer went with the cancel";
    SendMessageA(list, WM_TIMER, OLB_SCROLL_TIMER, 0);
    EXPECT_EQ(1, olbGetCurSel(list)) << "a late tick does nothing";
    // Losing the capture stops it too.
    Click(list, WM_LBUTTONDOWN, 40, Y(2));
    SetCapture(parent.Handle());
    EXPECT_FALSE(KillTimer(list, OLB_SCROLL_TIMER));
    ReleaseCapture();
}

TEST_F(OutlineInput, ParentMayDestroyTheListOrDeleteTheItemDuringNotifications) {
    Make(OLBS_NOTIFY);
    parent.DeleteItemOn(OLBN_OPENING);
    Click(list, WM_LBUTTONDOWN, 5, Y(0));
    EXPECT_EQ(2, olbGetVisibleCount(list)) << "top went with its children, nothing opened";
    EXPECT_EQ(2, olbGetCount(list));
    parent.DeleteItemOn(0);
    parent.DestroyListOn(OLBN_SELECTING);
    Click(list, WM_LBUTTONDOWN, 40, Y(0));
    EXPECT_FALSE(IsWindow(list));
    Make(OLBS_NOTIFY);
    parent.DestroyListOn(OLBN_CLOSED);
    olbOpenItem(list, 0);
    Click(list, WM_LBUTTONDOWN, 5, Y(0));
    EXPECT_FALSE(IsWindow(list));
    Make(OLBS_NOTIFY);
    parent.DestroyListOn(0);
    parent.DeleteItemOn(OLBN_UNSELECTED);
    olbSetCurSel(list, 1);
    olbSetCurSel(list, 2);
    EXPECT_EQ(1, olbGetCurSel(list)) << "row 1 was deleted, so the new one moved up";
    EXPECT_EQ(OLB_ERR, olbHandleToIndex(list, second));
}

std::vector<int>& HostedCodes() {
    static std::vector<int> codes;
    return codes;
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "host.original"));
    if (msg == WM_NOTIFY) HostedCodes().push_back(int(reinterpret_cast<NMHDR*>(lParam)->code));
    if (msg == WM_COMMAND) HostedCodes().push_back(HIWORD(wParam));
    return CallWindowProcA(original, hwnd, msg, wParam, lParam);
}

TEST_F(OutlineInput, ComponentHostModeSendsNotificationsToTheControlItself) {
    Make(OLBS_NOTIFY);
    SetPropA(list, "host.original",
             reinterpret_cast<HANDLE>(GetWindowLongPtrA(list, GWLP_WNDPROC)));
    SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostProc));
    EXPECT_EQ(0, lbSetOcx(list, TRUE));
    HostedCodes().clear();
    Click(list, WM_LBUTTONDOWN, 5, Y(0));
    EXPECT_EQ(std::vector<int>({OLBN_OPENING, OLBN_OPENED, OLBN_CMD_OPENED}), HostedCodes());
    EXPECT_TRUE(parent.Sequence().empty());
    EXPECT_EQ(1, lbSetOcx(list, FALSE));
    Click(list, WM_LBUTTONDOWN, 5, Y(0));
    EXPECT_EQ(Seq({"notify -807", "notify -808", "command 7"}), parent.Sequence());
    SetWindowLongPtrA(list, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(GetPropA(list, "host.original")));
    RemovePropA(list, "host.original");
}

TEST_F(OutlineInput, FocusChangesReportCodesFourAndFive) {
    Make(OLBS_NOTIFY);
    SetFocus(parent.Handle());
    SetFocus(list);
    EXPECT_EQ(Seq({"command 5", "command 4"}), parent.Sequence());
}

}  // namespace
}  // namespace tw::test
