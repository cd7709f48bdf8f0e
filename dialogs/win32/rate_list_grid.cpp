#include "dialogs/win32/rate_list_grid.h"

#include <cstring>

#include "app/res/resource.h"
#include "doc/project_cost.h"
#include "framework/win32/window.h"
#include "view/win32/grid_wrapper.h"

namespace tw {

namespace {

constexpr unsigned kGridStyle = 0x50B122F8;
constexpr unsigned kGridOptions = 0x33;
constexpr int kTabWidth = 4;
constexpr int kSelectorWidth = 10;
constexpr int kTextLength = 64;  // bytes a name or rate cell holds, terminator included
constexpr int kMinNameWidth = 120;
constexpr int kRateWidth = 100;

struct ColumnDefinition {
    int column;
    unsigned type;
    unsigned flags;
    int width;  // 0: not shown
    UINT title;
    UINT name;
};

constexpr ColumnDefinition kColumns[] = {
    {grid::kRateColPosition, grid::kTypeKey, grid::kFlagHidden, 0, IDS_TITLE_POSITION,
     IDS_COLUMN_POSITION},
    {grid::kRateColName, grid::kTypeText, grid::kFlagEditable, kMinNameWidth, IDS_TITLE_NAME,
     IDS_COLUMN_NAME},
    {grid::kRateColRate, grid::kTypeText,
     grid::kFlagEditable | grid::kFlagDataRight | grid::kFlagHeaderCenter, kRateWidth,
     IDS_TITLE_HOURLY_RATE, IDS_COLUMN_HOURLY_RATE},
};

// The name column takes the width the rate column and a vertical scroll bar leave.
int NameWidth(const CGridCtrl& grid) {
    RECT client{};
    ::GetClientRect(grid.GetHwnd(), &client);
    const int rest = client.right - kSelectorWidth - kRateWidth - ::GetSystemMetrics(SM_CXVSCROLL);
    return rest > kMinNameWidth ? rest : kMinNameWidth;
}

bool DefineColumn(CGridCtrl& grid, const ColumnDefinition& c) {
    if (grid.SetColumnType(c.column, c.type) < 0 || grid.SetColumnFlags(c.column, c.flags) < 0)
        return false;
    if (c.type == grid::kTypeKey) grid.SetNullText(c.column, "-1");
    if (c.type == grid::kTypeText) grid.SetMaxLength(c.column, kTextLength);
    if (c.column == grid::kRateColName)
        grid.SetColumnWidth(c.column, NameWidth(grid));
    else if (c.width > 0)
        grid.SetColumnWidth(c.column, c.width);
    grid.SetTitle(c.column, LoadResourceString(c.title).c_str());
    grid.SetName(c.column, LoadResourceString(c.name).c_str());
    return true;
}

void CopyText(char (&field)[kTextLength], const std::string& text) {
    std::memset(field, 0, sizeof field);
    std::strncpy(field, text.c_str(), sizeof field - 1);
}

}  // namespace

bool SetUpRateListGrid(CGridCtrl& grid) {
    grid.SetStyle(static_cast<unsigned>(grid.GetStyle()) | kGridStyle);
    grid.SetOptions(kGridOptions);
    grid.SetTabWidth(kTabWidth);
    if (grid.SetColumnCount(grid::kRateColumnCount) < 0) return false;
    grid.SetRowSelectorWidth(kSelectorWidth);
    for (const ColumnDefinition& column : kColumns)
        if (!DefineColumn(grid, column)) return false;
    return true;
}

long PutRateListRow(CGridCtrl& grid, int index, const CProjectCost& item,
                    const std::string& rateText, bool overwrite) {
    grid::RateListRow row{};
    row.position = index;
    CopyText(row.name, item.GetName());
    CopyText(row.hourlyRate, rateText);
    if (overwrite) return grid.OverwriteRow(&row);
    if (grid.SetCurrentCell(grid::kRateColPosition, grid::kNoRow) < 0) return grid::kFailed;
    return grid.InsertRow(&row);
}

int RateListIndexOfRow(CGridCtrl& grid, int row) {
    if (row < 0 || grid.SetCurrentCell(grid::kRateColPosition, row) != 0) return -1;
    int32_t index = -1;
    if (grid.ReadCell(&index, sizeof index) != 0) return -1;
    return index;
}

void SetRateListAutoSort(CGridCtrl& grid, bool on) {
    const long flags = grid.GetColumnFlags(grid::kRateColName);
    if (flags < 0) return;
    const unsigned kept = static_cast<unsigned>(flags) & ~unsigned(grid::kFlagAutoSort);
    grid.SetColumnFlags(grid::kRateColName, on ? kept | grid::kFlagAutoSort : kept);
}

bool RateListAutoSort(const CGridCtrl& grid) {
    const long flags = grid.GetColumnFlags(grid::kRateColName);
    return flags >= 0 && (static_cast<unsigned>(flags) & grid::kFlagAutoSort) != 0;
}

}  // namespace tw
