// Sorting in the real program: the Sort dialog driven from its own modal loop, the levels
// handed to the grid (a refused one dropped), the order kept through a batch of marks and the
// document's levels applied when its window opens.
#include <windows.h>

#include <vector>

#include "app/res/resource.h"
#include "doc/document.h"
#include "doc/time_rec.h"
#include "framework/local_time.h"
#include "framework/win32/mdi_frame.h"
#include "tests/app/win32/dialog_driver.h"
#include "tests/app/win32/program_fixture.h"
#include "view/sort_levels.h"
#include "view/table_order.h"
#include "view/time_table_columns.h"
#include "view/win32/form_dlg.h"

namespace tw::test {
namespace {

SortLevel By(int column, bool ascending = true) {
    SortLevel level;
    level.use = true;
    level.column = column;
    level.ascending = ascending;
    return level;
}

// The local date of `t` as one comparable number.
int LocalDay(CalTime t) {
    const LocalParts p = SplitLocalTime(t);
    return p.year * 10000 + p.month * 100 + p.day;
}

// Selects the entry of a column list whose item data is `column`.
void ChooseColumn(HWND dialog, int listId, int column) {
    HWND list = ::GetDlgItem(dialog, listId);
    const int count = static_cast<int>(::SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (::SendMessageA(list, CB_GETITEMDATA, i, 0) == column) {
            ::SendMessageA(list, CB_SETCURSEL, i, 0);
            return;
        }
    }
    ADD_FAILURE() << "no column " << column;
}

class SortingTest : public ProgramTest {
protected:
    bool Open(const std::string& path) {
        MSG quit;
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
        return Start({path});
    }
    void TearDown() override {
        EXPECT_TRUE(driver.Problems().empty()) << driver.Problems().front();
    }
    CFormDlg& View() { return *dynamic_cast<CFormDlg*>(App().MainFrame()->ActiveView()); }
    CWorkmetrDoc& Doc() { return *View().Document(); }
    void SetLevels(const SortLevels& levels) {
        Doc().SetSortLevels(levels, false);
        View().ApplySortSettings();
    }
    // The record of each row, in row order.
    std::vector<int> RowKeys() {
        std::vector<int> keys;
        for (int row = 0; row < RowCount(); ++row) keys.push_back(View().RecordOfRow(row));
        return keys;
    }

    DialogDriver driver{"Sort"};
};

TEST_F(SortingTest, ChosenLevelOrdersTheTableAndIsStored) {
    ASSERT_TRUE(Open(SampleCopy("tw_sorting.tw")));
    const int notes = GridColumnOfName("NOTES");
    driver.Then([notes](HWND d) {
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(d, IDC_SORT2_USE)));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(d, IDC_SORT1_COLUMN)));
        Click(d, IDC_SORT1_USE);
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(d, IDC_SORT2_USE)));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(d, IDC_SORT1_COLUMN)));
        ChooseColumn(d, IDC_SORT1_COLUMN, notes);
        Click(d, IDC_SORT1_DESCENDING);
        Click(d, IDOK);
    });
    Command(ID_SORT);
    ASSERT_EQ(driver.Opened(), 1);
    const SortLevel& first = Doc().Settings().sort[0];
    EXPECT_TRUE(first.use);
    EXPECT_EQ(first.column, notes);
    EXPECT_FALSE(first.ascending);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(RowKeys(), TableRowOrder(Doc()));
    EXPECT_NE(RowKeys()[0], 0);  // the sample's notes are not in descending list order
}

TEST_F(SortingTest, TurningOffTheFirstLevelTurnsOffTheOthersOnOk) {
    ASSERT_TRUE(Open(SampleCopy("tw_sorting.tw")));
    SetLevels({By(1), By(9), By(14)});
    const std::vector<int> sorted = RowKeys();
    driver.Then([](HWND d) {
        EXPECT_TRUE(IsChecked(d, IDC_SORT3_USE));
        Click(d, IDC_SORT1_USE);
        EXPECT_FALSE(IsChecked(d, IDC_SORT2_USE));
        EXPECT_FALSE(IsChecked(d, IDC_SORT3_USE));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(d, IDC_SORT2_USE)));
        Click(d, IDOK);
    });
    Command(ID_SORT);
    for (const SortLevel& level : Doc().Settings().sort) EXPECT_FALSE(level.use);
    EXPECT_EQ(RowKeys(), sorted);  // without levels the rows stay where they are
}

TEST_F(SortingTest, CancelChangesNothing) {
    ASSERT_TRUE(Open(SampleCopy("tw_sorting.tw")));
    driver.Then([](HWND d) {
        Click(d, IDC_SORT1_USE);
        Click(d, IDCANCEL);
    });
    Command(ID_SORT);
    EXPECT_FALSE(Doc().Settings().sort[0].use);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(SortingTest, RefusedLevelLeavesTheDocumentWithTheLevelsBelow) {
    ASSERT_TRUE(Open(SampleCopy("tw_sorting.tw")));
    SetLevels({By(1), By(99), By(14)});
    EXPECT_TRUE(Doc().Settings().sort[0].use);
    EXPECT_FALSE(Doc().Settings().sort[1].use || Doc().Settings().sort[2].use);
    EXPECT_EQ(Doc().Settings().sort[1].column, 0);
    EXPECT_EQ(RowKeys(), TableRowOrder(Doc()));
}

TEST_F(SortingTest, MarkingBatchKeepsTheOrderOfTheMarkColumn) {
    ASSERT_TRUE(Open(SampleCopy("tw_sorting.tw")));
    SetLevels({By(GridColumnOfName("MARK"), false), By(1)});
    ::SendMessageA(Grid(), grid::kSelectAll, 0, 0);
    ::SendMessageA(Grid(), grid::kSelectRow, 1, RowCount() - 1);
    ::SendMessageA(Grid(), grid::kSelectRow, 1, 1);
    Command(ID_MARK_UNMARK);
    EXPECT_TRUE(Doc().Settings().sort[0].use);  // the batch hands the levels back
    const std::vector<int> keys = RowKeys();
    for (size_t row = 1; row < keys.size(); ++row) {
        const CTimeRec& above = *Doc().GetRecord(keys[row - 1]);
        const CTimeRec& here = *Doc().GetRecord(keys[row]);
        EXPECT_GE(above.GetMark(), here.GetMark()) << row;
        if (above.GetMark() == here.GetMark()) {
            EXPECT_LE(LocalDay(above.GetStart()), LocalDay(here.GetStart())) << row;
        }
    }
}

TEST_F(SortingTest, SavedLevelsOrderTheTableWhenTheDocumentOpens) {
    const std::string path = SampleCopy("tw_sorting_saved.tw");
    ASSERT_TRUE(Open(path));
    SetLevels({By(GridColumnOfName("NOTES"), false)});
    ASSERT_TRUE(Doc().OnSaveDocument(path));
    Close();
    ASSERT_TRUE(Open(path));
    EXPECT_TRUE(Doc().Settings().sort[0].use);
    EXPECT_EQ(RowKeys(), TableRowOrder(Doc()));
    EXPECT_NE(RowKeys()[0], 0);
}

}  // namespace
}  // namespace tw::test
