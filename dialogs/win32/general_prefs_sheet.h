#pragma once
// The General Preferences sheet (F8): Misc, Compact, Startup and Time Adjust over a copy of the
// application's general settings. OK hands the copy to the application, which stores it and
// lets the auto-save timer follow; Cancel changes nothing.

#include "app/general_settings.h"
#include "dialogs/win32/general_prefs_pages.h"
#include "framework/win32/property_sheet.h"

namespace tw {

class CTallywickApp;

class CGeneralPrefsSheet : public CPropertySheet {
public:
    explicit CGeneralPrefsSheet(const GeneralSettings& current, HWND parent = nullptr);

    // The settings as the pages left them.
    const GeneralSettings& Chosen() const { return chosen_; }

private:
    GeneralSettings chosen_;
    CPrefAutoSave misc_{chosen_};
    CPrefCompact compact_{chosen_};
    CPrefStartup startup_{chosen_};
    CPrefAdjust adjust_{chosen_};
};

// The General Preferences command.
void RunGeneralPreferences(CTallywickApp& app);

}  // namespace tw
