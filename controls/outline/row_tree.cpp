// The balanced tree of visible rows (see row_tree.h).

#include "controls/outline/row_tree.h"

#include <algorithm>

namespace tw {

uint32_t RowTree::At(size_t index) const {
    uint32_t x = root_;
    while (x) {
        const size_t leftSize = Size(nodes_[x].child[kLeft]);
        if (index == leftSize) return x;
        if (index < leftSize) {
            x = nodes_[x].child[kLeft];
        } else {
            index -= leftSize + 1;
            x = nodes_[x].child[kRight];
        }
    }
    return kNone;
}

long RowTree::IndexOf(uint32_t id) const {
    if (!Contains(id)) return -1;
    size_t index = Size(nodes_[id].child[kLeft]);
    for (uint32_t x = id, p = nodes_[x].up; p; x = p, p = nodes_[p].up)
        if (nodes_[p].child[kRight] == x) index += Size(nodes_[p].child[kLeft]) + 1;
    return long(index);
}

void RowTree::Reserve(uint32_t id) {
    if (id >= nodes_.size()) nodes_.resize(std::max<size_t>(id + 1, nodes_.size() * 3 / 2));
}

void RowTree::InsertAfter(uint32_t after, uint32_t id) {
    if (id == kNone || Contains(id)) return;
    Reserve(id);
    if (!root_) return Attach(kNone, kLeft, id);
    if (!Contains(after)) return Attach(Extreme(root_, kLeft), kLeft, id);  // the first row
    const uint32_t right = nodes_[after].child[kRight];
    if (!right) return Attach(after, kRight, id);
    Attach(Extreme(right, kLeft), kLeft, id);
}

void RowTree::InsertAt(size_t index, uint32_t id) {
    InsertAfter(index == 0 ? kNone : At(index - 1), id);
}

void RowTree::Attach(uint32_t parent, int side, uint32_t id) {
    Node& n = nodes_[id];
    n = Node{};
    n.up = parent;
    n.size = 1;
    n.height = 1;
    n.linked = true;
    if (parent)
        nodes_[parent].child[side] = id;
    else
        root_ = id;
    FixUpwards(parent);
}

void RowTree::Remove(uint32_t id) {
    if (!Contains(id)) return;
    const Node n = nodes_[id];
    const uint32_t left = n.child[kLeft], right = n.child[kRight];
    uint32_t fixFrom;
    if (left && right) {
        // The next row takes the removed node's place.
        const uint32_t s = Extreme(right, kLeft);
        if (nodes_[s].up != id) {
            const uint32_t sParent = nodes_[s].up;
            const uint32_t sRight = nodes_[s].child[kRight];
            Replace(sParent, s, sRight);
            if (sRight) nodes_[sRight].up = sParent;
            nodes_[s].child[kRight] = right;
            nodes_[right].up = s;
            fixFrom = sParent;
        } else {
            fixFrom = s;
        }
        nodes_[s].child[kLeft] = left;
        nodes_[left].up = s;
        nodes_[s].up = n.up;
        Replace(n.up, id, s);
    } else {
        const uint32_t only = left ? left : right;
        if (only) nodes_[only].up = n.up;
        Replace(n.up, id, only);
        fixFrom = n.up;
    }
    nodes_[id] = Node{};
    FixUpwards(fixFrom);
}

void RowTree::Clear() {
    nodes_.clear();
    root_ = kNone;
}

uint32_t RowTree::Next(uint32_t id) const { return Step(id, kRight); }

uint32_t RowTree::Previous(uint32_t id) const { return Step(id, kLeft); }

uint32_t RowTree::First() const { return root_ ? Extreme(root_, kLeft) : kNone; }

uint32_t RowTree::Last() const { return root_ ? Extreme(root_, kRight) : kNone; }

uint32_t RowTree::Extreme(uint32_t id, int side) const {
    while (nodes_[id].child[side]) id = nodes_[id].child[side];
    return id;
}

uint32_t RowTree::Step(uint32_t id, int side) const {
    if (!Contains(id)) return kNone;
    if (const uint32_t below = nodes_[id].child[side]) return Extreme(below, 1 - side);
    uint32_t x = id;
    uint32_t p = nodes_[x].up;
    while (p && nodes_[p].child[side] == x) {
        x = p;
        p = nodes_[p].up;
    }
    return p;
}

void RowTree::Update(uint32_t id) {
    Node& n = nodes_[id];
    n.height = int8_t(1 + std::max(Height(n.child[kLeft]), Height(n.child[kRight])));
    n.size = 1 + Size(n.child[kLeft]) + Size(n.child[kRight]);
}

void RowTree::Replace(uint32_t parent, uint32_t oldChild, uint32_t newChild) {
    if (!parent)
        root_ = newChild;
    else
        nodes_[parent].child[nodes_[parent].child[kLeft] == oldChild ? kLeft : kRight] = newChild;
}

uint32_t RowTree::Rotate(uint32_t x, int side) {
    const uint32_t y = nodes_[x].child[side];
    const uint32_t inner = nodes_[y].child[1 - side];
    nodes_[x].child[side] = inner;
    if (inner) nodes_[inner].up = x;
    nodes_[y].up = nodes_[x].up;
    Replace(nodes_[x].up, x, y);
    nodes_[y].child[1 - side] = x;
    nodes_[x].up = y;
    Update(x);
    Update(y);
    return y;
}

uint32_t RowTree::Rebalance(uint32_t id) {
    const Node& n = nodes_[id];
    const int balance = Height(n.child[kLeft]) - Height(n.child[kRight]);
    if (balance >= -1 && balance <= 1) {
        Update(id);
        return id;
    }
    const int heavy = balance > 0 ? kLeft : kRight;
    const uint32_t c = n.child[heavy];
    if (Height(nodes_[c].child[1 - heavy]) > Height(nodes_[c].child[heavy])) Rotate(c, 1 - heavy);
    return Rotate(id, heavy);
}

void RowTree::FixUpwards(uint32_t from) {
    for (uint32_t x = from; x; x = nodes_[x].up) x = Rebalance(x);
}

int RowTree::CheckSubtree(uint32_t id, uint32_t parent, bool& ok) const {
    if (!id) return 0;
    const Node& n = nodes_[id];
    if (!n.linked || n.up != parent) ok = false;
    const int hl = CheckSubtree(n.child[kLeft], id, ok);
    const int hr = CheckSubtree(n.child[kRight], id, ok);
    if (hl - hr > 1 || hr - hl > 1) ok = false;
    if (n.height != 1 + std::max(hl, hr)) ok = false;
    if (n.size != 1 + Size(n.child[kLeft]) + Size(n.child[kRight])) ok = false;
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
