// The outline list's exported functions about its view: selection, appearance, geometry, the
// file system and the timer and host switches. Each calls the handler its message uses.

#include "controls/outline/outline_appearance.h"
#include "controls/outline/outline_dir.h"
#include "controls/outline/outline_export_calls.h"
#include "controls/outline/outline_paint.h"
#include "controls/outline/outline_pictures.h"
#include "controls/outline/outline_selection.h"
#include "controls/outline/outline_view.h"
#include "controls/outline/tarn32_outline.h"

using namespace tw;

namespace {

HOLBITEM SelectedFrom(HWND hwnd, HOLBITEM from, Direction direction) {
    return HOLBITEM(OnList(hwnd, [=](auto& s) {
        return HandleResult(s, OLB_GetNextSelected(s, ItemOrTop(s, from), direction));
    }));
}

}  // namespace

extern "C" {

// Selection.
LONG WINAPI olbSetCurSel(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_SetCurSel(s, row); });
}
LONG WINAPI olbGetCurSel(HWND h) {
    return OnList(h, [](auto& s) { return OLB_GetCurSel(s); });
}
HOLBITEM WINAPI olbGetCurSelEx(HWND h) {
    return HOLBITEM(OnList(h, [](auto& s) { return HandleResult(s, OLB_GetCurSelItem(s)); }));
}
LONG WINAPI olbSetSel(HWND h, BOOL select, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_SetSel(s, select != FALSE, row); });
}
LONG WINAPI olbGetSel(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_GetSel(s, row); });
}
LONG WINAPI olbGetSelCount(HWND h) {
    return OnList(h, [](auto& s) { return OLB_GetSelCount(s); });
}
LONG WINAPI olbGetSelItems(HWND h, LONG room, LONG* rows) {
    return OnList(h, [=](auto& s) { return OLB_GetSelItems(s, room, rows); });
}
LONG WINAPI olbSelItemRange(HWND h, BOOL select, LONG first, LONG last) {
    return OnList(h, [=](auto& s) { return OLB_SelItemRange(s, select != FALSE, first, last); });
}
HOLBITEM WINAPI olbGetNextSelectedEx(HWND h, HOLBITEM after) {
    return SelectedFrom(h, after, Direction::Forward);
}
HOLBITEM WINAPI olbGetPreviousSelectedEx(HWND h, HOLBITEM before) {
    return SelectedFrom(h, before, Direction::Backward);
}
LONG WINAPI olbSetCaretIndex(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_SetCaretIndex(s, row); });
}
LONG WINAPI olbGetCaretIndex(HWND h) {
    return OnList(h, [](auto& s) { return OLB_GetCaretIndex(s); });
}
LONG WINAPI olbSetAnchorIndex(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_SetAnchorIndex(s, row); });
}
LONG WINAPI olbGetAnchorIndex(HWND h) {
    return OnList(h, [](auto& s) { return OLB_GetAnchorIndex(s); });
}
LONG WINAPI olbSetNoHideSel(HWND h, BOOL on) {
    return OnList(h, [=](auto& s) { return OLB_SetNoHideSel(s, on != FALSE); });
}
LONG WINAPI olbSelectString(HWND h, LONG start, LPCSTR text) {
    return OnList(h, [=](auto& s) { return OLB_SelectString(s, start, text); });
}

