#include "dialogs/win32/general_prefs_sheet.h"

#include "app/res/resource.h"
#include "app/win32/tallywick_app.h"
#include "framework/win32/window.h"

namespace tw {

CGeneralPrefsSheet::CGeneralPrefsSheet(const GeneralSettings& current, HWND parent)
    : CPropertySheet(LoadResourceString(IDS_PREFERENCES_CAPTION), parent), chosen_(current) {
    AddPage(misc_);
    AddPage(compact_);
    AddPage(startup_);
    AddPage(adjust_);
}

void RunGeneralPreferences(CTallywickApp& app) {
    CGeneralPrefsSheet sheet(app.General(), app.MainWindow());
    if (sheet.DoModal() == IDOK) app.TakeGeneralPreferences(sheet.Chosen());
}

}  // namespace tw
