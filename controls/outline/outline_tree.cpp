// The item tree and its rows (see outline_tree.h).

#include "controls/outline/outline_tree.h"

#include <unordered_map>

namespace tw {

bool OutlineTree::ShowsChildren(uint32_t slot) const {
    return slot == kRoot || ((items_[slot].flags & kItemOpen) && rows_.Contains(slot));
}

uint32_t OutlineTree::AddChild(uint32_t parent, uint32_t before, const std::string& text,
                               uint32_t data) {
    const uint32_t slot = items_.Allocate();
    if (!slot) return 0;
    OutlineItem& item = items_[slot];
    item.text = text;
    item.data = data;
    Link(slot, parent, before);
    return slot;
}

uint32_t OutlineTree::ChildAt(uint32_t parent, size_t position) const {
    uint32_t child = items_[parent].firstChild;
    for (; child && position > 0; --position) child = items_[child].nextSibling;
    return child;
}

void OutlineTree::Unlink(uint32_t slot) {
    if (slot == kRoot) return;
    RemoveRows(slot);
    OutlineItem& item = items_[slot];
    OutlineItem& parent = items_[item.parent];
    if (item.previousSibling)
        items_[item.previousSibling].nextSibling = item.nextSibling;
    else
        parent.firstChild = item.nextSibling;
    if (item.nextSibling)
        items_[item.nextSibling].previousSibling = item.previousSibling;
    else
        parent.lastChild = item.previousSibling;
    --parent.childCount;
    item.parent = kRoot;
    item.nextSibling = item.previousSibling = 0;
}

void OutlineTree::Link(uint32_t slot, uint32_t parent, uint32_t before) {
    if (before && items_[before].parent != parent) before = 0;
    const bool shown = ShowsChildren(parent);
    const uint32_t rowAnchor = !shown ? 0 : before ? rows_.Previous(before) : LastShownRow(parent);
    OutlineItem& p = items_[parent];
    OutlineItem& item = items_[slot];
    item.parent = parent;
    item.nextSibling = before;
    item.previousSibling = before ? items_[before].previousSibling : p.lastChild;
    if (item.previousSibling)
        items_[item.previousSibling].nextSibling = slot;
    else
        p.firstChild = slot;
    if (before)
        items_[before].previousSibling = slot;
    else
        p.lastChild = slot;
    ++p.childCount;
    SetLevels(slot);
    if (shown) InsertRows(slot, rowAnchor);
}

void OutlineTree::Destroy(uint32_t slot) {
    if (slot == kRoot || !items_.IsLive(slot)) return;
    Unlink(slot);
    for (uint32_t s : SubtreeSlots(slot)) {
        Forget(s);
        items_.Free(s);
    }
}

uint32_t OutlineTree::CopySubtree(uint32_t slot, uint32_t parent) {
    // The sources are taken before anything is added, so a copy never copies itself.
    const std::vector<uint32_t> sources = SubtreeSlots(slot);
    std::unordered_map<uint32_t, uint32_t> copyOf;  // source slot to its copy
    uint32_t top = 0;
    for (uint32_t source : sources) {
        const uint32_t copyParent = source == slot ? parent : copyOf[items_[source].parent];
        const uint32_t copy = items_.Allocate();
        if (!copy) {  // the copies are not linked into the tree yet: free them alone
            for (const auto& made : copyOf) items_.Free(made.second);
            return 0;
        }
        OutlineItem& c = items_[copy];
        c = items_[source];
        c.flags &= kItemOpen | kItemLocked;
        c.firstChild = c.lastChild = c.nextSibling = c.previousSibling = 0;
        c.childCount = 0;
        c.parent = kRoot;
        if (!top) top = copy;
        if (copy != top) Link(copy, copyParent, 0);
        copyOf[source] = copy;
    }
    Link(top, parent, 0);
    return top;
}

void OutlineTree::Clear() {
    items_.Clear();
    rows_.Clear();
    selected_.clear();
    caret_ = anchor_ = current_ = 0;
}

bool OutlineTree::IsAncestorOrSelf(uint32_t ancestor, uint32_t slot) const {
    for (uint32_t s = slot; s != kRoot; s = items_[s].parent)
        if (s == ancestor) return true;
    return ancestor == kRoot;
}

bool OutlineTree::Open(uint32_t slot) {
    OutlineItem& item = items_[slot];
    if (slot == kRoot || (item.flags & kItemOpen)) return false;
    item.flags |= kItemOpen;
    if (!rows_.Contains(slot)) return true;
    uint32_t previous = slot;
    for (uint32_t s = NextShownInSubtree(slot, slot); s; s = NextShownInSubtree(s, slot)) {
        rows_.InsertAfter(previous, s);
        previous = s;
    }
    return true;
}

void OutlineTree::OpenAll(uint32_t top) {
    if (top == kRoot) {
        for (uint32_t c = items_[kRoot].firstChild; c; c = items_[c].nextSibling) OpenAll(c);
        return;
    }
    if ((items_[top].flags & kItemLocked) || !items_[top].firstChild) return;
    // Flags first, then the rows once: each row of the subtree is inserted a single time.
    HideDescendants(top);
    items_[top].flags &= uint16_t(~kItemOpen);
    for (uint32_t s = top; s;) {
        OutlineItem& item = items_[s];
        const bool enter = !(item.flags & kItemLocked) && item.firstChild;
        if (enter && s != top) item.flags |= kItemOpen;
        s = enter ? NextInSubtree(s, top) : SkipSubtree(s, top);
    }
    Open(top);
}

bool OutlineTree::Close(uint32_t slot) {
    OutlineItem& item = items_[slot];
    if (slot == kRoot || !(item.flags & kItemOpen)) return false;
    HideDescendants(slot);
    if (caret_ != slot && caret_ && IsAncestorOrSelf(slot, caret_)) SetCaret(slot);
    items_[slot].flags &= uint16_t(~kItemOpen);
    return true;
}

uint32_t OutlineTree::NextInTree(uint32_t slot) const { return NextInSubtree(slot, kRoot); }

uint32_t OutlineTree::PreviousInTree(uint32_t slot) const {
    if (slot == kRoot) {
        uint32_t s = items_[kRoot].lastChild;
        while (s && items_[s].lastChild) s = items_[s].lastChild;
        return s;
    }
    uint32_t s = items_[slot].previousSibling;
    if (!s) return items_[slot].parent;
    while (items_[s].lastChild) s = items_[s].lastChild;
    return s;
}

uint32_t OutlineTree::NextInSubtree(uint32_t slot, uint32_t top) const {
    if (items_[slot].firstChild) return items_[slot].firstChild;
    return SkipSubtree(slot, top);
}

uint32_t OutlineTree::NextShownInSubtree(uint32_t slot, uint32_t top) const {
    const OutlineItem& item = items_[slot];
    if (item.firstChild && (slot == kRoot || (item.flags & kItemOpen))) return item.firstChild;
    return SkipSubtree(slot, top);
}

uint32_t OutlineTree::SkipSubtree(uint32_t slot, uint32_t top) const {
    for (uint32_t s = slot; s != top; s = items_[s].parent)
        if (items_[s].nextSibling) return items_[s].nextSibling;
    return 0;
}

std::vector<uint32_t> OutlineTree::SubtreeSlots(uint32_t top) const {
    std::vector<uint32_t> slots;
    if (top != kRoot) slots.push_back(top);
    for (uint32_t s = NextInSubtree(top, top); s; s = NextInSubtree(s, top)) slots.push_back(s);
    return slots;
}

void OutlineTree::SetSelected(uint32_t slot, bool selected) {
    if (slot == kRoot) return;
    OutlineItem& item = items_[slot];
    if (selected) {
        item.flags |= kItemSelected;
        selected_.insert(slot);
        current_ = slot;
    } else {
        item.flags &= uint16_t(~kItemSelected);
        selected_.erase(slot);
        if (current_ == slot) current_ = 0;
    }
}

void OutlineTree::SetCaret(uint32_t slot) {
    if (caret_ && items_.IsLive(caret_)) items_[caret_].flags &= uint16_t(~kItemCaret);
    caret_ = slot == kRoot ? 0 : slot;
    if (caret_) items_[caret_].flags |= kItemCaret;
}

uint32_t OutlineTree::LastShownRow(uint32_t parent) const {
    if (parent == kRoot) return rows_.Last();
    uint32_t s = parent;
    while ((s == parent || (items_[s].flags & kItemOpen)) && items_[s].lastChild)
        s = items_[s].lastChild;
    return s;
}

void OutlineTree::InsertRows(uint32_t top, uint32_t after) {
    rows_.InsertAfter(after, top);
    uint32_t previous = top;
    if (!(items_[top].flags & kItemOpen)) return;
    for (uint32_t s = NextShownInSubtree(top, top); s; s = NextShownInSubtree(s, top)) {
        rows_.InsertAfter(previous, s);
        previous = s;
    }
}

void OutlineTree::RemoveRows(uint32_t top) {
    HideDescendants(top);
    rows_.Remove(top);
}

void OutlineTree::HideDescendants(uint32_t top) {
    if (!rows_.Contains(top) || !(items_[top].flags & kItemOpen)) return;
    for (uint32_t s = NextShownInSubtree(top, top); s; s = NextShownInSubtree(s, top))
        rows_.Remove(s);
}

void OutlineTree::SetLevels(uint32_t top) {
    const uint32_t parent = items_[top].parent;
    items_[top].level = parent == kRoot ? 0 : items_[parent].level + 1;
    for (uint32_t s = NextInSubtree(top, top); s; s = NextInSubtree(s, top))
        items_[s].level = items_[items_[s].parent].level + 1;
}

void OutlineTree::Forget(uint32_t slot) {
    selected_.erase(slot);
    if (caret_ == slot) caret_ = 0;
    if (anchor_ == slot) anchor_ = 0;
    if (current_ == slot) current_ = 0;
}

}  // namespace tw
