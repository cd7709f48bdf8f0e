#pragma once
// Per-window state of the outline list (window word 0) and the means to fetch it and to turn
// the rows and handles a client names into items.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "controls/borders.h"
#include "controls/outline/outline_layout.h"
#include "controls/outline/outline_tree.h"
#include "controls/outline/tarn32_outline.h"

namespace tw {

// The nine colours, numbered 1 to 9 as the painting refers to them.
enum OutlineColor {
    kColorSelectedText = 1,
    kColorSelection,
    kColor3DHighlight,
    kColor3DShadow,
    kColor3DFace,
    kColorText,
    kColorBackground,
    kColorLines,
    kColorLockedText,
};
constexpr int kOutlineColorCount = 9;

constexpr uint32_t kBadSlot = 0xFFFFFFFF;  // a row or handle that names nothing

// Style bits of the border kinds: WS_BORDER single, 0x8000 raised, 0x4000 sunken.
constexpr BorderStyleBits kOutlineBorderBits = {WS_BORDER, OLBS_BORDERRAISED, OLBS_BORDERSUNKEN};

struct OutlineState {
    HWND self;
    OutlineTree tree;
    bool storesStrings;  // fixed at creation: not owner draw, or owner draw with strings

    // Layout.
    int itemHeight;      // the fixed row height
    bool itemHeightSet;  // set by the client, so a new font keeps it
    int indent;          // pixels per level
    int columns;         // multiple-column style: the number of columns (at least 1)
    int rowsPerColumn;
    int columnWidth;  // 0: the client width shared by the columns
    long topIndex;    // first row shown (first line of each column in that style)
    int scrollX;      // horizontal scroll offset in pixels
    int horizontalExtent;
    std::vector<int> tabStops;  // dialog units
    SCROLLINFO bars[2];         // what the scroll bars were last given (SB_HORZ, SB_VERT)

    // Appearance.
    DWORD colors[kOutlineColorCount];
    HFONT font;
    HBITMAP boxStrip;      // 214: closed and open boxes
    HBITMAP builtInStrip;  // 217: 14 images of three cells
    HBITMAP linePattern;   // 215 (dotted, before Windows 4) or 230 (solid)
    BYTE lineMask[8];      // the pattern's dark pixels, one bit each: where lines draw
    WORD options;          // OLBO_ bits
    WORD bitmapWord;       // bit 0: pictures enabled; bit 0x8000 kept
    PictureSettings pictures;
    bool stateBitmaps;
    bool noHideSel;
    bool compatibility;  // the look of earlier Windows: dotted lines
    bool proportional;   // scroll bar thumbs sized to the page
    bool autoOpen;       // a parent opens when it gets a child
    bool hosted;         // component-host mode: notifications to the control itself
    int borderKind;
    char separator;
    LCID locale;

    // Interaction.
    bool hasFocus;
    bool redraw;      // WM_SETREDRAW
    bool tracking;    // the left button is down in the control
    POINT dragPoint;  // the mouse while tracking, for the scrolling timer
};

// The state of an outline list window; null for any other window or one without state.
OutlineState* OutlineStateOf(HWND hwnd);

// True while `hwnd` still has the state `s` (a notification may have destroyed the control).
bool StillAlive(HWND hwnd, const OutlineState* s);

// The window's style bits, read fresh (olbChangeStyle and clients may change them).
DWORD OutlineStyle(const OutlineState& s);
bool IsOwnerDraw(const OutlineState& s);
bool IsVariableHeight(const OutlineState& s);
bool IsMultiColumn(const OutlineState& s);
bool IsMultipleSelection(const OutlineState& s);
// False with the no-redraw style or while WM_SETREDRAW has switched drawing off.
bool RepaintsAfterChanges(const OutlineState& s);

COLORREF OutlineColorValue(const OutlineState& s, OutlineColor which);

// The slot of a row (-1: the root when `topAllowed`), or kBadSlot.
uint32_t RowSlot(const OutlineState& s, long row, bool topAllowed = false);
// The slot of a handle (0: the root when `topAllowed`), or kBadSlot.
uint32_t HandleSlot(const OutlineState& s, HOLBITEM handle, bool topAllowed = false);
// True for the slot of a live item (not the root, not kBadSlot).
inline bool IsItemSlot(uint32_t slot) { return slot != kBadSlot && slot != OutlineTree::kRoot; }

// The row of an item, or that of its nearest ancestor that is a row (-1 for none).
long ShownRow(const OutlineState& s, uint32_t slot);

// A slot as the index form of a function answers: where the item shows; -1 for no item.
LRESULT RowResult(const OutlineState& s, uint32_t slot);
// A slot as the Ex form answers: its handle; 0 for the root (none); -1 for kBadSlot.
LRESULT HandleResult(const OutlineState& s, uint32_t slot);

}  // namespace tw
