#pragma once
// The font selector's table of point sizes and the conversions between points and font
// heights in logical units. Portable.

namespace tw {

constexpr int kFontSizeCount = 16;
extern const int kFontSizeTable[kFontSizeCount];  // 8 .. 72 points, ascending
constexpr int kDefaultPointSize = 10;
constexpr int kDefaultSizeIndex = 2;  // 10 points

// Index of the table size nearest to `points`: the larger one on a tie, the first below the
// table, the last above it.
int NearestSizeIndex(int points);

// Points of a character height (the font height without internal leading) at `dpi` pixels
// per inch, rounded half up; a negative height counts by its size. A dpi of 0 or less is taken
// as 96.
int PointsFromCharHeight(int charHeight, int dpi);

// The character height of `points` as a font height: -(points x dpi) / 72.
int FontHeightFromPoints(int points, int dpi);

}  // namespace tw
