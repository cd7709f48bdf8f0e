// Copy, Cut, Paste, Delete and Undelete in the real program's time table, with the text the
// system clipboard receives, and the Edit commands on an open cell editor.
#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "app/res/resource.h"
#include "dialogs/record_line.h"
#include "doc/document.h"
#include "doc/project_cost.h"
#include "doc/time_rec.h"
#include "framework/command_state.h"
#include "framework/win32/mdi_frame.h"
#include "tests/app/win32/program_fixture.h"
#include "view/win32/form_dlg.h"

namespace tw::test {
namespace {

class ClipboardTest : public ProgramTest {
protected:
    void SetUp() override {
        Settings().WriteString("Tallywick", "DisplayDeleteTimeRecConfirmDlg",
                               AsksBeforeDelete() ? "TRUE" : "FALSE");
        ASSERT_TRUE(Start({SampleCopy("tw_clipboard.tw")}));
    }
    virtual bool AsksBeforeDelete() const { return true; }
    CFormDlg& View() { return *dynamic_cast<CFormDlg*>(App().MainFrame()->ActiveView()); }
    CWorkmetrDoc& Doc() { return *View().Document(); }
    const RecordCopies& Copied() { return *App().CopiedRecords(); }
    void Select(std::initializer_list<int> rows) {
        ::SendMessageA(Grid(), grid::kSelectAll, 0, 0);
        for (int row : rows) ::SendMessageA(Grid(), grid::kSelectRow, 1, row);
    }
    std::string Notes(int key) { return Doc().GetRecord(key)->GetNotes(); }
    // Gives each record notes naming its position, to follow records around.
    void NameRecords() {
        for (int i = 0; i < Doc().GetRecordCount(); ++i)
            Doc().GetRecord(i)->SetNotes("r" + std::to_string(i));
        View().RefreshAllRows();
    }
    static std::string ClipboardText() {
        std::string text;
        if (!::OpenClipboard(nullptr)) return "(no clipboard)";
        if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
            if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) text = bytes;
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
        return text;
    }
    bool Enabled(unsigned id) {
        CommandState state(id);
        View().HandleUpdate(state);
        return state.Enabled().value_or(false);
    }
};

TEST_F(ClipboardTest, CopyOfTheRunningRecordIsStoppedWhileTheRecordRuns) {
    Select({});
    Command(ID_START_STOP);
    const int active = Doc().GetActiveRecord();
    clock_.Advance(125);
    ::SendMessageA(View().Handle(), WM_TIMER, CFormDlg::kClockTimer, 0);
    Select({View().RowOfRecord(active)});
    Command(ID_EDIT_COPY);
    ASSERT_EQ(Copied().Count(), 1u);
    EXPECT_FALSE(Copied().At(0).IsRunning());
    EXPECT_EQ(Copied().At(0).GetElapsed(), 125);
    EXPECT_TRUE(Doc().GetRecord(active)->IsRunning());
    EXPECT_EQ(ClipboardText(), ClipboardLine(Doc(), Copied().At(0)));
}

TEST_F(ClipboardTest, NotesWithLineBreaksGiveOneClipboardLinePerRecord) {
    Doc().GetRecord(View().RecordOfRow(0))->SetNotes("first\r\nsecond\nthird");
    Select({0, 1});
    Command(ID_EDIT_COPY);
    const std::string text = ClipboardText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_NE(text.find("first  second third"), std::string::npos);
    EXPECT_NE(text.substr(text.size() - 2, 1), "\t") << "no trailing tab";
}

TEST_F(ClipboardTest, PasteIntoANewDocumentAddsTheMissingProject) {
    const int key = View().RecordOfRow(0);
    const CTimeRec& record = *Doc().GetRecord(key);
    std::string name = Doc().GetItemList(kProjectList)->at(record.GetProjectIndex())->GetName();
    ASSERT_FALSE(name.empty());
    Select({0});
    Command(ID_EDIT_COPY);
    Command(ID_FILE_NEW);
    App().PumpPending();
    ASSERT_EQ(Doc().GetRecordCount(), 0);
    ASSERT_EQ(Doc().FindItemByName(kProjectList, name), -1);
    Command(ID_EDIT_PASTE);
    ASSERT_EQ(Doc().GetRecordCount(), 1);
    const int added = Doc().FindItemByName(kProjectList, name);
    EXPECT_GE(added, 0);
    EXPECT_EQ(Doc().GetRecord(0)->GetProjectIndex(), added);
    EXPECT_EQ(RowCount(), 1);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(ClipboardTest, PasteGoesBeforeTheOneSelectedRowElseAtTheEnd) {
    NameRecords();
    const int count = Doc().GetRecordCount();
    ASSERT_GE(count, 4);
    Select({0, 1});
    Command(ID_EDIT_COPY);
    Select({3});
    Command(ID_EDIT_PASTE);
    ASSERT_EQ(Doc().GetRecordCount(), count + 2);
    EXPECT_EQ(Notes(3), "r0");
    EXPECT_EQ(Notes(4), "r1");
    EXPECT_EQ(Notes(5), "r3");
    EXPECT_EQ(RowCount(), count + 2);
    EXPECT_EQ(CellText(View().RowOfRecord(4), grid::kColNotes), "r1") << "rows follow the keys";
    Select({0, 2});
    Command(ID_EDIT_PASTE);
    ASSERT_EQ(Doc().GetRecordCount(), count + 4);
    EXPECT_EQ(Notes(count + 2), "r0");
    EXPECT_EQ(Notes(count + 3), "r1");
}

TEST_F(ClipboardTest, DeleteAsksWhenTheSettingIsOnAndCancelKeepsTheRows) {
    const int count = Doc().GetRecordCount();
    Select({0});
    prompter_.answers = {PromptAnswer::Cancel};
    Command(ID_EDIT_CLEAR);
    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_NE(prompter_.shown[0].find("DELETE the selected rows"), std::string::npos);
    EXPECT_EQ(Doc().GetRecordCount(), count);
    prompter_.answers = {PromptAnswer::Ok};
    Command(ID_DELETE_ROWS);
    EXPECT_EQ(Doc().GetRecordCount(), count - 1);
    EXPECT_EQ(RowCount(), count - 1);
}

class QuietDeleteTest : public ClipboardTest {
protected:
    bool AsksBeforeDelete() const override { return false; }
};

TEST_F(QuietDeleteTest, DeleteOfTheRunningRecordStopsItAndUndeleteBringsItBackIdle) {
    const int count = Doc().GetRecordCount();
    Select({});
    Command(ID_START_STOP);
    clock_.Advance(60);
    Select({View().RowOfRecord(Doc().GetActiveRecord()), 0});
    Command(ID_EDIT_CLEAR);
    EXPECT_TRUE(prompter_.shown.empty());
    EXPECT_TRUE(Doc().IsStopped());
    EXPECT_EQ(Doc().GetActiveRecord(), -1);
    EXPECT_FALSE(View().HasClockTimer());
    EXPECT_EQ(Doc().GetRecordCount(), count - 1);
    EXPECT_EQ(View().UndeleteStore().Count(), 2u);
    EXPECT_TRUE(Enabled(ID_UNDELETE_ROWS));
    Select({});
    Command(ID_UNDELETE_ROWS);
    ASSERT_EQ(Doc().GetRecordCount(), count + 1);
    EXPECT_FALSE(Doc().GetRecord(count)->IsRunning());
    EXPECT_EQ(Doc().GetRecord(count)->GetElapsed(), 60);
    EXPECT_TRUE(Doc().IsStopped());
    EXPECT_TRUE(View().UndeleteStore().Empty());
    EXPECT_FALSE(Enabled(ID_UNDELETE_ROWS));
}

TEST_F(QuietDeleteTest, UndeleteRestoresOnlyTheLastDeleteAndNothingOfACut) {
    NameRecords();
    const int count = Doc().GetRecordCount();
    Select({0});
    Command(ID_EDIT_CLEAR);  // r0
    Select({0});
    Command(ID_EDIT_CLEAR);  // r1
    Select({0});
    Command(ID_EDIT_CUT);  // r2: copied, not kept for Undelete
    EXPECT_EQ(Copied().Count(), 1u);
    EXPECT_EQ(Copied().At(0).GetNotes(), "r2");
    ASSERT_EQ(Doc().GetRecordCount(), count - 3);
    Select({});
    Command(ID_UNDELETE_ROWS);
    ASSERT_EQ(Doc().GetRecordCount(), count - 2);
    EXPECT_EQ(Notes(count - 3), "r1");
    for (int i = 0; i < Doc().GetRecordCount(); ++i) {
        EXPECT_NE(Notes(i), "r0");
        EXPECT_NE(Notes(i), "r2");
    }
    Command(ID_UNDELETE_ROWS);  // emptied: nothing more
    EXPECT_EQ(Doc().GetRecordCount(), count - 2);
    EXPECT_EQ(RowCount(), count - 2);
}

TEST_F(ClipboardTest, EditCommandsActOnAnOpenCellEditor) {
    const int count = Doc().GetRecordCount();
    Select({0});
    ::SendMessageA(Grid(), grid::kSetCurrentCell, grid::kColNotes, 0);
    Command(ID_EDIT_CELL);
    HWND editor = reinterpret_cast<HWND>(::SendMessageA(Grid(), grid::kGetEditorWindow, 0, 0));
    ASSERT_NE(editor, nullptr);
    ::SetWindowTextA(editor, "abc");
    ::SendMessageA(editor, EM_SETSEL, 1, 1);
    Command(ID_EDIT_CLEAR);  // the character after the caret
    char text[64] = {};
    ::GetWindowTextA(editor, text, sizeof text);
    EXPECT_STREQ(text, "ac");
    ::SendMessageA(editor, EM_SETSEL, 0, 1);
    Command(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "a");
    Command(ID_EDIT_PASTE);
    Command(ID_DELETE_ROWS);  // asks, then does nothing
    EXPECT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(Doc().GetRecordCount(), count);
    EXPECT_TRUE(Copied().Empty());
    ::SendMessageA(Grid(), grid::kEditing, grid::kEditCommit, 0);

    ::SendMessageA(Grid(), grid::kSetCurrentCell, grid::kColProject, 0);
    Command(ID_EDIT_CELL);
    ASSERT_TRUE(::SendMessageA(Grid(), grid::kEditing, grid::kEditQuery, 0) > 0);
    Command(ID_EDIT_CLEAR);  // nothing on a drop-down cell
    Command(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "a");
    EXPECT_EQ(Doc().GetRecordCount(), count);
}

}  // namespace
}  // namespace tw::test
