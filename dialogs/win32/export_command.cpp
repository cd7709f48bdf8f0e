#include "dialogs/win32/export_command.h"

#include <optional>
#include <string>
#include <vector>

#include "app/res/resource.h"
#include "app/win32/tally_doc.h"
#include "dialogs/export_file.h"
#include "dialogs/export_file_names.h"
#include "dialogs/export_writer.h"
#include "dialogs/win32/document_view.h"
#include "dialogs/win32/export_prefs_dlg.h"
#include "dialogs/win32/text_file_dialog.h"
#include "framework/file_replace.h"
#include "framework/win32/app.h"
#include "framework/win32/common_dialogs.h"
#include "framework/win32/message_box.h"
#include "framework/win32/wait_cursor.h"
#include "framework/win32/window.h"
#include "view/table_export.h"
#include "view/table_order.h"
#include "view/win32/form_dlg.h"

namespace tw {

namespace {

HWND Owner() { return TheApp() != nullptr ? TheApp()->MainWindow() : nullptr; }

// Runs the preferences dialog; false when it was cancelled. OK stores changed choices.
bool AskExportPreferences(CTallyDoc& doc) {
    CExportPrefsDlg dialog(doc.Settings(), Owner());
    if (dialog.DoModal() != IDOK) return false;
    if (dialog.Choices() != ExportChoicesOf(doc.Settings())) {
        DocumentSettings settings = doc.Settings();
        TakeExportChoices(settings, dialog.Choices());
        doc.SetSettings(settings);
    }
    return true;
}

std::optional<std::string> AskExportPath(const CTallyDoc& doc) {
    FileDialogOptions options = TextFileDialogOptions(IDS_EXPORT_AS);
    options.fileName = ProposedExportName(doc.GetTitle());
    options.initialFolder = ExportInitialFolder(doc.GetPathName());
    options.flags = OFN_HIDEREADONLY;
    if (doc.Settings().exporting.newFile) options.flags |= OFN_OVERWRITEPROMPT;
    return AskSaveFileName(Owner(), options);
}

// The cause that keeps an existing file from being written, or None (also when there is no
// file yet).
FileErrorCause ExistingFileRefusal(const std::string& path) {
    if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return FileErrorCause::None;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileErrorCauseOf(::GetLastError());
    ::CloseHandle(file);
    return FileErrorCause::None;
}

FileErrorCause WriteExportOf(CTallyDoc& doc, const std::string& path) {
    CWaitCursor wait;
    if (const FileErrorCause refused = ExistingFileRefusal(path); refused != FileErrorCause::None)
        return refused;
    CFormDlg* view = TableViewOf(doc);
    const ExportTable table = ExportTableOf(
        doc, view != nullptr ? RowsOfView(*view) : TableRowOrder(doc), doc.GetTitle());
    return WriteExportFile(
        path, !doc.Settings().exporting.newFile,
        [&](IExportOutput& out) { return WriteExport(doc, table, out); }, FileReplaceService());
}

}  // namespace

void RunExportCommand(CTallyDoc& doc) {
    if (!AskExportPreferences(doc)) return;
    const std::optional<std::string> path = AskExportPath(doc);
    if (!path) return;
    const FileErrorCause cause = WriteExportOf(doc, *path);
    if (cause != FileErrorCause::None) ReportFileError(cause, *path);
}

}  // namespace tw
