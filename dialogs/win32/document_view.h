#pragma once
// The time table view showing a document, for the commands that act on the table.

#include <vector>

namespace tw {

class CFormDlg;
class CTallyDoc;

// The document's time table view, or null when it has none.
CFormDlg* TableViewOf(const CTallyDoc& doc);

// The record of each table row of `view` in row order; the grid's current cell is put back
// after.
std::vector<int> RowsOfView(CFormDlg& view);

}  // namespace tw
