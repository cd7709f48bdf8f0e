#include "grid/row_store.h"

#include <algorithm>
#include <cstring>

namespace tw {
namespace grid {

void RowStore::Reset(int recordSize, int keyOffset) {
    recordSize_ = recordSize > 0 ? recordSize : 0;
    constexpr size_t kPageBytes = size_t(1) << 20;
    pageSlots_ = static_cast<uint32_t>(
        std::clamp<size_t>(kPageBytes / size_t(std::max(recordSize_, 1)), 1, 1024));
    keyOffset_ = (keyOffset >= 0 && keyOffset + 4 <= recordSize_) ? keyOffset : -1;
    Clear();
}

void RowStore::Clear() {
    pages_.clear();
    attributes_.clear();
    order_.clear();
    freeSlots_.clear();
    keyIndex_.clear();
    rowOfSlot_.clear();
    rowOfSlotStale_ = false;
    selectedCount_ = 0;
}

void RowStore::SetGrowStep(int rows) { growStep_ = std::clamp(rows, 1, 1 << 20); }

int32_t RowStore::SlotKey(uint32_t slot) const {
    int32_t key;
    std::memcpy(&key, SlotRecord(slot) + keyOffset_, sizeof key);
    return key;
}

uint32_t RowStore::NewSlot() {
    if (!freeSlots_.empty()) {
        const uint32_t slot = freeSlots_.back();
        freeSlots_.pop_back();
        return slot;
    }
    const size_t slots = attributes_.size();
    if (slots == attributes_.capacity()) {
        // Grow by the step, or geometrically once the store is larger than the step.
        attributes_.reserve(slots + std::max(size_t(growStep_), slots));
    }
    if (slots == pages_.size() * pageSlots_) {
        pages_.push_back(std::make_unique<char[]>(size_t(pageSlots_) * size_t(recordSize_)));
    }
    attributes_.emplace_back();
    rowOfSlot_.push_back(-1);
    return static_cast<uint32_t>(slots);
}

void RowStore::IndexKey(uint32_t slot) {
    if (keyOffset_ >= 0) keyIndex_.emplace(SlotKey(slot), slot);
}

void RowStore::UnindexKey(uint32_t slot) {
    if (keyOffset_ < 0) return;
    auto range = keyIndex_.equal_range(SlotKey(slot));
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second == slot) {
            keyIndex_.erase(it);
            return;
        }
    }
}

int RowStore::Insert(int row, const void* record) {
    if (row < 0 || row > Count() || record == nullptr || recordSize_ == 0) return -1;
    const uint32_t slot = NewSlot();
    std::memcpy(SlotRecord(slot), record, size_t(recordSize_));
    attributes_[slot] = RowAttributes{};
    IndexKey(slot);
    if (row == Count() && !rowOfSlotStale_) {
        rowOfSlot_[slot] = row;
    } else {
        rowOfSlotStale_ = true;
    }
    order_.insert(order_.begin() + row, slot);
    return row;
}

bool RowStore::Overwrite(int row, const void* record) {
    if (!Valid(row) || record == nullptr) return false;
    const uint32_t slot = order_[row];
    UnindexKey(slot);
    std::memcpy(SlotRecord(slot), record, size_t(recordSize_));
    IndexKey(slot);
    return true;
}

bool RowStore::Erase(int row) {
    if (!Valid(row)) return false;
    const uint32_t slot = order_[row];
    if (attributes_[slot].selected) --selectedCount_;
    UnindexKey(slot);
    freeSlots_.push_back(slot);
    order_.erase(order_.begin() + row);
    rowOfSlot_[slot] = -1;
    if (row != Count()) rowOfSlotStale_ = true;
    return true;
}

void RowStore::Move(int from, int to) {
    if (!Valid(from) || !Valid(to) || from == to) return;
    const uint32_t slot = order_[from];
    order_.erase(order_.begin() + from);
    order_.insert(order_.begin() + to, slot);
    rowOfSlotStale_ = true;
}

void RowStore::Permute(const std::vector<int>& newOrder) {
    if (static_cast<int>(newOrder.size()) != Count()) return;
    std::vector<uint32_t> slots(order_.size());
    for (size_t i = 0; i < newOrder.size(); ++i) slots[i] = order_[size_t(newOrder[i])];
    order_.swap(slots);
    rowOfSlotStale_ = true;
}

void RowStore::RebuildRowOfSlot() const {
    rowOfSlot_.assign(attributes_.size(), -1);
    for (size_t row = 0; row < order_.size(); ++row) rowOfSlot_[order_[row]] = int(row);
    rowOfSlotStale_ = false;
}

int RowStore::RowOfSlot(uint32_t slot) const {
    if (slot >= attributes_.size()) return -1;
    if (rowOfSlotStale_) RebuildRowOfSlot();
    return rowOfSlot_[slot];
}

int RowStore::FindKey(int32_t key) const {
    if (keyOffset_ < 0) return -1;
    int best = -1;
    auto range = keyIndex_.equal_range(key);
    for (auto it = range.first; it != range.second; ++it) {
        const int row = RowOfSlot(it->second);
        if (row >= 0 && (best < 0 || row < best)) best = row;
    }
    return best;
}

bool RowStore::SetSelected(int row, bool on) {
    if (!Valid(row)) return false;
    RowAttributes& attributes = Attributes(row);
    if ((attributes.selected != 0) == on) return false;
    attributes.selected = on ? 1 : 0;
    selectedCount_ += on ? 1 : -1;
    return true;
}

}  // namespace grid
}  // namespace tw
