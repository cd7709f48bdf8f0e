// The outline list's exported functions about items: adding, deleting, moving and copying,
// opening and locking, structure, texts and data, paths and searching. Each calls the handler
// its private message uses (see outline_messages.cpp).

#include "controls/outline/outline_edits.h"
#include "controls/outline/outline_export_calls.h"
#include "controls/outline/outline_item_text.h"
#include "controls/outline/outline_opening.h"
#include "controls/outline/outline_queries.h"
#include "controls/outline/tarn32_outline.h"

using namespace tw;

namespace {

constexpr uint32_t kTop = OutlineTree::kRoot;

HOLBITEM AsItem(LONG result) { return HOLBITEM(result); }

HOLBITEM WalkFrom(HWND hwnd, HOLBITEM item, Walk walk, bool topAllowed) {
    return AsItem(OnList(hwnd, [=](auto& s) {
        return HandleResult(s, OLB_Walk(s, HandleSlot(s, item, topAllowed), walk));
    }));
}

HOLBITEM FindFrom(HWND hwnd, HOLBITEM from, LPCSTR text, SearchScope scope, Direction direction) {
    return AsItem(OnList(hwnd, [=](auto& s) {
        return HandleResult(s, OLB_FindFrom(s, ItemOrTop(s, from), text, scope, direction));
    }));
}

}  // namespace

extern "C" {

// Adding.
LONG WINAPI olbAddString(HWND h, LPCSTR text) {
    return OnList(h, [=](auto& s) { return RowResult(s, OLB_AddItem(s, kTop, -1, text)); });
}
LONG WINAPI olbAddChildString(HWND h, LONG parent, LPCSTR text) {
    return OnList(
        h, [=](auto& s) { return RowResult(s, OLB_AddItem(s, RowOrTop(s, parent), -1, text)); });
}
HOLBITEM WINAPI olbAddChildStringEx(HWND h, HOLBITEM parent, LPCSTR text) {
    return AsItem(OnList(h, [=](auto& s) {
        return HandleResult(s, OLB_AddItem(s, ItemOrTop(s, parent), -1, text));
    }));
}
LONG WINAPI olbInsertString(HWND h, LONG parent, LONG position, LPCSTR text) {
    return OnList(h, [=](auto& s) {
        return RowResult(s, OLB_AddItem(s, RowOrTop(s, parent), position, text));
    });
}
HOLBITEM WINAPI olbInsertStringEx(HWND h, HOLBITEM parent, LONG position, LPCSTR text) {
    return AsItem(OnList(h, [=](auto& s) {
        return HandleResult(s, OLB_AddItem(s, ItemOrTop(s, parent), position, text));
    }));
}

// Deleting.
LONG WINAPI olbDeleteString(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_DeleteItem(s, Row(s, row)); });
}
LONG WINAPI olbDeleteStringEx(HWND h, HOLBITEM item) {
    return OnList(h, [=](auto& s) { return OLB_DeleteItem(s, Item(s, item)); });
}
LONG WINAPI olbDeleteSubTree(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_DeleteChildren(s, RowOrTop(s, row)); });
}
LONG WINAPI olbDeleteSubTreeEx(HWND h, HOLBITEM item) {
    return OnList(h, [=](auto& s) { return OLB_DeleteChildren(s, ItemOrTop(s, item)); });
}
LONG WINAPI olbResetContent(HWND h) {
    return OnList(h, [](auto& s) { return OLB_ResetContent(s); });
}

