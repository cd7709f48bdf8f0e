#pragma once
// The rate list editor's grid (control 218): its three columns (hidden Position key, Name,
// Hourly Rate), the rows of items and the name column's auto-sort attribute.

#include <string>

namespace tw {

class CGridCtrl;
class CProjectCost;

// Defines the grid's style and columns; false when the grid refused a step.
bool SetUpRateListGrid(CGridCtrl& grid);

// Puts the row of item `index` (rate shown as `rateText`): over the current row, or appended.
// The row's index, negative when the grid refused it.
long PutRateListRow(CGridCtrl& grid, int index, const CProjectCost& item,
                    const std::string& rateText, bool overwrite);

// The item index (Position value) of `row`, made the current row on the Position cell; -1 when
// the row cannot be read.
int RateListIndexOfRow(CGridCtrl& grid, int row);

// Switches the name column's auto-sort attribute; the grid sorts its rows when it comes on.
void SetRateListAutoSort(CGridCtrl& grid, bool on);
bool RateListAutoSort(const CGridCtrl& grid);

}  // namespace tw
