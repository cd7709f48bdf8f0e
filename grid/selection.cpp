#include "grid/selection.h"

#include <algorithm>

#include "grid/dtbl32.h"

namespace tw {
namespace grid {

bool SelectAllRows(RowStore& rows, bool on) {
    if (rows.SelectedCount() == (on ? rows.Count() : 0)) return false;
    for (int row = 0; row < rows.Count(); ++row) rows.SetSelected(row, on);
    return true;
}

bool SelectOnly(RowStore& rows, int row) {
    const bool wasOnlyThis =
        rows.SelectedCount() == 1 && rows.Valid(row) && rows.Attributes(row).selected;
    if (wasOnlyThis) return false;
    SelectAllRows(rows, false);
    rows.SetSelected(row, true);
    return true;
}

bool SelectRange(RowStore& rows, int from, int to, bool extend) {
    if (!rows.Valid(from) || !rows.Valid(to)) return false;
    const int low = std::min(from, to), high = std::max(from, to);
    bool changed = false;
    if (!extend) {
        for (int row = 0; row < rows.Count() && rows.SelectedCount() > 0; ++row) {
            if (row < low || row > high) changed |= rows.SetSelected(row, false);
        }
    }
    for (int row = low; row <= high; ++row) changed |= rows.SetSelected(row, true);
    return changed;
}

std::vector<int> SelectedRows(const RowStore& rows) {
    std::vector<int> selected;
    selected.reserve(size_t(rows.SelectedCount()));
    for (int row = 0; row < rows.Count() && int(selected.size()) < rows.SelectedCount(); ++row) {
        if (rows.Attributes(row).selected) selected.push_back(row);
    }
    return selected;
}

int FirstSelected(const RowStore& rows) {
    if (rows.Count() == 0) return kNoSelectionEmpty;
    const int row = NextSelected(rows, -1);
    return row == kEndOfSelection ? kNoSelection : row;
}

int NextSelected(const RowStore& rows, int row) {
    if (rows.SelectedCount() == 0) return kEndOfSelection;
    for (int next = std::max(row + 1, 0); next < rows.Count(); ++next) {
        if (rows.Attributes(next).selected) return next;
    }
    return kEndOfSelection;
}

}  // namespace grid
}  // namespace tw
