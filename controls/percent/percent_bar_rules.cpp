// The percent bar's arithmetic (see percent_bar_rules.h).

#include "controls/percent/percent_bar_rules.h"

#include <algorithm>
#include <limits>

namespace tw {

int32_t CutProgress(int32_t progress, int32_t limit) { return std::min(progress, limit); }

int FilledWidth(int barWidth, int32_t progress, int32_t limit) {
    if (limit == 0 || barWidth <= 0) return 0;
    const int64_t filled = int64_t(barWidth) * progress / limit;
    return int(std::clamp<int64_t>(filled, 0, barWidth));
}

int32_t PercentOf(int32_t progress, int32_t limit) {
    if (limit == 0) return 0;
    const int64_t percent = int64_t(progress) * 100 / limit;
    return int32_t(std::clamp<int64_t>(percent, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

BarBox BarArea(int width, int height, bool scaleLabels, int labelLineHeight) {
    BarBox bar{0, 0, width, height};
    if (scaleLabels) bar.bottom -= std::max(labelLineHeight, 0) + kLabelSpacing;
    bar.right = std::max(bar.right, kMinBarExtent);
    bar.bottom = std::max(bar.bottom, kMinBarExtent);
    return bar;
}

int ScaleX(const BarBox& bar, int percent) {
    return bar.left + int(int64_t(percent) * bar.Width() / 100);
}

int LabelLeft(int centreX, int textWidth, int clientWidth) {
    const int left = centreX - textWidth / 2;
    return std::max(0, std::min(left, clientWidth - textWidth));
}

std::array<ScaleLabel, kScaleLabelCount> PlaceScaleLabels(
    const BarBox& bar, const std::array<int, kScaleLabelCount>& widths, int clientWidth) {
    std::array<ScaleLabel, kScaleLabelCount> labels{};
    for (int i = 0; i < kScaleLabelCount; ++i)
        labels[i].left = LabelLeft(ScaleX(bar, i * kScaleStep), widths[i], clientWidth);
    constexpr int kLast = kScaleLabelCount - 1;
    labels[0].shown = labels[kLast].shown = true;
    int shownRight = labels[0].left + widths[0];
    for (int i = 1; i < kLast; ++i) {
        const int right = labels[i].left + widths[i];
        labels[i].shown =
            labels[i].left >= shownRight + kLabelGap && right + kLabelGap <= labels[kLast].left;
        if (labels[i].shown) shownRight = right;
    }
    return labels;
}

}  // namespace tw
