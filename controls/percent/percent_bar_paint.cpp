// Painting of the percent bar (see percent_bar_paint.h).

#include "controls/percent/percent_bar_paint.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "controls/borders.h"
#include "controls/colors.h"
#include "controls/common/buffered_paint.h"

namespace tw {

namespace {

constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

int LineHeight(HDC dc, HFONT font) {
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    return metrics.tmHeight;
}

RECT BarRectIn(const PercentBarState& s, HDC dc, const RECT& client) {
    const int line = s.scaleLabels ? LineHeight(dc, s.labelFont) : 0;
    const BarBox bar = BarArea(client.right, client.bottom, s.scaleLabels != 0, line);
    return {bar.left, bar.top, bar.right, bar.bottom};
}

COLORREF Color(const PercentBarState& s, PercentBarColor which) {
    return ResolveColor(s.colors[which]);
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);  // a fill without a brush
}

// The brush the parent gives for static controls (WM_CTLCOLORSTATIC); null when it gives none.
HBRUSH ParentBrush(HWND hwnd, HDC dc) {
    HWND parent = GetParent(hwnd);
    if (!parent) return nullptr;
    return reinterpret_cast<HBRUSH>(SendMessageA(
        parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
}

void DrawPercentText(const PercentBarState& s, HDC dc, RECT bar, COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%i%%", static_cast<int>(PercentOf(s.progress, s.limit)));
    HGDIOBJ previous = SelectObject(dc, s.percentFont);
    SetTextColor(dc, colour);
    DrawTextA(dc, text, -1, &bar, kCentred);
    SelectObject(dc, previous);
}

// The filled part; with the percentage, the text reads in the bar colour over the background
// and in the background colour over the filled part.
void DrawFill(PercentBarState& s, HDC dc, const RECT& bar) {
    const int filled = FilledWidth(bar.right - bar.left, s.progress, s.limit);
    s.lastFilledWidth = filled;
    const RECT fill = {bar.left, bar.top, bar.left + filled, bar.bottom};
    if (s.percentage) DrawPercentText(s, dc, bar, Color(s, kBarFillColor));
    FillSolid(dc, fill, Color(s, kBarFillColor));
    if (!s.percentage || filled == 0) return;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, fill.left, fill.top, fill.right, fill.bottom);
    DrawPercentText(s, dc, bar, Color(s, kBarBackgroundColor));
    RestoreDC(dc, saved);
}

void DrawScaleLabels(const PercentBarState& s, HDC dc, const RECT& bar, const RECT& client) {
    HGDIOBJ previous = SelectObject(dc, s.labelFont);
    SetTextColor(dc, Color(s, kBarTextColor));
    char texts[kScaleLabelCount][4];
    std::array<int, kScaleLabelCount> widths{};
    for (int i = 0; i < kScaleLabelCount; ++i) {
        std::snprintf(texts[i], sizeof texts[i], "%d", i * kScaleStep);
        SIZE extent = {};
        GetTextExtentPoint32A(dc, texts[i], int(std::strlen(texts[i])), &extent);
        widths[i] = extent.cx;
    }
    const BarBox box = {bar.left, bar.top, bar.right, bar.bottom};
    const auto labels = PlaceScaleLabels(box, widths, client.right);
    for (int i = 0; i < kScaleLabelCount; ++i) {
        if (labels[i].shown)
            TextOutA(dc, labels[i].left, bar.bottom + kLabelSpacing, texts[i],
                     int(std::strlen(texts[i])));
    }
    SelectObject(dc, previous);
}

void VerticalLine(HDC dc, int x, int top, int bottom) {
    MoveToEx(dc, x, top, nullptr);
    LineTo(dc, x, bottom);
}

// Full-height ticks every 10 percent, short ones at the bottom edge between them.
void DrawTickMarks(HDC dc, const RECT& bar) {
    const BarBox box = {bar.left, bar.top, bar.right, bar.bottom};
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, GetSysColor(COLOR_WINDOWFRAME));
    for (int percent = kScaleStep; percent < 100; percent += kScaleStep)
        VerticalLine(dc, ScaleX(box, percent), bar.top, bar.bottom);
    for (int percent = kScaleStep / 2; percent < 100; percent += kScaleStep)
        VerticalLine(dc, ScaleX(box, percent), bar.bottom - kShortTickHeight, bar.bottom);
    SelectObject(dc, previous);
}

void DrawBar(PercentBarState& s, HDC dc, const RECT& client, HBRUSH parentBrush) {
    if (parentBrush)
        FillRect(dc, &client, parentBrush);
    else
        FillSolid(dc, client, Color(s, kBarFaceColor));
    const RECT bar = BarRectIn(s, dc, client);
    FillSolid(dc, bar, Color(s, kBarBackgroundColor));
    SetBkMode(dc, TRANSPARENT);
    DrawFill(s, dc, bar);
    const BorderColors border = {Color(s, kBarHighlightColor), Color(s, kBarShadowColor),
                                 Color(s, kBarFaceColor)};
    DrawBorderFrame(dc, bar, static_cast<int>(s.borderKind), border);
    if (s.scaleLabels) DrawScaleLabels(s, dc, bar, client);
    if (s.tickMarks) DrawTickMarks(dc, bar);
}

// Asks the parent for its brush first: it may destroy the bar meanwhile, so the state is
// fetched again afterwards.
void DrawPercentBar(HWND hwnd, HDC dc, const RECT& client) {
    HBRUSH brush = ParentBrush(hwnd, dc);
    if (PercentBarState* s = FetchPercentBarState(hwnd)) DrawBar(*s, dc, client, brush);
}

}  // namespace

RECT BarAreaRect(const PercentBarState& s) {
    RECT client;
    GetClientRect(s.self, &client);
    HDC dc = GetDC(s.self);
    const RECT bar = BarRectIn(s, dc, client);
    ReleaseDC(s.self, dc);
    return bar;
}

LRESULT PCT_Paint(const PercentBarState& s) {
    const HWND hwnd = s.self;
    return PaintBuffered(hwnd, [hwnd](HDC dc, const RECT& c) { DrawPercentBar(hwnd, dc, c); });
}

LRESULT PCT_PrintClient(const PercentBarState& s, HDC dc) {
    const HWND hwnd = s.self;
    DrawBuffered(hwnd, dc, [hwnd](HDC memory, const RECT& c) { DrawPercentBar(hwnd, memory, c); });
    return 0;
}

}  // namespace tw
