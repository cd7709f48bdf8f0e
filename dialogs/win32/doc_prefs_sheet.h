#pragma once
// The Document Preferences sheet (F7): Time Display, Column Settings and Defaults over a copy of
// the document's settings. OK stores what changed in the document (marking it modified) and
// brings the time table up to date; Cancel changes nothing.

#include "dialogs/win32/column_settings_page.h"
#include "dialogs/win32/doc_prefs_pages.h"
#include "doc/document_settings.h"
#include "framework/win32/property_sheet.h"

namespace tw {

class CTallyDoc;
class CWorkmetrDoc;

class CDocPrefsSheet : public CPropertySheet {
public:
    explicit CDocPrefsSheet(const CWorkmetrDoc& doc, HWND parent = nullptr);

    // `settings` with the values the pages left (time display, columns, new-record defaults).
    DocumentSettings ChosenFrom(const DocumentSettings& settings) const;

private:
    DocumentSettings chosen_;
    CDocPrefTimeDisplay timeDisplay_;
    CDocPrefColSetting columns_;
    CDocPrefDefault defaults_;
};

// The Document Preferences command.
void RunDocumentPreferences(CTallyDoc& doc);

}  // namespace tw
