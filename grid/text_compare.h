// Text comparison used by the grid for sorting and name lookup.
#pragma once

namespace tw {
namespace grid {

// <0, 0, >0 as strcmp; with noCase, ASCII letters compare without regard to case.
// Bytes compare as unsigned. Either text may be null (the empty text).
int CompareText(const char* a, const char* b, bool noCase);

}  // namespace grid
}  // namespace tw
