// Texts, data, paths and searching of the outline list (see outline_item_text.h).

#include "controls/outline/outline_item_text.h"

#include <algorithm>
#include <string>

#include "controls/outline/outline_view.h"

namespace tw {

namespace {

LRESULT CopyOut(const std::string& text, LPSTR buffer, long size) {
    if (size < 0 || (size > 0 && !buffer)) return OLB_ERR;
    if (size > 0) {
        const size_t copied = std::min(text.size(), size_t(size) - 1);
        text.copy(buffer, copied);
        buffer[copied] = '\0';
    }
    return LRESULT(text.size());
}

// What to look for: the text, or in a list without strings the value the pointer carries.
bool MakeKey(const OutlineState& s, LPCSTR text, bool exact, SearchKey& key) {
    if (!s.storesStrings) {
        key = {SearchKey::Kind::Value, std::string(), DWORD(reinterpret_cast<UINT_PTR>(text))};
        return true;
    }
    if (!text) return false;
    key = {exact ? SearchKey::Kind::Exact : SearchKey::Kind::Prefix, text, 0};
    return true;
}

uint32_t Found(uint32_t slot) { return slot ? slot : kBadSlot; }

const std::string& TextOf(const OutlineState& s, uint32_t slot) {
    static const std::string none;
    return s.storesStrings ? s.tree.Item(slot).text : none;
}

}  // namespace

LRESULT OLB_GetText(const OutlineState& s, uint32_t slot, LPSTR buffer, long size) {
    if (!IsItemSlot(slot)) return OLB_ERR;
    return CopyOut(TextOf(s, slot), buffer, size);
}

LRESULT OLB_GetTextLength(const OutlineState& s, uint32_t slot) {
    return IsItemSlot(slot) ? LRESULT(TextOf(s, slot).size()) : OLB_ERR;
}

LRESULT OLB_SetItemText(OutlineState& s, uint32_t slot, LPCSTR text) {
    if (!IsItemSlot(slot) || !text || !s.storesStrings) return OLB_ERR;
    s.tree.Item(slot).text = text;
    InvalidateItem(s, slot);
    return 0;
}

LRESULT OLB_GetItemData(const OutlineState& s, uint32_t slot) {
    return IsItemSlot(slot) ? LRESULT(s.tree.Item(slot).data) : OLB_ERR;
}

LRESULT OLB_SetItemData(OutlineState& s, uint32_t slot, DWORD data) {
    if (!IsItemSlot(slot)) return OLB_ERR;
    s.tree.Item(slot).data = data;
    if (!s.storesStrings) InvalidateItem(s, slot);
    return 0;
}

LRESULT OLB_GetFullPath(const OutlineState& s, uint32_t slot, LPSTR buffer, long size) {
    if (!IsItemSlot(slot)) return OLB_ERR;
    const std::string path = s.storesStrings ? FullPath(s.tree, slot, s.separator) : std::string();
    return CopyOut(path, buffer, size);
}

LRESULT OLB_SetPathSeparator(OutlineState& s, long separator) {
    if (separator <= 0 || separator > 0xFF) return OLB_ERR;
    const char was = s.separator;
    s.separator = char(separator);
    return LRESULT(static_cast<unsigned char>(was));
}

LRESULT OLB_GetPathSeparator(const OutlineState& s) {
    return LRESULT(static_cast<unsigned char>(s.separator));
}

uint32_t OLB_FindSibling(const OutlineState& s, uint32_t start, LPCSTR text, bool exact) {
    SearchKey key;
    if (start == kBadSlot || !MakeKey(s, text, exact, key)) return kBadSlot;
    if (start == OutlineTree::kRoot) return Found(FindChild(s.tree, start, 0, key));
    return Found(FindChild(s.tree, s.tree.Item(start).parent, start, key));
}

uint32_t OLB_FindChild(const OutlineState& s, uint32_t parent, LPCSTR text, bool exact) {
    SearchKey key;
    if (parent == kBadSlot || !MakeKey(s, text, exact, key)) return kBadSlot;
    return Found(FindChild(s.tree, parent, 0, key));
}

uint32_t OLB_FindFrom(const OutlineState& s, uint32_t from, LPCSTR text, SearchScope scope,
                      Direction direction) {
    SearchKey key;
    if (from == kBadSlot || !MakeKey(s, text, false, key)) return kBadSlot;
    switch (scope) {
        case SearchScope::Tree: return Found(FindInTree(s.tree, from, key, direction));
        case SearchScope::Rows: return Found(FindInRows(s.tree, from, key, direction));
        case SearchScope::Siblings:
            if (from == OutlineTree::kRoot) return kBadSlot;
            return Found(FindChild(s.tree, s.tree.Item(from).parent, from, key, direction));
    }
    return kBadSlot;
}

LRESULT OLB_FindRow(const OutlineState& s, long startRow, LPCSTR text, bool exact) {
    SearchKey key;
    if (!MakeKey(s, text, exact, key)) return OLB_ERR;
    const uint32_t after = startRow >= 0 ? s.tree.RowItem(startRow) : 0;
    const uint32_t slot = FindInRows(s.tree, after, key, Direction::Forward);
    return slot ? s.tree.RowOf(slot) : OLB_ERR;
}

}  // namespace tw
