// The balanced tree of visible rows (see row_tree.h).

#include "controls/outline/row_tree.h"

#include <algorithm>

namespace tw {

uint32_t RowTree::At(size_t index) const {
    uint32_t x = root_;
    while (x) {
        const size_t leftSize = Size(nodes_[x].left);
        if (index < leftSize) {
            x = nodes_[x].left;
        } else if (index == leftSize) {
            return x;
        } else {
            index -= leftSize + 1;
            x = nodes_[x].right;
        }
    }
    return kNone;
}

long RowTree::IndexOf(uint32_t id) const {
    if (!Contains(id)) return -1;
    size_t index = Size(nodes_[id].left);
    for (uint32_t x = id, p = nodes_[x].up; p; x = p, p = nodes_[p].up)
        if (nodes_[p].right == x) index += Size(nodes_[p].left) + 1;
    return long(index);
}

void RowTree::Reserve(uint32_t id) {
    if (id >= nodes_.size()) nodes_.resize(std::max<size_t>(id + 1, nodes_.size() * 3 / 2));
}

void RowTree::InsertAfter(uint32_t after, uint32_t id) {
    if (id == kNone || Contains(id)) return;
    Reserve(id);
    if (!root_) return Attach(kNone, true, id);
    if (!Contains(after)) {  // as the first row
        uint32_t m = root_;
        while (nodes_[m].left) m = nodes_[m].left;
        return Attach(m, true, id);
    }
    if (!nodes_[after].right) return Attach(after, false, id);
    uint32_t m = nodes_[after].right;
    while (nodes_[m].left) m = nodes_[m].left;
    Attach(m, true, id);
}

void RowTree::InsertAt(size_t index, uint32_t id) {
    InsertAfter(index == 0 ? kNone : At(index - 1), id);
}

void RowTree::Attach(uint32_t parent, bool asLeft, uint32_t id) {
    Node& n = nodes_[id];
    n = Node{};
    n.up = parent;
    n.size = 1;
    n.height = 1;
    n.linked = true;
    if (!parent)
        root_ = id;
    else if (asLeft)
        nodes_[parent].left = id;
    else
        nodes_[parent].right = id;
    FixUpwards(parent);
}

void RowTree::Remove(uint32_t id) {
    if (!Contains(id)) return;
    const Node n = nodes_[id];
    uint32_t fixFrom;
    if (n.left && n.right) {
        // The successor takes the removed node's place.
        uint32_t s = n.right;
        while (nodes_[s].left) s = nodes_[s].left;
        if (nodes_[s].up != id) {
            const uint32_t sParent = nodes_[s].up;
            const uint32_t r = nodes_[s].right;
            Replace(sParent, s, r);
            if (r) nodes_[r].up = sParent;
            nodes_[s].right = n.right;
            nodes_[n.right].up = s;
            fixFrom = sParent;
        } else {
            fixFrom = s;
        }
        nodes_[s].left = n.left;
        nodes_[n.left].up = s;
        nodes_[s].up = n.up;
        Replace(n.up, id, s);
    } else {
        const uint32_t child = n.left ? n.left : n.right;
        if (child) nodes_[child].up = n.up;
        Replace(n.up, id, child);
        fixFrom = n.up;
    }
    nodes_[id] = Node{};
    FixUpwards(fixFrom);
}

void RowTree::Clear() {
    nodes_.clear();
    root_ = kNone;
}

uint32_t RowTree::Next(uint32_t id) const {
    if (!Contains(id)) return kNone;
    if (uint32_t x = nodes_[id].right) {
        while (nodes_[x].left) x = nodes_[x].left;
        return x;
    }
    uint32_t x = id;
    uint32_t p = nodes_[x].up;
    while (p && nodes_[p].right == x) {
        x = p;
        p = nodes_[p].up;
    }
    return p;
}

uint32_t RowTree::Previous(uint32_t id) const {
    if (!Contains(id)) return kNone;
    if (uint32_t x = nodes_[id].left) {
        while (nodes_[x].right) x = nodes_[x].right;
        return x;
    }
    uint32_t x = id;
    uint32_t p = nodes_[x].up;
    while (p && nodes_[p].left == x) {
        x = p;
        p = nodes_[p].up;
    }
    return p;
}

uint32_t RowTree::First() const { return At(0); }

uint32_t RowTree::Last() const { return Count() ? At(Count() - 1) : kNone; }

void RowTree::Update(uint32_t id) {
    Node& n = nodes_[id];
    n.height = int8_t(1 + std::max(Height(n.left), Height(n.right)));
    n.size = 1 + Size(n.left) + Size(n.right);
}

void RowTree::Replace(uint32_t parent, uint32_t oldChild, uint32_t newChild) {
    if (!parent)
        root_ = newChild;
    else if (nodes_[parent].left == oldChild)
        nodes_[parent].left = newChild;
    else
        nodes_[parent].right = newChild;
}

uint32_t RowTree::RotateLeft(uint32_t x) {
    const uint32_t y = nodes_[x].right;
    nodes_[x].right = nodes_[y].left;
    if (nodes_[y].left) nodes_[nodes_[y].left].up = x;
    nodes_[y].up = nodes_[x].up;
    Replace(nodes_[x].up, x, y);
    nodes_[y].left = x;
    nodes_[x].up = y;
    Update(x);
    Update(y);
    return y;
}

uint32_t RowTree::RotateRight(uint32_t x) {
    const uint32_t y = nodes_[x].left;
    nodes_[x].left = nodes_[y].right;
    if (nodes_[y].right) nodes_[nodes_[y].right].up = x;
    nodes_[y].up = nodes_[x].up;
    Replace(nodes_[x].up, x, y);
    nodes_[y].right = x;
    nodes_[x].up = y;
    Update(x);
    Update(y);
    return y;
}

uint32_t RowTree::Rebalance(uint32_t id) {
    const Node& n = nodes_[id];
    const int balance = Height(n.left) - Height(n.right);
    if (balance > 1) {
        const uint32_t l = n.left;
        if (Height(nodes_[l].left) < Height(nodes_[l].right)) RotateLeft(l);
        return RotateRight(id);
    }
    if (balance < -1) {
        const uint32_t r = n.right;
        if (Height(nodes_[r].right) < Height(nodes_[r].left)) RotateRight(r);
        return RotateLeft(id);
    }
    Update(id);
    return id;
}

void RowTree::FixUpwards(uint32_t from) {
    for (uint32_t x = from; x; x = nodes_[x].up) x = Rebalance(x);
}

int RowTree::CheckSubtree(uint32_t id, uint32_t parent, bool& ok) const {
    if (!id) return 0;
    const Node& n = nodes_[id];
    if (!n.linked || n.up != parent) ok = false;
    const int hl = CheckSubtree(n.left, id, ok);
    const int hr = CheckSubtree(n.right, id, ok);
    if (hl - hr > 1 || hr - hl > 1) ok = false;
    if (n.height != 1 + std::max(hl, hr)) ok = false;
    if (n.size != 1 + Size(n.left) + Size(n.right)) ok = false;
    return n.height;
}

bool RowTree::CheckInvariants() const {
    bool ok = true;
    CheckSubtree(root_, kNone, ok);
    size_t linked = 0;
    for (const Node& n : nodes_) linked += n.linked;
    return ok && linked == Count();
}

}  // namespace tw
