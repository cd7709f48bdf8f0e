// The Edit Time dialog in the real program: opened by F6 over the selected rows, by a
// double-click, by the view's system-menu popup and for the compacted window, and driven
// through its controls from its own modal loop.
#include <windows.h>

#include <string>

#include "app/res/resource.h"
#include "dialogs/win32/edit_time_dlg.h"
#include "doc/document.h"
#include "doc/project_cost.h"
#include "doc/time_rec.h"
#include "framework/local_time.h"
#include "framework/win32/mdi_frame.h"
#include "tests/app/win32/dialog_driver.h"
#include "tests/app/win32/program_fixture.h"
#include "view/win32/form_dlg.h"

namespace tw::test {
namespace {

constexpr int kM = 60;
constexpr int kH = 3600;

class EditTimeTest : public ProgramTest {
protected:
    // Starts the program on a copy of the sample (settings written before apply).
    bool Open() {
        // A program closed earlier in this process leaves its quit message, which would end
        // the first modal loop at once.
        MSG quit;
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
        return Start({SampleCopy("tw_edit_time.tw")});
    }
    void TearDown() override {
        CEditTimeDlg::SetListEditor(nullptr);
        EXPECT_TRUE(driver.Problems().empty()) << driver.Problems().front();
    }

    CFormDlg& View() { return *dynamic_cast<CFormDlg*>(App().MainFrame()->ActiveView()); }
    CWorkmetrDoc& Doc() { return *View().Document(); }
    void Select(std::initializer_list<int> rows) {
        ::SendMessageA(Grid(), grid::kSelectAll, 0, 0);
        for (int row : rows) ::SendMessageA(Grid(), grid::kSelectRow, 1, row);
    }
    // The record of `row`, alone selected, with the given times (not running).
    int PutRecord(int row, CalTime start, CalTime stop, Duration elapsed, Duration paused) {
        const int key = View().RecordOfRow(row);
        TimeRecValues v;
        v.start = start;
        v.stop = stop;
        v.elapsed = elapsed;
        v.paused = paused;
        v.target = RecalcTarget::kElapsed;
        v.notes = Doc().GetRecord(key)->GetNotes();
        Doc().GetRecord(key)->SetAll(v);
        Select({row});
        return key;
    }
    void Tick(int seconds) {
        clock_.Advance(seconds);
        ::SendMessageA(View().Handle(), WM_TIMER, CFormDlg::kClockTimer, 0);
    }
    void SystemMenuCommand(unsigned offset) {
        ::SendMessageA(Main(), WM_SYSCOMMAND, View().MenuBase() + offset, 0);
        App().PumpPending();
    }
    bool Shown(const std::string& text) const {
        for (const std::string& s : prompter_.shown)
            if (s == text) return true;
        return false;
    }
    static CalTime At(int hour, int minute, int second = 0) {
        return MakeLocalTime({2026, 11, 2, hour, minute, second});
    }

