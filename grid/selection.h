// Row selection over the row store: all or none, ranges, and walking the selected rows.
#pragma once

#include <vector>

#include "grid/row_store.h"

namespace tw {
namespace grid {

// Each returns true when any row's selection changed.
bool SelectAllRows(RowStore& rows, bool on);
bool SelectOnly(RowStore& rows, int row);
// Selects the rows from `from` to `to` (either order, both included); with `extend` off the
// other rows are unselected first.
bool SelectRange(RowStore& rows, int from, int to, bool extend);

// The selected rows in ascending order.
std::vector<int> SelectedRows(const RowStore& rows);
// First selected row, kNoSelection when rows exist but none is selected, kNoSelectionEmpty
// when the grid has no rows.
int FirstSelected(const RowStore& rows);
// First selected row after `row`, or kEndOfSelection.
int NextSelected(const RowStore& rows, int row);

}  // namespace grid
}  // namespace tw