// Moving and copying.
LONG WINAPI olbMoveItem(HWND h, LONG row, LONG parent) {
    return OnList(h, [=](auto& s) {
        return RowResult(s, OLB_MoveItem(s, Row(s, row), RowOrTop(s, parent)));
    });
}
HOLBITEM WINAPI olbMoveItemEx(HWND h, HOLBITEM item, HOLBITEM parent) {
    return AsItem(OnList(h, [=](auto& s) {
        return HandleResult(s, OLB_MoveItem(s, Item(s, item), ItemOrTop(s, parent)));
    }));
}
LONG WINAPI olbMoveChildren(HWND h, LONG row, LONG parent) {
    return OnList(h,
                  [=](auto& s) { return OLB_MoveChildren(s, Row(s, row), RowOrTop(s, parent)); });
}
LONG WINAPI olbMoveChildrenEx(HWND h, HOLBITEM item, HOLBITEM parent) {
    return OnList(
        h, [=](auto& s) { return OLB_MoveChildren(s, Item(s, item), ItemOrTop(s, parent)); });
}
LONG WINAPI olbCopyItem(HWND h, LONG row, LONG parent) {
    return OnList(h, [=](auto& s) {
        return RowResult(s, OLB_CopyItem(s, Row(s, row), RowOrTop(s, parent)));
    });
}
HOLBITEM WINAPI olbCopyItemEx(HWND h, HOLBITEM item, HOLBITEM parent) {
    return AsItem(OnList(h, [=](auto& s) {
        return HandleResult(s, OLB_CopyItem(s, Item(s, item), ItemOrTop(s, parent)));
    }));
}
LONG WINAPI olbCopyChildren(HWND h, LONG row, LONG parent) {
    return OnList(h,
                  [=](auto& s) { return OLB_CopyChildren(s, Row(s, row), RowOrTop(s, parent)); });
}
LONG WINAPI olbCopyChildrenEx(HWND h, HOLBITEM item, HOLBITEM parent) {
    return OnList(
        h, [=](auto& s) { return OLB_CopyChildren(s, Item(s, item), ItemOrTop(s, parent)); });
}

// Opening and locking.
LONG WINAPI olbOpenItem(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_OpenItem(s, Row(s, row)); });
}
LONG WINAPI olbCloseItem(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_CloseItem(s, Row(s, row)); });
}
LONG WINAPI olbOpenAll(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_OpenAll(s, RowOrTop(s, row)); });
}
LONG WINAPI olbCloseAll(HWND h) {
    return OnList(h, [](auto& s) { return OLB_CloseAll(s); });
}
LONG WINAPI olbSetAutoOpen(HWND h, BOOL on) {
    return OnList(h, [=](auto& s) { return OLB_SetAutoOpen(s, on != FALSE); });
}
LONG WINAPI olbIsAutoOpen(HWND h) {
    return OnList(h, [](auto& s) { return OLB_IsAutoOpen(s); });
}
LONG WINAPI olbQueryOpen(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_QueryOpen(s, Row(s, row)); });
}
LONG WINAPI olbQueryOpenEx(HWND h, HOLBITEM item) {
    return OnList(h, [=](auto& s) { return OLB_QueryOpen(s, Item(s, item)); });
}
LONG WINAPI olbLockItem(HWND h, LONG row, BOOL lock) {
    return OnList(h, [=](auto& s) { return OLB_LockItem(s, Row(s, row), lock != FALSE); });
}
LONG WINAPI olbLockItemEx(HWND h, HOLBITEM item, BOOL lock) {
    return OnList(h, [=](auto& s) { return OLB_LockItem(s, Item(s, item), lock != FALSE); });
}
LONG WINAPI olbQueryLock(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_QueryLock(s, Row(s, row)); });
}
LONG WINAPI olbQueryLockEx(HWND h, HOLBITEM item) {
    return OnList(h, [=](auto& s) { return OLB_QueryLock(s, Item(s, item)); });
}

