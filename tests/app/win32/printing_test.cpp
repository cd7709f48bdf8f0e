// Printing in the real program: the Print Preferences dialog before each print or preview,
// pages printed on a real printer device (Wine's PostScript driver writing a file) and in the
// preview, and the message for a selection that prints nothing.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "app/res/resource.h"
#include "dialogs/win32/print_font_dc.h"
#include "doc/document.h"
#include "framework/win32/mdi_frame.h"
#include "framework/win32/print_preview.h"
#include "framework/win32/window.h"
#include "tests/app/win32/dialog_driver.h"
#include "tests/app/win32/program_fixture.h"
#include "tests/app/win32/wine_ps_printer.h"
#include "view/win32/form_dlg.h"

namespace tw::test {
namespace {

// The Font dialog's style and size boxes.
constexpr int kFontStyleBox = 0x471;
constexpr int kFontSizeBox = 0x472;

class PrintingTest : public ProgramTest {
protected:
    bool Open() {
        MSG quit;
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
        return Start({SampleCopy("tw_printing.tw")});
    }
    void TearDown() override {
        EXPECT_TRUE(driver.Problems().empty()) << driver.Problems().front();
        EXPECT_TRUE(fontDriver.Problems().empty()) << fontDriver.Problems().front();
    }
    CFormDlg& View() { return *dynamic_cast<CFormDlg*>(App().MainFrame()->ActiveView()); }
    CWorkmetrDoc& Doc() { return *View().Document(); }
    void Change(void (*change)(DocumentSettings&)) {
        DocumentSettings s = Doc().Settings();
        change(s);
        Doc().SetSettings(s);
        Doc().SetModifiedFlag(false);
    }
    // Few columns, which fit the line in 12 points, and blank lines, so the sample takes pages.
    static void FewColumnsSpaced(DocumentSettings& s) {
        for (ColumnSetting& c : s.columns) c.printed = false;
        for (int c :
             {kColStartDate, kColStartTime, kColElapsed, kColCharge, kColProject, kColNotes})
            s.columns[size_t(c)].printed = true;
        s.printing.fontHeight = 120;
        s.printing.blankLineBetween = true;
    }
    int Shown(const std::string& text) const {
        int count = 0;
        for (const std::string& s : prompter_.shown) count += s == text ? 1 : 0;
        return count;
    }

    DialogDriver driver{"Print Preferences"};
    DialogDriver fontDriver{"Font"};
};

TEST_F(PrintingTest, CancelInPrintPreferencesCancelsPrintAndPreview) {
    ASSERT_TRUE(Open());
    const bool customHeader = Doc().Settings().printing.customHeader;
    for (unsigned command : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW}) {
        driver.Then([](HWND dialog) {
            Click(dialog, IDC_PAGE_HEADER_FILE_NAME);
            Click(dialog, IDCANCEL);
        });
        Command(command);
    }
    EXPECT_EQ(driver.Opened(), 2);
    EXPECT_EQ(App().MainFrame()->Preview(), nullptr);
    EXPECT_EQ(Doc().Settings().printing.customHeader, customHeader);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(PrintingTest, TheDialogShowsTheSettingsAndOkStoresThem) {
    ASSERT_TRUE(Open());
    Change([](DocumentSettings& s) {
        s.columns[kColCategory].customHeader = "Task";
        s.printing.customHeader = true;
        s.printing.customHeaderText = "Timesheet November";
    });
    driver.Then([](HWND dialog) {
        EXPECT_EQ(ItemText(dialog, IDC_CATEGORY), "Task");
        EXPECT_EQ(ItemText(dialog, IDC_PROJECT), "Project");
        EXPECT_EQ(ItemText(dialog, IDC_FONT_NAME), "Courier New");
        EXPECT_EQ(ItemText(dialog, IDC_FONT_DESCRIPTION), "Regular, 10 point");
        EXPECT_TRUE(IsChecked(dialog, IDC_PAGE_HEADER_CUSTOM));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_CUSTOM_HEADER_TEXT)));
        Click(dialog, IDC_PAGE_HEADER_FILE_NAME);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_CUSTOM_HEADER_TEXT)));
        Click(dialog, IDC_PRINT_BLANK_LINES);
        Click(dialog, IDC_PRINT_MARKED_RECORDS);
        Click(dialog, IDC_MARK);
        Click(dialog, IDOK);
    });
    CPrintInfo info;
    EXPECT_TRUE(View().OnPreparePrinting(info));
    const DocumentSettings& s = Doc().Settings();
    EXPECT_FALSE(s.printing.customHeader);
    EXPECT_EQ(s.printing.customHeaderText, "");  // emptied with the file name as header
    EXPECT_TRUE(s.printing.blankLineBetween);
    EXPECT_FALSE(s.printing.allRecords);
    EXPECT_FALSE(s.columns[kColMark].printed);
    EXPECT_TRUE(Doc().IsModified());
}