    DialogDriver driver{"Edit Time"};
};

// A real click on a control: the pointer over it, then the button's down and up messages,
// handled after the script returns.
void PostClick(HWND dialog, int id) {
    HWND control = ::GetDlgItem(dialog, id);
    RECT rect;
    ::GetClientRect(control, &rect);
    POINT centre{rect.right / 2, rect.bottom / 2};
    POINT screen = centre;
    ::ClientToScreen(control, &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    ::PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
}

TEST_F(EditTimeTest, F6EditsTheSelectedRowsInTurnUntilCancelRemaining) {
    ASSERT_TRUE(Open());
    Select({0, 1, 2, 3});
    const int keys[4] = {View().RecordOfRow(0), View().RecordOfRow(1), View().RecordOfRow(2),
                         View().RecordOfRow(3)};
    const std::string third = Doc().GetRecord(keys[2])->GetNotes();
    driver.Then([](HWND d) {
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d, IDC_NOTES)) << "F6 focuses the notes";
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(d, IDC_PROJECT_BUTTON)))
            << "the program gives the rate list editor";
        SetItemText(d, IDC_NOTES, "changed and cancelled");
        Click(d, IDCANCEL);
    });
    driver.Then([](HWND d) {
        SetItemText(d, IDC_NOTES, "second");
        Click(d, IDOK);
    });
    driver.Then([](HWND d) {
        SetItemText(d, IDC_NOTES, "never stored");
        Click(d, CEditTimeDlg::kCancelRemaining);
    });
    Command(ID_EDIT_TIME_ROW);
    EXPECT_EQ(driver.Opened(), 3) << "Cancel Remaining ends the series";
    EXPECT_NE(Doc().GetRecord(keys[0])->GetNotes(), "changed and cancelled");
    EXPECT_EQ(Doc().GetRecord(keys[1])->GetNotes(), "second");
    EXPECT_EQ(Doc().GetRecord(keys[2])->GetNotes(), third);
    EXPECT_EQ(CellText(View().RowOfRecord(keys[1]), grid::kColNotes), "second");
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(EditTimeTest, ADoubleClickOnACellFocusesItsColumn) {
    ASSERT_TRUE(Open());
    HWND grid = Grid();
    const int row = 2;
    int x =
        static_cast<int>(::SendMessageA(grid, grid::kGetColumnWidth, grid::kRowSelectorColumn, 0));
    for (int c = 1; c < grid::kColElapsedTime; ++c) {
        if ((::SendMessageA(grid, grid::kGetColumnFlags, c, 0) & grid::kFlagHidden) == 0)
            x += static_cast<int>(::SendMessageA(grid, grid::kGetColumnWidth, c, 0));
    }
    x +=
        static_cast<int>(::SendMessageA(grid, grid::kGetColumnWidth, grid::kColElapsedTime, 0)) / 2;
    const int height = static_cast<int>(::SendMessageA(grid, grid::kGetDefaultRowHeight, 0, 0));
    const int y = static_cast<int>(::SendMessageA(grid, grid::kGetHeaderHeight, 0, 0)) +
                  row * height + height / 2;
    const int key = View().RecordOfRow(row);
    const Duration elapsed = Doc().GetRecord(key)->GetElapsed();
    driver.Then([](HWND d) {
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d, IDC_ELAPSED));
        SetItemText(d, IDC_ELAPSED, "9:00");
        Click(d, IDCANCEL);
    });
    ::SendMessageA(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    App().PumpPending();
    EXPECT_EQ(driver.Opened(), 1);
    EXPECT_EQ(Doc().GetRecord(key)->GetElapsed(), elapsed) << "Cancel leaves the record";
}

TEST_F(EditTimeTest, TheActiveRecordShowsItsStopDisabledAndStopActsAsElapsed) {
    Settings().WriteInt("Tallywick", "GeneralAdjust", 1);  // remembered target: Stop
    ASSERT_TRUE(Open());
    Select({});
    Command(ID_START_STOP);
    const int active = Doc().GetActiveRecord();
    ASSERT_GE(active, 0);
    Tick(90 * kM);
    driver.Then([](HWND d) {
        for (int id : {IDC_STOP_DATE, IDC_STOP_TIME, IDC_TARGET_STOP})
            EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(d, id))) << id;
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(d, IDC_START_DATE)));
        EXPECT_TRUE(IsChecked(d, IDC_TARGET_ELAPSED));
        EXPECT_FALSE(IsChecked(d, IDC_TARGET_STOP));
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d, IDC_NOTES));
        SetItemText(d, IDC_ELAPSED, "2:00");
        Click(d, IDOK);
    });
    SystemMenuCommand(3);
    ASSERT_EQ(driver.Opened(), 1);
    const CTimeRec& record = *Doc().GetRecord(active);
    EXPECT_EQ(App().General().generalAdjust, RecalcTarget::kElapsed) << "Stop read as Elapsed";
    EXPECT_EQ(record.GetElapsed(), 90 * kM) << "Elapsed is recomputed from start and stop";
    EXPECT_TRUE(record.IsRunning());

    // The compacted window edits the active record on F6, whatever is selected.
    Select({0});
    Command(ID_COMPACT_RESTORE);
    driver.Then([](HWND d) {
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(d, IDC_STOP_DATE)));
        SetItemText(d, IDC_NOTES, "compacted");
        Click(d, IDOK);
    });
    Command(ID_EDIT_TIME_ROW);
    EXPECT_EQ(driver.Opened(), 2);
    EXPECT_EQ(Doc().GetRecord(active)->GetNotes(), "compacted");
}

