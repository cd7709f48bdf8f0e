// The standard list-box messages, answered by the outline list's operations on rows (see
// outline_messages.h). Rows stand for the list box's items; added strings become top-level
// items, or siblings of the row they are inserted before.

#include <windowsx.h>

#include <cstring>

#include "controls/message_params.h"
#include "controls/outline/outline_dir.h"
#include "controls/outline/outline_edits.h"
#include "controls/outline/outline_item_text.h"
#include "controls/outline/outline_messages.h"
#include "controls/outline/outline_queries.h"
#include "controls/outline/outline_selection.h"
#include "controls/outline/outline_view.h"

namespace tw {

namespace {

constexpr UINT kGetListBoxInfo = 0x01B2;  // LB_GETLISTBOXINFO

// A new item placed so that it takes `row`: before that row's item among its siblings.
LRESULT InsertAtRow(OutlineState& s, long row, LPCSTR text) {
    if (row == -1) return RowResult(s, OLB_AddItem(s, OutlineTree::kRoot, -1, text));
    const uint32_t slot = RowSlot(s, row);
    if (slot == kBadSlot) return OLB_ERR;
    return RowResult(s, OLB_AddItemBefore(s, s.tree.Item(slot).parent, slot, text));
}

// The list box's text: the whole string (its buffer has room, as the caller learnt from
// LB_GETTEXTLEN), or the 32-bit value in a list without strings.
LRESULT CopyListBoxText(const OutlineState& s, long row, char* buffer) {
    const uint32_t slot = RowSlot(s, row);
    if (slot == kBadSlot || !buffer) return OLB_ERR;
    const OutlineItem& item = s.tree.Item(slot);
    if (!s.storesStrings) {
        std::memcpy(buffer, &item.data, sizeof item.data);
        return LRESULT(sizeof item.data);
    }
    std::memcpy(buffer, item.text.c_str(), item.text.size() + 1);
    return LRESULT(item.text.size());
}

LRESULT ListBoxTextLength(const OutlineState& s, long row) {
    if (!s.storesStrings) return RowSlot(s, row) == kBadSlot ? OLB_ERR : LRESULT(sizeof(DWORD));
    return OLB_GetTextLength(s, RowSlot(s, row));
}

LRESULT SelectRange(OutlineState& s, bool select, long first, long last) {
    return OLB_SelItemRange(s, select, first, last) == 0 ? 0 : OLB_ERR;
}

LRESULT SelectFoundRow(OutlineState& s, long start, LPCSTR text) {
    const LRESULT row = OLB_FindRow(s, start, text, false);
    return row >= 0 ? OLB_SetCurSel(s, long(row)) : OLB_ERR;
}

LRESULT ItemFromPoint(const OutlineState& s, LPARAM point) {
    const long row = RowAtPoint(s, GET_X_LPARAM(point), GET_Y_LPARAM(point));
    if (row >= 0) return MAKELRESULT(WORD(row), 0);
    const long last = long(s.tree.RowCount()) - 1;
    return MAKELRESULT(WORD(last < 0 ? 0 : last), 1);
}

LRESULT SetLocale(OutlineState& s, LCID locale) {
    const LCID was = s.locale;
    s.locale = locale;
    return LRESULT(was);
}

}  // namespace

bool OLB_ListBoxMessage(OutlineState& s, UINT msg, WPARAM w, LPARAM l, LRESULT& r) {
    const long row = long(LONG(w));
    const LPCSTR text = PointerParam<const char>(l);
    switch (msg) {
        case LB_ADDSTRING: r = RowResult(s, OLB_AddItem(s, OutlineTree::kRoot, -1, text)); break;
        case LB_INSERTSTRING: r = InsertAtRow(s, row, text); break;
        case LB_DELETESTRING: r = OLB_DeleteItem(s, RowSlot(s, row)); break;
        case LB_SELITEMRANGEEX:
            r = long(l) >= row ? SelectRange(s, true, row, long(l))
                               : SelectRange(s, false, long(l), row);
            break;
        case LB_RESETCONTENT: r = OLB_ResetContent(s); break;
        case LB_SETSEL: r = OLB_SetSel(s, w != 0, long(l)); break;
        case LB_SETCURSEL: r = OLB_SetCurSel(s, row); break;
        case LB_GETSEL: r = OLB_GetSel(s, row); break;
        case LB_GETCURSEL: r = OLB_GetCurSel(s); break;
        case LB_GETTEXT: r = CopyListBoxText(s, row, PointerParam<char>(l)); break;
        case LB_GETTEXTLEN: r = ListBoxTextLength(s, row); break;
        case LB_GETCOUNT: r = OLB_GetVisibleCount(s); break;
        case LB_SELECTSTRING: r = SelectFoundRow(s, row, text); break;
        case LB_DIR: r = OLB_Dir(s, DWORD(w), text); break;
        case LB_GETTOPINDEX: r = OLB_GetTopIndex(s); break;
        case LB_FINDSTRING: r = OLB_FindRow(s, row, text, false); break;
        case LB_FINDSTRINGEXACT: r = OLB_FindRow(s, row, text, true); break;
        case LB_GETSELCOUNT: r = OLB_GetSelCount(s); break;
        case LB_GETSELITEMS: r = OLB_GetSelItems(s, row, PointerParam<LONG>(l)); break;
        case LB_SETTABSTOPS:
            r = OLB_SetTabStops(s, row, PointerParam<const LONG>(l)) == 0 ? TRUE : FALSE;
            break;
        case LB_GETHORIZONTALEXTENT: r = OLB_GetHorizontalExtent(s); break;
        case LB_SETHORIZONTALEXTENT:
            OLB_SetHorizontalExtent(s, row);
            r = 0;
            break;
        case LB_SETCOLUMNWIDTH:
            OLB_SetColumnWidth(s, row);
            r = 0;
            break;
        case LB_ADDFILE: r = OLB_AddFile(s, text); break;
        case LB_SETTOPINDEX: r = OLB_SetTopIndex(s, row); break;
        case LB_GETITEMRECT:
            r = OLB_GetItemRect(s, row, PointerParam<RECT>(l)) == 0 ? 1 : OLB_ERR;
            break;
        case LB_GETITEMDATA: r = OLB_GetItemData(s, RowSlot(s, row)); break;
        case LB_SETITEMDATA: r = OLB_SetItemData(s, RowSlot(s, row), DWORD(l)); break;
        case LB_SELITEMRANGE: r = SelectRange(s, w != 0, LOWORD(l), HIWORD(l)); break;
        case LB_SETANCHORINDEX: r = OLB_SetAnchorIndex(s, row); break;
        case LB_GETANCHORINDEX: r = OLB_GetAnchorIndex(s); break;
        case LB_SETCARETINDEX: r = OLB_SetCaretIndex(s, row); break;
        case LB_GETCARETINDEX: r = OLB_GetCaretIndex(s); break;
        case LB_SETITEMHEIGHT: r = OLB_SetItemHeight(s, RowSlot(s, row, true), long(l)); break;
        case LB_GETITEMHEIGHT: r = OLB_GetItemHeight(s, RowSlot(s, row, true)); break;
        case LB_SETLOCALE: r = SetLocale(s, LCID(w)); break;
        case LB_GETLOCALE: r = LRESULT(s.locale); break;
        case LB_SETCOUNT: r = OLB_ERR; break;  // only for lists that keep no data
        case LB_INITSTORAGE: r = LRESULT(w); break;
        case LB_ITEMFROMPOINT: r = ItemFromPoint(s, l); break;
        case kGetListBoxInfo: r = OLB_GetLinesPerColumn(s); break;
        default: return false;
    }
    return true;
}

}  // namespace tw
