#include "dialogs/print_font.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace tw {

FontStyle FontStyleOf(int weight, bool italic) {
    const bool bold = weight == kFontWeightBold;
    if (bold) return italic ? FontStyle::kBoldItalic : FontStyle::kBold;
    return italic ? FontStyle::kItalic : FontStyle::kRegular;
}

std::string FontDescription(const std::string& styleWord, const std::string& pointFormat,
                            int heightTenths) {
    char size[32];
    const size_t percent = pointFormat.find("%d");
    std::snprintf(size, sizeof size, "%d", heightTenths / 10);
    if (percent == std::string::npos) return styleWord + pointFormat;
    return styleWord + pointFormat.substr(0, percent) + size + pointFormat.substr(percent + 2);
}

int StoredFontWeight(int chosenWeight) {
    return chosenWeight == kFontWeightBold ? kFontWeightBold : kFontWeightRegular;
}

int MulDivRounded(int a, int b, int c) {
    if (c == 0) return -1;
    const int64_t product = int64_t(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const int64_t magnitude = (product < 0 ? -product : product);
    const int64_t divisor = c < 0 ? -int64_t(c) : int64_t(c);
    const int64_t rounded = (magnitude + divisor / 2) / divisor;
    const int64_t result = negative ? -rounded : rounded;
    if (result > INT32_MAX || result < INT32_MIN) return -1;
    return int(result);
}

int PrintFontHeight(int heightTenths, int pixelsPerInchY) {
    return -MulDivRounded(heightTenths / 10, pixelsPerInchY, 72);
}

int ChooserFontHeight(int heightTenths, int pixelsPerInchY) {
    // In 64 bits: a stored size from a damaged file must not overflow the product.
    const int64_t height = -(int64_t(heightTenths) * pixelsPerInchY / 72) / 10;
    return int(std::clamp<int64_t>(height, INT32_MIN, INT32_MAX));
}

}  // namespace tw
