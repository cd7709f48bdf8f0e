// In-cell editing in the real program's time table.
#include <windows.h>

#include "app/res/resource.h"
#include "doc/document.h"
#include "doc/time_rec.h"
#include "framework/local_time.h"
#include "framework/win32/mdi_frame.h"
#include "tests/app/win32/program_fixture.h"
#include "view/win32/form_dlg.h"

namespace tw::test {
namespace {

class EditingTest : public ProgramTest {
protected:
    void SetUp() override { ASSERT_TRUE(Start({SampleCopy("tw_editing.tw")})); }
    CFormDlg& View() { return *dynamic_cast<CFormDlg*>(App().MainFrame()->ActiveView()); }
    CWorkmetrDoc& Doc() { return *View().Document(); }
    bool Editing() { return ::SendMessageA(Grid(), grid::kEditing, grid::kEditQuery, 0) > 0; }
    void MakeCurrent(int column, int row) {
        ::SendMessageA(Grid(), grid::kSetCurrentCell, column, row);
    }
    HWND Editor() {
        return reinterpret_cast<HWND>(::SendMessageA(Grid(), grid::kGetEditorWindow, 0, 0));
    }
};

TEST_F(EditingTest, F2OnTheStopOfTheRunningRecordDoesNothing) {
    ::SendMessageA(Grid(), grid::kSelectAll, 0, 0);
    Command(ID_START_STOP);
    const int row = View().RowOfRecord(Doc().GetActiveRecord());
    MakeCurrent(grid::kColStopTime, row);
    Command(ID_EDIT_CELL);
    EXPECT_FALSE(Editing());
    MakeCurrent(grid::kColCharge, 0);
    Command(ID_EDIT_CELL);
    EXPECT_FALSE(Editing());
    MakeCurrent(grid::kColNotes, 0);
    Command(ID_EDIT_CELL);
    EXPECT_TRUE(Editing());
}

TEST_F(EditingTest, ADotTypedIntoATimeCellBecomesAColon) {
    MakeCurrent(grid::kColElapsedTime, 0);
    Command(ID_EDIT_CELL);
    ASSERT_TRUE(Editing());
    HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    ::SetWindowTextA(editor, "");
    for (char c : std::string("1.30")) ::SendMessageA(editor, WM_CHAR, c, 0);
    char text[64] = {};
    ::GetWindowTextA(editor, text, sizeof text);
    EXPECT_STREQ(text, "1:30");
}

TEST_F(EditingTest, TwelveWithoutADesignatorBecomesAfternoonAndReachesTheRecord) {
    const int key = View().RecordOfRow(0);
    MakeCurrent(grid::kColStartTime, 0);
    Command(ID_EDIT_CELL);
    ASSERT_TRUE(Editing());
    ::SetWindowTextA(Editor(), "12:30");
    // The edit's end as the grid announces it: the text gets the afternoon letter.
    ::SendMessageA(::GetParent(Grid()), WM_COMMAND, MAKEWPARAM(197, grid::kNotifyEditEnd),
                   reinterpret_cast<LPARAM>(Grid()));
    char text[64] = {};
    ::GetWindowTextA(Editor(), text, sizeof text);
    EXPECT_STREQ(text, "12:30 P");
    ::SetWindowTextA(Editor(), "12:30 a");
    ::SendMessageA(::GetParent(Grid()), WM_COMMAND, MAKEWPARAM(197, grid::kNotifyEditEnd),
                   reinterpret_cast<LPARAM>(Grid()));
    ::GetWindowTextA(Editor(), text, sizeof text);
    EXPECT_STREQ(text, "12:30 a") << "a typed designator letter stays";
    ::SetWindowTextA(Editor(), "12:30");
    ::SendMessageA(Grid(), grid::kEditing, grid::kEditCommit, 0);
    App().PumpPending();
    const LocalParts start = SplitLocalTime(Doc().GetRecord(key)->GetStart());
    EXPECT_EQ(start.hour, 12);
    EXPECT_EQ(start.minute, 30);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(EditingTest, AChangeNotifiedForTheHeaderChangesNothing) {
    ::SendMessageA(Grid(), WM_LBUTTONDOWN, 0, MAKELPARAM(40, 4));  // on the header
    ::SendMessageA(Grid(), WM_LBUTTONUP, 0, MAKELPARAM(40, 4));
    ASSERT_EQ(::SendMessageA(Grid(), grid::kGetNotifyRow, 0, 0), grid::kHeaderRow);
    Doc().SetModifiedFlag(false);
    HWND form = ::GetParent(Grid());
    ::SendMessageA(form, WM_COMMAND, MAKEWPARAM(197, grid::kNotifyCellChanged),
                   reinterpret_cast<LPARAM>(Grid()));
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(EditingTest, InsAddsARowAtTheEnd) {
    Command(ID_ADD_ROW);
    EXPECT_EQ(RowCount(), 31);
    EXPECT_EQ(Doc().GetRecordCount(), 31);
    EXPECT_EQ(View().RecordOfRow(30), 30);
}

}  // namespace
}  // namespace tw::test
