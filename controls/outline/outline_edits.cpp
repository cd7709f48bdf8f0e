// Adding, deleting, moving and copying items of the outline list (see outline_edits.h).

#include "controls/outline/outline_edits.h"

#include <vector>

#include "controls/outline/outline_notify.h"
#include "controls/outline/outline_view.h"

namespace tw {

namespace {

// Asks the parent of a variable owner-draw list for the new item's height. False when the
// control went away meanwhile.
bool MeasureItem(OutlineState& s, uint32_t slot) {
    const OutlineItem& item = s.tree.Item(slot);
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = UINT(OutlineId(s));
    measure.itemID = UINT(s.tree.RowOf(slot));
    measure.itemHeight = UINT(s.itemHeight);
    measure.itemData =
        s.storesStrings ? reinterpret_cast<ULONG_PTR>(item.text.c_str()) : ULONG_PTR(item.data);
    const HWND self = s.self;
    const ItemHandle handle = s.tree.HandleOf(slot);
    SendMessageA(GetParent(self), WM_MEASUREITEM, measure.CtlID,
                 reinterpret_cast<LPARAM>(&measure));
    if (!StillAlive(self, &s)) return false;
    if (s.tree.SlotOf(handle) == slot && measure.itemHeight > 0 && measure.itemHeight < 0x8000)
        s.tree.Item(slot).height = uint16_t(measure.itemHeight);
    return true;
}

// A parent that gets a child opens with the auto-open setting (unless it is locked).
void AutoOpen(OutlineState& s, uint32_t parent) {
    if (s.autoOpen && IsItemSlot(parent) && !(s.tree.Item(parent).flags & kItemLocked))
        s.tree.Open(parent);
}

// Marks the items as being deleted and gives the handles of those not marked before: an item
// that a receiver deletes again while it hears of its deletion is not announced twice.
std::vector<ItemHandle> MarkForDeletion(OutlineState& s, const std::vector<uint32_t>& slots) {
    std::vector<ItemHandle> handles;
    handles.reserve(slots.size());
    for (uint32_t slot : slots) {
        uint16_t& flags = s.tree.Item(slot).flags;
        if (flags & kItemDeleting) continue;
        flags |= kItemDeleting;
        handles.push_back(s.tree.HandleOf(slot));
    }
    return handles;
}

// Announces the items, the deepest first. False when the control went away meanwhile.
bool AnnounceDeletions(OutlineState& s, const std::vector<ItemHandle>& handles) {
    for (auto it = handles.rbegin(); it != handles.rend(); ++it) {
        const uint32_t slot = s.tree.SlotOf(*it);
        if (slot && !NotifyDeletion(s, slot)) return false;
    }
    return true;
}

std::vector<ItemHandle> ChildHandles(const OutlineState& s, uint32_t parent) {
    std::vector<ItemHandle> handles;
    for (uint32_t c = s.tree.Item(parent).firstChild; c; c = s.tree.Item(c).nextSibling)
        handles.push_back(s.tree.HandleOf(c));
    return handles;
}

// True when `newParent` may take the subtree of `slot`: it exists and lies outside it.
bool TargetOutside(const OutlineState& s, uint32_t slot, uint32_t newParent) {
    return IsItemSlot(slot) && newParent != kBadSlot && !s.tree.IsAncestorOrSelf(slot, newParent);
}

uint32_t MoveUnder(OutlineState& s, uint32_t slot, uint32_t newParent) {
    s.tree.Unlink(slot);
    s.tree.Link(slot, newParent, 0);
    return slot;
}

uint32_t CopyUnder(OutlineState& s, uint32_t slot, uint32_t newParent) {
    return s.tree.CopySubtree(slot, newParent);
}

// After an item went under `newParent`: the parent may open, the rows are shown anew.
uint32_t Placed(OutlineState& s, uint32_t newParent, uint32_t placed) {
    if (!placed) return kBadSlot;
    AutoOpen(s, newParent);
    RefreshRows(s);
    return placed;
}

// Moves or copies each child of `slot` under `newParent`; how many went (-1 on refusal).
LRESULT PlaceChildren(OutlineState& s, uint32_t slot, uint32_t newParent,
                      uint32_t (*place)(OutlineState&, uint32_t, uint32_t)) {
    if (!TargetOutside(s, slot, newParent)) return OLB_ERR;
    long placed = 0;
    for (ItemHandle child : ChildHandles(s, slot)) {
        if (!place(s, s.tree.SlotOf(child), newParent)) break;
        ++placed;
    }
    if (placed) AutoOpen(s, newParent);
    RefreshRows(s);
    return placed;
}

}  // namespace

uint32_t OLB_AddItem(OutlineState& s, uint32_t parent, long position, LPCSTR text) {
    if (parent == kBadSlot) return kBadSlot;
    const bool atEnd = position < 0 || position == OLB_ATEND;
    return OLB_AddItemBefore(s, parent, atEnd ? 0 : s.tree.ChildAt(parent, size_t(position)), text);
}

uint32_t OLB_AddItemBefore(OutlineState& s, uint32_t parent, uint32_t before, LPCSTR text) {
    if (parent == kBadSlot || (s.storesStrings && !text)) return kBadSlot;
    const uint32_t slot = s.storesStrings
                              ? s.tree.AddChild(parent, before, text, 0)
                              : s.tree.AddChild(parent, before, std::string(),
                                                DWORD(reinterpret_cast<UINT_PTR>(text)));
    if (!slot) return kBadSlot;
    const ItemHandle handle = s.tree.HandleOf(slot);
    AutoOpen(s, parent);
    if (IsVariableHeight(s) && !MeasureItem(s, slot)) return kBadSlot;
    RefreshRows(s);
    // The parent may have deleted the new item while measuring it (and its slot serve another).
    return s.tree.SlotOf(handle) == slot ? slot : kBadSlot;
}

LRESULT OLB_DeleteItem(OutlineState& s, uint32_t slot) {
    if (!IsItemSlot(slot)) return OLB_ERR;
    const ItemHandle handle = s.tree.HandleOf(slot);
    if (!AnnounceDeletions(s, MarkForDeletion(s, s.tree.SubtreeSlots(slot)))) return OLB_ERR;
    if (const uint32_t still = s.tree.SlotOf(handle)) s.tree.Destroy(still);
    RefreshRows(s);
    return LRESULT(s.tree.RowCount());
}

LRESULT OLB_DeleteChildren(OutlineState& s, uint32_t slot) {
    if (slot == kBadSlot) return OLB_ERR;
    if (slot == OutlineTree::kRoot) return OLB_ResetContent(s);
    const ItemHandle handle = s.tree.HandleOf(slot);
    std::vector<uint32_t> below = s.tree.SubtreeSlots(slot);
    below.erase(below.begin());
    if (!AnnounceDeletions(s, MarkForDeletion(s, below))) return OLB_ERR;
    if (const uint32_t still = s.tree.SlotOf(handle))
        for (ItemHandle child : ChildHandles(s, still))
            if (const uint32_t c = s.tree.SlotOf(child)) s.tree.Destroy(c);
    RefreshRows(s);
    return LRESULT(s.tree.RowCount());
}

LRESULT OLB_ResetContent(OutlineState& s) {
    if (!AnnounceDeletions(s, MarkForDeletion(s, s.tree.SubtreeSlots(OutlineTree::kRoot))))
        return OLB_ERR;
    s.tree.Clear();
    s.topIndex = 0;
    s.scrollX = 0;
    RefreshRows(s);
    return 0;
}

uint32_t OLB_MoveItem(OutlineState& s, uint32_t slot, uint32_t newParent) {
    if (!TargetOutside(s, slot, newParent)) return kBadSlot;
    return Placed(s, newParent, MoveUnder(s, slot, newParent));
}

LRESULT OLB_MoveChildren(OutlineState& s, uint32_t slot, uint32_t newParent) {
    return PlaceChildren(s, slot, newParent, MoveUnder);
}

uint32_t OLB_CopyItem(OutlineState& s, uint32_t slot, uint32_t newParent) {
    if (!TargetOutside(s, slot, newParent)) return kBadSlot;
    return Placed(s, newParent, CopyUnder(s, slot, newParent));
}

LRESULT OLB_CopyChildren(OutlineState& s, uint32_t slot, uint32_t newParent) {
    return PlaceChildren(s, slot, newParent, CopyUnder);
}

}  // namespace tw
