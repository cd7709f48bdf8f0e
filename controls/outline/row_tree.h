#pragma once
// The visible rows of an outline list: a height-balanced (AVL) binary tree ordered by row
// position, one node per visible item, each node counting the nodes of its subtree. Row index
// to item and item to row index are descents and climbs of the tree, so both take time in
// the logarithm of the number of rows. Portable.
//
// Nodes are named by the item's slot number (1 and up; 0 means none) and kept in a table
// indexed by it, so an item needs no pointer of its own to find its row.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw {

class RowTree {
public:
    static constexpr uint32_t kNone = 0;

    size_t Count() const { return root_ ? nodes_[root_].size : 0; }
    bool Contains(uint32_t id) const { return id < nodes_.size() && nodes_[id].linked; }

    // The id at row `index`; kNone when out of range.
    uint32_t At(size_t index) const;
    // Row index of `id`; -1 when it is not a row.
    long IndexOf(uint32_t id) const;

    // Inserts `id` (not yet a row) so that it follows `after` (kNone: as the first row).
    void InsertAfter(uint32_t after, uint32_t id);
    // Inserts `id` so that its row index becomes `index` (at most Count()).
    void InsertAt(size_t index, uint32_t id);
    // Removes the row of `id`; nothing when it is not a row.
    void Remove(uint32_t id);
    void Clear();

    // The row after and before `id` (kNone at the ends).
    uint32_t Next(uint32_t id) const;
    uint32_t Previous(uint32_t id) const;
    uint32_t First() const;
    uint32_t Last() const;

    // Checks the links, heights, balance and counts of every node (for tests).
    bool CheckInvariants() const;

private:
    static constexpr int kLeft = 0;
    static constexpr int kRight = 1;

    struct Node {
        uint32_t child[2] = {kNone, kNone};  // left, right
        uint32_t up = kNone;
        uint32_t size = 0;  // nodes in this subtree, itself included
        int8_t height = 0;  // 1 for a leaf
        bool linked = false;
    };

    int Height(uint32_t id) const { return id ? nodes_[id].height : 0; }
    uint32_t Size(uint32_t id) const { return id ? nodes_[id].size : 0; }
    // The last node on the way from `id` down its `side` children.
    uint32_t Extreme(uint32_t id, int side) const;
    // The neighbour of `id` towards `side` (kRight: the next row).
    uint32_t Step(uint32_t id, int side) const;
    void Update(uint32_t id);
    void Replace(uint32_t parent, uint32_t oldChild, uint32_t newChild);
    // Lifts the child on `side` of `id` into its place; gives the lifted node.
    uint32_t Rotate(uint32_t id, int side);
    uint32_t Rebalance(uint32_t id);
    void FixUpwards(uint32_t from);
    void Attach(uint32_t parent, int side, uint32_t id);
    void Reserve(uint32_t id);
    int CheckSubtree(uint32_t id, uint32_t parent, bool& ok) const;

    std::vector<Node> nodes_;
    uint32_t root_ = kNone;
};

}  // namespace tw
