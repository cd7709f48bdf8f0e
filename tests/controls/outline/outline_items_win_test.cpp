// The outline list's items through its exported functions and messages: adding and
// structure, handles that go stale, texts into bounded buffers, paths, searching, moving and
// copying, deletion with its notifications, lists without strings, and the list-box messages.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "outline_harness.h"

namespace tw::test {
namespace {

using Seq = std::vector<std::string>;

class OutlineItems : public ::testing::Test {
protected:
    OutlineParent parent;
    HWND list = parent.CreateList(OLBS_NOTIFY);

    std::string Text(LONG row) {
        char buffer[64] = "";
        olbGetText(list, row, buffer, sizeof buffer);
        return buffer;
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (LONG row = 0; row < olbGetVisibleCount(list); ++row) rows.push_back(Text(row));
        return rows;
    }
};

TEST_F(OutlineItems, ThousandTopLevelItemsAndTheHandleOfRow999) {
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(i, olbAddString(list, ("item " + std::to_string(i)).c_str()));
    const HOLBITEM last = olbIndexToHandle(list, 999);
    ASSERT_NE(OLB_NOITEM, last);
    EXPECT_EQ(999, olbHandleToIndex(list, last));
    EXPECT_EQ("item 999", Text(999));
    EXPECT_EQ(OLB_NOITEM, olbIndexToHandle(list, 1000)) << "none past the rows";
    EXPECT_EQ(1000, olbGetCount(list));
    EXPECT_EQ(1000, SendMessageA(list, LB_GETCOUNT, 0, 0));
    EXPECT_EQ(OLB_BADITEM, olbIndexToHandle(parent.Handle(), 0)) << "-1 without state";
}

TEST_F(OutlineItems, ChildrenShowOnlyUnderOpenParentsAndClosingKeepsTheStateBelow) {
    const HOLBITEM top = olbAddChildStringEx(list, OLB_NOITEM, "top");
    const HOLBITEM a = olbAddChildStringEx(list, top, "a");
    olbAddChildStringEx(list, a, "a1");
    olbAddChildStringEx(list, top, "b");
    olbAddString(list, "after");
    EXPECT_EQ(Seq({"top", "after"}), Rows()) << "children of a closed parent are no rows";
    EXPECT_EQ(1, olbOpenItem(list, 0));
    EXPECT_EQ(1, olbOpenItem(list, 1));
    EXPECT_EQ(Seq({"top", "a", "a1", "b", "after"}), Rows());
    EXPECT_EQ(0, olbOpenItem(list, 0)) << "already open";
    EXPECT_EQ(1, olbCloseItem(list, 0));
    EXPECT_EQ(Seq({"top", "after"}), Rows());
    EXPECT_EQ(1, olbQueryOpenEx(list, a)) << "a stays open while hidden";
    EXPECT_EQ(0, olbQueryVisible(list, a));
    olbOpenItem(list, 0);
    EXPECT_EQ(Seq({"top", "a", "a1", "b", "after"}), Rows());
    // A new child of an open visible parent is a row at once, in its place.
    EXPECT_EQ(3, olbAddChildString(list, 1, "a2"));
    const HOLBITEM first = olbInsertStringEx(list, top, 0, "first");
    EXPECT_EQ(1, olbHandleToIndex(list, first));
    EXPECT_EQ(Seq({"top", "first", "a", "a1", "a2", "b", "after"}), Rows());
    // Under a closed parent the new item reports where it shows: its parent's row.
    EXPECT_EQ(5, olbAddChildString(list, 5, "b1"));
    EXPECT_EQ(2, olbQueryLevelEx(list, olbFindNextEx(list, OLB_NOITEM, "a2")));
    // Locked items do not open; olbOpenAll opens the rest with everything below.
    olbLockItem(list, 5, TRUE);
    EXPECT_EQ(0, olbOpenItem(list, 5));
    EXPECT_EQ(1, olbLockItem(list, 5, FALSE));
    olbCloseAll(list);
    EXPECT_EQ(Seq({"top", "after"}), Rows());
    olbOpenAll(list, -1);
    EXPECT_EQ(Seq({"top", "first", "a", "a1", "a2", "b", "b1", "after"}), Rows());
    EXPECT_EQ(OLB_ERR, olbOpenItem(list, 99));
    EXPECT_EQ(OLB_ERR, olbQueryOpen(list, -1));
}

TEST_F(OutlineItems, WalksAndStructureQueries) {
    const HOLBITEM a = olbAddChildStringEx(list, OLB_NOITEM, "a");
    const HOLBITEM a1 = olbAddChildStringEx(list, a, "a1");
    const HOLBITEM a2 = olbAddChildStringEx(list, a, "a2");
    const HOLBITEM b = olbAddChildStringEx(list, OLB_NOITEM, "b");
    EXPECT_EQ(a, olbGetFirstChildEx(list, OLB_NOITEM));
    EXPECT_EQ(a1, olbGetFirstChildEx(list, a));
    EXPECT_EQ(a2, olbGetNextSiblingEx(list, a1));
    EXPECT_EQ(OLB_NOITEM, olbGetNextSiblingEx(list, a2));
    EXPECT_EQ(a1, olbGetPreviousSiblingEx(list, a2));
    EXPECT_EQ(a, olbGetParentEx(list, a1));
    EXPECT_EQ(OLB_NOITEM, olbGetParentEx(list, a));
    EXPECT_EQ(a1, olbGetNextEx(list, a));
    EXPECT_EQ(b, olbGetNextEx(list, a2));
    EXPECT_EQ(a2, olbGetPreviousEx(list, b));
    EXPECT_EQ(b, olbGetNextVisibleEx(list, a)) << "a is closed";
    EXPECT_EQ(OLB_NOITEM, olbGetNextVisibleEx(list, a1)) << "a hidden item has no next row";
    EXPECT_EQ(b, olbGetPreviousVisibleEx(list, OLB_NOITEM));
    EXPECT_EQ(a2, olbGetChildHandleEx(list, a, 1));
    EXPECT_EQ(a2, olbGetChildHandle(list, 0, 1));
    EXPECT_EQ(OLB_NOITEM, olbGetChildHandle(list, 0, 2));
    EXPECT_EQ(b, olbGetChildHandle(list, -1, 1));
    EXPECT_EQ(2, olbHasChildren(list, 0));
    EXPECT_EQ(0, olbHasChildrenEx(list, b));
    EXPECT_EQ(OLB_ERR, olbQueryParent(list, 0)) << "a top-level item";
    olbOpenItem(list, 0);
    EXPECT_EQ(0, olbQueryParent(list, 2));
    EXPECT_EQ(0, olbQueryParentEx(list, a2));
    EXPECT_EQ(1, olbQueryLevel(list, 1));
    EXPECT_EQ(OLB_ERR, olbQueryLevel(list, 7));
}

TEST_F(OutlineItems, StaleAndMadeUpHandlesGiveMinusOne) {
    const HOLBITEM a = olbAddChildStringEx(list, OLB_NOITEM, "a");
    const HOLBITEM child = olbAddChildStringEx(list, a, "child");
    olbDeleteStringEx(list, a);
    for (HOLBITEM bad : {a, child, HOLBITEM(12345), HOLBITEM(0x7FFFFFFF), OLB_BADITEM}) {
        EXPECT_EQ(OLB_ERR, olbQueryLevelEx(list, bad)) << bad;
        EXPECT_EQ(OLB_ERR, olbGetTextLengthEx(list, bad));
        EXPECT_EQ(OLB_ERR, olbSetItemDataEx(list, bad, 7));
        EXPECT_EQ(OLB_ERR, olbDeleteStringEx(list, bad));
        EXPECT_EQ(OLB_BADITEM, olbGetNextEx(list, bad));
        EXPECT_EQ(OLB_BADITEM, olbAddChildStringEx(list, bad, "x"));
        EXPECT_EQ(OLB_BADITEM, olbMoveItemEx(list, bad, OLB_NOITEM));
        EXPECT_EQ(OLB_ERR, SendMessageA(list, OLBM_QUERYLEVELEX, bad, 0));
    }
    // Items that come later never answer to the old handle.
    for (int i = 0; i < 300; ++i) olbDeleteStringEx(list, olbAddChildStringEx(list, 0, "n"));
    olbAddString(list, "new");
    EXPECT_EQ(OLB_ERR, olbHandleToIndex(list, a));
    EXPECT_EQ(0, olbGetCount(list) - 1);
}

TEST_F(OutlineItems, TextsGoIntoBuffersOfTheirSize) {
    olbAddString(list, "abcdefgh");
    char buffer[8];
    std::memset(buffer, 'Z', sizeof buffer);
    EXPECT_EQ(8, olbGetText(list, 0, buffer, 4)) << "the whole length";
    EXPECT_STREQ("abc", buffer);
    EXPECT_EQ('Z', buffer[4]) << "nothing written past the size";
    EXPECT_EQ(8, olbGetText(list, 0, nullptr, 0)) << "a size of 0 asks for the length";
    EXPECT_EQ(OLB_ERR, olbGetText(list, 0, nullptr, 5));
    char path[6];
    std::memset(path, 'Z', sizeof path);
    OLBTEXTBUFFER request = {path, 3};
    EXPECT_EQ(8, SendMessageA(list, OLBM_GETTEXT, 0, reinterpret_cast<LPARAM>(&request)));
    EXPECT_STREQ("ab", path);
    EXPECT_EQ('Z', path[3]);
    EXPECT_EQ(OLB_ERR, SendMessageA(list, OLBM_GETTEXT, 0, 0));
    EXPECT_EQ(0, olbSetItemText(list, 0, "xyz"));
    EXPECT_EQ(3, olbGetTextLength(list, 0));
    EXPECT_EQ(OLB_ERR, olbSetItemText(list, 0, nullptr));
    EXPECT_EQ(0, olbSetItemData(list, 0, 0xBEEF));
    EXPECT_EQ(0xBEEFu, olbGetItemData(list, 0));
    EXPECT_EQ(0xBEEF, SendMessageA(list, LB_GETITEMDATA, 0, 0));
}

TEST_F(OutlineItems, FullPathsJoinWithoutDoubledSeparators) {
    const HOLBITEM drive = olbAddChildStringEx(list, OLB_NOITEM, "c:\\");
    const HOLBITEM b = olbAddChildStringEx(list, drive, "b");
    const HOLBITEM dir = olbAddChildStringEx(list, OLB_NOITEM, "dir");
    const HOLBITEM x = olbAddChildStringEx(list, dir, "x");
    char path[64];
    EXPECT_EQ(4, olbGetFullPathEx(list, b, path, sizeof path));
    EXPECT_STREQ("c:\\b", path);
    olbGetFullPathEx(list, x, path, sizeof path);
    EXPECT_STREQ("dir\\x", path);
    EXPECT_EQ('\\', olbSetPathSeparator(list, '/'));
    olbGetFullPathEx(list, x, path, sizeof path);
    EXPECT_STREQ("dir/x", path);
    EXPECT_EQ(OLB_ERR, olbSetPathSeparator(list, 0));
    EXPECT_EQ('/', olbGetPathSeparator(list));
    char small[4];
    std::memset(small, 'Z', sizeof small);
    EXPECT_EQ(5, olbGetFullPathEx(list, x, small, 3));
    EXPECT_STREQ("di", small);
    EXPECT_EQ('Z', small[3]);
    EXPECT_EQ(OLB_ERR, olbGetFullPath(list, 9, path, sizeof path));
}

TEST_F(OutlineItems, PrefixAndExactSearchesIgnoreCaseAndWrapRound) {
    for (const char* text : {"About", "ab", "zeta", "ABACUS", "Ab"}) olbAddString(list, text);
    EXPECT_EQ(0, olbFindString(list, -1, "ab")) << "prefix from the first";
    EXPECT_EQ(1, olbFindString(list, 0, "ab"));
    EXPECT_EQ(3, olbFindString(list, 1, "ab")) << "ABACUS matches the prefix ab";
    EXPECT_EQ(0, olbFindString(list, 4, "ab")) << "wraps round to the first";
    EXPECT_EQ(1, SendMessageA(list, OLBM_FINDSTRINGEXACT, 0, reinterpret_cast<LPARAM>("AB")));
    EXPECT_EQ(4, SendMessageA(list, OLBM_FINDSTRINGEXACT, 1, reinterpret_cast<LPARAM>("aB")));
    EXPECT_EQ(OLB_ERR, olbFindString(list, -1, "q"));
    EXPECT_EQ(olbIndexToHandle(list, 1), olbSearchStringEx(list, OLB_NOITEM, "AB"));
    EXPECT_EQ(olbIndexToHandle(list, 0), olbFindStringEx(list, OLB_NOITEM, "ab"));
    EXPECT_EQ(olbIndexToHandle(list, 3),
              olbFindNextSiblingEx(list, olbIndexToHandle(list, 1), "ab"));
    EXPECT_EQ(olbIndexToHandle(list, 1),
              olbFindPreviousVisibleEx(list, olbIndexToHandle(list, 3), "ab"));
    EXPECT_EQ(OLB_BADITEM, olbFindNextEx(list, OLB_NOITEM, "nothing"));
    EXPECT_EQ(3, SendMessageA(list, LB_FINDSTRING, 1, reinterpret_cast<LPARAM>("aba")));
    EXPECT_EQ(2, olbSelectString(list, -1, "Z"));
    EXPECT_EQ(2, olbGetCurSel(list));
}

TEST_F(OutlineItems, MovingAndCopyingRefuseTargetsInsideTheSubtree) {
    const HOLBITEM a = olbAddChildStringEx(list, OLB_NOITEM, "a");
    const HOLBITEM a1 = olbAddChildStringEx(list, a, "a1");
    olbAddChildStringEx(list, a1, "a11");
    const HOLBITEM b = olbAddChildStringEx(list, OLB_NOITEM, "b");
    EXPECT_EQ(OLB_BADITEM, olbMoveItemEx(list, a, a1)) << "under its own descendant";
    EXPECT_EQ(OLB_BADITEM, olbMoveItemEx(list, a, a));
    EXPECT_EQ(OLB_BADITEM, olbCopyItemEx(list, a, a1));
    EXPECT_EQ(OLB_ERR, olbCopyChildrenEx(list, a, a1));
    EXPECT_EQ(OLB_ERR, olbMoveChildrenEx(list, a, a));
    EXPECT_EQ(4, olbGetCount(list)) << "nothing changed";

    const HOLBITEM copy = olbCopyItemEx(list, a, b);
    ASSERT_NE(OLB_BADITEM, copy);
    EXPECT_EQ(7, olbGetCount(list));
    EXPECT_EQ(1, olbQueryLevelEx(list, copy));
    EXPECT_EQ(3, olbQueryLevelEx(list, olbGetNextEx(list, olbGetNextEx(list, copy))));
    EXPECT_EQ(a, olbMoveItemEx(list, a, b));
    EXPECT_EQ(b, olbGetParentEx(list, a));
    EXPECT_EQ(0, olbHandleToIndex(list, b));
    EXPECT_EQ(1, olbGetVisibleCount(list));
    EXPECT_EQ(2, olbMoveChildrenEx(list, b, OLB_NOITEM));
    EXPECT_EQ(3, olbGetVisibleCount(list)) << "the copy and a are top-level rows now";
    EXPECT_EQ(1, olbCopyChildren(list, 1, -1));
    EXPECT_EQ(4, olbGetVisibleCount(list));
}

TEST_F(OutlineItems, DeletionAnnouncesEveryItemDeepestFirst) {
    const HOLBITEM a = olbAddChildStringEx(list, OLB_NOITEM, "a");
    const HOLBITEM a1 = olbAddChildStringEx(list, a, "a1");
    olbSetItemDataEx(list, a1, 11);
    olbAddString(list, "b");
    parent.Clear();
    EXPECT_EQ(1, olbDeleteString(list, 0)) << "the rows left";
    ASSERT_EQ(Seq({"notify -805", "notify -805"}), parent.Sequence());
    EXPECT_EQ(a1, parent.Events()[0].record.item);
    EXPECT_EQ(11u, parent.Events()[0].record.itemData);
    EXPECT_EQ(1, parent.Events()[0].record.level);
    EXPECT_EQ(a, parent.Events()[1].record.item);
    // olbDeleteSubTree keeps the item; olbResetContent empties the list.
    const HOLBITEM c = olbAddChildStringEx(list, OLB_NOITEM, "c");
    olbAddChildStringEx(list, c, "c1");
    olbDeleteSubTreeEx(list, c);
    EXPECT_EQ(0, olbHasChildrenEx(list, c));
    parent.Clear();
    EXPECT_EQ(0, olbResetContent(list));
    EXPECT_EQ(2u, parent.Sequence().size());
    EXPECT_EQ(0, olbGetCount(list));
}

TEST_F(OutlineItems, ParentMayDeleteTheItemOrDestroyTheListWhileHearingOfIt) {
    const HOLBITEM a = olbAddChildStringEx(list, OLB_NOITEM, "a");
    olbAddChildStringEx(list, a, "a1");
    olbAddString(list, "b");
    parent.DeleteItemOn(OLBN_DELETING);  // deletes what it hears of, again
    EXPECT_EQ(1, olbDeleteStringEx(list, a));
    EXPECT_EQ(2, olbGetCount(list) + 1) << "a and a1 are gone, b is left";
    parent.DeleteItemOn(0);
    parent.DestroyListOn(OLBN_DELETING);
    EXPECT_EQ(OLB_ERR, olbResetContent(list)) << "the list went away in the middle";
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(OLB_ERR, olbGetCount(list));
}

// The parent deletes the item it hears of, then enough others for the item's slot to serve
// the next new item, and adds that item: the list must not take the newcomer for the first.
TEST_F(OutlineItems, AnItemDeletedWhileMeasuredOrAnnouncedIsNotMistakenForANewcomer) {
    HWND measured =
        parent.CreateList(OLBS_OWNERDRAWVARIABLE | OLBS_HASSTRINGS | OLBS_NOTIFY, 200, 100);
    for (int i = 0; i < 100; ++i) olbAddString(measured, "old");
    bool reacting = true;
    parent.OnMeasure([&](MEASUREITEMSTRUCT& m) {
        if (!reacting) return;
        reacting = false;
        olbDeleteString(measured, LONG(m.itemID));
        while (olbGetCount(measured) > 0) olbDeleteString(measured, 0);
        olbAddString(measured, "newcomer");
    });
    EXPECT_EQ(OLB_ERR, olbAddString(measured, "measured")) << "the measured item went";
    parent.OnMeasure(nullptr);
    DestroyWindow(measured);

    HWND values = parent.CreateList(OLBS_OWNERDRAWFIXED, 200, 100);
    for (int i = 0; i < 100; ++i) olbAddString(values, reinterpret_cast<LPCSTR>(INT_PTR(i + 1)));
    const HOLBITEM first = olbIndexToHandle(values, 0);
    reacting = true;
    parent.OnNotify([&](NMOUTLINE& record) {
        if (!reacting || int(record.hdr.code) != OLBN_DELETING) return;
        reacting = false;
        olbDeleteStringEx(values, record.item);
        while (olbGetCount(values) > 0) olbDeleteString(values, 0);
        olbAddString(values, reinterpret_cast<LPCSTR>(INT_PTR(0xBEEF)));
    });
    olbDeleteStringEx(values, first);
    parent.OnNotify(nullptr);
    for (const OutlineEvent& e : parent.Events()) {
        if (e.message == WM_DELETEITEM) EXPECT_NE(0xBEEFu, e.data) << "the newcomer is no deletion";
    }
    EXPECT_EQ(1, olbGetCount(values));
    EXPECT_EQ(0xBEEFu, olbGetItemData(values, 0));
    DestroyWindow(values);
}

// Position 0xFFFF means the end even past 65,535 children; LB_INSERTSTRING places by row.
TEST_F(OutlineItems, InsertingAtTheEndStaysAtTheEndPastSixtyFiveThousandChildren) {
    constexpr int kChildren = 0x10000 + 1;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < kChildren; ++i) olbAddString(list, "child");
    const HOLBITEM last = olbInsertStringEx(list, OLB_NOITEM, OLB_ATEND, "last");
    EXPECT_EQ(OLB_NOITEM, olbGetNextSiblingEx(list, last));
    EXPECT_EQ(kChildren, olbHandleToIndex(list, last));
    EXPECT_EQ(0xFFFF, SendMessageA(list, LB_INSERTSTRING, 0xFFFF, LPARAM("at 65535")));
    EXPECT_EQ("at 65535", Text(0xFFFF));
    EXPECT_EQ("child", Text(0x10000));
}

TEST_F(OutlineItems, ListsWithoutStringsKeepValuesAndSendDeleteItem) {
    HWND values = parent.CreateList(OLBS_OWNERDRAWFIXED, 200, 100);
    EXPECT_EQ(0, olbAddString(values, reinterpret_cast<LPCSTR>(0x1234)));
    EXPECT_EQ(1, olbAddString(values, reinterpret_cast<LPCSTR>(0x5678)));
    EXPECT_EQ(0x5678u, olbGetItemData(values, 1));
    EXPECT_EQ(1, olbFindString(values, -1, reinterpret_cast<LPCSTR>(0x5678))) << "by value";
    EXPECT_EQ(0, olbGetTextLength(values, 0)) << "no text";
    EXPECT_EQ(OLB_ERR, olbSetItemText(values, 0, "x"));
    DWORD value = 0;
    EXPECT_EQ(4, SendMessageA(values, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(&value)));
    EXPECT_EQ(0x5678u, value);
    parent.Clear();
    olbDeleteString(values, 0);
    ASSERT_EQ(Seq({"notify -805", "deleteitem"}), parent.Sequence());
    EXPECT_EQ(0u, parent.Events()[1].itemId);
    EXPECT_EQ(0x1234u, parent.Events()[1].data);
    parent.Clear();
    DestroyWindow(values);
    EXPECT_EQ(Seq({"notify -805", "deleteitem"}), parent.Sequence()) << "destruction deletes";
}

TEST_F(OutlineItems, ListBoxMessagesStandInForAListBox) {
    EXPECT_EQ(0, SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one")));
    EXPECT_EQ(1, SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("three")));
    EXPECT_EQ(1, SendMessageA(list, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("two")));
    EXPECT_EQ(Seq({"one", "two", "three"}), Rows());
    EXPECT_EQ(3, SendMessageA(list, LB_GETTEXTLEN, 1, 0));
    char text[16] = "";
    EXPECT_EQ(5, SendMessageA(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text)));
    EXPECT_STREQ("three", text);
    EXPECT_EQ(2, SendMessageA(list, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("THREE")));
    EXPECT_EQ(1, SendMessageA(list, LB_SETCURSEL, 1, 0));
    EXPECT_EQ(1, SendMessageA(list, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(1, SendMessageA(list, LB_GETSEL, 1, 0));
    EXPECT_EQ(2, SendMessageA(list, LB_DELETESTRING, 0, 0));
    EXPECT_EQ(LB_ERR, SendMessageA(list, LB_DELETESTRING, 5, 0));
    EXPECT_EQ(0, SendMessageA(list, LB_GETCURSEL, 0, 0)) << "the selection moved up with its row";
    RECT rect = {};
    EXPECT_EQ(1, SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(olbGetItemHeight(list, -1), rect.bottom - rect.top);
    EXPECT_EQ(rect.top, olbGetItemHeight(list, 0));
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(0, SendMessageA(list, LB_GETCOUNT, 0, 0));
}

TEST_F(OutlineItems, PrivateMessagesReachTheSameOperationsInTheirOrder) {
    EXPECT_EQ(0, SendMessageA(list, 0x52E, 0, reinterpret_cast<LPARAM>("top")));  // add string
    EXPECT_EQ(0, SendMessageA(list, 0x52C, 0, reinterpret_cast<LPARAM>("kid")));  // add child
    const HOLBITEM top = HOLBITEM(SendMessageA(list, 0x555, 0, 0));               // index to handle
    EXPECT_EQ(top, olbIndexToHandle(list, 0));
    EXPECT_EQ(0, SendMessageA(list, 0x554, top, 0));  // handle to index
    OLBINSERT insert = {0, "first"};
    const HOLBITEM first = HOLBITEM(SendMessageA(list, 0x557, top, LPARAM(&insert)));
    EXPECT_EQ(first, olbGetFirstChildEx(list, top));
    EXPECT_EQ(1, SendMessageA(list, 0x55E, 0, 0));              // open item
    EXPECT_EQ(3, SendMessageA(list, 0x553, 0, 0));              // visible count
    EXPECT_EQ(1, SendMessageA(list, 0x530, 0, 0));              // close item
    EXPECT_EQ(2, SendMessageA(list, 0x561, 0, 0));              // has children
    EXPECT_EQ(0, SendMessageA(list, 0x564, top, 0));            // query level Ex
    EXPECT_EQ(0, SendMessageA(list, 0x558, 0, 1));              // lock item (was unlocked)
    EXPECT_EQ(1, SendMessageA(list, 0x565, 0, 0));              // query lock
    EXPECT_EQ(0, SendMessageA(list, 0x56D, 1, 0));              // set auto open (was off)
    EXPECT_EQ(1, SendMessageA(list, 0x560, 0, 0));              // is auto open
    EXPECT_EQ(20, SendMessageA(list, 0x575, 12, 0));            // set indent: the previous
    EXPECT_EQ(0, SendMessageA(list, 0x582, 1, 0));              // show lines: previous off
    EXPECT_EQ(0, SendMessageA(list, 0x583, 1, 0));              // no-hide selection: previous off
    EXPECT_EQ('\\', SendMessageA(list, 0x54B, 0, 0));           // path separator
    EXPECT_EQ(0, SendMessageA(list, 0x573, 0, 0));              // set current selection
    EXPECT_EQ(top, HOLBITEM(SendMessageA(list, 0x543, 0, 0)));  // current selection Ex
    EXPECT_EQ(1, SendMessageA(list, 0x535, 0, 0) + 1) << "delete string leaves no rows";
    EXPECT_EQ(0, SendMessageA(list, 0x541, 0, 0));  // count
}

}  // namespace
}  // namespace tw::test
