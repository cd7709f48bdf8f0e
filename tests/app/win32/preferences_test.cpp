// The two preference sheets in the real program: General Preferences (F8) writes the settings
// store and the auto-save timer follows it; Document Preferences (F7) stores what changed in
// the document and brings the time table up to date. Both are driven from their own modal
// loops, page by page.
#include <windows.h>

#include <optional>
#include <string>

#include "app/res/resource.h"
#include "doc/document.h"
#include "framework/win32/mdi_frame.h"
#include "tests/app/win32/dialog_driver.h"
#include "tests/app/win32/program_fixture.h"
#include "tests/app/win32/sheet_pages.h"
#include "view/win32/form_dlg.h"

namespace tw::test {
namespace {

constexpr int kMisc = 0, kCompact = 1, kStartup = 2, kAdjust = 3;
constexpr int kTimeDisplay = 0, kColumns = 1, kDefaults = 2;
constexpr int kApplyButton = 0x3021;  // the sheet's Apply button

class PreferencesTest : public ProgramTest {
protected:
    bool Open() {
        MSG quit;  // a program closed earlier in this process leaves its quit message
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
        return Start({SampleCopy("tw_prefs.tw")});
    }
    void TearDown() override {
        if (driver && !driver->Problems().empty()) ADD_FAILURE() << driver->Problems().front();
    }
    DialogDriver& General() { return driver.emplace("Tallywick Preferences"); }
    DialogDriver& Document() {
        return driver.emplace("Document Preferences - " + Doc().GetTitle());
    }

    CFormDlg& View() { return *dynamic_cast<CFormDlg*>(App().MainFrame()->ActiveView()); }
    CWorkmetrDoc& Doc() { return *View().Document(); }
    std::string GridTitle(int column) {
        char text[256] = {};
        View().Grid().GetTitle(column, text);
        return text;
    }
    bool Shown(const std::string& text) const {
        for (const std::string& s : prompter_.shown)
            if (s == text) return true;
        return false;
    }

