// The rate list editor in the real program: opened by the list commands and by the Edit Time
// dialog's item buttons, driven through its buttons and the grid's own messages from its modal
// loop, and what the document holds after OK and Cancel.
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/res/resource.h"
#include "doc/document.h"
#include "doc/project_cost.h"
#include "doc/time_rec.h"
#include "framework/win32/mdi_frame.h"
#include "tests/app/win32/dialog_driver.h"
#include "tests/app/win32/program_fixture.h"
#include "view/win32/form_dlg.h"

namespace tw::test {
namespace {

constexpr char kCaption[] = "Edit Project, Category, Client";
constexpr int kFileNameCombo = 0x47C;  // the file dialogs' file name box
constexpr int kFileNameEdit = 0x480;

// One row of the editor's grid.
struct Row {
    int index;
    std::string name, rate;
};

HWND GridOf(HWND dialog) { return ::GetDlgItem(dialog, IDC_RATE_TABLE); }

std::string Cell(HWND grid, int column, int row) {
    ::SendMessageA(grid, grid::kSetCurrentCell, column, row);
    char text[128] = {};
    ::SendMessageA(grid, grid::kReadCell, sizeof text - 1, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<Row> RowsOf(HWND dialog) {
    HWND grid = GridOf(dialog);
    std::vector<Row> rows;
    const int count = static_cast<int>(::SendMessageA(grid, grid::kGetRowCount, 0, 0));
    for (int r = 0; r < count; ++r) {
        ::SendMessageA(grid, grid::kSetCurrentCell, grid::kRateColPosition, r);
        int32_t index = -1;
        ::SendMessageA(grid, grid::kReadCell, sizeof index, reinterpret_cast<LPARAM>(&index));
        rows.push_back(
            {index, Cell(grid, grid::kRateColName, r), Cell(grid, grid::kRateColRate, r)});
    }
    return rows;
}

int RowOfItem(HWND dialog, int index) {
    return static_cast<int>(::SendMessageA(GridOf(dialog), grid::kFindKey, index, 0));
}

void SelectItems(HWND dialog, std::initializer_list<int> indices) {
    ::SendMessageA(GridOf(dialog), grid::kSelectAll, 0, 0);
    for (int index : indices)
        ::SendMessageA(GridOf(dialog), grid::kSelectRow, 1, RowOfItem(dialog, index));
}

// The items whose rows are selected, in row order.
std::vector<int> SelectedItems(HWND dialog) {
    const std::vector<Row> rows = RowsOf(dialog);
    std::vector<int> selected(rows.size() + 1, -1);
    const int count = static_cast<int>(::SendMessageA(GridOf(dialog), grid::kGetSelectedRows,
                                                      selected.size(), LPARAM(selected.data())));
    std::vector<int> items;
    for (int i = 0; i < count; ++i) items.push_back(rows[size_t(selected[size_t(i)])].index);
    return items;
}

// Types `text` into the cell of item `index` and commits it, as the user's Enter does.
void TypeInto(HWND dialog, int index, int column, const std::string& text) {
    HWND grid = GridOf(dialog);
    ::SendMessageA(grid, grid::kSetCurrentCellQuiet, column, RowOfItem(dialog, index));
    ::SendMessageA(grid, grid::kEditing, grid::kEditOpen, 0);
    HWND editor = reinterpret_cast<HWND>(::SendMessageA(grid, grid::kGetEditorWindow, 0, 0));
    ASSERT_NE(editor, nullptr);
    ::SetWindowTextA(editor, text.c_str());
    ::SendMessageA(grid, grid::kEditing, grid::kEditCommit, 0);
}

// Picks `path` in a file dialog.
std::function<void(HWND)> Choose(const std::string& path) {
    return [path](HWND dialog) {
        for (int id : {kFileNameCombo, kFileNameEdit})
            if (::GetDlgItem(dialog, id) != nullptr) ::SetDlgItemTextA(dialog, id, path.c_str());
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A grid that answers every row delete with `answer` and deletes nothing.
LRESULT deleteAnswer = -1;
WNDPROC realGridProc = nullptr;
LRESULT CALLBACK RefusingGridProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == grid::kDeleteRow) return deleteAnswer;
    return ::CallWindowProcA(realGridProc, hwnd, msg, wp, lp);
}

class RateListProgram : public ProgramTest {
protected:
    void SetUp() override {
        MSG quit;  // a program closed earlier in this process leaves its quit message
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
        ASSERT_TRUE(Start({SampleCopy("tw_rate_list.tw")}));
        Doc().SetModifiedFlag(false);
    }
    void TearDown() override {
        for (const std::string& file : files_) ::DeleteFileA(file.c_str());
    }
    CFormDlg& View() { return *dynamic_cast<CFormDlg*>(App().MainFrame()->ActiveView()); }
    CWorkmetrDoc& Doc() { return *View().Document(); }
    std::string File(const std::string& name) {
        files_.push_back(TempPath(name));
        ::DeleteFileA(files_.back().c_str());
        return files_.back();
    }
    // Items with a name from slot 1 on: the rows the editor shows.
    size_t ItemCount(int type) {
        size_t count = 0;
        for (const std::string& name : Names(type)) count += name != "<empty>" && !name.empty();
        return count - (Doc().IsValidItemIndex(type, 0) ? 1 : 0);
    }
    std::vector<std::string> Names(int type) {
        std::vector<std::string> names;
        for (const auto& item : *Doc().GetItemList(type))
            names.push_back(item ? item->GetName() : "<empty>");
        return names;
    }

    std::vector<std::string> files_;
};

// The editor opened from the menu commands.
class RateListTest : public RateListProgram {
protected:
    void TearDown() override {
        EXPECT_TRUE(driver.Problems().empty()) << driver.Problems().front();
        RateListProgram::TearDown();
    }
    DialogDriver driver{kCaption};
};

// The editor opened from the Edit Time dialog's item buttons.
class RateListFromEditTime : public RateListProgram {
protected:
    void TearDown() override {
        EXPECT_TRUE(driver.Problems().empty()) << driver.Problems().front();
        RateListProgram::TearDown();
    }
    DialogDriver driver{"Edit Time"};
};

TEST_F(RateListTest, DeleteThenAddTakesANewSlotAndCancelLeavesTheDocument) {
    const std::vector<std::string> before = Names(kProjectList);
    ASSERT_TRUE(Doc().IsValidItemIndex(kProjectList, 1));
    // Add takes the first empty slot after the deleted one, or a new one at the end.
    const int newSlot =
        static_cast<int>(std::find(before.begin() + 2, before.end(), "<empty>") - before.begin());
    bool editingNewName = false, editReopened = false;
    std::vector<Row> afterAdd;
    driver.Then([&](HWND d) {
        EXPECT_TRUE(IsChecked(d, IDC_PROJECT));
        const std::vector<Row> rows = RowsOf(d);
        ASSERT_EQ(rows.size(), ItemCount(kProjectList)) << "every item but slot 0";
        SelectItems(d, {1});
        Click(d, IDC_DELETE_ITEMS);
        EXPECT_EQ(RowOfItem(d, 1), -1);
        Click(d, IDC_ADD_ITEM);
        editingNewName =
            ::SendMessageA(GridOf(d), grid::kEditing, grid::kEditQuery, 0) != 0 &&
            ::SendMessageA(GridOf(d), grid::kGetCurrentColumn, 0, 0) == grid::kRateColName;
        ::SendMessageA(GridOf(d), grid::kEditing, grid::kEditCommit, 0);
        Click(d, IDC_EDIT_ITEM);  // on the name cell Add left current
        editReopened = ::SendMessageA(GridOf(d), grid::kEditing, grid::kEditQuery, 0) != 0;
        ::SendMessageA(GridOf(d), grid::kEditing, grid::kEditCommit, 0);
        afterAdd = RowsOf(d);
        Click(d, IDCANCEL);
    });
    Command(ID_EDIT_PROJECTS);
    EXPECT_EQ(driver.Opened(), 1);
    EXPECT_TRUE(editingNewName) << "Add starts editing the new name";
    EXPECT_TRUE(editReopened);
    ASSERT_FALSE(afterAdd.empty());
    EXPECT_EQ(afterAdd.back().index, newSlot) << "not the deleted slot 1";
    EXPECT_EQ(afterAdd.back().name, "Project Name");
    EXPECT_EQ(Names(kProjectList), before);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(RateListTest, OkEmptiesDeletedItemsClearsTheirRecordsAndCutsTypedNames) {
    int key = -1, project = 0;
    for (int i = 0; i < Doc().GetRecordCount() && project <= 0; ++i)
        project = Doc().GetRecord(key = i)->GetProjectIndex();
    ASSERT_GT(project, 0);
    const int renamed = project == 1 ? 2 : 1;
    ASSERT_TRUE(Doc().IsValidItemIndex(kProjectList, renamed));
    const std::string longName(80, 'x');
    driver.Then([&](HWND d) {
        EXPECT_TRUE(IsChecked(d, IDC_CLIENT));
        Click(d, IDC_PROJECT);
        SelectItems(d, {project});
        Click(d, IDC_DELETE_ITEMS);
        TypeInto(d, renamed, grid::kRateColName, longName);
        TypeInto(d, renamed, grid::kRateColRate, "$1,234.50");
        EXPECT_EQ(Cell(GridOf(d), grid::kRateColRate, RowOfItem(d, renamed)), "$1,234.50");
        Click(d, IDOK);
    });
    Command(ID_EDIT_CLIENTS);
    EXPECT_FALSE(Doc().IsValidItemIndex(kProjectList, project));
    EXPECT_EQ(Doc().GetRecord(key)->GetProjectIndex(), 0);
    for (int i = 0; i < Doc().GetRecordCount(); ++i)
        EXPECT_NE(Doc().GetRecord(i)->GetProjectIndex(), project) << i;
    EXPECT_EQ(Names(kProjectList)[size_t(renamed)], std::string(63, 'x'));
    EXPECT_FLOAT_EQ((*Doc().GetItemList(kProjectList))[size_t(renamed)]->GetRate(), 1234.5f);
    EXPECT_TRUE(Doc().IsModified());
    const int row = static_cast<int>(::SendMessageA(Grid(), grid::kFindKey, key, 0));
    std::string none;
    Doc().GetItemDisplayText(kProjectList, 0, none);
    EXPECT_EQ(CellText(row, grid::kColProject), none) << "the view shows no project";
}

TEST_F(RateListTest, SelectingDuplicatesUnusedAndAllFromTheHeading) {
    const int web = Doc().AddItem(kCategoryList, CProjectCost("Web", 1.0f));
    const int lower = Doc().AddItem(kCategoryList, CProjectCost("web", 1.0f));
    const int same = Doc().AddItem(kCategoryList, CProjectCost("Same", 1.0f));
    const int twin = Doc().AddItem(kCategoryList, CProjectCost("Same", 2.0f));
    std::vector<int> doubles, unused;
    long allRows = 0, afterFirstClick = -1, afterSecondClick = -1;
    driver.Then([&](HWND d) {
        Click(d, IDC_SHOW_DUPLICATES);
        doubles = SelectedItems(d);
        Click(d, IDC_SHOW_UNUSED);
        unused = SelectedItems(d);
        HWND grid = GridOf(d);
        allRows = static_cast<long>(::SendMessageA(grid, grid::kGetRowCount, 0, 0));
        for (long* count : {&afterFirstClick, &afterSecondClick}) {
            ::SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));  // the corner
            ::SendMessageA(grid, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
            *count = static_cast<long>(::SendMessageA(grid, grid::kGetSelectedCount, 0, 0));
        }
        Click(d, IDCANCEL);
    });
    Command(ID_EDIT_CATEGORIES);
    EXPECT_EQ(doubles, (std::vector<int>{same, twin})) << "Web and web differ";
    for (int added : {web, lower, same, twin})
        EXPECT_NE(std::find(unused.begin(), unused.end(), added), unused.end()) << added;
    for (int index : unused) EXPECT_FALSE(Doc().IsItemUsed(kCategoryList, index)) << index;
    EXPECT_EQ(afterFirstClick, allRows);
    EXPECT_EQ(afterSecondClick, 0);
}

std::vector<std::string> NamesShown(HWND dialog) {
    std::vector<std::string> names;
    for (const Row& row : RowsOf(dialog)) names.push_back(row.name);
    return names;
}

bool SortedIgnoringCase(const std::vector<std::string>& names) {
    return std::is_sorted(names.begin(), names.end(),
                          [](const std::string& a, const std::string& b) {
                              return lstrcmpiA(a.c_str(), b.c_str()) < 0;
                          });
}

TEST_F(RateListTest, SortOnceThenAlwaysSortAndTheOptionsTakenOnOk) {
    Doc().AddItem(kProjectList, CProjectCost("aardvark", 1.0f));
    std::vector<std::string> once, added, always;
    driver.Then([&](HWND d) {
        EXPECT_FALSE(IsChecked(d, IDC_ALWAYS_SORT));
        Click(d, IDC_SORT_ITEMS);
        once = NamesShown(d);
        Click(d, IDC_ADD_ITEM);
        ::SendMessageA(GridOf(d), grid::kEditing, grid::kEditCommit, 0);
        added = NamesShown(d);
        Click(d, IDC_ALWAYS_SORT);
        always = NamesShown(d);
        ::SendDlgItemMessageA(d, IDC_RATES_FROM, CB_SETCURSEL, 2, 0);
        Click(d, IDC_INCLUDE_RATES);
        Click(d, IDOK);
    });
    const bool included = Doc().Settings().rates.includeRatesInMenu;
    Command(ID_EDIT_PROJECTS);
    EXPECT_TRUE(SortedIgnoringCase(once));
    ASSERT_EQ(added.size(), once.size() + 1);
    EXPECT_EQ(added.back(), "Project Name") << "Sort does not keep the rows sorted";
    EXPECT_FALSE(SortedIgnoringCase(added));
    EXPECT_TRUE(SortedIgnoringCase(always));
    const RateSettings& rates = Doc().Settings().rates;
    EXPECT_TRUE(rates.alwaysSortItems);
    EXPECT_EQ(rates.rateSource, kClientList);
    EXPECT_NE(rates.includeRatesInMenu, included);
}

TEST_F(RateListTest, ExportedRatesImportBackAndBadLinesAreSkipped) {
    Doc().AddItem(kProjectList, CProjectCost("Big", 1234.5f));
    const std::string exported = File("tw_rate_list_export.txt");
    const std::string mixed = File("tw_rate_list_mixed.txt");
    const std::string locked = File("tw_rate_list_locked.txt");
    std::ofstream(mixed, std::ios::binary) << "No tab\r\n\t5\r\nEmpty rate\t\r\nGood\t12.5\r\n";
    std::ofstream(locked, std::ios::binary) << "Locked\t1\r\n";
    const size_t projects = ItemCount(kProjectList), clients = ItemCount(kClientList);
    DialogDriver exportAsked{"EXPORT AS"}, importAsked{"IMPORT"};
    exportAsked.Then(Choose(exported));
    for (const std::string& file : {exported, mixed, locked}) importAsked.Then(Choose(file));
    HANDLE held = nullptr;
    driver.Then([&](HWND d) {
        Click(d, IDC_EXPORT_LIST);
        Click(d, IDC_CLIENT);
        Click(d, IDC_IMPORT_LIST);
        Click(d, IDC_IMPORT_LIST);
        // A file another program holds without sharing cannot be opened.
        held = ::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        Click(d, IDC_IMPORT_LIST);
        ::CloseHandle(held);
        Click(d, IDOK);
    });
    Command(ID_EDIT_PROJECTS);
    ASSERT_EQ(exportAsked.Opened(), 1);
    ASSERT_EQ(importAsked.Opened(), 3);
    EXPECT_TRUE(exportAsked.Problems().empty() && importAsked.Problems().empty());
    const std::string text = ReadFile(exported);
    EXPECT_NE(text.find("Big\t$1,234.50\r\n"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::ptrdiff_t(projects));
    EXPECT_EQ(ItemCount(kClientList), clients + projects + 1) << "the exported items and Good";
    const ItemList& list = *Doc().GetItemList(kClientList);
    const int big = Doc().FindItemByName(kClientList, "Big");
    const int good = Doc().FindItemByName(kClientList, "Good");
    ASSERT_GT(big, 0);
    ASSERT_GT(good, 0);
    EXPECT_FLOAT_EQ(list[size_t(big)]->GetRate(), 1234.5f);
    EXPECT_FLOAT_EQ(list[size_t(good)]->GetRate(), 12.5f);
    EXPECT_EQ(Doc().FindItemByName(kClientList, "Locked"), -1);
    ASSERT_EQ(prompter_.shown.size(), 1u) << "the file that could not be opened is reported";
    EXPECT_NE(prompter_.shown[0].find("tw_rate_list_locked.txt"), std::string::npos);
}

TEST_F(RateListTest, DeleteStopsWhenTheGridRefusesOrKeepsTheRow) {
    std::vector<Row> refused, kept;
    driver.Then([&](HWND d) {
        HWND grid = GridOf(d);
        realGridProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(grid, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RefusingGridProc)));
        SelectItems(d, {1, 2});
        deleteAnswer = -1;  // refused
        Click(d, IDC_DELETE_ITEMS);
        refused = RowsOf(d);
        SelectItems(d, {1, 2});
        deleteAnswer = 0;  // claims success, yet the row stays selected
        Click(d, IDC_DELETE_ITEMS);
        kept = RowsOf(d);
        ::SetWindowLongPtrA(grid, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(realGridProc));
        Click(d, IDCANCEL);
    });
    Command(ID_EDIT_PROJECTS);
    EXPECT_EQ(driver.Opened(), 1) << "Delete came back both times";
    EXPECT_EQ(refused.size(), ItemCount(kProjectList));
    EXPECT_EQ(kept.size(), refused.size());
}

TEST_F(RateListFromEditTime, TheCategoryButtonEditsTheCategoriesAndRefillsTheChoices) {
    ::SendMessageA(Grid(), grid::kSelectAll, 0, 0);
    ::SendMessageA(Grid(), grid::kSelectRow, 1, 0);
    bool onCategories = false, offered = false;
    DialogDriver editor{kCaption};
    editor.Then([&](HWND list) {
        onCategories = IsChecked(list, IDC_CATEGORY);
        Click(list, IDC_ADD_ITEM);
        TypeInto(list, static_cast<int>(Doc().GetItemList(kCategoryList)->size()),
                 grid::kRateColName, "Fresh Category");
        Click(list, IDOK);
    });
    driver.Then([&](HWND d) {
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(d, IDC_CATEGORY_BUTTON)));
        Click(d, IDC_CATEGORY_BUTTON);
        for (int id : {IDC_CATEGORY_SORTED, IDC_CATEGORY_UNSORTED})
            offered |= ::SendDlgItemMessageA(d, id, CB_FINDSTRINGEXACT, WPARAM(-1),
                                             LPARAM("Fresh Category")) != CB_ERR;
        Click(d, IDCANCEL);
    });
    Command(ID_EDIT_TIME_ROW);
    EXPECT_EQ(editor.Opened(), 1);
    EXPECT_TRUE(editor.Problems().empty());
    EXPECT_TRUE(onCategories);
    EXPECT_TRUE(offered) << "the Edit Time dialog offers the new category";
    EXPECT_GE(Doc().FindItemByName(kCategoryList, "Fresh Category"), 1);
}

}  // namespace
}  // namespace tw::test
