#include "tools/twtool/export_command.h"

#include "dialogs/export_file.h"
#include "dialogs/export_writer.h"
#include "doc/document.h"
#include "framework/file_replace.h"
#include "tools/twtool/document_io.h"
#include "view/table_export.h"
#include "view/table_order.h"

namespace tw::twtool {

bool ExportCommand(const std::string& in, const std::string& out, std::string& error) {
    CWorkmetrDoc doc;
    if (!OpenDocumentFile(in, doc, error)) return false;
    doc.SetPathName(in);  // the title, written in the totals row, is the file name
    const ExportTable table = ExportTableOf(doc, TableRowOrder(doc), doc.GetTitle());
    const FileErrorCause cause = WriteExportFile(
        out, !doc.Settings().exporting.newFile,
        [&](IExportOutput& output) { return WriteExport(doc, table, output); },
        FileReplaceService());
    if (cause == FileErrorCause::None) return true;
    error = FileErrorText(cause, out);
    return false;
}

}  // namespace tw::twtool
