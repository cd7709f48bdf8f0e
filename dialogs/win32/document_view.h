#pragma once
// The time table view showing a document, for the commands that act on the table.

namespace tw {

class CFormDlg;
class CTallyDoc;

// The document's time table view, or null when it has none.
CFormDlg* TableViewOf(const CTallyDoc& doc);

}  // namespace tw
