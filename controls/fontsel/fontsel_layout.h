#pragma once
// Where the font selector puts its two lists for a given width and font. Portable.

namespace tw {

struct ListPlacement {
    int x, y, width, height;  // height: the list with its drop-down part
};

struct FontSelLayout {
    ListPlacement family;
    ListPlacement size;
};

constexpr int kListMargin = 2;      // from the top and the left
constexpr int kNarrowControl = 41;  // narrower than this: a family list of fixed width
constexpr int kNarrowFamilyWidth = 60;
constexpr int kDroppedLines = 10;

// The size list is four average characters + 24 pixels wide; the family list takes the rest
// less 10 pixels (never below 0); the edit field is the line height + 4 and the dropped part
// ten lines.
FontSelLayout LayOutFontSel(int controlWidth, int averageCharWidth, int lineHeight);

}  // namespace tw
