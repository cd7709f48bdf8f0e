#pragma once
// Matching item texts, searching the tree, and the full path of an item. Portable.

#include <cstdint>
#include <string>

#include "controls/outline/outline_tree.h"

namespace tw {

// Texts compare without regard to case: ASCII letters and the accented capitals of the
// Windows Latin-1 code page fold to their small letters.
char FoldCase(char c);
std::string LowerCased(std::string text);
// True when `text` begins with `prefix` (the whole text equals it when `exact`), any case.
bool TextMatches(const std::string& text, const std::string& key, bool exact);

// What a search looks for: a prefix or a whole text, or, in a list without strings, a value.
struct SearchKey {
    enum class Kind { Prefix, Exact, Value } kind;
    std::string text;
    uint32_t value;
};
bool ItemMatches(const OutlineItem& item, const SearchKey& key);

enum class Direction { Forward, Backward };

// Among the children of `parent`: from the child after `after` (the first child when `after`
// is 0), wrapping round, `after` itself last. 0 when nothing matches.
uint32_t FindChild(const OutlineTree& tree, uint32_t parent, uint32_t after, const SearchKey& key,
                   Direction direction = Direction::Forward);
// Over every item in tree order (pre-order), from the one after `after`, wrapping round.
uint32_t FindInTree(const OutlineTree& tree, uint32_t after, const SearchKey& key,
                    Direction direction);
// Over the rows, from the row after `after`'s row (the first row when `after` is no row),
// wrapping round.
uint32_t FindInRows(const OutlineTree& tree, uint32_t after, const SearchKey& key,
                    Direction direction);

// The texts of the ancestors of `slot` from the top down and its own, joined by `separator`
// where a text does not already end with it.
std::string FullPath(const OutlineTree& tree, uint32_t slot, char separator);

}  // namespace tw
