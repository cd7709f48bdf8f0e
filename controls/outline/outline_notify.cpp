// Notifications of the outline list (see outline_notify.h).

#include "controls/outline/outline_notify.h"

namespace tw {

namespace {

HWND NotificationTarget(const OutlineState& s) { return s.hosted ? s.self : GetParent(s.self); }

}  // namespace

int OutlineId(const OutlineState& s) { return int(GetWindowLongPtrA(s.self, GWLP_ID)); }

NotifyOutcome NotifyItem(OutlineState& s, int code, uint32_t slot, WORD oldFlags, WORD newFlags,
                         POINT point) {
    const OutlineItem& item = s.tree.Item(slot);
    NMOUTLINE record = {};
    record.hdr.hwndFrom = s.self;
    record.hdr.idFrom = UINT_PTR(OutlineId(s));
    record.hdr.code = UINT(code);
    record.item = s.tree.HandleOf(slot);
    record.oldFlags = oldFlags & kClientFlags;
    record.newFlags = newFlags & kClientFlags;
    record.itemData = item.data;
    record.level = LONG(item.level);
    record.point = point;
    record.allow = TRUE;
    const HWND self = s.self;
    SendMessageA(NotificationTarget(s), WM_NOTIFY, WPARAM(record.hdr.idFrom),
                 reinterpret_cast<LPARAM>(&record));
    return {StillAlive(self, &s), record.allow != FALSE};
}

NotifyOutcome NotifyEvent(OutlineState& s, int code, uint32_t slot, POINT point) {
    const WORD flags = s.tree.Item(slot).flags;
    return NotifyItem(s, code, slot, flags, flags, point);
}

bool NotifyCommand(OutlineState& s, WORD code) {
    if (!(OutlineStyle(s) & OLBS_NOTIFY)) return true;
    const HWND self = s.self;
    SendMessageA(NotificationTarget(s), WM_COMMAND, MAKEWPARAM(OutlineId(s), code),
                 reinterpret_cast<LPARAM>(self));
    return StillAlive(self, &s);
}

bool NotifyDeletion(OutlineState& s, uint32_t slot) {
    const HWND self = s.self;
    const ItemHandle handle = s.tree.HandleOf(slot);
    if (!NotifyEvent(s, OLBN_DELETING, slot, POINT{0, 0}).alive) return false;
    // The receiver may have deleted the item already (and its slot serve another).
    if (!IsOwnerDraw(s) || s.storesStrings || s.tree.SlotOf(handle) != slot) return true;
    DELETEITEMSTRUCT record = {};
    record.CtlType = ODT_LISTBOX;
    record.CtlID = UINT(OutlineId(s));
    record.itemID = UINT(s.tree.RowOf(slot));
    record.hwndItem = self;
    record.itemData = s.tree.Item(slot).data;
    SendMessageA(NotificationTarget(s), WM_DELETEITEM, WPARAM(record.CtlID),
                 reinterpret_cast<LPARAM>(&record));
    return StillAlive(self, &s);
}

}  // namespace tw
