// Selection sets over the row store.
#include <vector>

#include <gtest/gtest.h>

#include "grid/selection.h"
#include "grid/dtbl32.h"

namespace tw {
namespace grid {
namespace {

RowStore Rows(int n) {
    RowStore rows;
    rows.Reset(4, 0);
    for (int k = 0; k < n; ++k) rows.Insert(k, &k);
    return rows;
}

TEST(Selection, RangesOnlyAndAll) {
    RowStore rows = Rows(8);
    EXPECT_TRUE(SelectRange(rows, 5, 2, false));
    EXPECT_EQ(SelectedRows(rows), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_TRUE(SelectRange(rows, 7, 7, true));
    EXPECT_EQ(SelectedRows(rows), (std::vector<int>{2, 3, 4, 5, 7}));
    EXPECT_TRUE(SelectRange(rows, 3, 4, false));
    EXPECT_EQ(SelectedRows(rows), (std::vector<int>{3, 4}));
    EXPECT_FALSE(SelectRange(rows, 3, 4, false)) << "nothing changed";
    EXPECT_FALSE(SelectRange(rows, 3, 40, false));
    EXPECT_TRUE(SelectOnly(rows, 6));
    EXPECT_FALSE(SelectOnly(rows, 6));
    EXPECT_EQ(SelectedRows(rows), (std::vector<int>{6}));
    EXPECT_TRUE(SelectAllRows(rows, true));
    EXPECT_FALSE(SelectAllRows(rows, true));
    EXPECT_EQ(rows.SelectedCount(), 8);
    EXPECT_TRUE(SelectAllRows(rows, false));
    EXPECT_TRUE(SelectedRows(rows).empty());
}

TEST(Selection, FirstAndNextWithTheirNoneValues) {
    RowStore empty = Rows(0);
    EXPECT_EQ(FirstSelected(empty), kNoSelectionEmpty);
    RowStore rows = Rows(5);
    EXPECT_EQ(FirstSelected(rows), kNoSelection);
    EXPECT_EQ(NextSelected(rows, -1), kEndOfSelection);
    rows.SetSelected(1, true);
    rows.SetSelected(4, true);
    EXPECT_EQ(FirstSelected(rows), 1);
    EXPECT_EQ(NextSelected(rows, 1), 4);
    EXPECT_EQ(NextSelected(rows, 4), kEndOfSelection);
    EXPECT_EQ(NextSelected(rows, -50), 1);
    EXPECT_EQ(NextSelected(rows, 99), kEndOfSelection);
}

}  // namespace
}  // namespace grid
}  // namespace tw
