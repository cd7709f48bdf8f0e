#pragma once
// CExportPrefsDlg: the Export Preferences dialog (template 171) on a copy of a document's
// export settings. The column check boxes show the document's own header texts; checking the
// v1.x layout disables the options it forces and the column boxes, unchecking enables them.
// Choices() gives the settings as OK stores them.

#include <windows.h>

#include <array>
#include <string>

#include "dialogs/export_choices.h"
#include "framework/win32/dialog.h"

namespace tw {

class CExportPrefsDlg : public CDialog {
public:
    CExportPrefsDlg(const DocumentSettings& settings, HWND parent);

    // The choices after OK, forced as stored for the v1.x layout.
    ExportChoices Choices() const { return StoredExportChoices(choices_); }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    // Enables or disables the column boxes and the three options the v1.x layout forces.
    void EnableForcedControls(bool enable);

    ExportChoices choices_;
    std::array<std::string, kColumnCount> customTitles_;  // the document's own header texts
};

}  // namespace tw
