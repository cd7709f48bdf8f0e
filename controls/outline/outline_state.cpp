// Fetching the outline list's state and naming its items (see outline_state.h).

#include "controls/outline/outline_state.h"

#include "controls/colors.h"
#include "controls/control_state.h"

namespace tw {

namespace {

constexpr int kOutlineStateWord = 0;

}  // namespace

OutlineState* OutlineStateOf(HWND hwnd) {
    return static_cast<OutlineState*>(
        FetchStatePointer(hwnd, ControlClass::HierList, kOutlineStateWord));
}

bool StillAlive(HWND hwnd, const OutlineState* s) { return s && OutlineStateOf(hwnd) == s; }

DWORD OutlineStyle(const OutlineState& s) { return DWORD(GetWindowLongA(s.self, GWL_STYLE)); }

bool IsOwnerDraw(const OutlineState& s) {
    return (OutlineStyle(s) & (OLBS_OWNERDRAWFIXED | OLBS_OWNERDRAWVARIABLE)) != 0;
}

bool IsVariableHeight(const OutlineState& s) {
    return (OutlineStyle(s) & OLBS_OWNERDRAWVARIABLE) != 0;
}

bool IsMultiColumn(const OutlineState& s) { return (OutlineStyle(s) & OLBS_MULTICOLUMN) != 0; }

bool IsMultipleSelection(const OutlineState& s) {
    return (OutlineStyle(s) & OLBS_MULTIPLESEL) != 0;
}

bool RepaintsAfterChanges(const OutlineState& s) {
    return s.redraw && !(OutlineStyle(s) & OLBS_NOREDRAW);
}

COLORREF OutlineColorValue(const OutlineState& s, OutlineColor which) {
    return ResolveColor(s.colors[which - 1]);
}

uint32_t RowSlot(const OutlineState& s, long row, bool topAllowed) {
    if (row == -1 && topAllowed) return OutlineTree::kRoot;
    const uint32_t slot = s.tree.RowItem(row);
    return slot ? slot : kBadSlot;
}

uint32_t HandleSlot(const OutlineState& s, HOLBITEM handle, bool topAllowed) {
    if (handle == OLB_NOITEM) return topAllowed ? OutlineTree::kRoot : kBadSlot;
    const uint32_t slot = s.tree.SlotOf(handle);
    return slot ? slot : kBadSlot;
}

long ShownRow(const OutlineState& s, uint32_t slot) {
    for (uint32_t x = slot; IsItemSlot(x); x = s.tree.Item(x).parent)
        if (s.tree.IsRow(x)) return s.tree.RowOf(x);
    return -1;
}

LRESULT RowResult(const OutlineState& s, uint32_t slot) {
    return IsItemSlot(slot) ? ShownRow(s, slot) : OLB_ERR;
}

LRESULT HandleResult(const OutlineState& s, uint32_t slot) {
    if (slot == kBadSlot) return LRESULT(OLB_BADITEM);
    return LRESULT(s.tree.HandleOf(slot));
}

}  // namespace tw
