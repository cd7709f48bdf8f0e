#pragma once
// CSortDlg: the Sort dialog (template 183) over the three sort levels. Each level's list offers
// the grid's titled columns; a level's "Use" box is available only while the level above is
// used, and unchecking a level unchecks those below. Levels() gives the levels after OK.

#include <windows.h>

#include "framework/win32/dialog.h"
#include "view/sort_levels.h"

namespace tw {

class CGridCtrl;

class CSortDlg : public CDialog {
public:
    CSortDlg(const SortLevels& levels, CGridCtrl& grid, HWND parent);

    const SortLevels& Levels() const { return levels_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void FillColumnList(int level);
    // Applies the "Use" rules to the three levels and enables each level's controls.
    void ApplyUseRules();

    SortLevels levels_;
    CGridCtrl& grid_;
};

}  // namespace tw