// Appearance.
LONG WINAPI olbSetBitmaps(HWND h, LONG row, HBITMAP bitmap) {
    return OnList(h, [=](auto& s) { return OLB_SetBitmaps(s, RowOrTop(s, row), bitmap); });
}
LONG WINAPI olbSetBitmapsEx(HWND h, HOLBITEM item, HBITMAP bitmap) {
    return OnList(h, [=](auto& s) { return OLB_SetBitmaps(s, ItemOrTop(s, item), bitmap); });
}
LONG WINAPI olbSetBitmapIndex(HWND h, LONG row, LONG image) {
    return OnList(h, [=](auto& s) { return OLB_SetBitmapIndex(s, RowOrTop(s, row), image); });
}
LONG WINAPI olbSetBitmapIndexEx(HWND h, HOLBITEM item, LONG image) {
    return OnList(h, [=](auto& s) { return OLB_SetBitmapIndex(s, ItemOrTop(s, item), image); });
}
LONG WINAPI olbSetLevelBitmap(HWND h, LONG level, HBITMAP bitmap) {
    return OnList(h, [=](auto& s) { return OLB_SetLevelBitmap(s, level, bitmap); });
}
LONG WINAPI olbSetLevelIndex(HWND h, LONG level, DWORD image) {
    return OnList(h, [=](auto& s) { return OLB_SetLevelIndex(s, level, image); });
}
LONG WINAPI olbEnableBitmaps(HWND h, BOOL on) {
    return OnList(h, [=](auto& s) { return OLB_EnableBitmaps(s, on != FALSE); });
}
LONG WINAPI olbEnableMicroBitmaps(HWND h, BOOL on) {
    return OnList(h, [=](auto& s) { return OLB_EnableMicroBitmaps(s, on != FALSE); });
}
LONG WINAPI olbUseStateBitmaps(HWND h, BOOL on) {
    return OnList(h, [=](auto& s) { return OLB_UseStateBitmaps(s, on != FALSE); });
}
LONG WINAPI olbShowLines(HWND h, BOOL on) {
    return OnList(h, [=](auto& s) { return OLB_ShowLines(s, on != FALSE); });
}
LONG WINAPI olbSetIndent(HWND h, LONG indent) {
    return OnList(h, [=](auto& s) { return OLB_SetIndent(s, indent); });
}
LONG WINAPI olbGetIndent(HWND h) {
    return OnList(h, [](auto& s) { return OLB_GetIndent(s); });
}
LONG WINAPI olbSetColor(HWND h, LONG index, DWORD color, BOOL repaint) {
    return OnList(h, [=](auto& s) { return OLB_SetColor(s, index, color, repaint != FALSE); });
}
LONG WINAPI olbSetBorderStyle(HWND h, LONG kind) {
    return OnList(h, [=](auto& s) { return OLB_SetBorderStyle(s, kind); });
}
LONG WINAPI olbGetBorderStyle(HWND h) {
    return OnList(h, [](auto& s) { return OLB_GetBorderStyle(s); });
}
LONG WINAPI olbSetOwnerDraw(HWND h, DWORD ownerDraw) {
    return OnList(h, [=](auto& s) { return OLB_SetOwnerDraw(s, ownerDraw); });
}
LONG WINAPI olbChangeStyle(HWND h, DWORD remove, DWORD add) {
    return OnList(h, [=](auto& s) { return OLB_ChangeStyle(s, remove, add); });
}
LONG WINAPI olbSetFlags(HWND h, DWORD keep, DWORD set) {
    return OnList(h, [=](auto& s) { return OLB_SetFlags(s, keep, set); });
}
LONG WINAPI olbSetCompatibilityMode(HWND h, BOOL on) {
    return OnList(h, [=](auto& s) { return OLB_SetCompatibilityMode(s, on != FALSE); });
}
LONG WINAPI olbSetFullSelectRect(HWND h, BOOL on) {
    return OnList(h, [=](auto& s) { return OLB_SetFullSelectRect(s, on != FALSE); });
}
LONG WINAPI olbSetProportionalScrollBars(HWND h, BOOL on) {
    return OnList(h, [=](auto& s) { return OLB_SetProportionalScrollBars(s, on != FALSE); });
}
LONG WINAPI olbPaintBitmap(HWND h, HDC dc, HOLBITEM item, const RECT* row) {
    return OnList(h, [=](auto& s) { return OLB_PaintBitmap(s, dc, Item(s, item), row); });
}
LONG WINAPI olbPaintLines(HWND h, HDC dc, HOLBITEM item, const RECT* row) {
    return OnList(h, [=](auto& s) { return OLB_PaintLines(s, dc, Item(s, item), row); });
}

