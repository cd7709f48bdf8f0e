#include "view/table_order.h"

#include <cstring>

#include "doc/document.h"
#include "grid/column_set.h"
#include "grid/row_store.h"
#include "view/time_table_columns.h"
#include "view/sort_levels.h"
#include "view/time_table_row.h"

namespace tw {

namespace {

// Grid column `c` of the time table as the grid lays it out.
bool SetUpColumn(grid::ColumnSet& columns, int at, int c) {
    const TimeTableColumnInfo* info = TimeTableColumn(c);
    return info != nullptr && columns.SetType(at, info->type) &&
           (info->maxLength == 0 || columns.SetMaxLength(at, info->maxLength));
}

// Columns holding only the sorted fields, in level order, with levels that point at them.
struct SortedFields {
    grid::ColumnSet columns;
    std::vector<grid::SortLevel> levels;
    std::vector<int> rowOffsets;  // where each field lies in a TimeTableRow
};

SortedFields SortedFieldsOf(const std::vector<grid::SortLevel>& inUse) {
    grid::ColumnSet table;
    table.Resize(kTimeTableColumns);
    for (int c = 0; c < kTimeTableColumns; ++c) SetUpColumn(table, c, c);
    SortedFields fields;
    fields.columns.Resize(static_cast<int>(inUse.size()));
    for (size_t i = 0; i < inUse.size(); ++i) {
        SetUpColumn(fields.columns, static_cast<int>(i), inUse[i].column);
        fields.rowOffsets.push_back(table.At(inUse[i].column).offset);
        grid::SortLevel level = inUse[i];
        level.column = static_cast<int>(i);
        fields.levels.push_back(level);
    }
    return fields;
}

}  // namespace

std::vector<grid::SortLevel> SortLevelsInUse(const std::array<SortLevel, 3>& levels) {
    std::vector<grid::SortLevel> inUse;
    for (const SortLevel& level : levels) {
        if (!IsSortLevelSet(level) || level.column < 0 || level.column >= kTimeTableColumns) break;
        inUse.push_back(grid::SortLevel{level.column, level.ascending, level.caseInsensitive});
    }
    return inUse;
}

std::vector<int> TableRowOrder(const CWorkmetrDoc& doc) {
    const int count = doc.GetRecordCount();
    const std::vector<grid::SortLevel> inUse = SortLevelsInUse(doc.Settings().sort);
    if (inUse.empty()) {
        std::vector<int> order(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) order[size_t(i)] = i;
        return order;
    }
    const SortedFields fields = SortedFieldsOf(inUse);
    grid::RowStore rows;
    rows.Reset(fields.columns.RecordSize(), -1);
    std::vector<char> record(size_t(fields.columns.RecordSize()));
    for (int position = 0; position < count; ++position) {
        const grid::TimeTableRow row = BuildRow(doc, *doc.GetRecord(position), position);
        const char* bytes = reinterpret_cast<const char*>(&row);
        for (size_t i = 0; i < fields.levels.size(); ++i) {
            const int at = static_cast<int>(i);
            std::memcpy(&record[size_t(fields.columns.At(at).offset)], bytes + fields.rowOffsets[i],
                        size_t(fields.columns.FieldSize(at)));
        }
        rows.Insert(rows.Count(), record.data());
    }
    return grid::SortRows(rows, fields.columns, fields.levels);
}

}  // namespace tw