TEST_F(EditTimeTest, AStopBeforeTheStartWithTargetElapsedEndsAtStartPlusPaused) {
    ASSERT_TRUE(Open());
    const int key = PutRecord(0, At(10, 0), At(11, 0), 50 * kM, 10 * kM);
    driver.Then([](HWND d) {
        SetTime(d, IDC_STOP_TIME, 9, 0);
        Click(d, IDC_TARGET_ELAPSED);
        Click(d, IDOK);
    });
    Command(ID_EDIT_TIME_ROW);
    const CTimeRec& record = *Doc().GetRecord(key);
    EXPECT_EQ(record.GetElapsed(), 0);
    EXPECT_EQ(record.GetStart(), At(10, 0));
    EXPECT_EQ(record.GetStop(), At(10, 10));
}

TEST_F(EditTimeTest, TargetStopBeyondTheRangeEndsThereAndMovesTheStartBack) {
    ASSERT_TRUE(Open());
    const int key = PutRecord(0, At(10, 0), At(11, 0), kH, 0);
    driver.Then([](HWND d) {
        SetDate(d, IDC_START_DATE, 2037, 12, 31);
        SetTime(d, IDC_START_TIME, 20, 0);
        SetItemText(d, IDC_ELAPSED, "5:00");
        Click(d, IDC_TARGET_STOP);
        Click(d, IDOK);
    });
    Command(ID_EDIT_TIME_ROW);
    const CTimeRec& record = *Doc().GetRecord(key);
    EXPECT_EQ(record.GetStop(), MakeLocalTime({2037, 12, 31, 23, 59, 59}));
    EXPECT_EQ(record.GetStart(), MakeLocalTime({2037, 12, 31, 18, 59, 59}));
    EXPECT_EQ(App().General().generalAdjust, RecalcTarget::kStop) << "remembered after OK";
    EXPECT_EQ(Settings().GetInt("Tallywick", "GeneralAdjust", -1), 1);
}

TEST_F(EditTimeTest, A1979StartIsRefusedByRecalculateAndMovedTo1980) {
    ASSERT_TRUE(Open());
    const int key = PutRecord(0, At(10, 0), At(11, 0), kH, 0);
    driver.Then([this](HWND d) {
        SetDate(d, IDC_START_DATE, 1979, 5, 4);
        Click(d, IDC_RECALCULATE);
        EXPECT_TRUE(Shown("The Start Date is not valid."));
        EXPECT_EQ(DateYear(d, IDC_START_DATE), 1980);
        EXPECT_EQ(static_cast<int>(::SendDlgItemMessageA(d, IDC_START_DATE, DEM_GETMONTH, 0, 0)),
                  5);
        Click(d, IDCANCEL);
    });
    Command(ID_EDIT_TIME_ROW);
    EXPECT_EQ(Doc().GetRecord(key)->GetStart(), At(10, 0));
    EXPECT_EQ(Settings().GetInt("Tallywick", "GeneralAdjust", -1), -1) << "Cancel stores nothing";
}

TEST_F(EditTimeTest, OneMinuteIncrementsDropTheSecondsBeforeRecalculating) {
    ASSERT_TRUE(Open());
    const int key = PutRecord(0, At(10, 5, 30), At(10, 16, 15), 645, 0);
    driver.Then([](HWND d) {
        EXPECT_EQ(ItemText(d, IDC_ELAPSED), "0:11") << "shown rounded up";
        Click(d, IDC_TARGET_STOP);
        Click(d, IDC_RECALCULATE);
        EXPECT_EQ(ItemText(d, IDC_ELAPSED), "0:10");
        int hour = 0, minute = 0;
        TimeOf(d, IDC_STOP_TIME, hour, minute);
        EXPECT_EQ(minute, 15);
        Click(d, IDOK);
    });
    Command(ID_EDIT_TIME_ROW);
    const CTimeRec& record = *Doc().GetRecord(key);
    EXPECT_EQ(record.GetStart(), At(10, 5));
    EXPECT_EQ(record.GetElapsed(), 10 * kM);
    EXPECT_EQ(record.GetStop(), At(10, 15));
}

