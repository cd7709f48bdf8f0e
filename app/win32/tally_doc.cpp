#include "app/win32/tally_doc.h"

#include "app/res/resource.h"
#include "app/win32/tallywick_app.h"

namespace tw {

CTallyDoc::CTallyDoc() {
    if (CTallywickApp* app = TheTallywickApp()) SetApplication(app);
    RegisterCommands();
}

void CTallyDoc::RegisterCommands() {
    TotalsModeCommand(ID_TOTAL_ACTIVE, 0);
    TotalsModeCommand(ID_TOTAL_ALL, 1);
    TotalsModeCommand(ID_TOTAL_MARKED, 2);
}

void CTallyDoc::TotalsModeCommand(unsigned id, int mode) {
    OnCommand(id, [this, mode] { SetTotalsMode(mode); });
    OnUpdateCommand(id, [this, mode](CommandState& s) {
        s.Enable();
        s.SetCheck(GetTotalsMode() == mode);
    });
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
