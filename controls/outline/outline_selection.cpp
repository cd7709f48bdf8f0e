// Selection, caret and anchor of the outline list (see outline_selection.h).

#include "controls/outline/outline_selection.h"

#include <algorithm>
#include <vector>

#include "controls/outline/outline_item_text.h"
#include "controls/outline/outline_notify.h"
#include "controls/outline/outline_view.h"

namespace tw {

namespace {

constexpr POINT kNoPoint = {0, 0};

bool IsSelectedItem(const OutlineState& s, uint32_t slot) {
    return IsItemSlot(slot) && s.tree.IsSelected(slot);
}

// Handles of the selected items except `keep`.
std::vector<ItemHandle> OtherSelected(const OutlineState& s, uint32_t keep) {
    std::vector<ItemHandle> handles;
    for (uint32_t slot : s.tree.Selected())
        if (slot != keep) handles.push_back(s.tree.HandleOf(slot));
    return handles;
}

bool UnselectAll(OutlineState& s, const std::vector<ItemHandle>& handles, POINT point) {
    for (ItemHandle handle : handles) {
        const uint32_t slot = s.tree.SlotOf(handle);
        if (slot && !SetItemSelected(s, slot, false, point)) return false;
    }
    return true;
}

// Asks whether the item may become selected: -801 with the after-flags holding bit 1.
NotifyOutcome AskToSelect(OutlineState& s, uint32_t slot, POINT point) {
    const WORD before = s.tree.Item(slot).flags;
    return NotifyItem(s, OLBN_SELECTING, slot, before, WORD(before | kItemSelected), point);
}

void MarkSelected(OutlineState& s, uint32_t slot) {
    s.tree.SetSelected(slot, true);
    InvalidateItem(s, slot);
}

}  // namespace

bool SetItemSelected(OutlineState& s, uint32_t slot, bool selected, POINT point) {
    if (!IsItemSlot(slot) || s.tree.IsSelected(slot) == selected) return true;
    const ItemHandle handle = s.tree.HandleOf(slot);
    if (selected) {
        const NotifyOutcome asked = AskToSelect(s, slot, point);
        if (!asked.alive) return false;
        slot = s.tree.SlotOf(handle);
        if (asked.allowed && slot) MarkSelected(s, slot);
        return true;
    }
    const WORD before = s.tree.Item(slot).flags;
    s.tree.SetSelected(slot, false);
    // The caret flag goes with the selection unless the item stays the caret.
    if (s.tree.Caret() != slot) s.tree.Item(slot).flags &= uint16_t(~kItemCaret);
    InvalidateItem(s, slot);
    if (!NotifyItem(s, OLBN_UNSELECTED, slot, before, s.tree.Item(slot).flags, point).alive)
        return false;
    return NotifyCommand(s, OLBN_CMD_SELCANCEL);
}

bool SelectOnly(OutlineState& s, uint32_t slot, POINT point) {
    const ItemHandle handle = s.tree.HandleOf(slot);
    if (IsItemSlot(slot) && !s.tree.IsSelected(slot)) {
        const NotifyOutcome asked = AskToSelect(s, slot, point);
        if (!asked.alive) return false;
        if (!asked.allowed) return true;
        slot = s.tree.SlotOf(handle);
    }
    if (!UnselectAll(s, OtherSelected(s, slot), point)) return false;
    slot = s.tree.SlotOf(handle);
    if (slot && !s.tree.IsSelected(slot)) MarkSelected(s, slot);
    return true;
}

bool SelectRows(OutlineState& s, long first, long last, bool only, POINT point) {
    const long rows = long(s.tree.RowCount());
    if (first > last) std::swap(first, last);
    first = std::max(0L, first);
    last = std::min(rows - 1, last);
    std::vector<ItemHandle> inRange;
    for (long row = first; row <= last; ++row)
        inRange.push_back(s.tree.HandleOf(s.tree.RowItem(row)));
    if (only) {
        std::vector<ItemHandle> outside;
        for (uint32_t slot : s.tree.Selected()) {
            const long row = s.tree.RowOf(slot);
            if (row < first || row > last) outside.push_back(s.tree.HandleOf(slot));
        }
        if (!UnselectAll(s, outside, point)) return false;
    }
    for (ItemHandle handle : inRange) {
        const uint32_t slot = s.tree.SlotOf(handle);
        if (slot && !SetItemSelected(s, slot, true, point)) return false;
    }
    return true;
}

void MoveCaret(OutlineState& s, uint32_t slot) {
    const uint32_t old = s.tree.Caret();
    s.tree.SetCaret(IsItemSlot(slot) ? slot : OutlineTree::kRoot);
    if (old && s.tree.IsLive(old)) InvalidateItem(s, old);
    InvalidateItem(s, slot);
}

LRESULT OLB_SetCurSel(OutlineState& s, long row) {
    const HWND self = s.self;
    if (row == -1) {
        SelectOnly(s, OutlineTree::kRoot, kNoPoint);
        return OLB_ERR;
    }
    const uint32_t slot = RowSlot(s, row);
    if (slot == kBadSlot) return OLB_ERR;
    const ItemHandle handle = s.tree.HandleOf(slot);
    if (!SelectOnly(s, slot, kNoPoint) || !StillAlive(self, &s)) return OLB_ERR;
    const uint32_t still = s.tree.SlotOf(handle);
    if (!still || !s.tree.IsSelected(still)) return OLB_ERR;
    MoveCaret(s, still);
    s.tree.SetAnchor(still);
    EnsureRowShown(s, s.tree.RowOf(still));
    return s.tree.RowOf(still);
}

uint32_t OLB_GetCurSelItem(const OutlineState& s) {
    if (IsMultipleSelection(s)) return s.tree.Caret();
    if (const uint32_t current = s.tree.Current()) return current;
    for (uint32_t slot : s.tree.Selected()) return slot;
    return OutlineTree::kRoot;
}

LRESULT OLB_GetCurSel(const OutlineState& s) {
    const uint32_t slot = OLB_GetCurSelItem(s);
    return IsItemSlot(slot) ? s.tree.RowOf(slot) : OLB_ERR;
}

LRESULT OLB_SetSel(OutlineState& s, bool select, long row) {
    if (row == -1) {
        if (select)
            SelectRows(s, 0, long(s.tree.RowCount()) - 1, false, kNoPoint);
        else
            UnselectAll(s, OtherSelected(s, OutlineTree::kRoot), kNoPoint);
        return 0;
    }
    const uint32_t slot = RowSlot(s, row);
    if (slot == kBadSlot) return OLB_ERR;
    SetItemSelected(s, slot, select, kNoPoint);
    return 0;
}

LRESULT OLB_GetSel(const OutlineState& s, long row) {
    const uint32_t slot = RowSlot(s, row);
    if (slot == kBadSlot) return OLB_ERR;
    return IsSelectedItem(s, slot) ? 1 : 0;
}

LRESULT OLB_GetSelCount(const OutlineState& s) {
    long count = 0;
    for (uint32_t slot : s.tree.Selected()) count += s.tree.IsRow(slot);
    return count;
}

LRESULT OLB_GetSelItems(const OutlineState& s, long room, LONG* rows) {
    if (room < 0 || (room > 0 && !rows)) return OLB_ERR;
    std::vector<LONG> selected;
    for (uint32_t slot : s.tree.Selected())
        if (s.tree.IsRow(slot)) selected.push_back(LONG(s.tree.RowOf(slot)));
    std::sort(selected.begin(), selected.end());
    const size_t stored = std::min(selected.size(), size_t(room));
    std::copy(selected.begin(), selected.begin() + long(stored), rows);
    return LRESULT(stored);
}

LRESULT OLB_SelItemRange(OutlineState& s, bool select, long first, long last) {
    const long rows = long(s.tree.RowCount());
    if (first < 0 || last < 0 || first >= rows || last >= rows) return OLB_ERR;
    if (select) {
        SelectRows(s, first, last, false, kNoPoint);
        return 0;
    }
    if (first > last) std::swap(first, last);
    std::vector<ItemHandle> handles;
    for (long row = first; row <= last; ++row)
        handles.push_back(s.tree.HandleOf(s.tree.RowItem(row)));
    UnselectAll(s, handles, kNoPoint);
    return 0;
}

uint32_t OLB_GetNextSelected(const OutlineState& s, uint32_t from, Direction direction) {
    if (from == kBadSlot) return kBadSlot;
    const bool forward = direction == Direction::Forward;
    for (uint32_t slot = forward ? s.tree.NextInTree(from) : s.tree.PreviousInTree(from);
         IsItemSlot(slot); slot = forward ? s.tree.NextInTree(slot) : s.tree.PreviousInTree(slot))
        if (s.tree.IsSelected(slot)) return slot;
    return OutlineTree::kRoot;
}

LRESULT OLB_SetCaretIndex(OutlineState& s, long row) {
    const uint32_t slot = RowSlot(s, row);
    if (slot == kBadSlot) return OLB_ERR;
    MoveCaret(s, slot);
    EnsureRowShown(s, row);
    return 0;
}

LRESULT OLB_GetCaretIndex(const OutlineState& s) {
    const uint32_t caret = s.tree.Caret();
    return caret ? s.tree.RowOf(caret) : OLB_ERR;
}

LRESULT OLB_SetAnchorIndex(OutlineState& s, long row) {
    const uint32_t slot = RowSlot(s, row);
    if (slot == kBadSlot) return OLB_ERR;
    s.tree.SetAnchor(slot);
    return 0;
}

LRESULT OLB_GetAnchorIndex(const OutlineState& s) {
    const uint32_t anchor = s.tree.Anchor();
    return anchor ? s.tree.RowOf(anchor) : OLB_ERR;
}

LRESULT OLB_SetNoHideSel(OutlineState& s, bool noHide) {
    const bool was = s.noHideSel;
    s.noHideSel = noHide;
    if (was != noHide) InvalidateRect(s.self, nullptr, FALSE);
    return was ? 1 : 0;
}

LRESULT OLB_SelectString(OutlineState& s, long startRow, LPCSTR text) {
    const uint32_t found = OLB_FindSibling(s, RowSlot(s, startRow, true), text, false);
    return IsItemSlot(found) ? OLB_SetCurSel(s, s.tree.RowOf(found)) : OLB_ERR;
}

}  // namespace tw
