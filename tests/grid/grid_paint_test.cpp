// What the grid draws, read back from a bitmap it painted into (WM_PRINTCLIENT): header,
// selected rows, grid lines, hidden columns and rows beyond the window.
#include "tests/grid/grid_fixture.h"

namespace tw {
namespace test {
namespace {

class GridPaint : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        RECT client;
        GetClientRect(hwnd_, &client);
        width_ = client.right;
        height_ = client.bottom;
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width_, height_);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
    }
    void TearDown() override {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        GridFixture::TearDown();
    }
    void Paint() { SendMessageA(hwnd_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT); }
    COLORREF At(int x, int y) { return GetPixel(dc_, x, y); }
    // A background pixel of a cell, clear of its text (the far right of the cell, mid-height).
    COLORREF CellBackground(int row, int col) {
        const POINT p = CellPoint(row, col);
        return At(p.x + 27, p.y - grid_.GetDefaultRowHeight() / 2 + 2);
    }

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    int width_ = 0, height_ = 0;
};

TEST_F(GridPaint, SelectionHeaderAndEmptyAreaHaveTheirColours) {
    SetupTimeTable();
    for (int k = 0; k < 4; ++k) AppendRow(k, "p");
    grid_.SelectRow(2, true);
    Paint();
    EXPECT_EQ(CellBackground(2, grid::kColProject), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_NE(CellBackground(1, grid::kColProject), GetSysColor(COLOR_HIGHLIGHT));
    const POINT header = CellPoint(grid::kHeaderRow, grid::kColClient);
    EXPECT_EQ(At(header.x + 25, 3), GetSysColor(COLOR_BTNFACE));
    // Below the last row the window is empty.
    const POINT below = CellPoint(10, grid::kColProject);
    EXPECT_EQ(At(below.x, below.y), GetSysColor(COLOR_WINDOW));
    grid_.SelectAll(false);
    Paint();
    EXPECT_NE(CellBackground(2, grid::kColProject), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(GridPaint, HiddenColumnsAndHiddenLinesAreNotDrawn) {
    SetupTimeTable();
    AppendRow(1, "p");
    AppendRow(2, "p");
    const POINT p = CellPoint(1, grid::kColStartTime);
    const int lineX = p.x + 29;  // right edge of the 60-pixel column
    Paint();
    const COLORREF line = At(lineX, p.y);
    EXPECT_NE(line, CellBackground(1, grid::kColStartTime)) << "a vertical grid line";
    grid_.SetSetting(grid::kSettingHiddenLines, grid::kHideVerticalLines);
    Paint();
    EXPECT_EQ(At(lineX, p.y), CellBackground(1, grid::kColStartTime));
    // Hiding Start Date moves Start Time into its place.
    grid_.SetSetting(grid::kSettingHiddenLines, 0);
    const unsigned flags = static_cast<unsigned>(grid_.GetColumnFlags(grid::kColStartDate));
    grid_.SetColumnFlags(grid::kColStartDate, flags | grid::kFlagHidden);
    Paint();
    EXPECT_EQ(At(lineX - 60, p.y), line);
}

TEST_F(GridPaint, ManyRowsPaintOnlyWhatIsVisible) {
    SetupTimeTable();
    for (int k = 0; k < 2000; ++k) AppendRow(k, "p");
    grid_.SelectRow(1999, true);
    grid_.EnsureRowVisible(1999);
    Paint();
    const long top = grid_.GetViewValue(grid::kViewTopRow);
    EXPECT_GT(top, 1900);
    EXPECT_EQ(CellBackground(1999, grid::kColNotes), GetSysColor(COLOR_HIGHLIGHT));
}

}  // namespace
}  // namespace test
}  // namespace tw
