#pragma once
// The sample's dialogs: document options (a modal dialog with checked values) and the two
// pages of its preferences sheet.

#include <string>

#include "framework/win32/dialog.h"
#include "framework/win32/property_sheet.h"
#include "sample_resources.h"

namespace tw::sample {

class COptionsDialog : public CDialog {
public:
    COptionsDialog() : CDialog(IDD_OPTIONS) {}
    int linesPerPage = 40;
    std::string title;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

// The settings the preferences sheet edits (kept by the application).
struct SamplePreferences {
    bool autoSave = false;
    int minutes = 10;
    int size = 1;  // 0 small, 1 medium, 2 large
};

class CGeneralPage : public CPropertyPage {
public:
    CGeneralPage();
    bool autoSave = false;
    int minutes = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

class CDisplayPage : public CPropertyPage {
public:
    CDisplayPage();
    int size = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

// Runs the sheet on a copy of prefs and takes the values over only on OK.
bool EditPreferences(SamplePreferences& prefs);

}  // namespace tw::sample
