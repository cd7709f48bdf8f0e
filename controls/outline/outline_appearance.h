#pragma once
// How the outline list looks: pictures per item, per level and of the control, lines, boxes,
// indent, colours, border, owner drawing, style and option flags, and the switches.

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

// The picture of an item, or of the control for the root. 0, or -1 for a bad item or index.
LRESULT OLB_SetBitmaps(OutlineState& s, uint32_t slot, HBITMAP bitmap);
LRESULT OLB_SetBitmapIndex(OutlineState& s, uint32_t slot, long image);
// Levels 0..19; another level changes nothing and gives -1.
LRESULT OLB_SetLevelBitmap(OutlineState& s, long level, HBITMAP bitmap);
LRESULT OLB_SetLevelIndex(OutlineState& s, long level, DWORD image);

// Switches: each gives its previous state (1 or 0).
LRESULT OLB_EnableBitmaps(OutlineState& s, bool enable);
LRESULT OLB_EnableMicroBitmaps(OutlineState& s, bool enable);
LRESULT OLB_UseStateBitmaps(OutlineState& s, bool use);
LRESULT OLB_ShowLines(OutlineState& s, bool show);
LRESULT OLB_SetFullSelectRect(OutlineState& s, bool on);
LRESULT OLB_SetCompatibilityMode(OutlineState& s, bool on);
LRESULT OLB_SetProportionalScrollBars(OutlineState& s, bool on);
LRESULT OLB_SetOcx(OutlineState& s, bool hosted);

// The previous indent; -1 for one below 0 or above 500 pixels.
LRESULT OLB_SetIndent(OutlineState& s, long indent);
LRESULT OLB_GetIndent(const OutlineState& s);
// By the library's colour indexes; 1 when a colour was set, 0 for an index that names none.
LRESULT OLB_SetColor(OutlineState& s, long index, DWORD color, bool repaint);
// The previous kind; -1 for a kind outside 0..3.
LRESULT OLB_SetBorderStyle(OutlineState& s, long kind);
LRESULT OLB_GetBorderStyle(const OutlineState& s);
// 0, OLBS_OWNERDRAWFIXED or OLBS_OWNERDRAWVARIABLE; the previous one, or -1.
LRESULT OLB_SetOwnerDraw(OutlineState& s, DWORD ownerDraw);
// Changes the list's style bits (the border kind excepted); the previous bits.
LRESULT OLB_ChangeStyle(OutlineState& s, DWORD remove, DWORD add);
// flags = flags AND keep, then OR set; no repaint. The previous flags.
LRESULT OLB_SetFlags(OutlineState& s, DWORD keep, DWORD set);

}  // namespace tw
