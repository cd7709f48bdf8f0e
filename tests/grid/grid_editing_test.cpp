// In-cell editing through the real window: the notification order, the typed-character
// protocol, refusing an edit, committing and cancelling, choice lists and mark cells.
#include <string>

#include "tests/grid/grid_fixture.h"

namespace tw {
namespace test {
namespace {

using GridEditing = GridFixture;

void Type(HWND edit, const std::string& text) {
    for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
}

std::string WindowText(HWND hwnd) {
    char text[512] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

TEST_F(GridEditing, NotificationsComeInOrderAroundAnEdit) {
    SetupTimeTable();
    AppendRow(1, "old");
    grid_.SetCurrentCell(grid::kColProject, 0);
    notifications_.clear();
    ASSERT_EQ(grid_.OpenEditor(), 0);
    EXPECT_TRUE(grid_.IsEditing());
    HWND edit = grid_.GetEditorWindow();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(WindowText(edit), "old");
    SendMessageA(edit, EM_SETSEL, 0, -1);
    Type(edit, "new");
    EXPECT_EQ(grid_.CommitEditor(), 0);
    EXPECT_FALSE(grid_.IsEditing());
    EXPECT_EQ(grid_.GetEditorWindow(), nullptr);
    using N = RecordedNotification;
    const long c = grid::kColProject;
    EXPECT_EQ(notifications_, (std::vector<N>{{grid::kNotifyEditBegin, 0, c},
                                              {grid::kNotifyEditorOpened, 0, c},
                                              {grid::kNotifyCharTyped, 0, c},
                                              {grid::kNotifyCharTyped, 0, c},
                                              {grid::kNotifyCharTyped, 0, c},
                                              {grid::kNotifyEditEnd, 0, c},
                                              {grid::kNotifyCellChanged, 0, c},
                                              {grid::kNotifyDataChanged, 0, c}}));
    EXPECT_EQ(TextCell(0, grid::kColProject), "new");
}

TEST_F(GridEditing, TypedCharactersCanBeReplacedOrDropped) {
    SetupTimeTable();
    AppendRow(1, "p");
    std::string seen;
    onNotify_ = [&](unsigned code) {
        if (code != grid::kNotifyCharTyped) return;
        const char typed = static_cast<char>(grid_.GetTypedChar());
        seen += typed;
        if (typed == '.') grid_.ReplaceTypedChar(':');
        if (typed == '#') grid_.ReplaceTypedChar('\0');
    };
    grid_.SetCurrentCell(grid::kColElapsedTime, 0);
    ASSERT_EQ(grid_.OpenEditor(), 0);
    HWND edit = grid_.GetEditorWindow();
    SetWindowTextA(edit, "");
    Type(edit, "2.3#0");
    EXPECT_EQ(seen, "2.3#0");
    EXPECT_EQ(WindowText(edit), "2:30");
    grid_.CommitEditor();
    EXPECT_EQ(TextCell(0, grid::kColElapsedTime), "2:30");
}

TEST_F(GridEditing, RefusedAndImpossibleEditsOpenNothing) {
    SetupTimeTable();
    AppendRow(1, "p");
    onNotify_ = [&](unsigned code) {
        if (code == grid::kNotifyEditBegin) grid_.RefuseEdit();
    };
    grid_.SetCurrentCell(grid::kColStopTime, 0);
    notifications_.clear();
    EXPECT_NE(grid_.OpenEditor(), 0);
    EXPECT_FALSE(grid_.IsEditing());
    EXPECT_EQ(Codes(), (std::vector<unsigned>{grid::kNotifyEditBegin}));
    onNotify_ = nullptr;
    notifications_.clear();
    const int notEditable[] = {grid::kColCharge, grid::kColPosition, grid::kColMark};
    for (int col : notEditable) {
        grid_.SetCurrentCell(col, 0);
        EXPECT_NE(grid_.OpenEditor(), 0) << "column " << col;
    }
    grid_.SetCurrentCell(grid::kColNotes, grid::kNoRow);
    EXPECT_NE(grid_.OpenEditor(), 0) << "no current row";
    EXPECT_TRUE(notifications_.empty());
    EXPECT_NE(grid_.CommitEditor(), 0) << "nothing to commit";
}

TEST_F(GridEditing, EscapeCancelsAndEnterCommits) {
    SetupTimeTable();
    AppendRow(1, "p", "keep");
    grid_.SetCurrentCell(grid::kColNotes, 0);
    ASSERT_EQ(grid_.OpenEditor(), 0);
    SetWindowTextA(grid_.GetEditorWindow(), "discard");
    notifications_.clear();
    SendMessageA(grid_.GetEditorWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(grid_.IsEditing());
    EXPECT_EQ(Codes(), (std::vector<unsigned>{grid::kNotifyEditEnd}));
    EXPECT_EQ(TextCell(0, grid::kColNotes), "keep");

    grid_.SetCurrentCell(grid::kColNotes, 0);
    ASSERT_EQ(grid_.OpenEditor(), 0);
    SetWindowTextA(grid_.GetEditorWindow(), std::string(400, 'z').c_str());
    SendMessageA(grid_.GetEditorWindow(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(grid_.IsEditing());
    EXPECT_EQ(TextCell(0, grid::kColNotes), std::string(255, 'z'));
}

TEST_F(GridEditing, DatesAndTimesAreReadBackFromTheirText) {
    SetupTimeTable();
    AppendRow(1, "p");
    struct Case {
        int col;
        const char* text;
        uint16_t expected;
    } cases[] = {
        {grid::kColStartDate, "12/31/2030", grid::PackDosDate(2030, 12, 31)},
        {grid::kColStopDate, "2/29/2024", grid::PackDosDate(2024, 2, 29)},
        {grid::kColStartTime, "12:30 P", grid::PackDosTime(12, 30, 0)},
        {grid::kColStopTime, "11:05 PM", grid::PackDosTime(23, 5, 0)},
    };
    for (const Case& c : cases) {
        grid_.SetCurrentCell(c.col, 0);
        ASSERT_EQ(grid_.OpenEditor(), 0);
        SetWindowTextA(grid_.GetEditorWindow(), c.text);
        grid_.CommitEditor();
        uint16_t packed = 0;
        grid_.SetCurrentCell(c.col, 0);
        grid_.ReadCell(&packed);
        EXPECT_EQ(packed, c.expected) << c.text;
    }
    // A text that is no date leaves the cell as it was and reports no change.
    grid_.SetCurrentCell(grid::kColStartDate, 0);
    ASSERT_EQ(grid_.OpenEditor(), 0);
    SetWindowTextA(grid_.GetEditorWindow(), "2/30/2024");
    notifications_.clear();
    grid_.CommitEditor();
    EXPECT_EQ(Codes(), (std::vector<unsigned>{grid::kNotifyEditEnd}));
    uint16_t packed = 0;
    grid_.SetCurrentCell(grid::kColStartDate, 0);
    grid_.ReadCell(&packed);
    EXPECT_EQ(packed, grid::PackDosDate(2030, 12, 31));
}

TEST_F(GridEditing, ChoiceColumnsEditWithADropDownList) {
    SetupTimeTable();
    AppendRow(1, "Beta");
    grid_.SetChoices(grid::kColProject, "\tAlpha\tBeta\tGamma");
    grid_.SetCurrentCell(grid::kColProject, 0);
    EXPECT_EQ(grid_.GetEditorList(), nullptr);
    ASSERT_EQ(grid_.OpenEditor(), 0);
    HWND list = grid_.GetEditorList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 4);
    HWND edit = grid_.GetEditorWindow();
    EXPECT_EQ(WindowText(edit), "Beta");
    EXPECT_EQ(SendMessageA(GetParent(edit), CB_GETCURSEL, 0, 0), 2) << "the cell's choice";
    SetWindowTextA(edit, "Gamma");
    grid_.CommitEditor();
    EXPECT_EQ(TextCell(0, grid::kColProject), "Gamma");
}

TEST_F(GridEditing, MarkCellsToggleByClickAndSpace) {
    SetupTimeTable();
    AppendRow(1, "p", "", 0);
    AppendRow(2, "p", "", 1);
    auto mark = [&](int row) {
        int32_t value = -1;
        grid_.SetCurrentCell(grid::kColMark, row);
        grid_.ReadCell(&value);
        return value;
    };
    notifications_.clear();
    Click(0, grid::kColMark);
    EXPECT_EQ(mark(0), 1);
    EXPECT_EQ(notifications_.back(),
              (RecordedNotification{grid::kNotifyDataChanged, 0, grid::kColMark}));
    grid_.SetCurrentCell(grid::kColMark, 1);
    notifications_.clear();
    SendMessageA(hwnd_, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(mark(1), 0);
    EXPECT_EQ(Codes(), (std::vector<unsigned>{grid::kNotifyCellChanged, grid::kNotifyDataChanged}));
    // A click elsewhere does not touch the mark.
    Click(1, grid::kColProject);
    EXPECT_EQ(mark(1), 0);
}

TEST_F(GridEditing, TypingOnACellStartsAnEditWithThatCharacter) {
    SetupTimeTable();
    AppendRow(1, "p");
    grid_.SetCurrentCell(grid::kColCategory, 0);
    notifications_.clear();
    SendMessageA(hwnd_, WM_CHAR, 'k', 0);
    ASSERT_TRUE(grid_.IsEditing());
    EXPECT_EQ(WindowText(grid_.GetEditorWindow()), "k");
    EXPECT_EQ(Codes(), (std::vector<unsigned>{grid::kNotifyEditBegin, grid::kNotifyEditorOpened,
                                              grid::kNotifyCharTyped}));
    grid_.CommitEditor();
    EXPECT_EQ(TextCell(0, grid::kColCategory), "k");
    // Space selects the row instead.
    grid_.SetCurrentCell(grid::kColCategory, 0);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(hwnd_, WM_CHAR, ' ', 0);
    EXPECT_FALSE(grid_.IsEditing());
    EXPECT_EQ(grid_.GetFirstSelected(), 0);
}

}  // namespace
}  // namespace test
}  // namespace tw
