#pragma once
// The time table's row order without a window: the records in list order, sorted by the
// document's sort levels the way the grid sorts them (the grid's own comparison and stable
// sort over the rows' fields), as a table freshly filled from the document shows them.

#include <array>
#include <vector>

#include "doc/document_settings.h"
#include "grid/sort_order.h"

namespace tw {

class CWorkmetrDoc;

// The levels that order the table: from level 1 down, each level whose use flag and column are
// set and whose column the grid has (1 to 14); the first level that is not stops the list.
std::vector<grid::SortLevel> SortLevelsInUse(const std::array<SortLevel, 3>& levels);

// The record position of each row of the table, in row order.
std::vector<int> TableRowOrder(const CWorkmetrDoc& doc);

}  // namespace tw
