#pragma once
// CMarkSpecialDlg: the Mark Special dialog (template 173). It chooses which records to mark:
// a project, category and client (or any), a start and a stop date range (or any) and whether
// the records that do not match lose their mark. Every "Any" box starts checked, both ranges
// start as today. Criteria() gives the choice after OK.

#include <windows.h>

#include "app/win32/tarn_controls.h"
#include "dialogs/win32/item_combos.h"
#include "framework/win32/dialog.h"
#include "view/mark_special.h"

namespace tw {

class CWorkmetrDoc;

class CMarkSpecialDlg : public CDialog {
public:
    CMarkSpecialDlg(const CWorkmetrDoc& doc, HWND parent);

    const MarkCriteria& Criteria() const { return criteria_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void SetCalendarNames();
    // Enables the controls an "Any" box stands for when it is unchecked.
    void EnableForAnyBox(int anyBox);
    void EnableDateEdit(CDateEdit& edit, bool enable);
    void ExchangeRange(CDataExchange& dx, CDateEdit& first, CDateEdit& last, DateRange& range);

    const CWorkmetrDoc& doc_;
    MarkCriteria criteria_;
    CItemCombos itemLists_;
    CDateEdit beginStart_, endStart_, beginStop_, endStop_;
};

}  // namespace tw
