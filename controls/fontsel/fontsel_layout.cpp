// Placement of the font selector's lists (see fontsel_layout.h).

#include "controls/fontsel/fontsel_layout.h"

namespace tw {

FontSelLayout LayOutFontSel(int controlWidth, int averageCharWidth, int lineHeight) {
    constexpr int kRestMargin = 10;
    constexpr int kFieldExtra = 4;
    const int sizeWidth = 4 * averageCharWidth + 24;
    int familyWidth = controlWidth - sizeWidth - kRestMargin;
    if (controlWidth < kNarrowControl) familyWidth = kNarrowFamilyWidth;
    if (familyWidth < 0) familyWidth = 0;
    const int height = lineHeight + kFieldExtra + kDroppedLines * lineHeight;
    FontSelLayout layout;
    layout.family = {kListMargin, kListMargin, familyWidth, height};
    layout.size = {kListMargin + familyWidth + kRestMargin - 2 * kListMargin, kListMargin,
                   sizeWidth, height};
    return layout;
}

}  // namespace tw
