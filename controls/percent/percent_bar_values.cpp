// The percent bar's settings (see percent_bar_values.h).

#include "controls/percent/percent_bar_values.h"

#include "controls/percent/percent_bar_paint.h"
#include "controls/percent/tarn32_percent.h"

namespace tw {

namespace {

constexpr DWORD kBorderBits = PCTS_BORDERSUNKEN | PCTS_BORDERRAISED | PCTS_BORDERSINGLE;

void ReplaceStyleBits(HWND hwnd, DWORD clear, DWORD set) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>((style & ~clear) | set));
}

LRESULT RepaintAll(const PercentBarState& s) {
    InvalidateRect(s.self, nullptr, FALSE);
    return 1;
}

// The state's slot for a pbSetColor index; kBarColorCount for an unknown index.
PercentBarColor SlotOfIndex(int index) {
    switch (index) {
        case PCT_COLOR_HIGHLIGHT: return kBarHighlightColor;
        case PCT_COLOR_SHADOW: return kBarShadowColor;
        case PCT_COLOR_BACKGROUND: return kBarBackgroundColor;
        case PCT_COLOR_TEXT: return kBarTextColor;
        case PCT_COLOR_FACE: return kBarFaceColor;
        case PCT_COLOR_BAR: return kBarFillColor;
        default: return kBarColorCount;
    }
}

DWORD BorderBitOfKind(int kind) {
    constexpr DWORD kBits[] = {0, PCTS_BORDERSINGLE, PCTS_BORDERRAISED, PCTS_BORDERSUNKEN};
    return kBits[kind];
}

BOOL& FlagOf(PercentBarState& s, BarFeature feature) {
    switch (feature) {
        case BarFeature::TickMarks: return s.tickMarks;
        case BarFeature::ScaleLabels: return s.scaleLabels;
        case BarFeature::Percentage: break;
    }
    return s.percentage;
}

DWORD StyleBitOf(BarFeature feature) {
    switch (feature) {
        case BarFeature::TickMarks: return PCTS_TICKMARKS;
        case BarFeature::ScaleLabels: return PCTS_SCALELABELS;
        case BarFeature::Percentage: break;
    }
    return PCTS_PERCENT;
}

}  // namespace

LRESULT PCT_SetLimit(PercentBarState& s, LONG limit) {
    s.limit = limit;
    s.progress = CutProgress(s.progress, limit);
    return RepaintAll(s);
}

LRESULT PCT_SetProgress(PercentBarState& s, LONG progress) {
    s.progress = CutProgress(progress, s.limit);
    const RECT bar = BarAreaRect(s);
    InvalidateRect(s.self, &bar, FALSE);
    return 1;
}

LRESULT PCT_GetProgress(const PercentBarState& s) { return s.progress; }

LRESULT PCT_GetLimit(const PercentBarState& s) { return s.limit; }

LRESULT PCT_SetColor(PercentBarState& s, int index, DWORD color) {
    const PercentBarColor slot = SlotOfIndex(index);
    if (slot == kBarColorCount) return 0;
    s.colors[slot] = color;
    return RepaintAll(s);
}

LRESULT PCT_SetPercentFont(PercentBarState& s, HFONT font) {
    s.percentFont = FontOrSystem(font);
    return RepaintAll(s);
}

LRESULT PCT_SetLabelFont(PercentBarState& s, HFONT font, bool redraw) {
    s.labelFont = FontOrSystem(font);
    if (redraw) RepaintAll(s);
    return 0;
}

LRESULT PCT_SetBorderStyle(PercentBarState& s, int kind) {
    if (kind < 0 || kind > 3) return 0;
    s.borderKind = static_cast<DWORD>(kind);
    ReplaceStyleBits(s.self, kBorderBits, BorderBitOfKind(kind));
    return RepaintAll(s);
}

LRESULT PCT_EnableFeature(PercentBarState& s, BarFeature feature, BOOL enable) {
    FlagOf(s, feature) = enable != 0;
    const DWORD bit = StyleBitOf(feature);
    ReplaceStyleBits(s.self, bit, enable ? bit : 0);
    return RepaintAll(s);
}

}  // namespace tw
