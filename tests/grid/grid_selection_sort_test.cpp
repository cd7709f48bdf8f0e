// Selection by message, mouse and keyboard, and three-level sorting, through the real window.
#include <algorithm>
#include <string>

#include "tests/grid/grid_fixture.h"

namespace tw {
namespace test {
namespace {

using GridSelection = GridFixture;
using GridSorting = GridFixture;

std::vector<int> Selected(CGridCtrl& grid) {
    std::vector<int> rows(size_t(grid.GetRowCount()) + 1, -99);
    rows.resize(size_t(grid.GetSelectedRows(rows.data())));
    return rows;
}

TEST_F(GridSelection, MessagesSelectAndWalkTheSelection) {
    SetupTimeTable();
    EXPECT_EQ(grid_.GetFirstSelected(), grid::kNoSelectionEmpty);
    EXPECT_TRUE(grid::IsNoSelection(grid_.GetFirstSelected()));
    for (int k = 0; k < 6; ++k) AppendRow(k, "p");
    EXPECT_EQ(grid_.GetFirstSelected(), grid::kNoSelection);
    EXPECT_EQ(grid_.GetNextSelected(-1), grid::kEndOfSelection);
    grid_.SelectRow(4, true);
    grid_.SelectRow(1, true);
    grid_.SelectRow(2, true);
    grid_.SelectRow(2, false);
    EXPECT_EQ(grid_.GetSelectedCount(), 2);
    EXPECT_EQ(Selected(grid_), (std::vector<int>{1, 4}));
    EXPECT_EQ(grid_.GetFirstSelected(), 1);
    EXPECT_EQ(grid_.GetNextSelected(1), 4);
    EXPECT_EQ(grid_.GetNextSelected(4), grid::kEndOfSelection);
    int two[2] = {-9, -9};
    EXPECT_EQ(grid_.GetSelectedRows(two, 1), 1) << "capacity respected";
    EXPECT_EQ(two[1], -9);
    grid_.SelectAll(true);
    EXPECT_EQ(grid_.GetSelectedCount(), 6);
    grid_.SelectAll(false);
    EXPECT_EQ(grid_.GetSelectedCount(), 0);
    // Deleting a selected row keeps the count right.
    grid_.SelectRow(3, true);
    grid_.SetCurrentCell(0, 3);
    grid_.DeleteRow();
    EXPECT_EQ(grid_.GetSelectedCount(), 0);
    EXPECT_LT(grid_.GetSelectedRows(nullptr), 0);
}

TEST_F(GridSelection, MouseClicksSelectRowsAndReportWhere) {
    SetupTimeTable();
    for (int k = 0; k < 8; ++k) AppendRow(k, "p");
    Click(2, grid::kColProject);
    EXPECT_EQ(Selected(grid_), (std::vector<int>{2}));
    EXPECT_EQ(grid_.GetCurrentRow(), 2);
    EXPECT_EQ(grid_.GetCurrentColumn(), grid::kColProject);
    Click(4, grid::kColNotes, MK_CONTROL);
    EXPECT_EQ(Selected(grid_), (std::vector<int>{2, 4}));
    Click(6, grid::kSelectorColumn, MK_SHIFT);
    EXPECT_EQ(Selected(grid_), (std::vector<int>{4, 5, 6}));
    Click(5, grid::kColNotes, MK_CONTROL);
    EXPECT_EQ(Selected(grid_), (std::vector<int>{4, 6}));

    notifications_.clear();
    Click(grid::kHeaderRow, grid::kSelectorColumn);
    ASSERT_FALSE(notifications_.empty());
    EXPECT_EQ(notifications_.back(),
              (RecordedNotification{grid::kNotifyClick, grid::kHeaderRow, grid::kSelectorColumn}));
    Click(grid::kHeaderRow, grid::kColStartDate);
    EXPECT_EQ(notifications_.back(),
              (RecordedNotification{grid::kNotifyClick, grid::kHeaderRow, grid::kColStartDate}));
    EXPECT_EQ(Selected(grid_), (std::vector<int>{4, 6})) << "header clicks select nothing";

    notifications_.clear();
    Click(1, grid::kSelectorColumn);
    EXPECT_EQ(Codes(), (std::vector<unsigned>{grid::kNotifyCurrentRowChanged,
                                              grid::kNotifySelectionChanged, grid::kNotifyClick}));
    EXPECT_EQ(notifications_.back(),
              (RecordedNotification{grid::kNotifyClick, 1, grid::kSelectorColumn}));
    const POINT p = CellPoint(3, grid::kColProject);
    SendMessageA(hwnd_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(notifications_.back(),
              (RecordedNotification{grid::kNotifyDoubleClick, 3, grid::kColProject}));
}

TEST_F(GridSelection, KeyboardMovesAndSelects) {
    SetupTimeTable();
    for (int k = 0; k < 5; ++k) AppendRow(k, "p");
    grid_.SetCurrentCell(grid::kColProject, 0);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(grid_.GetCurrentRow(), 2);
    EXPECT_EQ(Selected(grid_), (std::vector<int>{2}));
    SendMessageA(hwnd_, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(grid_.GetCurrentColumn(), grid::kColCategory);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(grid_.GetCurrentRow(), 4) << "stops at the last row";
    notifications_.clear();
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(hwnd_, WM_KEYDOWN, 'A', 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(grid_.GetSelectedCount(), 5);
    EXPECT_EQ(Codes(), (std::vector<unsigned>{grid::kNotifySelectionChanged}));

    // Ctrl+Home goes to the first row; Shift+Down extends from there.
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_HOME, 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(grid_.GetCurrentRow(), 0);
    EXPECT_EQ(grid_.GetSelectedCount(), 5) << "Ctrl moves without selecting";
    SendMessageA(hwnd_, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(Selected(grid_), (std::vector<int>{0}));
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_DOWN, 0);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(Selected(grid_), (std::vector<int>{0, 1, 2}));
    SendMessageA(hwnd_, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(grid_.GetCurrentColumn(), grid::kColNotes) << "End: the last visible column";
    SendMessageA(hwnd_, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(grid_.GetCurrentColumn(), grid::kColStartDate) << "the hidden key is skipped";
}

// Rows with a project, a client (case varies) and a start time; keys record the input order.
struct SortRow {
    int key;
    const char* project;
    const char* client;
    int hour;
};

class GridSortingTable : public GridFixture {
protected:
    void Fill(const std::vector<SortRow>& rows) {
        SetupTimeTable();
        for (const SortRow& r : rows) {
            grid::TimeTableRow row = {};
            row.position = r.key;
            grid::SetRowText(row.project, r.project);
            grid::SetRowText(row.client, r.client);
            row.startTime = grid::PackDosTime(r.hour, 0, 0);
            row.startDate = grid::PackDosDate(2024, 1, 1 + r.key % 28);
            grid_.SetCurrentCell(0, grid::kNoRow);
            grid_.InsertRow(&row);
        }
    }
    std::vector<int> Keys() {
        std::vector<int> keys;
        for (int r = 0; r < grid_.GetRowCount(); ++r) keys.push_back(KeyOfRow(r));
        return keys;
    }
    void Level(int level, int col, bool ascending, bool noCase) {
        ASSERT_EQ(grid_.SetSortColumn(col, level), 0);
        ASSERT_EQ(grid_.SetSortAscending(ascending, level), 0);
        ASSERT_EQ(grid_.SetSortNoCase(noCase, level), 0);
    }
};

TEST_F(GridSortingTable, ThreeLevelsCaseAndStability) {
    Fill({{0, "b", "x", 9},
          {1, "a", "Y", 8},
          {2, "b", "X", 7},
          {3, "a", "y", 8},
          {4, "b", "x", 7},
          {5, "A", "z", 6}});
    Level(1, grid::kColProject, true, true);
    EXPECT_EQ(Keys(), (std::vector<int>{1, 3, 5, 0, 2, 4})) << "ignoring case, stable";
    Level(1, grid::kColProject, true, false);
    EXPECT_EQ(Keys(), (std::vector<int>{5, 1, 3, 0, 2, 4})) << "'A' before 'a'";
    Level(1, grid::kColProject, false, true);
    Level(2, grid::kColClient, true, true);
    Level(3, grid::kColStartTime, false, false);
    // b: x(9,0) x(7,4) X(7,2) -> times descending, equal x/X keep input order; then a, A.
    EXPECT_EQ(Keys(), (std::vector<int>{0, 2, 4, 1, 3, 5}));
    // Clearing every level keeps the order; inserted rows then go to the end.
    grid_.ClearSortLevel(3);
    grid_.ClearSortLevel(2);
    grid_.ClearSortLevel(1);
    EXPECT_EQ(Keys(), (std::vector<int>{0, 2, 4, 1, 3, 5}));
}

TEST_F(GridSortingTable, RowsGoToTheirSortedPlace) {
    Fill({{0, "c", "", 1}, {1, "a", "", 1}, {2, "e", "", 1}});
    Level(1, grid::kColProject, true, false);
    grid::TimeTableRow row = {};
    row.position = 3;
    grid::SetRowText(row.project, "d");
    grid_.SetCurrentCell(0, 0);  // insert "before row 0" still sorts
    EXPECT_EQ(grid_.InsertRow(&row), 2);
    EXPECT_EQ(Keys(), (std::vector<int>{1, 0, 3, 2}));
    // Overwriting row 0 ("a") with "f" moves it to the end and returns its new index.
    grid_.SetCurrentCell(0, 0);
    row.position = 1;
    grid::SetRowText(row.project, "f");
    EXPECT_EQ(grid_.OverwriteRow(&row), 3);
    EXPECT_EQ(Keys(), (std::vector<int>{0, 3, 2, 1}));
    EXPECT_EQ(grid_.FindKey(1), 3);
}

TEST_F(GridSortingTable, DatesTimesAndMarksCompareByValue) {
    Fill({{0, "", "", 23}, {1, "", "", 2}, {2, "", "", 12}, {3, "", "", 0}});
    Level(1, grid::kColStartTime, true, false);
    EXPECT_EQ(Keys(), (std::vector<int>{3, 1, 2, 0}));
    Level(1, grid::kColPosition, false, false);
    EXPECT_EQ(Keys(), (std::vector<int>{3, 2, 1, 0}));
}

TEST_F(GridSortingTable, BadLevelsAndColumnsAreRefused) {
    Fill({{0, "b", "", 1}, {1, "a", "", 1}});
    EXPECT_NE(grid_.SetSortColumn(grid::kColProject, 0), 0);
    EXPECT_NE(grid_.SetSortColumn(grid::kColProject, 4), 0);
    EXPECT_NE(grid_.SetSortColumn(40, 1), 0);
    EXPECT_NE(grid_.SetSortAscending(true, 9), 0);
    EXPECT_NE(grid_.SetSortNoCase(true, -1), 0);
    EXPECT_EQ(Keys(), (std::vector<int>{0, 1})) << "nothing was sorted";
}

TEST_F(GridSortingTable, AutoSortColumnSortsOnceWhenSwitchedOn) {
    Fill({{0, "b", "", 1}, {1, "C", "", 1}, {2, "a", "", 1}});
    const unsigned flags = static_cast<unsigned>(grid_.GetColumnFlags(grid::kColProject));
    grid_.SetColumnFlags(grid::kColProject, flags | grid::kFlagAutoSort);
    grid_.SetColumnFlags(grid::kColProject, flags);
    EXPECT_EQ(Keys(), (std::vector<int>{2, 0, 1}));
}

// The rate list's grid: key, name and rate; the name column keeps the rows sorted.
TEST_F(GridSorting, RateListKeepsItsNameColumnSorted) {
    grid_.SetOptions(0x33);
    grid_.SetTabWidth(4);
    ASSERT_EQ(grid_.SetColumnCount(grid::kRateColumnCount), 0);
    grid_.SetColumnType(grid::kRateColPosition, grid::kTypeKey);
    grid_.SetColumnFlags(grid::kRateColPosition, grid::kFlagHidden);
    grid_.SetNullText(grid::kRateColPosition, "-1");
    for (int c = grid::kRateColName; c <= grid::kRateColRate; ++c) {
        grid_.SetColumnType(c, grid::kTypeText);
        grid_.SetMaxLength(c, 64);
    }
    grid_.SetColumnFlags(grid::kRateColName, grid::kFlagEditable | grid::kFlagAutoSort);
    grid_.SetName(grid::kRateColName, "NAME");
    const char* names[] = {"delta", "Alpha", "charlie", "Bravo"};
    for (int i = 0; i < 4; ++i) {
        grid::RateListRow row = {};
        row.position = i + 1;
        grid::SetRowText(row.name, names[i]);
        grid::SetRowText(row.hourlyRate, "10.00");
        grid_.SetCurrentCell(0, grid::kNoRow);
        grid_.InsertRow(&row);
    }
    std::vector<int> keys;
    for (int r = 0; r < 4; ++r) {
        int32_t key = 0;
        ASSERT_EQ(grid_.SetCurrentCellQuiet(grid::kRateColPosition, r), 0);
        grid_.ReadCell(&key);
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<int>{2, 4, 3, 1}));
    EXPECT_EQ(grid_.FindKey(1), 3);
    // A renamed item moves to its place.
    grid_.SetCurrentCell(grid::kRateColName, 3);
    ASSERT_EQ(grid_.OpenEditor(), 0);
    SetWindowTextA(grid_.GetEditorWindow(), "aardvark");
    grid_.CommitEditor();
    EXPECT_EQ(grid_.FindKey(1), 0);
}

}  // namespace
}  // namespace test
}  // namespace tw
