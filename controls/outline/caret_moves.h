#pragma once
// Where the caret goes for the navigation keys of an outline list. Portable.

namespace tw {

enum class CaretKey { Up, Down, PageUp, PageDown, Home, End, Left, Right };

// The caret row after `key`, clamped to the rows 0..rows-1 (-1 when there are no rows).
// A page is `pageRows` rows less one (at least one); Left and Right move by a column of
// `rowsPerColumn` rows. A caret of -1 moves to the first row.
long CaretTarget(CaretKey key, long caret, long rows, long pageRows, long rowsPerColumn);

}  // namespace tw
