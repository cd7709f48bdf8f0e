// Creation, destruction, caption, font and redraw of the button (see button_lifecycle.h).

#include "controls/button/button_lifecycle.h"

#include "controls/button/button_press.h"
#include "controls/button/tarn32_button.h"
#include "controls/colors.h"
#include "controls/control_state.h"
#include "controls/fontsel/family_table.h"
#include "controls/library_data.h"

namespace tw {
namespace {

constexpr int kStripId = 222;
constexpr int kAltStripId = 223;
constexpr int kSecondStripId = 228;
constexpr DWORD kInitialColorCode = 0x8000;
constexpr LRESULT kDefaultDlgCode = 0x2013;
constexpr LRESULT kPlainDlgCode = 0x2023;

HBITMAP LoadLibraryBitmap(int id) { return LoadBitmapA(LibraryModule(), MAKEINTRESOURCEA(id)); }

void InitButtonState(ButtonState& s, HWND hwnd, const CREATESTRUCTA& create) {
    s.self = hwnd;
    const bool alternate = (create.style & TBS_ALTSTRIP) != 0;
    s.strip = LoadLibraryBitmap(alternate ? kAltStripId : kStripId);
    s.secondStrip = alternate ? nullptr : LoadLibraryBitmap(kSecondStripId);
    s.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    s.colorCode = kInitialColorCode;
    s.colors[kButtonFace] = SystemColorValue(COLOR_BTNFACE);
    s.colors[kButtonText] = SystemColorValue(COLOR_BTNTEXT);
    s.colors[kButtonHighlight] = SystemColorValue(COLOR_BTNHIGHLIGHT);
    s.colors[kButtonShadow] = SystemColorValue(COLOR_BTNSHADOW);
    s.state = (create.style & WS_DISABLED) ? 0 : kStateEnabled;
    CopyCut(s.caption, sizeof s.caption, create.lpszName);
}

}  // namespace

bool BTN_NcCreate(HWND hwnd, const CREATESTRUCTA* create) {
    auto* s = static_cast<ButtonState*>(AllocateBlock(sizeof(ButtonState)));
    if (!s) return false;
    InitButtonState(*s, hwnd, *create);
    StoreStatePointer(hwnd, s, kButtonStateWord);
    return true;
}

void BTN_NcDestroy(ButtonState& s) {
    StoreStatePointer(s.self, nullptr, kButtonStateWord);
    StopRepeating(s);
    if (s.strip) DeleteObject(s.strip);
    if (s.secondStrip) DeleteObject(s.secondStrip);
    FreeBlock(&s);
}

void BTN_SetText(ButtonState& s, const char* text) {
    CopyCut(s.caption, sizeof s.caption, text);
    RepaintButton(s);
}

LRESULT BTN_SetFont(ButtonState& s, HFONT font, bool redraw) {
    s.font = font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    if (redraw) RepaintButton(s);
    return 0;
}

LRESULT BTN_GetFont(const ButtonState& s) {
    if (s.font == GetStockObject(SYSTEM_FONT)) return 0;
    return reinterpret_cast<LRESULT>(s.font);
}

LRESULT BTN_SetRedraw(ButtonState& s, bool redraw) {
    ChangeButtonStyle(s, TBS_NOREDRAW, !redraw);
    RepaintButton(s);
    return 0;
}

LRESULT BTN_GetDlgCode(const ButtonState& s) {
    return HasButtonStyle(s, TBS_DEFAULT) ? kDefaultDlgCode : kPlainDlgCode;
}

}  // namespace tw
