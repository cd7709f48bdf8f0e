// The item tree and its rows against a simple reference model: random sequences of adding,
// destroying, opening, closing, moving and copying, with the rows, levels and links compared
// after each step; and the cases a client relies on.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <vector>

#include "controls/outline/outline_tree.h"

namespace tw {
namespace {

// The reference: children lists and open flags, rows by a plain depth-first walk.
struct Reference {
    struct Node {
        int parent = -1;
        std::vector<int> children;
        bool open = false;
        bool locked = false;
    };
    std::map<int, Node> nodes{{0, Node{}}};
    int nextId = 1;

    std::vector<int> Subtree(int id) const {
        std::vector<int> out{id};
        for (size_t i = 0; i < out.size(); ++i)
            for (int c : nodes.at(out[i]).children) out.push_back(c);
        return out;
    }
    bool InSubtree(int top, int id) const {
        for (int s = id; s != -1; s = nodes.at(s).parent)
            if (s == top) return true;
        return false;
    }
    void Rows(int id, std::vector<int>& out) const {
        for (int c : nodes.at(id).children) {
            out.push_back(c);
            if (nodes.at(c).open) Rows(c, out);
        }
    }
    int Level(int id) const {
        int level = -1;
        for (int s = id; s != 0; s = nodes.at(s).parent) ++level;
        return level;
    }
    void OpenAll(int id) {
        Node& n = nodes[id];
        if (n.locked) return;
        if (!n.children.empty()) n.open = true;
        for (int c : n.children) OpenAll(c);
    }
    void Detach(int id) {
        auto& siblings = nodes[nodes[id].parent].children;
        siblings.erase(std::find(siblings.begin(), siblings.end(), id));
    }
    void Attach(int id, int parent, size_t position) {
        nodes[id].parent = parent;
        auto& siblings = nodes[parent].children;
        siblings.insert(siblings.begin() + long(position), id);
    }
};

class TreeAgainstReference {
public:
    OutlineTree tree;
    Reference ref;
    std::map<int, uint32_t> slotOf{{0, 0}};
    std::mt19937 random{777};

    int AnyNode(bool withRoot) {
        std::vector<int> ids;
        for (const auto& n : ref.nodes)
            if (withRoot || n.first != 0) ids.push_back(n.first);
        return ids.empty() ? -1 : ids[random() % ids.size()];
    }

    void Add() {
        const int parent = AnyNode(true);
        auto& children = ref.nodes[parent].children;
        const size_t position = random() % (children.size() + 1);
        const uint32_t before = position < children.size() ? slotOf[children[position]] : 0;
        const int id = ref.nextId++;
        const uint32_t slot = tree.AddChild(slotOf[parent], before, "t" + std::to_string(id), 0);
        ASSERT_NE(0u, slot);
        slotOf[id] = slot;
        ref.Attach(id, parent, position);
    }

    void Destroy() {
        const int id = AnyNode(false);
        if (id < 0) return;
        tree.Destroy(slotOf[id]);
        ref.Detach(id);
        for (int gone : ref.Subtree(id)) {
            ref.nodes.erase(gone);
            slotOf.erase(gone);
        }
    }

    void Toggle() {
        const int id = AnyNode(false);
        if (id < 0) return;
        bool& open = ref.nodes[id].open;
        EXPECT_TRUE(open ? tree.Close(slotOf[id]) : tree.Open(slotOf[id]));
        open = !open;
    }

    void LockOrOpenAll() {
        const int id = AnyNode(false);
        if (id < 0) return;
        if (random() % 3 == 0) {
            ref.nodes[id].locked = !ref.nodes[id].locked;
            tree.Item(slotOf[id]).flags ^= kItemLocked;
        } else {
            ref.OpenAll(id);
            tree.OpenAll(slotOf[id]);
        }
    }

    void Move() {
        const int id = AnyNode(false);
        const int target = AnyNode(true);
        if (id < 0 || ref.InSubtree(id, target)) return;
        tree.Unlink(slotOf[id]);
        ref.Detach(id);
        auto& children = ref.nodes[target].children;
        const size_t position = random() % (children.size() + 1);
        const uint32_t before = position < children.size() ? slotOf[children[position]] : 0;
        tree.Link(slotOf[id], slotOf[target], before);
        ref.Attach(id, target, position);
    }

