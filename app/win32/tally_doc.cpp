#include "app/win32/tally_doc.h"

#include "app/res/resource.h"
#include "app/win32/tallywick_app.h"
#include "dialogs/win32/doc_prefs_sheet.h"
#include "dialogs/win32/export_command.h"
#include "dialogs/win32/rate_list_command.h"
#include "framework/prompt.h"
#include "framework/win32/window.h"

namespace tw {

CTallyDoc::CTallyDoc() {
    if (CTallywickApp* app = TheTallywickApp()) SetApplication(app);
    RegisterCommands();
}

void CTallyDoc::RegisterCommands() {
    TotalsModeCommand(ID_TOTAL_ACTIVE, 0);
    TotalsModeCommand(ID_TOTAL_ALL, 1);
    TotalsModeCommand(ID_TOTAL_MARKED, 2);
    OnCommand(ID_EXPORT, [this] { RunExportCommand(*this); });
    OnCommand(ID_DOCUMENT_PREFERENCES, [this] { RunDocumentPreferences(*this); });
    ListEditorCommand(ID_EDIT_PROJECTS, kProjectList);
    ListEditorCommand(ID_EDIT_CATEGORIES, kCategoryList);
    ListEditorCommand(ID_EDIT_CLIENTS, kClientList);
}

void CTallyDoc::ListEditorCommand(unsigned id, int list) {
    OnCommand(id, [this, list] {
        RunRateListEditor(*this, list, TheApp() != nullptr ? TheApp()->MainWindow() : nullptr);
    });
}

void CTallyDoc::TotalsModeCommand(unsigned id, int mode) {
    OnCommand(id, [this, mode] { SetTotalsMode(mode); });
    OnUpdateCommand(id, [this, mode](CommandState& s) {
        s.Enable();
        s.SetCheck(GetTotalsMode() == mode);
    });
}

void CTallyDoc::ReportOpenFailure(const std::string& path, const std::string& reason) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        CAppDocument::ReportOpenFailure(path, reason);
        return;
    }
    ::CloseHandle(file);
    if (reason != kForeignHeaderReason) Tell(LoadResourceString(IDS_OPEN_NOT_A_DOCUMENT));
}

bool CTallyDoc::SaveModified() {
    if (AsksToSaveChanges()) return CAppDocument::SaveModified();
    if (!IsModified()) return true;
    return GetPathName().empty() ? DoSave(std::string()) : OnSaveDocument(GetPathName());
}

void CTallyDoc::OnCloseDocument() {
    CTallywickApp* app = TheTallywickApp();
    if (app != nullptr && app->IsRecordingReopen() && !GetPathName().empty()) {
        app->RecordReopenPath(GetPathName());
    }
    CAppDocument::OnCloseDocument();
}

}  // namespace tw
