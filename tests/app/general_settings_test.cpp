#include "app/general_settings.h"

#include <gtest/gtest.h>

#include "framework/settings.h"

namespace tw {
namespace {

TEST(GeneralSettings, AnEmptyStoreGivesTheDefaults) {
    MemorySettings store;
    const GeneralSettings s = ReadGeneralSettings(store);
    EXPECT_FALSE(s.hideToolBar);
    EXPECT_FALSE(s.autoSave);
    EXPECT_EQ(s.autoSaveMinutes, 0);
    EXPECT_FALSE(s.AutoSaveActive());
    EXPECT_EQ(s.startup, StartupChoice::kNothing);
    EXPECT_EQ(s.startAdjust, RecalcTarget::kElapsed);
    EXPECT_EQ(s.stopAdjust, RecalcTarget::kElapsed);
    EXPECT_EQ(s.elapsedAdjust, RecalcTarget::kStop);
    EXPECT_EQ(s.pausedAdjust, RecalcTarget::kElapsed);
    EXPECT_EQ(s.generalAdjust, RecalcTarget::kElapsed);
    EXPECT_FALSE(s.autoAdjust);
    EXPECT_TRUE(s.confirmDelete);
}

TEST(GeneralSettings, FlagsAreOnOnlyForTheExactText) {
    MemorySettings store;
    store.WriteString(kGeneralSection, "AutoSave", "true");
    store.WriteString(kGeneralSection, "AutoSaveMinutes", "5");
    store.WriteString(kGeneralSection, "hideToolbar", "TRUE");
    store.WriteString(kGeneralSection, "DisplayDeleteTimeRecConfirmDlg", "FALSE");
    const GeneralSettings s = ReadGeneralSettings(store);
    EXPECT_FALSE(s.autoSave) << "lower case counts as off";
    EXPECT_FALSE(s.AutoSaveActive());
    EXPECT_TRUE(s.hideToolBar);
    EXPECT_FALSE(s.confirmDelete);
}

TEST(GeneralSettings, StoredNumbersOutsideTheirSetsTakeTheDefault) {
    EXPECT_EQ(MapStartAdjust(0), RecalcTarget::kElapsed);
    EXPECT_EQ(MapStartAdjust(1), RecalcTarget::kStop);
    EXPECT_EQ(MapStartAdjust(3), RecalcTarget::kPaused);
    EXPECT_EQ(MapStopAdjust(1), RecalcTarget::kElapsed);
    EXPECT_EQ(MapStopAdjust(0), RecalcTarget::kStart);
    EXPECT_EQ(MapElapsedAdjust(2), RecalcTarget::kStop);
    EXPECT_EQ(MapElapsedAdjust(3), RecalcTarget::kPaused);
    EXPECT_EQ(MapPausedAdjust(3), RecalcTarget::kElapsed);
    EXPECT_EQ(MapPausedAdjust(1), RecalcTarget::kStop);
    EXPECT_EQ(MapGeneralAdjust(7), RecalcTarget::kElapsed);
    EXPECT_EQ(MapGeneralAdjust(3), RecalcTarget::kPaused);
    EXPECT_EQ(MapGeneralAdjust(-1), RecalcTarget::kElapsed);
    EXPECT_EQ(MapStartupChoice(2), StartupChoice::kReopenLast);
    EXPECT_EQ(MapStartupChoice(3), StartupChoice::kNothing);
}

TEST(GeneralSettings, AutoSaveMinutesReadAsANumberWithinADay) {
    EXPECT_EQ(ParseAutoSaveMinutes("15"), 15);
    EXPECT_EQ(ParseAutoSaveMinutes(" 15 minutes"), 15);
    EXPECT_EQ(ParseAutoSaveMinutes("abc"), 0);
    EXPECT_EQ(ParseAutoSaveMinutes(""), 0);
    EXPECT_EQ(ParseAutoSaveMinutes("-5"), 0);
    EXPECT_EQ(ParseAutoSaveMinutes("1441"), 1440);
    EXPECT_EQ(ParseAutoSaveMinutes("99999999999999999999"), 1440);
    MemorySettings store;
    WriteFlag(store, "AutoSave", true);
    WriteAutoSaveMinutes(store, 0);
    EXPECT_EQ(store.GetString(kGeneralSection, "AutoSave", ""), "TRUE");
    EXPECT_EQ(store.GetString(kGeneralSection, "AutoSaveMinutes", ""), "0");
    EXPECT_FALSE(ReadGeneralSettings(store).AutoSaveActive()) << "on with 0 minutes stays off";
}

TEST(GeneralSettings, ReopenListSkipsEmptyPaths) {
    MemorySettings store;
    store.WriteInt(kGeneralSection, "numDocPaths", 3);
    store.WriteString(kGeneralSection, "DocFileName1", "C:\\a.tw");
    store.WriteString(kGeneralSection, "DocFileName2", "");
    store.WriteString(kGeneralSection, "DocFileName3", "C:\\c.tw");
    EXPECT_EQ(ReadReopenPaths(store), (std::vector<std::string>{"C:\\a.tw", "C:\\c.tw"}));
    WriteReopenPaths(store, {"x.tw"});
    EXPECT_EQ(ReadReopenPaths(store), std::vector<std::string>{"x.tw"});
}

}  // namespace
}  // namespace tw
