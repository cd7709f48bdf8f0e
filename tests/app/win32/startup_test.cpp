// Start-up and the general settings of the real program.
#include <windows.h>
#include <commctrl.h>

#include "app/res/resource.h"
#include "framework/command_ids.h"
#include "framework/win32/mdi_frame.h"
#include "tests/app/win32/program_fixture.h"

namespace tw::test {
namespace {

using StartupTest = ProgramTest;

TEST_F(StartupTest, AnEmptySettingsStoreOpensNoDocumentAtMenuHeight) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(DocumentWindows().empty());
    RECT rect;
    ::GetWindowRect(Main(), &rect);
    const int menu = ::GetSystemMetrics(SM_CYMENU);
    EXPECT_EQ(rect.left, menu);
    EXPECT_EQ(rect.top, menu);
    EXPECT_FALSE(App().General().AutoSaveActive());
    EXPECT_TRUE(App().General().confirmDelete);
    EXPECT_TRUE(App().LibrariesLoaded());
    EXPECT_TRUE(prompter_.shown.empty());
    char className[64] = {};
    ::GetClassNameA(MdiClient(), className, sizeof className);
    EXPECT_STREQ(className, "MDIClient");
}

TEST_F(StartupTest, ReopensTheStoredPathsAndSkipsEmptyOnes) {
    const std::string first = SampleCopy("tw_reopen_1.tw");
    const std::string third = SampleCopy("tw_reopen_3.tw");
    Settings().WriteInt("Tallywick", "FileOpenOption", 2);
    Settings().WriteInt("Tallywick", "numDocPaths", 3);
    Settings().WriteString("Tallywick", "DocFileName1", first);
    Settings().WriteString("Tallywick", "DocFileName2", "");
    Settings().WriteString("Tallywick", "DocFileName3", third);
    ASSERT_TRUE(Start());
    EXPECT_EQ(DocumentWindows().size(), 2u);
    EXPECT_TRUE(prompter_.shown.empty());
    // Closing records the open documents for the next start.
    Close();
    EXPECT_EQ(Settings().GetInt("Tallywick", "numDocPaths", 0), 2);
    EXPECT_EQ(Settings().GetString("Tallywick", "DocFileName1", ""), first);
    EXPECT_EQ(Settings().GetString("Tallywick", "DocFileName2", ""), third);
}

TEST_F(StartupTest, AFileOnTheCommandLineWinsOverTheStartupChoice) {
    Settings().WriteInt("Tallywick", "FileOpenOption", 1);
    ASSERT_TRUE(Start({SampleCopy("tw_command_line.tw")}));
    ASSERT_EQ(DocumentWindows().size(), 1u);
    EXPECT_EQ(RowCount(), 30);
}

TEST_F(StartupTest, StoredValuesOutOfRangeAndFlagsReadAsTheirMappings) {
    Settings().WriteInt("Tallywick", "StartAdjust", 0);
    Settings().WriteInt("Tallywick", "ElapsedAdjust", 2);
    Settings().WriteInt("Tallywick", "GeneralAdjust", 7);
    Settings().WriteString("Tallywick", "AutoSave", "true");
    Settings().WriteString("Tallywick", "AutoSaveMinutes", "5");
    Settings().WriteInt("Tallywick", "FileOpenOption", 1);
    ASSERT_TRUE(Start());
    EXPECT_EQ(App().General().startAdjust, RecalcTarget::kElapsed);
    EXPECT_EQ(App().General().elapsedAdjust, RecalcTarget::kStop);
    EXPECT_EQ(App().General().generalAdjust, RecalcTarget::kElapsed);
    EXPECT_FALSE(App().General().AutoSaveActive());
    EXPECT_EQ(DocumentWindows().size(), 1u) << "start-up choice 1: a new document";
}

TEST_F(StartupTest, AHiddenToolBarStaysHiddenAcrossARestart) {
    Settings().WriteString("Tallywick", "ToolBarVisible", "FALSE");
    ASSERT_TRUE(Start());
    CMDIFrame& frame = *App().MainFrame();
    EXPECT_FALSE(frame.ToolBar().IsVisible());
    EXPECT_TRUE(frame.StatusBar().IsVisible());
    HMENU view = nullptr;
    HMENU bar = ::GetMenu(Main());
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        HMENU sub = ::GetSubMenu(bar, i);
        if (::GetMenuState(sub, kCmdViewToolBar, MF_BYCOMMAND) != static_cast<UINT>(-1)) view = sub;
    }
    ASSERT_NE(view, nullptr);
    ::SendMessageA(Main(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 0);
    EXPECT_FALSE(::GetMenuState(view, kCmdViewToolBar, MF_BYCOMMAND) & MF_CHECKED);
    Close();
    EXPECT_EQ(Settings().GetString("Tallywick", "ToolBarVisible", ""), "FALSE");
    EXPECT_EQ(Settings().GetString("Tallywick", "StatusBarVisible", ""), "TRUE");
}

TEST_F(StartupTest, AMissingLibraryIsNamedAndStartUpGoesOn) {
    gridLibrary_ = "missing_grid.dll";
    ASSERT_TRUE(Start({SampleCopy("tw_no_grid.tw")}));
    ASSERT_GE(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0],
              "Unable to load DLL file: missing_grid.dll\nThis file must be in the directory with "
              "Tallywick program file.\nReinstall Tallywick if necessary.");
    EXPECT_FALSE(App().LibrariesLoaded());
    EXPECT_TRUE(::IsWindow(Main()));
}

TEST_F(StartupTest, ADamagedFileShowsTheOpenErrorAndTheProgramGoesOn) {
    const std::string path = TempPath("tw_damaged.tw");
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, "not a time file at all", 22, &written, nullptr);
    ::CloseHandle(file);
    ASSERT_TRUE(Start({path}));
    EXPECT_TRUE(DocumentWindows().empty());
    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0],
              "Open Error\nThis file is not a Tallywick file or the file is corrupted.");
    EXPECT_TRUE(::IsWindow(Main()));
    Command(kCmdFileNew);
    EXPECT_EQ(DocumentWindows().size(), 1u);
}

TEST_F(StartupTest, ATruncatedFileShowsTheOpenErrorOnce) {
    const std::string source = SampleCopy("tw_whole.tw");
    const std::string path = TempPath("tw_truncated.tw");
    HANDLE in = ::CreateFileA(source.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    char bytes[200];
    DWORD read = 0;
    ::ReadFile(in, bytes, sizeof bytes, &read, nullptr);
    ::CloseHandle(in);
    HANDLE out = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(out, bytes, read, &written, nullptr);
    ::CloseHandle(out);
    ASSERT_TRUE(Start({path}));
    EXPECT_TRUE(DocumentWindows().empty());
    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0].rfind("Open Error", 0), 0u);
}

}  // namespace
}  // namespace tw::test
