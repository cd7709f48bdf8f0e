// The outline list's painting read back from pixels: lines, the built-in pictures by state,
// the open/close boxes, text colours of locked and selected items, the background and the
// parent's brush, owner drawing and measuring, and settings that must change nothing.

#include <gtest/gtest.h>

#include <vector>

#include "outline_harness.h"

namespace tw::test {
namespace {

constexpr int kRowHeight = 18;
constexpr int kIndent = 20;
constexpr COLORREF kLine = RGB(0, 0, 160);
constexpr COLORREF kText = RGB(0, 0, 200);
constexpr COLORREF kLockedText = RGB(0, 150, 0);
constexpr COLORREF kSelectedText = RGB(200, 0, 0);

class OutlinePaint : public ::testing::Test {
protected:
    OutlineParent parent;
    HWND list = nullptr;

    void Make(DWORD style = 0) {
        list = parent.CreateList(style, 200, 120);
        olbSetColor(list, OLB_COLOR_BACKGROUND, kWhite, FALSE);
        olbSetColor(list, OLB_COLOR_LINES, kLine, FALSE);
        olbSetColor(list, OLB_COLOR_TEXT, kText, FALSE);
        olbSetColor(list, OLB_COLOR_LOCKEDTEXT, kLockedText, FALSE);
        olbSetColor(list, OLB_COLOR_SELECTEDTEXT, kSelectedText, FALSE);
    }
    int CountInRow(int row, COLORREF color) {
        Snapshot shot(list);
        return shot.Count({0, row * kRowHeight, 200, (row + 1) * kRowHeight}, color);
    }
};

TEST_F(OutlinePaint, OneTopLevelItemDrawsOnlyItsConnector) {
    Make();
    olbAddString(list, "only");
    olbEnableBitmaps(list, TRUE);  // the text then starts right of the picture
    EXPECT_EQ(0, olbShowLines(list, TRUE));
    Snapshot shot(list);
    const int x0 = 7, mid = (kRowHeight - 1) / 2;
    for (int x = x0; x <= x0 + kIndent - 6; ++x) EXPECT_EQ(kLine, shot.At(x, mid)) << x;
    EXPECT_NE(kLine, shot.At(x0 - 1, mid));
    int vertical = 0;
    for (int y = 0; y < kRowHeight; ++y) vertical += y != mid && shot.At(x0, y) == kLine;
    EXPECT_EQ(0, vertical) << "no vertical line for a lone top-level item";
    // The look of earlier Windows: the same line, every other pixel.
    EXPECT_EQ(0, olbSetCompatibilityMode(list, TRUE));
    Snapshot dotted(list);
    for (int x = x0; x <= x0 + kIndent - 6; ++x)
        EXPECT_EQ((x + mid) % 2 == 0, dotted.At(x, mid) == kLine) << x;
}

TEST_F(OutlinePaint, LinesOfSiblingsAndChildren) {
    Make();
    olbShowLines(list, TRUE);
    const HOLBITEM a = olbAddChildStringEx(list, OLB_NOITEM, "a");
    olbAddChildStringEx(list, a, "a1");
    olbAddChildStringEx(list, a, "a2");
    olbAddString(list, "b");
    olbOpenItem(list, 0);  // rows: a, a1, a2, b
    Snapshot shot(list);
    const int x0 = 7, x1 = 7 + kIndent, mid = (kRowHeight - 1) / 2;
    // Row 0, the first top-level item with a next sibling: from mid down.
    EXPECT_NE(kLine, shot.At(x0, 2));
    EXPECT_EQ(kLine, shot.At(x0, kRowHeight - 1));
    // Row 1 (a1): a's column passes through; its own column from the top to the bottom.
    EXPECT_EQ(kLine, shot.At(x0, kRowHeight + 2));
    EXPECT_EQ(kLine, shot.At(x1, kRowHeight + 1));
    EXPECT_EQ(kLine, shot.At(x1, 2 * kRowHeight - 1));
    // Row 2 (a2, the last child): its column stops at mid.
    EXPECT_EQ(kLine, shot.At(x1, 2 * kRowHeight + 1));
    EXPECT_NE(kLine, shot.At(x1, 2 * kRowHeight + mid + 2));
    // Row 3 (b, the last top-level item): from the top to mid.
    EXPECT_EQ(kLine, shot.At(x0, 3 * kRowHeight + 1));
    EXPECT_NE(kLine, shot.At(x0, 3 * kRowHeight + mid + 2));
}

TEST_F(OutlinePaint, DirectoryPictureShowsItsStateCell) {
    Make();
    olbEnableBitmaps(list, TRUE);
    olbAddString(list, "dir");
    EXPECT_EQ(0, olbSetBitmapIndex(list, 0, OLB_DIRECTORYIMAGE));
    EXPECT_EQ(0, ShownCell(list, 0, 0)) << "no children: cell 0 of image 0";
    olbAddChildString(list, 0, "inside");
    EXPECT_EQ(2, ShownCell(list, 0, 0)) << "closed with children";
    olbOpenItem(list, 0);
    EXPECT_EQ(1, ShownCell(list, 0, 0)) << "open";
    EXPECT_EQ(0, ShownCell(list, 1, kIndent)) << "the child: the control's image 0, one indent in";
    // The item's own image, the level's image and their precedence.
    EXPECT_EQ(0, olbSetBitmapIndex(list, 1, 8));
    EXPECT_EQ(3 * 8, ShownCell(list, 1, kIndent));
    EXPECT_EQ(0, olbSetLevelIndex(list, 0, 4));
    EXPECT_EQ(3 * 0 + 1, ShownCell(list, 0, 0)) << "the item's own index wins over the level's";
    EXPECT_EQ(0, olbSetBitmapIndex(list, -1, 9));
    olbAddString(list, "plain");
    EXPECT_EQ(3 * 4, ShownCell(list, 2, 0)) << "the level's image wins over the control's";
    EXPECT_EQ(OLB_ERR, olbSetLevelIndex(list, 20, 5)) << "level 20 is ignored";
    EXPECT_EQ(OLB_ERR, olbSetLevelIndex(list, -1, 5));
    EXPECT_EQ(3 * 4, ShownCell(list, 2, 0));
    EXPECT_EQ(0, olbSetLevelIndex(list, 0, OLB_NOLEVELIMAGE));
    EXPECT_EQ(3 * 9, ShownCell(list, 2, 0));
    // Past the strip: nothing drawn, the band stays empty.
    EXPECT_EQ(0, olbSetBitmapIndex(list, 2, 0x7FFF));
    EXPECT_EQ(-1, ShownCell(list, 2, 0));
    Snapshot shot(list);
    EXPECT_EQ(18 * 16, shot.Count({0, 2 * kRowHeight, 18, 2 * kRowHeight + 16}, kWhite));
}

TEST_F(OutlinePaint, OwnBitmapsAndStateCells) {
    Make();
    olbEnableBitmaps(list, TRUE);
    olbAddString(list, "own");
    // A 30 x 10 bitmap of three 10-pixel cells: red, green, blue; its bottom-left is red (key).
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 30, 10);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF cells[3] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    for (int c = 0; c < 3; ++c) {
        HBRUSH brush = CreateSolidBrush(cells[c]);
        RECT rect = {c * 10, 0, c * 10 + 10, 10};
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_EQ(0, olbSetBitmaps(list, 0, bitmap));
    EXPECT_EQ(0, olbUseStateBitmaps(list, TRUE));
    olbAddChildString(list, 0, "child");  // closed with children: the third cell
    Snapshot closed(list);
    const int y = (kRowHeight - 10) / 2 - 1 + 2;
    EXPECT_EQ(RGB(0, 0, 255), closed.At(3, y));
    EXPECT_EQ(kWhite, closed.At(12, y)) << "the band right of the 10-pixel cell";
    olbUseStateBitmaps(list, FALSE);
    Snapshot whole(list);
    EXPECT_EQ(kWhite, whole.At(3, y)) << "the red key colour is transparent";
    EXPECT_EQ(RGB(0, 255, 0), whole.At(13, y));
    DeleteObject(bitmap);
}

TEST_F(OutlinePaint, MicroBitmapsDrawOpenCloseBoxes) {
    Make();
    olbAddString(list, "parent");
    olbAddChildString(list, 0, "child");
    EXPECT_EQ(0, olbEnableMicroBitmaps(list, TRUE));
    const int boxX = 2, boxY = (kRowHeight - 11) / 2;
    Snapshot closed(list);
    EXPECT_EQ(CellAsPainted(214, 0, 11, 11), Painted(closed, boxX, boxY, 11, 11));
    olbOpenItem(list, 0);
    Snapshot open(list);
    EXPECT_EQ(CellAsPainted(214, 11, 11, 11), Painted(open, boxX, boxY, 11, 11));
    EXPECT_EQ(11 * 11,
              open.Count({boxX, kRowHeight + boxY, boxX + 11, kRowHeight + boxY + 11}, kWhite))
        << "no box for an item without children";
}

TEST_F(OutlinePaint, LockedItemColourWithAndWithoutFocusAndNoHideSelection) {
    Make();
    olbAddString(list, "locked");
    olbAddString(list, "plain");
    olbLockItem(list, 0, TRUE);
    SetFocus(parent.Handle());
    EXPECT_GT(CountInRow(0, kLockedText), 0);
    EXPECT_EQ(0, CountInRow(0, kText));
    EXPECT_GT(CountInRow(1, kText), 0);
    olbSetCurSel(list, 0);
    EXPECT_GT(CountInRow(0, kLockedText), 0) << "selected without the focus: still colour 9";
    EXPECT_EQ(0, CountInRow(0, kSelectedText));
    EXPECT_EQ(0, olbSetNoHideSel(list, TRUE));
    EXPECT_GT(CountInRow(0, kSelectedText), 0);
    EXPECT_GT(CountInRow(0, GetSysColor(COLOR_HIGHLIGHT)), 0) << "the selection's band";
    olbSetNoHideSel(list, FALSE);
    SetFocus(list);
    EXPECT_GT(CountInRow(0, kSelectedText), 0) << "with the focus";
    EXPECT_EQ(0, CountInRow(0, kLockedText));
}

TEST_F(OutlinePaint, BackgroundColourIndexesAndTheParentsBrush) {
    Make();
    olbAddString(list, "x");
    {
        Snapshot shot(list);
        EXPECT_EQ(kWhite, shot.At(150, 100)) << "below the rows";
    }
    EXPECT_EQ(1, olbSetColor(list, OLB_COLOR_BACKGROUND, RGB(1, 2, 3), TRUE));
    EXPECT_EQ(0, olbSetColor(list, 5, RGB(9, 9, 9), TRUE)) << "index 5 names no colour";
    {
        Snapshot shot(list);
        EXPECT_EQ(RGB(1, 2, 3), shot.At(150, 100));
    }
    EXPECT_EQ(1, olbSetColor(list, OLB_COLOR_BACKGROUND, TARN_SYSCOLOR(COLOR_WINDOW), TRUE));
    {
        Snapshot shot(list);
        EXPECT_EQ(GetSysColor(COLOR_WINDOW), shot.At(150, 100)) << "a system colour value";
    }
    HBRUSH brush = CreateSolidBrush(RGB(10, 200, 30));
    parent.ColorListWith(brush);
    olbSetFlags(list, 0xFFFF, OLBO_PARENTBRUSH);
    {
        Snapshot shot(list);
        EXPECT_EQ(RGB(10, 200, 30), shot.At(150, 100));
    }
    parent.ColorListWith(nullptr);
    EXPECT_EQ(OLBO_PARENTBRUSH, olbSetFlags(list, 0, OLBO_PARENTBRUSH));
    DeleteObject(brush);
    // A parent that destroys the list when asked for its brush: nothing more is painted.
    parent.OnBrushRequest([](HWND asking) { DestroyWindow(asking); });
    Snapshot shot(list);
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(0, shot.Count({0, 0, 200, 120}, kWhite)) << "no background after the destruction";
    parent.OnBrushRequest(nullptr);
}

TEST_F(OutlinePaint, OwnerDrawListsAskTheParent) {
    parent.MeasureAs(25);
    list = parent.CreateList(OLBS_OWNERDRAWFIXED | OLBS_HASSTRINGS, 200, 120);
    EXPECT_EQ(25, olbGetItemHeight(list, -1)) << "measured at creation";
    olbAddString(list, "alpha");
    olbAddString(list, "beta");
    olbSetCurSel(list, 1);
    parent.Clear();
    { Snapshot shot(list); }
    std::vector<OutlineEvent> draws;
    for (const OutlineEvent& e : parent.Events())
        if (e.message == WM_DRAWITEM) draws.push_back(e);
    ASSERT_EQ(2u, draws.size());
    EXPECT_EQ(0u, draws[0].itemId);
    EXPECT_EQ("alpha", draws[0].text);
    EXPECT_EQ(UINT(ODS_SELECTED | ODS_FOCUS), draws[1].state);

    HWND variable = parent.CreateList(OLBS_OWNERDRAWVARIABLE | OLBS_HASSTRINGS, 200, 120);
    parent.MeasureAs(30);
    olbAddString(variable, "tall");
    parent.MeasureAs(12);
    olbAddString(variable, "short");
    EXPECT_EQ(30, olbGetItemHeight(variable, 0));
    EXPECT_EQ(12, olbGetItemHeight(variable, 1));
    RECT rect = {};
    olbGetItemRect(variable, 1, &rect);
    EXPECT_EQ(30, rect.top);
    EXPECT_EQ(42, rect.bottom);
    EXPECT_EQ(1, olbGetItemAtPoint(variable, 5, 35));
}

TEST_F(OutlinePaint, AbsurdSettingsAreRefusedAndPaintingStillWorks) {
    Make(OLBS_USETABSTOPS);
    olbAddString(list, "a\tb\tc");
    const LONG zero[1] = {0};
    EXPECT_EQ(0, olbSetTabStops(list, 1, zero));
    EXPECT_EQ(OLB_ERR, olbSetTabStops(list, 2, nullptr));
    EXPECT_EQ(OLB_ERR, olbSetTabStops(list, 1 << 20, zero)) << "a count past any real table";
    EXPECT_EQ(OLB_ERR, olbSetItemHeight(list, -1, 0)) << "a zero row height";
    EXPECT_EQ(OLB_ERR, olbSetIndent(list, -5));
    EXPECT_EQ(20, olbSetIndent(list, 0));
    EXPECT_EQ(OLB_ERR, olbSetColumnWidth(list, 0));
    EXPECT_EQ(0, olbSetBitmapIndex(list, 0, 0x7FFF));
    olbEnableBitmaps(list, TRUE);
    olbShowLines(list, TRUE);
    Snapshot shot(list);
    EXPECT_GT(shot.Count({0, 0, 200, kRowHeight}, kText), 0) << "the text is drawn";
    EXPECT_EQ(OLB_ERR, olbPaintBitmap(list, nullptr, olbIndexToHandle(list, 0), nullptr));
    EXPECT_EQ(OLB_ERR, olbPaintLines(list, GetDC(list), 12345, nullptr));
}

}  // namespace
}  // namespace tw::test
