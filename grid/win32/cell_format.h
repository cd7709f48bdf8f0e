// Display texts of cells: numbers, marks, texts, and dates and times through the locale's
// formatters with the column's picture.
#pragma once

#include <string>

#include "grid/win32/grid_state.h"

namespace tw {
namespace grid {

std::string CellText(const GridState& state, int row, int col);
// Dates and times as the locale writes them; the empty text for a value that is no date/time.
std::string FormatDosDate(uint16_t packed, const std::string& picture);
std::string FormatDosTime(uint16_t packed, const std::string& picture);

}  // namespace grid
}  // namespace tw
