// Font metrics and minimum size of the edit controls (see edit_font.h).

#include "controls/common/edit_font.h"

#include "controls/borders.h"
#include "controls/common/digit_strips.h"
#include "controls/common/edit_caret.h"
#include "controls/library_data.h"

namespace tw {
namespace {

constexpr DWORD kFixedCellsBit = 0x0020;
constexpr DWORD kBitmapDigitsBit = 0x0010;
constexpr int kMinimumExtraWidth = 16;

// Fixed cells are as wide as the widest character an edit can show; the font's overall widest
// glyph (often far wider than any digit) would spread the digits apart.
int WidestShownCharacter(HDC dc) {
    static const char kShown[] = "0123456789/:.- AMPampm";
    int widest = 0;
    for (const char* c = kShown; *c; ++c) {
        SIZE size = {};
        GetTextExtentPoint32A(dc, c, 1, &size);
        if (size.cx > widest) widest = size.cx;
    }
    return widest;
}

}  // namespace

void TakeFont(EditCore& core, HFONT font) {
    core.font = font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, core.font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int cellWidth = WidestShownCharacter(dc);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    core.metrics.height = static_cast<WORD>(metrics.tmHeight);
    core.metrics.ascent = static_cast<WORD>(metrics.tmAscent);
    core.metrics.leading = static_cast<WORD>(metrics.tmInternalLeading);
    core.metrics.maxWidth = static_cast<WORD>(metrics.tmMaxCharWidth);
    core.metrics.cellWidth = static_cast<WORD>(cellWidth > 0 ? cellWidth : metrics.tmMaxCharWidth);
}

LRESULT EDIT_SetFont(EditCore& core, HFONT font, bool redraw) {
    TakeFont(core, font);
    if (core.hasFocus && core.caretShown) {
        DestroyEditCaret(core);
        CreateEditCaret(core, true);
    }
    RECT client;
    GetClientRect(core.hwnd, &client);
    KeepMinimumSize(core, client.right, client.bottom);
    if (redraw) InvalidateRect(core.hwnd, nullptr, FALSE);
    return 0;
}

bool KeepMinimumSize(EditCore& core, int clientWidth, int clientHeight) {
    int minWidth = core.metrics.maxWidth + kMinimumExtraWidth;
    if (core.digitStyle == kFixedCells) {
        const int cell = core.metrics.maxWidth + 2;
        minWidth = (minWidth + cell - 1) / cell * cell;
    }
    const int minHeight = core.metrics.height;
    if (clientWidth >= minWidth && clientHeight >= minHeight) {
        const int size = StripSizeForFontHeight(core.metrics.height);
        if (core.digitStyle == kBitmapDigits && size != core.stripSize) LoadDigitStrips(core, size);
        return true;
    }
    const int kind = static_cast<int>(core.borderKind);
    const int perSide = kind == 1 ? 1 : (kind >= 2 ? 2 : 0);
    const int frame = 2 * perSide * (kind == 1 ? GetSystemMetrics(SM_CXBORDER) : 1);
    RECT window;
    GetWindowRect(core.hwnd, &window);
    RECT client;
    GetClientRect(core.hwnd, &client);
    const int nonClientX = (window.right - window.left) - client.right;
    const int nonClientY = (window.bottom - window.top) - client.bottom;
    const int width = (clientWidth > minWidth ? clientWidth : minWidth) + nonClientX +
                      (HasSystem3DBorders() ? 0 : frame);
    const int height = (clientHeight > minHeight ? clientHeight : minHeight) + nonClientY +
                       (HasSystem3DBorders() ? 0 : frame);
    SetWindowPos(core.hwnd, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return false;
}

LRESULT EDIT_Size(EditCore& core, int clientWidth, int clientHeight) {
    KeepMinimumSize(core, clientWidth, clientHeight);
    return 0;
}

void TakeDigitStyleFromBits(EditCore& core, DWORD style) {
    if (style & kFixedCellsBit) {
        core.digitStyle = kFixedCells;
    } else if ((style & kBitmapDigitsBit) && LoadDigitStrips(core, 2)) {
        core.digitStyle = kBitmapDigits;
    } else {
        core.digitStyle = kPlainText;
    }
}

}  // namespace tw
