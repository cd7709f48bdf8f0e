// The private messages of the outline list (see outline_messages.h).

#include "controls/outline/outline_messages.h"

#include "controls/message_params.h"
#include "controls/outline/outline_appearance.h"
#include "controls/outline/outline_dir.h"
#include "controls/outline/outline_edits.h"
#include "controls/outline/outline_item_text.h"
#include "controls/outline/outline_opening.h"
#include "controls/outline/outline_queries.h"
#include "controls/outline/outline_selection.h"
#include "controls/outline/outline_view.h"

namespace tw {

namespace {

long RowParam(WPARAM param) { return long(LONG(param)); }

LRESULT TextRequest(const OLBTEXTBUFFER* request,
                    LRESULT (*copy)(const OutlineState&, uint32_t, LPSTR, long),
                    const OutlineState& s, uint32_t slot) {
    return request ? copy(s, slot, request->buffer, request->size) : OLB_ERR;
}

uint32_t Insert(OutlineState& s, uint32_t parent, const OLBINSERT* insert) {
    return insert ? OLB_AddItem(s, parent, insert->position, insert->text) : kBadSlot;
}

// The answer of a private message; false for a message that is none of them.
bool Answer(OutlineState& s, UINT msg, WPARAM w, LPARAM l, LRESULT& r) {
    const long row = RowParam(w);
    const uint32_t atRow = RowSlot(s, row);
    const uint32_t atRowOrTop = RowSlot(s, row, true);
    const uint32_t item = HandleSlot(s, HOLBITEM(w));
    const uint32_t itemOrTop = HandleSlot(s, HOLBITEM(w), true);
    const LPCSTR text = PointerParam<const char>(l);
    const bool flag = w != 0;
    const auto* request = PointerParam<const OLBTEXTBUFFER>(l);
    switch (msg) {
        case OLBM_ADDCHILDSTRING: r = RowResult(s, OLB_AddItem(s, atRowOrTop, -1, text)); break;
        case OLBM_ADDCHILDSTRINGEX: r = HandleResult(s, OLB_AddItem(s, itemOrTop, -1, text)); break;
        case OLBM_ADDSTRING: r = RowResult(s, OLB_AddItem(s, OutlineTree::kRoot, -1, text)); break;
        case OLBM_CHANGESTYLE: r = OLB_ChangeStyle(s, DWORD(w), DWORD(l)); break;
        case OLBM_CLOSEITEM: r = OLB_CloseItem(s, atRow); break;
        case OLBM_COPYCHILDREN: r = OLB_CopyChildren(s, atRow, RowSlot(s, long(l), true)); break;
        case OLBM_COPYCHILDRENEX:
            r = OLB_CopyChildren(s, item, HandleSlot(s, HOLBITEM(l), true));
            break;
        case OLBM_COPYITEM:
            r = RowResult(s, OLB_CopyItem(s, atRow, RowSlot(s, long(l), true)));
            break;
        case OLBM_COPYITEMEX:
            r = HandleResult(s, OLB_CopyItem(s, item, HandleSlot(s, HOLBITEM(l), true)));
            break;
        case OLBM_DELETESTRING: r = OLB_DeleteItem(s, atRow); break;
        case OLBM_DELETESTRINGEX: r = OLB_DeleteItem(s, item); break;
        case OLBM_DELETESUBTREE: r = OLB_DeleteChildren(s, atRowOrTop); break;
        case OLBM_DELETESUBTREEEX: r = OLB_DeleteChildren(s, itemOrTop); break;
        case OLBM_DIREX: r = OLB_DirEx(s, DWORD(w), long(l)); break;
        case OLBM_FINDSTRING: r = RowResult(s, OLB_FindSibling(s, atRowOrTop, text, false)); break;
        case OLBM_FINDSTRINGEX:
            r = HandleResult(s, OLB_FindChild(s, itemOrTop, text, false));
            break;
        case OLBM_FINDSTRINGEXACT:
            r = RowResult(s, OLB_FindSibling(s, atRowOrTop, text, true));
            break;
        case OLBM_FINDSTRINGEXACTEX:
            r = HandleResult(s, OLB_FindChild(s, itemOrTop, text, true));
            break;
        case OLBM_GETBOTTOMINDEX: r = OLB_GetBottomIndex(s); break;
        case OLBM_GETCHILDHANDLE: r = HandleResult(s, OLB_ChildAt(s, atRowOrTop, long(l))); break;
        case OLBM_GETCHILDHANDLEEX: r = HandleResult(s, OLB_ChildAt(s, itemOrTop, long(l))); break;
        case OLBM_GETCOUNT: r = OLB_GetCount(s); break;
        case OLBM_GETCURSEL: r = OLB_GetCurSel(s); break;
        case OLBM_GETCURSELEX: r = HandleResult(s, OLB_GetCurSelItem(s)); break;
        case OLBM_GETFULLPATH: r = TextRequest(request, OLB_GetFullPath, s, atRow); break;
        case OLBM_GETFULLPATHEX: r = TextRequest(request, OLB_GetFullPath, s, item); break;
        case OLBM_GETITEMDATA: r = OLB_GetItemData(s, atRow); break;
        case OLBM_GETITEMDATAEX: r = OLB_GetItemData(s, item); break;
        case OLBM_GETITEMHEIGHT: r = OLB_GetItemHeight(s, atRowOrTop); break;
        case OLBM_GETITEMHEIGHTEX: r = OLB_GetItemHeight(s, itemOrTop); break;
        case OLBM_GETITEMRECT: r = OLB_GetItemRect(s, row, PointerParam<RECT>(l)); break;
        case OLBM_GETPATHSEPARATOR: r = OLB_GetPathSeparator(s); break;
        case OLBM_GETSEL: r = OLB_GetSel(s, row); break;
        case OLBM_GETSELITEMS: r = OLB_GetSelItems(s, row, PointerParam<LONG>(l)); break;
        case OLBM_GETTEXT: r = TextRequest(request, OLB_GetText, s, atRow); break;
        case OLBM_GETTEXTEX: r = TextRequest(request, OLB_GetText, s, item); break;
        case OLBM_GETTEXTLENGTH: r = OLB_GetTextLength(s, atRow); break;
        case OLBM_GETTEXTLENGTHEX: r = OLB_GetTextLength(s, item); break;
        case OLBM_GETTOPINDEX: r = OLB_GetTopIndex(s); break;
        case OLBM_GETVISIBLECOUNT: r = OLB_GetVisibleCount(s); break;
        case OLBM_HANDLETOINDEX: r = OLB_HandleToIndex(s, item); break;
        case OLBM_INDEXTOHANDLE: r = LRESULT(s.tree.HandleOf(s.tree.RowItem(row))); break;
        case OLBM_INSERTSTRING:
            r = RowResult(s, Insert(s, atRowOrTop, PointerParam<const OLBINSERT>(l)));
            break;
        case OLBM_INSERTSTRINGEX:
            r = HandleResult(s, Insert(s, itemOrTop, PointerParam<const OLBINSERT>(l)));
            break;
        case OLBM_LOCKITEM: r = OLB_LockItem(s, atRow, l != 0); break;
        case OLBM_LOCKITEMEX: r = OLB_LockItem(s, item, l != 0); break;
        case OLBM_MOVECHILDREN: r = OLB_MoveChildren(s, atRow, RowSlot(s, long(l), true)); break;
        case OLBM_MOVECHILDRENEX:
            r = OLB_MoveChildren(s, item, HandleSlot(s, HOLBITEM(l), true));
            break;
        case OLBM_MOVEITEM:
            r = RowResult(s, OLB_MoveItem(s, atRow, RowSlot(s, long(l), true)));
            break;
        case OLBM_MOVEITEMEX:
            r = HandleResult(s, OLB_MoveItem(s, item, HandleSlot(s, HOLBITEM(l), true)));
            break;
        case OLBM_OPENITEM: r = OLB_OpenItem(s, atRow); break;
        case OLBM_OPENALL: r = OLB_OpenAll(s, atRowOrTop); break;
        case OLBM_ISAUTOOPEN: r = OLB_IsAutoOpen(s); break;
        case OLBM_HASCHILDREN: r = OLB_HasChildren(s, atRow); break;
        case OLBM_HASCHILDRENEX: r = OLB_HasChildren(s, item); break;
        case OLBM_QUERYLEVEL: r = OLB_QueryLevel(s, atRow); break;
        case OLBM_QUERYLEVELEX: r = OLB_QueryLevel(s, item); break;
        case OLBM_QUERYLOCK: r = OLB_QueryLock(s, atRow); break;
        case OLBM_QUERYLOCKEX: r = OLB_QueryLock(s, item); break;
        case OLBM_QUERYOPEN: r = OLB_QueryOpen(s, atRow); break;
        case OLBM_QUERYOPENEX: r = OLB_QueryOpen(s, item); break;
        case OLBM_QUERYPARENT: r = OLB_QueryParent(s, atRow); break;
        case OLBM_QUERYPARENTEX: r = OLB_QueryParent(s, item); break;
        case OLBM_QUERYVISIBLE: r = OLB_QueryVisible(s, item); break;
        case OLBM_SELECTSTRING: r = OLB_SelectString(s, row, text); break;
        case OLBM_SETAUTOOPEN: r = OLB_SetAutoOpen(s, flag); break;
        case OLBM_SETBITMAPINDEX: r = OLB_SetBitmapIndex(s, atRowOrTop, long(l)); break;
        case OLBM_SETBITMAPINDEXEX: r = OLB_SetBitmapIndex(s, itemOrTop, long(l)); break;
        case OLBM_SETBITMAPS: r = OLB_SetBitmaps(s, atRowOrTop, HBITMAP(l)); break;
        case OLBM_SETBITMAPSEX: r = OLB_SetBitmaps(s, itemOrTop, HBITMAP(l)); break;
        case OLBM_SETBORDERSTYLE: r = OLB_SetBorderStyle(s, row); break;
        case OLBM_SETCURSEL: r = OLB_SetCurSel(s, row); break;
        case OLBM_SETFULLSELECTRECT: r = OLB_SetFullSelectRect(s, flag); break;
        case OLBM_SETINDENT: r = OLB_SetIndent(s, row); break;
        case OLBM_SETITEMDATA: r = OLB_SetItemData(s, atRow, DWORD(l)); break;
        case OLBM_SETITEMDATAEX: r = OLB_SetItemData(s, item, DWORD(l)); break;
        case OLBM_SETITEMHEIGHT: r = OLB_SetItemHeight(s, atRowOrTop, long(l)); break;
        case OLBM_SETITEMHEIGHTEX: r = OLB_SetItemHeight(s, itemOrTop, long(l)); break;
        case OLBM_SETITEMTEXT: r = OLB_SetItemText(s, atRow, text); break;
        case OLBM_SETITEMTEXTEX: r = OLB_SetItemText(s, item, text); break;
        case OLBM_SETLEVELBITMAP: r = OLB_SetLevelBitmap(s, row, HBITMAP(l)); break;
        case OLBM_SETLEVELINDEX: r = OLB_SetLevelIndex(s, row, DWORD(l)); break;
        case OLBM_SETPATHSEPARATOR: r = OLB_SetPathSeparator(s, row); break;
        case OLBM_SETPROPSCROLLBARS: r = OLB_SetProportionalScrollBars(s, flag); break;
        case OLBM_SETSEL: r = OLB_SetSel(s, flag, long(l)); break;
        case OLBM_SETTOPINDEX: r = OLB_SetTopIndex(s, row); break;
        case OLBM_SHOWLINES: r = OLB_ShowLines(s, flag); break;
        case OLBM_SETNOHIDESEL: r = OLB_SetNoHideSel(s, flag); break;
        default: return false;
    }
    return true;
}

}  // namespace

bool OLB_PrivateMessage(OutlineState& s, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg < OLBM_ADDCHILDSTRING || msg > OLBM_SETNOHIDESEL) return false;
    return Answer(s, msg, wParam, lParam, result);
}

}  // namespace tw
