#pragma once
// CPrintPrefsDlg: the Print Preferences dialog (template 172) on a copy of a document's print
// settings. The column check boxes show the document's own header texts; the custom header
// edit is enabled only with "Custom Header" chosen; Change Font opens the font chooser and
// keeps bold (weight 700) or regular. Choices() gives the settings as OK stores them.

#include <windows.h>

#include "dialogs/print_choices.h"
#include "dialogs/win32/column_check_boxes.h"
#include "framework/win32/dialog.h"

namespace tw {

class CPrintPrefsDlg : public CDialog {
public:
    CPrintPrefsDlg(const DocumentSettings& settings, HWND parent);

    // The choices after OK: the custom text emptied when the file name is the header.
    PrintChoices Choices() const { return StoredPrintChoices(choices_); }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void ChangeFont();
    // Takes a font chosen in the font chooser and shows it.
    void TakeChosenFont(const LOGFONTA& font, int pointTenths);
    void ShowFontTexts();

    PrintChoices choices_;
    ColumnTitles customTitles_;  // the document's own header texts
};

}  // namespace tw
