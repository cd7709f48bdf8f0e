// The sample program in a real window: its start-up, its bars and menus, and the recent-file
// list surviving a restart.
#include <gtest/gtest.h>

#include <cstdio>

#include <windows.h>
#include <commctrl.h>

#include "framework/command_ids.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/settings_store.h"
#include "sample_app.h"
#include "sample_doc.h"
#include "sample_frames.h"
#include "sample_resources.h"

namespace tw::sample {
namespace {

const char kKey[] = "TallywickTests\\Sample";

std::string TempFile(int i) {
    char folder[MAX_PATH] = "";
    ::GetTempPathA(sizeof folder, folder);
    return std::string(folder) + "tw_sample_" + std::to_string(i) + ".tws";
}

std::vector<std::string> FileMenuEntries(CApp& app) {
    HMENU file = ::GetSubMenu(::GetMenu(app.MainWindow()), 0);
    ::SendMessageA(app.MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    std::vector<std::string> entries;
    for (UINT id = kCmdFileMru1; id < kCmdFileMru1 + 4; ++id) {
        char text[MAX_PATH + 8] = "";
        if (::GetMenuStringA(file, id, text, sizeof text, MF_BYCOMMAND) > 0)
            entries.push_back(text);
    }
    return entries;
}

TEST(SampleProgram, StartsWithTwoDocumentWindowsBarsAndMenus) {
    RegistrySettingsStore(kKey).DeleteAll();
    CSampleApp app(kKey, true);
    ASSERT_TRUE(app.InitInstance());
    CMDIFrame& main = *app.MainFrame();
    EXPECT_EQ(app.DocTemplate()->Documents().size(), 2u);
    EXPECT_EQ(main.ActiveDocument()->GetTitle(), "Tally2");
    EXPECT_TRUE(main.ToolBar().IsVisible());
    EXPECT_TRUE(main.StatusBar().IsVisible());
    EXPECT_EQ(main.ToolBar().Send(TB_BUTTONCOUNT), 12);
    EXPECT_EQ(FileMenuEntries(app), (std::vector<std::string>{"Recent File"}));

    // The document's update handler sets the count item's text, the pin button follows.
    auto* doc = static_cast<CSampleDoc*>(main.ActiveDocument());
    ::SendMessageA(main.Handle(), WM_COMMAND, ID_SAMPLE_COUNT, 0);
    ::SendMessageA(main.Handle(), WM_COMMAND, ID_SAMPLE_PIN, 0);
    EXPECT_EQ(doc->count, 1);
    app.PumpPending();
    auto& child = static_cast<CSampleChild&>(*main.ActiveChild());
    EXPECT_TRUE(child.ToolBar().IsChecked(ID_SAMPLE_PIN));
    EXPECT_FALSE(child.ToolBar().IsEnabled(ID_SAMPLE_COUNT));
    ::SendMessageA(child.Handle(), WM_SYSCOMMAND, ID_SAMPLE_START, 0);
    EXPECT_EQ(child.starts, 1);

    // Hiding the tool bar is remembered for the next start.
    ::SendMessageA(main.Handle(), WM_COMMAND, kCmdViewToolBar, 0);
    EXPECT_FALSE(main.ToolBar().IsVisible());
    doc->SetModifiedFlag(false);
    ::SendMessageA(main.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(RegistrySettingsStore(kKey).GetString(kSampleSection, "ToolBarVisible", ""), "FALSE");
}

TEST(SampleProgram, RecentFilesKeepFourEntriesAcrossARestart) {
    RegistrySettingsStore(kKey).DeleteAll();
    {
        CSampleApp app(kKey, false);
        ASSERT_TRUE(app.InitInstance());
        for (int i = 1; i <= 5; ++i) {
            CAppDocument* doc = app.NewDocument();
            ASSERT_NE(doc, nullptr);
            static_cast<CSampleDoc*>(doc)->count = i;
            ASSERT_TRUE(doc->DoSave(TempFile(i)));
        }
        app.CloseAllDocuments();
        ::SendMessageA(app.MainWindow(), WM_CLOSE, 0, 0);
        app.ExitInstance();
    }
    CSampleApp again(kKey, false);
    ASSERT_TRUE(again.InitInstance());
    const RecentFileList& recent = again.RecentFiles();
    EXPECT_EQ(recent.Paths(),
              (std::vector<std::string>{TempFile(5), TempFile(4), TempFile(3), TempFile(2)}));
    std::vector<std::string> entries = FileMenuEntries(again);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0], "&1 " + TempFile(5));
    EXPECT_EQ(entries[3], "&4 " + TempFile(2));

    // Choosing the second entry opens that file and makes it the newest.
    ::SendMessageA(again.MainWindow(), WM_COMMAND, kCmdFileMru1 + 1, 0);
    auto* opened = static_cast<CSampleDoc*>(again.MainFrame()->ActiveDocument());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->count, 4);
    EXPECT_EQ(again.RecentFiles().At(0), TempFile(4));
    for (int i = 1; i <= 5; ++i) ::DeleteFileA(TempFile(i).c_str());
}

}  // namespace
}  // namespace tw::sample