    void Copy() {
        const int id = AnyNode(false);
        const int target = AnyNode(true);  // may lie inside the copied subtree
        if (id < 0 || ref.Subtree(id).size() > 40) return;
        const uint32_t copy = tree.CopySubtree(slotOf[id], slotOf[target]);
        ASSERT_NE(0u, copy);
        // The reference copy, made from the sources as they were before it.
        std::map<int, int> copyOf;
        for (int source : ref.Subtree(id)) {
            const int made = ref.nextId++;
            copyOf[source] = made;
            ref.nodes[made].open = ref.nodes[source].open;
            ref.nodes[made].locked = ref.nodes[source].locked;
        }
        for (const auto& [source, made] : copyOf)
            for (int child : ref.nodes[source].children)
                if (copyOf.count(child))
                    ref.Attach(copyOf[child], made, ref.nodes[made].children.size());
        ref.Attach(copyOf[id], target, ref.nodes[target].children.size());
        // Pair up the copies by walking both subtrees in the same order.
        std::vector<int> refOrder{copyOf[id]};
        for (size_t i = 0; i < refOrder.size(); ++i)
            for (int c : ref.nodes[refOrder[i]].children) refOrder.push_back(c);
        std::vector<uint32_t> slotOrder{copy};
        for (size_t i = 0; i < slotOrder.size(); ++i)
            for (uint32_t c = tree.Item(slotOrder[i]).firstChild; c; c = tree.Item(c).nextSibling)
                slotOrder.push_back(c);
        ASSERT_EQ(refOrder.size(), slotOrder.size());
        for (size_t i = 0; i < refOrder.size(); ++i) slotOf[refOrder[i]] = slotOrder[i];
    }