    std::optional<DialogDriver> driver;
};

TEST_F(PreferencesTest, RestoreDefaultsThenCancelLeavesTheAdjustSettings) {
    Settings().WriteInt("Tallywick", "ElapsedAdjust", 3);
    ASSERT_TRUE(Open());
    General().Then([](HWND sheet) {
        EXPECT_EQ(TabText(sheet, kMisc), "Misc");
        EXPECT_EQ(TabText(sheet, kAdjust), "Time Adjust");
        HWND apply = ::GetDlgItem(sheet, kApplyButton);
        EXPECT_TRUE(apply == nullptr || !::IsWindowVisible(apply)) << "no Apply button";
        HWND page = ShowPage(sheet, kAdjust);
        ASSERT_EQ(EntryCount(page, IDC_ELAPSED_ADJUST), 3);
        EXPECT_EQ(EntryText(page, IDC_ELAPSED_ADJUST, 0), "Start Date");
        EXPECT_EQ(EntryText(page, IDC_ELAPSED_ADJUST, 2), "Paused  Time") << "two spaces";
        EXPECT_EQ(EntryText(page, IDC_START_ADJUST, 0), "Paused  Time");
        EXPECT_EQ(ChosenData(page, IDC_ELAPSED_ADJUST), 3);
        Click(page, IDC_RESTORE_ADJUST_DEFAULTS);
        EXPECT_EQ(ChosenData(page, IDC_ELAPSED_ADJUST), 1);
        EXPECT_EQ(ChosenData(page, IDC_PAUSED_ADJUST), 2);
        Click(sheet, IDCANCEL);
    });
    Command(ID_GENERAL_PREFERENCES);
    EXPECT_EQ(driver->Opened(), 1);
    EXPECT_EQ(App().General().elapsedAdjust, RecalcTarget::kPaused);
    EXPECT_EQ(Settings().GetInt("Tallywick", "ElapsedAdjust", -1), 3);
    EXPECT_EQ(Settings().GetString("Tallywick", "hideToolbar", "none"), "none");
}

TEST_F(PreferencesTest, OkWritesEveryPageAndTheCellEditsFollow) {
    ASSERT_TRUE(Open());
    General().Then([](HWND sheet) {
        HWND page = CurrentPage(sheet);
        Click(page, IDC_CONFIRM_DELETE);
        page = ShowPage(sheet, kCompact);
        Click(page, IDC_HIDE_STATUS_BAR);
        page = ShowPage(sheet, kStartup);
        EXPECT_TRUE(IsChecked(page, IDC_STARTUP_NOTHING));
        Click(page, IDC_STARTUP_REOPEN);
        page = ShowPage(sheet, kAdjust);
        ChooseData(page, IDC_STOP_ADJUST, 0);
        Click(sheet, IDOK);
    });
    Command(ID_GENERAL_PREFERENCES);
    const GeneralSettings& g = App().General();
    EXPECT_FALSE(g.confirmDelete);
    EXPECT_TRUE(g.hideStatusBar);
    EXPECT_EQ(g.startup, StartupChoice::kReopenLast);
    EXPECT_EQ(App().CellEditTarget(kColStopTime), RecalcTarget::kStart);
    EXPECT_EQ(Settings().GetString("Tallywick", "DisplayDeleteTimeRecConfirmDlg", ""), "FALSE");
    EXPECT_EQ(Settings().GetString("Tallywick", "hideStatusBar", ""), "TRUE");
    EXPECT_EQ(Settings().GetInt("Tallywick", "FileOpenOption", -1), 2);
    EXPECT_EQ(Settings().GetInt("Tallywick", "StopAdjust", -1), 0);
    EXPECT_EQ(Settings().GetString("Tallywick", "AutoSave", "none"), "none")
        << "auto-save untouched is not written";
}

TEST_F(PreferencesTest, AutoSaveOnNeedsMinutesAndThenSavesOnTheTimer) {
    ASSERT_TRUE(Open());
    General().Then([this](HWND sheet) {
        HWND page = CurrentPage(sheet);
        Click(page, IDC_AUTO_SAVE);
        SetItemText(page, IDC_AUTO_SAVE_MINUTES, "0");
        Click(sheet, IDOK);
        EXPECT_TRUE(Shown("Please enter an integer between 1 and 1440."));
        EXPECT_TRUE(::IsWindow(sheet)) << "the sheet stays open";
        EXPECT_EQ(ShowPage(sheet, kCompact), page) << "nor can the page be left";
        SetItemText(page, IDC_AUTO_SAVE_MINUTES, "5");
        Click(sheet, IDOK);
    });
    Command(ID_GENERAL_PREFERENCES);
    EXPECT_TRUE(App().General().AutoSaveActive());
    EXPECT_EQ(Settings().GetString("Tallywick", "AutoSave", ""), "TRUE");
    EXPECT_EQ(Settings().GetString("Tallywick", "AutoSaveMinutes", ""), "5");

    Doc().SetTotalsMode(1);  // any change marks the document modified
    ASSERT_TRUE(Doc().IsModified());
    clock_.Advance(4 * 60);
    ::SendMessageA(Main(), WM_TIMER, CTallywickApp::kAutoSaveTimer, 0);
    EXPECT_TRUE(Doc().IsModified()) << "not due before five minutes";
    clock_.Advance(60);
    ::SendMessageA(Main(), WM_TIMER, CTallywickApp::kAutoSaveTimer, 0);
    EXPECT_FALSE(Doc().IsModified()) << "saved to its file";
}

TEST_F(PreferencesTest, MinutesChangedWhileAutoSaveStaysOffAreDiscarded) {
    ASSERT_TRUE(Open());
    General().Then([](HWND sheet) {
        SetItemText(CurrentPage(sheet), IDC_AUTO_SAVE_MINUTES, "30");
        Click(sheet, IDOK);
    });
    Command(ID_GENERAL_PREFERENCES);
    EXPECT_EQ(App().General().autoSaveMinutes, 0);
    EXPECT_EQ(Settings().GetString("Tallywick", "AutoSaveMinutes", "none"), "none");
}

TEST_F(PreferencesTest, OneSecondClearsDecimalNotationAndTheTableShowsSeconds) {
    ASSERT_TRUE(Open());
    DocumentSettings settings = Doc().Settings();
    settings.timeDisplay.increment = 3;
    settings.timeDisplay.decimalNotation = true;
    Doc().SetSettings(settings);
    Doc().SetModifiedFlag(false);
    Document().Then([](HWND sheet) {
        HWND page = CurrentPage(sheet);
        EXPECT_TRUE(IsChecked(page, IDC_INCREMENT_15_MINUTES));
        EXPECT_TRUE(IsChecked(page, IDC_DECIMAL_NOTATION));
        EXPECT_FALSE(IsEnabled(page, IDC_HUNDREDTHS_COUNT));
        Click(page, IDC_INCREMENT_SECOND);
        EXPECT_FALSE(IsChecked(page, IDC_DECIMAL_NOTATION));
        EXPECT_FALSE(IsEnabled(page, IDC_DECIMAL_NOTATION));
        Click(page, IDC_INCREMENT_HUNDREDTHS);
        EXPECT_TRUE(IsEnabled(page, IDC_DECIMAL_NOTATION));
        EXPECT_TRUE(IsEnabled(page, IDC_HUNDREDTHS_COUNT));
        Click(page, IDC_INCREMENT_SECOND);
        Click(sheet, IDOK);
    });
    Command(ID_DOCUMENT_PREFERENCES);
    EXPECT_EQ(Doc().Settings().timeDisplay.increment, 0);
    EXPECT_FALSE(Doc().Settings().timeDisplay.decimalNotation);
    EXPECT_TRUE(Doc().IsModified());
    const std::string elapsed = CellText(0, grid::kColElapsedTime);
    EXPECT_EQ(elapsed.size() - elapsed.find(':'), 6u) << elapsed << " shows h:mm:ss";
}

TEST_F(PreferencesTest, AHundredthsCountOutOfRangeKeepsTheSheetOpen) {
    ASSERT_TRUE(Open());
    Document().Then([this](HWND sheet) {
        HWND page = CurrentPage(sheet);
        Click(page, IDC_INCREMENT_HUNDREDTHS);
        SetItemText(page, IDC_HUNDREDTHS_COUNT, "101");
        Click(sheet, IDOK);
        EXPECT_TRUE(Shown("Please enter an integer between 5 and 100."));
        ASSERT_TRUE(::IsWindow(sheet));
        SetItemText(page, IDC_HUNDREDTHS_COUNT, "12");
        Click(sheet, IDOK);
    });
    Command(ID_DOCUMENT_PREFERENCES);
    EXPECT_EQ(Doc().Settings().timeDisplay.increment, 4);
    EXPECT_EQ(Doc().Settings().timeDisplay.hundredths, 12);
}

TEST_F(PreferencesTest, AHeaderTextSurvivesAColumnSwitchAndReachesTheGrid) {
    ASSERT_TRUE(Open());
    const std::string notesHeader = Doc().Settings().columns[kColNotes].customHeader;
    Document().Then([&notesHeader](HWND sheet) {
        HWND page = ShowPage(sheet, kColumns);
        ASSERT_EQ(EntryCount(page, IDC_COLUMN_LIST), 14);
        EXPECT_EQ(EntryText(page, IDC_COLUMN_LIST, 5), "Paused  Time");
        EXPECT_EQ(ChosenData(page, IDC_COLUMN_LIST), 0);
        ChooseData(page, IDC_COLUMN_LIST, kColCharge);
        EXPECT_TRUE(IsChecked(page, IDC_DATA_RIGHT));
        SetItemText(page, IDC_COLUMN_HEADER_TEXT, "Fee");
        Click(page, IDC_HEADER_LEFT);
        ChooseData(page, IDC_COLUMN_LIST, kColNotes);
        EXPECT_EQ(ItemText(page, IDC_COLUMN_HEADER_TEXT), notesHeader);
        Click(page, IDC_HIDE_COLUMN);
        ChooseData(page, IDC_COLUMN_LIST, kColCharge);
        EXPECT_EQ(ItemText(page, IDC_COLUMN_HEADER_TEXT), "Fee");
        EXPECT_TRUE(IsChecked(page, IDC_HEADER_LEFT));
        ChooseData(page, IDC_COLUMN_LIST, kColMark);
        Click(page, IDC_DATA_LEFT);
        Click(page, IDC_COLUMN_DEFAULTS);
        EXPECT_TRUE(IsChecked(page, IDC_DATA_CENTER));
        EXPECT_TRUE(IsChecked(page, IDC_HEADER_CENTER));
        Click(sheet, IDOK);
    });
    Command(ID_DOCUMENT_PREFERENCES);
    const DocumentSettings& s = Doc().Settings();
    EXPECT_EQ(s.columns[kColCharge].customHeader, "Fee");
    EXPECT_EQ(s.columns[kColCharge].headerJustify, 0);
    EXPECT_TRUE(s.columns[kColNotes].hidden);
    EXPECT_EQ(s.columns[kColMark].dataJustify, 0x40);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(GridTitle(grid::kColCharge), "Fee");
    EXPECT_EQ(View().Grid().GetColumnFlags(grid::kColCharge) & 0x300, 0);
    EXPECT_NE(View().Grid().GetColumnFlags(grid::kColNotes) & grid::kFlagHidden, 0);
}

TEST_F(PreferencesTest, CancelDiscardsATypedHeaderText) {
    ASSERT_TRUE(Open());
    Document().Then([](HWND sheet) {
        HWND page = ShowPage(sheet, kColumns);
        ChooseData(page, IDC_COLUMN_LIST, kColCharge);
        SetItemText(page, IDC_COLUMN_HEADER_TEXT, "Fee");
        ChooseData(page, IDC_COLUMN_LIST, kColNotes);
        Click(sheet, IDCANCEL);
    });
    Command(ID_DOCUMENT_PREFERENCES);
    EXPECT_EQ(Doc().Settings().columns[kColCharge].customHeader, "");
    EXPECT_EQ(GridTitle(grid::kColCharge), "Charge");
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(PreferencesTest, DefaultsPageChoosesItemsOrThePreviousRecord) {
    ASSERT_TRUE(Open());
    LPARAM project = -1;
    Document().Then([&project](HWND sheet) {
        HWND page = ShowPage(sheet, kDefaults);
        const int count = EntryCount(page, IDC_PROJECT);
        ASSERT_GT(count, 1);
        EXPECT_LE(EntryText(page, IDC_PROJECT, 0), EntryText(page, IDC_PROJECT, count - 1))
            << "sorted";
        project = ::SendDlgItemMessageA(page, IDC_PROJECT, CB_GETITEMDATA, count - 1, 0);
        ChooseData(page, IDC_PROJECT, project);
        Click(page, IDC_MARK);
        Click(page, IDC_DEFAULTS_PREVIOUS_RECORD);
        EXPECT_FALSE(IsEnabled(page, IDC_PROJECT));
        EXPECT_FALSE(IsEnabled(page, IDC_MARK));
        Click(sheet, IDOK);
    });
    const RecordDefaults before = Doc().Settings().defaults;
    Command(ID_DOCUMENT_PREFERENCES);
    const RecordDefaults& after = Doc().Settings().defaults;
    EXPECT_FALSE(after.useDefinedItems);
    EXPECT_NE(after.mark, before.mark);
    EXPECT_EQ(after.project, project);
    EXPECT_TRUE(Doc().IsModified());
}

}  // namespace
}  // namespace tw::test
