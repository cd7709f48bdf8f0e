#pragma once
// The document's Export command (Ctrl+E): the Export Preferences dialog, the save dialog, then
// the records written in the time table's row order. Cancelling either dialog writes nothing;
// a file that cannot be opened or written is reported with the standard file-error text and
// the file is left as it was.

namespace tw {

class CTallyDoc;

void RunExportCommand(CTallyDoc& doc);

}  // namespace tw
