// The grid's columns, rows, cells, saved state and bad input, through the real window.
#include <cstring>
#include <vector>

#include "tests/grid/grid_fixture.h"

namespace tw {
namespace test {
namespace {

using GridSetup = GridFixture;
using GridRows = GridFixture;

TEST_F(GridSetup, LoadingTheLibraryRegistersAGlobalClass) {
    WNDCLASSA wc;
    EXPECT_TRUE(GetClassInfoA(GetModuleHandleA("dtbl32.dll"), grid::kClassName, &wc));
    EXPECT_TRUE(wc.style & CS_GLOBALCLASS);
}

TEST_F(GridSetup, ColumnsKeepTheirAttributesAndAreFoundByName) {
    SetupTimeTable();
    EXPECT_EQ(grid_.GetColumnCount(), 15);
    EXPECT_EQ(grid_.GetStyle(), 0x50B122F8);
    EXPECT_EQ(grid_.GetColumnFlags(0), grid::kFlagHidden);
    EXPECT_EQ(grid_.GetColumnFlags(grid::kColCharge), 0x180);
    EXPECT_EQ(grid_.FindColumn("NOTES"), grid::kColNotes);
    EXPECT_EQ(grid_.FindColumn("START_TIME"), grid::kColStartTime);
    EXPECT_EQ(grid_.FindColumn("NO_SUCH"), -1);
    EXPECT_LT(grid_.FindColumn(nullptr), 0);
    char buffer[256];
    EXPECT_EQ(grid_.GetName(grid::kColProject, buffer), 0);
    EXPECT_STREQ(buffer, "PROJECT");
    EXPECT_EQ(grid_.GetTitle(grid::kColPausedTime, buffer), 0);
    EXPECT_STREQ(buffer, "Paused  Time");
    grid_.SetTitle(grid::kColMark, "");
    EXPECT_NE(grid_.GetTitle(grid::kColMark, buffer), 0) << "no title given";
    // Indices that do not exist.
    EXPECT_LT(grid_.GetColumnFlags(15), 0);
    EXPECT_LT(grid_.GetColumnFlags(-1), 0);
    EXPECT_LT(grid_.SetColumnType(20, grid::kTypeText), 0);
    EXPECT_LT(grid_.SetColumnType(1, 0x99), 0) << "unknown type";
    EXPECT_LT(grid_.GetName(3, nullptr), 0);
    EXPECT_LT(grid_.SetColumnCount(-4), 0);
}

TEST_F(GridSetup, SavedStateRoundTrips) {
    SetupTimeTable();
    MoveWindow(hwnd_, 0, 0, 400, 300, FALSE);  // narrower than the columns
    for (int k = 0; k < 40; ++k) AppendRow(k, "p");
    ASSERT_EQ(grid_.SetDefaultRowHeight(23), 0);
    ASSERT_EQ(grid_.SetHeaderHeight(31), 0);
    ASSERT_EQ(grid_.SetViewValue(grid::kViewCurrentRow, 17), 0);
    ASSERT_EQ(grid_.SetViewValue(grid::kViewScrollX, 40), 0);
    EXPECT_EQ(grid_.GetSetting(grid::kSettingHiddenLines), 0) << "a new grid shows its lines";
    EXPECT_EQ(grid_.GetSetting(grid::kSettingPlainSelectors), 0);
    ASSERT_EQ(grid_.SetSetting(grid::kSettingHiddenLines, grid::kHideVerticalLines), 0);
    ASSERT_EQ(grid_.SetSetting(grid::kSettingPlainSelectors, 1), 0);
    EXPECT_EQ(grid_.GetDefaultRowHeight(), 23);
    EXPECT_EQ(grid_.GetHeaderHeight(), 31);
    EXPECT_EQ(grid_.GetViewValue(grid::kViewCurrentRow), 17);
    EXPECT_EQ(grid_.GetCurrentRow(), 17);
    EXPECT_EQ(grid_.GetViewValue(grid::kViewScrollX), 40);
    EXPECT_EQ(grid_.GetSetting(grid::kSettingHiddenLines), grid::kHideVerticalLines);
    EXPECT_EQ(grid_.GetSetting(grid::kSettingPlainSelectors), 1);
    EXPECT_LT(grid_.GetSetting(9), 0);
    // Absurd heights are refused and the old ones stay.
    EXPECT_LT(grid_.SetDefaultRowHeight(0xFFFF), 0);
    EXPECT_EQ(grid_.GetDefaultRowHeight(), 23);
    EXPECT_LT(grid_.SetViewValue(grid::kViewCurrentRow, 400), 0);
}

TEST_F(GridSetup, RowsComeIntoViewWithThePlacementSetting) {
    SetupTimeTable();
    for (int k = 0; k < 200; ++k) AppendRow(k, "p");
    const long visible = grid_.GetVisibleRows();
    ASSERT_GT(visible, 1);
    ASSERT_LT(visible, 200);
    EXPECT_EQ(grid_.EnsureRowVisible(150), 0);
    const long top = grid_.GetViewValue(grid::kViewTopRow);
    EXPECT_LE(top, 150);
    EXPECT_GT(top + visible, 150);
    grid_.SetSetting(grid::kSettingPlacement, grid::kPlaceTop);
    EXPECT_EQ(grid_.EnsureRowVisible(60), 0);
    EXPECT_EQ(grid_.GetViewValue(grid::kViewTopRow), 60);
    EXPECT_LT(grid_.EnsureRowVisible(500), 0);
}

TEST_F(GridRows, InsertOverwriteDeleteAndReadEachType) {
    SetupTimeTable();
    EXPECT_EQ(grid_.GetRowCount(), 0);
    EXPECT_EQ(AppendRow(10, "Alpha", "first", 1), 0);
    EXPECT_EQ(AppendRow(11, "Beta"), 1);
    // Insert before the current row.
    grid_.SetCurrentCell(0, 1);
    grid::TimeTableRow row = {};
    row.position = 12;
    grid::SetRowText(row.project, "Gamma");
    EXPECT_EQ(grid_.InsertRow(&row), 1);
    EXPECT_EQ(grid_.GetRowCount(), 3);
    EXPECT_EQ(KeyOfRow(0), 10);
    EXPECT_EQ(KeyOfRow(1), 12);
    EXPECT_EQ(KeyOfRow(2), 11);

    uint16_t packed = 0;
    grid_.SetCurrentCell(grid::kColStartDate, 0);
    EXPECT_EQ(grid_.ReadCell(&packed), 0);
    EXPECT_EQ(packed, grid::PackDosDate(2024, 3, 5));
    grid_.SetCurrentCell(grid::kColStopTime, 0);
    EXPECT_EQ(grid_.ReadCell(&packed), 0);
    EXPECT_EQ(packed, grid::PackDosTime(9, 30, 0));
    int32_t mark = -1;
    grid_.SetCurrentCell(grid::kColMark, 0);
    EXPECT_EQ(grid_.ReadCell(&mark), 0);
    EXPECT_EQ(mark, 1);
    EXPECT_EQ(TextCell(0, grid::kColNotes), "first");
    EXPECT_EQ(TextCell(2, grid::kColProject), "Beta");

    // Overwrite the current row; delete one.
    grid_.SetCurrentCell(0, 2);
    grid::SetRowText(row.project, "Delta");
    row.position = 13;
    EXPECT_EQ(grid_.OverwriteRow(&row), 2);
    EXPECT_EQ(TextCell(2, grid::kColProject), "Delta");
    grid_.SetCurrentCell(0, 1);
    EXPECT_EQ(grid_.DeleteRow(), 0);
    EXPECT_EQ(grid_.GetRowCount(), 2);
    EXPECT_EQ(KeyOfRow(1), 13);
    EXPECT_EQ(grid_.FindKey(13), 1);
    EXPECT_EQ(grid_.FindKey(12), -1);
    EXPECT_EQ(grid_.ClearRows(), 0);
    EXPECT_EQ(grid_.GetRowCount(), 0);
}

TEST_F(GridRows, CurrentCellNoneAndBadIndices) {
    SetupTimeTable();
    AppendRow(1, "a");
    EXPECT_EQ(grid_.SetCurrentCell(3, 0), 0);
    EXPECT_EQ(grid_.GetCurrentRow(), 0);
    EXPECT_EQ(grid_.GetCurrentColumn(), 3);
    EXPECT_EQ(grid_.SetCurrentCell(0, grid::kNoRow), 0);
    EXPECT_EQ(grid_.GetCurrentRow(), grid::kNoCurrentRow);
    char buffer[16];
    EXPECT_LT(grid_.ReadCell(buffer, sizeof buffer), 0) << "no current cell";
    EXPECT_LT(grid_.DeleteRow(), 0);
    grid::TimeTableRow row = {};
    EXPECT_LT(grid_.OverwriteRow(&row), 0) << "no current row to overwrite";
    EXPECT_LT(grid_.SetCurrentCell(0, 1), 0);
    EXPECT_LT(grid_.SetCurrentCell(0, -7), 0);
    EXPECT_LT(grid_.SetCurrentCell(15, 0), 0);
    EXPECT_LT(grid_.InsertRow(nullptr), 0);
    grid_.SetCurrentCell(0, 0);
    EXPECT_LT(grid_.OverwriteRow(nullptr), 0);
    EXPECT_LT(grid_.ReadCell(nullptr), 0);
    int16_t small = 0;
    grid_.SetCurrentCell(0, 0);
    EXPECT_LT(grid_.ReadCell(&small, sizeof small), 0) << "a key does not fit in 2 bytes";
    EXPECT_LT(grid_.SelectRow(5, true), 0);
    EXPECT_LT(grid_.RedrawRow(9), 0);
}

TEST_F(GridRows, TextsAreCutToTheirFieldAndToTheBuffer) {
    SetupTimeTable();
    grid::TimeTableRow row = {};
    std::memset(row.project, 'p', sizeof row.project);  // no terminator at all
    std::memset(row.notes, 'n', sizeof row.notes);
    grid_.SetCurrentCell(0, grid::kNoRow);
    ASSERT_EQ(grid_.InsertRow(&row), 0);
    EXPECT_EQ(TextCell(0, grid::kColProject), std::string(63, 'p'));
    EXPECT_EQ(TextCell(0, grid::kColNotes), std::string(255, 'n'));
    char shortBuffer[8];
    std::memset(shortBuffer, 'x', sizeof shortBuffer);
    grid_.SetCurrentCell(grid::kColNotes, 0);
    EXPECT_EQ(grid_.ReadCell(shortBuffer, sizeof shortBuffer), 0);
    EXPECT_STREQ(shortBuffer, "nnnnnnn");
}

TEST_F(GridRows, RowFontAndHeightBelongToTheirRow) {
    SetupTimeTable();
    AppendRow(1, "a");
    AppendRow(2, "b");
    grid_.SetCurrentCell(0, 1);
    const long normal = grid_.GetRowHeight();
    EXPECT_EQ(grid_.SetRowHeight(3 * normal), 0);
    EXPECT_EQ(grid_.GetRowHeight(), 3 * normal);
    grid_.SetCurrentCell(0, 0);
    EXPECT_EQ(grid_.GetRowHeight(), normal);
    LOGFONTA font = {};
    font.lfHeight = -11;
    font.lfWeight = FW_BOLD;
    std::strcpy(font.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(grid_.SetRowFont(font), 0);
    EXPECT_EQ(grid_.ResetRowFont(), 0);
    grid_.SetCurrentCell(0, grid::kNoRow);
    EXPECT_LT(grid_.SetRowFont(font), 0);
}

TEST_F(GridRows, RowsThatDoNotFitInMemoryFailTheInsert) {
    // 1,024 text columns of 64 KB: one row record takes 64 MB.
    ASSERT_EQ(grid_.SetColumnCount(1024), 0);
    for (int c = 0; c < 1024; ++c) ASSERT_EQ(grid_.SetMaxLength(c, 65536), 0);
    grid_.SetGrowStep(64);
    std::vector<char> record(size_t(64) << 20, 'r');
    long result = 0;
    int inserted = 0;
    for (; inserted < 64 && result >= 0; ++inserted) {
        grid_.SetCurrentCell(0, grid::kNoRow);
        result = grid_.InsertRow(record.data());
    }
    EXPECT_LT(result, 0) << "a 32-bit process cannot hold 64 rows of 64 MB";
    EXPECT_EQ(grid_.GetRowCount(), inserted - 1);
    EXPECT_EQ(grid_.ClearRows(), 0);
    EXPECT_EQ(grid_.GetRowCount(), 0);
}

TEST(GridWrapper, CallsWithoutAWindowFail) {
    CGridCtrl none;
    EXPECT_EQ(none.GetRowCount(), grid::kNoWindow);
    EXPECT_EQ(none.SetCurrentCell(0, 0), grid::kNoWindow);
    EXPECT_EQ(none.SelectAll(true), grid::kNoWindow);
    EXPECT_EQ(none.EnsureRowVisible(3), grid::kNoWindow);
    EXPECT_FALSE(none.IsEditing());
    CGridCtrl destroyed(reinterpret_cast<HWND>(0x12345));
    EXPECT_EQ(destroyed.GetColumnCount(), grid::kNoWindow);
}

}  // namespace
}  // namespace test
}  // namespace tw
