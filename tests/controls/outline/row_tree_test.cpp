// The balanced tree of rows against a plain vector of ids: random insertions and removals,
// with the order, both lookups and the balance checked after each step.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "controls/outline/row_tree.h"

namespace tw {
namespace {

void ExpectSameRows(const RowTree& tree, const std::vector<uint32_t>& reference) {
    ASSERT_EQ(reference.size(), tree.Count());
    ASSERT_TRUE(tree.CheckInvariants());
    uint32_t walked = tree.First();
    for (size_t i = 0; i < reference.size(); ++i) {
        ASSERT_EQ(reference[i], tree.At(i)) << "row " << i;
        ASSERT_EQ(long(i), tree.IndexOf(reference[i]));
        ASSERT_EQ(reference[i], walked);
        walked = tree.Next(walked);
    }
    EXPECT_EQ(RowTree::kNone, walked);
    EXPECT_EQ(RowTree::kNone, tree.At(reference.size()));
}

TEST(RowTree, RandomInsertionsAndRemovalsKeepOrderAndBalance) {
    std::mt19937 random(12345);
    RowTree tree;
    std::vector<uint32_t> reference;
    std::vector<uint32_t> spare;
    for (uint32_t id = 1; id <= 400; ++id) spare.push_back(id);
    for (int step = 0; step < 3000; ++step) {
        const bool insert = !spare.empty() && (reference.empty() || random() % 3 != 0);
        if (insert) {
            const size_t pick = random() % spare.size();
            const uint32_t id = spare[pick];
            spare.erase(spare.begin() + long(pick));
            const size_t at = random() % (reference.size() + 1);
            if (random() % 2) {
                tree.InsertAt(at, id);
            } else {
                tree.InsertAfter(at ? reference[at - 1] : RowTree::kNone, id);
            }
            reference.insert(reference.begin() + long(at), id);
        } else {
            const size_t at = random() % reference.size();
            tree.Remove(reference[at]);
            spare.push_back(reference[at]);
            reference.erase(reference.begin() + long(at));
        }
        if (step % 50 == 0) ExpectSameRows(tree, reference);
    }
    ExpectSameRows(tree, reference);
}

TEST(RowTree, LookupsOfAbsentIdsAndEnds) {
    RowTree tree;
    EXPECT_EQ(-1, tree.IndexOf(5));
    EXPECT_EQ(RowTree::kNone, tree.At(0));
    EXPECT_EQ(RowTree::kNone, tree.Last());
    tree.Remove(5);  // nothing to remove
    for (uint32_t id = 1; id <= 1000; ++id) tree.InsertAfter(tree.Last(), id);
    EXPECT_EQ(999, tree.IndexOf(1000));
    EXPECT_EQ(1000u, tree.At(999));
    EXPECT_EQ(RowTree::kNone, tree.Previous(1));
    EXPECT_EQ(999u, tree.Previous(1000));
    tree.InsertAfter(3, 2);  // already a row: no change
    EXPECT_EQ(1000u, tree.Count());
    EXPECT_TRUE(tree.CheckInvariants());
    tree.Clear();
    EXPECT_EQ(0u, tree.Count());
    EXPECT_FALSE(tree.Contains(1));
}

}  // namespace
}  // namespace tw
