// Row geometry of the outline list (see outline_layout.h).

#include "controls/outline/outline_layout.h"

#include <algorithm>

namespace tw {

namespace {

constexpr uint16_t kImageMask = 0x7FFF;
constexpr int kDefaultTabSpacing = 2;  // dialog units between tab positions with no stop set
constexpr int kMarkFirst = 3;
constexpr int kMarkLast = 14;
constexpr int kConnectorShortening = 6;

PictureChoice StripImage(uint32_t index) {
    PictureChoice choice;
    choice.source = PictureChoice::Source::Strip;
    choice.image = index & kImageMask;
    return choice;
}

PictureChoice OwnBitmap(uintptr_t bitmap) {
    PictureChoice choice;
    choice.source = PictureChoice::Source::Bitmap;
    choice.bitmap = bitmap;
    return choice;
}

// Positions stay within this many pixels, so that absurd stops and widths cannot overflow.
constexpr long long kMaxPiecePixels = 1 << 24;

long long Bounded(long long pixels) {
    return std::clamp(pixels, -kMaxPiecePixels, kMaxPiecePixels);
}

long long DialogUnitsToPixels(int units, int baseWidth) {
    return Bounded((long long)units * baseWidth / 4);
}

// Start of the piece after one that ends at `end`, with the stops in pixels.
long long NextPieceStart(long long end, const std::vector<long long>& stopPixels) {
    if (stopPixels.size() > 1) {
        for (long long stop : stopPixels)
            if (stop > end) return stop;
        return end;
    }
    const long long spacing = stopPixels.front();
    if (spacing <= 0) return end;
    const long long multiple = std::max(1LL, (end + spacing - 1) / spacing);
    return Bounded(multiple * spacing);
}

}  // namespace

PictureSettings::PictureSettings() {
    std::fill(std::begin(levelImage), std::end(levelImage), kNoLevelImage);
    std::fill(std::begin(levelBitmap), std::end(levelBitmap), uintptr_t(0));
}

PictureChoice ChoosePicture(const PictureSettings& settings, const OutlineItem& item) {
    PictureChoice choice = settings.controlBitmap ? OwnBitmap(settings.controlBitmap)
                                                  : StripImage(settings.controlImage);
    if (item.level < uint32_t(kLevelPictures)) {
        if (settings.levelImage[item.level] != kNoLevelImage)
            choice = StripImage(settings.levelImage[item.level]);
        if (settings.levelBitmap[item.level]) choice = OwnBitmap(settings.levelBitmap[item.level]);
    }
    if (item.bitmapIndex != kNoImage) choice = StripImage(item.bitmapIndex);
    if (item.bitmap) choice = OwnBitmap(item.bitmap);
    return choice;
}

int StateCell(const OutlineItem& item) {
    if (!item.firstChild) return 0;
    return (item.flags & kItemOpen) ? 1 : 2;
}

std::vector<LineSegment> RowLines(const LineShape& shape) {
    std::vector<LineSegment> lines;
    const int bottom = shape.top + shape.height - 1;
    const int mid = shape.top + (shape.height - 1) / 2;
    auto column = [&](int k) { return shape.left + kLineColumnOffset + k * shape.indent; };
    auto hasNext = [&](int k) {
        return k >= 0 && size_t(k) < shape.hasNextSibling.size() && shape.hasNextSibling[k];
    };
    for (int k = 0; k < shape.level; ++k)
        if (hasNext(k)) lines.push_back({column(k), shape.top, column(k), bottom});
    const int x = column(shape.level);
    const bool next = hasNext(shape.level);
    if (shape.level == 0) {
        if (next)
            lines.push_back({x, shape.hasPreviousSibling ? shape.top : mid, x, bottom});
        else if (shape.hasPreviousSibling)
            lines.push_back({x, shape.top, x, mid});
    } else {
        lines.push_back({x, shape.top, x, next ? bottom : mid});
    }
    const int connectorEnd = x + shape.indent - kConnectorShortening;
    if (connectorEnd >= x) lines.push_back({x, mid, connectorEnd, mid});
    return lines;
}

std::vector<int> TabbedPieceStarts(const std::vector<int>& widths, const std::vector<int>& stops,
                                   int baseWidth) {
    std::vector<long long> stopPixels;
    for (int stop : stops) stopPixels.push_back(DialogUnitsToPixels(stop, baseWidth));
    if (stopPixels.empty())
        stopPixels.push_back(DialogUnitsToPixels(kDefaultTabSpacing, baseWidth));
    std::vector<int> starts;
    long long end = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        const long long start = i == 0 ? 0 : NextPieceStart(end, stopPixels);
        starts.push_back(int(start));
        end = Bounded(start + widths[i]);
    }
    return starts;
}

int RowsPerColumn(int rows, int columns) {
    const int c = std::max(1, columns);
    int perColumn = std::max(1, rows / c);
    if (perColumn * c < rows) ++perColumn;
    return perColumn;
}

bool OnOpenCloseMark(int x, int level, int indent, int scrollOffset) {
    const int offset = x - (level * indent - scrollOffset);
    return offset >= kMarkFirst && offset <= kMarkLast;
}

}  // namespace tw
