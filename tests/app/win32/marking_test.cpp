// Selection and marks in the real program: the Edit menu's selection commands, the corner
// cell, Mark / Unmark, Mark All, Unmark All, Select Marked and the Mark Special dialog driven
// from its own modal loop.
#include <windows.h>

#include <set>
#include <vector>

#include "app/res/resource.h"
#include "doc/document.h"
#include "doc/time_rec.h"
#include "framework/command_ids.h"
#include "framework/local_time.h"
#include "framework/win32/mdi_frame.h"
#include "tests/app/win32/dialog_driver.h"
#include "tests/app/win32/program_fixture.h"
#include "view/win32/form_dlg.h"

namespace tw::test {
namespace {

class MarkingTest : public ProgramTest {
protected:
    void SetUp() override {
        MSG quit;
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
        ASSERT_TRUE(Start({SampleCopy("tw_marking.tw")}));
        ASSERT_GE(Doc().GetRecordCount(), 3);
    }
    void TearDown() override {
        EXPECT_TRUE(driver.Problems().empty()) << driver.Problems().front();
    }
    CFormDlg& View() { return *dynamic_cast<CFormDlg*>(App().MainFrame()->ActiveView()); }
    CWorkmetrDoc& Doc() { return *View().Document(); }
    int Mark(int position) { return Doc().GetRecord(position)->GetMark(); }
    void SetMarks(int mark) {
        for (int i = 0; i < Doc().GetRecordCount(); ++i) Doc().GetRecord(i)->SetMark(mark);
        View().RefreshAllRows();
        Doc().SetModifiedFlag(false);
    }
    void Select(std::initializer_list<int> rows) {
        ::SendMessageA(Grid(), grid::kSelectAll, 0, 0);
        for (int row : rows) ::SendMessageA(Grid(), grid::kSelectRow, 1, row);
    }
    std::vector<int> SelectedRows() {
        std::vector<int> rows(static_cast<size_t>(RowCount()) + 1);
        const long n = ::SendMessageA(Grid(), grid::kGetSelectedRows, rows.size(),
                                      reinterpret_cast<LPARAM>(rows.data()));
        rows.resize(n > 0 ? static_cast<size_t>(n) : 0);
        return rows;
    }
    // The MARK cell of a row as the grid holds it.
    int MarkCell(int row) {
        const long column = View().Grid().FindColumn("MARK");
        View().Grid().SetCurrentCell(static_cast<int>(column), row);
        int32_t mark = -1;
        View().Grid().ReadCell(&mark, sizeof mark);
        return mark;
    }
    // A click with the mouse at a point of the grid's client area.
    void ClickGrid(int x, int y) {
        ::SendMessageA(Grid(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageA(Grid(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        App().PumpPending();
    }

    DialogDriver driver{"Mark Special"};
};

TEST_F(MarkingTest, SelectAllNoneAndTheCornerCell) {
    Command(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(static_cast<long>(SelectedRows().size()), RowCount());
    ClickGrid(2, 2);  // the corner: header row, selector column
    EXPECT_TRUE(SelectedRows().empty());
    ClickGrid(2, 2);
    EXPECT_EQ(static_cast<long>(SelectedRows().size()), RowCount());
    Command(ID_SELECT_NONE);
    EXPECT_TRUE(SelectedRows().empty());
}

TEST_F(MarkingTest, MarkUnmarkFlipsEachSelectedRecord) {
    SetMarks(0);
    const int marked = View().RecordOfRow(0);
    const int unmarked = View().RecordOfRow(1);
    Doc().GetRecord(marked)->SetMark(1);
    Select({0, 1});
    Command(ID_MARK_UNMARK);
    EXPECT_EQ(Mark(marked), 0);
    EXPECT_EQ(Mark(unmarked), 1);
    EXPECT_EQ(MarkCell(View().RowOfRecord(unmarked)), 1);
    EXPECT_EQ(MarkCell(View().RowOfRecord(marked)), 0);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(MarkingTest, MarkUnmarkWithoutSelectionChangesNothing) {
    SetMarks(0);
    Select({});
    Command(ID_MARK_UNMARK);
    EXPECT_FALSE(Doc().IsModified());
    for (int i = 0; i < Doc().GetRecordCount(); ++i) EXPECT_EQ(Mark(i), 0);
}

TEST_F(MarkingTest, MarkAllAndUnmarkAllChangeOnlyWhatDiffers) {
    SetMarks(1);
    Command(ID_MARK_ALL);
    EXPECT_FALSE(Doc().IsModified());
    Command(ID_UNMARK_ALL);
    EXPECT_TRUE(Doc().IsModified());
    for (int row = 0; row < RowCount(); ++row) EXPECT_EQ(MarkCell(row), 0) << row;
    EXPECT_EQ(Doc().TotalMarkedTime(), 0);
    Command(ID_MARK_ALL);
    for (int i = 0; i < Doc().GetRecordCount(); ++i) EXPECT_EQ(Mark(i), 1) << i;
    EXPECT_EQ(Doc().TotalMarkedTime(), Doc().TotalAllTime());
}

TEST_F(MarkingTest, SelectMarkedSelectsExactlyTheMarkedRows) {
    SetMarks(0);
    Doc().GetRecord(0)->SetMark(1);
    Doc().GetRecord(2)->SetMark(1);
    Select({1});
    Command(ID_SELECT_MARKED);
    std::set<int> keys;
    for (int row : SelectedRows()) keys.insert(View().RecordOfRow(row));
    EXPECT_EQ(keys, (std::set<int>{0, 2}));
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(MarkingTest, MarkSpecialWithEveryAnyBoxMarksEveryRecord) {
    SetMarks(0);
    driver.Then([](HWND d) {
        for (int id : {IDC_ANY_PROJECT, IDC_ANY_CATEGORY, IDC_ANY_CLIENT, IDC_ANY_START_DATE,
                       IDC_ANY_STOP_DATE, IDC_UNMARK_OTHERS}) {
            EXPECT_TRUE(IsChecked(d, id)) << id;
        }
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(d, IDC_BEGIN_START_DATE)));
        Click(d, IDC_ANY_START_DATE);
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(d, IDC_BEGIN_START_DATE)));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(d, IDC_END_START_DATE)));
        Click(d, IDC_ANY_START_DATE);
        Click(d, IDOK);
    });
    Command(ID_MARK_SPECIAL);
    EXPECT_EQ(driver.Opened(), 1);
    for (int i = 0; i < Doc().GetRecordCount(); ++i) EXPECT_EQ(Mark(i), 1) << i;
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(MarkingTest, MarkSpecialStartRangeEndsAtTheLastSecondOfItsDay) {
    SetMarks(1);
    auto startAt = [this](int position, int day, int hour, int minute, int second) {
        TimeRecValues v;
        v.start = MakeLocalTime({2026, 11, day, hour, minute, second});
        v.stop = v.start + 600;
        v.elapsed = 600;
        Doc().GetRecord(position)->SetAll(v);
    };
    startAt(0, 3, 23, 59, 59);
    startAt(1, 4, 0, 0, 0);
    startAt(2, 3, 0, 0, 0);
    View().RefreshAllRows();
    driver.Then([](HWND d) {
        Click(d, IDC_ANY_START_DATE);
        SetDate(d, IDC_BEGIN_START_DATE, 2026, 11, 3);
        SetDate(d, IDC_END_START_DATE, 2026, 11, 3);
        Click(d, IDOK);
    });
    Command(ID_MARK_SPECIAL);
    EXPECT_EQ(Mark(0), 1);
    EXPECT_EQ(Mark(1), 0);  // unmark others is checked
    EXPECT_EQ(Mark(2), 1);
    EXPECT_EQ(MarkCell(View().RowOfRecord(1)), 0);
}

TEST_F(MarkingTest, MarkSpecialWithoutUnmarkOthersNeverClearsAMark) {
    SetMarks(1);
    driver.Then([](HWND d) {
        Click(d, IDC_ANY_START_DATE);  // today: no record of the sample starts then
        Click(d, IDC_UNMARK_OTHERS);
        Click(d, IDOK);
    });
    Command(ID_MARK_SPECIAL);
    for (int i = 0; i < Doc().GetRecordCount(); ++i) EXPECT_EQ(Mark(i), 1) << i;
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(MarkingTest, MarkSpecialCancelChangesNothing) {
    SetMarks(1);
    driver.Then([](HWND d) { Click(d, IDCANCEL); });
    Command(ID_MARK_SPECIAL);
    EXPECT_EQ(driver.Opened(), 1);
    EXPECT_FALSE(Doc().IsModified());
}

}  // namespace
}  // namespace tw::test
