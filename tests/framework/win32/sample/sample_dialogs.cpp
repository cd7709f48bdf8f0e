#include "sample_dialogs.h"

#include "sample_resources.h"

namespace tw::sample {

void COptionsDialog::DoDataExchange(CDataExchange& dx) {
    dx.Text(IDC_LINES, linesPerPage);
    dx.IntRange(IDC_LINES, linesPerPage, 10, 100);
    dx.Text(IDC_TITLE, title);
    dx.MaxChars(IDC_TITLE, title, 20);
}

CGeneralPage::CGeneralPage() : CPropertyPage(IDD_PREF_GENERAL) {}

void CGeneralPage::DoDataExchange(CDataExchange& dx) {
    dx.Check(IDC_AUTOSAVE, autoSave);
    dx.Text(IDC_MINUTES, minutes);
    dx.IntRange(IDC_MINUTES, minutes, 0, 1440);
}

CDisplayPage::CDisplayPage() : CPropertyPage(IDD_PREF_DISPLAY) {}

void CDisplayPage::DoDataExchange(CDataExchange& dx) {
    dx.Radio({IDC_SMALL, IDC_MEDIUM, IDC_LARGE}, size);
}

bool EditPreferences(SamplePreferences& prefs) {
    CGeneralPage general;
    CDisplayPage display;
    general.autoSave = prefs.autoSave;
    general.minutes = prefs.minutes;
    display.size = prefs.size;
    CPropertySheet sheet("Sample Preferences");
    sheet.AddPage(general);
    sheet.AddPage(display);
    if (sheet.DoModal() != IDOK) return false;
    prefs.autoSave = general.autoSave;
    prefs.minutes = general.minutes;
    prefs.size = display.size;
    return true;
}

}  // namespace tw::sample