    void Check() {
        std::vector<int> rows;
        ref.Rows(0, rows);
        ASSERT_EQ(rows.size(), tree.RowCount());
        ASSERT_TRUE(tree.Rows().CheckInvariants());
        for (size_t i = 0; i < rows.size(); ++i) ASSERT_EQ(slotOf[rows[i]], tree.RowItem(long(i)));
        ASSERT_EQ(ref.nodes.size() - 1, tree.ItemCount());
        for (const auto& n : ref.nodes) {
            if (n.first == 0) continue;
            const OutlineItem& item = tree.Item(slotOf[n.first]);
            ASSERT_EQ(uint32_t(ref.Level(n.first)), item.level);
            ASSERT_EQ(n.second.children.size(), item.childCount);
            ASSERT_EQ(slotOf[n.second.parent], item.parent);
            ASSERT_EQ(n.second.open, (item.flags & kItemOpen) != 0);
            uint32_t child = item.firstChild;
            for (int c : n.second.children) {
                ASSERT_EQ(slotOf[c], child);
                child = tree.Item(child).nextSibling;
            }
            ASSERT_EQ(0u, child);
        }
    }
};

TEST(OutlineTree, RandomEditsMatchTheReference) {
    for (unsigned seed : {1u, 2u, 3u}) {
        TreeAgainstReference t;
        t.random.seed(seed);
        for (int step = 0; step < 1500; ++step) {
            const unsigned pick = t.random() % 22;
            if (pick < 8) {
                t.Add();
            } else if (pick < 10) {
                t.Destroy();
            } else if (pick < 15) {
                t.Toggle();
            } else if (pick < 18) {
                t.Move();
            } else if (pick < 20) {
                t.LockOrOpenAll();
            } else {
                t.Copy();
            }
            if (step % 25 == 0) t.Check();
            if (::testing::Test::HasFatalFailure()) return;
        }
        t.Check();
    }
}

TEST(OutlineTree, HandlesOfFreedItemsStayStale) {
    OutlineTree tree;
    const uint32_t a = tree.AddChild(OutlineTree::kRoot, 0, "a", 1);
    const ItemHandle handle = tree.HandleOf(a);
    EXPECT_EQ(a, tree.SlotOf(handle));
    EXPECT_EQ(0u, tree.SlotOf(0));
    EXPECT_EQ(0u, tree.SlotOf(12345)) << "a made-up handle";
    EXPECT_EQ(0u, tree.SlotOf(0xFFFFFFFF));
    tree.Destroy(a);
    EXPECT_EQ(0u, tree.SlotOf(handle));
    // However often items come and go, the old handle never names a new item.
    for (int i = 0; i < 5000; ++i) tree.Destroy(tree.AddChild(OutlineTree::kRoot, 0, "x", 0));
    const uint32_t b = tree.AddChild(OutlineTree::kRoot, 0, "b", 2);
    EXPECT_EQ(0u, tree.SlotOf(handle));
    EXPECT_NE(handle, tree.HandleOf(b));
    tree.Clear();
    EXPECT_EQ(0u, tree.ItemCount());
    EXPECT_EQ(0u, tree.SlotOf(tree.HandleOf(b)));
}

TEST(OutlineTree, ThousandTopLevelItemsAndRow999) {
    OutlineTree tree;
    std::vector<uint32_t> slots;
    for (int i = 0; i < 1000; ++i)
        slots.push_back(tree.AddChild(OutlineTree::kRoot, 0, std::to_string(i), 0));
    EXPECT_EQ(slots[999], tree.RowItem(999));
    EXPECT_EQ(999, tree.RowOf(slots[999]));
    EXPECT_EQ(0u, tree.RowItem(1000));
    EXPECT_EQ(0u, tree.RowItem(-1));
}

TEST(OutlineTree, ClosingAndReopeningRestoresTheOpenStateBelow) {
    OutlineTree tree;
    const uint32_t top = tree.AddChild(OutlineTree::kRoot, 0, "top", 0);
    const uint32_t a = tree.AddChild(top, 0, "a", 0);
    const uint32_t a1 = tree.AddChild(a, 0, "a1", 0);
    const uint32_t b = tree.AddChild(top, 0, "b", 0);
    tree.AddChild(b, 0, "b1", 0);
    const uint32_t after = tree.AddChild(OutlineTree::kRoot, 0, "after", 0);
    tree.Open(top);
    tree.Open(a);
    EXPECT_EQ(5u, tree.RowCount());  // top a a1 b after
    tree.SetCaret(a1);
    tree.Close(top);
    EXPECT_EQ(2u, tree.RowCount());
    EXPECT_EQ(after, tree.RowItem(1));
    EXPECT_EQ(top, tree.Caret()) << "the caret leaves the hidden rows for the closed item";
    EXPECT_FALSE(tree.IsVisible(a1));
    tree.Open(top);
    ASSERT_EQ(5u, tree.RowCount());
    EXPECT_EQ(a1, tree.RowItem(2)) << "a stayed open while hidden";
    EXPECT_EQ(b, tree.RowItem(3));
    EXPECT_FALSE(tree.Open(top)) << "already open";
    // A new child of an open visible parent is a row at once; of a closed one it is not.
    const uint32_t a2 = tree.AddChild(a, 0, "a2", 0);
    EXPECT_EQ(3, tree.RowOf(a2));
    const uint32_t b0 = tree.AddChild(b, tree.Item(b).firstChild, "b0", 0);
    EXPECT_FALSE(tree.IsVisible(b0));
    const uint32_t first = tree.AddChild(top, a, "first", 0);
    EXPECT_EQ(1, tree.RowOf(first));
}

TEST(OutlineTree, WalksAndSelectionBookkeeping) {
    OutlineTree tree;
    const uint32_t a = tree.AddChild(OutlineTree::kRoot, 0, "a", 0);
    const uint32_t a1 = tree.AddChild(a, 0, "a1", 0);
    const uint32_t b = tree.AddChild(OutlineTree::kRoot, 0, "b", 0);
    EXPECT_EQ(a, tree.NextInTree(OutlineTree::kRoot));
    EXPECT_EQ(a1, tree.NextInTree(a));
    EXPECT_EQ(b, tree.NextInTree(a1));
    EXPECT_EQ(0u, tree.NextInTree(b));
    EXPECT_EQ(a1, tree.PreviousInTree(b));
    EXPECT_EQ(a, tree.PreviousInTree(a1));
    EXPECT_EQ(b, tree.PreviousInTree(OutlineTree::kRoot));
    EXPECT_EQ(b, tree.ChildAt(OutlineTree::kRoot, 1));
    EXPECT_EQ(0u, tree.ChildAt(OutlineTree::kRoot, 2));
    EXPECT_TRUE(tree.IsAncestorOrSelf(a, a1));
    EXPECT_FALSE(tree.IsAncestorOrSelf(b, a1));

    tree.SetSelected(a1, true);
    tree.SetSelected(b, true);
    tree.SetCaret(a1);
    tree.SetAnchor(a1);
    EXPECT_EQ(b, tree.Current());
    EXPECT_EQ(kItemCaret | kItemSelected, tree.Item(a1).flags);
    tree.SetCaret(b);
    EXPECT_EQ(kItemSelected, tree.Item(a1).flags) << "one caret flag at a time";
    tree.Destroy(a);
    EXPECT_EQ(1u, tree.Selected().size());
    EXPECT_EQ(0u, tree.Anchor());
    tree.Destroy(b);
    EXPECT_EQ(0u, tree.Caret());
    EXPECT_EQ(0u, tree.Current());
    EXPECT_TRUE(tree.Selected().empty());
}

TEST(OutlineTree, DeepChainsNeedNoRecursion) {
    OutlineTree tree;
    uint32_t parent = OutlineTree::kRoot;
    uint32_t top = 0;
    for (int i = 0; i < 200000; ++i) {
        parent = tree.AddChild(parent, 0, "d", 0);
        tree.Open(parent);
        if (!top) top = parent;
    }
    EXPECT_EQ(200000u, tree.RowCount());
    EXPECT_EQ(199999u, tree.Item(parent).level);
    const uint32_t copy = tree.CopySubtree(top, OutlineTree::kRoot);
    EXPECT_EQ(400000u, tree.RowCount());
    tree.Close(top);
    EXPECT_EQ(200001u, tree.RowCount());
    tree.Destroy(copy);
    tree.Destroy(top);
    EXPECT_EQ(0u, tree.ItemCount());
}

}  // namespace
}  // namespace tw
