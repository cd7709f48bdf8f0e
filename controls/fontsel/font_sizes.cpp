// Point sizes of the font selector (see font_sizes.h).

#include "controls/fontsel/font_sizes.h"

#include <cstdint>

namespace tw {
namespace {

constexpr int kPointsPerInch = 72;
constexpr int kFallbackDpi = 96;

int UsableDpi(int dpi) { return dpi > 0 ? dpi : kFallbackDpi; }

}  // namespace

const int kFontSizeTable[kFontSizeCount] = {8,  9,  10, 11, 12, 14, 16, 18,
                                            20, 22, 24, 26, 28, 36, 48, 72};

int NearestSizeIndex(int points) {
    if (points <= kFontSizeTable[0]) return 0;
    for (int i = 1; i < kFontSizeCount; ++i) {
        if (points > kFontSizeTable[i]) continue;
        const int below = points - kFontSizeTable[i - 1];
        const int above = kFontSizeTable[i] - points;
        return above <= below ? i : i - 1;
    }
    return kFontSizeCount - 1;
}

int PointsFromCharHeight(int charHeight, int dpi) {
    const int64_t size = charHeight < 0 ? -int64_t(charHeight) : int64_t(charHeight);
    const int64_t perInch = UsableDpi(dpi);
    return int((size * kPointsPerInch * 2 + perInch) / (perInch * 2));
}

int FontHeightFromPoints(int points, int dpi) {
    return int(-(int64_t(points) * UsableDpi(dpi)) / kPointsPerInch);
}

}  // namespace tw
