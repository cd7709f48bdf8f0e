// The grid driven the way the time table view drives it: handlers that change the row
// height, the editor's text and caret while the notifications arrive, and the user's
// scrolling, drag selection and column resizing.
#include <string>

#include "tests/grid/grid_fixture.h"

namespace tw {
namespace test {
namespace {

using GridViewProtocol = GridFixture;
using GridUserLayout = GridFixture;

std::string EditorText(CGridCtrl& grid) {
    char text[512] = "";
    GetWindowTextA(grid.GetEditorWindow(), text, sizeof text);
    return text;
}

TEST_F(GridViewProtocol, HandlersReshapeTheEditAsItRuns) {
    SetupTimeTable();
    AppendRow(1, "p", "note");
    AppendRow(2, "p");
    long savedHeight = 0;
    long editorHeight = 0;
    onNotify_ = [&](unsigned code) {
        const long col = grid_.GetNotifyColumn();
        if (code == grid::kNotifyEditBegin && col == grid::kColNotes) {
            savedHeight = grid_.GetRowHeight();
            grid_.SetRowHeight(3 * savedHeight);
        }
        if (code == grid::kNotifyEditorOpened) {
            RECT rect;
            GetWindowRect(grid_.GetEditorWindow(), &rect);
            editorHeight = rect.bottom - rect.top;
            if (col == grid::kColStartTime) {
                SetWindowTextA(grid_.GetEditorWindow(), "12:15");
                grid_.SetEditorCaret(-1);
            }
        }
        if (code == grid::kNotifyEditEnd && col == grid::kColStartTime) {
            const std::string text = EditorText(grid_) + " P";
            SetWindowTextA(grid_.GetEditorWindow(), text.c_str());
        }
        if (code == grid::kNotifyEditEnd && col == grid::kColNotes) {
            grid_.SetCurrentCell(grid::kColNotes, grid_.GetNotifyRow());
            grid_.SetRowHeight(savedHeight);
        }
    };
    grid_.SetCurrentCell(grid::kColNotes, 1);
    ASSERT_EQ(grid_.OpenEditor(), 0);
    EXPECT_GE(editorHeight, 2 * savedHeight) << "the editor fills the taller row";
    EXPECT_TRUE(GetWindowLongA(grid_.GetEditorWindow(), GWL_STYLE) & ES_MULTILINE);
    grid_.CommitEditor();
    grid_.SetCurrentCell(0, 1);
    EXPECT_EQ(grid_.GetRowHeight(), savedHeight);

    grid_.SetCurrentCell(grid::kColStartTime, 0);
    ASSERT_EQ(grid_.OpenEditor(), 0);
    DWORD start = 0, end = 0;
    SendMessageA(grid_.GetEditorWindow(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 5u);
    EXPECT_EQ(end, 5u);
    notifications_.clear();
    grid_.CommitEditor();
    uint16_t packed = 0;
    grid_.SetCurrentCell(grid::kColStartTime, 0);
    grid_.ReadCell(&packed);
    EXPECT_EQ(packed, grid::PackDosTime(12, 15, 0)) << "the text as the handler left it";
    ASSERT_EQ(notifications_.size(), 3u);
    EXPECT_EQ(notifications_[1],
              (RecordedNotification{grid::kNotifyCellChanged, 0, grid::kColStartTime}));
}

TEST_F(GridViewProtocol, AnEditedRowMovesToItsSortedPlaceAndIsReportedThere) {
    SetupTimeTable();
    AppendRow(1, "b");
    AppendRow(2, "d");
    AppendRow(3, "f");
    grid_.SetSortColumn(grid::kColProject, 1);
    grid_.SetCurrentCell(grid::kColProject, 0);
    ASSERT_EQ(grid_.OpenEditor(), 0);
    SetWindowTextA(grid_.GetEditorWindow(), "e");
    notifications_.clear();
    grid_.CommitEditor();
    EXPECT_EQ(notifications_[1],
              (RecordedNotification{grid::kNotifyCellChanged, 1, grid::kColProject}));
    EXPECT_EQ(KeyOfRow(1), 1);
}

TEST_F(GridUserLayout, ScrollBarsWheelAndKeysMoveTheView) {
    SetupTimeTable();
    for (int k = 0; k < 300; ++k) AppendRow(k, "p");
    const long visible = grid_.GetVisibleRows();
    SendMessageA(hwnd_, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(grid_.GetViewValue(grid::kViewTopRow), visible - 1);
    SendMessageA(hwnd_, WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(grid_.GetViewValue(grid::kViewTopRow), visible - 2);
    SendMessageA(hwnd_, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(grid_.GetViewValue(grid::kViewTopRow), 300 - visible);
    SendMessageA(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_LT(grid_.GetViewValue(grid::kViewTopRow), 300 - visible);
    grid_.SetViewValue(grid::kViewTopRow, 0);
    grid_.SetCurrentCell(grid::kColProject, 0);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(grid_.GetCurrentRow(), visible - 1);
    EXPECT_EQ(grid_.GetViewValue(grid::kViewTopRow), 0) << "the page is still in view";
    SendMessageA(hwnd_, WM_KEYDOWN, VK_NEXT, 0);
    const long top = grid_.GetViewValue(grid::kViewTopRow);
    EXPECT_GT(top, 0);
    EXPECT_LE(top, grid_.GetCurrentRow());
    EXPECT_GT(top + visible, grid_.GetCurrentRow());
}

TEST_F(GridUserLayout, DraggingSelectsRowsAndResizesColumns) {
    SetupTimeTable();
    for (int k = 0; k < 10; ++k) AppendRow(k, "p");
    POINT from = CellPoint(2, grid::kColProject), to = CellPoint(5, grid::kColProject);
    SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    SendMessageA(hwnd_, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_EQ(grid_.GetSelectedCount(), 4);
    EXPECT_EQ(grid_.GetFirstSelected(), 2);

    // The divider at the right edge of Start Date (first visible column, 10 + 60).
    const int y = grid_.GetHeaderHeight() / 2;
    SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, y));
    SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, y));
    SendMessageA(hwnd_, WM_LBUTTONUP, 0, MAKELPARAM(120, y));
    EXPECT_EQ(grid_.GetColumnWidth(grid::kColStartDate), 110);
    EXPECT_EQ(grid_.GetColumnWidth(grid::kColStartTime), 60);
    EXPECT_EQ(grid_.GetSelectedCount(), 4) << "resizing leaves the selection alone";
}

}  // namespace
}  // namespace test
}  // namespace tw