// Structure.
LONG WINAPI olbQueryLevel(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_QueryLevel(s, Row(s, row)); });
}
LONG WINAPI olbQueryLevelEx(HWND h, HOLBITEM item) {
    return OnList(h, [=](auto& s) { return OLB_QueryLevel(s, Item(s, item)); });
}
LONG WINAPI olbQueryParent(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_QueryParent(s, Row(s, row)); });
}
LONG WINAPI olbQueryParentEx(HWND h, HOLBITEM item) {
    return OnList(h, [=](auto& s) { return OLB_QueryParent(s, Item(s, item)); });
}
LONG WINAPI olbHasChildren(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_HasChildren(s, Row(s, row)); });
}
LONG WINAPI olbHasChildrenEx(HWND h, HOLBITEM item) {
    return OnList(h, [=](auto& s) { return OLB_HasChildren(s, Item(s, item)); });
}
LONG WINAPI olbQueryVisible(HWND h, HOLBITEM item) {
    return OnList(h, [=](auto& s) { return OLB_QueryVisible(s, Item(s, item)); });
}
HOLBITEM WINAPI olbGetChildHandle(HWND h, LONG parent, LONG position) {
    return AsItem(OnList(h, [=](auto& s) {
        return HandleResult(s, OLB_ChildAt(s, RowOrTop(s, parent), position));
    }));
}
HOLBITEM WINAPI olbGetChildHandleEx(HWND h, HOLBITEM parent, LONG position) {
    return AsItem(OnList(h, [=](auto& s) {
        return HandleResult(s, OLB_ChildAt(s, ItemOrTop(s, parent), position));
    }));
}
HOLBITEM WINAPI olbGetParentEx(HWND h, HOLBITEM item) {
    return WalkFrom(h, item, Walk::Parent, false);
}
HOLBITEM WINAPI olbGetFirstChildEx(HWND h, HOLBITEM parent) {
    return WalkFrom(h, parent, Walk::FirstChild, true);
}
HOLBITEM WINAPI olbGetNextSiblingEx(HWND h, HOLBITEM item) {
    return WalkFrom(h, item, Walk::NextSibling, false);
}
HOLBITEM WINAPI olbGetPreviousSiblingEx(HWND h, HOLBITEM item) {
    return WalkFrom(h, item, Walk::PreviousSibling, false);
}
HOLBITEM WINAPI olbGetNextEx(HWND h, HOLBITEM item) { return WalkFrom(h, item, Walk::Next, true); }
HOLBITEM WINAPI olbGetPreviousEx(HWND h, HOLBITEM item) {
    return WalkFrom(h, item, Walk::Previous, true);
}
HOLBITEM WINAPI olbGetNextVisibleEx(HWND h, HOLBITEM item) {
    return WalkFrom(h, item, Walk::NextVisible, true);
}
HOLBITEM WINAPI olbGetPreviousVisibleEx(HWND h, HOLBITEM item) {
    return WalkFrom(h, item, Walk::PreviousVisible, true);
}
HOLBITEM WINAPI olbIndexToHandle(HWND h, LONG row) {
    return AsItem(
        OnList(h, [=](auto& s) { return LRESULT(s.tree.HandleOf(s.tree.RowItem(row))); }));
}
LONG WINAPI olbHandleToIndex(HWND h, HOLBITEM item) {
    return OnList(h, [=](auto& s) { return OLB_HandleToIndex(s, Item(s, item)); });
}

// Texts and data.
LONG WINAPI olbGetText(HWND h, LONG row, LPSTR buffer, LONG size) {
    return OnList(h, [=](auto& s) { return OLB_GetText(s, Row(s, row), buffer, size); });
}
LONG WINAPI olbGetTextEx(HWND h, HOLBITEM item, LPSTR buffer, LONG size) {
    return OnList(h, [=](auto& s) { return OLB_GetText(s, Item(s, item), buffer, size); });
}
LONG WINAPI olbGetTextLength(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_GetTextLength(s, Row(s, row)); });
}
LONG WINAPI olbGetTextLengthEx(HWND h, HOLBITEM item) {
    return OnList(h, [=](auto& s) { return OLB_GetTextLength(s, Item(s, item)); });
}
LONG WINAPI olbSetItemText(HWND h, LONG row, LPCSTR text) {
    return OnList(h, [=](auto& s) { return OLB_SetItemText(s, Row(s, row), text); });
}
LONG WINAPI olbSetItemTextEx(HWND h, HOLBITEM item, LPCSTR text) {
    return OnList(h, [=](auto& s) { return OLB_SetItemText(s, Item(s, item), text); });
}
DWORD WINAPI olbGetItemData(HWND h, LONG row) {
    return DWORD(OnList(h, [=](auto& s) { return OLB_GetItemData(s, Row(s, row)); }));
}
DWORD WINAPI olbGetItemDataEx(HWND h, HOLBITEM item) {
    return DWORD(OnList(h, [=](auto& s) { return OLB_GetItemData(s, Item(s, item)); }));
}
LONG WINAPI olbSetItemData(HWND h, LONG row, DWORD data) {
    return OnList(h, [=](auto& s) { return OLB_SetItemData(s, Row(s, row), data); });
}
LONG WINAPI olbSetItemDataEx(HWND h, HOLBITEM item, DWORD data) {
    return OnList(h, [=](auto& s) { return OLB_SetItemData(s, Item(s, item), data); });
}