// Geometry.
LONG WINAPI olbSetTopIndex(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_SetTopIndex(s, row); });
}
LONG WINAPI olbGetTopIndex(HWND h) {
    return OnList(h, [](auto& s) { return OLB_GetTopIndex(s); });
}
LONG WINAPI olbGetBottomIndex(HWND h) {
    return OnList(h, [](auto& s) { return OLB_GetBottomIndex(s); });
}
LONG WINAPI olbGetCount(HWND h) {
    return OnList(h, [](auto& s) { return LRESULT(s.tree.ItemCount()); });
}
LONG WINAPI olbGetVisibleCount(HWND h) {
    return OnList(h, [](auto& s) { return LRESULT(s.tree.RowCount()); });
}
LONG WINAPI olbEnsureVisible(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_EnsureVisible(s, row); });
}
LONG WINAPI olbGetItemRect(HWND h, LONG row, RECT* rect) {
    return OnList(h, [=](auto& s) { return OLB_GetItemRect(s, row, rect); });
}
LONG WINAPI olbGetItemTextRect(HWND h, LONG row, RECT* rect) {
    return OnList(h, [=](auto& s) { return OLB_GetItemTextRect(s, row, rect); });
}
LONG WINAPI olbGetItemAtPoint(HWND h, LONG x, LONG y) {
    return OnList(h, [=](auto& s) { return OLB_GetItemAtPoint(s, x, y); });
}
LONG WINAPI olbSetItemHeight(HWND h, LONG row, LONG height) {
    return OnList(h, [=](auto& s) { return OLB_SetItemHeight(s, RowOrTop(s, row), height); });
}
LONG WINAPI olbSetItemHeightEx(HWND h, HOLBITEM item, LONG height) {
    return OnList(h, [=](auto& s) { return OLB_SetItemHeight(s, ItemOrTop(s, item), height); });
}
LONG WINAPI olbGetItemHeight(HWND h, LONG row) {
    return OnList(h, [=](auto& s) { return OLB_GetItemHeight(s, RowOrTop(s, row)); });
}
LONG WINAPI olbGetItemHeightEx(HWND h, HOLBITEM item) {
    return OnList(h, [=](auto& s) { return OLB_GetItemHeight(s, ItemOrTop(s, item)); });
}
LONG WINAPI olbSetColumns(HWND h, LONG columns) {
    return OnList(h, [=](auto& s) { return OLB_SetColumns(s, columns); });
}
LONG WINAPI olbSetColumnWidth(HWND h, LONG width) {
    return OnList(h, [=](auto& s) { return OLB_SetColumnWidth(s, width); });
}
LONG WINAPI olbGetColumnWidth(HWND h) {
    return OnList(h, [](auto& s) { return OLB_GetColumnWidth(s); });
}
LONG WINAPI olbGetLinesPerColumn(HWND h) {
    return OnList(h, [](auto& s) { return OLB_GetLinesPerColumn(s); });
}
LONG WINAPI olbSetTabStops(HWND h, LONG count, const LONG* stops) {
    return OnList(h, [=](auto& s) { return OLB_SetTabStops(s, count, stops); });
}
LONG WINAPI olbSetHorizontalExtent(HWND h, LONG extent) {
    return OnList(h, [=](auto& s) { return OLB_SetHorizontalExtent(s, extent); });
}
LONG WINAPI olbGetHorizontalExtent(HWND h) {
    return OnList(h, [](auto& s) { return OLB_GetHorizontalExtent(s); });
}

// File system.
LONG WINAPI olbDir(HWND h, DWORD attributes, LPCSTR pattern) {
    return OnList(h, [=](auto& s) { return OLB_Dir(s, attributes, pattern); });
}
LONG WINAPI olbDirEx(HWND h, DWORD attributes, LONG drive) {
    return OnList(h, [=](auto& s) { return OLB_DirEx(s, attributes, drive); });
}
LONG WINAPI olbAddFile(HWND h, LPCSTR fileName) {
    return OnList(h, [=](auto& s) { return OLB_AddFile(s, fileName); });
}

// Component-host mode.
LONG WINAPI lbSetOcx(HWND h, BOOL hosted) {
    return OnList(h, [=](auto& s) { return OLB_SetOcx(s, hosted != FALSE); });
}

}  // extern "C"
