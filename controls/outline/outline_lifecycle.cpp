// Lifetime, font, size and focus of the outline list (see outline_lifecycle.h).

#include "controls/outline/outline_lifecycle.h"

#include <algorithm>
#include <new>

#include "controls/borders.h"
#include "controls/colors.h"
#include "controls/control_state.h"
#include "controls/library_data.h"
#include "controls/outline/outline_edits.h"
#include "controls/outline/outline_mouse.h"
#include "controls/outline/outline_notify.h"
#include "controls/outline/outline_view.h"

namespace tw {

namespace {

constexpr int kOutlineStateWord = 0;
constexpr int kInitialIndent = 20;
constexpr int kBoxStripId = 214;
constexpr int kDottedPatternId = 215;
constexpr int kBuiltInStripId = 217;
constexpr int kSolidPatternId = 230;

// Defaults of colours 1 to 9.
constexpr int kDefaultColors[kOutlineColorCount] = {
    COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_BTNFACE,
    COLOR_WINDOWTEXT,    COLOR_WINDOW,    COLOR_WINDOWFRAME,  COLOR_GRAYTEXT};

HBITMAP LoadLibraryBitmap(int id) {
    return static_cast<HBITMAP>(
        LoadImageA(LibraryModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
}

int BitmapHeight(HBITMAP bitmap) {
    BITMAP info = {};
    return bitmap && GetObjectA(bitmap, sizeof info, &info) ? info.bmHeight : 0;
}

// The row height a font needs: its character height, and never less than the pictures.
int RowHeightFor(const OutlineState& s) {
    int height = BitmapHeight(s.builtInStrip) + 2;
    HDC dc = GetDC(s.self);
    HGDIOBJ old = SelectObject(dc, s.font);
    TEXTMETRICA metrics = {};
    if (GetTextMetricsA(dc, &metrics)) height = std::max<int>(height, metrics.tmHeight + 2);
    SelectObject(dc, old);
    ReleaseDC(s.self, dc);
    return height;
}

void InitOutlineState(OutlineState& s, HWND hwnd, DWORD style) {
    s.self = hwnd;
    const bool ownerDraw = (style & (OLBS_OWNERDRAWFIXED | OLBS_OWNERDRAWVARIABLE)) != 0;
    s.storesStrings = !ownerDraw || (style & OLBS_HASSTRINGS);
    s.indent = kInitialIndent;
    s.columns = 1;
    s.itemHeight = kBuiltInCellHeight + 2;  // until the pictures are loaded at WM_CREATE
    s.rowsPerColumn = 1;
    s.separator = '\\';
    for (int i = 0; i < kOutlineColorCount; ++i) s.colors[i] = SystemColorValue(kDefaultColors[i]);
    s.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    s.redraw = true;
    s.locale = GetUserDefaultLCID();
}

// Asks the parent for the row height of an owner-draw list with fixed rows.
void MeasureFixedRows(OutlineState& s) {
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = UINT(OutlineId(s));
    measure.itemHeight = UINT(s.itemHeight);
    SendMessageA(GetParent(s.self), WM_MEASUREITEM, measure.CtlID,
                 reinterpret_cast<LPARAM>(&measure));
    if (measure.itemHeight > 0 && measure.itemHeight < 0x8000) {
        s.itemHeight = int(measure.itemHeight);
        s.itemHeightSet = true;
    }
}

// The 8 x 8 line pattern as bits: a dark pixel is drawn in the lines' colour.
void ReadLineMask(OutlineState& s) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, s.linePattern);
    for (int y = 0; y < 8; ++y) {
        s.lineMask[y] = 0;
        for (int x = 0; x < 8; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            const int light = GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel);
            if (s.linePattern && light < 3 * 128) s.lineMask[y] |= BYTE(1 << x);
        }
    }
    SelectObject(dc, old);
    DeleteDC(dc);
}

LRESULT ChangeFocus(OutlineState& s, bool gained) {
    s.hasFocus = gained;
    InvalidateRect(s.self, nullptr, FALSE);
    NotifyCommand(s, gained ? OLBN_CMD_SETFOCUS : OLBN_CMD_KILLFOCUS);
    return 0;
}

}  // namespace

bool OLB_NcCreate(HWND hwnd, const CREATESTRUCTA* create) {
    void* block = AllocateBlock(sizeof(OutlineState));
    if (!block) return false;
    OutlineState* s = nullptr;
    try {
        s = new (block) OutlineState();
    } catch (const std::bad_alloc&) {
        FreeBlock(block);
        return false;
    }
    TakeWindowsVersion();
    InitOutlineState(*s, hwnd, create ? create->style : 0);
    StoreStatePointer(hwnd, s, kOutlineStateWord);
    return true;
}

LRESULT OLB_Create(OutlineState& s) {
    s.borderKind = BorderKindAtCreation(s.self, kOutlineBorderBits, true);
    LoadOutlinePictures(s);
    s.itemHeight = BitmapHeight(s.builtInStrip) + 2;
    if (!s.boxStrip || !s.builtInStrip || !s.linePattern) return -1;
    const HWND self = s.self;
    if (IsOwnerDraw(s) && !IsVariableHeight(s)) MeasureFixedRows(s);
    if (!StillAlive(self, &s)) return -1;
    RelayoutRows(s);
    return 0;
}

LRESULT OLB_Destroy(OutlineState& s) {
    StopTracking(s);
    OLB_ResetContent(s);
    return 0;
}

void OLB_NcDestroy(OutlineState& s) {
    StoreStatePointer(s.self, nullptr, kOutlineStateWord);
    KillTimer(s.self, OLB_SCROLL_TIMER);
    for (HBITMAP bitmap : {s.boxStrip, s.builtInStrip, s.linePattern})
        if (bitmap) DeleteObject(bitmap);
    s.~OutlineState();
    FreeBlock(&s);
}

void LoadOutlinePictures(OutlineState& s) {
    if (!s.boxStrip) s.boxStrip = LoadLibraryBitmap(kBoxStripId);
    if (!s.builtInStrip) s.builtInStrip = LoadLibraryBitmap(kBuiltInStripId);
    const bool dotted = s.compatibility || !HasSystem3DBorders();
    if (s.linePattern) DeleteObject(s.linePattern);
    s.linePattern = LoadLibraryBitmap(dotted ? kDottedPatternId : kSolidPatternId);
    ReadLineMask(s);
}

LRESULT OLB_SetFont(OutlineState& s, HFONT font, bool redraw) {
    s.font = font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    if (!s.itemHeightSet) s.itemHeight = RowHeightFor(s);
    RelayoutRows(s);
    if (redraw) InvalidateRect(s.self, nullptr, FALSE);
    return 0;
}

LRESULT OLB_Size(OutlineState& s) {
    RelayoutRows(s);
    InvalidateRect(s.self, nullptr, FALSE);
    return 0;
}

LRESULT OLB_SetFocus(OutlineState& s) { return ChangeFocus(s, true); }

LRESULT OLB_KillFocus(OutlineState& s) {
    StopTracking(s);
    return ChangeFocus(s, false);
}

LRESULT OLB_SetRedraw(OutlineState& s, bool redraw) {
    s.redraw = redraw;
    if (redraw) {
        RelayoutRows(s);
        InvalidateRect(s.self, nullptr, FALSE);
    }
    return 0;
}

LRESULT OLB_SysColorChange(OutlineState& s) {
    InvalidateRect(s.self, nullptr, FALSE);
    return 0;
}

}  // namespace tw
