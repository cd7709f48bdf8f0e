#include "app/general_prefs_store.h"

#include "framework/settings.h"

namespace tw {

namespace {

bool WriteInt(ISettingsStore& store, const char* key, int value) {
    return store.WriteInt(kGeneralSection, key, value);
}

bool WriteTarget(ISettingsStore& store, const char* key, RecalcTarget value) {
    return WriteInt(store, key, static_cast<int>(value));
}

// The auto-save part; the other values are written whatever they are.
bool StoreAutoSave(ISettingsStore& store, GeneralSettings& current, const GeneralSettings& chosen,
                   AutoSaveTimerAction& timer) {
    const AutoSaveChange change = AutoSaveChangeOf(current.autoSave, current.autoSaveMinutes,
                                                   chosen.autoSave, chosen.autoSaveMinutes);
    timer = change.timer;
    bool ok = true;
    current.autoSave = chosen.autoSave;
    if (change.writeFlag) ok = WriteFlag(store, "AutoSave", chosen.autoSave) && ok;
    if (change.takeMinutes) {
        current.autoSaveMinutes = chosen.autoSaveMinutes;
        ok = WriteAutoSaveMinutes(store, chosen.autoSaveMinutes) && ok;
    }
    return ok;
}

}  // namespace

bool StoreGeneralPreferences(ISettingsStore& store, GeneralSettings& current,
                             const GeneralSettings& chosen, AutoSaveTimerAction& timer) {
    bool ok = StoreAutoSave(store, current, chosen, timer);
    current.confirmDelete = chosen.confirmDelete;
    current.hideToolBar = chosen.hideToolBar;
    current.hideStatusBar = chosen.hideStatusBar;
    current.startup = chosen.startup;
    current.startAdjust = chosen.startAdjust;
    current.stopAdjust = chosen.stopAdjust;
    current.elapsedAdjust = chosen.elapsedAdjust;
    current.pausedAdjust = chosen.pausedAdjust;
    ok = WriteFlag(store, "DisplayDeleteTimeRecConfirmDlg", chosen.confirmDelete) && ok;
    ok = WriteFlag(store, "hideToolbar", chosen.hideToolBar) && ok;
    ok = WriteFlag(store, "hideStatusBar", chosen.hideStatusBar) && ok;
    ok = WriteInt(store, "FileOpenOption", static_cast<int>(chosen.startup)) && ok;
    ok = WriteTarget(store, "StartAdjust", chosen.startAdjust) && ok;
    ok = WriteTarget(store, "StopAdjust", chosen.stopAdjust) && ok;
    ok = WriteTarget(store, "ElapsedAdjust", chosen.elapsedAdjust) && ok;
    ok = WriteTarget(store, "PausedAdjust", chosen.pausedAdjust) && ok;
    return ok;
}

}  // namespace tw
