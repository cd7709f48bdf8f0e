// Creation, destruction, sizing and font of the font selector (see fontsel_lifecycle.h).

#include "controls/fontsel/fontsel_lifecycle.h"

#include "controls/colors.h"
#include "controls/control_state.h"
#include "controls/fontsel/fontsel_families.h"
#include "controls/fontsel/fontsel_layout.h"
#include "controls/fontsel/fontsel_sizes.h"
#include "controls/fontsel/tarn32_fontsel.h"
#include "controls/library_data.h"

namespace tw {
namespace {

constexpr int kTrueTypeBitmapId = 355;
constexpr int kOtherFontBitmapId = 356;
constexpr int kFieldExtra = 4;
constexpr WPARAM kSelectionField = WPARAM(-1);

void PlaceList(HWND list, const ListPlacement& p) {
    MoveWindow(list, p.x, p.y, p.width, p.height, TRUE);
}

void ApplyFontToList(HWND list, HFONT font, int lineHeight, bool redraw) {
    SendMessageA(list, WM_SETFONT, WPARAM(font), redraw);
    SendMessageA(list, CB_SETITEMHEIGHT, 0, lineHeight);
    SendMessageA(list, CB_SETITEMHEIGHT, kSelectionField, lineHeight + kFieldExtra);
}

}  // namespace

bool FS_NcCreate(HWND hwnd) {
    auto* s = static_cast<FontSelState*>(AllocateBlock(sizeof(FontSelState)));
    if (!s) return false;
    s->self = hwnd;
    s->font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    s->lineHeight = ScreenFontMetrics(s->font).tmHeight;
    s->colors[kFontSelBackground] = SystemColorValue(COLOR_WINDOW);
    s->colors[kFontSelText] = SystemColorValue(COLOR_WINDOWTEXT);
    s->colors[kFontSelFace] = SystemColorValue(COLOR_BTNFACE);
    s->backgroundBrush = CreateResolvedBrush(s->colors[kFontSelBackground]);
    s->bitmaps[0] = LoadBitmapA(LibraryModule(), MAKEINTRESOURCEA(kTrueTypeBitmapId));
    s->bitmaps[1] = LoadBitmapA(LibraryModule(), MAKEINTRESOURCEA(kOtherFontBitmapId));
    StoreStatePointer(hwnd, s, kFontSelStateWord);
    return true;
}

LRESULT FS_Create(FontSelState& s) {
    s.panel = CreateDialogParamA(LibraryModule(), MAKEINTRESOURCEA(FS_PANEL_DIALOG), s.self,
                                 fnFontSelProc, 0);
    if (!s.panel) return -1;
    ShowWindow(s.panel, SW_SHOW);
    FS_SetFont(s, s.font, false);
    FS_FillFamilies(s);
    FS_FillSizes(s);
    return 0;
}

void FS_NcDestroy(FontSelState& s) {
    StoreStatePointer(s.self, nullptr, kFontSelStateWord);
    ClearFamilies(s.families);
    for (HBITMAP bitmap : s.bitmaps)
        if (bitmap) DeleteObject(bitmap);
    if (s.backgroundBrush) DeleteObject(s.backgroundBrush);
    FreeBlock(&s);
}

LRESULT FS_Size(FontSelState& s) {
    RECT client;
    GetClientRect(s.self, &client);
    MoveWindow(s.panel, 0, 0, client.right, client.bottom, TRUE);
    const TEXTMETRICA tm = ScreenFontMetrics(s.font);
    const FontSelLayout layout = LayOutFontSel(client.right, tm.tmAveCharWidth, tm.tmHeight);
    PlaceList(FamilyList(s), layout.family);
    PlaceList(SizeList(s), layout.size);
    return 0;
}

LRESULT FS_SetFont(FontSelState& s, HFONT font, bool redraw) {
    s.font = font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    s.lineHeight = ScreenFontMetrics(s.font).tmHeight;
    ApplyFontToList(FamilyList(s), s.font, s.lineHeight, redraw);
    ApplyFontToList(SizeList(s), s.font, s.lineHeight, redraw);
    FS_Size(s);
    return 0;
}

LRESULT FS_GetFont(const FontSelState& s) {
    if (s.font == GetStockObject(SYSTEM_FONT)) return 0;
    return reinterpret_cast<LRESULT>(s.font);
}

LRESULT FS_SetItemHeight(FontSelState& s, int height) {
    const bool family = SendMessageA(FamilyList(s), CB_SETITEMHEIGHT, 0, height) != CB_ERR;
    const bool size = SendMessageA(SizeList(s), CB_SETITEMHEIGHT, 0, height) != CB_ERR;
    return family && size ? 1 : 0;
}

LRESULT FS_SetFocus(FontSelState& s) {
    SetFocus(FamilyList(s));
    return 0;
}

}  // namespace tw