TEST_F(EditTimeTest, APausedTimeBelowTheRunningPauseRestartsThePauseBeforeTheStop) {
    Settings().WriteString("Tallywick", "AutoAdjust", "TRUE");
    ASSERT_TRUE(Open());
    Select({});
    Command(ID_START_STOP);  // 9:00
    const int active = Doc().GetActiveRecord();
    Tick(30 * kM);
    Command(ID_PAUSE_RESUME);  // paused at 9:30
    Tick(30 * kM);             // 30 minutes into the pause
    driver.Then([](HWND d) {
        EXPECT_TRUE(IsChecked(d, IDC_AUTO_ADJUST));
        ::SetFocus(::GetDlgItem(d, IDC_PAUSED));
        SetItemText(d, IDC_PAUSED, "0:10");
        ::SetFocus(::GetDlgItem(d, IDC_NOTES));  // leaving the paused time adjusts
        EXPECT_EQ(ItemText(d, IDC_ELAPSED), "0:50");
        Click(d, IDOK);
    });
    SystemMenuCommand(3);
    const CTimeRec& record = *Doc().GetRecord(active);
    EXPECT_EQ(record.GetPaused(), 10 * kM);
    EXPECT_EQ(record.GetPausedBefore(), 0);
    EXPECT_EQ(record.GetPauseBegan(), record.GetStop() - 10 * kM);
    EXPECT_TRUE(record.IsPaused());
    clock_.Advance(5 * kM);
    Command(ID_PAUSE_RESUME);
    EXPECT_EQ(record.GetPaused(), 15 * kM) << "the pause counts from its new beginning";
}

TEST_F(EditTimeTest, NotesTake255CharactersAndRefuseThe256th) {
    ASSERT_TRUE(Open());
    const int key = View().RecordOfRow(0);
    const std::string before = Doc().GetRecord(key)->GetNotes();
    Select({0});
    driver.Then([this, before](HWND d) {
        EXPECT_EQ(ItemText(d, IDC_NOTES_LENGTH), std::to_string(before.size()));
        SetItemText(d, IDC_NOTES, std::string(256, 'n'));  // past the edit's limit
        Click(d, IDOK);
        EXPECT_TRUE(Shown("Please enter no more than 255 characters."));
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d, IDC_NOTES)) << "the dialog stays on the notes";
        SetItemText(d, IDC_NOTES, std::string(254, 'n'));
        HWND notes = ::GetDlgItem(d, IDC_NOTES);
        ::SendMessageA(notes, EM_SETSEL, 254, 254);
        ::SendMessageA(notes, WM_CHAR, 'n', 0);
        EXPECT_EQ(ItemText(d, IDC_NOTES_LENGTH), "255");
        ::SendMessageA(notes, WM_CHAR, 'x', 0);
        EXPECT_EQ(::GetWindowTextLengthA(notes), 255) << "the edit refuses a 256th character";
        EXPECT_EQ(ItemText(d, IDC_NOTES_LENGTH), "255");
        Click(d, IDOK);
    });
    Command(ID_EDIT_TIME_ROW);
    EXPECT_EQ(Doc().GetRecord(key)->GetNotes(), std::string(255, 'n'));
}

TEST_F(EditTimeTest, LeavingATimeFieldForCancelRunsNoCheckNorAdjustment) {
    Settings().WriteString("Tallywick", "AutoAdjust", "TRUE");
    ASSERT_TRUE(Open());
    const int key = PutRecord(0, At(10, 0), At(11, 0), kH, 0);
    Select({0, 1});
    driver.Then([](HWND d) {
        ::SetFocus(::GetDlgItem(d, IDC_ELAPSED));
        SetItemText(d, IDC_ELAPSED, "not a time");
        PostClick(d, IDCANCEL);
    });
    driver.Then([](HWND d) {
        // The same with the mark check box: the checks run and the message shows.
        ::SetFocus(::GetDlgItem(d, IDC_ELAPSED));
        SetItemText(d, IDC_ELAPSED, "not a time");
        PostClick(d, IDC_MARK);
        PostClick(d, IDCANCEL);
    });
    Command(ID_EDIT_TIME_ROW);
    EXPECT_EQ(driver.Opened(), 2);
    EXPECT_EQ(prompter_.shown.size(), 1u);
    EXPECT_TRUE(Shown("The Elapsed Time is not valid."));
    EXPECT_EQ(Doc().GetRecord(key)->GetStop(), At(11, 0));
}

