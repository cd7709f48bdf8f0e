#pragma once
// The percent bar's arithmetic: the cut progress, the filled width, the percentage, the bar
// area and where the scale marks and their labels stand. Portable: plain integers in client
// coordinates; products are taken in 64 bits so that no value of a 32-bit progress overflows.

#include <array>
#include <cstdint>

namespace tw {

struct BarBox {
    int left, top, right, bottom;  // right and bottom exclusive
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

constexpr int kMinBarExtent = 10;  // the bar keeps at least this width and height
constexpr int kLabelSpacing = 2;   // pixels between the bar and its scale labels
constexpr int kScaleStep = 10;     // labels and full-height ticks every 10 percent
constexpr int kShortTickHeight = 5;
constexpr int kScaleLabelCount = 11;  // 0, 10, ..., 100
constexpr int kLabelGap = 2;          // the least room between two labels shown

// The progress that `limit` allows: one above it is cut to it, any other stays as given.
int32_t CutProgress(int32_t progress, int32_t limit);

// Pixels of a bar `barWidth` wide that `progress` of `limit` fills: barWidth × progress / limit
// truncated, kept within 0..barWidth; 0 when the limit is 0.
int FilledWidth(int barWidth, int32_t progress, int32_t limit);

// progress × 100 / limit truncated (kept within the 32-bit range); 0 when the limit is 0.
int32_t PercentOf(int32_t progress, int32_t limit);

// The bar area of a client `width` × `height`: the client, less one label line and the spacing
// at the bottom when scale labels are shown; never narrower or lower than kMinBarExtent.
BarBox BarArea(int width, int height, bool scaleLabels, int labelLineHeight);

// The x of the scale mark at `percent` of the bar: left + percent × width / 100.
int ScaleX(const BarBox& bar, int percent);

// The left edge of a text `textWidth` wide centred on `centreX`, moved inward as far as needed
// to stay within 0..clientWidth (the 0 and 100 labels would otherwise be cut in half).
int LabelLeft(int centreX, int textWidth, int clientWidth);

struct ScaleLabel {
    int left;
    bool shown;
};

// Where the labels 0, 10, ..., 100 of texts `widths` wide go under `bar` in a client
// `clientWidth` wide: each at LabelLeft of its mark. The 0 and 100 labels are always shown; one
// between them only when it keeps kLabelGap from the last one shown and from the 100 label, so
// that a narrow bar shows fewer labels rather than labels over each other.
std::array<ScaleLabel, kScaleLabelCount> PlaceScaleLabels(
    const BarBox& bar, const std::array<int, kScaleLabelCount>& widths, int clientWidth);

}  // namespace tw
