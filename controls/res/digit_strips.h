#pragma once
// Layout of the library's digit-strip bitmaps (resources 901-904 normal, 911-914 selected,
// 921-924 disabled): one row of equal cells, one character per cell, in the order of
// kDigitStripChars. Portable: shared by the picture generator and the edits' painting.

#include <cstring>

namespace tw {

constexpr char kDigitStripChars[] = "0123456789/.-:, APM";
constexpr int kDigitStripCells = sizeof(kDigitStripChars) - 1;

struct DigitCellSize {
    int width;
    int height;
};

// The four cell sizes, smallest first; strip n (0..3) is resource 901 + n, 911 + n, 921 + n.
constexpr DigitCellSize kDigitCellSizes[4] = {{7, 13}, {10, 19}, {12, 22}, {14, 26}};
constexpr int kDigitStripNormalId = 901;
constexpr int kDigitStripSelectedId = 911;
constexpr int kDigitStripDisabledId = 921;

// Cell index of `c` in a strip (lower-case a, p, m as their capitals); the blank's cell for
// characters the strips do not hold.
inline int DigitStripCell(char c) {
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    const char* found = c ? std::strchr(kDigitStripChars, c) : nullptr;
    if (!found) found = std::strchr(kDigitStripChars, ' ');
    return int(found - kDigitStripChars);
}

}  // namespace tw
