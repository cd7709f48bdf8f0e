#pragma once
// The Time Display and Defaults pages of the Document Preferences sheet. Each edits its part of
// the sheet's copy of the document's settings.

#include "doc/document_settings.h"
#include "framework/win32/property_sheet.h"

namespace tw {

class CWorkmetrDoc;

// "Time Display": the increment, decimal notation and the count of hundredths of an hour.
class CDocPrefTimeDisplay : public CPropertyPage {
public:
    explicit CDocPrefTimeDisplay(TimeDisplaySettings& settings);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    // Decimal notation and the count enabled (and decimal notation cleared) by the increment.
    void EnableFor(int increment);

    TimeDisplaySettings& settings_;
};

// "Defaults": what a new time record is given.
class CDocPrefDefault : public CPropertyPage {
public:
    CDocPrefDefault(RecordDefaults& defaults, const CWorkmetrDoc& doc);

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnKillActive() override;

private:
    bool FillLists();
    void EnableItems(bool on);

    RecordDefaults& defaults_;
    const CWorkmetrDoc& doc_;
};

}  // namespace tw
