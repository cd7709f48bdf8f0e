// Border kinds: styles at creation, switching with a kept client size, own drawing.

#include "controls/borders.h"

#include "controls/library_data.h"

namespace tw {
namespace {

constexpr DWORD kExtendedBorderStyles = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;

DWORD AllKindBits(const BorderStyleBits& bits) { return bits.single | bits.raised | bits.sunken; }

int KindFromBits(DWORD style, const BorderStyleBits& bits) {
    if (style & bits.sunken) return 3;
    if (style & bits.raised) return 2;
    if (style & bits.single) return 1;
    return 0;
}

// The creator's system border styles turned into the control's own bits.
DWORD OwnBitsFromSystemStyles(DWORD style, DWORD exStyle, const BorderStyleBits& bits) {
    if (exStyle & WS_EX_CLIENTEDGE) return (style & ~WS_BORDER) | bits.sunken;
    if (exStyle & WS_EX_DLGMODALFRAME) return (style & ~WS_BORDER) | bits.raised;
    if (style & WS_BORDER) return style | bits.single;
    return style;
}

void StylesForKind(int kind, const BorderStyleBits& bits, DWORD& style, DWORD& exStyle) {
    style &= ~(AllKindBits(bits) | WS_BORDER);
    exStyle &= ~kExtendedBorderStyles;
    const bool system = HasSystem3DBorders();
    switch (kind) {
        case 1: style |= bits.single | (system ? WS_BORDER : 0); break;
        case 2:
            style |= bits.raised;
            exStyle |= system ? WS_EX_DLGMODALFRAME : 0;
            break;
        case 3:
            style |= bits.sunken;
            exStyle |= system ? WS_EX_CLIENTEDGE : 0;
            break;
        default: break;
    }
}

void WriteStyles(HWND hwnd, DWORD style, DWORD exStyle) {
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(style));
    SetWindowLongA(hwnd, GWL_EXSTYLE, static_cast<LONG>(exStyle));
}

}  // namespace

int BorderKindAtCreation(HWND hwnd, const BorderStyleBits& bits, bool fromExtendedStyles) {
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE));
    if (HasSystem3DBorders() && fromExtendedStyles)
        style = OwnBitsFromSystemStyles(style, exStyle, bits);
    int kind = KindFromBits(style, bits);
    if (HasSystem3DBorders()) StylesForKind(kind, bits, style, exStyle);
    WriteStyles(hwnd, style, exStyle);
    return kind;
}

void ApplyBorderKind(HWND hwnd, int kind, const BorderStyleBits& bits) {
    if (kind < 0 || kind > 3) kind = 0;
    RECT client;
    GetClientRect(hwnd, &client);
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE));
    StylesForKind(kind, bits, style, exStyle);
    WriteStyles(hwnd, style, exStyle);

    RECT frame = client;
    InflateRect(&frame, OwnBorderInset(kind), OwnBorderInset(kind));
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    SetWindowPos(hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(hwnd, nullptr, TRUE);
}

int OwnBorderInset(int kind) {
    if (HasSystem3DBorders() || kind <= 0 || kind > 3) return 0;
    return kind == 1 ? 1 : 2;
}

int BorderAllowance(int kind) {
    if (kind == 1) return 2;
    return kind == 2 || kind == 3 ? 4 : 0;
}

void DrawOwnBorder(HDC dc, const RECT& rect, int kind, const BorderColors& colors) {
    if (OwnBorderInset(kind) != 0) DrawBorderFrame(dc, rect, kind, colors);
}

void DrawBorderFrame(HDC dc, const RECT& rect, int kind, const BorderColors& colors) {
    if (kind < 1 || kind > 3) return;
    if (kind == 1) {
        HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
        FrameRect(dc, &rect, frame);
        DeleteObject(frame);
        return;
    }
    const COLORREF topLeft = kind == 2 ? colors.highlight : colors.shadow;
    const COLORREF bottomRight = kind == 2 ? colors.shadow : colors.highlight;
    RECT inner = rect;
    HBRUSH face = CreateSolidBrush(colors.face);
    InflateRect(&inner, -1, -1);
    FrameRect(dc, &inner, face);
    DeleteObject(face);
    HPEN light = CreatePen(PS_SOLID, 1, topLeft);
    HPEN dark = CreatePen(PS_SOLID, 1, bottomRight);
    HGDIOBJ old = SelectObject(dc, light);
    MoveToEx(dc, rect.left, rect.bottom - 1, nullptr);
    LineTo(dc, rect.left, rect.top);
    LineTo(dc, rect.right - 1, rect.top);
    SelectObject(dc, dark);
    LineTo(dc, rect.right - 1, rect.bottom - 1);
    LineTo(dc, rect.left, rect.bottom - 1);
    SelectObject(dc, old);
    DeleteObject(light);
    DeleteObject(dark);
}

}  // namespace tw
