#pragma once
// The pages of the General Preferences sheet. Each edits its part of one working copy of the
// general settings, which the sheet's owner takes after OK; Cancel leaves the copy unused.

#include "app/general_settings.h"
#include "dialogs/time_adjust_choices.h"
#include "framework/win32/property_sheet.h"

namespace tw {

// A page of the sheet: its template over the working copy.
class CGeneralPrefsPage : public CPropertyPage {
public:
    CGeneralPrefsPage(UINT templateId, GeneralSettings& settings)
        : CPropertyPage(templateId), settings_(settings) {}

protected:
    GeneralSettings& settings_;
};

// "Misc": auto-save and its minutes, the delete confirmation.
class CPrefAutoSave : public CGeneralPrefsPage {
public:
    explicit CPrefAutoSave(GeneralSettings& settings);

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

// "Compact": the bars hidden while the document windows are compacted.
class CPrefCompact : public CGeneralPrefsPage {
public:
    explicit CPrefCompact(GeneralSettings& settings);

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

// "Startup": what opens when no document was named.
class CPrefStartup : public CGeneralPrefsPage {
public:
    explicit CPrefStartup(GeneralSettings& settings);

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

// "Time Adjust": the value adjusted after each kind of time cell edit.
class CPrefAdjust : public CGeneralPrefsPage {
public:
    explicit CPrefAdjust(GeneralSettings& settings);

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnKillActive() override;

private:
    bool FillLists();
    void SelectChoices(const AdjustChoices& choices);
};

}  // namespace tw
