#pragma once
// The item tree of an outline list with its visible rows kept in step: adding, unlinking,
// relinking, copying and destroying subtrees, opening and closing, walks over the tree and
// the rows, and the selection bookkeeping (selected items, caret, anchor). Portable: no window
// handles and no messages; every traversal is iterative, so deep trees cannot exhaust the
// stack.

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "controls/outline/outline_items.h"
#include "controls/outline/row_tree.h"

namespace tw {

class OutlineTree {
public:
    static constexpr uint32_t kRoot = ItemStore::kRootSlot;

    // Items and handles.
    OutlineItem& Item(uint32_t slot) { return items_[slot]; }
    const OutlineItem& Item(uint32_t slot) const { return items_[slot]; }
    uint32_t SlotOf(ItemHandle handle) const { return items_.SlotOf(handle); }
    ItemHandle HandleOf(uint32_t slot) const { return items_.HandleOf(slot); }
    size_t ItemCount() const { return items_.Count(); }
    // True for the slot of an item that exists (the root included).
    bool IsLive(uint32_t slot) const { return items_.IsLive(slot); }
    size_t SlotLimit() const { return items_.SlotLimit(); }

    // Rows: the visible items in display order.
    const RowTree& Rows() const { return rows_; }
    size_t RowCount() const { return rows_.Count(); }
    uint32_t RowItem(long row) const { return row < 0 ? 0 : rows_.At(size_t(row)); }
    long RowOf(uint32_t slot) const { return rows_.IndexOf(slot); }
    bool IsRow(uint32_t slot) const { return rows_.Contains(slot); }
    // True when the children of `slot` are rows: the root, or an open item that is a row.
    bool ShowsChildren(uint32_t slot) const;
    // True when every ancestor of `slot` is open (the item is a row).
    bool IsVisible(uint32_t slot) const { return IsRow(slot); }

    // Adds a new item under `parent` before its child `before` (0: at the end); a new child
    // of a parent that shows its children becomes a row at once. 0 when the table is full.
    uint32_t AddChild(uint32_t parent, uint32_t before, const std::string& text, uint32_t data);
    // The child at `position` (0 = first) of `parent`; 0 when there is none.
    uint32_t ChildAt(uint32_t parent, size_t position) const;

    // Takes the subtree of `slot` out of its parent (and out of the rows).
    void Unlink(uint32_t slot);
    // Puts an unlinked subtree under `parent` before `before` (0: at the end); levels follow.
    void Link(uint32_t slot, uint32_t parent, uint32_t before);
    // Frees `slot` with its descendants.
    void Destroy(uint32_t slot);
    // A copy of the subtree of `slot` added at the end of `parent`'s children (copies keep
    // the open and locked flags but are neither selected nor the caret); 0 when the table is
    // full (the part already copied is removed again).
    uint32_t CopySubtree(uint32_t slot, uint32_t parent);
    // Frees every item.
    void Clear();
    // True when `ancestor` is `slot` or lies on the way from `slot` up to the root.
    bool IsAncestorOrSelf(uint32_t ancestor, uint32_t slot) const;

    // Sets the open flag; the item's shown descendants become rows below it when it is a row.
    // False when it was open already.
    bool Open(uint32_t slot);
    // Opens every item of the subtree of `top` (`top` included; the root: every item) that
    // has children and is not locked; a locked item's subtree is left as it is.
    void OpenAll(uint32_t top);
    // Clears the open flag, taking its descendants out of the rows; a caret among them moves
    // to the item. False when it was closed already.
    bool Close(uint32_t slot);

    // Pre-order walks over the whole tree (0 starts at the first top-level item; 0 at the end).
    uint32_t NextInTree(uint32_t slot) const;
    uint32_t PreviousInTree(uint32_t slot) const;
    // Pre-order walk inside the subtree of `top` (excluding `top`); 0 after its last item.
    uint32_t NextInSubtree(uint32_t slot, uint32_t top) const;
    // As NextInSubtree, but entering only open items: the rows that `top` shows below it.
    uint32_t NextShownInSubtree(uint32_t slot, uint32_t top) const;
    // Every slot of the subtree of `top`, `top` included, children after their parent.
    std::vector<uint32_t> SubtreeSlots(uint32_t top) const;

    // Selection bookkeeping. The flags of the items are the truth; these keep them findable.
    void SetSelected(uint32_t slot, bool selected);
    bool IsSelected(uint32_t slot) const { return (items_[slot].flags & kItemSelected) != 0; }
    const std::unordered_set<uint32_t>& Selected() const { return selected_; }
    // The caret item (flag bit 2 set on it alone) and the anchor of range selections.
    void SetCaret(uint32_t slot);
    uint32_t Caret() const { return caret_; }
    void SetAnchor(uint32_t slot) { anchor_ = slot; }
    uint32_t Anchor() const { return anchor_; }
    // The item selected last (what a single-selection list calls its current selection).
    uint32_t Current() const { return current_; }

private:
    uint32_t LastShownRow(uint32_t parent) const;
    void InsertRows(uint32_t top, uint32_t after);
    void RemoveRows(uint32_t top);
    void HideDescendants(uint32_t top);
    // The item after the subtree of `slot` in pre-order within `top`; 0 after the last.
    uint32_t SkipSubtree(uint32_t slot, uint32_t top) const;
    void SetLevels(uint32_t top);
    void Forget(uint32_t slot);

    ItemStore items_;
    RowTree rows_;
    std::unordered_set<uint32_t> selected_;
    uint32_t caret_ = 0;
    uint32_t anchor_ = 0;
    uint32_t current_ = 0;
};

}  // namespace tw
