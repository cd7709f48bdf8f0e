// Structure queries and walks of the outline list (see outline_queries.h).

#include "controls/outline/outline_queries.h"

namespace tw {

namespace {

constexpr uint32_t kNone = OutlineTree::kRoot;

// Walks that start from the root reach the first (or last) item or row.
bool StartsFromRoot(Walk walk) {
    return walk != Walk::Parent && walk != Walk::NextSibling && walk != Walk::PreviousSibling;
}

uint32_t VisibleNeighbour(const OutlineState& s, uint32_t slot, bool forward) {
    const RowTree& rows = s.tree.Rows();
    if (slot == kNone) return forward ? rows.First() : rows.Last();
    if (!s.tree.IsRow(slot)) return kNone;
    return forward ? rows.Next(slot) : rows.Previous(slot);
}

}  // namespace

uint32_t OLB_Walk(const OutlineState& s, uint32_t slot, Walk walk) {
    if (slot == kBadSlot || (slot == kNone && !StartsFromRoot(walk))) return kBadSlot;
    const OutlineItem& item = s.tree.Item(slot);
    switch (walk) {
        case Walk::Parent: return item.parent;
        case Walk::FirstChild: return item.firstChild;
        case Walk::NextSibling: return item.nextSibling;
        case Walk::PreviousSibling: return item.previousSibling;
        case Walk::Next: return s.tree.NextInTree(slot);
        case Walk::Previous: return s.tree.PreviousInTree(slot);
        case Walk::NextVisible: return VisibleNeighbour(s, slot, true);
        case Walk::PreviousVisible: return VisibleNeighbour(s, slot, false);
    }
    return kBadSlot;
}

uint32_t OLB_ChildAt(const OutlineState& s, uint32_t parent, long position) {
    if (parent == kBadSlot || position < 0) return kBadSlot;
    return s.tree.ChildAt(parent, size_t(position));
}

LRESULT OLB_QueryLevel(const OutlineState& s, uint32_t slot) {
    return IsItemSlot(slot) ? LRESULT(s.tree.Item(slot).level) : OLB_ERR;
}

LRESULT OLB_QueryParent(const OutlineState& s, uint32_t slot) {
    if (!IsItemSlot(slot)) return OLB_ERR;
    const uint32_t parent = s.tree.Item(slot).parent;
    return parent == kNone ? OLB_ERR : s.tree.RowOf(parent);
}

LRESULT OLB_HasChildren(const OutlineState& s, uint32_t slot) {
    return IsItemSlot(slot) ? LRESULT(s.tree.Item(slot).childCount) : OLB_ERR;
}

LRESULT OLB_QueryVisible(const OutlineState& s, uint32_t slot) {
    if (!IsItemSlot(slot)) return OLB_ERR;
    return s.tree.IsVisible(slot) ? 1 : 0;
}

LRESULT OLB_HandleToIndex(const OutlineState& s, uint32_t slot) {
    return IsItemSlot(slot) ? s.tree.RowOf(slot) : OLB_ERR;
}

LRESULT OLB_GetCount(const OutlineState& s) { return LRESULT(s.tree.ItemCount()); }

LRESULT OLB_GetVisibleCount(const OutlineState& s) { return LRESULT(s.tree.RowCount()); }

}  // namespace tw
