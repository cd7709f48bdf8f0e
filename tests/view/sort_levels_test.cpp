#include "view/sort_levels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

SortLevel By(int column, bool use = true) {
    SortLevel level;
    level.use = use;
    level.column = column;
    return level;
}

// A grid that refuses the levels it is told to and logs every call.
class FakeGrid : public ISortLevelTarget {
public:
    int refuseLevel = 0;
    std::vector<std::string> calls;
    bool SetLevel(int level, const SortLevel& s) override {
        calls.push_back("set" + std::to_string(level) + ":" + std::to_string(s.column));
        return level != refuseLevel;
    }
    void ClearLevel(int level) override { calls.push_back("clear" + std::to_string(level)); }
};

TEST(SortLevelsTest, DialogUseBoxesFollowTheLevelAbove) {
    const bool firstOff[3] = {false, true, true};
    const SortDialogState off = SortDialogStateOf(firstOff);
    EXPECT_TRUE(off.useAvailable[0]);
    EXPECT_FALSE(off.useAvailable[1] || off.useAvailable[2] || off.used[1] || off.used[2]);
    const bool twoOn[3] = {true, true, false};
    const SortDialogState on = SortDialogStateOf(twoOn);
    EXPECT_TRUE(on.useAvailable[1] && on.useAvailable[2] && on.used[1]);
    EXPECT_FALSE(on.used[2]);
}

TEST(SortLevelsTest, DialogKeepsNoLevelUnderAnUnusedOne) {
    const SortLevels chosen = LevelsChosenInDialog({By(3, false), By(5), By(6)});
    EXPECT_FALSE(chosen[1].use || chosen[2].use);
    EXPECT_EQ(chosen[1].column, 5);  // the column stays; without use it sorts nothing
    const SortLevels middleOff = LevelsChosenInDialog({By(3), By(5, false), By(6)});
    EXPECT_TRUE(middleOff[0].use);
    EXPECT_FALSE(middleOff[2].use);
}

TEST(SortLevelsTest, LevelsInUseReachTheGridAndTheRestAreClearedFromTheBottom) {
    FakeGrid grid;
    const SortLevels kept = ApplySortLevels({By(2), By(0), By(4)}, grid);
    EXPECT_EQ(grid.calls, (std::vector<std::string>{"set1:2", "clear3", "clear2"}));
    EXPECT_TRUE(kept[0].use);
    EXPECT_EQ(kept[0].column, 2);
    EXPECT_FALSE(kept[2].use);
    EXPECT_EQ(kept[2].column, 0);  // under a level without a column
}

TEST(SortLevelsTest, RefusedLevelIsDroppedWithTheLevelsBelow) {
    FakeGrid grid;
    grid.refuseLevel = 2;
    const SortLevels kept = ApplySortLevels({By(2), By(9), By(4)}, grid);
    EXPECT_EQ(grid.calls, (std::vector<std::string>{"set1:2", "set2:9", "clear3", "clear2"}));
    EXPECT_TRUE(kept[0].use);
    EXPECT_FALSE(kept[1].use || kept[2].use);
    EXPECT_EQ(kept[1].column + kept[2].column, 0);
}

TEST(SortLevelsTest, SuspendedSortingClearsEveryLevel) {
    FakeGrid grid;
    const SortLevels none = ApplySortLevels(WithoutSorting({By(2), By(3), By(4)}), grid);
    EXPECT_EQ(grid.calls, (std::vector<std::string>{"clear3", "clear2", "clear1"}));
    for (const SortLevel& level : none) EXPECT_FALSE(level.use);
}

}  // namespace
}  // namespace tw