TEST_F(EditTimeTest, LeavingTheElapsedTimeWithAutoAdjustMovesTheStop) {
    ASSERT_TRUE(Open());
    const int key = PutRecord(0, At(10, 0), At(11, 0), kH, 0);
    driver.Then([](HWND d) {
        Click(d, IDC_AUTO_ADJUST);
        ::SetFocus(::GetDlgItem(d, IDC_ELAPSED));
        SetItemText(d, IDC_ELAPSED, "2:30");
        ::SetFocus(::GetDlgItem(d, IDC_NOTES));
        int hour = 0, minute = 0;
        TimeOf(d, IDC_STOP_TIME, hour, minute);
        EXPECT_EQ(hour * 60 + minute, 12 * 60 + 30);
        EXPECT_TRUE(IsChecked(d, IDC_TARGET_STOP)) << "the target moved off the elapsed time";
        Click(d, IDOK);
    });
    Command(ID_EDIT_TIME_ROW);
    EXPECT_EQ(Doc().GetRecord(key)->GetStop(), At(12, 30));
    EXPECT_TRUE(App().General().autoAdjust);
    EXPECT_EQ(App().General().generalAdjust, RecalcTarget::kStop);
    EXPECT_EQ(Settings().GetString("Tallywick", "AutoAdjust", ""), "TRUE");
}

TEST_F(EditTimeTest, TheOwnRateCheckBoxOpensTheRateAndMoneyShowsFormatted) {
    ASSERT_TRUE(Open());
    const int key = View().RecordOfRow(0);
    Select({0});
    driver.Then([](HWND d) {
        HWND rate = ::GetDlgItem(d, IDC_HOURLY_RATE);
        EXPECT_FALSE(IsChecked(d, IDC_USE_OWN_RATE));
        EXPECT_FALSE(::IsWindowEnabled(rate));
        Click(d, IDC_USE_OWN_RATE);
        EXPECT_TRUE(::IsWindowEnabled(rate));
        EXPECT_EQ(::GetWindowLongA(rate, GWL_STYLE) & ES_READONLY, 0);
        ::SetFocus(rate);
        SetItemText(d, IDC_HOURLY_RATE, "52.5");
        SetItemText(d, IDC_EXPENSE, "");
        ::SetFocus(::GetDlgItem(d, IDC_NOTES));
        EXPECT_EQ(ItemText(d, IDC_HOURLY_RATE), "$52.50");
        EXPECT_EQ(ItemText(d, IDC_EXPENSE), "$0.00");
        Click(d, IDOK);
    });
    Command(ID_EDIT_TIME_ROW);
    EXPECT_FLOAT_EQ(Doc().GetRecord(key)->GetOwnRate(), 52.5f);
    EXPECT_EQ(Doc().GetRecord(key)->GetExpense(), 0.0f);
}

TEST_F(EditTimeTest, AnItemTheListEditorRemovedBooksTheBlankItem) {
    ASSERT_TRUE(Open());
    const int key = View().RecordOfRow(0);
    const int project = Doc().GetRecord(key)->GetProjectIndex();
    ASSERT_GT(project, 0);
    DocumentSettings settings = Doc().Settings();
    settings.rates.alwaysSortItems = true;
    Doc().SetSettings(settings);
    // A list editor that removes the record's project.
    CEditTimeDlg::SetListEditor([project](CWorkmetrDoc& doc, int type, HWND) {
        ItemList edited;
        CWorkmetrDoc::CopyItemList(edited, *doc.GetItemList(type));
        edited[static_cast<size_t>(project)].reset();
        doc.ClearItemReferences(type, project);
        return doc.SetItemList(type, edited);
    });
    Select({0});
    driver.Then([project](HWND d) {
        HWND sorted = ::GetDlgItem(d, IDC_PROJECT_SORTED);
        EXPECT_TRUE(::IsWindowVisible(sorted));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(d, IDC_PROJECT_UNSORTED)));
        const LRESULT entry = ::SendMessageA(sorted, CB_GETCURSEL, 0, 0);
        ASSERT_GE(entry, 0);
        EXPECT_EQ(::SendMessageA(sorted, CB_GETITEMDATA, entry, 0), project);
        ASSERT_TRUE(::IsWindowEnabled(::GetDlgItem(d, IDC_PROJECT_BUTTON)));
        Click(d, IDC_PROJECT_BUTTON);
        EXPECT_EQ(::SendMessageA(sorted, CB_GETCURSEL, 0, 0), CB_ERR) << "its entry is gone";
        Click(d, IDOK);
    });
    Command(ID_EDIT_TIME_ROW);
    EXPECT_EQ(Doc().GetRecord(key)->GetProjectIndex(), 0);
}

}  // namespace
}  // namespace tw::test
