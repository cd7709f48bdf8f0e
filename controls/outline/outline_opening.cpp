// Opening, closing and locking (see outline_opening.h).

#include "controls/outline/outline_opening.h"

#include "controls/outline/outline_notify.h"
#include "controls/outline/outline_view.h"

namespace tw {

namespace {

bool IsOpen(const OutlineState& s, uint32_t slot) {
    return (s.tree.Item(slot).flags & kItemOpen) != 0;
}

}  // namespace

LRESULT OLB_OpenItem(OutlineState& s, uint32_t slot) {
    if (!IsItemSlot(slot)) return OLB_ERR;
    if (!UserMayToggle(s, slot) || !s.tree.Open(slot)) return 0;
    RefreshRows(s);
    return 1;
}

LRESULT OLB_CloseItem(OutlineState& s, uint32_t slot) {
    if (!IsItemSlot(slot)) return OLB_ERR;
    if (!s.tree.Close(slot)) return 0;
    RefreshRows(s);
    return 1;
}

LRESULT OLB_OpenAll(OutlineState& s, uint32_t slot) {
    if (slot == kBadSlot) return OLB_ERR;
    s.tree.OpenAll(slot);
    RefreshRows(s);
    return 0;
}

LRESULT OLB_CloseAll(OutlineState& s) {
    for (uint32_t c = s.tree.Item(OutlineTree::kRoot).firstChild; c; c = s.tree.Item(c).nextSibling)
        s.tree.Close(c);
    RefreshRows(s);
    return 0;
}

LRESULT OLB_QueryOpen(const OutlineState& s, uint32_t slot) {
    if (!IsItemSlot(slot)) return OLB_ERR;
    return IsOpen(s, slot) ? 1 : 0;
}

LRESULT OLB_LockItem(OutlineState& s, uint32_t slot, bool lock) {
    if (!IsItemSlot(slot)) return OLB_ERR;
    uint16_t& flags = s.tree.Item(slot).flags;
    const bool was = (flags & kItemLocked) != 0;
    flags = uint16_t(lock ? flags | kItemLocked : flags & ~kItemLocked);
    InvalidateItem(s, slot);
    return was ? 1 : 0;
}

LRESULT OLB_QueryLock(const OutlineState& s, uint32_t slot) {
    if (!IsItemSlot(slot)) return OLB_ERR;
    return (s.tree.Item(slot).flags & kItemLocked) ? 1 : 0;
}

LRESULT OLB_SetAutoOpen(OutlineState& s, bool autoOpen) {
    const bool was = s.autoOpen;
    s.autoOpen = autoOpen;
    return was ? 1 : 0;
}

LRESULT OLB_IsAutoOpen(const OutlineState& s) { return s.autoOpen ? 1 : 0; }

bool UserMayToggle(const OutlineState& s, uint32_t slot) {
    if (!IsItemSlot(slot)) return false;
    const OutlineItem& item = s.tree.Item(slot);
    return item.firstChild && !(item.flags & kItemLocked);
}

bool ToggleByUser(OutlineState& s, uint32_t slot, POINT point) {
    if (!UserMayToggle(s, slot)) return true;
    const bool opening = !IsOpen(s, slot);
    const WORD before = s.tree.Item(slot).flags;
    const WORD after = WORD(opening ? before | kItemOpen : before & ~kItemOpen);
    const ItemHandle handle = s.tree.HandleOf(slot);
    const NotifyOutcome asked =
        NotifyItem(s, opening ? OLBN_OPENING : OLBN_CLOSING, slot, before, after, point);
    if (!asked.alive) return false;
    slot = s.tree.SlotOf(handle);
    if (!asked.allowed || !slot || IsOpen(s, slot) != !opening) return true;
    if (opening)
        s.tree.Open(slot);
    else
        s.tree.Close(slot);
    RefreshRows(s);
    const WORD now = s.tree.Item(slot).flags;
    if (!NotifyItem(s, opening ? OLBN_OPENED : OLBN_CLOSED, slot, before, now, point).alive)
        return false;
    return NotifyCommand(s, opening ? OLBN_CMD_OPENED : OLBN_CMD_CLOSED);
}

bool SetOpenByUser(OutlineState& s, uint32_t slot, bool open, POINT point) {
    if (!IsItemSlot(slot) || IsOpen(s, slot) == open) return true;
    return ToggleByUser(s, slot, point);
}

}  // namespace tw
