// The running clock of the real program: Start, Restart, Stop, the tick, the totals bar.
#include <windows.h>

#include "app/res/resource.h"
#include "doc/document.h"
#include "doc/time_rec.h"
#include "framework/win32/mdi_frame.h"
#include "tests/app/win32/program_fixture.h"
#include "view/win32/form_dlg.h"

namespace tw::test {
namespace {

class ClockTest : public ProgramTest {
protected:
    void SetUp() override { ASSERT_TRUE(Start({SampleCopy("tw_clock.tw")})); }

    CFormDlg& View() { return *dynamic_cast<CFormDlg*>(App().MainFrame()->ActiveView()); }
    CWorkmetrDoc& Doc() { return *View().Document(); }
    void Tick(int seconds) {
        clock_.Advance(seconds);
        ::SendMessageA(View().Handle(), WM_TIMER, CFormDlg::kClockTimer, 0);
    }
    void SelectOnly(int row) {
        ::SendMessageA(Grid(), grid::kSelectAll, 0, 0);
        if (row >= 0) ::SendMessageA(Grid(), grid::kSelectRow, 1, row);
    }
};

TEST_F(ClockTest, StartWithOneSelectedRowRestartsItsRecord) {
    SelectOnly(3);
    const int key = View().RecordOfRow(3);
    Command(ID_START_STOP);
    EXPECT_FALSE(Doc().IsStopped());
    EXPECT_EQ(Doc().GetActiveRecord(), key);
    EXPECT_EQ(RowCount(), 30);
    EXPECT_TRUE(View().HasClockTimer());
    Command(ID_START_STOP);
    EXPECT_TRUE(Doc().IsStopped());
    EXPECT_FALSE(View().HasClockTimer());
}

TEST_F(ClockTest, StartWithNoSelectionAppendsARunningRecord) {
    SelectOnly(-1);
    Command(ID_START_STOP);
    EXPECT_EQ(RowCount(), 31);
    EXPECT_EQ(Doc().GetActiveRecord(), 30);
    EXPECT_EQ(View().RowOfRecord(30), 30);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(ClockTest, StopRewritesTheRowWithItsFinalValues) {
    SelectOnly(-1);
    Command(ID_START_STOP);
    Tick(125);
    Command(ID_START_STOP);
    const int row = View().RowOfRecord(30);
    ASSERT_GE(row, 0);
    const CTimeRec& record = *Doc().GetRecord(30);
    EXPECT_EQ(record.GetElapsed(), 125);
    EXPECT_EQ(CellText(row, grid::kColElapsedTime),
              Doc().Formats().FormatDuration(record.GetElapsed(), false));
    EXPECT_EQ(StaticText(IDC_TOTAL_TIME),
              Doc().Formats().FormatDuration(Doc().TotalAllTime(), false));
}

TEST_F(ClockTest, WithFifteenMinutesATickRedrawsOnlyWhenTheRoundedMinuteChanges) {
    DocumentSettings settings = Doc().Settings();
    settings.timeDisplay.increment = 3;  // 15 minutes
    Doc().SetSettings(settings);
    SelectOnly(-1);
    Command(ID_START_STOP);
    Tick(60);  // 0 -> 15 minutes shown
    const std::string shown = StaticText(IDC_TOTAL_TIME);
    ::SetWindowTextA(::GetDlgItem(::GetParent(Grid()), IDC_TOTAL_TIME), "marker");
    Tick(60);  // still 15 minutes
    EXPECT_EQ(StaticText(IDC_TOTAL_TIME), "marker");
    Tick(15 * 60);  // 30 minutes
    EXPECT_NE(StaticText(IDC_TOTAL_TIME), "marker");
}

TEST_F(ClockTest, TotalsModeActiveShowsABlankWhileIdle) {
    Command(ID_TOTAL_ACTIVE);
    EXPECT_EQ(Doc().GetTotalsMode(), 0);
    EXPECT_EQ(StaticText(IDC_TOTAL_TIME), " ");
    EXPECT_EQ(StaticText(IDC_TOTAL_CHARGE), " ");
    EXPECT_EQ(StaticText(IDC_TOTAL_EXPENSE), " ");
    EXPECT_EQ(StaticText(IDC_TOTAL_TIME_LABEL), "Total Active Time:");
    SelectOnly(-1);
    Command(ID_START_STOP);
    Tick(60);
    EXPECT_EQ(StaticText(IDC_TOTAL_TIME), Doc().Formats().FormatDuration(60, false));
    Command(ID_TOTAL_ALL);
    EXPECT_EQ(StaticText(IDC_TOTAL_TIME_LABEL), "Total All Time:");
}

TEST_F(ClockTest, PauseAndResumeFollowTheDocument) {
    SelectOnly(-1);
    Command(ID_PAUSE_RESUME);  // idle: nothing
    EXPECT_TRUE(Doc().IsStopped());
    Command(ID_START_STOP);
    Command(ID_PAUSE_RESUME);
    EXPECT_TRUE(Doc().IsPaused());
    EXPECT_EQ(View().State(), ClockState::kPaused);
    Command(ID_PAUSE_RESUME);
    EXPECT_FALSE(Doc().IsPaused());
}

TEST_F(ClockTest, ARowTheGridRefusesTakesItsRecordOutAgain) {
    SelectOnly(-1);
    ::DestroyWindow(Grid());
    Command(ID_START_STOP);
    EXPECT_EQ(Doc().GetRecordCount(), 30);
    EXPECT_TRUE(Doc().IsStopped());
    Command(ID_ADD_ROW);
    EXPECT_EQ(Doc().GetRecordCount(), 30);
}

TEST_F(ClockTest, TheSystemMenuPopupRunsTheClock) {
    const unsigned base = View().MenuBase();
    ASSERT_NE(base, 0u);
    SelectOnly(-1);
    ::SendMessageA(Main(), WM_SYSCOMMAND, base + 1, 0);
    EXPECT_FALSE(Doc().IsStopped());
    ::SendMessageA(Main(), WM_SYSCOMMAND, base + 2, 0);
    EXPECT_TRUE(Doc().IsPaused());
    ::SendMessageA(Main(), WM_SYSCOMMAND, base + 1, 0);
    EXPECT_TRUE(Doc().IsStopped());
}

}  // namespace
}  // namespace tw::test
