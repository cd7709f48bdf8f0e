#include "app/general_prefs_store.h"

#include <gtest/gtest.h>

#include "framework/settings.h"

namespace tw {
namespace {

TEST(GeneralPrefsStore, WritesEveryValueInItsStoredForm) {
    MemorySettings store;
    GeneralSettings current;
    GeneralSettings chosen;
    chosen.hideToolBar = true;
    chosen.confirmDelete = false;
    chosen.startup = StartupChoice::kReopenLast;
    chosen.elapsedAdjust = RecalcTarget::kPaused;
    AutoSaveTimerAction timer = AutoSaveTimerAction::kRestart;
    ASSERT_TRUE(StoreGeneralPreferences(store, current, chosen, timer));
    EXPECT_EQ(timer, AutoSaveTimerAction::kNone);
    EXPECT_EQ(store.GetString(kGeneralSection, "hideToolbar", ""), "TRUE");
    EXPECT_EQ(store.GetString(kGeneralSection, "hideStatusBar", ""), "FALSE");
    EXPECT_EQ(store.GetString(kGeneralSection, "DisplayDeleteTimeRecConfirmDlg", ""), "FALSE");
    EXPECT_EQ(store.GetInt(kGeneralSection, "FileOpenOption", -1), 2);
    EXPECT_EQ(store.GetInt(kGeneralSection, "ElapsedAdjust", -1), 3);
    EXPECT_EQ(store.GetInt(kGeneralSection, "StartAdjust", -1), 2);
    EXPECT_EQ(store.GetString(kGeneralSection, "AutoSave", "none"), "none");
    const GeneralSettings read = ReadGeneralSettings(store);
    EXPECT_EQ(read.elapsedAdjust, current.elapsedAdjust);
    EXPECT_EQ(read.startup, current.startup);
}

TEST(GeneralPrefsStore, AutoSaveIsWrittenOnlyAsFarAsItChanged) {
    MemorySettings store;
    GeneralSettings current;
    current.autoSaveMinutes = 10;
    GeneralSettings chosen = current;
    chosen.autoSaveMinutes = 30;
    AutoSaveTimerAction timer;
    StoreGeneralPreferences(store, current, chosen, timer);
    EXPECT_EQ(current.autoSaveMinutes, 10) << "minutes changed while off are discarded";
    EXPECT_EQ(store.GetString(kGeneralSection, "AutoSaveMinutes", "none"), "none");

    chosen.autoSave = true;
    StoreGeneralPreferences(store, current, chosen, timer);
    EXPECT_EQ(timer, AutoSaveTimerAction::kStart);
    EXPECT_EQ(store.GetString(kGeneralSection, "AutoSave", ""), "TRUE");
    EXPECT_EQ(store.GetString(kGeneralSection, "AutoSaveMinutes", ""), "30");
    EXPECT_TRUE(current.AutoSaveActive());
    EXPECT_EQ(current.autoSaveMinutes, 30);
}

}  // namespace
}  // namespace tw
