// State of the percent bar (see percent_bar_state.h).

#include "controls/percent/percent_bar_state.h"

#include <cstddef>

#include "controls/colors.h"
#include "controls/control_state.h"
#include "controls/percent/tarn32_percent.h"

namespace tw {

static_assert(offsetof(PercentBarState, colors) == 20 &&
                  offsetof(PercentBarState, borderKind) == 44 &&
                  offsetof(PercentBarState, percentage) == 56,
              "the documented fields keep their offsets");

namespace {

constexpr int kStateWord = 0;

int BorderKindOfStyle(DWORD style) {
    if (style & PCTS_BORDERSUNKEN) return 3;
    if (style & PCTS_BORDERRAISED) return 2;
    if (style & PCTS_BORDERSINGLE) return 1;
    return 0;
}

void InitPercentBar(PercentBarState& s, HWND hwnd, DWORD style) {
    s.self = hwnd;
    s.limit = 100;
    s.labelFont = FontOrSystem(nullptr);
    s.percentFont = FontOrSystem(nullptr);
    s.colors[kBarBackgroundColor] = SystemColorValue(COLOR_WINDOW);
    s.colors[kBarTextColor] = SystemColorValue(COLOR_WINDOWTEXT);
    s.colors[kBarHighlightColor] = SystemColorValue(COLOR_BTNHIGHLIGHT);
    s.colors[kBarShadowColor] = SystemColorValue(COLOR_BTNSHADOW);
    s.colors[kBarFaceColor] = SystemColorValue(COLOR_BTNFACE);
    s.colors[kBarFillColor] = SystemColorValue(COLOR_HIGHLIGHT);
    s.borderKind = BorderKindOfStyle(style);
    s.tickMarks = (style & PCTS_TICKMARKS) != 0;
    s.scaleLabels = (style & PCTS_SCALELABELS) != 0;
    s.percentage = (style & PCTS_PERCENT) != 0;
}

}  // namespace

PercentBarState* FetchPercentBarState(HWND hwnd) {
    return static_cast<PercentBarState*>(
        FetchStatePointer(hwnd, ControlClass::PercentBar, kStateWord));
}

bool PCT_NcCreate(HWND hwnd, const CREATESTRUCTA* create) {
    auto* s = static_cast<PercentBarState*>(AllocateBlock(sizeof(PercentBarState)));
    if (!s) return false;
    InitPercentBar(*s, hwnd, create ? create->style : 0);
    StoreStatePointer(hwnd, s, kStateWord);
    return true;
}

void PCT_NcDestroy(PercentBarState& s) {
    StoreStatePointer(s.self, nullptr, kStateWord);
    FreeBlock(&s);
}

HFONT FontOrSystem(HFONT font) {
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

}  // namespace tw
