// The in-memory settings store: strings and integers are kept apart, so a key read as the
// other kind gives the fallback, and removed keys are gone.

#include "framework/settings.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(MemorySettings, StringsAndIntegersAnswerOnlyTheirOwnKind) {
    MemorySettings s;
    EXPECT_TRUE(s.WriteString("Files", "Last", "a.tw"));
    EXPECT_TRUE(s.WriteInt("Files", "Count", 4));
    EXPECT_EQ(s.GetString("Files", "Last", "-"), "a.tw");
    EXPECT_EQ(s.GetInt("Files", "Count", -1), 4);
    EXPECT_EQ(s.GetInt("Files", "Last", -1), -1);
    EXPECT_EQ(s.GetString("Files", "Count", "-"), "-");
    EXPECT_EQ(s.GetInt("Other", "Count", -1), -1);  // the section is part of the key

    EXPECT_TRUE(s.WriteInt("Files", "Last", 0));  // a key changes kind when rewritten
    EXPECT_EQ(s.GetInt("Files", "Last", -1), 0);
    EXPECT_EQ(s.GetString("Files", "Last", "-"), "-");
}

TEST(MemorySettings, RemovedKeysGiveTheFallbackAndOthersStay) {
    MemorySettings s;
    s.WriteInt("View", "Width", 800);
    s.WriteInt("View", "Height", 600);
    EXPECT_TRUE(s.RemoveKey("View", "Width"));
    EXPECT_TRUE(s.RemoveKey("View", "Width"));  // already gone counts as removed
    EXPECT_EQ(s.GetInt("View", "Width", 1), 1);
    EXPECT_EQ(s.GetInt("View", "Height", 1), 600);
}

}  // namespace
}  // namespace tw
