// The Export command in the real program: the Export Preferences dialog and the save dialog
// driven from their own modal loops, and the written file.
#include <windows.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/res/resource.h"
#include "doc/document.h"
#include "framework/win32/mdi_frame.h"
#include "tests/app/win32/dialog_driver.h"
#include "tests/app/win32/program_fixture.h"
#include "view/win32/form_dlg.h"

namespace tw::test {
namespace {

void Press(HWND dialog, int id) { ::PostMessageA(dialog, WM_COMMAND, id, 0); }
bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }

class ExportTest : public ProgramTest {
protected:
    void SetUp() override {
        path_ = TempPath("tw_export.txt");
        ::DeleteFileA(path_.c_str());
        ASSERT_TRUE(Start({SampleCopy("tw_export.tw")}));
    }
    void TearDown() override { ::DeleteFileA(path_.c_str()); }
    CWorkmetrDoc& Doc() {
        return *dynamic_cast<CFormDlg*>(App().MainFrame()->ActiveView())->Document();
    }
    // Runs Export (Ctrl+E's command) with a script for the Export Preferences dialog and, when
    // given, one for the save dialog that follows it.
    void Export(DialogDriver::Script preferences, DialogDriver::Script save = nullptr) {
        DialogDriver preferencesDriver{"Export Preferences"};
        DialogDriver saveDriver{"EXPORT AS"};
        const bool saves = save != nullptr;
        preferencesDriver.Then(std::move(preferences));
        if (saves) saveDriver.Then(std::move(save));
        Command(ID_EXPORT);
        EXPECT_EQ(preferencesDriver.Opened(), 1);
        EXPECT_EQ(saveDriver.Opened(), saves ? 1 : 0);
        EXPECT_TRUE(preferencesDriver.Problems().empty());
        EXPECT_TRUE(saveDriver.Problems().empty());
    }
    std::string Written() {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void Change(const std::function<void(DocumentSettings&)>& change) {
        DocumentSettings s = Doc().Settings();
        change(s);
        Doc().SetSettings(s);
    }

    std::string path_;
};

TEST_F(ExportTest, ReportsLayoutDisablesOnClickAndForcesTheStoredFlags) {
    Change([](DocumentSettings& s) {
        s.columns[kColNotes].exported = false;
        s.exporting.headerRow = true;
    });
    bool openedEnabled = false, disabledOnCheck = false, enabledOnUncheck = false;
    Export(
        [&](HWND d) {
            openedEnabled = Enabled(d, IDC_START_DATE) && Enabled(d, IDC_EXPORT_HEADER_ROW);
            Click(d, IDC_EXPORT_V1_LAYOUT);
            disabledOnCheck = !Enabled(d, IDC_NOTES) && !Enabled(d, IDC_EXPORT_REMOVE_CR) &&
                              !Enabled(d, IDC_EXPORT_TOTALS_ROW) && Enabled(d, IDC_EXPORT_APPEND);
            Click(d, IDC_EXPORT_V1_LAYOUT);
            enabledOnUncheck = Enabled(d, IDC_NOTES) && Enabled(d, IDC_EXPORT_HEADER_ROW);
            Click(d, IDC_EXPORT_V1_LAYOUT);
            Click(d, IDC_EXPORT_MARKED_RECORDS);
            Press(d, IDOK);
        },
        [](HWND d) { Press(d, IDOK); });
    EXPECT_TRUE(openedEnabled);
    EXPECT_TRUE(disabledOnCheck);
    EXPECT_TRUE(enabledOnUncheck);
    const DocumentSettings& s = Doc().Settings();
    EXPECT_TRUE(s.columns[kColNotes].exported);
    EXPECT_FALSE(s.exporting.headerRow);
    EXPECT_FALSE(s.exporting.totalsRow);
    EXPECT_TRUE(s.exporting.removeCarriageReturns);
    EXPECT_TRUE(s.exporting.reportsLayout);
    EXPECT_FALSE(s.exporting.allRecords);

    // One line per marked record, dates in the fixed form, notes on their line.
    int marked = 0;
    for (int i = 0; i < Doc().GetRecordCount(); ++i) marked += Doc().GetRecord(i)->GetMark() != 0;
    std::istringstream lines(Written());
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        ASSERT_GE(line.size(), 11u);
        EXPECT_EQ(line.back(), '\r');
        EXPECT_EQ(line[2], '/');
        EXPECT_EQ(line[5], '/');
        EXPECT_EQ(line[10], '\t');
    }
    EXPECT_GT(marked, 0);
    EXPECT_EQ(count, marked);
}

TEST_F(ExportTest, CancelInEitherDialogWritesNothing) {
    const DocumentSettings before = Doc().Settings();
    Export([](HWND d) {
        Click(d, IDC_EXPORT_V1_LAYOUT);
        Press(d, IDCANCEL);
    });
    EXPECT_FALSE(Doc().Settings().exporting.reportsLayout);
    Export(
        [](HWND d) {
            Click(d, IDC_EXPORT_TOTALS_ROW);
            Press(d, IDOK);
        },
        [](HWND d) { Press(d, IDCANCEL); });
    EXPECT_NE(Doc().Settings().exporting.totalsRow, before.exporting.totalsRow);  // kept by OK
    EXPECT_EQ(::GetFileAttributesA(path_.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ExportTest, AppendsWithoutAskingAndReportsAFileItCannotWrite) {
    Change([](DocumentSettings& s) {
        for (ColumnSetting& c : s.columns) c.exported = false;
        s.columns[kColNotes].exported = true;
        s.columns[kColNotes].customHeader = "What";
        s.exporting = ExportSettings{false, true, true, false, true, false};
    });
    std::ofstream(path_, std::ios::binary) << "old\r\n";
    std::string caption;
    const DialogDriver::Script preferences = [&](HWND d) {
        caption = ItemText(d, IDC_NOTES);
        Press(d, IDOK);
    };
    const DialogDriver::Script save = [](HWND d) { Press(d, IDOK); };
    Export(preferences, save);
    EXPECT_EQ(caption, "What");
    const std::string once = Written();
    EXPECT_EQ(once.rfind("old\r\nWhat\r\n", 0), 0u) << once.substr(0, 40);
    EXPECT_TRUE(prompter_.shown.empty());

    // Another program holds the file open without sharing it.
    HANDLE held = ::CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Export(preferences, save);
    ::CloseHandle(held);
    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0], "A sharing violation occurred while accessing " + path_ + ".");
    EXPECT_EQ(Written(), once);
}

}  // namespace
}  // namespace tw::test
