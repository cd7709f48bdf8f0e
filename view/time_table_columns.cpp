#include "view/time_table_columns.h"

#include "grid/dtbl32.h"

namespace tw {

namespace {

using namespace grid;

constexpr TimeTableColumnInfo kColumns[kTimeTableColumns] = {
    {"POSITION", "Position", kTypeKey, 0, false},
    {"START_DATE", "Start Date", kTypeDate, 0, true},
    {"START_TIME", "Start Time", kTypeTime, 0, true},
    {"STOP_DATE", "Stop Date", kTypeDate, 0, true},
    {"STOP_TIME", "Stop Time", kTypeTime, 0, true},
    {"ELAPSED_TIME", "Elapsed Time", kTypeText, 30, true},
    {"PAUSED_TIME", "Paused  Time", kTypeText, 30, true},
    {"HOURLY_RATE", "Hourly Rate", kTypeText, 40, true},
    {"CHARGE", "Charge", kTypeText, 40, false},
    {"PROJECT", "Project", kTypeText, 64, true},
    {"CATEGORY", "Category", kTypeText, 64, true},
    {"CLIENT", "Client", kTypeText, 64, true},
    {"EXPENSE", "Expense", kTypeText, 40, true},
    {"MARK", "X", kTypeMark, 0, true},
    {"NOTES", "Notes", kTypeText, 256, true},
};

constexpr int kMarkField = 13;

}  // namespace

const TimeTableColumnInfo* TimeTableColumn(int c) {
    return c >= 0 && c < kTimeTableColumns ? &kColumns[c] : nullptr;
}

int GridColumnOfName(const std::string& name) {
    for (int c = 0; c < kTimeTableColumns; ++c) {
        if (name == kColumns[c].name) return c;
    }
    return -1;
}

int FieldOfColumn(const std::string& name) {
    const int c = GridColumnOfName(name);
    return c >= 1 ? c - 1 : kMarkField;
}

unsigned WithHidden(unsigned flags, bool hidden) {
    return hidden ? flags | kFlagHidden : flags & ~kFlagHidden;
}

unsigned WithDataJustify(unsigned flags, int code) {
    switch (code) {
        case 0: return flags & ~kDataJustifyMask;
        case kJustifyDataCenter: return (flags | kFlagDataCenter) & ~kFlagDataRight;
        case kJustifyDataRight: return (flags | kFlagDataRight) & ~kFlagDataCenter;
        default: return flags;
    }
}

unsigned WithHeaderJustify(unsigned flags, int code) {
    switch (code) {
        case 0: return flags & ~kHeaderJustifyMask;
        case kJustifyHeaderCenter: return (flags | kFlagHeaderCenter) & ~kFlagHeaderRight;
        case kJustifyHeaderRight: return (flags | kFlagHeaderRight) & ~kFlagHeaderCenter;
        default: return flags;
    }
}

std::string ColumnTitle(int c, const std::string& customText) {
    if (!customText.empty()) return customText;
    const TimeTableColumnInfo* column = TimeTableColumn(c);
    return column ? column->defaultTitle : "";
}

}  // namespace tw
