#include "dialogs/win32/general_prefs_pages.h"

#include "app/res/resource.h"
#include "dialogs/auto_save_choice.h"
#include "dialogs/win32/combo_entries.h"
#include "framework/win32/window.h"

namespace tw {

namespace {

constexpr int kAdjustListIds[kAdjustRowCount] = {IDC_START_ADJUST, IDC_STOP_ADJUST,
                                                 IDC_ELAPSED_ADJUST, IDC_PAUSED_ADJUST};

UINT EntryTextId(RecalcTarget target) {
    switch (target) {
        case RecalcTarget::kStart: return IDS_TITLE_START_DATE;
        case RecalcTarget::kStop: return IDS_TITLE_STOP_DATE;
        case RecalcTarget::kElapsed: return IDS_TITLE_ELAPSED_TIME;
        case RecalcTarget::kPaused: return IDS_TITLE_PAUSED_TIME;
    }
    return IDS_TITLE_ELAPSED_TIME;
}

AdjustChoices ChoicesOf(const GeneralSettings& s) {
    return {s.startAdjust, s.stopAdjust, s.elapsedAdjust, s.pausedAdjust};
}

}  // namespace

CPrefAutoSave::CPrefAutoSave(GeneralSettings& settings)
    : CGeneralPrefsPage(IDD_PREF_MISC, settings) {}

void CPrefAutoSave::DoDataExchange(CDataExchange& dx) {
    dx.Check(IDC_AUTO_SAVE, settings_.autoSave);
    dx.Text(IDC_AUTO_SAVE_MINUTES, settings_.autoSaveMinutes);
    dx.IntRange(IDC_AUTO_SAVE_MINUTES, settings_.autoSaveMinutes,
                MinAutoSaveMinutes(settings_.autoSave), kAutoSaveMinutesMax);
    dx.Check(IDC_CONFIRM_DELETE, settings_.confirmDelete);
}

CPrefCompact::CPrefCompact(GeneralSettings& settings)
    : CGeneralPrefsPage(IDD_PREF_COMPACT, settings) {}

void CPrefCompact::DoDataExchange(CDataExchange& dx) {
    dx.Check(IDC_HIDE_TOOLBAR, settings_.hideToolBar);
    dx.Check(IDC_HIDE_STATUS_BAR, settings_.hideStatusBar);
}

CPrefStartup::CPrefStartup(GeneralSettings& settings)
    : CGeneralPrefsPage(IDD_PREF_STARTUP, settings) {}

void CPrefStartup::DoDataExchange(CDataExchange& dx) {
    int choice = static_cast<int>(settings_.startup);
    // The radios in page order show the choices 0, 1, 2.
    dx.Radio({IDC_STARTUP_NOTHING, IDC_STARTUP_NEW_DOCUMENT, IDC_STARTUP_REOPEN}, choice);
    if (dx.Saving() && choice >= 0) settings_.startup = MapStartupChoice(choice);
}

CPrefAdjust::CPrefAdjust(GeneralSettings& settings)
    : CGeneralPrefsPage(IDD_PREF_TIME_ADJUST, settings) {}

bool CPrefAdjust::OnInitDialog() {
    if (!FillLists()) {
        CancelSheetOf(hwnd_);
        return true;
    }
    SelectChoices(ChoicesOf(settings_));
    return true;
}

bool CPrefAdjust::FillLists() {
    for (int row = 0; row < kAdjustRowCount; ++row) {
        for (RecalcTarget target : AdjustEntriesOf(row)) {
            if (AddComboEntry(Item(kAdjustListIds[row]), LoadResourceString(EntryTextId(target)),
                              static_cast<LPARAM>(target)) != ComboFill::kDone) {
                return false;
            }
        }
    }
    return true;
}

void CPrefAdjust::SelectChoices(const AdjustChoices& choices) {
    for (int row = 0; row < kAdjustRowCount; ++row)
        SelectComboData(Item(kAdjustListIds[row]), static_cast<LPARAM>(choices[row]));
}

bool CPrefAdjust::OnCommand(UINT id, UINT code, HWND) {
    if (id != IDC_RESTORE_ADJUST_DEFAULTS || code != BN_CLICKED) return false;
    SelectChoices(DefaultAdjustChoices());
    return true;
}

bool CPrefAdjust::OnKillActive() {
    RecalcTarget* targets[kAdjustRowCount] = {&settings_.startAdjust, &settings_.stopAdjust,
                                              &settings_.elapsedAdjust, &settings_.pausedAdjust};
    for (int row = 0; row < kAdjustRowCount; ++row) {
        const LPARAM chosen = SelectedComboData(Item(kAdjustListIds[row]), -1);
        if (AdjustEntryIndex(row, static_cast<RecalcTarget>(chosen)) >= 0)
            *targets[row] = static_cast<RecalcTarget>(chosen);
    }
    return true;
}

}  // namespace tw
