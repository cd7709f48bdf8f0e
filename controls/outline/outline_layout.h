#pragma once
// The geometry of an outline list's rows that needs no device: which picture an item shows,
// where its lines go, where the pieces of a tabbed text start, how rows fill columns and where
// the open/close mark lies. Portable.

#include <cstdint>
#include <vector>

#include "controls/outline/outline_items.h"

namespace tw {

constexpr int kBuiltInImages = 14;  // images of the built-in strip, three cells each
constexpr int kBuiltInCellWidth = 18;
constexpr int kBuiltInCellHeight = 16;
constexpr int kPictureGap = 4;      // between the picture and the text
constexpr int kLevelPictures = 20;  // levels 0..19 may have pictures of their own
constexpr uint32_t kNoLevelImage = 0xFFFFFFFF;
constexpr int kBoxSize = 11;          // the open/close box
constexpr int kLineColumnOffset = 7;  // x of level k's line: left + 7 + k * indent

// Where an item's picture comes from.
struct PictureChoice {
    enum class Source { None, Strip, Bitmap } source = Source::None;
    uint32_t image = 0;    // Strip: the image (index AND 0x7FFF)
    uintptr_t bitmap = 0;  // Bitmap: the picture's handle
};

// The pictures a control holds: its own and those of levels 0..19.
struct PictureSettings {
    uintptr_t controlBitmap = 0;
    uint32_t controlImage = 0;
    uint32_t levelImage[kLevelPictures];
    uintptr_t levelBitmap[kLevelPictures];
    PictureSettings();
};

// The control's picture, overridden by the level's and then by the item's own.
PictureChoice ChoosePicture(const PictureSettings& settings, const OutlineItem& item);

// Cell 0 for an item without children, 1 for an open item, 2 for a closed one with children.
int StateCell(const OutlineItem& item);

// True when a strip image exists (`image` already without the directory bit).
inline bool IsBuiltInImage(uint32_t image) { return image < uint32_t(kBuiltInImages); }

// One straight line of an item's row, end points included.
struct LineSegment {
    int x0, y0, x1, y1;
};

// What the lines of a row depend on.
struct LineShape {
    int level;                         // L
    std::vector<bool> hasNextSibling;  // for levels 0..L: the ancestor (or the item) at that level
    bool hasPreviousSibling;           // of the item itself
    int left, top, height, indent;
};

// The vertical lines of the ancestors, the item's own vertical and its connector.
std::vector<LineSegment> RowLines(const LineShape& shape);

// Where each piece of a text cut at tabs starts, from the text's x: `widths` are the pieces'
// pixel widths, `stops` the tab stops in dialog units, `baseWidth` the dialog base width.
std::vector<int> TabbedPieceStarts(const std::vector<int>& widths, const std::vector<int>& stops,
                                   int baseWidth);

// Rows per column in the multiple-column style: rows / columns, at least 1, plus 1 when the
// columns do not hold every row. Columns below 1 count as 1.
int RowsPerColumn(int rows, int columns);

// True when `x` lies on the open/close mark of an item at `level`: from 3 to 14 pixels right
// of its indent (level * indent less the horizontal scroll offset).
bool OnOpenCloseMark(int x, int level, int indent, int scrollOffset);

}  // namespace tw
