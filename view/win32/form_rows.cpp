// CFormDlg: the grid's columns and rows: set-up, filling, putting and finding rows, the choice
// lists and the column operations.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/res/resource.h"
#include "doc/document.h"
#include "doc/project_cost.h"
#include "doc/time_rec.h"
#include "framework/win32/wait_cursor.h"
#include "view/clock_texts.h"
#include "view/time_table_columns.h"
#include "view/time_table_row.h"
#include "view/win32/form_dlg.h"
#include "view/win32/view_host.h"

namespace tw {

namespace {

constexpr unsigned kGridStyle = 0x50B122F8;
constexpr unsigned kGridOptions = 0x300033;
constexpr int kRowSelectorWidth = 10;
constexpr unsigned kNotesEditStyle = 0x44;  // multi-line, no automatic horizontal scrolling
constexpr size_t kMaxPicture = 256;

// The item list shown in grid column `c`, or -1.
int ItemListOfColumn(const std::string& name) {
    if (name == "PROJECT") return kProjectList;
    if (name == "CATEGORY") return kCategoryList;
    if (name == "CLIENT") return kClientList;
    return -1;
}

}  // namespace

void CFormDlg::SetupColumns() {
    grid_.SetStyle(static_cast<unsigned>(grid_.GetStyle()) | kGridStyle);
    grid_.SetOptions(kGridOptions);
    HWND gridWindow = grid_.GetHwnd();
    if (gridWindow != nullptr) {
        ::SetWindowLongA(gridWindow, GWL_EXSTYLE,
                         ::GetWindowLongA(gridWindow, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        ::SetWindowPos(gridWindow, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        RECT rect;
        ::GetWindowRect(gridWindow, &rect);
        gridSetupSize_ = SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }
    grid_.SetColumnCount(kTimeTableColumns);
    grid_.SetRowSelectorWidth(kRowSelectorWidth);
    grid_.SetColumnType(0, grid::kTypeKey);
    grid_.SetColumnFlags(0, grid::kFlagHidden);
    grid_.SetNullText(0, "-1");
    grid_.SetTitle(0, TimeTableColumn(0)->defaultTitle);
    grid_.SetName(0, TimeTableColumn(0)->name);
    for (int c = 1; c < kTimeTableColumns; ++c) SetupColumn(c);
    SetChoiceLists();
    const SavedViewState& v = Document()->Settings().viewState;
    if (v.first != 0xFFFF) grid_.SetDefaultRowHeight(v.first);
    if (v.second != 0xFFFF) grid_.SetHeaderHeight(v.second);
    grid_.SetSetting(grid::kSettingHiddenLines, v.fifth);
    grid_.SetSetting(grid::kSettingPlainSelectors, v.sixth);
    const long step = grid_.GetGrowStep();
    if (step > 0) grid_.SetGrowStep(static_cast<int>(step * 2));
    if (gridWindow != nullptr) {
        HDC dc = ::GetDC(gridWindow);
        HGDIOBJ old = ::SelectObject(
            dc, reinterpret_cast<HFONT>(::SendMessageA(gridWindow, WM_GETFONT, 0, 0)));
        const std::string widest(64, 'M');
        SIZE size{};
        ::GetTextExtentPoint32A(dc, widest.c_str(), static_cast<int>(widest.size()), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(gridWindow, dc);
        widestList_ = size.cx;
    }
}

void CFormDlg::SetupColumn(int c) {
    const TimeTableColumnInfo& info = *TimeTableColumn(c);
    const ColumnSetting& setting = Document()->Settings().columns[c - 1];
    grid_.SetColumnType(c, info.type);
    IViewHost* host = ViewHost();
    if (info.type == grid::kTypeDate || info.type == grid::kTypeTime) {
        std::string picture = host == nullptr                ? std::string()
                              : info.type == grid::kTypeDate ? host->DatePicture()
                                                             : host->TimePicture();
        if (picture.size() > kMaxPicture) picture.resize(kMaxPicture);
        grid_.SetPicture(c, picture.c_str());
    }
    unsigned flags = WithHeaderJustify(0, setting.headerJustify);
    flags = WithDataJustify(flags, setting.dataJustify);
    if (std::string(info.name) != "CHARGE") flags |= grid::kFlagEditable;
    flags = WithHidden(flags, setting.hidden);
    grid_.SetColumnFlags(c, flags);
    if (std::string(info.name) == "NOTES") grid_.SetEditStyle(c, kNotesEditStyle);
    if (info.maxLength > 0) grid_.SetMaxLength(c, info.maxLength);
    grid_.SetColumnWidth(c, WidthToPixels(setting.width));
    grid_.SetTitle(c, ColumnTitle(c, setting.customHeader).c_str());
    grid_.SetName(c, info.name);
}

void CFormDlg::SetChoiceLists() {
    CWorkmetrDoc* doc = Document();
    HWND sorter = Item(IDC_SORTED_CHOICES);
    for (const char* name : {"PROJECT", "CATEGORY", "CLIENT"}) {
        const long column = grid_.FindColumn(name);
        if (column < 0) continue;
        const int type = ItemListOfColumn(name);
        const ItemList* list = doc->GetItemList(type);
        std::vector<std::string> texts(list ? list->size() : 0);
        for (size_t slot = 0; slot < texts.size(); ++slot) {
            if ((*list)[slot] != nullptr) {
                doc->GetItemDisplayText(type, static_cast<int>(slot), texts[slot]);
            }
        }
        std::string choices;
        if (doc->Settings().rates.alwaysSortItems && sorter != nullptr) {
            ::SendMessageA(sorter, LB_RESETCONTENT, 0, 0);
            for (const std::string& text : texts) {
                if (!text.empty()) {
                    ::SendMessageA(sorter, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
                }
            }
            const int count = static_cast<int>(::SendMessageA(sorter, LB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                const int length = static_cast<int>(::SendMessageA(sorter, LB_GETTEXTLEN, i, 0));
                std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
                ::SendMessageA(sorter, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
                text.resize(static_cast<size_t>(std::max(length, 0)));
                if (i > 0) choices += '\t';
                choices += text;
            }
        } else {
            choices = ChoiceListText(texts);
        }
        grid_.SetChoices(static_cast<int>(column), choices.c_str());
    }
}

int CFormDlg::PutRow(grid::TimeTableRow& row, bool overwrite, int key, int at, bool scroll) {
    if (!grid_.IsWindow()) return grid::kNoWindow;
    row.position = key;
    long index;
    if (overwrite) {
        grid_.SetCurrentCell(0, at);
        index = grid_.OverwriteRow(&row);
        if (scroll && index >= 0 && Document()->Settings().sort[0].use) {
            grid_.EnsureRowVisible(static_cast<int>(index));
        }
    } else {
        grid_.SetCurrentCell(0, at);
        index = grid_.InsertRow(&row);
        if (scroll && index >= 0) {
            const long visible = grid_.GetVisibleRows();
            grid_.EnsureRowVisible(static_cast<int>(index));
            const long top = grid_.GetViewValue(grid::kViewTopRow);
            for (long r = top; r >= 0 && r < top + visible - 1; ++r) {
                grid_.RedrawRow(static_cast<int>(r));
            }
            ::UpdateWindow(grid_.GetHwnd());
        }
    }
    return static_cast<int>(index);
}

int CFormDlg::RecordOfRow(int row) {
    if (row < 0 || grid_.SetCurrentCell(0, row) < 0) return -1;
    int32_t key = -1;
    if (grid_.ReadCell(&key, sizeof key) != 0) return -1;
    return key;
}

int CFormDlg::RowOfRecord(int key) {
    // The grid's key lookup answers in one message; a grid without it (which answers 0 to a
    // message it does not know) is caught by checking the row it named.
    const long found = grid_.FindKey(key);
    if (found == -1) return -1;  // the grid answered: no row holds the key
    if (found >= 0 && RecordOfRow(static_cast<int>(found)) == key) return static_cast<int>(found);
    // Otherwise compare the rows one by one.
    const long count = grid_.GetRowCount();
    for (int row = 0; row < count; ++row) {
        if (RecordOfRow(row) == key) return row;
    }
    return -1;
}

bool CFormDlg::FillTable() {
    CWorkmetrDoc* doc = Document();
    grid_.ClearRows();
    MoneyTextMemo money;
    for (int position = 0; position < doc->GetRecordCount(); ++position) {
        grid::TimeTableRow row = BuildRow(*doc, *doc->GetRecord(position), position, &money);
        if (PutRow(row, false, position, grid::kNoRow, false) < 0) {
            grid_.ClearRows();
            return false;
        }
    }
    SelectActiveRow();
    return true;
}

void CFormDlg::PutRecordRow(int position, bool scroll) {
    CWorkmetrDoc* doc = Document();
    const CTimeRec* record = doc->GetRecord(position);
    const int row = RowOfRecord(position);
    if (record == nullptr || row < 0) return;
    grid::TimeTableRow built = BuildRow(*doc, *record, position, batchMoney_);
    PutRow(built, true, position, row, scroll);
}

void CFormDlg::RefreshAllRows() {
    CWaitCursor wait;
    CWorkmetrDoc* doc = Document();
    SuspendSorting(true);
    for (int position = 0; position < doc->GetRecordCount(); ++position) {
        PutRecordRow(position, false);
    }
    SuspendSorting(false);
}

void CFormDlg::SetColumnHidden(int index, bool hidden) {
    const long flags = grid_.GetColumnFlags(index + 1);
    if (flags >= 0)
        grid_.SetColumnFlags(index + 1, WithHidden(static_cast<unsigned>(flags), hidden));
}

void CFormDlg::SetColumnJustify(int index, int code) {
    const long flags = grid_.GetColumnFlags(index + 1);
    if (flags >= 0) {
        grid_.SetColumnFlags(index + 1, WithDataJustify(static_cast<unsigned>(flags), code));
    }
}

void CFormDlg::SetHeaderJustify(int index, int code) {
    const long flags = grid_.GetColumnFlags(index + 1);
    if (flags >= 0) {
        grid_.SetColumnFlags(index + 1, WithHeaderJustify(static_cast<unsigned>(flags), code));
    }
}

void CFormDlg::SetColumnTitle(int index, const std::string& text) {
    grid_.SetTitle(index + 1, ColumnTitle(index + 1, text).c_str());
}

}  // namespace tw
