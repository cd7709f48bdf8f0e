// Up to three sort levels and the row ordering they define: comparison of fields by column
// type, a stable sort of the whole store and the sorted place of one record.
#pragma once

#include <vector>

#include "grid/column_set.h"
#include "grid/row_store.h"

namespace tw {
namespace grid {

struct SortLevel {
    int column = -1;  // -1: level not set
    bool ascending = true;
    bool noCase = false;
};

class SortOrder {
public:
    static constexpr int kLevels = 3;

    // Levels are 1 to 3; each setter returns false for any other level.
    bool SetColumn(int level, int column);
    bool SetAscending(int level, bool ascending);
    bool SetNoCase(int level, bool noCase);
    bool Clear(int level);
    const SortLevel& Level(int level) const { return levels_[level - 1]; }

    // The levels that order the rows: the set levels from level 1 down to the first unset one
    // whose columns exist; without any, the first auto-sort column (ascending, ignoring case).
    std::vector<SortLevel> Active(const ColumnSet& columns) const;

private:
    static bool ValidLevel(int level) { return level >= 1 && level <= kLevels; }
    SortLevel levels_[kLevels];
};

// <0, 0, >0: how record a orders against record b under `levels`.
int CompareRecords(const ColumnSet& columns, const std::vector<SortLevel>& levels, const char* a,
                   const char* b);
// Stable sort of all rows; returns the new order (new index -> old index).
std::vector<int> SortRows(RowStore& rows, const ColumnSet& columns,
                          const std::vector<SortLevel>& levels);
// Index at which `record` goes among the rows, after every row equal to it; the row `skip`
// (-1: none) is left out, as when a row is moved to its new place.
int SortedPlace(const RowStore& rows, const ColumnSet& columns,
                const std::vector<SortLevel>& levels, const char* record, int skip);

}  // namespace grid
}  // namespace tw
