#pragma once
// The time table's three sort levels: which levels the Sort dialog lets the user set, what its
// OK keeps, and how the levels reach the grid (a level counts only under levels in use).

#include <array>

#include "doc/document_settings.h"

namespace tw {

using SortLevels = std::array<SortLevel, 3>;

// True when the level's use flag and column are both set.
bool IsSortLevelSet(const SortLevel& level);

// The Sort dialog's enabling: level n can be used only while level n-1 is checked ("Use" of
// level 1 is always available). `used` holds the three check boxes; the answer says which
// "Use" boxes are available; a box that is not loses its check.
struct SortDialogState {
    bool useAvailable[3] = {true, false, false};
    bool used[3] = {false, false, false};
};
SortDialogState SortDialogStateOf(const bool used[3]);

// The levels the Sort dialog's OK stores: a level under one that is not used is not used.
SortLevels LevelsChosenInDialog(SortLevels levels);

// What takes the levels: the grid. Each call answers true when the grid accepted it.
class ISortLevelTarget {
public:
    virtual ~ISortLevelTarget() = default;
    virtual bool SetLevel(int level, const SortLevel& settings) = 0;  // level 1 to 3
    virtual void ClearLevel(int level) = 0;
};

// Hands the levels in use to `target` from level 1 down and clears the others (level 3 first).
// A level is in use when it is set, every level above it is in use and the target accepted it.
// Returns the levels as kept: those not in use have their use flag and column cleared.
SortLevels ApplySortLevels(SortLevels levels, ISortLevelTarget& target);

// The levels with every use flag and column cleared (sorting suspended).
SortLevels WithoutSorting(SortLevels levels);

}  // namespace tw
