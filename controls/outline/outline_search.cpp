// Matching, searching and full paths (see outline_search.h).

#include "controls/outline/outline_search.h"

#include <algorithm>
#include <vector>

namespace tw {

namespace {

// Visits every item once, from the one `next` gives after `after` (or `first`), wrapping
// round to `first` at the end; the first item `matches` accepts, or 0.
template <class Next, class Matches>
uint32_t SearchRound(uint32_t after, uint32_t first, Next next, Matches matches) {
    uint32_t s = after ? next(after) : 0;
    if (!s) s = first;
    const uint32_t stop = s;
    while (s) {
        if (matches(s)) return s;
        s = next(s);
        if (!s) s = first;
        if (s == stop) break;
    }
    return 0;
}

}  // namespace

char FoldCase(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return char(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return char(u + 32);
    return c;
}

std::string LowerCased(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), FoldCase);
    return text;
}

bool TextMatches(const std::string& text, const std::string& key, bool exact) {
    if (exact ? text.size() != key.size() : text.size() < key.size()) return false;
    for (size_t i = 0; i < key.size(); ++i)
        if (FoldCase(text[i]) != FoldCase(key[i])) return false;
    return true;
}

bool ItemMatches(const OutlineItem& item, const SearchKey& key) {
    switch (key.kind) {
        case SearchKey::Kind::Prefix: return TextMatches(item.text, key.text, false);
        case SearchKey::Kind::Exact: return TextMatches(item.text, key.text, true);
        case SearchKey::Kind::Value: return item.data == key.value;
    }
    return false;
}

uint32_t FindChild(const OutlineTree& tree, uint32_t parent, uint32_t after, const SearchKey& key,
                   Direction direction) {
    const bool forward = direction == Direction::Forward;
    const OutlineItem& p = tree.Item(parent);
    return SearchRound(
        after, forward ? p.firstChild : p.lastChild,
        [&](uint32_t s) {
            return forward ? tree.Item(s).nextSibling : tree.Item(s).previousSibling;
        },
        [&](uint32_t s) { return ItemMatches(tree.Item(s), key); });
}

uint32_t FindInTree(const OutlineTree& tree, uint32_t after, const SearchKey& key,
                    Direction direction) {
    const bool forward = direction == Direction::Forward;
    const uint32_t root = OutlineTree::kRoot;
    return SearchRound(
        after, forward ? tree.NextInTree(root) : tree.PreviousInTree(root),
        [&](uint32_t s) {
            const uint32_t n = forward ? tree.NextInTree(s) : tree.PreviousInTree(s);
            return n == root ? 0 : n;
        },
        [&](uint32_t s) { return ItemMatches(tree.Item(s), key); });
}

uint32_t FindInRows(const OutlineTree& tree, uint32_t after, const SearchKey& key,
                    Direction direction) {
    const bool forward = direction == Direction::Forward;
    const RowTree& rows = tree.Rows();
    return SearchRound(
        tree.IsRow(after) ? after : 0, forward ? rows.First() : rows.Last(),
        [&](uint32_t s) { return forward ? rows.Next(s) : rows.Previous(s); },
        [&](uint32_t s) { return ItemMatches(tree.Item(s), key); });
}

std::string FullPath(const OutlineTree& tree, uint32_t slot, char separator) {
    std::vector<uint32_t> chain;
    for (uint32_t s = slot; s != OutlineTree::kRoot; s = tree.Item(s).parent) chain.push_back(s);
    std::string path;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (!path.empty() && path.back() != separator) path += separator;
        path += tree.Item(*it).text;
    }
    return path;
}

}  // namespace tw
