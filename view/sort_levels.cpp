#include "view/sort_levels.h"

namespace tw {

bool IsSortLevelSet(const SortLevel& level) { return level.use && level.column != 0; }

SortDialogState SortDialogStateOf(const bool used[3]) {
    SortDialogState state;
    bool above = true;
    for (int i = 0; i < 3; ++i) {
        state.useAvailable[i] = above;
        state.used[i] = above && used[i];
        above = state.used[i];
    }
    return state;
}

SortLevels LevelsChosenInDialog(SortLevels levels) {
    const bool used[3] = {levels[0].use, levels[1].use, levels[2].use};
    const SortDialogState state = SortDialogStateOf(used);
    for (int i = 0; i < 3; ++i) levels[size_t(i)].use = state.used[i];
    return levels;
}

SortLevels ApplySortLevels(SortLevels levels, ISortLevelTarget& target) {
    int inUse = 0;
    while (inUse < 3 && IsSortLevelSet(levels[size_t(inUse)]) &&
           target.SetLevel(inUse + 1, levels[size_t(inUse)])) {
        ++inUse;
    }
    for (int i = 2; i >= inUse; --i) {
        target.ClearLevel(i + 1);
        levels[size_t(i)].use = false;
        levels[size_t(i)].column = 0;
    }
    return levels;
}

SortLevels WithoutSorting(SortLevels levels) {
    for (SortLevel& level : levels) {
        level.use = false;
        level.column = 0;
    }
    return levels;
}

}  // namespace tw
