#pragma once
// The Column Settings page of the Document Preferences sheet: one column at a time, chosen in a
// drop-down list of the 14 table columns, on a working copy of all their settings.

#include "dialogs/column_settings_editor.h"
#include "framework/win32/property_sheet.h"

namespace tw {

class CDocPrefColSetting : public CPropertyPage {
public:
    explicit CDocPrefColSetting(const ColumnSettings& columns);

    // The working copy (with the shown column taken once the page was left or OK pressed).
    const ColumnSettings& Columns() const { return editor_.Columns(); }

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnKillActive() override;

private:
    bool FillList();
    void OnListChoice(UINT code);
    ColumnControls Read() const;
    void Show(const ColumnControls& controls);

    ColumnSettingsEditor editor_;
};

}  // namespace tw