// Paths.
LONG WINAPI olbGetFullPath(HWND h, LONG row, LPSTR buffer, LONG size) {
    return OnList(h, [=](auto& s) { return OLB_GetFullPath(s, Row(s, row), buffer, size); });
}
LONG WINAPI olbGetFullPathEx(HWND h, HOLBITEM item, LPSTR buffer, LONG size) {
    return OnList(h, [=](auto& s) { return OLB_GetFullPath(s, Item(s, item), buffer, size); });
}
LONG WINAPI olbSetPathSeparator(HWND h, LONG separator) {
    return OnList(h, [=](auto& s) { return OLB_SetPathSeparator(s, separator); });
}
LONG WINAPI olbGetPathSeparator(HWND h) {
    return OnList(h, [](auto& s) { return OLB_GetPathSeparator(s); });
}

// Searching.
LONG WINAPI olbFindString(HWND h, LONG start, LPCSTR text) {
    return OnList(h, [=](auto& s) {
        return RowResult(s, OLB_FindSibling(s, RowOrTop(s, start), text, false));
    });
}
HOLBITEM WINAPI olbFindStringEx(HWND h, HOLBITEM parent, LPCSTR text) {
    return AsItem(OnList(h, [=](auto& s) {
        return HandleResult(s, OLB_FindChild(s, ItemOrTop(s, parent), text, false));
    }));
}
HOLBITEM WINAPI olbSearchStringEx(HWND h, HOLBITEM parent, LPCSTR text) {
    return AsItem(OnList(h, [=](auto& s) {
        return HandleResult(s, OLB_FindChild(s, ItemOrTop(s, parent), text, true));
    }));
}
HOLBITEM WINAPI olbFindNextEx(HWND h, HOLBITEM after, LPCSTR text) {
    return FindFrom(h, after, text, SearchScope::Tree, Direction::Forward);
}
HOLBITEM WINAPI olbFindPreviousEx(HWND h, HOLBITEM before, LPCSTR text) {
    return FindFrom(h, before, text, SearchScope::Tree, Direction::Backward);
}
HOLBITEM WINAPI olbFindNextSiblingEx(HWND h, HOLBITEM after, LPCSTR text) {
    return FindFrom(h, after, text, SearchScope::Siblings, Direction::Forward);
}
HOLBITEM WINAPI olbFindPreviousSiblingEx(HWND h, HOLBITEM before, LPCSTR text) {
    return FindFrom(h, before, text, SearchScope::Siblings, Direction::Backward);
}
HOLBITEM WINAPI olbFindNextVisibleEx(HWND h, HOLBITEM after, LPCSTR text) {
    return FindFrom(h, after, text, SearchScope::Rows, Direction::Forward);
}
HOLBITEM WINAPI olbFindPreviousVisibleEx(HWND h, HOLBITEM before, LPCSTR text) {
    return FindFrom(h, before, text, SearchScope::Rows, Direction::Backward);
}

}  // extern "C"
