// The main and document windows of the real program: compacting, auto-save, the system-menu
// popups of the documents and closing.
#include <windows.h>

#include "app/res/resource.h"
#include "app/win32/main_frame.h"
#include "doc/document.h"
#include "framework/command_ids.h"
#include "framework/win32/child_frame.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/document.h"
#include "tests/app/win32/program_fixture.h"
#include "view/win32/form_dlg.h"

namespace tw::test {
namespace {

using FramesTest = ProgramTest;

LONG StyleOf(HWND w) { return ::GetWindowLongA(w, GWL_STYLE); }

CFormDlg* ViewOf(HWND child) {
    for (CFormDlg* view : TheTallywickApp()->Views()) {
        if (view->Frame() != nullptr && view->Frame()->Handle() == child) return view;
    }
    return nullptr;
}

TEST_F(FramesTest, CompactingADocumentWindowTakesItsSizingAwayUntilRestored) {
    ASSERT_TRUE(Start({SampleCopy("tw_compact.tw")}));
    HWND child = DocumentWindows().at(0);
    RECT before;
    ::GetWindowRect(child, &before);
    Command(ID_COMPACT_RESTORE);
    EXPECT_FALSE(StyleOf(child) & WS_MAXIMIZEBOX);
    EXPECT_FALSE(StyleOf(child) & WS_THICKFRAME);
    RECT compact;
    ::GetWindowRect(child, &compact);
    EXPECT_LT(compact.right - compact.left, before.right - before.left);
    Command(ID_COMPACT_RESTORE);
    EXPECT_TRUE(StyleOf(child) & WS_MAXIMIZEBOX);
    EXPECT_TRUE(StyleOf(child) & WS_THICKFRAME);
    RECT after;
    ::GetWindowRect(child, &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

TEST_F(FramesTest, CompactingWithNoDocumentOnlySetsTheFlag) {
    ASSERT_TRUE(Start());
    RECT before;
    ::GetWindowRect(Main(), &before);
    Command(ID_COMPACT_ALL_TOGGLE);
    auto* main = dynamic_cast<CMainFrame*>(App().MainFrame());
    EXPECT_TRUE(main->IsCompacted());
    RECT after;
    ::GetWindowRect(Main(), &after);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    Command(ID_COMPACT_ALL_TOGGLE);
    EXPECT_FALSE(main->IsCompacted());
}

TEST_F(FramesTest, CompactingAllMinimizesTheDocumentsAndShrinksTheMainWindow) {
    ASSERT_TRUE(Start({SampleCopy("tw_compact_all.tw")}));
    RECT before;
    ::GetWindowRect(Main(), &before);
    Command(ID_COMPACT_ALL);
    EXPECT_TRUE(::IsIconic(DocumentWindows().at(0)));
    RECT after;
    ::GetWindowRect(Main(), &after);
    EXPECT_LT(after.bottom - after.top, before.bottom - before.top);
    Command(ID_RESTORE_ALL);
    ::GetWindowRect(Main(), &after);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

TEST_F(FramesTest, AutoSaveSavesOnlyDocumentsWithAPath) {
    Settings().WriteString("Tallywick", "AutoSave", "TRUE");
    Settings().WriteString("Tallywick", "AutoSaveMinutes", "1");
    const std::string path = SampleCopy("tw_autosave.tw");
    ASSERT_TRUE(Start({path}));
    Command(kCmdFileNew);
    ASSERT_EQ(App().DocTemplate()->Documents().size(), 2u);
    for (const auto& doc : App().DocTemplate()->Documents()) doc->SetModifiedFlag();
    App().ResetAutoSaveClock();
    clock_.Advance(60);
    ::SendMessageA(Main(), WM_TIMER, CTallywickApp::kAutoSaveTimer, 0);
    for (const auto& doc : App().DocTemplate()->Documents()) {
        EXPECT_EQ(doc->IsModified(), doc->GetPathName().empty()) << doc->GetTitle();
        doc->SetModifiedFlag(false);  // closing would ask for a path in a file dialog
    }
}

TEST_F(FramesTest, EachDocumentGetsItsOwnSystemMenuBlock) {
    ASSERT_TRUE(Start({SampleCopy("tw_block_1.tw")}));
    Command(kCmdFileNew);
    std::vector<unsigned> bases;
    for (CFormDlg* view : App().Views()) bases.push_back(view->MenuBase());
    ASSERT_EQ(bases.size(), 2u);
    EXPECT_NE(bases[0], bases[1]);
    EXPECT_EQ(bases[0] % 16, 0u);
    // A block of a closed document is given out again only when free.
    HWND second = DocumentWindows().at(0);
    CFormDlg* view = ViewOf(second);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(App().ViewOfMenuId(view->MenuBase() + 2), view);
}

TEST_F(FramesTest, ADocumentWhoseSaveFailsStaysOpenAndTheUserIsTold) {
    Settings().WriteString("Tallywick", "AutoSave", "TRUE");
    Settings().WriteString("Tallywick", "AutoSaveMinutes", "5");
    ASSERT_TRUE(Start({SampleCopy("tw_save_fails.tw")}));
    CAppDocument* doc = App().DocTemplate()->Documents().at(0).get();
    doc->SetPathName(TempPath("no such folder\\tw_save_fails.tw"));
    doc->SetModifiedFlag();
    HWND child = DocumentWindows().at(0);
    ::SendMessageA(child, WM_CLOSE, 0, 0);
    App().PumpPending();
    EXPECT_TRUE(::IsWindow(child));
    EXPECT_FALSE(prompter_.shown.empty());
    EXPECT_TRUE(doc->IsModified());
    doc->SetModifiedFlag(false);
}

}  // namespace
}  // namespace tw::test