// Picks `entry` in a combo box of the Font dialog, as a click in its list does.
void PickFontEntry(HWND font, int box, const char* entry) {
    HWND combo = ::GetDlgItem(font, box);
    ::SendMessageA(combo, CB_SELECTSTRING, WPARAM(-1), LPARAM(entry));
    ::SendMessageA(font, WM_COMMAND, MAKEWPARAM(box, CBN_SELCHANGE), LPARAM(combo));
}

TEST_F(PrintingTest, ChangeFontTakesTheChosenSizeAndStyle) {
    ASSERT_TRUE(Open());
    fontDriver.Then([](HWND font) {
        PickFontEntry(font, kFontSizeBox, "14");
        Click(font, IDOK);
    });
    fontDriver.Then([](HWND font) {
        PickFontEntry(font, kFontStyleBox, "Bold");
        Click(font, IDOK);
    });
    driver.Then([](HWND dialog) {
        Click(dialog, IDC_CHANGE_FONT);
        EXPECT_EQ(ItemText(dialog, IDC_FONT_DESCRIPTION), "Regular, 14 point");
        Click(dialog, IDC_CHANGE_FONT);
        EXPECT_EQ(ItemText(dialog, IDC_FONT_DESCRIPTION), "Bold, 14 point");
        Click(dialog, IDOK);
    });
    CPrintInfo info;
    EXPECT_TRUE(View().OnPreparePrinting(info));
    EXPECT_EQ(fontDriver.Opened(), 2);
    EXPECT_EQ(Doc().Settings().printing.fontHeight, 140);
    EXPECT_EQ(Doc().Settings().printing.fontWeight, 700);
}

// Where the printed PostScript goes: TW_PRINT_OUTPUT (the page check renders it), else a
// temporary file.
std::string PrintOutput() {
    const char* path = std::getenv("TW_PRINT_OUTPUT");
    return path != nullptr && *path != '\0' ? std::string(path) : std::string();
}

int CountPages(const std::string& postScript) {
    int pages = 0;
    for (size_t at = postScript.find("\n%%Page:"); at != std::string::npos;
         at = postScript.find("\n%%Page:", at + 1))
        ++pages;
    return pages;
}

TEST_F(PrintingTest, TheSamplePrintsOnAPostScriptPrinter) {
    std::string output = PrintOutput();
    if (output.empty()) output = TempPath("tw_printed.ps");
    ::DeleteFileA(output.c_str());
    WinePostScriptPrinter printer;
    std::string why;
    ASSERT_TRUE(printer.Install(output, why)) << why;
    ASSERT_TRUE(Open());
    Change(FewColumnsSpaced);
    HDC dc = printer.CreateDC();
    ASSERT_NE(dc, nullptr);
    CPrintInfo info;
    info.drawArea = PageRectOf(dc);
    View().OnBeginPrinting(dc, info);
    View().OnEndPrinting(dc, info);
    EXPECT_GE(info.maxPage, 2);
    EXPECT_TRUE(View().PrintTo(dc));
    ::DeleteDC(dc);
    std::ifstream file(output, std::ios::binary);
    const std::string postScript{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(CountPages(postScript), info.maxPage);
    EXPECT_TRUE(prompter_.shown.empty());
}

// Notes that fit one line are measured without wrapping; the result is what wrapping gives.
TEST(PrintFontOnDCTest, OneLineNotesMeasureAsWrappedOnes) {
    HDC screen = ::GetDC(nullptr);
    {
        PrintFontOnDC font(screen, PrintSettings{});
        const std::string notes = "Kick-off call, agreed on scope";
        RECT box{0, 0, 10000, 0};
        const int line = ::DrawTextA(screen, notes.c_str(), -1, &box,
                                     DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
        EXPECT_EQ(font.WrappedHeight(notes, 10000), line);
        EXPECT_EQ(font.WrappedHeight(notes, box.right), line);
        EXPECT_EQ(font.WrappedHeight(notes, box.right * 2 / 3), 2 * line);
        EXPECT_EQ(font.WrappedHeight("one\r\ntwo", 10000), 2 * line);
        EXPECT_EQ(font.WrappedHeight("", 10000), 0);
    }
    ::ReleaseDC(nullptr, screen);
}

TEST_F(PrintingTest, NothingSelectedIsToldAfterEachPageAlsoInPreview) {
    ASSERT_TRUE(Open());
    Change([](DocumentSettings& s) {
        for (ColumnSetting& c : s.columns) c.printed = false;
        s.printing.pageHeader = s.printing.columnNames = s.printing.totals = false;
    });
    driver.Then([](HWND dialog) { Click(dialog, IDOK); });
    Command(ID_FILE_PRINT_PREVIEW);
    CPrintPreview* preview = App().MainFrame()->Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->PageCount(), 1);
    EXPECT_EQ(preview->CurrentPage(), 1);
    EXPECT_EQ(Shown(LoadResourceString(IDS_NOTHING_TO_PRINT)), 1);
    preview->Close();
    EXPECT_EQ(App().MainFrame()->Preview(), nullptr);
}

}  // namespace
}  // namespace tw::test
